#!/usr/bin/env python3
"""Draws the context tree's three 16x16 bitmaps: the directory root (a
globe-like disc), an organisational item (a closed box) and the selected
item (an open box). Run it to rewrite the .bmp files beside it."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 16
WHITE = (255, 255, 255)
DARK = (40, 40, 40)


def write_bmp(name, pixel):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = b''.join(struct.pack('<BBB', *reversed(pixel(x, y))) for x in range(SIZE))
        rows.append(row)  # 48 bytes a row: no padding
    data = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(header + info + data)


def root(x, y):
    d = (x - 7.5) ** 2 + (y - 7.5) ** 2
    if d > 56:
        return WHITE
    if d > 42 or x in (7, 8) or y in (7, 8):
        return DARK
    return (40, 110, 200)


def box(fill, open_lid):
    def pixel(x, y):
        if open_lid and 2 <= y <= 4 and 3 <= x <= 12 - (4 - y):
            return DARK if y == 2 or x == 3 else (250, 230, 120)
        if 5 <= y <= 13 and 2 <= x <= 13:
            return DARK if y in (5, 13) or x in (2, 13) else fill
        return WHITE
    return pixel


write_bmp('context_root.bmp', root)
write_bmp('context_item.bmp', box((230, 190, 80), False))
write_bmp('context_selected.bmp', box((250, 220, 110), True))
