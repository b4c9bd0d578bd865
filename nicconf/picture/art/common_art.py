"""The backgrounds and the status icons every family shares."""
import math

from raster import linear, radial, shade, mix, rounded_points

WHITE = (255, 255, 255)
INK = (40, 40, 46)
RED = (214, 38, 32)
AMBER = (242, 160, 24)
GREEN = (36, 156, 70)
BLUE = (44, 116, 200)
PAPER = (252, 252, 248)

# Icons: a 50 x 50 badge at (10, 10).
CX, CY, R = 35.0, 35.0, 21.0


def background_normal(s):
    # A calm light backdrop, brighter behind the printer.
    sky = linear((0, 0), (232, 238, 245), (0, 200), (206, 215, 226))
    glow = radial((118, 112), 120, (1.0,) * 3, (0.0,) * 3)

    def paint(x, y):
        c = sky(x, y)
        g = glow(x, y)[0]
        return mix(c, (248, 250, 252), 0.55 * g)
    s.rect(0, 0, 200, 200, paint)
    # a faint floor line for the printers to stand on
    s.rect(0, 186, 200, 200, (198, 206, 216))
    s.rect(0, 186, 200, 187, (188, 196, 206))


def background_alarm(s):
    # A warning frame round the picture: red and amber stripes, a dark red
    # rim; the middle stays clear so the printer shows through.
    def stripes(x, y):
        return RED if int((x + y) / 9.0) % 2 == 0 else (255, 196, 70)
    s.rect(0, 0, 200, 200, stripes)
    s.rounded(9, 9, 191, 191, 10, (176, 22, 20))
    s.rounded(11, 11, 189, 189, 9, (255, 226, 222))
    s.rounded(13, 13, 187, 187, 8, (0, 0, 0), mode='cut')


def badge(s, colour, shape='circle'):
    """A round (or square, or triangular) badge with a white ring and a
    shadow below right."""
    if shape == 'circle':
        s.ellipse(CX + 1.5, CY + 2, R + 2, R + 2, (110, 110, 120))
        s.ellipse(CX, CY, R + 2, R + 2, WHITE)
        s.ellipse(CX, CY, R, R, radial((CX - 7, CY - 8), R * 1.8, shade(colour, 0.35), shade(colour, -0.25)))
    elif shape == 'square':
        s.rounded(CX - R - 1 + 1.5, CY - R - 1 + 2, CX + R + 1 + 1.5, CY + R + 1 + 2, 7, (110, 110, 120))
        s.rounded(CX - R - 1, CY - R - 1, CX + R + 1, CY + R + 1, 7, WHITE)
        s.rounded(CX - R + 1, CY - R + 1, CX + R - 1, CY + R - 1, 6,
                  radial((CX - 7, CY - 8), R * 1.9, shade(colour, 0.3), shade(colour, -0.25)))
    else:
        def tri(k):
            return [(CX, CY - 23 * k - 1), (CX + 24.5 * k, CY + 19 * k), (CX - 24.5 * k, CY + 19 * k)]
        s.polygon([(x + 1.5, y + 2) for x, y in tri(1.0)], (110, 110, 120))
        s.polygon(tri(1.0), WHITE)
        s.polygon([(CX, CY - 19), (CX + 20.5, CY + 16.5), (CX - 20.5, CY + 16.5)],
                  linear((CX, CY - 18), shade(colour, 0.3), (CX, CY + 16), shade(colour, -0.1)))


def sheet(s, x0, y0, x1, y1, lines=True, fold=4.0):
    s.polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], INK)
    s.polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
               (x0 + 1, y1 - 1)], PAPER)
    s.polygon([(x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - fold - 0.4, y0 + fold + 0.4)],
              (200, 200, 196))
    if lines:
        y = y0 + fold + 3
        while y < y1 - 3:
            s.rect(x0 + 3, y, x1 - 3 - (3 if int(y) % 3 == 0 else 0), y + 1.2, (150, 150, 160))
            y += 3.2


def red_cross(s, cx, cy, r, width=4.2):
    for a, b in (((cx - r, cy - r), (cx + r, cy + r)), ((cx - r, cy + r), (cx + r, cy - r))):
        s.line(a, b, width + 2, WHITE, caps=True)
    for a, b in (((cx - r, cy - r), (cx + r, cy + r)), ((cx - r, cy + r), (cx + r, cy - r))):
        s.line(a, b, width, RED, caps=True)


def tray(s, cx, cy, w, h, fill=None):
    """A paper tray seen from the front and a little above."""
    depth = 7
    s.polygon([(cx - w / 2, cy - h / 2), (cx + w / 2, cy - h / 2), (cx + w / 2 + depth, cy - h / 2 - depth),
               (cx - w / 2 + depth, cy - h / 2 - depth)], (80, 84, 92))
    if fill:
        fill()
    s.rect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, INK)
    s.rect(cx - w / 2 + 1, cy - h / 2 + 1, cx + w / 2 - 1, cy + h / 2 - 1, (150, 162, 180))
    s.polygon([(cx + w / 2, cy - h / 2), (cx + w / 2 + depth, cy - h / 2 - depth),
               (cx + w / 2 + depth, cy + h / 2 - depth), (cx + w / 2, cy + h / 2)], (170, 172, 178))
    s.rect(cx - 5, cy - 1, cx + 5, cy + 1.5, INK)


def icon_error(s):
    badge(s, RED)
    s.rounded(CX - 3, CY - 14, CX + 3, CY + 5, 3, WHITE)
    s.ellipse(CX, CY + 11, 3.4, 3.4, WHITE)


def icon_printing(s):
    badge(s, GREEN)
    # a page leaving the printer's slot
    s.rounded(CX - 15, CY - 13, CX + 15, CY - 6, 2, (40, 44, 52))
    sheet(s, CX - 10, CY - 9, CX + 10, CY + 15, fold=0.1)
    s.rounded(CX - 15, CY - 13, CX + 15, CY - 8, 2, (40, 44, 52))
    s.polygon([(CX + 12, CY + 2), (CX + 18, CY + 2), (CX + 15, CY + 8)], WHITE)
    s.rect(CX + 14, CY - 4, CX + 16, CY + 3, WHITE)


def icon_paper_out(s):
    badge(s, AMBER)
    sheet(s, CX - 11, CY - 15, CX + 11, CY + 14)
    red_cross(s, CX + 2, CY + 3, 8)


def icon_paper_low(s):
    badge(s, AMBER)

    def stack():
        # two sheets left at the back of the tray
        s.polygon([(CX - 16, CY - 3.5), (CX + 12, CY - 3.5), (CX + 18, CY - 9), (CX - 10, CY - 9)], PAPER)
        s.stroke([(CX - 16, CY - 3.5), (CX + 12, CY - 3.5), (CX + 18, CY - 9), (CX - 10, CY - 9)], 0.8, INK)
    tray(s, CX - 2, CY + 5, 30, 16, stack)
    # a level gauge, low
    s.rect(CX + 13, CY - 15, CX + 19, CY + 11, WHITE)
    s.rect(CX + 14, CY - 14, CX + 18, CY + 10, (90, 90, 100))
    s.rect(CX + 14, CY + 4, CX + 18, CY + 10, RED)


def icon_tray_empty(s):
    badge(s, AMBER)
    # a drawer pulled out, its floor red
    s.polygon([(CX - 16, CY + 2), (CX + 8, CY + 2), (CX + 17, CY - 8), (CX - 7, CY - 8)], RED)
    s.polygon([(CX - 16, CY + 2), (CX + 8, CY + 2), (CX + 17, CY - 8), (CX - 7, CY - 8)],
              linear((0, CY - 8), (255, 110, 100), (0, CY + 2), RED))
    s.polygon([(CX + 8, CY + 2), (CX + 17, CY - 8), (CX + 17, CY - 1), (CX + 8, CY + 9)], (150, 152, 160))
    s.rect(CX - 16, CY + 2, CX + 8, CY + 9, INK)
    s.rect(CX - 15, CY + 3, CX + 7, CY + 8, (236, 236, 232))
    s.rect(CX - 8, CY + 5, CX, CY + 6.5, INK)
    # arrow: pull out
    s.polygon([(CX - 14, CY - 12), (CX - 8, CY - 12), (CX - 8, CY - 16), (CX - 1, CY - 10),
               (CX - 8, CY - 4), (CX - 8, CY - 8), (CX - 14, CY - 8)], WHITE)
    red_cross(s, CX + 9, CY + 11, 5, 3.4)


def icon_forms_empty(s):
    badge(s, AMBER)
    # fan-fold paper with its sprocket holes
    pts = [(CX - 12, CY - 14), (CX + 8, CY - 14), (CX + 13, CY - 6), (CX - 7, CY - 6), (CX - 12, CY + 2),
           (CX + 8, CY + 2), (CX + 13, CY + 10), (CX - 7, CY + 10)]
    for a, b, c, d in ((pts[0], pts[1], pts[2], pts[3]), (pts[3], pts[2], pts[5], pts[4]),
                       (pts[4], pts[5], pts[6], pts[7])):
        s.polygon([a, b, c, d], INK)
        s.polygon([(a[0] + 1.2, a[1] + 0.8), (b[0] - 0.4, b[1] + 0.8), (c[0] - 1.2, c[1] - 0.8),
                   (d[0] + 0.4, d[1] - 0.8)], PAPER)
    for k in range(6):
        y = CY - 12 + k * 4
        t = (y - (CY - 14)) % 16
        off = t / 8 * 5 if t < 8 else (16 - t) / 8 * 5
        s.ellipse(CX - 10 + off, y, 0.9, 0.9, (120, 120, 130))
        s.ellipse(CX + 10 - 5 + off, y, 0.9, 0.9, (120, 120, 130))
    red_cross(s, CX + 6, CY + 8, 7)


def cartridge_icon(s, body=(50, 52, 60), band=(40, 140, 220), drum=None):
    s.polygon([(CX - 18, CY + 2), (CX + 10, CY + 2), (CX + 18, CY - 6), (CX - 10, CY - 6)],
              shade(body, 0.35))
    s.rect(CX - 18, CY + 2, CX + 10, CY + 10, body)
    s.polygon([(CX + 10, CY + 2), (CX + 18, CY - 6), (CX + 18, CY + 2), (CX + 10, CY + 10)],
              shade(body, -0.3))
    s.rect(CX - 8, CY + 4, CX + 1, CY + 8, band)
    if drum:
        s.polygon([(CX - 18, CY + 10), (CX + 10, CY + 10), (CX + 14, CY + 6), (CX - 14, CY + 6)], drum)
        s.rect(CX - 18, CY + 10, CX + 10, CY + 12.5, shade(drum, -0.3))


def toner_drop(s, cx, cy, r):
    s.polygon([(cx, cy - r * 1.9), (cx + r * 0.8, cy - r * 0.4), (cx - r * 0.8, cy - r * 0.4)], WHITE)
    s.ellipse(cx, cy, r + 1, r + 1, WHITE)
    s.polygon([(cx, cy - r * 1.6), (cx + r * 0.75, cy - r * 0.45), (cx - r * 0.75, cy - r * 0.45)], INK)
    s.ellipse(cx, cy, r, r, INK)


def icon_toner(s):
    badge(s, AMBER)
    cartridge_icon(s)
    toner_drop(s, CX - 8, CY - 11, 4.5)
    red_cross(s, CX + 5, CY - 12, 4.5, 3.2)


def icon_toner_cartridge(s):
    badge(s, AMBER)
    cartridge_icon(s, body=(70, 70, 78), band=(240, 200, 40), drum=(40, 150, 80))
    toner_drop(s, CX - 8, CY - 11, 4.5)
    red_cross(s, CX + 5, CY - 12, 4.5, 3.2)


def icon_paper_size(s):
    badge(s, BLUE)
    sheet(s, CX - 15, CY - 14, CX + 4, CY + 14, lines=False)
    sheet(s, CX - 2, CY - 4, CX + 15, CY + 14, lines=False)
    # a double arrow across the small sheet: the size does not match
    s.line((CX + 1, CY + 5), (CX + 12, CY + 5), 1.8, RED)
    s.polygon([(CX - 1, CY + 5), (CX + 3.5, CY + 1.5), (CX + 3.5, CY + 8.5)], RED)
    s.polygon([(CX + 14, CY + 5), (CX + 9.5, CY + 1.5), (CX + 9.5, CY + 8.5)], RED)
    s.rect(CX - 12, CY - 11, CX + 1, CY - 9.8, (150, 150, 160))
    s.rect(CX - 12, CY - 8, CX - 3, CY - 6.8, (150, 150, 160))


def wrench(s, cx, cy, angle, length, colour):
    ca, sa = math.cos(angle), math.sin(angle)

    def at(u, v):
        return (cx + u * ca - v * sa, cy + u * sa + v * ca)
    h = length / 2
    s.polygon([at(-h + 5, -2.4), at(h - 5, -2.4), at(h - 5, 2.4), at(-h + 5, 2.4)], colour)
    for end in (-1, 1):
        ex, ey = at(end * (h - 4), 0)
        s.ellipse(ex, ey, 6, 6, colour)
        # the jaw opening
        jx, jy = at(end * (h + 0.5), 0)
        s.polygon([at(end * (h - 3), -2.2), at(end * (h + 3), -2.2), at(end * (h + 3), 2.2),
                   at(end * (h - 3), 2.2)], (0, 0, 0), mode='cut')
        del jx, jy


def icon_service_call(s):
    badge(s, RED, 'square')
    inner = shade(RED, -0.05)
    wrench(s, CX, CY, math.radians(-45), 34, WHITE)
    # the cut jaws show the badge again
    for end in (-1, 1):
        a = math.radians(-45)
        ex, ey = CX + end * 17.5 * math.cos(a), CY + end * 17.5 * math.sin(a)
        s.ellipse(ex, ey, 2.6, 2.6, inner)
    s.rounded(CX + 4, CY + 8, CX + 17, CY + 17, 2.5, WHITE)
    s.rect(CX + 6, CY + 10, CX + 15, CY + 12, RED)
    s.rect(CX + 6, CY + 13.5, CX + 12, CY + 15, RED)


def icon_paper_jam(s):
    badge(s, (250, 196, 20), 'triangle')
    s.stroke([(CX, CY - 19), (CX + 20.5, CY + 16.5), (CX - 20.5, CY + 16.5)], 1.6, INK)
    # a sheet crumpled as it leaves a pair of rollers
    for ry in (CY - 1.5, CY + 9):
        s.ellipse(CX - 8, ry, 5.2, 5.2, INK)
        s.ellipse(CX - 8, ry, 3.8, 3.8, (96, 100, 110))
        s.ellipse(CX - 9, ry - 1, 1.4, 1.4, (180, 184, 194))
    zig = [(CX - 17, CY + 3.8), (CX - 4, CY + 3.8), (CX + 1, CY - 5), (CX + 5, CY + 11), (CX + 9, CY - 2),
           (CX + 13, CY + 13)]
    s.stroke(zig, 5.0, INK, closed=False)
    s.stroke(zig, 2.8, PAPER, closed=False)
    s.ellipse(CX - 8, CY + 3.8, 1.2, 1.2, INK)


ART = {
    'BACKGROUND_C': background_normal,
    'BACKGROUND_0': background_alarm,
    'ICO_ERROR': icon_error,
    'ICO_PRINT0': icon_printing,
    'ICO_EMPTY0': icon_paper_out,
    'ICO_EMPTY1': icon_paper_low,
    'ICO_EMPTY2': icon_tray_empty,
    'ICO_EMPTY3': icon_forms_empty,
    'ICO_TONER0': icon_toner,
    'ICO_TONER1': icon_toner_cartridge,
    'ICO_SIZE': icon_paper_size,
    'ICO_CALL': icon_service_call,
    'ICO_PJAM': icon_paper_jam,
}

__all__ = ['ART', 'badge', 'cartridge_icon', 'toner_drop', 'red_cross', 'AMBER', 'CX', 'CY', 'rounded_points']
