#!/usr/bin/env python3
"""Draws the bitmaps of the two programs' resources: 24-bit BMPs and an icon.

    make-bitmap.py toolbar OUT.bmp
        Linefix's toolbar strip: four 16 x 16 images side by side on light
        grey (the mask colour), a magnifier with a plus, one with a minus, a
        red cross and a green tick.
    make-bitmap.py package OUT.bmp
        The self-extractor's 50 x 50 picture: a closed, taped cardboard box
        on a pale blue tile.
    make-bitmap.py icon OUT.ico
        The self-extractor's icon: the same box on a transparent ground, at
        16, 32 and 48 pixels, 32-bit with alpha, each image a PNG.
"""
import math
import struct
import sys
import zlib

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


def inside(px, py, corners):
    """Whether the point (px, py) lies in the convex polygon given clockwise."""
    for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
        if (x1 - x0) * (py - y0) - (y1 - y0) * (px - x0) < 0:
            return False
    return True


# A box seen from the front left and a little above: front, right side, lid,
# in the picture's 50-pixel frame.
FRONT_FACE = [(6, 18), (32, 18), (32, 42), (6, 42)]
SIDE_FACE = [(32, 18), (44, 10), (44, 34), (32, 42)]
TOP_FACE = [(6, 18), (18, 10), (44, 10), (32, 18)]
TAPE_FRONT = [(17, 18), (21, 18), (21, 28), (17, 28)]
TAPE_TOP = [(17, 18), (29, 10), (33, 10), (21, 18)]


def box_colour(px, py, edge_half_width):
    """The box's colour at the point (px, py) of the frame; None beside it."""
    for face in (FRONT_FACE, SIDE_FACE, TOP_FACE):
        for (x0, y0), (x1, y1) in zip(face, face[1:] + face[:1]):
            if near_segment(px, py, x0, y0, x1, y1, edge_half_width):
                return EDGE
    colour = None
    for face, fill in ((FRONT_FACE, FRONT), (SIDE_FACE, SIDE), (TOP_FACE, TOP), (TAPE_FRONT, TAPE),
                       (TAPE_TOP, TAPE)):
        if inside(px, py, face):
            colour = fill
    return colour


def package():
    img = [[tuple(round(a + (b - a) * y / (PACKAGE - 1)) for a, b in zip(TILE_TOP, TILE_BOTTOM))
            for _ in range(PACKAGE)] for y in range(PACKAGE)]
    for y in range(PACKAGE):
        for x in range(PACKAGE):
            img[y][x] = box_colour(x + 0.5, y + 0.5, 0.6) or img[y][x]
    return img


# The program's icon: the same box alone, on a transparent ground, drawn
# with 4 x 4 samples a pixel so that small sizes keep their shape.
ICON_SIZES = (16, 32, 48)
ICON_FRAME = (4.0, 5.0, 42.0)  # left, top and width of the frame's part shown
SAMPLES = 4


def icon_image(size):
    """Rows of (r, g, b, a) pixels, top row first."""
    left, top, width = ICON_FRAME
    unit = width / size
    edge = max(0.6, 0.55 * unit)  # at least about a pixel wide
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            hits = [box_colour(left + (x + (i + 0.5) / SAMPLES) * unit, top + (y + (j + 0.5) / SAMPLES) * unit, edge)
                    for j in range(SAMPLES) for i in range(SAMPLES)]
            hits = [h for h in hits if h]
            if not hits:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (round(sum(h[k] for h in hits) / len(hits)) for k in range(3))
            row.append((r, g, b, round(255 * len(hits) / SAMPLES ** 2)))
        rows.append(row)
    return rows


def icon_entry(rows):
    """One image of an icon file, stored as a PNG of 8-bit RGBA, which the
    systems the manifest names read at every size: a tenth of the bytes of a
    32-bit bitmap with its mask."""
    size = len(rows)
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def write_icon(path, sizes):
    images = [icon_entry(icon_image(size)) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = len(data) + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(data + b"".join(images))


DRAWINGS = {
    "toolbar": lambda: [magnifier(True), magnifier(False), cross(), tick()],
    "package": lambda: [package()],
}

if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "icon":
        write_icon(sys.argv[2], ICON_SIZES)
    elif len(sys.argv) == 3 and sys.argv[1] in DRAWINGS:
        write_bmp(sys.argv[2], DRAWINGS[sys.argv[1]]())
    else:
        sys.exit("usage: make-bitmap.py toolbar|package OUT.bmp | icon OUT.ico")
