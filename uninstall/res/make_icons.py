#!/usr/bin/env python3
"""Draws the program's two icons as 16-colour .ico files, at every size Windows
asks for from 96 to 192 dpi: 32, 40 and 48 (large icons), 16, 20 and 24 (small).

Writes them next to this script; the output is committed, so the build needs no Python.

delete.ico: an archive box crossed out (the program file's icon).
zelkova.ico: a tree on an archive box (the dialogs' window icon).
"""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, '..', '..', 'tools', 'icons'))
import ico
from ico import BLACK, CLEAR, DARK_GREEN, DARK_RED, DARK_YELLOW, GREEN, GREY, RED, YELLOW


def box(x, y):
    """An archive box in the lower part of the unit square, or CLEAR."""
    if 0.12 <= x <= 0.88 and 0.45 <= y <= 0.92:
        if x < 0.16 or x > 0.84 or y < 0.49 or y > 0.88:
            return BLACK
        if 0.46 <= x <= 0.54:
            return GREY  # strap
        return YELLOW if y < 0.6 else DARK_YELLOW
    return CLEAR


def delete_icon(x, y):
    on_cross = abs(x - y) < 0.09 or abs(x + y - 1) < 0.09
    if on_cross and 0.06 <= x <= 0.94:
        return RED
    return box(x, y + 0.2) if y < 0.75 else box(x, y)


def zelkova_icon(x, y):
    crown = (x - 0.5) ** 2 / 0.16 + (y - 0.3) ** 2 / 0.06
    if crown <= 1:
        return DARK_GREEN if crown > 0.75 or (x + y) % 0.25 < 0.06 else GREEN
    if 0.45 <= x <= 0.55 and 0.3 <= y < 0.5:
        return DARK_RED  # trunk
    return box(x, y)


def image(draw, size):
    """The rows of `draw`, a colour per point of the unit square, sampled at pixel centres."""
    return [[draw((i + 0.5) / size, (j + 0.5) / size) for i in range(size)]
            for j in range(size)]


def write_icon(path, draw):
    ico.write(path, [image(draw, size) for size in (32, 16, 48, 40, 24, 20)])


write_icon(os.path.join(here, 'delete.ico'), delete_icon)
write_icon(os.path.join(here, 'zelkova.ico'), zelkova_icon)
