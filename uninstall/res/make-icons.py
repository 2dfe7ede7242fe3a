#!/usr/bin/env python3
"""Draws the program's two icons as 16-colour .ico files (32x32 and 16x16).

    uninstall/res/make-icons.py      writes delete.ico and zelkova.ico here

delete.ico: an archive box crossed out (the program file's icon).
zelkova.ico: a tree on an archive box (the dialogs' window icon).
"""
import os
import struct

# The 16-colour palette (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, GREY, RED, LIME, YELLOW, WHITE = 0, 1, 2, 3, 8, 9, 10, 11, 15
CLEAR = None


def box(x, y):
    """An archive box in the lower part of the unit square, or CLEAR."""
    if 0.12 <= x <= 0.88 and 0.45 <= y <= 0.92:
        if x < 0.16 or x > 0.84 or y < 0.49 or y > 0.88:
            return BLACK
        if 0.46 <= x <= 0.54:
            return GREY  # strap
        return YELLOW if y < 0.6 else OLIVE
    return CLEAR


def delete_icon(x, y):
    on_cross = abs(x - y) < 0.09 or abs(x + y - 1) < 0.09
    if on_cross and 0.06 <= x <= 0.94:
        return RED
    return box(x, y + 0.2) if y < 0.75 else box(x, y)


def zelkova_icon(x, y):
    crown = (x - 0.5) ** 2 / 0.16 + (y - 0.3) ** 2 / 0.06
    if crown <= 1:
        return GREEN if crown > 0.75 or (x + y) % 0.25 < 0.06 else LIME
    if 0.45 <= x <= 0.55 and 0.3 <= y < 0.5:
        return MAROON  # trunk
    return box(x, y)


def image(draw, size):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows."""
    pixels = [[draw((i + 0.5) / size, (j + 0.5) / size) for i in range(size)]
              for j in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour = b''
    mask = b''
    for row in reversed(pixels):  # bottom-up
        nibbles = [0 if p is CLEAR else p for p in row]
        bits = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour += bits + b'\0' * (-len(bits) % 4)
        m = 0
        for p in row:
            m = (m << 1) | (p is CLEAR)
        mbytes = m.to_bytes(size // 8, 'big')
        mask += mbytes + b'\0' * (-len(mbytes) % 4)
    return header + palette + colour + mask


def write_icon(path, draw):
    images = [(size, image(draw, size)) for size in (32, 16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


here = os.path.dirname(os.path.abspath(__file__))
write_icon(os.path.join(here, 'delete.ico'), delete_icon)
write_icon(os.path.join(here, 'zelkova.ico'), zelkova_icon)
