#!/usr/bin/env python3
"""Writes the seed corpus of the bitmap header fuzzer: small files of every
header kind, depth and compression the check knows, and a few it has to
refuse, so that the fuzzer starts from the shapes real files have.

    tests/fuzz/make_bitmap_corpus.py [folder]

The folder defaults to tests/fuzz/corpus/bitmap_header next to this
script. The output is the same on every run; the names say what each file
is, "bad-" for those the check must refuse.
"""

import os
import struct
import sys

RGB, RLE8, RLE4, BITFIELDS = 0, 1, 2, 3
SRGB = 0x73524742  # 'sRGB', the colour space of V4 and V5 headers


def rows(width, height, bits):
    """Uncompressed pixels, each row padded to a 32-bit word with zeros."""
    row = (width * bits + 31) // 32 * 4
    used = (width * bits + 7) // 8
    out = bytearray()
    for y in range(height):
        line = bytes(((i * 29) ^ (y * 71) ^ 0x5A) & 0xFF for i in range(used))
        out += line + bytes(row - used)
    return bytes(out)


def palette(entries, core=False):
    out = bytearray()
    for i in range(entries):
        out += bytes(((i * 37) & 0xFF, (i * 91) & 0xFF, (i * 153) & 0xFF))
        if not core:
            out += b"\0"  # RGBQUAD's reserved byte; core headers use RGBTRIPLE
    return bytes(out)


def info_header(width, height, bits, compression=RGB, image_bytes=0, colors_used=0, size=40,
                masks=(0, 0, 0, 0), planes=1):
    """BITMAPINFOHEADER, or V4/V5 when size is 108/124 (with masks and sRGB)."""
    h = struct.pack("<IiiHHIIiiII", size, width, height, planes, bits, compression, image_bytes,
                    2835, 2835, colors_used, 0)
    if size >= 108:
        h += struct.pack("<4II", *masks, SRGB) + bytes(36) + bytes(12)  # endpoints, gamma
    if size >= 124:
        h += struct.pack("<IIII", 4, 0, 0, 0)  # LCS_GM_IMAGES, no profile
    return h


def core_header(width, height, bits, planes=1):
    return struct.pack("<IHHHH", 12, width, height, planes, bits)


def bitmap(header, extra=b"", pixels=b"", offset=None):
    """A file: file header, info header, then masks/palette, then pixels."""
    at = 14 + len(header) + len(extra) if offset is None else offset
    body = header + extra + pixels
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, at) + body


def rle8(width, height):
    """Bottom-up RLE8 rows: an encoded run, then an absolute run for the
    rest (padded to a word), end of line; end of bitmap after the last."""
    s = bytearray()
    for y in range(height):
        first = 1 + y % width
        s += bytes((first, y & 0xFF))
        left = width - first
        if left >= 3:
            s += bytes((0, left)) + bytes((i * 17 + y) & 0xFF for i in range(left))
            if left % 2:
                s += b"\0"
        else:
            s += bytes((1, 0x34)) * left
        s += bytes((0, 1 if y == height - 1 else 0))
    return bytes(s)


def rle4(width, height):
    """The same for RLE4: two colours in each run byte, absolute runs of
    pixels packed two to a byte and padded to a word."""
    s = bytearray()
    for y in range(height):
        first = 1 + y % width
        s += bytes((first, 0x12))
        left = width - first
        if left >= 3:
            data = bytes((i * 17 + y) & 0xFF for i in range((left + 1) // 2))
            s += bytes((0, left)) + data + (b"\0" if len(data) % 2 else b"")
        else:
            s += bytes((1, 0x34)) * left
        s += bytes((0, 1 if y == height - 1 else 0))
    return bytes(s)


def masks_after(*masks):
    return struct.pack("<III", *masks)


def corpus():
    files = {}
    # Whole files, one for each header, depth and compression.
    files["core-24bit.bmp"] = bitmap(core_header(5, 3, 24), pixels=rows(5, 3, 24))
    files["core-8bit-palette.bmp"] = bitmap(core_header(6, 4, 8), palette(256, core=True), rows(6, 4, 8))
    for bits in (1, 4, 8):
        files["info-%dbit.bmp" % bits] = bitmap(info_header(9, 5, bits), palette(1 << bits), rows(9, 5, bits))
    files["info-16bit.bmp"] = bitmap(info_header(7, 4, 16), pixels=rows(7, 4, 16))
    files["info-24bit-bottom-up.bmp"] = bitmap(info_header(7, 5, 24), pixels=rows(7, 5, 24))
    files["info-24bit-top-down.bmp"] = bitmap(info_header(7, -5, 24), pixels=rows(7, 5, 24))
    files["info-32bit.bmp"] = bitmap(info_header(6, 6, 32), pixels=rows(6, 6, 32))
    runs = rle8(11, 6)
    files["rle8.bmp"] = bitmap(info_header(11, 6, 8, RLE8, len(runs)), palette(256), runs)
    runs = rle4(13, 5)
    files["rle4.bmp"] = bitmap(info_header(13, 5, 4, RLE4, len(runs)), palette(16), runs)
    files["bitfields-16bit-565.bmp"] = bitmap(info_header(8, 4, 16, BITFIELDS),
                                              masks_after(0xF800, 0x07E0, 0x001F), rows(8, 4, 16))
    files["bitfields-32bit.bmp"] = bitmap(info_header(5, 5, 32, BITFIELDS),
                                          masks_after(0xFF0000, 0xFF00, 0xFF), rows(5, 5, 32))
    argb = (0xFF0000, 0xFF00, 0xFF, 0xFF000000)
    files["v4-32bit-bitfields.bmp"] = bitmap(info_header(6, 3, 32, BITFIELDS, size=108, masks=argb),
                                             pixels=rows(6, 3, 32))
    files["v5-32bit-top-down-alpha.bmp"] = bitmap(info_header(4, -4, 32, BITFIELDS, size=124, masks=argb),
                                                  pixels=rows(4, 4, 32))
    # Odd, but the check lets them through: a palette count beyond what 4
    # bits can index, and run-length data stored top-down, which compressed
    # pictures cannot be.
    files["odd-4bit-clrused-lies.bmp"] = bitmap(info_header(9, 5, 4, colors_used=1000), palette(16),
                                                rows(9, 5, 4))
    runs = rle8(4, 3)
    files["odd-rle8-top-down.bmp"] = bitmap(info_header(4, -3, 8, RLE8, len(runs)), palette(256), runs)

    # Files the check must refuse.
    whole = files["info-24bit-bottom-up.bmp"]
    files["bad-truncated.bmp"] = whole[:-7]
    files["bad-magic.bmp"] = b"BA" + whole[2:]
    files["bad-header-size.bmp"] = whole[:14] + struct.pack("<I", 64) + whole[18:]
    files["bad-zero-width.bmp"] = bitmap(info_header(0, 5, 24), pixels=rows(7, 5, 24))
    files["bad-negative-width.bmp"] = bitmap(info_header(-7, 5, 24), pixels=rows(7, 5, 24))
    files["bad-huge-sides.bmp"] = bitmap(info_header(16385, 16385, 24), pixels=rows(7, 5, 24))
    files["bad-huge-area.bmp"] = bitmap(info_header(16384, 16384, 1), palette(2), rows(7, 5, 1))
    files["bad-pixels-beyond-file.bmp"] = bitmap(info_header(7, 5, 24), pixels=rows(7, 5, 24), offset=4000)
    return files


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus", "bitmap_header")
    os.makedirs(folder, exist_ok=True)
    files = corpus()
    for name, data in sorted(files.items()):
        assert len(data) < 4096, name  # seeds stay small, below the fuzzer's -max_len
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print("%d files in %s" % (len(files), folder))


if __name__ == "__main__":
    main()
