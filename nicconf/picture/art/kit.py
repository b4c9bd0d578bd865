"""The printers' drawing kit: one oblique view shared by every family, boxes
shaded for light from the upper left, and the pieces printers are made of
(drawers, trays, paper, panels, vents, open covers).

A view places a printer on the canvas: (0, 0, 0) is the front, bottom, left
corner of its body; x runs right, y up, z into the picture. Depth is drawn
half size, up and to the right.
"""
import math

from raster import linear, mix, shade

KX, KY = 0.5, 0.25

# Palette.
BODY = (224, 222, 215)
BODY_DARK = (92, 96, 104)
TRIM = (62, 66, 74)
PAPER = (250, 250, 246)
PAPER_EDGE = (200, 200, 192)
SLOT = (38, 40, 46)
RED = (222, 36, 30)
RED_DARK = (150, 18, 16)
LCD = (120, 200, 190)
GREEN_LED = (40, 200, 70)
OUTLINE = (58, 60, 66)


class View:
    def __init__(self, ox, oy):
        self.ox, self.oy = ox, oy

    def p(self, x, y, z):
        return (self.ox + x + z * KX, self.oy - y - z * KY)

    def pts(self, points):
        return [self.p(*q) for q in points]

    def moved(self, dx=0, dy=0, dz=0):
        """The same view with its origin at (dx, dy, dz)."""
        x, y = self.p(dx, dy, dz)
        return View(x, y)


def faces(v, x, y, z, w, h, d):
    """Front, top and right faces of a box, as canvas polygons."""
    front = v.pts([(x, y, z), (x + w, y, z), (x + w, y + h, z), (x, y + h, z)])
    top = v.pts([(x, y + h, z), (x + w, y + h, z), (x + w, y + h, z + d), (x, y + h, z + d)])
    side = v.pts([(x + w, y, z), (x + w, y, z + d), (x + w, y + h, z + d), (x + w, y + h, z)])
    return front, top, side


def box(s, v, x, y, z, w, h, d, colour=BODY, top=True, side=True, front=True,
        outline=OUTLINE, gloss=0.10):
    """A shaded box. Returns its faces for details."""
    f, t, r = faces(v, x, y, z, w, h, d)
    if side:
        s.polygon(r, linear(r[3], shade(colour, -0.22), r[0], shade(colour, -0.32)))
    if top:
        s.polygon(t, linear(t[0], shade(colour, 0.45), t[2], shade(colour, 0.25)))
    if front:
        s.polygon(f, linear(f[3], shade(colour, gloss), f[0], shade(colour, -0.08)))
    if outline:
        if front and top and side:
            sil = [f[0], f[1], r[1], r[2], t[3], f[3]]
        elif front and side:
            sil = [f[0], f[1], r[1], r[2], f[2], f[3]]
        elif front and top:
            sil = [f[0], f[1], t[1], t[2], t[3], f[3]]
        elif top and side:
            sil = [r[0], r[1], r[2], t[3], t[0], r[3]]
        else:
            sil = f if front else t if top else r
        s.stroke(sil, 0.9, outline, closed=True)
        # inner edges, lit
        if top and front:
            s.line(f[3], f[2], 0.8, shade(colour, 0.6))
        if side and front:
            s.line(f[1], f[2], 0.7, shade(colour, -0.45))
    return f, t, r


def quad(s, v, points, paint, **kw):
    s.polygon(v.pts(points), paint, **kw)


def front_rect(s, v, x0, y0, x1, y1, z, paint, **kw):
    quad(s, v, [(x0, y0, z), (x1, y0, z), (x1, y1, z), (x0, y1, z)], paint, **kw)


def front_line(s, v, x0, y0, x1, y1, z, width, paint):
    s.line(v.p(x0, y0, z), v.p(x1, y1, z), width, paint)


def side_rect(s, v, x, z0, y0, z1, y1, paint, **kw):
    quad(s, v, [(x, y0, z0), (x, y0, z1), (x, y1, z1), (x, y1, z0)], paint, **kw)


def top_rect(s, v, x0, z0, x1, z1, y, paint, **kw):
    quad(s, v, [(x0, y, z0), (x1, y, z0), (x1, y, z1), (x0, y, z1)], paint, **kw)


def seam(s, v, x0, x1, y, z, colour=BODY):
    """A panel joint across a front face: a dark groove over a lit lip."""
    front_line(s, v, x0, y, x1, y, z, 0.8, shade(colour, -0.45))
    front_line(s, v, x0, y - 0.8, x1, y - 0.8, z, 0.6, shade(colour, 0.5))


def drawer_front(s, v, x0, x1, y0, y1, z, colour=BODY, handle=True):
    """The face of a paper drawer in a front: grooves round it, a grip."""
    front_rect(s, v, x0, y0, x1, y1, z, linear(v.p(0, y1, z), shade(colour, 0.06),
                                                 v.p(0, y0, z), shade(colour, -0.10)))
    front_line(s, v, x0, y1, x1, y1, z, 0.9, shade(colour, -0.5))
    front_line(s, v, x0, y0, x1, y0, z, 0.7, shade(colour, -0.35))
    if handle:
        mid = (x0 + x1) / 2
        hw = min(9.0, (x1 - x0) / 5)
        hy = y0 + (y1 - y0) * 0.45
        hh = max(1.6, (y1 - y0) * 0.22)
        front_rect(s, v, mid - hw, hy, mid + hw, hy + hh, z, shade(colour, -0.55))
        front_line(s, v, mid - hw, hy, mid + hw, hy, z, 0.6, shade(colour, 0.5))
    # paper level window
    front_rect(s, v, x1 - 6, y0 + (y1 - y0) * 0.35, x1 - 3, y0 + (y1 - y0) * 0.7, z, (70, 80, 90))


def plinth(s, v, w, d, depth=4, inset=2, colour=TRIM):
    """The dark foot strip under a unit, drawn below y = 0."""
    box(s, v, inset, -depth, 1, w - 2 * inset, depth, d - 2, colour, top=False, outline=None)


def vents(s, v, x, z0, z1, y0, y1, count=5, colour=BODY):
    for k in range(count):
        z = z0 + (z1 - z0) * (k + 0.5) / count
        s.line(v.p(x, y0, z), v.p(x, y1, z), 1.1, shade(colour, -0.5))


def paper_stack(s, v, x0, x1, z0, z1, y, sheets=3, lift=0.9):
    """A few sheets lying flat at height y."""
    for k in range(sheets):
        yy = y + k * lift
        quad(s, v, [(x0, yy, z0), (x1, yy, z0), (x1, yy, z1), (x0, yy, z1)],
             PAPER if k == sheets - 1 else PAPER_EDGE)
    quad(s, v, [(x0, y, z0), (x1, y, z0), (x1, y + sheets * lift, z0), (x0, y + sheets * lift, z0)],
         (232, 232, 226))


def panel(s, v, x0, x1, y0, y1, z, lcd=LCD):
    """A control panel on a front: dark bezel, display, lamps."""
    front_rect(s, v, x0, y0, x1, y1, z, (70, 74, 84))
    w = x1 - x0
    front_rect(s, v, x0 + 1.5, y0 + (y1 - y0) * 0.35, x0 + w * 0.6, y1 - 1.2, z,
               linear(v.p(x0, y1, z), shade(lcd, 0.3), v.p(x0, y0, z), lcd))
    front_rect(s, v, x0 + w * 0.7, y1 - 3.2, x0 + w * 0.7 + 2.2, y1 - 1.4, z, GREEN_LED)
    front_rect(s, v, x0 + w * 0.7, y0 + 1.2, x0 + w * 0.7 + 2.2, y0 + 2.8, z, (240, 170, 40))


def slot_opening(s, v, x0, x1, y0, y1, z, depth=6):
    """A dark opening in a front with the inside walls in perspective."""
    front_rect(s, v, x0, y0, x1, y1, z, SLOT)
    quad(s, v, [(x0, y1, z), (x1, y1, z), (x1, y1, z + depth), (x0, y1, z + depth)], (28, 30, 34))
    quad(s, v, [(x0, y0, z), (x0, y1, z), (x0, y1, z + depth), (x0, y0, z + depth)], (60, 62, 68))


def empty_drawer(s, v, x0, x1, y0, y1, z_front, z_back, colour=BODY):
    """A paper drawer pulled out towards the viewer, nothing in it: its floor
    red, a red rim on its front."""
    h = y1 - y0
    wall = 1.6
    # inner floor and walls (seen through the open top)
    top_rect(s, v, x0, z_front, x1, z_back, y0 + 1.5,
             linear(v.p(x0, y0, z_back), (255, 96, 84), v.p(x0, y0, z_front), RED))
    # a slanted empty mark on the floor
    for k in range(3):
        t = 0.25 + 0.25 * k
        xa = x0 + (x1 - x0) * t
        s.line(v.p(xa - 4, y0 + 1.6, z_front + 4), v.p(xa + 4, y0 + 1.6, z_back - 4), 1.3,
               (255, 200, 190))
    # back wall, left wall (inner face), right wall
    quad(s, v, [(x0, y0, z_back), (x1, y0, z_back), (x1, y1 - 1, z_back), (x0, y1 - 1, z_back)],
         shade(colour, -0.2))
    quad(s, v, [(x0 + wall, y0, z_front), (x0 + wall, y0, z_back), (x0 + wall, y1 - 1, z_back),
                (x0 + wall, y1 - 1, z_front)], shade(colour, -0.1))
    box(s, v, x1 - wall, y0, z_front, wall, h - 1, z_back - z_front, colour, front=False, outline=None)
    top_rect(s, v, x0, z_front, x0 + wall, z_back, y1 - 1, shade(colour, 0.4))
    # the drawer's front: red, so the empty tray shows at a glance
    box(s, v, x0 - 1, y0 - 0.5, z_front - 2, x1 - x0 + 2, h + 0.5, 2, RED, outline=RED_DARK, gloss=0.2)
    front_rect(s, v, x0 - 1, y1 - 1.4, x1 + 1, y1, z_front - 2, (255, 150, 140))
    mid = (x0 + x1) / 2
    front_rect(s, v, mid - 7, y0 + h * 0.35, mid + 7, y0 + h * 0.35 + max(1.6, h * 0.22),
               z_front - 2, RED_DARK)


def cartridge(s, v, x0, x1, y, z0, z1, colour=(60, 62, 70), band=(40, 150, 210)):
    """A toner cartridge lying across the printer."""
    box(s, v, x0, y, z0, x1 - x0, 6, z1 - z0, colour, outline=(30, 30, 34))
    front_rect(s, v, x0 + (x1 - x0) * 0.35, y + 1.5, x0 + (x1 - x0) * 0.65, y + 4.5, z0, band)


def cavity(s, v, x0, x1, z0, z1, y):
    """The open inside of a printer seen from above."""
    top_rect(s, v, x0, z0, x1, z1, y, linear(v.p(x0, y, z1), (34, 36, 42), v.p(x0, y, z0), (70, 72, 80)))


def rotate_about_x(y, z, hy, hz, angle):
    """(y, z) turned about the hinge line (hy, hz), positive angle lifting
    what lies in front of the hinge."""
    dy, dz = y - hy, z - hz
    c, s_ = math.cos(angle), math.sin(angle)
    return hy + dy * c - dz * s_, hz + dz * c + dy * s_


def lifted_lid(s, v, x0, x1, z_front, z_hinge, y, thickness, angle, colour=BODY, lip=0.0):
    """A top cover hinged at its back edge, raised by angle (radians); lip is
    the height of its front edge hanging down."""
    def pt(x, yy, zz):
        ry, rz = rotate_about_x(yy, zz, y, z_hinge, angle)
        return (x, ry, rz)
    # underside (seen when raised), then outer surface and front edge
    under = [pt(x0, y - thickness, z_front), pt(x1, y - thickness, z_front),
             pt(x1, y - thickness, z_hinge), pt(x0, y - thickness, z_hinge)]
    quad(s, v, under, shade(colour, -0.45))
    outer = [pt(x0, y, z_front), pt(x1, y, z_front), pt(x1, y, z_hinge), pt(x0, y, z_hinge)]
    quad(s, v, outer, linear(v.p(*outer[3]), shade(colour, 0.35), v.p(*outer[0]), shade(colour, 0.1)))
    edge = [pt(x0, y - thickness - lip, z_front), pt(x1, y - thickness - lip, z_front),
            pt(x1, y, z_front), pt(x0, y, z_front)]
    quad(s, v, edge, shade(colour, -0.05))
    side = [pt(x1, y - thickness - lip, z_front), pt(x1, y - thickness, z_hinge), pt(x1, y, z_hinge),
            pt(x1, y, z_front)]
    quad(s, v, side, shade(colour, -0.3))
    s.stroke(v.pts([outer[0], outer[1], outer[2], outer[3]]), 0.8, OUTLINE)
    s.stroke(v.pts(edge), 0.8, OUTLINE)


def dropped_door(s, v, x0, x1, y_hinge, z, height, angle, colour=BODY, inner=(150, 150, 150)):
    """A front door hinged at its bottom edge, fallen open towards the viewer
    by angle (radians)."""
    def pt(x, t):
        # t = 0 at the hinge, 1 at the door's top edge
        return (x, y_hinge + height * t * math.cos(angle), z - height * t * math.sin(angle))
    inside = [pt(x0, 0), pt(x1, 0), pt(x1, 1), pt(x0, 1)]
    quad(s, v, inside, linear(v.p(*inside[3]), shade(inner, 0.2), v.p(*inside[0]), shade(inner, -0.2)))
    # its thickness along the top edge
    a, b = pt(x0, 1), pt(x1, 1)
    quad(s, v, [a, b, (b[0], b[1] - 1.6, b[2]), (a[0], a[1] - 1.6, a[2])], shade(colour, -0.1))
    s.stroke(v.pts(inside), 0.8, OUTLINE)


def side_door(s, v, x, z_hinge, y0, y1, width, angle, colour=BODY, inner=(150, 150, 150)):
    """A door in a right face hinged at its front edge (z_hinge), swung out
    to the right by angle (radians)."""
    def pt(yy, t):
        return (x + width * t * math.sin(angle), yy, z_hinge + width * t * math.cos(angle))
    door = [pt(y0, 0), pt(y0, 1), pt(y1, 1), pt(y1, 0)]
    quad(s, v, door, linear(v.p(*door[0]), shade(inner, -0.1), v.p(*door[1]), shade(inner, 0.15)))
    s.stroke(v.pts(door), 0.8, OUTLINE)


def floor_shadow(s, v, w, d, below=0):
    """A soft shadow ring on the plinth line (only over the layer itself)."""
    quad(s, v, [(0, below, 0), (w, below, 0), (w, below, d), (0, below, d)], (0, 0, 0), alpha=0.15,
         mode='over')


def mixc(a, b, t=0.5):
    return mix(a, b, t)
