#!/usr/bin/env python3
"""The printer picture's layer geometry, read from geometry.csv.

The art script imports it to learn each bitmap's size and place; run as a
script it writes the C++ header the recipes include:

    geometry.py GEOMETRY_CSV OUTPUT_HEADER
"""
import collections
import re
import sys

Row = collections.namedtuple('Row', 'family slot resource width height x y')


class GeometryError(Exception):
    pass


def load(path):
    rows = []
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            cells = [c.strip() for c in line.split(',')]
            if len(cells) != 7:
                raise GeometryError('%s:%d: 7 cells expected' % (path, number))
            try:
                numbers = [int(c) for c in cells[3:]]
            except ValueError:
                raise GeometryError('%s:%d: size and place must be numbers' % (path, number))
            rows.append(Row(cells[0], cells[1], cells[2], *numbers))
    check(rows)
    return rows


def check(rows):
    slots = set()
    sizes = {}
    for r in rows:
        if not re.fullmatch(r'[A-Z][A-Z0-9]*', r.family):
            raise GeometryError('bad family %r' % r.family)
        if not re.fullmatch(r'[A-Z][A-Za-z0-9]*', r.slot):
            raise GeometryError('bad slot %r' % r.slot)
        if not re.fullmatch(r'[A-Z][A-Z0-9_]*', r.resource):
            raise GeometryError('bad resource name %r' % r.resource)
        if (r.family, r.slot) in slots:
            raise GeometryError('%s %s given twice' % (r.family, r.slot))
        slots.add((r.family, r.slot))
        if r.width <= 0 or r.width % 2 or r.height <= 0:
            raise GeometryError('%s: width must be even and positive, height positive' % r.resource)
        size = sizes.setdefault(r.resource, (r.width, r.height))
        if size != (r.width, r.height):
            raise GeometryError('%s placed at two sizes' % r.resource)


def resources(rows):
    """Each bitmap once, with the first row that places it."""
    first = {}
    for r in rows:
        first.setdefault(r.resource, r)
    return list(first.values())


def header(rows):
    out = ['// Written by geometry.py from geometry.csv; change that file instead.',
           '#pragma once',
           '',
           '#include "nicconf/picture/core/layer.h"',
           '',
           'namespace nic::picture::geometry {']
    family = None
    for r in rows:
        if r.family != family:
            if family is not None:
                out.append('}  // namespace %s' % family.lower())
            family = r.family
            out += ['', 'namespace %s {' % family.lower()]
        out.append('inline constexpr Layer k%s{"%s", %d, %d, %d, %d};'
                   % (r.slot, r.resource, r.width, r.height, r.x, r.y))
    if family is not None:
        out.append('}  // namespace %s' % family.lower())
    out += ['', '}  // namespace nic::picture::geometry', '']
    return '\n'.join(out)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        text = header(load(argv[1]))
    except (OSError, GeometryError) as e:
        sys.stderr.write('geometry: %s\n' % e)
        return 1
    try:
        with open(argv[2], encoding='utf-8') as f:
            if f.read() == text:
                return 0
    except OSError:
        pass
    with open(argv[2], 'w', encoding='utf-8') as f:
        f.write(text)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
