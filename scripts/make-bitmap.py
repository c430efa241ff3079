#!/usr/bin/env python3
"""Draws the bitmaps of the two programs' resources as 24-bit BMPs.

    make-bitmap.py toolbar OUT.bmp
        Linefix's toolbar strip: four 16 x 16 images side by side on light
        grey (the mask colour), a magnifier with a plus, one with a minus, a
        red cross and a green tick.
    make-bitmap.py package OUT.bmp
        The self-extractor's 50 x 50 picture: a closed, taped cardboard box
        on a pale blue tile.
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
    width, height = sum(len(img[0]) for img in images), len(images[0])
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


PACKAGE = 50
TILE_TOP = (0xDC, 0xEA, 0xF8)
TILE_BOTTOM = (0xB4, 0xCC, 0xE8)
FRONT = (0xC8, 0x96, 0x5A)
SIDE = (0xA8, 0x78, 0x44)
TOP = (0xDE, 0xB4, 0x7C)
TAPE = (0xF0, 0xE2, 0xB8)
EDGE = (0x5A, 0x3C, 0x1E)


def inside(x, y, corners):
    """Whether pixel centre (x, y) lies in the convex polygon given clockwise."""
    px, py = x + 0.5, y + 0.5
    for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
        if (x1 - x0) * (py - y0) - (y1 - y0) * (px - x0) < 0:
            return False
    return True


def package():
    img = [[tuple(round(a + (b - a) * y / (PACKAGE - 1)) for a, b in zip(TILE_TOP, TILE_BOTTOM))
            for _ in range(PACKAGE)] for y in range(PACKAGE)]
    # A box seen from the front left and a little above: front, right side, lid.
    front = [(6, 18), (32, 18), (32, 42), (6, 42)]
    side = [(32, 18), (44, 10), (44, 34), (32, 42)]
    top = [(6, 18), (18, 10), (44, 10), (32, 18)]
    tape_front = [(17, 18), (21, 18), (21, 28), (17, 28)]
    tape_top = [(17, 18), (29, 10), (33, 10), (21, 18)]
    for y in range(PACKAGE):
        for x in range(PACKAGE):
            for face, colour in ((front, FRONT), (side, SIDE), (top, TOP), (tape_front, TAPE), (tape_top, TAPE)):
                if inside(x, y, face):
                    img[y][x] = colour
    for face in (front, side, top):
        for (x0, y0), (x1, y1) in zip(face, face[1:] + face[:1]):
            for y in range(PACKAGE):
                for x in range(PACKAGE):
                    if near_segment(x + 0.5, y + 0.5, x0, y0, x1, y1, 0.6):
                        img[y][x] = EDGE
    return img


DRAWINGS = {
    "toolbar": lambda: [magnifier(True), magnifier(False), cross(), tick()],
    "package": lambda: [package()],
}

if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in DRAWINGS:
        sys.exit("usage: make-bitmap.py toolbar|package OUT.bmp")
    write_bmp(sys.argv[2], DRAWINGS[sys.argv[1]]())
