#!/usr/bin/env python3
"""Draws calendar.ico: a calendar page in 16 colours, at every size Windows asks
for from 96 to 192 dpi: 32, 40 and 48 (large icons), 16, 20 and 24 (small).

Writes it next to this script; the output is committed, so the build needs no Python."""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'tools', 'icons'))
import ico
from ico import BLACK, CLEAR, DARK_RED, GREY, RED, WHITE


def draw(size):
    """Rows top to bottom of palette indices; CLEAR is transparent. Laid out on
    a grid of 32 and scaled, each line at least one pixel wide."""
    def at(v):
        return int(v * size / 32 + 0.5)

    image = [[CLEAR] * size for _ in range(size)]
    left, top, right, bottom = at(2), at(3), at(30) - 1, at(30) - 1
    line = max(1, at(1))
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y < top + line or y > bottom - line or x < left + line or x > right - line
            image[y][x] = BLACK if edge else (RED if y < at(10) else WHITE)
    for ring in (9, 22):  # rings holding the page
        for x in range(at(ring), at(ring) + line):
            for y in range(at(1), at(6)):
                image[y][x] = GREY
    for row in range(4):  # day squares
        for column in range(5):
            colour = DARK_RED if (row, column) == (1, 2) else GREY
            x0, y0 = 5 + column * 5, 12 + row * 4
            for y in range(at(y0), max(at(y0 + 3), at(y0) + 1)):
                for x in range(at(x0), max(at(x0 + 3), at(x0) + 1)):
                    image[y][x] = colour
    return image


ico.write(os.path.join(here, 'calendar.ico'), [draw(size) for size in (32, 16, 48, 40, 24, 20)])
