#!/usr/bin/env python3
"""Draws the application icon and writes it as an .ico file.

The editor ships this icon as Default.ico (copied into projects that have none) and the executable
carries it as its own icon. It is drawn here from shapes rather than kept as a binary, so the build
makes the same bytes every time from nothing but the Python standard library.

Usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
SUPERSAMPLE = 4  # sub-samples per pixel along each axis; edges come out smooth


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def rounded_square(x, y, radius):
    """Inside test for the tile: the unit square with corners rounded by radius."""
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and 0 <= x <= 1 and 0 <= y <= 1


def colour_at(x, y):
    """Colour (r, g, b, a) of the drawing at unit coordinates, or None outside every shape."""
    # Play triangle over the lower right of the disc: the menu starts something.
    px, py = x - 0.58, y - 0.56
    if px >= 0 and abs(py - 0.19) <= 0.19 - px * 0.55 and px <= 0.34:
        return lerp((255, 190, 60), (240, 120, 20), y) + (255,)
    dx, dy = x - 0.46, y - 0.46
    r = math.hypot(dx, dy)
    if r <= 0.33:
        if r <= 0.055:
            return None if r <= 0.04 else (150, 160, 180, 255)  # the hole and its rim
        if r <= 0.13:
            return (210, 218, 232, 255)
        # A faint sheen across the data side, brighter towards the upper left.
        shine = 0.5 + 0.5 * math.cos(math.atan2(dy, dx) * 2 + 0.8)
        return lerp((225, 232, 245), (255, 255, 255), shine) + (255,)
    if rounded_square(x, y, 0.2):
        return lerp((70, 130, 240), (25, 60, 160), y) + (255,)
    return None


def render(size):
    """Rows of (r, g, b, a), top row first, with alpha from the share of covered sub-samples."""
    n = SUPERSAMPLE if size <= 48 else 2  # a large image needs fewer to look smooth
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c is not None:
                        for i in range(3):
                            acc[i] += c[i]
                        acc[3] += 1
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], acc[3] * 255 // (n * n)))
        rows.append(row)
    return rows


def bmp_entry(rows):
    """An icon image in the classic form: BITMAPINFOHEADER, bottom-up BGRA, then the AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png_entry(rows):
    """The large image as PNG, which every icon reader since Vista takes inside an .ico."""
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    images = [(s, png_entry(render(s)) if s >= 256 else bmp_entry(render(s))) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
