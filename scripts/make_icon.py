#!/usr/bin/env python3
"""Draws the program icon: a white stopwatch on the timer's own blue-violet.

Writes a Windows .ico (16, 24, 32, 48 and 256 pixels) and, when asked, a
256-pixel .png for desktop files. Standard library only, reproducible bytes.
"""
import math
import struct
import sys
import zlib

BACK = (128, 128, 255)
EDGE = (88, 88, 200)
WHITE = (255, 255, 255)
HAND = (60, 60, 150)
SUPERSAMPLE = 3


def coverage_shapes(x, y):
    """Colour of the unit-square picture at (x, y), or None for transparent."""
    # Rounded square background with a darker rim.
    r = 0.18
    dx = max(abs(x - 0.5) - (0.5 - r) + 0.02, 0.0)
    dy = max(abs(y - 0.5) - (0.5 - r) + 0.02, 0.0)
    d = math.hypot(dx, dy)
    if d > r:
        return None
    colour = EDGE if d > r - 0.035 else BACK
    cx, cy = 0.5, 0.55
    dist = math.hypot(x - cx, y - cy)
    # Crown button and the dial.
    if abs(x - cx) < 0.06 and 0.10 < y < 0.20:
        return WHITE
    if dist < 0.33:
        colour = WHITE
    if dist < 0.26:
        colour = (240, 240, 255)
    # Hands: minute hand up, second hand toward two o'clock.
    if _near_segment(x, y, cx, cy, cx, cy - 0.20, 0.028) or \
            _near_segment(x, y, cx, cy, cx + 0.15, cy - 0.09, 0.022):
        colour = HAND
    if dist < 0.04:
        colour = HAND
    return colour


def _near_segment(px, py, ax, ay, bx, by, width):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy)) < width


def render(size):
    """Rows of (r, g, b, a) tuples, top row first."""
    rows = []
    n = SUPERSAMPLE
    for j in range(size):
        row = []
        for i in range(size):
            acc = [0, 0, 0, 0]
            for sj in range(n):
                for si in range(n):
                    c = coverage_shapes((i + (si + 0.5) / n) / size, (j + (sj + 0.5) / n) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                k = acc[3]
                row.append((acc[0] // k, acc[1] // k, acc[2] // k, 255 * k // (n * n)))
        rows.append(row)
    return rows


def png_bytes(rows):
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + \
        chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def dib_bytes(rows):
    """A 32-bit icon image: header, BGRA pixels bottom-up, then the AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for i, px in enumerate(row):
            if px[3] == 0:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bits
    return header + pixels + bytes(mask)


def ico_bytes(images):
    """images: list of (size, encoded image)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit("usage: make_icon.py OUTPUT.ico [OUTPUT.png]")
    big = render(256)
    images = [(s, dib_bytes(render(s))) for s in (16, 24, 32, 48)]
    images.append((256, png_bytes(big)))
    with open(argv[1], "wb") as f:
        f.write(ico_bytes(images))
    if len(argv) == 3:
        with open(argv[2], "wb") as f:
            f.write(png_bytes(big))


if __name__ == "__main__":
    main(sys.argv)
