#!/usr/bin/env python3
"""Draws the pictures of Lorvex and writes them beside this script.

lorvex.ico  32x32, 16 colours: a stylised application window.
The generated files are committed; run this script again after changing a picture.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 standard VGA colours, as (r, g, b).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, LIGHT_GREY, DARK_GREY, WHITE = 0, 4, 7, 8, 15


def icon_pixels():
    """Rows top to bottom of palette indexes; None is transparent."""
    size = 32
    px = [[None] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = c

    # The window: a black outline, a grey frame two pixels wide.
    fill(1, 2, 30, 29, BLACK)
    fill(2, 3, 29, 28, LIGHT_GREY)
    # Caption bar, dark blue.
    fill(3, 4, 28, 10, NAVY)
    # Three small grey boxes at the right end of the caption, each with a dark edge.
    for x0 in (14, 19, 24):
        fill(x0, 5, x0 + 3, 9, DARK_GREY)
        fill(x0, 5, x0 + 2, 8, LIGHT_GREY)
    # Client area, white, under a thin dark line.
    fill(3, 11, 28, 11, DARK_GREY)
    fill(3, 12, 28, 27, WHITE)
    return px


def write_ico(path, px):
    size = len(px)
    # XOR image: 4 bits a pixel, rows bottom to top, each row padded to 4 bytes.
    xor = bytearray()
    for row in reversed(px):
        line = bytearray()
        for x in range(0, size, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            line.append((hi << 4) | lo)
        while len(line) % 4:
            line.append(0)
        xor += line
    # AND mask: 1 bit a pixel, set where transparent.
    mask = bytearray()
    for row in reversed(px):
        line = bytearray()
        for x in range(0, size, 8):
            b = 0
            for k in range(8):
                if row[x + k] is None:
                    b |= 0x80 >> k
            line.append(b)
        while len(line) % 4:
            line.append(0)
        mask += line
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE16)
    image = header + palette + bytes(xor) + bytes(mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(icondir + entry + image)


def main():
    write_ico(os.path.join(HERE, 'lorvex.ico'), icon_pixels())


if __name__ == '__main__':
    main()
