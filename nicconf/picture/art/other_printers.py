"""The colour page printer, the impact printers and the generic bodies."""
import math

from kit import (View, box, drawer_front, front_line, front_rect, lifted_lid, panel, plinth, quad, seam,
                 side_rect, top_rect, vents, OUTLINE, PAPER, SLOT)
from raster import linear, shade
import page_printers

ART = {}


def art(name):
    def register(f):
        ART[name] = f
        return f
    return register


# -- COLOR1 ------------------------------------------------------------------------
# One picture: body front 92 x 86, 80 deep, two drawers, a colour print on top.

C1 = View(47, 174)
C1W, C1H, C1D = 92, 86, 80
C1_COLOUR = (238, 238, 234)
C1_TOP = (70, 74, 84)
INKS = ((0, 170, 230), (226, 0, 122), (250, 220, 0), (30, 30, 34))


@art('P_C1_BODY')
def c1_body(s):
    page_printers.page_body(s, C1, C1W, C1H, C1D, C1_COLOUR, [(20, 35), (3, 18)], None, top_colour=C1_TOP,
                            recess=False, seam_y=40)
    v = C1
    # output tray in the dark top with a colour print lying in it
    top_rect(s, v, 10, 14, C1W - 26, C1D - 16, C1H, shade(C1_TOP, -0.3))
    sheet = [(16, C1H + 0.5, 18), (C1W - 32, C1H + 0.5, 18), (C1W - 32, C1H + 1.5, C1D - 20),
             (16, C1H + 1.5, C1D - 20)]
    quad(s, v, sheet, PAPER)
    for k, ink in enumerate(INKS[:3]):
        x0 = 20 + k * 14
        quad(s, v, [(x0, C1H + 1.6, 26), (x0 + 11, C1H + 1.6, 26), (x0 + 11, C1H + 1.6, 50),
                    (x0, C1H + 1.6, 50)], ink)
    s.stroke(v.pts(sheet), 0.6, (160, 160, 160))
    # dark front band with the panel and the four ink windows
    front_rect(s, v, 0.5, 66, C1W - 0.5, 85.5, 0, linear(v.p(0, 86, 0), shade(C1_TOP, 0.25), v.p(0, 66, 0),
                                                       C1_TOP))
    panel(s, v, 54, 88, 70, 82, 0, lcd=(150, 200, 240))
    for k, ink in enumerate(INKS):
        x0 = 8 + k * 11
        front_rect(s, v, x0, 48, x0 + 8, 58, 0, shade(ink, 0.1))
        front_line(s, v, x0, 58, x0 + 8, 58, 0, 0.7, shade(ink, 0.5))
        s.stroke(v.pts([(x0, 48, 0), (x0 + 8, 48, 0), (x0 + 8, 58, 0), (x0, 58, 0)]), 0.6, OUTLINE)
    front_rect(s, v, 56, 50, 86, 52, 0, shade(C1_COLOUR, -0.45))


# -- Impact printers ---------------------------------------------------------------
# A low wide body 30 high; a smoked cover over the print head; the platen
# knob on the right.

IM = View(62, 160)
IMW, IMH, IMD = 86, 30, 52
IM_COLOUR = (222, 218, 206)
SMOKE = (96, 78, 66)


def impact_body(s, v, w, colour=IM_COLOUR, printed=True):
    plinth(s, v, w, IMD)
    box(s, v, 0, 0, 0, w, IMH, IMD, colour)
    # the lower front with the paper exit and the panel
    front_rect(s, v, 0.5, 4, w - 0.5, 8, 0, shade(colour, -0.35))
    front_rect(s, v, 2, 5.2, w - 2, 6.8, 0, SLOT)
    panel(s, v, w - 22, w - 3, 12, 19, 0)
    seam(s, v, 0.5, w - 0.5, 22, 0, colour)
    # the smoked cover over the print head on the top
    cover = [(4, IMH, 3), (w - 4, IMH, 3), (w - 4, IMH + 4, 30), (4, IMH + 4, 30)]
    quad(s, v, cover, linear(v.p(4, IMH, 30), shade(SMOKE, 0.35), v.p(4, IMH, 3), SMOKE))
    quad(s, v, [(w - 4, IMH, 3), (w - 4, IMH + 4, 30), (w - 4, IMH, 30)], shade(SMOKE, -0.3))
    s.stroke(v.pts(cover), 0.8, OUTLINE)
    # head carriage seen through the smoked cover
    quad(s, v, [(w * 0.3, IMH + 1.2, 12), (w * 0.3 + 10, IMH + 1.2, 12), (w * 0.3 + 10, IMH + 2.4, 22),
                (w * 0.3, IMH + 2.4, 22)], shade(SMOKE, -0.4), alpha=0.8)
    # platen knob
    kx, ky = v.p(w, IMH * 0.6, IMD * 0.55)
    s.ellipse(kx + 3, ky, 3.2, 5.2, (50, 50, 56))
    s.ellipse(kx + 3.6, ky - 0.6, 1.6, 3.0, (110, 110, 118))
    vents(s, v, w, IMD * 0.2, IMD * 0.45, 6, 18, 4, colour)
    if printed:
        # printed forms leaving the top behind the cover
        sheet = [(8, IMH + 2, 34), (w - 8, IMH + 2, 34), (w - 8, IMH + 20, 38), (8, IMH + 20, 38)]
        quad(s, v, sheet, PAPER)
        for k in range(4):
            y = IMH + 5 + k * 3.6
            s.line(v.p(14, y, 34.7 + k * 0.8), v.p(w - 14 - (k % 2) * 14, y, 34.7 + k * 0.8), 0.8, (120, 120, 136))
        for x in (10, w - 10):
            for k in range(5):
                y = IMH + 3.5 + k * 3.5
                s.ellipse(*v.p(x, y, 34.5 + k * 0.7), 0.7, 0.7, (150, 150, 150))
        s.stroke(v.pts(sheet), 0.6, (150, 150, 150))


@art('P_I1_BODY')
def i1_body(s):
    impact_body(s, IM, IMW)


@art('P_I1_TRACTER')
def i1_tractor(s):
    # the push tractor at the back and the fan-fold forms going in
    v = IM
    paper = [(10, IMH + 2, 44), (IMW - 10, IMH + 2, 44), (IMW - 10, IMH + 34, 62), (10, IMH + 34, 62)]
    quad(s, v, paper, linear(v.p(0, IMH + 34, 62), (236, 236, 230), v.p(0, IMH, 44), PAPER))
    for k in range(1, 3):
        t = k / 3.0
        a = (10, IMH + 2 + 32 * t, 44 + 18 * t)
        b = (IMW - 10, IMH + 2 + 32 * t, 44 + 18 * t)
        s.line(v.p(*a), v.p(*b), 0.7, (180, 180, 176))
    for x in (13, IMW - 13):
        for k in range(8):
            t = (k + 0.5) / 8
            s.ellipse(*v.p(x, IMH + 2 + 32 * t, 44 + 18 * t), 0.8, 0.8, (140, 140, 140))
    s.stroke(v.pts(paper), 0.6, (150, 150, 150))
    for x in (4, IMW - 16):
        box(s, v, x, IMH, 38, 12, 5, 12, (60, 62, 70), outline=(30, 30, 34))
        top_rect(s, v, x + 4, 39, x + 8, 49, IMH + 5, (30, 30, 34))


@art('P_I1_FEEDER')
def i1_feeder(s):
    # a cut-sheet feeder on top: a slanted bin holding a stack of sheets
    v = IM
    base = [(12, IMH + 4, 28), (IMW - 12, IMH + 4, 28)]
    del base
    box(s, v, 10, IMH + 1, 24, IMW - 20, 6, 16, (70, 72, 80), outline=(30, 30, 34))
    sheets = [(16, IMH + 7, 30), (IMW - 16, IMH + 7, 30), (IMW - 16, IMH + 38, 46), (16, IMH + 38, 46)]
    for k in range(3):
        quad(s, v, [(p[0], p[1], p[2] + k * 1.2) for p in sheets], PAPER if k == 0 else (230, 230, 226))
    s.stroke(v.pts(sheets), 0.6, (150, 150, 150))
    for x in (12, IMW - 14):
        quad(s, v, [(x, IMH + 7, 28), (x + 2, IMH + 7, 28), (x + 2, IMH + 40, 46), (x, IMH + 40, 46)],
             (60, 62, 70))


@art('P_I1_COVER')
def i1_cover(s):
    v = IM
    top_rect(s, v, 4, 3, IMW - 4, 30, IMH, (36, 36, 40))
    box(s, v, 10, IMH, 10, IMW - 20, 3, 4, (90, 92, 100), outline=None)
    box(s, v, IMW * 0.35, IMH + 1, 12, 10, 6, 10, (60, 62, 70), outline=(24, 24, 28))
    lifted_lid(s, v, 4, IMW - 4, 3, 30, IMH + 4, 1.5, math.radians(62), SMOKE)


# -- Generic bodies -----------------------------------------------------------------

GP = View(58, 164)
GPW, GPH, GPD = 66, 60, 62
GP_COLOUR = (216, 216, 214)


@art('P_UNKNOWN_BODY0_2')
def generic_page(s):
    page_printers.page_body(s, GP, GPW, GPH, GPD, GP_COLOUR, [(3, 16)], (44, 62, 46, 54), seam_y=40)
    # a second paper drawer
    drawer_front(s, GP, 2, GPW - 2, 19, 32, 0, GP_COLOUR)


G2 = View(58, 150)
G3 = View(42, 150)


@art('P_UNKNOWN_BODY2_2')
def generic_impact_narrow(s):
    impact_body(s, G2, 70, (214, 214, 210))


@art('P_UNKNOWN_BODY3_2')
def generic_impact_wide(s):
    impact_body(s, G3, 104, (214, 214, 210))


del side_rect
