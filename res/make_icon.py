#!/usr/bin/env python3
"""Draws Nimbrel's icon: a monitor whose screen is half hidden behind a veil.

Writes a .ico of seven 32-bit images (128, 72, 64, 48, 32, 24 and 16 pixels),
each an uncompressed bottom-up BGRA bitmap followed by its AND mask. The
output depends on nothing but this file, so the committed Nimbrel.ico can be
checked against a fresh run byte for byte.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZES = (128, 72, 64, 48, 32, 24, 16)
SUPERSAMPLE = 4


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def veil_edge(y):
    # A soft fold along the veil's free edge, so it reads as cloth.
    fold = (y * 6.0) % 1.0
    return 0.50 + 0.03 * abs(fold - 0.5)


def in_veil(x, y):
    return 0.14 <= y <= 0.66 and veil_edge(y) <= x <= 0.88


def screen_colour(x, y):
    t = (y - 0.18) / 0.48
    return (int(40 + 50 * t), int(130 + 60 * t), int(225 + 25 * t))


# Layers from back to front: (coverage test, colour function, opacity).
LAYERS = (
    (rounded_rect(0.28, 0.83, 0.72, 0.90, 0.03), lambda x, y: (58, 63, 74), 1.0),
    (rounded_rect(0.43, 0.70, 0.57, 0.85, 0.0), lambda x, y: (58, 63, 74), 1.0),
    (rounded_rect(0.05, 0.10, 0.95, 0.74, 0.06), lambda x, y: (36, 40, 48), 1.0),
    (rounded_rect(0.12, 0.16, 0.88, 0.66, 0.015), screen_colour, 1.0),
    (in_veil, lambda x, y: (214, 218, 226) if (x * 20 + y * 4) % 1.0 < 0.7 else (188, 193, 204), 0.92),
)


def pixel(size, px, py):
    """Straight-alpha RGBA of one pixel, from supersampled coverage."""
    acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied r, g, b and alpha
    n = SUPERSAMPLE
    for sy in range(n):
        for sx in range(n):
            x = (px + (sx + 0.5) / n) / size
            y = (py + (sy + 0.5) / n) / size
            r = g = b = a = 0.0
            for inside, colour, opacity in LAYERS:
                if inside(x, y):
                    cr, cg, cb = colour(x, y)
                    r = cr * opacity + r * (1 - opacity)
                    g = cg * opacity + g * (1 - opacity)
                    b = cb * opacity + b * (1 - opacity)
                    a = opacity + a * (1 - opacity)
            acc[0] += r
            acc[1] += g
            acc[2] += b
            acc[3] += a
    samples = n * n
    alpha = acc[3] / samples
    if alpha <= 0.0:
        return (0, 0, 0, 0)
    return tuple(min(255, int(round(c / samples / alpha))) for c in acc[:3]) + (int(round(alpha * 255)),)


def bitmap(size):
    """BITMAPINFOHEADER, BGRA rows bottom-up, then the 1-bit AND mask."""
    rows = [[pixel(size, x, y) for x in range(size)] for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def icon():
    images = [bitmap(size) for size in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as f:
        f.write(icon())
