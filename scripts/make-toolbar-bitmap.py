#!/usr/bin/env python3
"""Draws the dialog's toolbar strip: four 16 x 16 images side by side on light
grey (the mask colour), a magnifier with a plus, one with a minus, a red cross
and a green tick. Writes a 24-bit BMP.

    make-toolbar-bitmap.py OUT.bmp
"""
import math
import struct
import sys

SIZE = 16
COUNT = 4
GREY = (0xC0, 0xC0, 0xC0)
BLACK = (0, 0, 0)
GLASS = (0xE8, 0xF4, 0xFF)
HANDLE = (0x60, 0x40, 0x20)
RED = (0xD0, 0x10, 0x10)
GREEN = (0x10, 0xA0, 0x20)


def blank():
    return [[GREY] * SIZE for _ in range(SIZE)]


def near_segment(x, y, x0, y0, x1, y1, half_width):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half_width


def magnifier(with_plus):
    img = blank()
    cx, cy, r = 6.0, 6.0, 4.6
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if near_segment(x, y, 10, 10, 14, 14, 1.3):
                img[y][x] = HANDLE
            if d <= r - 1.0:
                img[y][x] = GLASS
            elif d <= r + 0.4:
                img[y][x] = BLACK
    for i in range(4, 9):
        img[6][i] = BLACK
        if with_plus:
            img[i][6] = BLACK
    return img


def stroke(points, colour, half_width):
    img = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            for (x0, y0), (x1, y1) in zip(points, points[1:]):
                if near_segment(x, y, x0, y0, x1, y1, half_width):
                    img[y][x] = colour
    return img


def cross():
    img = stroke([(3, 3), (12, 12)], RED, 1.2)
    other = stroke([(12, 3), (3, 12)], RED, 1.2)
    return [[b if b != GREY else a for a, b in zip(ra, rb)] for ra, rb in zip(img, other)]


def tick():
    return stroke([(2, 8), (6, 12), (13, 3)], GREEN, 1.2)


def write_bmp(path, images):
    width, height = SIZE * len(images), SIZE
    row_bytes = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):  # bottom row first
        row = bytearray()
        for img in images:
            for r, g, b in img[y]:
                row += bytes((b, g, r))
        pixels += row + bytes(row_bytes - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make-toolbar-bitmap.py OUT.bmp")
    write_bmp(sys.argv[1], [magnifier(True), magnifier(False), cross(), tick()])
