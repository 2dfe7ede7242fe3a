#!/usr/bin/env python3
"""Draws sombrel.ico: a clock face in 16 colours, as a 32x32 and a 16x16 image.

Run from this folder; the output is committed, so the build needs no Python."""
import math
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_BLUE, RED, WHITE = 0, 4, 9, 15


def clock_face(size):
    """Colour index per pixel (None: transparent), top row first."""
    centre = (size - 1) / 2
    radius = size / 2 - 0.5
    pixels = [[None] * size for _ in range(size)]
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


def icon_image(size):
    pixels = clock_face(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bottom row first
        nibbles = [0 if p is None else p for p in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor + b'\0' * (-len(xor) % 4))
        bits = 0
        mask = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main():
    images = [(32, icon_image(32)), (16, icon_image(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open('sombrel.ico', 'wb') as f:
        f.write(out)


main()
