"""Small drawing primitives for the picture layers: filled polygons, rounded
rectangles, ellipses and strokes on a supersampled surface, and the
two-half BMP a layer is stored as.

Coordinates are canvas pixels (floats); a surface covers the canvas
rectangle of its layer. Every pixel of the result is either opaque or shows
the canvas through: a pixel is opaque when at least half its samples are
painted, and takes the mean colour of the painted samples, so edges inside
a layer are smoothed while the mask stays two-valued.
"""
import math
import struct

SS = 4  # samples per pixel along each axis


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(c, k):
    """Lighter for k > 0 (towards white), darker for k < 0 (towards black)."""
    return mix(c, (255, 255, 255), k) if k >= 0 else mix(c, (0, 0, 0), -k)


def linear(p0, c0, p1, c1):
    """A paint that runs from colour c0 at p0 to c1 at p1."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length2 = dx * dx + dy * dy or 1.0

    def paint(x, y):
        t = ((x - p0[0]) * dx + (y - p0[1]) * dy) / length2
        return mix(c0, c1, 0.0 if t < 0 else 1.0 if t > 1 else t)
    return paint


def radial(centre, radius, c0, c1):
    def paint(x, y):
        t = math.hypot(x - centre[0], y - centre[1]) / radius
        return mix(c0, c1, 1.0 if t > 1 else t)
    return paint


class Surface:
    def __init__(self, x, y, width, height):
        self.x, self.y = x, y
        self.width, self.height = width, height
        self.cols, self.rows = width * SS, height * SS
        self.samples = [None] * (self.cols * self.rows)
        self.extent = None  # canvas bounds of everything painted, clipped or not

    # -- filling ----------------------------------------------------------
    def polygon(self, points, paint, alpha=1.0, mode='fill'):
        """Fills a polygon (even-odd). paint is a colour or a function of the
        canvas position. mode 'fill' paints, 'over' paints only where the
        layer is already painted (shading), 'cut' makes the area clear."""
        if len(points) < 3:
            return
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        if mode == 'fill':
            box = (min(xs), min(ys), max(xs), max(ys))
            e = self.extent
            self.extent = box if e is None else (min(e[0], box[0]), min(e[1], box[1]),
                                                  max(e[2], box[2]), max(e[3], box[3]))
        top = max(0, int(math.floor((min(ys) - self.y) * SS - 0.5)))
        bottom = min(self.rows - 1, int(math.ceil((max(ys) - self.y) * SS)))
        edges = []
        n = len(points)
        for i in range(n):
            (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
            if y0 != y1:
                edges.append((x0, y0, x1, y1))
        solid = not callable(paint)
        samples = self.samples
        for row in range(top, bottom + 1):
            yc = self.y + (row + 0.5) / SS
            crossings = []
            for x0, y0, x1, y1 in edges:
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    crossings.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            crossings.sort()
            base = row * self.cols
            for k in range(0, len(crossings) - 1, 2):
                c0 = max(0, int(math.ceil((crossings[k] - self.x) * SS - 0.5)))
                c1 = min(self.cols, int(math.ceil((crossings[k + 1] - self.x) * SS - 0.5)))
                if c1 <= c0:
                    continue
                if mode == 'cut':
                    samples[base + c0:base + c1] = [None] * (c1 - c0)
                    continue
                if solid and alpha >= 1.0 and mode == 'fill':
                    samples[base + c0:base + c1] = [tuple(paint)] * (c1 - c0)
                    continue
                for col in range(c0, c1):
                    i = base + col
                    old = samples[i]
                    if mode == 'over' and old is None:
                        continue
                    c = paint if solid else paint(self.x + (col + 0.5) / SS, yc)
                    if alpha < 1.0 and old is not None:
                        c = mix(old, c, alpha)
                    samples[i] = tuple(c)

    def rect(self, x0, y0, x1, y1, paint, **kw):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], paint, **kw)

    def rounded(self, x0, y0, x1, y1, r, paint, **kw):
        self.polygon(rounded_points(x0, y0, x1, y1, r), paint, **kw)

    def ellipse(self, cx, cy, rx, ry, paint, **kw):
        self.polygon(ellipse_points(cx, cy, rx, ry), paint, **kw)

    def line(self, p0, p1, width, paint, caps=False, **kw):
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        length = math.hypot(dx, dy)
        if length == 0:
            return
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(p0[0] + nx, p0[1] + ny), (p1[0] + nx, p1[1] + ny),
                      (p1[0] - nx, p1[1] - ny), (p0[0] - nx, p0[1] - ny)], paint, **kw)
        if caps:
            self.ellipse(p0[0], p0[1], width / 2, width / 2, paint, **kw)
            self.ellipse(p1[0], p1[1], width / 2, width / 2, paint, **kw)

    def stroke(self, points, width, paint, closed=True, **kw):
        pts = list(points) + ([points[0]] if closed else [])
        for a, b in zip(pts, pts[1:]):
            self.line(a, b, width, paint, **kw)
        if width > 1.2:
            for p in pts[1:-1] if not closed else pts:
                self.ellipse(p[0], p[1], width / 2, width / 2, paint, **kw)

    # -- result -----------------------------------------------------------
    def pixels(self):
        """Rows of (r, g, b) or None, top row first."""
        out = []
        half = SS * SS / 2.0
        samples, cols = self.samples, self.cols
        for py in range(self.height):
            row = []
            for px in range(self.width):
                n = r = g = b = 0
                for sy in range(SS):
                    i = (py * SS + sy) * cols + px * SS
                    for c in samples[i:i + SS]:
                        if c is not None:
                            n += 1
                            r += c[0]
                            g += c[1]
                            b += c[2]
                row.append((clamp8(r / n), clamp8(g / n), clamp8(b / n)) if n >= half else None)
            out.append(row)
        return out


def rounded_points(x0, y0, x1, y1, r, steps=6):
    r = max(0.0, min(r, (x1 - x0) / 2, (y1 - y0) / 2))
    pts = []
    for cx, cy, a0 in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90),
                       (x0 + r, y0 + r, 180)):
        for k in range(steps + 1):
            a = math.radians(a0 + 90 * k / steps)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def ellipse_points(cx, cy, rx, ry, steps=None):
    steps = steps or max(12, int(max(rx, ry) * 3))
    return [(cx + rx * math.cos(2 * math.pi * k / steps), cy + ry * math.sin(2 * math.pi * k / steps))
            for k in range(steps)]


def write_bmp(path, pixels):
    """One 24-bit bottom-up BMP: the picture on the left, black where the
    canvas shows through, the mask on the right, white where the canvas shows
    through and black where the layer covers it."""
    height = len(pixels)
    width = len(pixels[0]) if height else 0
    stride = (width * 2 * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for c in row:
            line += bytes((0, 0, 0)) if c is None else bytes((c[2], c[1], c[0]))
        for c in row:
            line += b'\xff\xff\xff' if c is None else b'\x00\x00\x00'
        line += b'\0' * (stride - len(line))
        data += line
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width * 2, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)
