#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files into res/icons/.

Each icon holds 16x16, 32x32 and 48x48 images, every size twice: 32 bits per pixel with an
alpha channel, and 8 bits per pixel with a fixed palette and a transparency mask for displays
that cannot show alpha. The pictures are described once, in a 32 x 32 design space, as a stack of
filled shapes; every pixel is sampled several times per axis, so edges come out anti-aliased at
every size. Only the standard library is used; the generated files are kept in the repository,
so building the program does not need Python.

    python3 res/tools/make_icons.py               # rewrite res/icons/*.ico
    python3 res/tools/make_icons.py --png DIR     # also write enlarged PNG previews to DIR
"""

import argparse
import math
import os
import struct
import zlib

DESIGN = 32.0               # design space: x and y from 0 to 32, y down
SIZES = (16, 32, 48)
SUBSAMPLES = {16: 8, 32: 6, 48: 5}  # samples per pixel and axis


# ---------------------------------------------------------------------------------------------
# Shapes: each is a signed distance in design units (negative inside).
# ---------------------------------------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sd(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sd


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def capsule(ax, ay, bx, by, width):
    return lambda x, y: _segment_distance(x, y, ax, ay, bx, by) - width / 2


def polygon(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def sd(x, y):
        d = min(_segment_distance(x, y, ax, ay, bx, by) for (ax, ay), (bx, by) in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    return sd


def arc(cx, cy, r, width, start_deg, end_deg):
    """A ring segment from start to end angle, clockwise on screen (0 = right, 90 = down)."""
    span = (end_deg - start_deg) % 360
    a0, a1 = math.radians(start_deg), math.radians(start_deg + span)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]

    def sd(x, y):
        angle = math.degrees(math.atan2(y - cy, x - cx))
        if (angle - start_deg) % 360 <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - width / 2
    return sd


def gear(cx, cy, body, tip, teeth, hole, phase=0.0):
    """A toothed wheel: teeth reach out to `tip`, the rim between them to `body`."""
    def sd(x, y):
        d = math.hypot(x - cx, y - cy)
        turn = (math.atan2(y - cy, x - cx) / (2 * math.pi) * teeth + phase) % 1.0
        outer = tip if 0.25 <= turn < 0.75 else body
        return max(d - outer, hole - d)
    return sd


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


# ---------------------------------------------------------------------------------------------
# Paints: a colour, or a vertical gradient between two colours.
# ---------------------------------------------------------------------------------------------

def rgb(hex_text, alpha=255):
    v = int(hex_text.lstrip('#'), 16)
    return (v >> 16 & 255, v >> 8 & 255, v & 255, alpha)


def vertical(top, bottom, y0, y1):
    def paint(x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return paint


def diagonal(start, end, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def paint(x, y):
        t = min(max(((x - x0) * dx + (y - y0) * dy) / length2, 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(start, end))
    return paint


class Layer:
    """A shape filled with a paint; `outline` (in pixels) adds a border drawn under the fill."""

    def __init__(self, shape, paint, outline=None, outline_px=1.0):
        self.shape = shape
        self.paint = paint if callable(paint) else (lambda x, y, c=paint: c)
        self.outline = outline
        self.outline_px = outline_px


# ---------------------------------------------------------------------------------------------
# Rendering
# ---------------------------------------------------------------------------------------------

def render(layers, size):
    """Returns rows of (r, g, b, a) tuples, straight alpha, top row first."""
    n = SUBSAMPLES[size]
    scale = size / DESIGN
    offsets = [(i + 0.5) / n for i in range(n)]
    borders = [layer.outline_px / scale if layer.outline else 0.0 for layer in layers]
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    x, y = (px + ox) / scale, (py + oy) / scale
                    # Each sample composites the layers bottom to top, premultiplied.
                    r = g = b = a = 0.0
                    for layer, border in zip(layers, borders):
                        d = layer.shape(x, y)
                        if d > border:
                            continue
                        colour = layer.outline if d > 0 else layer.paint(x, y)
                        ca = colour[3] / 255.0
                        keep = 1.0 - ca
                        r = r * keep + colour[0] * ca
                        g = g * keep + colour[1] * ca
                        b = b * keep + colour[2] * ca
                        a = a * keep + ca
                    total[0] += r
                    total[1] += g
                    total[2] += b
                    total[3] += a
            row.append(_unpremultiply([t / (n * n) for t in total]))
        image.append(row)
    return image


def _unpremultiply(acc):
    alpha = acc[3]
    if alpha <= 1e-6:
        return (0, 0, 0, 0)
    return tuple(int(round(min(max(c / alpha, 0.0), 255.0))) for c in acc[:3]) + (
        int(round(min(alpha, 1.0) * 255)),)


# ---------------------------------------------------------------------------------------------
# File formats
# ---------------------------------------------------------------------------------------------

def fallback_palette():
    """256 colours: a 6 x 6 x 6 colour cube and a 40-step grey ramp."""
    palette = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    palette += [(round(i * 255 / 41),) * 3 for i in range(1, 41)]
    return palette


PALETTE = fallback_palette()


def nearest(colour):
    r, g, b = colour[:3]
    best, best_d = 0, None
    for i, (pr, pg, pb) in enumerate(PALETTE):
        # Weighted distance: the eye is most sensitive to green, least to blue.
        d = 3 * (r - pr) ** 2 + 4 * (g - pg) ** 2 + 2 * (b - pb) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def _and_mask(image, opaque):
    size = len(image)
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for row in reversed(image):
        bits = bytearray(stride)
        for x, px in enumerate(row):
            if not opaque(px):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def ico_image_32(image):
    size = len(image)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(image):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    return header + bytes(pixels) + _and_mask(image, lambda px: px[3] > 0)


def ico_image_8(image):
    size = len(image)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    cache = {}
    for row in reversed(image):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] >= 128:
                key = px[:3]
                if key not in cache:
                    cache[key] = nearest(key)
                line[x] = cache[key]
        pixels += line
    return header + palette + bytes(pixels) + _and_mask(image, lambda px: px[3] >= 128)


def write_ico(path, images):
    """images: list of (size, bits per pixel, encoded image)."""
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b''
    for size, bpp, data in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bpp,
                                 len(data), offset + len(body))
        body += data
    with open(path, 'wb') as f:
        f.write(directory + body)


def write_png(path, image, zoom):
    size = len(image)
    raw = bytearray()
    for row in image:
        for _ in range(zoom):
            raw.append(0)
            for px in row:
                raw += bytes(px) * zoom
    width = size * zoom

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, width, 8, 6, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(bytes(raw), 9)))
        f.write(chunk(b'IEND', b''))


# ---------------------------------------------------------------------------------------------
# The pictures
# ---------------------------------------------------------------------------------------------

INK = rgb('#1f2933')            # outlines
SCREEN_TOP, SCREEN_BOTTOM = rgb('#5aa9f0'), rgb('#1d5fae')
GOLD_TOP, GOLD_BOTTOM = rgb('#ffd75e'), rgb('#d99a1e')
GOLD_INK = rgb('#7a4f08')
STEEL_TOP, STEEL_BOTTOM = rgb('#e4e8ee'), rgb('#9aa3af')
WHITE = rgb('#ffffff')


def notebook(size):
    """The program: an open notebook with a gear on its screen."""
    lid = rounded_rect(5, 3.5, 27, 21.5, 1.8)
    screen = rounded_rect(7, 5.5, 25, 19.5, 0.6)
    base = polygon([(3.5, 22), (28.5, 22), (31.5, 26.5), (0.5, 26.5)])
    front = rounded_rect(0.5, 26, 31.5, 28.5, 1.0)
    pad = polygon([(13, 23.2), (19, 23.2), (19.6, 25.6), (12.4, 25.6)])
    cog = (gear(16, 12.5, 4.4, 5.9, 8, 1.9, phase=0.125) if size > 16
           else gear(16, 12.5, 4.6, 6.4, 6, 2.0, phase=0.25))
    return [
        Layer(lid, vertical(rgb('#4b535e'), rgb('#2b3139'), 3.5, 21.5), outline=INK),
        Layer(screen, vertical(SCREEN_TOP, SCREEN_BOTTOM, 5.5, 19.5)),
        Layer(rounded_rect(7, 5.5, 25, 9, 0.6), rgb('#ffffff', 40)),     # screen sheen
        Layer(cog, vertical(rgb('#ffffff'), rgb('#d6e6f7'), 6.5, 18.5),
              outline=rgb('#143f75', 170), outline_px=0.75),
        Layer(front, vertical(rgb('#8d96a2'), rgb('#5d6671'), 26, 28.5), outline=INK),
        Layer(base, vertical(STEEL_TOP, STEEL_BOTTOM, 22, 26.5), outline=INK),
        Layer(pad, rgb('#7d8794')),
    ]


def confirm(size):
    """The question before a restart or a reload: a blue disc with a circular arrow.
    The same drawing serves every size."""
    disc = circle(16, 16, 14.5)
    sweep = arc(16, 16, 8.2, 3.4, -30, 250)        # open at the upper right
    head_angle = math.radians(-30)
    hx, hy = 16 + 8.2 * math.cos(head_angle), 16 + 8.2 * math.sin(head_angle)
    # Arrowhead at the start of the sweep, pointing back into the gap (counter-clockwise).
    tx, ty = math.sin(head_angle), -math.cos(head_angle)      # tangent against the sweep
    nx, ny = math.cos(head_angle), math.sin(head_angle)       # normal, outwards
    head = polygon([
        (hx + nx * 5.0, hy + ny * 5.0),
        (hx - nx * 5.0, hy - ny * 5.0),
        (hx + tx * 5.6, hy + ty * 5.6),
    ])
    return [
        Layer(disc, diagonal(rgb('#6cb8ff'), rgb('#1756b8'), 6, 4, 26, 28),
              outline=rgb('#0f3d82')),
        Layer(circle(16, 12, 11), rgb('#ffffff', 30)),                   # soft highlight
        Layer(union(sweep, head), WHITE, outline=rgb('#0f3d82', 120), outline_px=0.6),
    ]


def padlock(cx=13.0):
    body = rounded_rect(cx - 9, 13, cx + 9, 28.5, 2.2)
    shackle = subtract(arc(cx, 12.5, 5.6, 3.0, 180, 360),
                       rounded_rect(cx - 9, 13.5, cx + 9, 30, 0))
    legs = union(capsule(cx - 5.6, 12.5, cx - 5.6, 14.5, 3.0),
                 capsule(cx + 5.6, 12.5, cx + 5.6, 14.5, 3.0))
    keyhole = union(circle(cx, 19.3, 2.0),
                    polygon([(cx - 1.0, 19.5), (cx + 1.0, 19.5), (cx + 1.5, 24.8),
                             (cx - 1.5, 24.8)]))
    return [
        Layer(union(shackle, legs), vertical(STEEL_TOP, STEEL_BOTTOM, 6, 15), outline=INK),
        Layer(body, vertical(GOLD_TOP, GOLD_BOTTOM, 13, 28.5), outline=GOLD_INK),
        Layer(rounded_rect(cx - 7.5, 14.3, cx + 7.5, 16.2, 0.9), rgb('#fff6c8', 110)),
        Layer(keyhole, rgb('#5a3a06')),
    ]


def setup_password(size):
    """The setup password: a padlock with a setup gear."""
    # Small images get fewer, larger teeth so that the wheel still reads as a gear.
    cog = (gear(24.3, 23.8, 5.1, 7.2, 8, 2.2, phase=0.125) if size > 16
           else gear(24.2, 24.2, 5.6, 7.8, 6, 2.4, phase=0.25))
    return padlock() + [
        Layer(cog, vertical(rgb('#8fb8e8'), rgb('#2f6db5'), 16.5, 31), outline=rgb('#143f75')),
    ]


def power_on_password(size):
    """The power-on password: a padlock with a power switch."""
    if size > 16:
        badge = circle(24.3, 23.8, 7.2)
        symbol = union(arc(24.3, 24.3, 3.9, 1.9, -50, 230),
                       capsule(24.3, 18.7, 24.3, 23.6, 1.9))
    else:   # bolder strokes, so the switch survives at 16 pixels
        badge = circle(25.0, 24.0, 7.0)
        symbol = union(arc(25.0, 25.0, 3.9, 2.0, -50, 230),
                       capsule(25.0, 19.0, 25.0, 24.0, 2.0))
    return padlock() + [
        Layer(badge, vertical(rgb('#7ddc6e'), rgb('#23912f'), 16.5, 31), outline=rgb('#165d1f')),
        Layer(symbol, WHITE),
    ]


ICONS = {
    'program.ico': notebook,
    'confirm.ico': confirm,
    'setup_password.ico': setup_password,
    'power_on_password.ico': power_on_password,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=os.path.join(here, '..', 'icons'),
                        help='folder for the .ico files (default: res/icons)')
    parser.add_argument('--png', help='also write PNG previews, 8 times enlarged, to this folder')
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    if args.png:
        os.makedirs(args.png, exist_ok=True)
    for name, picture in ICONS.items():
        images = []
        for size in SIZES:
            image = render(picture(size), size)
            images.append((size, 32, ico_image_32(image)))
            images.append((size, 8, ico_image_8(image)))
            if args.png:
                stem = os.path.splitext(name)[0]
                write_png(os.path.join(args.png, '%s_%d.png' % (stem, size)), image, 8)
        write_ico(os.path.join(args.out, name), images)
        print('wrote', os.path.normpath(os.path.join(args.out, name)))


if __name__ == '__main__':
    main()
