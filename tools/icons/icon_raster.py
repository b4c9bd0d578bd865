"""A small raster of RGBA pixels and the writer of Windows .ico files.

Pictures are drawn with whole pixels only (no smoothing), so that what a
script draws is exactly what a 16x16 or 32x32 icon shows. An .ico file holds
one or more rasters as 32-bit images with their transparency mask.
"""

import struct

TRANSPARENT = (0, 0, 0, 0)


def opaque(rgb):
    """An (r, g, b) colour as a fully opaque RGBA colour."""
    return (rgb[0], rgb[1], rgb[2], 255)


class Raster:
    """A width x height picture, (0, 0) top left, starting transparent."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[TRANSPARENT] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the pixels from (left, top) to (right, bottom), both included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def frame_rect(self, left, top, right, bottom, colour):
        """A one-pixel border along the rectangle's edges, both corners included."""
        for x in range(left, right + 1):
            self.set(x, top, colour)
            self.set(x, bottom, colour)
        for y in range(top, bottom + 1):
            self.set(left, y, colour)
            self.set(right, y, colour)

    def fill_disc(self, centre_x, centre_y, radius, colour):
        """Pixels whose centres lie within the radius of the centre (in pixels,
        halves allowed so that discs of even diameter can be drawn)."""
        for y in range(self.height):
            for x in range(self.width):
                dx, dy = x + 0.5 - centre_x, y + 0.5 - centre_y
                if dx * dx + dy * dy <= radius * radius:
                    self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        """A straight line of whole pixels, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        step_x = 1 if x0 < x1 else -1
        step_y = 1 if y0 < y1 else -1
        error = dx + dy
        while True:
            self.set(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            twice = 2 * error
            if twice >= dy:
                error += dy
                x0 += step_x
            if twice <= dx:
                error += dx
                y0 += step_y


def _image_bytes(raster):
    """The raster as an icon image: a BITMAPINFOHEADER of twice the height,
    BGRA rows bottom up, then the 1-bit mask (set where transparent), each
    mask row padded to four bytes."""
    header = struct.pack("<IiiHHIIiiII", 40, raster.width, raster.height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    row_bytes = ((raster.width + 31) // 32) * 4
    for row in reversed(raster.pixels):
        bits = bytearray(row_bytes)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def ico_bytes(rasters):
    """An .ico file holding the rasters in the order given."""
    images = [_image_bytes(raster) for raster in rasters]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for raster, image in zip(rasters, images):
        if raster.width > 256 or raster.height > 256:
            raise ValueError("an icon image is at most 256 pixels wide and high")
        entries += struct.pack("<BBBBHHII", raster.width % 256, raster.height % 256, 0, 0, 1, 32,
                               len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def write_ico(path, rasters):
    with open(path, "wb") as out:
        out.write(ico_bytes(rasters))
