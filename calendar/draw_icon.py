#!/usr/bin/env python3
"""Draws calendar.ico: one 32 x 32 image in 16 colours, a calendar page.

    python3 calendar/draw_icon.py calendar/calendar.ico
"""
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
    (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, DARK_RED, GREY, RED, WHITE = 0, 1, 8, 9, 15
SIZE = 32


def draw():
    """Rows top to bottom of palette indices; None is transparent."""
    image = [[None] * SIZE for _ in range(SIZE)]
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


def icon_bytes(image):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(image):  # bottom-up
        for x in range(0, SIZE, 2):
            high, low = (row[x] or 0), (row[x + 1] or 0)
            xor.append(high << 4 | low)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is None else 0)
        mask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in PALETTE)
    dib = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(dib), 6 + 16)
    return directory + dib


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes(draw()))
