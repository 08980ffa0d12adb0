#!/usr/bin/env python3
"""Draws Vornal's three 16-colour icons and writes them as .ico files:
form_main.ico (patch running; 16 x 16 for the tray and 32 x 32 for the
shell), image_clock.ico (starting up or applying) and image_no.ico (patch not
running), both 16 x 16. Run it again after changing a picture; the .ico
files are committed."""
import struct
from pathlib import Path

# The standard 16-colour VGA palette, as (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, NAVY, TEAL, SILVER, GREY = 0, 1, 4, 6, 7, 8
RED, YELLOW, BLUE, CYAN, WHITE = 9, 11, 12, 14, 15
T = None  # transparent


def dib(pixels):
    """One 4-bit icon image: header, palette, colour rows and mask rows,
    bottom row first, each row padded to 32 bits."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b""
    mask = b""
    for row in reversed(pixels):
        nib = [0 if p is None else p for p in row]
        line = bytes((nib[i] << 4) | nib[i + 1] for i in range(0, size, 2))
        xor += line + b"\0" * (-len(line) % 4)
        bits = 0
        for i, p in enumerate(row):
            if p is None:
                bits |= 1 << (size - 1 - i)
        line = bits.to_bytes(size // 8, "big")
        mask += line + b"\0" * (-len(line) % 4)
    return header + pal + xor + mask


def ico(*images):
    """An .ico file holding the given square images, smallest first."""
    blobs = [dib(p) for p in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for pixels, blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", len(pixels), len(pixels), 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def canvas(size):
    return [[T] * size for _ in range(size)]


def fill(c, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c[y][x] = colour


def frame(c, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        c[y0][x] = c[y1][x] = colour
    for y in range(y0, y1 + 1):
        c[y][x0] = c[y][x1] = colour


def disc(c, colour, r_out, r_in=0.0):
    """Pixels whose centre lies between the two radii from the middle."""
    size = len(c)
    mid = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = ((x - mid) ** 2 + (y - mid) ** 2) ** 0.5
            if r_in <= d <= r_out:
                c[y][x] = colour


def window(c, x0, y0, x1, y1, bar, bar_end, client, tile, title_rows):
    """A window: black frame, a title bar shading from bar to bar_end, and a
    client area with a tiled pattern, as the patch dresses windows up."""
    frame(c, x0, y0, x1, y1, BLACK)
    half = (x0 + x1) // 2
    for y in range(y0 + 1, y0 + 1 + title_rows):
        for x in range(x0 + 1, x1):
            c[y][x] = bar if x <= half else bar_end
    top = y0 + 1 + title_rows
    fill(c, x0 + 1, top, x1 - 1, y1 - 1, client)
    if tile is not None:
        step = 3 if len(c) == 16 else 4
        for y in range(top, y1):
            for x in range(x0 + 1, x1):
                if (x - x0 + y - top) % step == 0 and (x - x0 - (y - top)) % step == 0:
                    c[y][x] = tile


# --- The program's icon: a window with a drop shadow, sliding in from the
# top left along the outlines of an opening animation.

def running16():
    c = canvas(16)
    frame(c, 0, 0, 10, 10, TEAL)  # the animation's outline behind the window
    fill(c, 4, 4, 15, 15, GREY)  # drop shadow
    window(c, 2, 2, 13, 13, NAVY, BLUE, WHITE, CYAN, 2)
    return c


def running32():
    c = canvas(32)
    frame(c, 0, 0, 20, 20, TEAL)
    frame(c, 2, 2, 22, 22, CYAN)
    fill(c, 9, 9, 31, 31, SILVER)  # soft edge of the shadow
    fill(c, 8, 8, 30, 30, GREY)
    window(c, 5, 5, 27, 27, NAVY, BLUE, WHITE, CYAN, 4)
    for x in range(8, 15):  # caption text
        c[7][x] = WHITE
    fill(c, 23, 7, 25, 8, SILVER)  # close box
    return c


# --- Starting up and applying: a clock.

def clock16():
    c = canvas(16)
    disc(c, BLACK, 7.9)
    disc(c, WHITE, 6.6)
    for x, y in ((7, 1), (8, 1), (14, 7), (14, 8), (7, 14), (8, 14), (1, 7), (1, 8)):
        c[y][x] = GREY  # the quarter hours
    for y in range(3, 9):  # minute hand at twelve
        c[y][7] = BLACK
    for x in range(7, 12):  # hour hand at three
        c[8][x] = BLACK
    c[8][7] = RED
    return c


# --- Patch not running: the window in grey, under a red "no" sign.

def no16():
    c = canvas(16)
    fill(c, 4, 4, 15, 15, GREY)
    window(c, 2, 2, 13, 13, GREY, GREY, WHITE, SILVER, 2)
    disc(c, RED, 7.9, 5.6)
    size = 16
    for y in range(size):
        for x in range(size):
            d = ((x - 7.5) ** 2 + (y - 7.5) ** 2) ** 0.5
            if abs(x - y) <= 1 and d <= 6.0:
                c[y][x] = RED
    return c


here = Path(__file__).parent
(here / "form_main.ico").write_bytes(ico(running16(), running32()))
(here / "image_clock.ico").write_bytes(ico(clock16()))
(here / "image_no.ico").write_bytes(ico(no16()))
