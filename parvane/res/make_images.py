#!/usr/bin/env python3
"""Draws the start-up picture of Parvane and writes it beside this script.

logo.bmp  264x130, 24 bits: a butterfly ("parvane") with orange wings veined in black and
          dotted in white on a pale cream ground, and the name "Parvane" with the line
          "Bitmap-Betrachter" beside it in DejaVu Sans (set by ImageMagick's convert; without
          convert or the font the picture keeps the butterfly alone, with a note).
The ground is one colour up to the corners: the splash dialog's picture control fills the
room around the picture with the colour of its corner pixel.
The generated file is committed; run this script again after changing the picture.
"""
import math
import os
import runpy
import shutil
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# The 24-bit file writer of the formula demo's pictures serves here too.
write_bmp24 = runpy.run_path(
    os.path.join(HERE, '..', '..', 'formdemo', 'res', 'make_images.py'))['write_bmp24']
W, H = 264, 130
GROUND = (250, 246, 232)
FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'
FONT_PLAIN = '/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf'


def in_ellipse(x, y, cx, cy, rx, ry, angle):
    """Whether (x, y) lies in the ellipse; also how deep (0 at the rim, 1 at the centre)."""
    c, s = math.cos(angle), math.sin(angle)
    dx, dy = x - cx, y - cy
    u = (dx * c + dy * s) / rx
    v = (-dx * s + dy * c) / ry
    d = u * u + v * v
    return d <= 1.0, 1.0 - d


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# The butterfly's centre and its wings, mirrored at the body: (centre dx, dy, radii, angle).
BX, BY = 66, 66
UPPER = (27, -17, 33, 22, -0.55)
LOWER = (20, 19, 21, 16, 0.55)
ORANGE, DEEP, BLACK, WHITE, BODY = (245, 140, 20), (200, 70, 10), (25, 20, 20), \
    (255, 255, 255), (60, 40, 30)


def wing_colour(x, y):
    """Colour of the wings at (x, y), or None outside them."""
    for side in (-1, 1):
        for (dx, dy, rx, ry, angle), depth_scale in ((UPPER, 1.0), (LOWER, 0.9)):
            cx, cy = BX + side * dx, BY + dy
            inside, depth = in_ellipse(x, y, cx, cy, rx, ry, side * angle)
            if not inside:
                continue
            if depth < 0.16:
                # The black rim with white dots in it.
                ang = math.atan2(y - cy, x - cx)
                return WHITE if math.cos(ang * 9) > 0.82 and depth > 0.05 else BLACK
            # Veins: dark rays from the body.
            ang = math.atan2(y - BY, x - BX)
            if abs(math.sin(ang * 5.0)) < 0.06:
                return BLACK
            return mix(DEEP, ORANGE, min(1.0, depth * 1.4 * depth_scale))
    return None


def body_colour(x, y):
    inside, _ = in_ellipse(x, y, BX, BY + 4, 3.2, 27, 0.0)
    if inside:
        return BODY
    head, _ = in_ellipse(x, y, BX, BY - 26, 4.5, 4.5, 0.0)
    if head:
        return BODY
    # Two feelers curving out from the head.
    for side in (-1, 1):
        for i in range(60):
            t = i / 59
            fx = BX + side * (2 + 14 * t + 4 * t * t)
            fy = BY - 29 - 22 * t + 6 * t * t
            if (x - fx) ** 2 + (y - fy) ** 2 < 0.9:
                return BODY
        ex, ey = BX + side * 20, BY - 45
        if (x - ex) ** 2 + (y - ey) ** 2 < 4.5:
            return BODY
    return None


def logo_pixels():
    rows = []
    n = 3  # samples per pixel and axis
    for py in range(H):
        row = []
        for px in range(W):
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    c = body_colour(x, y) or wing_colour(x, y) or GROUND
                    for i in range(3):
                        acc[i] += c[i]
            row.append(tuple(int(round(v / (n * n))) for v in acc))
        rows.append(row)
    return rows


def add_name(path):
    convert = shutil.which('convert')
    if not convert or not os.path.exists(FONT) or not os.path.exists(FONT_PLAIN):
        print('logo.bmp without its name: convert or DejaVu Sans missing')
        return
    tmp = tempfile.mkdtemp()
    try:
        out = os.path.join(tmp, 'logo.bmp')
        subprocess.run([convert, path, '-fill', '#5a2a08', '-font', FONT, '-pointsize', '30',
                        '-annotate', '+122+70', 'Parvane',
                        '-fill', '#6e5a46', '-font', FONT_PLAIN, '-pointsize', '12',
                        '-annotate', '+125+92', 'Bitmap-Betrachter',
                        '-alpha', 'off', '-type', 'TrueColor', 'BMP3:' + out], check=True)
        shutil.copy(out, path)
    finally:
        shutil.rmtree(tmp)


def check(path):
    with open(path, 'rb') as f:
        head = f.read(54)
    _, _, _, _, offset = struct.unpack('<2sIHHI', head[:14])
    size, w, h, planes, bits, compression = struct.unpack('<IiiHHI', head[14:34])
    assert (w, h, bits, compression) == (W, H, 24, 0), (w, h, bits, compression)


def main():
    path = os.path.join(HERE, 'logo.bmp')
    write_bmp24(path, logo_pixels())
    add_name(path)
    check(path)


if __name__ == '__main__':
    main()
