"""The printer pictogram of the folder's icons: a desktop printer with a
sheet in its input slot, a front band and a round badge in the colours of
the printer's state, and the badge's symbol.

Shapes are laid out on a 16 x 16 grid; a 32 x 32 picture doubles the grid
but keeps outlines one pixel wide, so both sizes read as the same printer.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "icons"))

from icon_raster import Raster, opaque  # noqa: E402

OUTLINE = opaque((0x30, 0x30, 0x30))
BODY = opaque((0xD8, 0xD8, 0xD8))
FADED_OUTLINE = opaque((0x90, 0x90, 0x90))
FADED_BODY = opaque((0xEE, 0xEE, 0xEE))
PAPER = opaque((0xFF, 0xFF, 0xFF))
PRINTED_LINE = opaque((0x60, 0x60, 0x60))

# 5 x 5 symbols drawn inside the badge; '#' is a pixel of the symbol colour
# (one grid cell: a pixel at 16, two by two at 32).
SYMBOLS = {
    "check": ["....#", "...##", "#.##.", "###..", ".#..."],
    "arrow": ["..#..", "..#..", "#.#.#", ".###.", "..#.."],
    "exclamation": ["..#..", "..#..", "..#..", ".....", "..#.."],
    "pause": [".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#."],
    "cross": ["#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "question": [".###.", "...#.", "..#..", ".....", "..#.."],
    "bar": [".....", ".....", "#####", ".....", "....."],
}


class Look:
    """How one state shows: the band and badge colour, the badge's symbol and
    its colour, whether the printer is drawn faded (nothing known of it) and
    whether a printed sheet comes out of it."""

    def __init__(self, colour, symbol, symbol_colour=(0xFF, 0xFF, 0xFF), faded=False, printing=False):
        self.colour = opaque(colour)
        self.symbol = symbol
        self.symbol_colour = opaque(symbol_colour)
        self.faded = faded
        self.printing = printing


def _cells(raster, unit, left, top, right, bottom, fill, outline=None):
    """Fills grid cells left..right x top..bottom, framed one pixel wide."""
    x0, y0 = left * unit, top * unit
    x1, y1 = (right + 1) * unit - 1, (bottom + 1) * unit - 1
    raster.fill_rect(x0, y0, x1, y1, fill)
    if outline is not None:
        raster.frame_rect(x0, y0, x1, y1, outline)


def draw_printer(size, look):
    """The pictogram at size x size pixels (16 or 32)."""
    if size not in (16, 32):
        raise ValueError("the pictogram is drawn at 16 or 32 pixels")
    unit = size // 16
    raster = Raster(size, size)
    outline = FADED_OUTLINE if look.faded else OUTLINE
    body = FADED_BODY if look.faded else BODY

    _cells(raster, unit, 4, 0, 11, 4, PAPER, outline)            # sheet in the input slot
    _cells(raster, unit, 1, 4, 14, 11, body, outline)             # the printer's body
    raster.line(3 * unit, 5 * unit + unit // 2, 12 * unit + unit - 1, 5 * unit + unit // 2, outline)  # the slot
    _cells(raster, unit, 1, 8, 14, 11, look.colour, outline)      # front band in the state's colour
    if look.printing:
        _cells(raster, unit, 2, 10, 8, 15, PAPER, outline)        # a printed sheet coming out
        for row in (12, 14):
            raster.line(3 * unit + 1, row * unit, 7 * unit, row * unit, PRINTED_LINE)

    centre = 12.5 * unit
    radius = 3.5 * unit
    raster.fill_disc(centre, centre, radius + 0.7, outline)
    raster.fill_disc(centre, centre, radius, look.colour)
    for row, text in enumerate(SYMBOLS[look.symbol]):
        for column, mark in enumerate(text):
            if mark == "#":
                _cells(raster, unit, 10 + column, 10 + row, 10 + column, 10 + row, look.symbol_colour)
    return raster
