#!/usr/bin/env python3
"""Draws the two marks of the font-face list (16x12, 24 bits per pixel) as
.bmp files: a TrueType mark and a printer mark for device faces.

Run once after changing a picture; the .bmp files are committed beside the
resource script. The top-left pixel gives the transparent colour, so every
picture keeps it free. Pixels: '.' transparent, the other letters index
COLORS.
"""
import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 16, 12

COLORS = {
    '.': (255, 0, 255),  # transparent
    'k': (0, 0, 0),
    'd': (128, 128, 128),
    'g': (192, 192, 192),
    'w': (255, 255, 255),
    'n': (0, 128, 0),
}

# Two overlapping capital Ts, the back one grey.
TRUETYPE = [
    '................',
    '.ddddddd........',
    '.dd.dd.d........',
    '....dd..........',
    '....dd.kkkkkkk..',
    '....dd.kk.kk.k..',
    '....dd....kk....',
    '...dddd...kk....',
    '..........kk....',
    '..........kk....',
    '.........kkkk...',
    '................',
]

# A printer: a sheet going in at the top, the body with a green lamp, and
# the printed sheet coming out at the front.
DEVICE = [
    '................',
    '....kkkkkkkk....',
    '....kwwwwwwk....',
    '....kwwwwwwk....',
    '.kkkkkkkkkkkkkk.',
    'kggggggggggggggk',
    'kggggggggggnnggk',
    'kddddddddddddddk',
    'kkkkkkkkkkkkkkkk',
    '..kwwwwwwwwwwk..',
    '..kkkkkkkkkkkk..',
    '................',
]


def encode(picture):
    assert len(picture) == HEIGHT and all(len(row) == WIDTH for row in picture)
    rows = []
    for row in reversed(picture):  # bottom-up
        pixels = b''.join(bytes((b, g, r)) for r, g, b in (COLORS[p] for p in row))
        rows.append(pixels + b'\0' * (-len(pixels) % 4))
    image = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0,
                       0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    (out / 'truetype.bmp').write_bytes(encode(TRUETYPE))
    (out / 'device.bmp').write_bytes(encode(DEVICE))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Source/base/res')
