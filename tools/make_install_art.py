#!/usr/bin/env python3
"""Draws the installer's picture (a 24-bit BMP banner) and its icon with the shapes of make_art.py.

    python3 tools/make_install_art.py      # writes src/install/res/art/banner.bmp and install.ico
"""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_art as art  # noqa: E402

OUT = os.path.join(art.ROOT, "src", "install", "res", "art")
BANNER_W, BANNER_H = 480, 112
BOX = (196, 150, 98, 255)
BOX_DARK = (160, 116, 70, 255)


def draw_parcel(c, x0, y0, x1, y1):
    """An open box with a page dropping into it along an arrow."""
    lid = (y1 - y0) * 0.28
    c.draw(art.Poly([(x0, y0 + lid), (x1, y0 + lid), (x1, y1), (x0, y1)]), BOX)
    c.draw(art.Poly([(x0, y0 + lid), (x0 - (x1 - x0) * 0.18, y0), (x0 + (x1 - x0) * 0.3, y0 + lid * 0.2),
                     (x0 + (x1 - x0) * 0.45, y0 + lid)]), BOX_DARK)
    c.draw(art.Poly([(x1, y0 + lid), (x1 + (x1 - x0) * 0.18, y0), (x1 - (x1 - x0) * 0.3, y0 + lid * 0.2),
                     (x1 - (x1 - x0) * 0.45, y0 + lid)]), BOX_DARK)


def draw_arrow(c, cx, y0, y1, w):
    head = w * 1.1
    c.draw(art.Poly([(cx - w / 2, y0), (cx + w / 2, y0), (cx + w / 2, y1 - head), (cx + head, y1 - head),
                     (cx, y1), (cx - head, y1 - head), (cx - w / 2, y1 - head)]), art.GREEN_LIGHT, art.GREEN_DARK)


def draw_banner():
    saved, art.SAMPLES = art.SAMPLES, 2
    c = art.Canvas(BANNER_W, None, BANNER_H)
    c.line = 1.5
    for y in range(BANNER_H):
        t = y / (BANNER_H - 1)
        col = (int(236 - 40 * t), int(244 - 24 * t), 255, 255)
        for x in range(BANNER_W):
            c.px[y * BANNER_W + x] = list(art._premultiply(col))
    # Pages drift towards the box, the last one on its way in.
    for n, (x, y) in enumerate(((40, 20), (100, 34), (160, 16))):
        art.page(c, x, y, x + 42, y + 56, 12)
        for k in range(3):
            c.draw(art.Box(x + 8, y + 22 + k * 9, x + (30 if k < 2 else 22), y + 25 + k * 9), art.LINE, art.NONE)
        if n == 2:
            c.draw(art.Circle(x + 36, y + 48, 11), art.GREEN_LIGHT)
            art.leaf(c, x + 36, y + 48, 9, -45)
    draw_arrow(c, 268, 14, 64, 12)
    draw_parcel(c, 236, 58, 300, 104)
    art.SAMPLES = saved
    return c


def bmp_file(rows):
    """A bottom-up 24-bit BMP; transparent pixels (none here) would come out black."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


def draw_icon(size):
    c = art.Canvas(size, 16)
    draw_parcel(c, 3, 8, 13, 15)
    art.page(c, 5, 1, 11, 9, 2)
    c.draw(art.Circle(11.5, 4.5, 3), art.GREEN_LIGHT)
    art.leaf(c, 11.5, 4.5, 2.4, -45)
    return c


def main():
    art.write(os.path.join(OUT, "banner.bmp"), bmp_file(draw_banner().rgba()))
    art.write(os.path.join(OUT, "install.ico"), art.icon_file([draw_icon(s).rgba() for s in (16, 32, 48)]))


if __name__ == "__main__":
    main()
