#!/usr/bin/env python3
"""Draws every layer bitmap of the printer picture.

    make_art.py GEOMETRY_CSV OUTPUT_DIR        one NAME.bmp per bitmap, and
                                               picture_art.rc naming them
    make_art.py GEOMETRY_CSV --fit [NAME...]   how far each drawing reaches,
                                               against the place it is given

Each bitmap is drawn in canvas coordinates at the first place the geometry
gives it, so parts drawn from one printer view line up on the canvas.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))

import geometry  # noqa: E402
import raster  # noqa: E402
import common_art  # noqa: E402
import page_printers  # noqa: E402
import other_printers  # noqa: E402


def drawings():
    art = {}
    for module in (common_art, page_printers, other_printers):
        for name, draw in module.ART.items():
            if name in art:
                raise SystemExit('make_art: %s drawn twice' % name)
            art[name] = draw
    return art


def render(row, draw):
    s = raster.Surface(row.x, row.y, row.width // 2, row.height)
    draw(s)
    return s


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    rows = geometry.resources(geometry.load(argv[1]))
    art = drawings()
    names = {r.resource for r in rows}
    missing = sorted(names - set(art))
    unplaced = sorted(set(art) - names)
    if missing or unplaced:
        sys.stderr.write('make_art: no drawing for %s; no place for %s\n' % (missing, unplaced))
        return 1
    if argv[2] == '--fit':
        only = set(argv[3:])
        for r in rows:
            if only and r.resource not in only:
                continue
            e = render(r, art[r.resource]).extent
            if e is None:
                print('%-20s empty' % r.resource)
                continue
            box = (r.x, r.y, r.x + r.width // 2, r.y + r.height)
            over = e[0] < box[0] or e[1] < box[1] or e[2] > box[2] or e[3] > box[3]
            print('%-20s drawn %6.1f %6.1f %6.1f %6.1f  placed %4d %4d %4d %4d%s'
                  % ((r.resource,) + e + box + ('  CLIPPED' if over else '',)))
        return 0
    out = argv[2]
    os.makedirs(out, exist_ok=True)
    lines = ['// Written by make_art.py: the printer picture layers.']
    for r in rows:
        path = os.path.join(out, r.resource + '.bmp')
        raster.write_bmp(path, render(r, art[r.resource]).pixels())
        lines.append('%s BITMAP "%s"' % (r.resource, path.replace('\\', '/')))
    with open(os.path.join(out, 'picture_art.rc'), 'w', encoding='ascii') as f:
        f.write('\n'.join(lines) + '\n')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
