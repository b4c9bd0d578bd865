"""The printer folder's own icon: a folder holding a network printer, 32 x 32
and 16 x 16:  python3 folder_icon.py <output .ico>
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "icons"))

from icon_raster import Raster, opaque, write_ico  # noqa: E402

FOLDER = opaque((0xF2, 0xC2, 0x4B))
FOLDER_DARK = opaque((0xB8, 0x86, 0x1B))
FOLDER_BACK = opaque((0xE0, 0xA8, 0x30))
BODY = opaque((0x7A, 0x80, 0x8A))
BODY_DARK = opaque((0x3A, 0x3E, 0x46))
PAPER = opaque((0xFF, 0xFF, 0xFF))
LINK = opaque((0x1E, 0x6F, 0xD9))


def draw(size):
    s = size / 32.0

    def p(v):
        return int(round(v * s))

    r = Raster(size, size)
    # The folder: its tab and back, then the front.
    r.fill_rect(p(2), p(5), p(12), p(8), FOLDER_BACK)
    r.fill_rect(p(2), p(8), p(29), p(26), FOLDER_BACK)
    r.fill_rect(p(2), p(11), p(29), p(26), FOLDER)
    r.frame_rect(p(2), p(11), p(29), p(26), FOLDER_DARK)
    # A printer in front, its paper standing out of the top.
    r.fill_rect(p(15), p(13), p(23), p(18), PAPER)
    r.frame_rect(p(15), p(13), p(23), p(18), BODY_DARK)
    r.fill_rect(p(12), p(18), p(26), p(25), BODY)
    r.frame_rect(p(12), p(18), p(26), p(25), BODY_DARK)
    r.fill_rect(p(15), p(22), p(23), p(23), PAPER)
    # The network it hangs on.
    r.fill_rect(p(19), p(26), p(19) + max(1, p(1)) - 1, p(29), LINK)
    r.fill_rect(p(8), p(29), p(30), p(29) + max(1, p(1)) - 1, LINK)
    return r


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: folder_icon.py <output .ico>")
    os.makedirs(os.path.dirname(os.path.abspath(sys.argv[1])), exist_ok=True)
    write_ico(sys.argv[1], [draw(32), draw(16)])
