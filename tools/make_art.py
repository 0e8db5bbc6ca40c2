#!/usr/bin/env python3
"""Draws Pagewick's icons, cursors and sample picture, and writes them as ICO, CUR and PNG files.

Everything is drawn from signed-distance shapes in a small design grid and supersampled, so the
same drawing gives crisp 1-px outlines at every size. Only the standard library is used, so the
artwork can be regenerated on any machine:

    python3 tools/make_art.py            # writes src/res/art/*, docs/art-preview.png, the sample photo
"""

import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART_DIR = os.path.join(ROOT, "src", "res", "art")
PREVIEW = os.path.join(ROOT, "docs", "art-preview.png")
PHOTO = os.path.join(ROOT, "sample", "Notes", "Journal", "imgs", "photo.png")

SAMPLES = 4  # per axis, per pixel

# One small palette shared by every image keeps the set looking like a family.
INK = (38, 46, 58, 255)
WHITE = (255, 255, 255, 255)
PAPER = (250, 251, 253, 255)
FOLD = (214, 221, 230, 255)
LINE = (150, 162, 176, 255)
BLUE = (47, 128, 237, 255)
BLUE_LIGHT = (160, 200, 250, 255)
BLUE_DARK = (30, 92, 180, 255)
GREEN = (46, 170, 96, 255)
GREEN_LIGHT = (126, 214, 146, 255)
GREEN_DARK = (28, 120, 68, 255)
YELLOW = (248, 204, 86, 255)
YELLOW_DARK = (226, 166, 44, 255)
ORANGE = (244, 150, 54, 255)
RED = (228, 72, 77, 255)
PINK = (244, 154, 176, 255)
WOOD = (246, 214, 160, 255)
GREY = (138, 150, 163, 255)
SKY = (190, 224, 252, 255)
NONE = None


# ---------------------------------------------------------------------------
# Shapes: sdf(x, y) in design units, negative inside; bbox() in design units.


class Shape:
    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Inter(self, other)

    def __sub__(self, other):
        return Sub(self, other)


class Box(Shape):
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2, (y1 - y0) / 2
        self.r = r
        self.box = (x0, y0, x1, y1)

    def sdf(self, x, y):
        qx = abs(x - self.cx) - self.hx + self.r
        qy = abs(y - self.cy) - self.hy + self.r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r

    def bbox(self):
        return self.box


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def sdf(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r

    def bbox(self):
        return (self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r)


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


class Poly(Shape):
    def __init__(self, points):
        self.points = list(points)
        self.edges = list(zip(self.points, self.points[1:] + self.points[:1]))

    def sdf(self, x, y):
        best = 1e9
        inside = False
        for (ax, ay), (bx, by) in self.edges:
            best = min(best, _segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return (min(xs), min(ys), max(xs), max(ys))


class Stroke(Shape):
    """An open polyline with round ends, width in design units."""

    def __init__(self, points, width):
        self.points = list(points)
        self.half = width / 2

    def sdf(self, x, y):
        best = 1e9
        for (ax, ay), (bx, by) in zip(self.points, self.points[1:]):
            best = min(best, _segment_distance(x, y, ax, ay, bx, by))
        return best - self.half

    def bbox(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        h = self.half
        return (min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h)


class Union(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def sdf(self, x, y):
        return min(self.a.sdf(x, y), self.b.sdf(x, y))

    def bbox(self):
        a, b = self.a.bbox(), self.b.bbox()
        return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


class Inter(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def sdf(self, x, y):
        return max(self.a.sdf(x, y), self.b.sdf(x, y))

    def bbox(self):
        a, b = self.a.bbox(), self.b.bbox()
        return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


class Sub(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def sdf(self, x, y):
        return max(self.a.sdf(x, y), -self.b.sdf(x, y))

    def bbox(self):
        return self.a.bbox()


def rotate(points, degrees, cx, cy):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def mirror_x(points, width):
    return [(width - x, y) for x, y in points]


# ---------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats, drawn in design units scaled to pixels.


class Canvas:
    def __init__(self, size, grid=None, height=None):
        self.w = size
        self.h = height if height is not None else size
        self.scale = size / grid if grid else 1.0
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.w * self.h)]
        # A 1-px outline reads well up to 32 px; bigger images get a slightly heavier line.
        self.line = 1.0 if size <= 32 else 1.5

    def draw(self, shape, fill=NONE, outline=INK, width=None):
        """Fills the shape and rings it inside its edge with the outline colour."""
        ow = self.line if width is None else width
        s = self.scale
        x0, y0, x1, y1 = shape.bbox()
        px0, py0 = max(0, int(math.floor(x0 * s)) - 1), max(0, int(math.floor(y0 * s)) - 1)
        px1, py1 = min(self.w, int(math.ceil(x1 * s)) + 1), min(self.h, int(math.ceil(y1 * s)) + 1)
        step = 1.0 / SAMPLES
        weight = 1.0 / (SAMPLES * SAMPLES)
        fill_p = _premultiply(fill)
        line_p = _premultiply(outline)
        for py in range(py0, py1):
            for px in range(px0, px1):
                acc = [0.0, 0.0, 0.0, 0.0]
                for j in range(SAMPLES):
                    sy = (py + (j + 0.5) * step) / s
                    for i in range(SAMPLES):
                        d = shape.sdf((px + (i + 0.5) * step) / s, sy) * s
                        if d >= 0:
                            continue
                        col = line_p if line_p and d > -ow else fill_p
                        if col:
                            for k in range(4):
                                acc[k] += col[k]
                if acc[3] > 0:
                    self._over(px, py, [c * weight for c in acc])

    def _over(self, x, y, src):
        dst = self.px[y * self.w + x]
        keep = 1.0 - src[3]
        for k in range(4):
            dst[k] = src[k] + dst[k] * keep

    def pixel_rect(self, x, y, w, h, color):
        """Hard-edged rectangle in design units (for the pixel digits)."""
        s = self.scale
        col = _premultiply(color)
        for py in range(int(round(y * s)), int(round((y + h) * s))):
            for px in range(int(round(x * s)), int(round((x + w) * s))):
                if 0 <= px < self.w and 0 <= py < self.h:
                    self._over(px, py, col)

    def rgba(self):
        """Rows top-down of straight-alpha (r, g, b, a) byte tuples."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append(tuple(_byte(c / a) for c in (r, g, b)) + (_byte(a),))
            rows.append(row)
        return rows


def _premultiply(color):
    if color is None:
        return None
    a = color[3] / 255.0
    return (color[0] / 255.0 * a, color[1] / 255.0 * a, color[2] / 255.0 * a, a)


def _byte(v):
    return max(0, min(255, int(round(v * 255))))


# ---------------------------------------------------------------------------
# File formats.


def _dib(rows):
    """32-bit BGRA DIB with an AND mask, as stored inside ICO and CUR files."""
    h, w = len(rows), len(rows[0])
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, w * h * 4, 0, 0, 0, 0)
    color = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            color += bytes((b, g, r, a))
    mask = bytearray()
    stride = ((w + 31) // 32) * 4
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:  # transparent where the old monochrome path draws
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(color) + bytes(mask)


def icon_file(images, hotspot=None):
    """ICO (type 1) or, with a hotspot, CUR (type 2) holding the given row sets."""
    kind = 1 if hotspot is None else 2
    blobs = [_dib(rows) for rows in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        w, h = len(rows[0]), len(rows)
        if hotspot is None:
            field1, field2 = 1, 32  # planes, bit count
        else:
            field1, field2 = hotspot
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, field1, field2, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def png_file(rows):
    h, w = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Shared motifs.


DIGITS = {
    1: [".#.", "##.", ".#.", ".#.", "###"],
    2: ["##.", "..#", ".#.", "#..", "###"],
    3: ["##.", "..#", ".#.", "..#", "##."],
}


def draw_digit(c, digit, x, y, cell, color=INK):
    for j, row in enumerate(DIGITS[digit]):
        for i, ch in enumerate(row):
            if ch == "#":
                c.pixel_rect(x + i * cell, y + j * cell, cell, cell, color)


def page(c, x0, y0, x1, y1, fold):
    """A sheet with its top-right corner folded down."""
    c.draw(Poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), PAPER)
    c.draw(Poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), FOLD)


def folder(c, x0, y0, x1, y1, back=YELLOW_DARK, front=YELLOW):
    tab = (x1 - x0) * 0.4
    c.draw(Poly([(x0, y0), (x0 + tab, y0), (x0 + tab + 1.5, y0 + 2), (x1, y0 + 2), (x1, y1), (x0, y1)]), back)
    c.draw(Box(x0, y0 + 4, x1, y1), front)


def leaf(c, cx, cy, r, angle):
    """A leaf as the lens between two circles, pointing along angle (degrees)."""
    a = math.radians(angle + 90)
    off = r * 0.62
    lens = Circle(cx + off * math.cos(a), cy + off * math.sin(a), r) & Circle(
        cx - off * math.cos(a), cy - off * math.sin(a), r)
    c.draw(lens, GREEN)
    b = math.radians(angle)
    reach = r * 0.62
    c.draw(Stroke([(cx - reach * math.cos(b), cy - reach * math.sin(b)),
                   (cx + reach * 0.6 * math.cos(b), cy + reach * 0.6 * math.sin(b))], 0.7 / c.scale * c.line),
           GREEN_DARK, NONE)


def star_points(cx, cy, r_out, r_in, n=5):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(-90 + k * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ---------------------------------------------------------------------------
# Program icon (16-unit grid, drawn at 16, 32 and 48 px).


def draw_app(size):
    c = Canvas(size, 16)
    page(c, 2, 1, 13, 15, 4)
    for y in (6, 8.5, 11):
        c.draw(Box(4, y, 10.5 if y < 11 else 7.5, y + 1), LINE, NONE)
    c.draw(Circle(11.5, 11.5, 4), GREEN_LIGHT)
    leaf(c, 11.5, 11.5, 3.2, -45)
    return c


# ---------------------------------------------------------------------------
# Toolbar images (24-unit grid, 24 px).


def tb_new():
    c = Canvas(24, 24)
    page(c, 4, 2, 18, 21, 5)
    for y in (9, 12, 15):
        c.draw(Box(7, y, 13 if y == 15 else 15, y + 1), LINE, NONE)
    c.draw(Circle(17.5, 17.5, 5.5), GREEN)
    plus = Box(16.5, 14, 18.5, 21) | Box(14, 16.5, 21, 18.5)
    c.draw(plus, WHITE, NONE)
    return c


def tb_save():
    c = Canvas(24, 24)
    body = Poly([(3, 3), (18, 3), (21, 6), (21, 21), (3, 21)])
    c.draw(body, BLUE)
    c.draw(Box(7, 3, 17, 10), BLUE_LIGHT)
    c.draw(Box(13, 4.5, 15, 8.5), BLUE_DARK, NONE)
    c.draw(Box(6, 13, 18, 21), PAPER)
    c.draw(Box(8, 15.5, 16, 16.5), LINE, NONE)
    c.draw(Box(8, 18, 14, 19), LINE, NONE)
    return c


def tb_view():
    c = Canvas(24, 24)
    eye = Circle(12, 23, 14.5) & Circle(12, 1, 14.5)
    c.draw(eye, WHITE)
    c.draw(Circle(12, 12, 5), BLUE)
    c.draw(Circle(12, 12, 2.4), INK, NONE)
    c.draw(Circle(13.6, 10.4, 1.2), WHITE, NONE)
    return c


def tb_edit():
    c = Canvas(24, 24)
    # Drawn lying along the x axis with its tip to the left, then tilted so the tip rests at the lower left.
    def tilt(points):
        return Poly(rotate(points, -45, 12, 12))

    c.draw(tilt([(6, 9), (19, 9), (19, 15), (6, 15)]), YELLOW)
    c.draw(tilt([(6, 9), (19, 9), (19, 12), (6, 12)]), ORANGE, NONE)
    c.draw(tilt([(6, 9), (19, 9), (19, 15), (6, 15)]), NONE)
    c.draw(tilt([(19, 9), (23, 9), (23, 15), (19, 15)]), PINK)
    c.draw(tilt([(-0.5, 12), (6, 9), (6, 15)]), WOOD)
    c.draw(tilt([(-0.5, 12), (2.2, 10.8), (2.2, 13.2)]), INK, NONE)
    return c


ARROW = [(3, 12), (11, 4), (11, 8.5), (20.5, 8.5), (20.5, 15.5), (11, 15.5), (11, 20)]


def tb_back():
    c = Canvas(24, 24)
    c.draw(Poly(ARROW), BLUE)
    return c


def tb_forward():
    c = Canvas(24, 24)
    c.draw(Poly(mirror_x(ARROW, 24)), BLUE)
    return c


def tb_spacer():
    return Canvas(24, 24)


NOTE_COLOURS = {1: YELLOW, 2: GREEN_LIGHT, 3: BLUE_LIGHT}


def tb_note(n):
    c = Canvas(24, 24)
    sheet = Poly([(4, 5), (20, 5), (20, 17), (16, 21), (4, 21)])
    c.draw(sheet, NOTE_COLOURS[n])
    c.draw(Poly([(16, 21), (16, 17), (20, 17)]), WHITE)
    draw_digit(c, n, 8.5, 9, 2)
    c.draw(Circle(12, 5, 2.8), RED)
    c.draw(Circle(11.2, 4.2, 0.9), WHITE, NONE)
    return c


def tb_star():
    c = Canvas(24, 24)
    c.draw(Poly(star_points(12, 12.8, 9.5, 4.2)), YELLOW)
    return c


# ---------------------------------------------------------------------------
# Folder pane images (16-unit grid, 16 and 32 px).


def fo_plain(size):
    c = Canvas(size, 16)
    folder(c, 1, 2, 15, 14)
    return c


def fo_parent(size):
    c = Canvas(size, 16)
    folder(c, 1, 2, 15, 14)
    up = [(8, 6.5), (12, 10.5), (9.5, 10.5), (9.5, 13), (6.5, 13), (6.5, 10.5), (4, 10.5)]
    c.draw(Poly(up), GREEN)
    return c


def fo_sub(size):
    c = Canvas(size, 16)
    folder(c, 4, 1, 15, 10)
    folder(c, 1, 5, 12, 15)
    return c


# ---------------------------------------------------------------------------
# File pane images (16-unit grid, 16 and 32 px).


def fi_page(size):
    c = Canvas(size, 16)
    page(c, 2, 1, 14, 15, 4)
    return c


def fi_other(size):
    return fi_page(size)


def fi_text(size):
    c = fi_page(size)
    for y, x1 in ((6, 11), (8, 11), (10, 11), (12, 8)):
        c.draw(Box(4, y, x1 + 0.5, y + 1), LINE, NONE)
    return c


def fi_image(size):
    c = fi_page(size)
    c.draw(Box(4, 6, 12, 13), SKY, NONE)
    c.draw(Circle(10, 8, 1.2), YELLOW, NONE)
    c.draw(Poly([(4, 13), (4, 11), (6.5, 8.5), (9.5, 11.5), (10.5, 10.5), (12, 12), (12, 13)]), GREEN, NONE)
    c.draw(Box(4, 6, 12, 13), NONE)
    return c


def fi_web(size):
    c = fi_page(size)
    c.draw(Circle(8, 9.5, 4.5), BLUE_LIGHT)
    globe = Circle(8, 9.5, 4.5)
    c.draw(globe & Poly([(5, 6), (8, 6), (8.5, 8), (7, 9.5), (7.5, 12), (5.5, 13), (3.5, 9.5)]), GREEN, NONE)
    c.draw(globe & Poly([(9.5, 9), (12.5, 8.5), (12.5, 12), (10, 13)]), GREEN, NONE)
    c.draw(globe, NONE)
    return c


def fi_zip(size):
    c = fi_page(size)
    for k, y in enumerate(range(1, 10)):
        x = 7 if k % 2 == 0 else 8
        c.draw(Box(x, y, x + 1, y + 1), INK, NONE)
    c.draw(Box(6.5, 10, 9.5, 14, 0.6), GREY)
    c.draw(Box(7.5, 11.5, 8.5, 12.5), WHITE, NONE)
    return c


def fi_csv(size):
    c = fi_page(size)
    c.draw(Box(4, 6, 12, 13.5), WHITE, GREEN_DARK)
    c.draw(Box(4, 6, 12, 8), GREEN_LIGHT, GREEN_DARK)
    for x in (6.5, 9):
        c.draw(Box(x, 6, x + 1, 13.5), GREEN_DARK, NONE)
    for y in (9.5, 11.5):
        c.draw(Box(4, y, 12, y + 1), GREEN_DARK, NONE)
    c.draw(Box(4, 6, 12, 13.5), NONE, GREEN_DARK)
    return c


# ---------------------------------------------------------------------------
# Drag cursors (32 px, hotspot at the arrow tip).

POINTER = [(1, 1), (1, 17), (5, 13.5), (7.8, 20), (10.4, 18.9), (7.7, 12.6), (12.6, 12.6)]
HOTSPOT = (1, 1)


def cur_base():
    c = Canvas(32, 32)
    c.line = 1.0
    c.draw(Poly(POINTER), WHITE, INK)
    return c


def cur_ok():
    c = cur_base()
    page(c, 11, 13, 21, 26, 3.5)
    c.draw(Circle(21.5, 23.5, 5.5), GREEN)
    c.draw(Box(20.5, 20, 22.5, 27) | Box(18, 22.5, 25, 24.5), WHITE, NONE)
    return c


def cur_no():
    c = cur_base()
    ring = Circle(19, 22, 7.5) - Circle(19, 22, 4.8)
    bar = Poly(rotate([(12, 20.6), (26, 20.6), (26, 23.4), (12, 23.4)], 45, 19, 22)) & Circle(19, 22, 5.5)
    c.draw(Circle(19, 22, 7.5), WHITE, NONE)
    c.draw(ring | bar, RED, NONE)
    c.draw(Circle(19, 22, 7.5), NONE)
    return c


# ---------------------------------------------------------------------------
# Sample photo for the bundled notes (200 x 120 landscape).


def draw_photo():
    global SAMPLES
    saved, SAMPLES = SAMPLES, 2
    c = Canvas(200, None, 120)
    for y in range(120):
        t = y / 119
        col = (int(120 + 90 * t), int(180 + 50 * t), int(240 + 10 * t), 255)
        for x in range(200):
            c.px[y * 200 + x] = list(_premultiply(col))
    c.draw(Circle(150, 34, 14), (255, 214, 90, 255), NONE)
    c.draw(Poly([(0, 90), (40, 48), (70, 72), (110, 30), (160, 80), (200, 60), (200, 120), (0, 120)]),
           (118, 138, 160, 255), NONE)
    c.draw(Poly([(104, 36), (110, 30), (117, 37), (112, 40)]), WHITE, NONE)
    c.draw(Poly([(0, 98), (60, 80), (120, 96), (200, 84), (200, 120), (0, 120)]), (96, 176, 96, 255), NONE)
    c.draw(Poly([(0, 108), (80, 100), (150, 112), (200, 106), (200, 120), (0, 120)]), (64, 140, 72, 255), NONE)
    for x, h in ((30, 22), (44, 16), (172, 20)):
        c.draw(Box(x - 1, 100 - 4, x + 1, 104), (110, 80, 50, 255), NONE)
        c.draw(Poly([(x, 100 - h), (x + 7, 99), (x - 7, 99)]), (40, 110, 60, 255), NONE)
    SAMPLES = saved
    return c


# ---------------------------------------------------------------------------
# Output.

TOOLBAR = [  # resource order = image index order
    ("new.ico", tb_new), ("save.ico", tb_save), ("view.ico", tb_view), ("edit.ico", tb_edit),
    ("back.ico", tb_back), ("forward.ico", tb_forward), ("spacer.ico", tb_spacer),
    ("note1.ico", lambda: tb_note(1)), ("note2.ico", lambda: tb_note(2)), ("note3.ico", lambda: tb_note(3)),
    ("unused10.ico", tb_star),
]
FOLDERS = [("folder.ico", fo_plain), ("parent.ico", fo_parent), ("folder_sub.ico", fo_sub)]
FILES = [("file_other.ico", fi_other), ("file_text.ico", fi_text), ("file_image.ico", fi_image),
         ("file_web.ico", fi_web), ("file_zip.ico", fi_zip), ("file_csv.ico", fi_csv)]
CURSORS = [("drop_ok.cur", cur_ok), ("drop_no.cur", cur_no)]


def preview(groups, path, zoom=4, gap=8):
    """Lays each group out as a row on light grey, scaled up without smoothing."""
    bg = (232, 234, 237)
    pad = gap * zoom // 2
    widths = [sum(len(r[0]) * zoom + pad for r in g) + pad for g in groups]
    heights = [max(len(r) for r in g) * zoom + pad for g in groups]
    w, h = max(widths), sum(heights) + pad
    sheet = [[bg + (255,) for _ in range(w)] for _ in range(h)]
    top = pad
    for group, gh in zip(groups, heights):
        left = pad
        for rows in group:
            for y, row in enumerate(rows):
                for x, (r, g, b, a) in enumerate(row):
                    if a == 0:
                        continue
                    blend = tuple(int(round(cv * a / 255 + bc * (1 - a / 255))) for cv, bc in zip((r, g, b), bg))
                    for dy in range(zoom):
                        line = sheet[top + y * zoom + dy]
                        for dx in range(zoom):
                            line[left + x * zoom + dx] = blend + (255,)
            left += len(rows[0]) * zoom + pad
        top += gh
    write(path, png_file(sheet))


def main():
    os.makedirs(ART_DIR, exist_ok=True)
    groups = []

    app = [draw_app(s).rgba() for s in (16, 32, 48)]
    write(os.path.join(ART_DIR, "pagewick.ico"), icon_file(app))
    groups.append(app)

    toolbar = []
    for name, fn in TOOLBAR:
        rows = fn().rgba()
        write(os.path.join(ART_DIR, name), icon_file([rows]))
        toolbar.append(rows)
    groups.append(toolbar)

    for table in (FOLDERS, FILES):
        small, large = [], []
        for name, fn in table:
            images = [fn(16).rgba(), fn(32).rgba()]
            write(os.path.join(ART_DIR, name), icon_file(images))
            small.append(images[0])
            large.append(images[1])
        groups += [small, large]

    cursors = []
    for name, fn in CURSORS:
        rows = fn().rgba()
        write(os.path.join(ART_DIR, name), icon_file([rows], HOTSPOT))
        cursors.append(rows)
    groups.append(cursors)

    write(PHOTO, png_file(draw_photo().rgba()))
    preview(groups, PREVIEW)


if __name__ == "__main__":
    main()
