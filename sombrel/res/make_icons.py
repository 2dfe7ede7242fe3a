#!/usr/bin/env python3
"""Draws sombrel.ico: a clock face in 16 colours, at every size Windows asks for
from 96 to 192 dpi: 16, 20 and 24 (small icons), 32, 40 and 48 (large ones).

Writes it next to this script; the output is committed, so the build needs no Python."""
import math
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'tools', 'icons'))
import ico
from ico import BLACK, CLEAR, DARK_BLUE, RED, WHITE


def clock_face(size):
    """Colour index per pixel (CLEAR: transparent), top row first."""
    centre = (size - 1) / 2
    radius = size / 2 - 0.5
    pixels = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - centre, y - centre)
            if d <= radius - size / 10:
                pixels[y][x] = WHITE
            elif d <= radius:
                pixels[y][x] = DARK_BLUE

    def hand(angle_deg, length, colour):
        a = math.radians(angle_deg)
        steps = size * 2
        for i in range(steps + 1):
            r = length * i / steps
            x = round(centre + r * math.sin(a))
            y = round(centre - r * math.cos(a))
            pixels[y][x] = colour

    for hour in range(12):  # hour marks
        a = math.radians(hour * 30)
        r = radius - size / 6
        pixels[round(centre - r * math.cos(a))][round(centre + r * math.sin(a))] = BLACK
    hand(300, radius * 0.5, BLACK)   # hour hand at ten
    hand(60, radius * 0.75, BLACK)   # minute hand at ten past
    hand(180, radius * 0.7, RED)     # second hand
    return pixels


ico.write(os.path.join(here, 'sombrel.ico'), [clock_face(size) for size in (32, 16, 48, 40, 24, 20)])
