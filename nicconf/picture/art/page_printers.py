"""The page printers: LASER1 to LASER7B.

Each family has one view (the front, bottom, left corner of its body on the
canvas) and its sizes; every part is drawn from them, so a hopper lands
under the body and a cover over it wherever the geometry puts the bitmaps.
"""
import math

from kit import (View, box, cartridge, cavity, drawer_front, dropped_door, empty_drawer, front_line,
                 front_rect, lifted_lid, panel, paper_stack, plinth, quad, seam, side_door, side_rect,
                 slot_opening, top_rect, vents, BODY, OUTLINE, PAPER, RED, SLOT, TRIM)
from raster import linear, shade
import common_art

ART = {}


def art(name):
    def register(f):
        ART[name] = f
        return f
    return register


# -- pieces shared by the page printers ---------------------------------------

def hopper_unit(s, v, w, d, band, colour, drawer=(4, None), drawers=1):
    """An optional paper unit under a printer: its top hidden under the
    printer, a front of `drawers` drawers, its foot strip."""
    box(s, v, 0, -band, 0, w, band, d, colour, top=False)
    x0, x1 = drawer[0], (drawer[1] if drawer[1] is not None else w - drawer[0])
    step = band / drawers
    for k in range(drawers):
        y1 = -k * step - 1.5
        drawer_front(s, v, x0, x1, y1 - step + 2.5, y1, 0, colour)
    plinth(s, v.moved(dy=-band), w, d)
    side_rect(s, v, w, 6, -band + 2, 12, -2, shade(colour, -0.42))


def side_tray(s, v, x, z0, z1, y, reach, colour, empty=False, rise=5):
    """A paper tray standing out of a right face (a manual feed or
    multi-purpose tray)."""
    slot = [(x, y - 1, z0 + 2), (x, y - 1, z1 - 2), (x, y + 4, z1 - 2), (x, y + 4, z0 + 2)]
    quad(s, v, slot, SLOT)
    tray = [(x, y, z0), (x + reach, y + rise, z0), (x + reach, y + rise, z1), (x, y, z1)]
    floor = (linear(v.p(x, y, z0), RED, v.p(x + reach, y, z1), (255, 110, 96)) if empty
             else shade(colour, 0.25))
    quad(s, v, tray, floor)
    # lip at the outer end, and the edge towards the viewer
    quad(s, v, [(x + reach, y + rise, z0), (x + reach, y + rise, z1), (x + reach, y + rise + 3, z1),
                (x + reach, y + rise + 3, z0)], shade(colour, -0.25))
    quad(s, v, [(x, y, z0), (x + reach, y + rise, z0), (x + reach, y + rise - 2, z0), (x, y - 2, z0)],
         shade(colour, -0.05))
    if empty:
        for k in range(3):
            t = 0.3 + 0.22 * k
            s.line(v.p(x + reach * t - 3, y + rise * t, z0 + 5), v.p(x + reach * t + 3, y + rise * t, z1 - 5),
                   1.2, (255, 200, 190))
        # the paper guides stand up red round the empty tray
        for z in (z0 + 1, z1 - 1):
            guide = [(x + 2, y, z), (x + reach - 2, y + rise, z), (x + reach - 2, y + rise + 5, z),
                     (x + 2, y + 5, z)]
            quad(s, v, guide, RED if z < z1 - 1 else (255, 120, 110))
            s.stroke(v.pts(guide), 0.6, (150, 20, 16))
    else:
        # paper lying in the tray, half inside the printer
        sheet = [(x - 1, y + 1.2, z0 + 4), (x + reach - 4, y + rise * (1 - 4 / reach) + 1.2, z0 + 4),
                 (x + reach - 4, y + rise * (1 - 4 / reach) + 1.2, z1 - 4), (x - 1, y + 1.2, z1 - 4)]
        quad(s, v, sheet, PAPER)
        s.stroke(v.pts(sheet), 0.6, (170, 170, 165))
    s.stroke(v.pts(tray), 0.8, OUTLINE)


def output_recess(s, v, x0, x1, z0, z1, y, colour, paper=True):
    """The face-down output tray sunk into a top, a printed sheet in it."""
    top_rect(s, v, x0, z0, x1, z1, y, shade(colour, -0.25))
    quad(s, v, [(x0, y, z0), (x1, y, z0), (x1, y - 3, z0 + 2), (x0, y - 3, z0 + 2)], shade(colour, -0.45))
    if paper:
        sx0, sx1 = x0 + (x1 - x0) * 0.18, x1 - (x1 - x0) * 0.18
        sheet = [(sx0, y - 2, z0 + 3), (sx1, y - 2, z0 + 3), (sx1, y - 1, z1 - 2), (sx0, y - 1, z1 - 2)]
        quad(s, v, sheet, PAPER)
        for k in range(4):
            t = 0.3 + 0.15 * k
            z = z0 + 3 + (z1 - z0 - 5) * t
            s.line(v.p(sx0 + 3, y - 1.5, z), v.p(sx1 - 3 - (k % 2) * 6, y - 1.5, z), 0.7, (150, 150, 160))


def open_top(s, v, w, d, h, colour, z_front, angle, cartridge_colour=(60, 62, 70), band=(40, 150, 210),
             lip=0.0, hinge_back=None):
    """A top cover lifted on its back hinge over the printer's open inside
    with the cartridge in it."""
    hb = d if hinge_back is None else hinge_back
    cavity(s, v, 3, w - 3, z_front + 1, hb - 2, h)
    cartridge(s, v, 8, w - 8, h - 9, z_front + 6, z_front + 6 + (hb - z_front) * 0.45, cartridge_colour, band)
    # green release levers
    for x in (5, w - 8):
        top_rect(s, v, x, z_front + 3, x + 3, z_front + 10, h - 1, (40, 170, 90))
    lifted_lid(s, v, 0.5, w - 0.5, z_front, hb, h, 3.0, angle, colour, lip)


def open_front(s, v, x0, x1, y_hinge, height, colour, cartridge_colour=(60, 62, 70), band=(40, 150, 210),
               angle=math.radians(70)):
    """A front door hinged at its bottom edge, fallen open: the dark inside
    and the cartridge behind it."""
    front_rect(s, v, x0, y_hinge, x1, y_hinge + height, 0, (40, 42, 48))
    quad(s, v, [(x0, y_hinge + height, 0), (x1, y_hinge + height, 0), (x1, y_hinge + height, 8),
                (x0, y_hinge + height, 8)], (26, 28, 32))
    box(s, v, x0 + 4, y_hinge + height * 0.3, 4, x1 - x0 - 8, height * 0.45, 10, cartridge_colour,
        outline=(24, 24, 28))
    front_rect(s, v, x0 + (x1 - x0) * 0.4, y_hinge + height * 0.45, x0 + (x1 - x0) * 0.6,
               y_hinge + height * 0.62, 4, band)
    dropped_door(s, v, x0, x1, y_hinge, 0, height, angle, colour, inner=shade(colour, -0.3))


def page_body(s, v, w, h, d, colour, drawers, panel_at, top_colour=None, recess=True, stripe=None,
              seam_y=None, side_vents=True):
    """The body of a page printer: a shaded cabinet, the output tray sunk in
    its top, a control panel, paper drawers and its foot strip."""
    plinth(s, v, w, d)
    box(s, v, 0, 0, 0, w, h, d, colour)
    if top_colour:
        top_rect(s, v, 0, 0, w, d, h, linear(v.p(0, h, d), shade(top_colour, 0.3), v.p(0, h, 0), top_colour))
        s.line(v.p(0, h, 0), v.p(w, h, 0), 0.8, shade(top_colour, 0.5))
    if recess:
        output_recess(s, v, w * 0.1, w * 0.78, d * 0.15, d * 0.75, h, top_colour or colour)
    if seam_y is not None:
        seam(s, v, 0.5, w - 0.5, seam_y, 0, colour)
    if stripe:
        front_rect(s, v, 0.5, stripe[0], w - 0.5, stripe[1], 0, stripe[2])
    if panel_at:
        panel(s, v, *panel_at, 0)
    for y0, y1 in drawers:
        drawer_front(s, v, 2, w - 2, y0, y1, 0, colour)
    if side_vents:
        vents(s, v, w, d * 0.45, d * 0.9, h * 0.45, h * 0.8, 6, colour)


# -- LASER1 and LASER2 ----------------------------------------------------------
# Body front 60 x 53, 70 deep; the front, bottom, left corner at (70, 140.5).

L1 = View(70, 140.5)
L1W, L1H, L1D = 60, 53, 70
L1_COLOUR = (226, 224, 216)


@art('P_L1_BODY')
def l1_body(s):
    page_body(s, L1, L1W, L1H, L1D, L1_COLOUR, [(3, 15)], (38, 57, 42, 50), seam_y=39,
              stripe=(18, 19.5, (60, 110, 190)))


@art('P_L2_BODY')
def l2_body(s):
    c = (214, 212, 204)
    page_body(s, L1, L1W, L1H, L1D, c, [(3, 15)], None, top_colour=(96, 100, 110), seam_y=39)
    # a dark front band with a wide display
    front_rect(s, L1, 0.5, 40, L1W - 0.5, 52.5, 0, linear(L1.p(0, 52, 0), (96, 100, 110), L1.p(0, 40, 0),
                                                         (70, 74, 82)))
    panel(s, L1, 22, 56, 42, 51, 0, lcd=(140, 190, 230))
    front_rect(s, L1, 0.5, 17, L1W - 0.5, 20, 0, (200, 60, 50))


@art('P_L1_HOPPER')
def l1_hopper(s):
    hopper_unit(s, L1, L1W, L1D, 13, L1_COLOUR, drawer=(4, 52))


@art('P_L1_FEEDER')
def l1_feeder(s):
    side_tray(s, L1, L1W, 14, 56, 16, 26, L1_COLOUR, rise=4)


@art('P_L1_EMPTY3')
def l1_empty_body(s):
    slot_opening(s, L1, 2, 58, 3, 15, 0)
    empty_drawer(s, L1, 3, 57, 3, 14, -46, 4, L1_COLOUR)


@art('P_L1_EMPTY2')
def l1_empty_hopper(s):
    slot_opening(s, L1, 4, 52, -12, -1.5, 0, depth=1.5)
    empty_drawer(s, L1, 5, 51, -12, -2, -60, -2, L1_COLOUR)


@art('P_L1_COVER')
def l1_cover(s):
    open_top(s, L1, L1W, L1D, L1H, L1_COLOUR, 12, math.radians(32))


# -- LASER3 ------------------------------------------------------------------------
# Compact: body front 62 x 58, 56 deep; hoppers 18 high.

L3 = View(62, 150)
L3W, L3H, L3D, L3B = 62, 58, 56, 18
L3_COLOUR = (236, 236, 232)
L3_TOP = (74, 76, 86)


@art('P_L3_BODY')
def l3_body(s):
    page_body(s, L3, L3W, L3H, L3D, L3_COLOUR, [(1, 16.5)], None, top_colour=L3_TOP, seam_y=21)
    front_rect(s, L3, 0.5, 48, L3W - 0.5, 57.5, 0, linear(L3.p(0, 58, 0), shade(L3_TOP, 0.2), L3.p(0, 48, 0),
                                                          L3_TOP))
    panel(s, L3, 38, 58, 49.5, 56.5, 0)
    # the front door's finger grip
    front_rect(s, L3, 22, 42, 40, 44, 0, shade(L3_COLOUR, -0.45))


@art('P_L3_HOPPER')
def l3_hopper(s):
    hopper_unit(s, L3, L3W, L3D, L3B, L3_COLOUR)


@art('P_L3_FEEDER')
def l3_feeder(s):
    side_tray(s, L3, L3W, 12, 46, 26, 24, L3_COLOUR, empty=True)


@art('P_L3_EMPTY1')
def l3_empty(s):
    slot_opening(s, L3, 4, 58, 1, 16.5, 0)
    empty_drawer(s, L3, 5, 57, 1, 16, -40, 2, L3_COLOUR)


@art('P_L3_COVER1')
def l3_cover_top(s):
    open_top(s, L3, L3W, L3D, L3H, L3_TOP, 8, math.radians(38), band=(240, 190, 40))


@art('P_L3_COVER2')
def l3_cover_front(s):
    open_front(s, L3, 1, L3W - 1, 20, 26, L3_COLOUR, band=(240, 190, 40))


# -- LASER4 ------------------------------------------------------------------------
# Body front 66 x 52, 56 deep; with flag 11 a duplex drawer 10 high under it.

L4 = View(62, 136)
L4W, L4H, L4D, L4B, L4DUP = 66, 52, 56, 14, 10
L4_COLOUR = (230, 226, 214)
L4_ACCENT = (40, 150, 150)


def l4_top(s, v):
    page_body(s, v, L4W, L4H, L4D, L4_COLOUR, [(3, 15)], (44, 63, 42, 49), seam_y=37,
              stripe=(37.5, 39, L4_ACCENT))
    side_rect(s, v, L4W, 14, 20, 44, 23, shade(L4_COLOUR, -0.5))


@art('P_L4_BODY0')
def l4_body0(s):
    l4_top(s, L4)


@art('P_L4_BODY1')
def l4_body1(s):
    low = L4.moved(dy=-L4DUP)
    plinth(s, low, L4W, L4D)
    box(s, low, 0, 0, 0, L4W, L4DUP, L4D, shade(L4_COLOUR, -0.08), top=False)
    front_rect(s, low, 6, 3, L4W - 6, 7, 0, shade(L4_COLOUR, -0.3))
    front_rect(s, low, 0.5, 8, L4W - 0.5, 9, 0, L4_ACCENT)
    l4_top(s, L4)


@art('P_L4_HOPPER')
def l4_hopper(s):
    hopper_unit(s, L4, L4W, L4D, L4B, L4_COLOUR)


@art('P_L4_EMPTY0')
def l4_empty_manual(s):
    side_tray(s, L4, L4W, 12, 46, 21, 24, L4_COLOUR, empty=True)


@art('P_L4_EMPTY1')
def l4_empty_body(s):
    slot_opening(s, L4, 2, L4W - 2, 3, 15, 0)
    empty_drawer(s, L4, 3, L4W - 3, 3, 14, -42, 2, L4_COLOUR)


@art('P_L4_EMPTY2')
def l4_empty_hopper(s):
    slot_opening(s, L4, 4, L4W - 4, -13, -1.5, 0)
    empty_drawer(s, L4, 5, L4W - 5, -13, -2, -44, 0, L4_COLOUR)


@art('P_L4_COVER1')
def l4_cover_duplex(s):
    low = L4.moved(dy=-L4DUP)
    open_front(s, low, 1, L4W - 1, 1, 8, L4_COLOUR, angle=math.radians(80))


@art('P_L4_COVER2')
def l4_cover_front(s):
    open_front(s, L4, 1, L4W - 1, 17, 19, L4_COLOUR)


# -- LASER5 ------------------------------------------------------------------------
# Body front 76 x 72 with two drawers, 60 deep; hoppers 18 high, sorter 18 on
# top, feeder on the right; a duplex unit on the left with flag 11.

L5 = View(52, 138)
L5W, L5H, L5D, L5B = 76, 72, 60, 18
L5_COLOUR = (222, 224, 226)
L5_DARK = (86, 92, 104)


def l5_duplex(s):
    box(s, L5, -12, 12, 8, 12, 46, 44, shade(L5_COLOUR, -0.06))
    front_line(s, L5, -10, 20, -2, 20, 8, 0.8, shade(L5_COLOUR, -0.5))
    front_rect(s, L5, -9, 40, -3, 42, 8, shade(L5_COLOUR, -0.5))


def l5_body(s):
    page_body(s, L5, L5W, L5H, L5D, L5_COLOUR, [(19, 34.5), (1, 16.5)], (50, 72, 58, 67),
              top_colour=(200, 204, 210), seam_y=54, stripe=(37, 39, L5_DARK))
    side_tray_closed(s, L5, L5W, 14, 50, 40, L5_COLOUR)


def side_tray_closed(s, v, x, z0, z1, y, colour):
    """The outline of a multi-purpose tray folded into a right face."""
    side_rect(s, v, x, z0, y - 6, z1, y + 6, shade(colour, -0.28))
    s.stroke(v.pts([(x, y - 6, z0), (x, y - 6, z1), (x, y + 6, z1), (x, y + 6, z0)]), 0.7,
             shade(colour, -0.55))


@art('P_L5_BODY0')
def l5_body0(s):
    l5_body(s)


@art('P_L5_BODY1')
def l5_body1(s):
    l5_duplex(s)
    l5_body(s)


@art('P_L5_HOPPER')
def l5_hopper(s):
    hopper_unit(s, L5, L5W, L5D, L5B, L5_COLOUR)


def l5_sorter_at(s, v, lift=0.0):
    box(s, v, 4, L5H, 6, L5W - 8, 18, L5D - 12, L5_COLOUR)
    for k in range(4):
        y = L5H + 2.5 + k * 4
        quad(s, v, [(0, y, 0), (L5W - 4, y, 0), (L5W - 4, y + 1.6, 6), (0, y + 1.6, 6)], shade(L5_COLOUR, -0.2))
        quad(s, v, [(6, y + 0.6, 1), (L5W - 12, y + 0.6, 1), (L5W - 12, y + 1.8, 5), (6, y + 1.8, 5)], PAPER)
        s.line(v.p(0, y, 0), v.p(L5W - 4, y, 0), 0.7, OUTLINE)


@art('P_L5_SORTER')
def l5_sorter(s):
    l5_sorter_at(s, L5)


@art('P_L5_FEEDER')
def l5_feeder(s):
    # a deep feeder box hung on the right side
    box(s, L5, L5W, 28, 10, 14, 20, 44, L5_COLOUR)
    side_tray(s, L5, L5W + 14, 12, 52, 40, 8, L5_COLOUR, rise=2)


def l5_empty(y0, y1):
    def draw(s):
        slot_opening(s, L5, 2, L5W - 2, y0, y1, 0)
        empty_drawer(s, L5, 3, L5W - 3, y0, y1 - 0.5, -40, 4, L5_COLOUR)
    return draw


# drawn for the upper drawer of the body, and for the lower hopper
ART['P_L5_EMPTY0'] = l5_empty(19, 34.5)
ART['P_L5_EMPTY1'] = l5_empty(-35, -19.5)


@art('P_L5_EMPTY2')
def l5_empty_manual(s):
    side_tray(s, L5, L5W, 14, 50, 36, 22, L5_COLOUR, empty=True)


@art('P_L5_COVER0')
def l5_cover(s):
    open_top(s, L5, L5W, L5D, L5H, (200, 204, 210), 10, math.radians(28))


@art('P_L5_COVER1')
def l5_cover_sorter(s):
    # the top cover lifts with the sorter on it
    cavity(s, L5, 3, L5W - 3, 11, L5D - 2, L5H)
    cartridge(s, L5, 8, L5W - 8, L5H - 9, 16, 36)
    a = math.radians(24)
    hinge = L5.moved(dy=L5H, dz=L5D)

    def lifted(x, y, z):
        dy, dz = y - L5H, z - L5D
        return (x, L5H + dy * math.cos(a) - dz * math.sin(a), L5D + dz * math.cos(a) + dy * math.sin(a))
    del hinge
    corners = [(0, L5H, 10), (L5W, L5H, 10), (L5W, L5H, L5D), (0, L5H, L5D)]
    quad(s, L5, [lifted(*c) for c in corners], shade((200, 204, 210), -0.4))
    # the sorter block, turned with the lid
    for y0 in (0, 18):
        pass
    pts_front = [lifted(4, L5H, 6 + 4), lifted(L5W - 4, L5H, 6 + 4), lifted(L5W - 4, L5H + 18, 6 + 4),
                 lifted(4, L5H + 18, 6 + 4)]
    pts_top = [lifted(4, L5H + 18, 10), lifted(L5W - 4, L5H + 18, 10), lifted(L5W - 4, L5H + 18, L5D - 6),
               lifted(4, L5H + 18, L5D - 6)]
    pts_side = [lifted(L5W - 4, L5H, 10), lifted(L5W - 4, L5H, L5D - 6), lifted(L5W - 4, L5H + 18, L5D - 6),
                lifted(L5W - 4, L5H + 18, 10)]
    quad(s, L5, pts_side, shade(L5_COLOUR, -0.28))
    quad(s, L5, pts_top, shade(L5_COLOUR, 0.4))
    quad(s, L5, pts_front, L5_COLOUR)
    for k in range(4):
        y = L5H + 2.5 + k * 4
        quad(s, L5, [lifted(4, y, 9), lifted(L5W - 4, y, 9), lifted(L5W - 4, y + 1.6, 12), lifted(4, y + 1.6, 12)],
             shade(L5_COLOUR, -0.25))
    for pts in (pts_front, pts_top, pts_side):
        s.stroke(L5.pts(pts), 0.8, OUTLINE)


@art('P_L5_COVER3')
def l5_cover_duplex(s):
    # the duplex unit's door swung open to the left
    front_rect(s, L5, -11, 14, -1, 56, 8, (40, 42, 48))
    a = math.radians(60)
    door = [(-12, 13, 8), (-12 - 16 * math.sin(a), 13, 8 - 16 * math.cos(a)),
            (-12 - 16 * math.sin(a), 57, 8 - 16 * math.cos(a)), (-12, 57, 8)]
    quad(s, L5, door, shade(L5_COLOUR, -0.1))
    s.stroke(L5.pts(door), 0.8, OUTLINE)
    for k in range(3):
        z = 14 + k * 10
        s.line(L5.p(-6, 20, z), L5.p(-6, 50, z), 1.6, (30, 120, 70))


# -- LASER6 ------------------------------------------------------------------------
# Body front 70 x 56, 60 deep; two-drawer hopper units 26 high under it;
# sorter on top, duplex unit on the right, finisher on the left.

L6 = View(74, 118)
L6W, L6H, L6D, L6B = 70, 56, 60, 26
L6_COLOUR = (214, 218, 222)
L6_TOP = (104, 112, 124)


@art('P_L6_BODY')
def l6_body(s):
    page_body(s, L6, L6W, L6H, L6D, L6_COLOUR, [(2, 14)], (44, 67, 47, 54), top_colour=L6_TOP, seam_y=44,
              stripe=(16, 17.5, (200, 90, 40)))
    # the multi-purpose tray folded into the front
    front_rect(s, L6, 8, 24, L6W - 8, 34, 0, shade(L6_COLOUR, -0.12))
    s.stroke(L6.pts([(8, 24, 0), (L6W - 8, 24, 0), (L6W - 8, 34, 0), (8, 34, 0)]), 0.7,
             shade(L6_COLOUR, -0.5))


@art('P_L6_HOPPER')
def l6_hopper(s):
    hopper_unit(s, L6, L6W, L6D, L6B, L6_COLOUR, drawers=2)


@art('P_L6_DUPLEX')
def l6_duplex(s):
    box(s, L6, L6W, 8, 8, 10, 40, 46, shade(L6_COLOUR, -0.04))
    side_rect(s, L6, L6W + 10, 14, 20, 46, 36, shade(L6_COLOUR, -0.4))


@art('P_L6_SORTER')
def l6_sorter(s):
    box(s, L6, 4, L6H, 6, L6W - 8, 16, L6D - 12, L6_COLOUR)
    for k in range(3):
        y = L6H + 3 + k * 4.5
        quad(s, L6, [(0, y, 0), (L6W - 4, y, 0), (L6W - 4, y + 1.8, 6), (0, y + 1.8, 6)], shade(L6_COLOUR, -0.2))
        quad(s, L6, [(6, y + 0.6, 1), (L6W - 12, y + 0.6, 1), (L6W - 12, y + 2, 5), (6, y + 2, 5)], PAPER)
        s.line(L6.p(0, y, 0), L6.p(L6W - 4, y, 0), 0.7, OUTLINE)


@art('P_L6_ENVELOPE')
def l6_envelope(s):
    # an envelope feeder standing out of the front below the tray
    box(s, L6, 14, 17, -12, L6W - 28, 6, 12, L6_COLOUR)
    quad(s, L6, [(18, 23, -10), (L6W - 18, 23, -10), (L6W - 18, 27, -2), (18, 27, -2)], PAPER)
    s.stroke(L6.pts([(18, 23, -10), (L6W - 18, 23, -10), (L6W - 18, 27, -2), (18, 27, -2)]), 0.6, (150, 150, 150))
    s.line(L6.p(18, 23, -10), L6.p(L6W / 2, 25, -5), 0.6, (150, 150, 150))
    s.line(L6.p(L6W - 18, 23, -10), L6.p(L6W / 2, 25, -5), 0.6, (150, 150, 150))


FIN_X = -30


@art('P_L6_FINISHER')
def l6_finisher(s):
    # a floor-standing finisher against the body's left side
    box(s, L6, FIN_X, -2 * L6B, 4, 28, 2 * L6B + 44, 52, L6_COLOUR, side=False)
    plinth(s, L6.moved(dx=FIN_X, dy=-2 * L6B, dz=4), 28, 52)
    seam(s, L6, FIN_X + 1, -3, 20, 4, L6_COLOUR)
    front_rect(s, L6, FIN_X + 4, -30, -6, -27, 4, shade(L6_COLOUR, -0.45))
    # what stands behind the body stays hidden by it
    s.rect(L6.ox - 1.5, 0, 200, 200, (0, 0, 0), mode='cut')
    s.line(L6.p(-2, -2 * L6B, 4), L6.p(-2, 44, 4), 0.8, OUTLINE)


def l6_fin_tray(s, reach, paper):
    y = 28
    tray = [(FIN_X, y, 8), (FIN_X - reach, y - 4, 8), (FIN_X - reach, y - 4, 50), (FIN_X, y, 50)]
    quad(s, L6, tray, shade(L6_COLOUR, 0.25))
    quad(s, L6, [(FIN_X, y, 8), (FIN_X - reach, y - 4, 8), (FIN_X - reach, y - 6, 8), (FIN_X, y - 2, 8)],
         shade(L6_COLOUR, -0.1))
    if paper:
        quad(s, L6, [(FIN_X - 1, y + 1, 14), (FIN_X - reach + 3, y - 2.2, 14), (FIN_X - reach + 3, y - 2.2, 44),
                     (FIN_X - 1, y + 1, 44)], PAPER)
    s.stroke(L6.pts(tray), 0.8, OUTLINE)


@art('P_L6_FIN_CLOSE')
def l6_fin_close(s):
    l6_fin_tray(s, 6, False)


@art('P_L6_FIN_OPEN')
def l6_fin_open(s):
    l6_fin_tray(s, 14, True)


def l6_empty_drawer(y0, y1):
    def draw(s):
        slot_opening(s, L6, 4, L6W - 4, y0, y1, 0)
        empty_drawer(s, L6, 5, L6W - 5, y0, y1 - 0.5, -40, 4, L6_COLOUR)
    return draw


@art('P_L6_EMPTY0')
def l6_empty_manual(s):
    front_rect(s, L6, 8, 24, L6W - 8, 34, 0, (40, 42, 48))
    tray = [(8, 24, 0), (L6W - 8, 24, 0), (L6W - 8, 22, -20), (8, 22, -20)]
    quad(s, L6, tray, linear(L6.p(8, 24, 0), (255, 110, 96), L6.p(8, 22, -20), RED))
    quad(s, L6, [(8, 22, -20), (L6W - 8, 22, -20), (L6W - 8, 20.5, -20), (8, 20.5, -20)], RED_EDGE)
    s.stroke(L6.pts(tray), 0.8, OUTLINE)


RED_EDGE = (150, 20, 16)

ART['P_L6_EMPTY1'] = l6_empty_drawer(2, 14)
ART['P_L6_EMPTY2'] = l6_empty_drawer(-12, -1.5)
ART['P_L6_EMPTY3'] = l6_empty_drawer(-25, -14.5)
ART['P_L6_EMPTY4'] = l6_empty_drawer(-38, -27.5)
ART['P_L6_EMPTY5'] = l6_empty_drawer(-51, -40.5)


@art('P_L6_TONER')
def l6_toner(s):
    # the front open and the toner bottle drawn half out
    open_front(s, L6, 1, L6W - 1, 36, 8, L6_COLOUR, angle=math.radians(85))
    box(s, L6, 18, 37, -22, 34, 6, 26, (50, 52, 60), outline=(20, 20, 24))
    front_rect(s, L6, 28, 38.5, 42, 41.5, -22, (240, 160, 30))


@art('P_L6_ICO_TONER')
def l6_icon_toner(s):
    common_art.badge(s, common_art.AMBER)
    cx, cy = common_art.CX, common_art.CY
    # a toner bottle lying on its side
    s.rounded(cx - 16, cy - 4, cx + 12, cy + 10, 6, (50, 52, 60))
    s.rounded(cx + 10, cy - 1, cx + 17, cy + 7, 2, (90, 94, 104))
    s.rect(cx - 9, cy - 1, cx + 3, cy + 7, (240, 200, 60))
    common_art.toner_drop(s, cx - 8, cy - 12, 4.5)
    common_art.red_cross(s, cx + 5, cy - 12, 4.5, 3.2)


@art('P_L6_COVER_BODY')
def l6_cover_body(s):
    open_front(s, L6, 1, L6W - 1, 36, 8, L6_COLOUR, angle=math.radians(85))
    side_rect(s, L6, L6W, 6, 4, 46, 50, (40, 42, 48))
    side_door(s, L6, L6W, 6, 4, 50, 26, math.radians(50), L6_COLOUR)


@art('P_L6_COVER_DUPLEX')
def l6_cover_duplex(s):
    side_rect(s, L6, L6W + 10, 10, 10, 50, 46, (40, 42, 48))
    side_door(s, L6, L6W + 10, 10, 10, 46, 24, math.radians(50), L6_COLOUR)


@art('P_L6_COVER_HOPPER')
def l6_cover_hopper(s):
    side_rect(s, L6, L6W, 10, -24, 50, -4, (40, 42, 48))
    side_door(s, L6, L6W, 10, -24, -4, 24, math.radians(50), L6_COLOUR)


@art('P_L6_COVER_SORTER')
def l6_cover_sorter(s):
    lifted_lid(s, L6, 4, L6W - 4, 6, L6D - 6, L6H + 16, 3, math.radians(40), L6_COLOUR)


@art('P_L6_COVER_FIN')
def l6_cover_fin(s):
    front_rect(s, L6, FIN_X + 1, -2 * L6B + 4, -3, 18, 4, (40, 42, 48))
    a = math.radians(65)
    door = [(FIN_X, -2 * L6B + 3, 4), (FIN_X - 22 * math.sin(a) * 0.2, -2 * L6B + 3, 4 - 22 * math.sin(a)),
            (FIN_X - 22 * math.sin(a) * 0.2, 19, 4 - 22 * math.sin(a)), (FIN_X, 19, 4)]
    quad(s, L6, door, shade(L6_COLOUR, -0.15))
    s.stroke(L6.pts(door), 0.8, OUTLINE)


# -- LASER7A and LASER7B -----------------------------------------------------------
# Body front 80 x 62 with two drawers, 56 deep; finisher on top; hopper 16.

L7 = View(58, 146)
L7W, L7H, L7D, L7B = 80, 62, 56, 16
L7_COLOUR = (232, 232, 228)


def l7_body(s, colour, top, accent):
    page_body(s, L7, L7W, L7H, L7D, colour, [(18, 31), (2, 15)], (56, 77, 52, 59), top_colour=top,
              recess=False, seam_y=35, stripe=(33, 34.5, accent))
    side_tray_closed(s, L7, L7W, 12, 46, 28, colour)
    s.stroke(L7.pts([(L7W, 6, 8), (L7W, 6, 44), (L7W, 56, 44), (L7W, 56, 8)]), 0.7, shade(colour, -0.5))


@art('P_L7A_BODY')
def l7a_body(s):
    l7_body(s, L7_COLOUR, (180, 184, 190), (220, 60, 40))


@art('P_L7B_BODY')
def l7b_body(s):
    l7_body(s, (210, 214, 220), (80, 86, 98), (40, 120, 200))


@art('P_L7A_HOPPER')
def l7_hopper(s):
    hopper_unit(s, L7, L7W, L7D, L7B, L7_COLOUR)


@art('P_L7A_FINISHER')
def l7_finisher(s):
    box(s, L7, 2, L7H, 8, L7W - 22, 14, L7D - 12, L7_COLOUR)
    # output tray standing out to the left with a stapled set
    tray = [(2, L7H + 4, 10), (-14, L7H + 1, 10), (-14, L7H + 1, 44), (2, L7H + 4, 44)]
    quad(s, L7, tray, shade(L7_COLOUR, 0.2))
    quad(s, L7, [(0, L7H + 5, 15), (-11, L7H + 3, 15), (-11, L7H + 3, 40), (0, L7H + 5, 40)], PAPER)
    s.line(L7.p(-3, L7H + 4.8, 18), L7.p(-3, L7H + 4.8, 22), 1.0, (120, 120, 120))
    s.stroke(L7.pts(tray), 0.8, OUTLINE)
    front_rect(s, L7, 6, L7H + 5, L7W - 26, L7H + 8, 8, shade(L7_COLOUR, -0.4))


def l7_empty(y0, y1, pull=-38):
    def draw(s):
        slot_opening(s, L7, 3, L7W - 3, y0, y1, 0)
        empty_drawer(s, L7, 4, L7W - 4, y0, y1 - 0.5, pull, 3, L7_COLOUR)
    return draw


ART['P_L7A_EMPTY1'] = l7_empty(2, 15)
ART['P_L7A_EMPTY3'] = l7_empty(18, 31)
ART['P_L7A_EMPTY6'] = l7_empty(-14, -1.5)


@art('P_L7A_EMPTY0')
def l7_empty_manual(s):
    side_tray(s, L7, L7W, 12, 46, 24, 22, L7_COLOUR, empty=True)


@art('P_L7A_TONER')
def l7_toner(s):
    open_front(s, L7, 1, L7W - 1, 36, 24, L7_COLOUR, angle=math.radians(80))
    box(s, L7, 20, 44, -26, 40, 8, 30, (50, 52, 60), outline=(20, 20, 24))
    front_rect(s, L7, 32, 46, 48, 50, -26, (240, 160, 30))


@art('P_L7A_ICO_TONER')
def l7_icon_toner(s):
    common_art.badge(s, common_art.AMBER)
    common_art.cartridge_icon(s, body=(40, 42, 50), band=(230, 60, 50))
    cx, cy = common_art.CX, common_art.CY
    s.rect(cx - 12, cy - 9, cx + 4, cy - 7, (40, 42, 50))
    common_art.toner_drop(s, cx - 8, cy - 13, 4.0)
    common_art.red_cross(s, cx + 6, cy - 13, 4.5, 3.2)


@art('P_L7A_COVER_F')
def l7_cover_front(s):
    open_front(s, L7, 1, L7W - 1, 36, 24, L7_COLOUR, angle=math.radians(80))


@art('P_L7A_COVER_FN')
def l7_cover_finisher(s):
    lifted_lid(s, L7, 2, L7W - 20, 8, L7D - 4, L7H + 14, 3, math.radians(35), L7_COLOUR)


@art('P_L7A_COVER_R')
def l7_cover_right(s):
    side_rect(s, L7, L7W, 8, 6, 44, 56, (40, 42, 48))
    side_door(s, L7, L7W, 8, 6, 56, 36, math.radians(60), L7_COLOUR)


