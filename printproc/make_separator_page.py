#!/usr/bin/env python3
"""Writes the full separator page, a Windows metafile, for printproc.rc.

The page is drawn on an A4 window of 0.1 mm units: a frame, a shaded title
band, and three labelled lines whose values are the placeholders %1%
(document), %2% (user) and %3% (date and time), each a text record of its
own so the processor can put the job's texts in their place.

    make_separator_page.py OUTPUT
"""
import struct
import sys

WIDTH, HEIGHT = 2100, 2970


def record(function, *words):
    return struct.pack('<IH', 3 + len(words), function) + struct.pack('<%dH' % len(words), *(w & 0xFFFF for w in words))


def text_words(text):
    data = text.encode('ascii')
    if len(data) % 2:
        data += b'\0'
    return struct.unpack('<%dH' % (len(data) // 2), data)


def text_out(x, y, text):
    return record(0x0521, len(text), *text_words(text), y, x)


def ext_text_out(x, y, text):
    return record(0x0A32, y, x, len(text), 0, *text_words(text))


def pen(width, color):
    return record(0x02FA, 0, width, 0, color & 0xFFFF, color >> 16)


def brush(color):
    return record(0x02FC, 0, color & 0xFFFF, color >> 16, 0)


def font(height, weight, face):
    face_bytes = face.encode('ascii').ljust(32, b'\0')
    logfont = struct.pack('<5h8B', -height, 0, 0, 0, weight, 0, 0, 0, 1, 0, 0, 0, 0) + face_bytes
    return record(0x02FB, *struct.unpack('<25H', logfont))


def page():
    labels = [('Document', '%1%', text_out), ('User', '%2%', text_out),
              ('Date and Time', '%3%', ext_text_out)]
    body = [
        record(0x020B, 0, 0),                    # SetWindowOrg
        record(0x020C, HEIGHT, WIDTH),           # SetWindowExt
        pen(6, 0x000000), record(0x012D, 0),     # object 0
        brush(0xE0E0E0), record(0x012D, 1),      # object 1
        record(0x041B, HEIGHT - 100, WIDTH - 100, 100, 100),   # Rectangle: the frame
        record(0x041B, 420, WIDTH - 100, 100, 100),            # the title band
        record(0x0102, 1),                       # SetBkMode: transparent
        font(110, 700, 'Arial'), record(0x012D, 2),
        text_out(200, 190, 'Print Job'),
        font(60, 400, 'Arial'), record(0x012D, 3),
    ]
    for row, (label, placeholder, writer) in enumerate(labels):
        y = 620 + row * 200
        body += [text_out(200, y, label), writer(800, y, placeholder),
                 record(0x0214, y + 110, 200), record(0x0213, y + 110, WIDTH - 200)]
    body.append(record(0x0000))
    data = b''.join(body)
    objects = 4
    largest = max(struct.unpack_from('<I', data, at)[0] for at in record_offsets(data))
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(data)) // 2, objects, largest, 0)
    return header + data


def record_offsets(data):
    at = 0
    while at < len(data):
        yield at
        at += struct.unpack_from('<I', data, at)[0] * 2


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as out:
        out.write(page())
