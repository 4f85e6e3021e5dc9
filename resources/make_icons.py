#!/usr/bin/env python3
"""Draws Quelmar's toolbar and application icons.

The toolbar pictures are pixel grids below, one character per pixel; each is written at its
size and at twice its size (the "@2x" file a high-DPI screen uses), pixel for pixel, so it
stays sharp. The application icon is a handful of vector shapes: they are written as
quelmar.svg and drawn, antialiased, at every size the desktop's icon theme asks for from 24
pixels up; at 16 pixels it is the receiver's toolbar picture.

Run this script again after changing a picture (it needs nothing beyond the Python
standard library) and commit what it writes.
"""
import math
import os
import struct
import zlib

PALETTE = {
    ".": (0, 0, 0, 0),
    "k": (32, 32, 40, 255),       # outline
    "y": (240, 200, 80, 255),     # folder
    "Y": (200, 150, 40, 255),     # folder shade
    "b": (50, 90, 170, 255),      # disk body
    "w": (245, 245, 245, 255),    # label, paper
    "g": (150, 150, 160, 255),    # metal
    "G": (90, 160, 80, 255),      # receive arrow
    "R": (200, 70, 60, 255),      # send arrow
    "s": (70, 70, 80, 255),       # receiver case
    "l": (120, 220, 120, 255),    # front light
    "c": (60, 120, 200, 255),     # about circle
}

OPEN = """
................
...kkkk.........
..kyyyyk........
.kyyyyyykkkkkk..
.kyyyyyyyyyyyk..
.kyykkkkkkkkkkkk
.kyykYYYYYYYYYYk
.kykYYYYYYYYYYk.
.kykYYYYYYYYYYk.
.kkYYYYYYYYYYk..
.kkYYYYYYYYYYk..
.kYYYYYYYYYYk...
.kkkkkkkkkkkk...
................
................
"""

SAVE = """
................
.kkkkkkkkkkkkk..
.kbkwwwwwwwkbk..
.kbkwwwwwwwkbk..
.kbkwkkkkkwkbk..
.kbkwwwwwwwkbk..
.kbbkkkkkkkbbk..
.kbbbbbbbbbbbk..
.kbbkkkkkkkbbk..
.kbbkgggkgkbbk..
.kbbkgggkgkbbk..
.kbbkgggkgkbbk..
.kkkkkkkkkkkkk..
................
................
"""

RECEIVE = """
......kkkk......
......kGGk......
......kGGk......
......kGGk......
...kkkkGGkkkk...
....kGGGGGGk....
.....kGGGGk.....
......kGGk......
.......kk.......
.kkkkkkkkkkkkkk.
.ksssssssssssk..
.ksslsssggggsk..
.ksssssssssssk..
.kkkkkkkkkkkkk..
................
"""

SEND = """
.......kk.......
......kRRk......
.....kRRRRk.....
....kRRRRRRk....
...kkkkRRkkkk...
......kRRk......
......kRRk......
......kRRk......
......kkkk......
.kkkkkkkkkkkkkk.
.ksssssssssssk..
.ksslsssggggsk..
.ksssssssssssk..
.kkkkkkkkkkkkk..
................
"""

ABOUT = """
.....kkkkkk.....
...kkccccccckk..
..kcccccwwcccck.
.kcccccwwwwcccck
.kcccccwwwwcccck
.kccccccwwccccck
.kcccccccccccck.
.kcccccwwwccccck
.kccccccwwcccck.
.kccccccwwccccck
.kccccccwwcccck.
..kcccccwwwcck..
...kkcccccckk...
.....kkkkkk.....
................
"""



def grid(picture):
    rows = [r for r in picture.strip("\n").split("\n")]
    width = max(len(r) for r in rows)
    return [[PALETTE[c] for c in r.ljust(width, ".")] for r in rows]


def scale(pixels, factor):
    out = []
    for row in pixels:
        wide = [p for p in row for _ in range(factor)]
        out.extend([list(wide) for _ in range(factor)])
    return out


def write_png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# ---- the application icon -------------------------------------------------------
# A receiver with a download arrow above it, on a 256 x 256 canvas. Each shape is a
# polygon (or a rounded rectangle or circle, which become polygons when drawn); outlines
# are drawn as the shape grown outward, beneath its fill.

CANVAS = 256
OUTLINE = 8
DARK = "#202028"


def rounded_rect(x0, y0, x1, y1, r, steps=12):
    pts = []
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90),
                          (x0 + r, y0 + r, 180)):
        for i in range(steps + 1):
            a = math.radians(start + 90 * i / steps)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def circle(cx, cy, r, steps=64):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


def grow(pts, d):
    """The polygon moved outward by d, with mitred corners."""
    area = sum(pts[i][0] * pts[i - 1][1] - pts[i - 1][0] * pts[i][1] for i in range(len(pts)))
    sign = -1 if area > 0 else 1
    out = []
    n = len(pts)
    for i in range(n):
        (px, py), (x, y), (nx, ny) = pts[i - 1], pts[i], pts[(i + 1) % n]
        normals = []
        for ax, ay, bx, by in ((px, py, x, y), (x, y, nx, ny)):
            length = math.hypot(bx - ax, by - ay)
            normals.append((sign * (by - ay) / length, -sign * (bx - ax) / length))
        mx, my = normals[0][0] + normals[1][0], normals[0][1] + normals[1][1]
        dot = mx * normals[0][0] + my * normals[0][1]
        out.append((x + mx * d / dot, y + my * d / dot))
    return out


def app_icon_shapes():
    """(colour, polygon, svg element) in painting order."""
    shapes = []

    def add(colour, pts, element):
        shapes.append((colour, pts, element))

    def poly_element(colour, pts):
        return '<path fill="%s" d="M %s Z"/>' % (colour, " L ".join("%.2f %.2f" % p for p in pts))

    def outlined_rect(colour, x0, y0, x1, y1, r):
        d = OUTLINE
        add(DARK, rounded_rect(x0 - d, y0 - d, x1 + d, y1 + d, r + d),
            '<rect fill="%s" x="%g" y="%g" width="%g" height="%g" rx="%g"/>'
            % (DARK, x0 - d, y0 - d, x1 - x0 + 2 * d, y1 - y0 + 2 * d, r + d))
        add(colour, rounded_rect(x0, y0, x1, y1, r),
            '<rect fill="%s" x="%g" y="%g" width="%g" height="%g" rx="%g"/>'
            % (colour, x0, y0, x1 - x0, y1 - y0, r))

    def plain_rect(colour, x0, y0, x1, y1, r):
        add(colour, rounded_rect(x0, y0, x1, y1, r),
            '<rect fill="%s" x="%g" y="%g" width="%g" height="%g" rx="%g"/>'
            % (colour, x0, y0, x1 - x0, y1 - y0, r))

    def dot(colour, cx, cy, r):
        add(colour, circle(cx, cy, r), '<circle fill="%s" cx="%g" cy="%g" r="%g"/>' % (colour, cx, cy, r))

    # The arrow coming down from the sky.
    arrow = [(106, 12), (150, 12), (150, 70), (194, 70), (128, 136), (62, 70), (106, 70)]
    outline = grow(arrow, OUTLINE)
    add(DARK, outline, poly_element(DARK, outline))
    add("#5aa050", arrow, poly_element("#5aa050", arrow))
    # The receiver: feet, case, top edge, front light, two keys and the display.
    plain_rect(DARK, 40, 216, 76, 238, 4)
    plain_rect(DARK, 180, 216, 216, 238, 4)
    outlined_rect("#464650", 22, 160, 234, 222, 12)
    plain_rect("#5c5c6a", 30, 166, 226, 176, 4)
    dot("#78dc78", 58, 198, 10)
    dot("#8c8c98", 88, 198, 6)
    dot("#8c8c98", 108, 198, 6)
    plain_rect("#a0a4ac", 134, 186, 212, 210, 4)
    return shapes


def hex_rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render(shapes, size, subrows=8):
    """Scanline fill with exact horizontal coverage and `subrows` samples per row."""
    k = size / CANVAS
    pixels = [[[0.0, 0.0, 0.0, 0.0] for _ in range(size)] for _ in range(size)]
    for colour, pts, _ in shapes:
        rgb = hex_rgb(colour)
        poly = [(x * k, y * k) for x, y in pts]
        edges = [(poly[i - 1], poly[i]) for i in range(len(poly))]
        for py in range(size):
            cover = [0.0] * (size + 1)
            for s in range(subrows):
                y = py + (s + 0.5) / subrows
                xs = sorted(ax + (y - ay) * (bx - ax) / (by - ay)
                            for (ax, ay), (bx, by) in edges if (ay <= y < by) or (by <= y < ay))
                for x0, x1 in zip(xs[0::2], xs[1::2]):
                    x0, x1 = max(x0, 0.0), min(x1, float(size))
                    for px in range(int(x0), min(int(math.ceil(x1)), size)):
                        cover[px] += (min(x1, px + 1) - max(x0, px)) / subrows
            row = pixels[py]
            for px in range(size):
                a = min(cover[px], 1.0)
                if a <= 0:
                    continue
                p = row[px]
                for c in range(3):  # premultiplied "over"
                    p[c] = rgb[c] / 255 * a + p[c] * (1 - a)
                p[3] = a + p[3] * (1 - a)
    out = []
    for row in pixels:
        line = []
        for r, g, b, a in row:
            if a <= 0:
                line.append((0, 0, 0, 0))
            else:
                line.append(tuple(min(255, round(v / a * 255)) for v in (r, g, b)) + (round(a * 255),))
        out.append(line)
    return out


def write_svg(path, shapes):
    body = "\n".join("  " + element for _, _, element in shapes)
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                '%s\n</svg>\n' % (CANVAS, CANVAS, CANVAS, CANVAS, body))


APP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(here, exist_ok=True)
    for name, picture in (("open", OPEN), ("save", SAVE), ("receive", RECEIVE),
                          ("send", SEND), ("about", ABOUT)):
        pixels = grid(picture)
        write_png(os.path.join(here, name + ".png"), pixels)
        write_png(os.path.join(here, name + "@2x.png"), scale(pixels, 2))
    shapes = app_icon_shapes()
    write_svg(os.path.join(here, "quelmar.svg"), shapes)
    for size in APP_ICON_SIZES:
        if size == 16:
            # Too small for the shapes to stay crisp: the receiver drawn pixel by pixel.
            pixels = grid(RECEIVE)
            pixels.append([PALETTE["."]] * len(pixels[0]))
        else:
            pixels = render(shapes, size)
        write_png(os.path.join(here, "quelmar-%d.png" % size), pixels)


if __name__ == "__main__":
    main()
