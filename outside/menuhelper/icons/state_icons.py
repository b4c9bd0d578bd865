"""Writes one .ico file per printer state, each holding the 32 x 32 and the
16 x 16 pictogram:  python3 state_icons.py <output folder>

The file names are the ones the library's resource script embeds.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "icons"))

from icon_raster import write_ico  # noqa: E402
from printer_pictogram import Look, draw_printer  # noqa: E402

STATES = {
    "ready": Look((0x2E, 0xA0, 0x3C), "check"),
    "printing": Look((0x1E, 0x6F, 0xD9), "arrow", printing=True),
    "alarm": Look((0xD9, 0x22, 0x22), "exclamation"),
    "offline": Look((0xF0, 0xA0, 0x00), "pause", symbol_colour=(0x30, 0x30, 0x30)),
    "no_response": Look((0x50, 0x50, 0x58), "cross", faded=True),
    "unknown": Look((0x98, 0x98, 0x98), "question", faded=True),
    "no_sending": Look((0x8E, 0x44, 0xAD), "bar"),
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, look in STATES.items():
        write_ico(os.path.join(folder, "printer_%s.ico" % name), [draw_printer(32, look), draw_printer(16, look)])


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: state_icons.py <output folder>")
    main(sys.argv[1])
