#!/usr/bin/env python3
"""Draws Vornal's three 16 x 16, 16-colour tray icons and writes them as .ico
files. Run it again after changing a picture; the .ico files are committed."""
import struct
from pathlib import Path

# The standard 16-colour VGA palette (B, G, R, 0 order is applied below).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
T = None  # transparent

def ico(pixels):
    """pixels: 16 rows of 16 palette indices or None, top row first."""
    w = h = 16
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b""
    andm = b""
    for row in reversed(pixels):
        nib = [(0 if p is None else p) for p in row]
        xor += bytes((nib[i] << 4) | nib[i + 1] for i in range(0, 16, 2))
        bits = 0
        for i, p in enumerate(row):
            if p is None:
                bits |= 1 << (15 - i)
        andm += struct.pack(">H", bits) + b"\0\0"  # rows padded to 32 bits
    image = header + pal + xor + andm
    entry = struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image

def canvas():
    return [[T] * 16 for _ in range(16)]

def disc(c, colour, edge):
    for y in range(16):
        for x in range(16):
            d = (x - 7.5) ** 2 + (y - 7.5) ** 2
            if d <= 7.5 ** 2:
                c[y][x] = edge if d > 6.3 ** 2 else colour
    return c

def window_glyph(c):
    # A small window with a title bar: what Vornal dresses up.
    for y in range(4, 12):
        for x in range(3, 13):
            c[y][x] = 15
    for x in range(3, 13):
        c[4][x] = 12
        c[5][x] = 12
    for y in range(4, 12):
        c[y][3] = c[y][12] = 0
    for x in range(3, 13):
        c[11][x] = 0
    return c

def running():
    return window_glyph(disc(canvas(), 6, 0))

def clock():
    c = disc(canvas(), 15, 0)
    for y in range(3, 8):
        c[y][7] = 0
    for x in range(8, 12):
        c[8][x] = 0
    c[8][7] = 9
    return c

def no():
    c = window_glyph(disc(canvas(), 7, 8))
    for i in range(2, 14):
        c[i][i] = 9
        c[i][15 - i] = 9
        if i < 13:
            c[i][i + 1] = 9
            c[i][14 - i] = 9
    return c

here = Path(__file__).parent
(here / "form_main.ico").write_bytes(ico(running()))
(here / "image_clock.ico").write_bytes(ico(clock()))
(here / "image_no.ico").write_bytes(ico(no()))
