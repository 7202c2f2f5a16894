#!/usr/bin/env python3
"""Writes the tiny bitmaps the picture control tests load as resources:
a 4 x 2 image and its mask (also as the corner of a larger one) covering the four image/mask combinations, and a
24-bit picture that has no colour table."""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent


def bmp8(path, width, height, rows, palette):
    """rows: top row first, palette indices; palette: (r, g, b) entries."""
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * (1024 - len(table))
    stride = (width + 3) & ~3
    bits = b"".join(bytes(row) + b"\0" * (stride - width) for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(bits), 2835, 2835, 256, 0)
    offset = 14 + 40 + 1024
    path.write_bytes(b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + header + table + bits)


def bmp24(path, width, height, rows):
    stride = (width * 3 + 3) & ~3
    bits = b"".join(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row) + b"\0" * (stride - width * 3)
                    for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    offset = 14 + 40
    path.write_bytes(b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + header + bits)


WHITE, BLACK, RED, BLUE, GREEN, YELLOW = 0, 1, 2, 3, 4, 5
image_palette = [(255, 255, 255), (0, 0, 0), (200, 30, 40), (20, 60, 220), (30, 170, 60), (240, 220, 20)]
# The mask's own table differs from the image's past its first two entries.
mask_palette = [(255, 255, 255), (0, 0, 0), (1, 2, 3), (4, 5, 6), (7, 8, 9), (10, 11, 12)]

bmp8(HERE / "image4x2.bmp", 4, 2, [[WHITE, BLACK, RED, BLUE], [WHITE, BLACK, GREEN, YELLOW]], image_palette)
bmp8(HERE / "mask4x2.bmp", 4, 2, [[BLACK, BLACK, WHITE, WHITE], [BLACK, BLACK, WHITE, WHITE]], mask_palette)
# A mask larger than its image: its top-left 4 x 2 are the mask above, the
# rest white, so that a mask drawn at its own size shows another pattern.
W = WHITE
bmp8(HERE / "mask8x4.bmp", 8, 4, [[BLACK, BLACK, W, W, W, W, W, W], [BLACK, BLACK, W, W, W, W, W, W],
                                  [W] * 8, [W] * 8], mask_palette)
bmp24(HERE / "true_colour2x2.bmp", 2, 2, [[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (9, 99, 199)]])
