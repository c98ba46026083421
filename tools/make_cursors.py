#!/usr/bin/env python3
"""Draws the library's three cursors (32x32, 1 bit per pixel) as .cur files.

Run once after changing a picture; the .cur files are committed beside the
resource script. Pixels: '#' black, 'o' white, '.' transparent.
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 32


def blank():
    return [['.'] * SIZE for _ in range(SIZE)]


def outline(img):
    """Gives every black pixel a white border so the cursor shows on any
    background."""
    out = [row[:] for row in img]
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] != '#':
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < SIZE and 0 <= ny < SIZE and out[ny][nx] == '.':
                        out[ny][nx] = 'o'
    return out


def no_drop():
    """A circle with a diagonal bar; hot spot at the centre (15, 15)."""
    img = blank()
    cx = cy = 15
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if 8.5 <= d <= 11.0:
                img[y][x] = '#'
            # bar from top-left to bottom-right inside the ring
            if d < 9.0 and abs((x - cx) - (y - cy)) <= 1:
                img[y][x] = '#'
    return outline(img)


def column_drag():
    """An arrow whose tip is the hot spot (10, 10), carrying a small
    rectangle below and to the right of it."""
    img = blank()
    tip_x, tip_y = 10, 10
    for i in range(12):  # arrow head: a right triangle
        for j in range(i + 1):
            img[tip_y + i][tip_x + j] = '#'
    for i in range(12, 16):  # stem
        img[tip_y + i][tip_x + 3] = '#'
        img[tip_y + i][tip_x + 4] = '#'
    for y in range(tip_y + 10, tip_y + 17):  # the carried column rectangle
        for x in range(tip_x + 8, tip_x + 18):
            edge = y in (tip_y + 10, tip_y + 16) or x in (tip_x + 8, tip_x + 17)
            img[y][x] = '#' if edge else img[y][x]
    return outline(img)


def column_resize():
    """A double vertical bar crossed by a left-right arrow; hot spot at the
    centre (15, 15)."""
    img = blank()
    for y in range(7, 24):
        img[y][14] = '#'
        img[y][16] = '#'
    for x in range(6, 25):
        img[15][x] = '#'
    for i in range(1, 5):  # arrow heads
        for x, d in ((6, 1), (24, -1)):
            img[15 - i][x + d * i] = '#'
            img[15 + i][x + d * i] = '#'
    return outline(img)


def encode(img, hot_x, hot_y):
    xor_rows, and_rows = [], []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        xor_bits = and_bits = 0
        for x in range(SIZE):
            p = img[y][x]
            bit = 1 << (31 - x)
            if p == 'o':
                xor_bits |= bit
            elif p == '.':
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<II', 0x00000000, 0x00FFFFFF)
    image = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    (out / 'nodrop.cur').write_bytes(encode(no_drop(), 15, 15))
    (out / 'coldrag.cur').write_bytes(encode(column_drag(), 10, 10))
    (out / 'colresize.cur').write_bytes(encode(column_resize(), 15, 15))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Source/base/res')
