#!/usr/bin/env python3
"""Reads a screenshot (any format ImageMagick's convert reads) and answers
questions about its pixels for the end-to-end script.

  screen_probe.py SHOT bbox R,G,B           -> "x0 y0 x1 y1 count" (inclusive), or "none"
  screen_probe.py SHOT share X0 X1 Y R,G,B   -> share (0..1) of row Y, X0..X1, in that colour
  screen_probe.py SHOT count X0 Y0 X1 Y1 R,G,B -> pixels of that colour in the box
  screen_probe.py SHOT digest X0 Y0 X1 Y1    -> a digest of the box's pixels
"""
import hashlib
import subprocess
import sys


def load(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def colour(text):
    return tuple(int(v) for v in text.split(","))


def main(argv):
    width, height, px = load(argv[1])

    def at(x, y):
        i = (y * width + x) * 3
        return px[i], px[i + 1], px[i + 2]

    op = argv[2]
    if op == "bbox":
        want = bytes(colour(argv[3]))
        x0 = y0 = 10 ** 9
        x1 = y1 = -1
        n = 0
        for y in range(height):
            row = px[y * width * 3:(y + 1) * width * 3]
            start = row.find(want)
            while start != -1:
                if start % 3 == 0:
                    x = start // 3
                    n += 1
                    x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
                start = row.find(want, start + 1)
        print("none" if n == 0 else f"{x0} {y0} {x1} {y1} {n}")
    elif op == "share":
        a, b, y = int(argv[3]), int(argv[4]), int(argv[5])
        want = colour(argv[6])
        hits = sum(1 for x in range(a, b + 1) if at(x, y) == want)
        print(f"{hits / (b - a + 1):.3f}")
    elif op == "count":
        a, b, c, d = (int(v) for v in argv[3:7])
        want = colour(argv[7])
        print(sum(1 for y in range(b, d + 1) for x in range(a, c + 1) if at(x, y) == want))
    elif op == "digest":
        a, b, c, d = (int(v) for v in argv[3:7])
        h = hashlib.sha1()
        for y in range(b, d + 1):
            h.update(px[(y * width + a) * 3:(y * width + c + 1) * 3])
        print(h.hexdigest())
    else:
        sys.exit("unknown question " + op)


if __name__ == "__main__":
    main(sys.argv)
