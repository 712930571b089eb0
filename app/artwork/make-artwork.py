#!/usr/bin/env python3
"""Draws Quillory's own artwork with the standard library only and writes it as files:

  HAND-M.CUR                      the hand pointer (32 x 32 cursor, hot spot on the fingertip)
  ../../shell/resources/quillory-<n>.png   the application icon at 32, 48, 128 and 256 px

Run it again after changing a drawing; the outputs are committed beside their source.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "shell", "resources"))

# The hand: X outline, o fill, . transparent. The fingertip's top-left pixel is the hot spot.
HAND = """
..........XXXX
.........XooooX
.........XooooX
.........XooooX
.........XooooX
.........XooooX
.........XooooXXXX
.........XooooXoooXXX
.........XooooXoooXoooXX
.........XooooXoooXoooXooX
..XXX....XooooXoooXoooXoooX
..XoooX..XoooooooooooooooooX
..XooooX.XoooooooooooooooooX
...XooooXXoooooooooooooooooX
....XooooXoooooooooooooooooX
.....XoooooooooooooooooooooX
......XooooooooooooooooooooX
.......XoooooooooooooooooooX
........XoooooooooooooooooX
.........XooooooooooooooooX
..........XoooooooooooooooX
...........XooooooooooooX
...........XooooooooooooX
...........XXXXXXXXXXXXXX
""".strip("\n").split("\n")
HOT_SPOT = (10, 0)


def cursor_bytes():
    size = 32
    rows = [line.ljust(size, ".") for line in HAND] + ["." * size] * (size - len(HAND))
    colours = {"X": (0, 0, 0, 255), "o": (255, 255, 255, 255), ".": (0, 0, 0, 0)}
    xor = bytearray()
    mask = bytearray()
    for line in reversed(rows):  # DIB rows are stored bottom-up
        bits = 0
        for x, ch in enumerate(line):
            r, g, b, a = colours[ch]
            xor += bytes((b, g, r, a))
            if ch == ".":
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        6 + 16)
    return icondir + entry + image


def png_bytes(size, pixels, alpha):
    """pixels: rows of (r, g, b, a) floats in 0..1."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            if alpha:
                raw += bytes(round(c * 255) for c in (r, g, b, a))
            else:  # composite onto white for the 24-bit image
                raw += bytes(round((c * a + (1 - a)) * 255) for c in (r, g, b))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def rounded_box(px, py, x0, y0, x1, y1, radius):
    cx = min(max(px, x0 + radius), x1 - radius)
    cy = min(max(py, y0 + radius), y1 - radius)
    return math.hypot(px - cx, py - cy) <= radius


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def icon_colour(x, y):
    """The icon on a unit square: a blue tile, a white sheet with lines, a golden quill."""
    if not rounded_box(x, y, 0.03, 0.03, 0.97, 0.97, 0.18):
        return None
    colour = (0.16, 0.36, 0.55)
    # The sheet with a folded corner.
    if 0.22 <= x <= 0.70 and 0.16 <= y <= 0.84 and not (x - 0.58 > y - 0.16 + 0.0 and y < 0.28):
        colour = (1.0, 1.0, 1.0)
        for line_y in (0.40, 0.50, 0.60, 0.70):
            if abs(y - line_y) < 0.018 and 0.30 <= x <= 0.62:
                colour = (0.62, 0.68, 0.74)
        if abs(y - 0.28) < 0.025 and 0.30 <= x <= 0.50:
            colour = (0.16, 0.36, 0.55)
    # The quill: a tapered stroke from the lower left to the upper right, nib at the sheet.
    d = segment_distance(x, y, 0.42, 0.80, 0.86, 0.14)
    t = max(0.0, min(1.0, (0.80 - y) / 0.66))
    if d < 0.015 + 0.07 * math.sin(math.pi * min(1.0, t * 1.15)) * (t > 0.25):
        colour = (0.93, 0.70, 0.20)
    if segment_distance(x, y, 0.42, 0.80, 0.80, 0.23) < 0.012:
        colour = (0.55, 0.38, 0.08)
    return colour


def icon_pixels(size):
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    c = icon_colour((px + (sx + 0.5) / samples) / size,
                                    (py + (sy + 0.5) / samples) / size)
                    if c is not None:
                        acc[0] += c[0]; acc[1] += c[1]; acc[2] += c[2]; acc[3] += 1
            n = samples * samples
            a = acc[3] / n
            row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a) if acc[3] else (0, 0, 0, 0))
        rows.append(row)
    return rows


def main():
    with open(os.path.join(HERE, "HAND-M.CUR"), "wb") as f:
        f.write(cursor_bytes())
    os.makedirs(ICON_DIR, exist_ok=True)
    for size in (32, 48, 128, 256):
        with open(os.path.join(ICON_DIR, "quillory-%d.png" % size), "wb") as f:
            f.write(png_bytes(size, icon_pixels(size), alpha=size != 32))


if __name__ == "__main__":
    main()
