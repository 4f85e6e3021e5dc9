#!/usr/bin/env python3
"""Draws Quelmar's toolbar and application icons as small PNG files.

The pictures are pixel grids below, one character per pixel; run this script again after
changing one (it needs nothing beyond the Python standard library) and commit the PNGs.
"""
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


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
    os.makedirs(here, exist_ok=True)
    for name, picture in (("open", OPEN), ("save", SAVE), ("receive", RECEIVE),
                          ("send", SEND), ("about", ABOUT)):
        write_png(os.path.join(here, name + ".png"), grid(picture))
    # The application icon: the receiver with its download arrow, drawn large.
    square = grid(RECEIVE)
    square.append([PALETTE["."]] * len(square[0]))
    write_png(os.path.join(here, "quelmar-48.png"), scale(square, 3))
    write_png(os.path.join(here, "quelmar-32.png"), scale(square, 2))


if __name__ == "__main__":
    main()
