#!/usr/bin/env python3
"""Draws the icon of LorvexMDI and writes it beside this script.

lorvexmdi.ico   32x32, 16 colours: a frame window holding two overlapping document windows.
The icon file is written by the formula demo's generator, so both programs' icons share one format.
The generated file is committed; run this script again after changing the picture.
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing of this run lands beside the formula demo's images

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'formdemo', 'res'))
from make_images import BLACK, DARK_GREY, LIGHT_GREY, NAVY, WHITE, write_ico  # noqa: E402

TEAL = 6


def icon_pixels():
    """Rows top to bottom of palette indexes; None is transparent."""
    px = [[None] * 32 for _ in range(32)]

    def fill(x0, y0, x1, y1, c):
        for row in px[y0:y1 + 1]:
            row[x0:x1 + 1] = [c] * (x1 + 1 - x0)

    def window(x0, y0, x1, y1, caption):
        fill(x0, y0, x1, y1, BLACK)
        fill(x0 + 1, y0 + 1, x1 - 1, y0 + 3, caption)
        fill(x0 + 1, y0 + 4, x1 - 1, y1 - 1, WHITE)

    # The frame: a black outline, a navy caption, a grey client area.
    fill(0, 1, 31, 30, BLACK)
    fill(1, 2, 30, 5, NAVY)
    fill(1, 6, 30, 29, DARK_GREY)
    fill(1, 6, 30, 6, LIGHT_GREY)
    # Two documents, the back one inactive (grey caption), the front one active (teal).
    window(3, 8, 20, 22, DARK_GREY)
    window(10, 13, 28, 27, TEAL)
    # A status strip along the bottom of the front document.
    fill(11, 24, 27, 26, LIGHT_GREY)
    fill(13, 25, 20, 25, WHITE)
    return px


def main():
    write_ico(os.path.join(HERE, 'lorvexmdi.ico'), icon_pixels())


if __name__ == '__main__':
    main()
