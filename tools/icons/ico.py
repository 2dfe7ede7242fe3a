"""Writes 16-colour Windows icon files (.ico) from drawn images.

An image is a square list of rows, top row first, whose side is even (16, 20,
24, 32, 40, 48: the sizes Windows asks for at 96 to 192 dpi); each pixel is an index into PALETTE, or None where the icon is transparent.
The drawing scripts import this module; their output is committed, so the build
needs no Python."""
import struct

# The standard 16-colour palette, as (red, green, blue); the names below are
# its indices.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
           (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
           (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
           (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
(BLACK, DARK_RED, DARK_GREEN, DARK_YELLOW, DARK_BLUE, DARK_MAGENTA, DARK_CYAN, LIGHT_GREY,
 GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE) = range(16)
CLEAR = None


def _padded(row):
    """A bitmap row filled up to a whole number of 32-bit words."""
    return row + b'\0' * (-len(row) % 4)


def bitmap(image):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, bottom row first."""
    size = len(image)
    if size % 2 or any(len(row) != size for row in image):
        raise ValueError('an icon image is square, its side even')
    colour, mask = b'', b''
    for row in reversed(image):
        indices = [0 if p is CLEAR else p for p in row]
        colour += _padded(bytes(indices[i] << 4 | indices[i + 1] for i in range(0, size, 2)))
        bits = 0
        for p in row:
            bits = bits << 1 | (p is CLEAR)
        bits <<= -size % 8  # the row's last byte filled up on the right
        mask += _padded(bits.to_bytes((size + 7) // 8, 'big'))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colour + mask


def icon(images):
    """The .ico file holding the images, in the order given."""
    bitmaps = [(len(image), bitmap(image)) for image in images]
    out = struct.pack('<HHH', 0, 1, len(bitmaps))
    offset = 6 + 16 * len(bitmaps)
    for size, data in bitmaps:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in bitmaps)


def write(path, images):
    with open(path, 'wb') as f:
        f.write(icon(images))
