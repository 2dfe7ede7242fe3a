#!/usr/bin/env python3
"""Draws calendar.ico: one 32 x 32 image in 16 colours, a calendar page.

Writes it next to this script; the output is committed, so the build needs no Python."""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'tools', 'icons'))
import ico
from ico import BLACK, CLEAR, DARK_RED, GREY, RED, WHITE

SIZE = 32


def draw():
    """Rows top to bottom of palette indices; CLEAR is transparent."""
    image = [[CLEAR] * SIZE for _ in range(SIZE)]
    for y in range(3, 30):
        for x in range(2, 30):
            edge = y in (3, 29) or x in (2, 29)
            image[y][x] = BLACK if edge else (RED if y < 10 else WHITE)
    for x in (9, 22):  # rings holding the page
        for y in range(1, 6):
            image[y][x] = GREY
    for row in range(4):  # day squares
        for column in range(5):
            for dy in range(3):
                for dx in range(3):
                    colour = DARK_RED if (row, column) == (1, 2) else GREY
                    image[12 + row * 4 + dy][5 + column * 5 + dx] = colour
    return image


ico.write(os.path.join(here, 'calendar.ico'), [draw()])
