#!/usr/bin/env python3
"""Draws the pictures of the formula demo (Lorvex and LorvexCon) and writes them beside this
script.

lorvex.ico   32x32, 16 colours: a stylised application window.
about.bmp    264x130, 24 bits: the default series plotted over x = -12 to 12.
formula.bmp  411x104, 24 bits: the series set as a formula, black on white, in DejaVu Sans
             Mono (drawn by ImageMagick's convert; skipped with a note when it is missing).
The generated files are committed; run this script again after changing a picture.
"""
import math
import os
import shutil
import struct
import subprocess
import tempfile

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


def write_bmp24(path, rows):
    """rows: top to bottom lists of (r, g, b)."""
    h = len(rows)
    w = len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    filehdr = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    with open(path, 'wb') as f:
        f.write(filehdr + header + bytes(data))


def series(x, a=1.0, b=2.0, s=1.0, m=2, n=4):
    y = 0.0
    for j in range(1, n + 1):
        t = (x * j) / (m * 3.141592653589793)
        y += a * math.sin(t) + (b * s) * math.cos(t)
    return y


def about_pixels():
    w, h = 264, 130
    white, grid, axis, curve, frame = (255,) * 3, (220, 220, 220), (0, 0, 0), (0, 0, 128), \
        (128, 128, 128)
    px = [[white] * w for _ in range(h)]
    left, right, top, bottom = 8, w - 9, 8, h - 9
    xs = (-12.0, 12.0)
    ys = [series(xs[0] + (xs[1] - xs[0]) * i / 999) for i in range(1000)]
    ylo, yhi = min(ys) - 0.5, max(ys) + 0.5

    def sx(x):
        return left + (x - xs[0]) / (xs[1] - xs[0]) * (right - left)

    def sy(y):
        return bottom - (y - ylo) / (yhi - ylo) * (bottom - top)

    for gx in range(-12, 13, 3):
        for y in range(top, bottom + 1):
            px[y][round(sx(gx))] = grid
    for gy in range(math.ceil(ylo), math.floor(yhi) + 1):
        for x in range(left, right + 1):
            px[round(sy(gy))][x] = grid
    for x in range(left, right + 1):
        px[round(sy(0.0))][x] = axis
    for y in range(top, bottom + 1):
        px[y][round(sx(0.0))] = axis
    # The curve, two pixels thick, from many samples.
    for i in range(4000):
        x = xs[0] + (xs[1] - xs[0]) * i / 3999
        cx, cy = round(sx(x)), round(sy(series(x)))
        for dx in (0, 1):
            for dy in (0, 1):
                if left <= cx + dx <= right and top <= cy + dy <= bottom:
                    px[cy + dy][cx + dx] = curve
    # No frame of its own: the control centres the picture and fills the rest with the
    # colour of its corner pixel, so the corner stays white.
    del frame
    return px


FORMULA_FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf'


def write_formula(path):
    """The series as the dialog shows it, laid out piece by piece."""
    convert = shutil.which('convert')
    if not convert or not os.path.exists(FORMULA_FONT):
        print('formula.bmp kept: convert or DejaVu Sans Mono missing')
        return
    size = 14
    cw = size * 0.602  # advance of one character of the face
    draw = []

    def text(x, y, s, pt=size):
        draw.append("font-size %d text %d,%d '%s'" % (pt, round(x), round(y), s))

    def line(x0, y0, x1, y1):
        draw.append('line %d,%d %d,%d' % (x0, y0, x1, y1))

    base = 59  # baseline of the main line
    x = 26
    text(x, base, 'y (x) =')
    x += 7.5 * cw
    # Sum sign with its limits above and below.
    text(x + 1, base + 9, '\u2211', 40)
    text(x + 9, 24, 'n', 13)
    text(x - 1, 92, 'j=1', 13)
    x += 32

    def fraction(x):
        width = 3 * cw
        text(x, base - 10, 'j x')
        line(x - 1, base - 5, x + width + 1, base - 5)
        text(x, base + 13, 'm \u03c0')
        return x + width + 3

    for piece, with_fraction in (('( a Sin[', True), ('] + s b Cos[', True), ('] )', False)):
        text(x, base, piece)
        x += len(piece) * cw + 4
        if with_fraction:
            x = fraction(x)
    tmp = tempfile.mkdtemp()
    try:
        subprocess.run([convert, '-size', '411x104', 'xc:white', '-fill', 'black',
                        '-stroke', 'none', '-font', FORMULA_FONT, '-draw', ' '.join(draw),
                        '-stroke', 'black', '-strokewidth', '1',
                        '-draw', ' '.join(d for d in draw if d.startswith('line')),
                        '-alpha', 'off', '-type', 'TrueColor',
                        'BMP3:' + os.path.join(tmp, 'f.bmp')], check=True)
        shutil.copy(os.path.join(tmp, 'f.bmp'), path)
    finally:
        shutil.rmtree(tmp)


def main():
    write_ico(os.path.join(HERE, 'lorvex.ico'), icon_pixels())
    write_bmp24(os.path.join(HERE, 'about.bmp'), about_pixels())
    write_formula(os.path.join(HERE, 'formula.bmp'))


if __name__ == '__main__':
    main()
