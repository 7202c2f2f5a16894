#!/usr/bin/env python3
"""Draws the side pictures of the settings pages and writes them as 256-colour bitmaps.

Each picture is drawn from shapes given as signed distance functions (negative inside). Pixels well inside or
outside a shape take its coverage directly; pixels on an edge are supersampled at 16 points and reduced to one
coverage value, which gives anti-aliased edges without drawing the whole picture at a larger size. The result is
quantised to a palette of 256 colours: the display's 20 fixed colours at the ends of the table, so that a
256-colour display can realise the 236 colours between them unchanged, and 236 colours chosen by median cut.

Two pictures are drawn over the page through a mask. The control ORs the mask onto the screen and then ANDs the
image onto it, so where the mask is white the image shows unchanged, and where the mask is black and the image is
white the screen is left as it was. The image is therefore white wherever its mask is black. The control realises
the mask's palette, not the image's, so a mask carries the same colour table as its image.

Standard library only. Usage: make_bitmaps.py [--out DIR] [--preview DIR]
"""

import argparse
import math
import os
import struct
import zlib

# ----------------------------------------------------------------------------------------------------------------
# Shapes: a distance function and a bounding box (x0, y0, x1, y1).


class Shape:
    __slots__ = ("d", "box")

    def __init__(self, d, box):
        self.d = d
        self.box = box


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    def d(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k0 = math.hypot(px, py)
        k1 = math.hypot(px / rx, py / ry)
        if k1 == 0.0:
            return -min(rx, ry)
        return k0 * (k0 - 1.0) / k1

    return Shape(d, (cx - rx, cy - ry, cx + rx, cy + ry))


def rrect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hw, hh = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def d(x, y):
        qx = abs(x - cx) - hw
        qy = abs(y - cy) - hh
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    return Shape(d, (x0, y0, x1, y1))


def polygon(points):
    pts = list(points)
    n = len(pts)

    def d(x, y):
        best = float("inf")
        inside = False
        j = n - 1
        for i in range(n):
            ax, ay = pts[j]
            bx, by = pts[i]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = (wx * ex + wy * ey) / (ex * ex + ey * ey)
            t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
            dx, dy = wx - ex * t, wy - ey * t
            dd = dx * dx + dy * dy
            if dd < best:
                best = dd
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
            j = i
        dist = math.sqrt(best)
        return -dist if inside else dist

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(d, (min(xs), min(ys), max(xs), max(ys)))


def segment(ax, ay, bx, by, hw):
    ex, ey = bx - ax, by - ay
    ll = ex * ex + ey * ey

    def d(x, y):
        wx, wy = x - ax, y - ay
        t = (wx * ex + wy * ey) / ll if ll else 0.0
        t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
        return math.hypot(wx - ex * t, wy - ey * t) - hw

    return Shape(d, (min(ax, bx) - hw, min(ay, by) - hw, max(ax, bx) + hw, max(ay, by) + hw))


def arc(cx, cy, radius, start, sweep, hw):
    """A stroke along a circle from angle start through sweep degrees (counter-clockwise on screen when sweep is
    positive, angles measured from the x axis upward), with round ends."""
    a0 = math.radians(start)
    a1 = math.radians(start + sweep)
    e0 = (cx + radius * math.cos(a0), cy - radius * math.sin(a0))
    e1 = (cx + radius * math.cos(a1), cy - radius * math.sin(a1))

    def d(x, y):
        t = math.degrees(math.atan2(cy - y, x - cx))
        rel = (t - start) % 360.0 if sweep >= 0 else (start - t) % 360.0
        if rel <= abs(sweep):
            return abs(math.hypot(x - cx, y - cy) - radius) - hw
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - hw

    r = radius + hw
    return Shape(d, (cx - r, cy - r, cx + r, cy + r))


def union(*shapes):
    ds = [s.d for s in shapes]
    box = (min(s.box[0] for s in shapes), min(s.box[1] for s in shapes),
           max(s.box[2] for s in shapes), max(s.box[3] for s in shapes))
    return Shape(lambda x, y: min(f(x, y) for f in ds), box)


def intersect(a, b):
    box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]), min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
    return Shape(lambda x, y: max(a.d(x, y), b.d(x, y)), box)


def subtract(a, b):
    return Shape(lambda x, y: max(a.d(x, y), -b.d(x, y)), a.box)


def grow(a, r):
    """The shape widened by r, its corners rounded."""
    b = a.box
    return Shape(lambda x, y: a.d(x, y) - r, (b[0] - r, b[1] - r, b[2] + r, b[3] + r))


def ring(a, hw):
    """A stroke of half width hw along the outline of a."""
    b = a.box
    return Shape(lambda x, y: abs(a.d(x, y)) - hw, (b[0] - hw, b[1] - hw, b[2] + hw, b[3] + hw))


# ----------------------------------------------------------------------------------------------------------------
# Paints: functions from a point to an (r, g, b) colour with channels 0..255.


def rgb(c):
    c = c.lstrip("#")
    return (int(c[0:2], 16), int(c[2:4], 16), int(c[4:6], 16))


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def _ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            u = (t - t0) / (t1 - t0)
            u = u * u * (3.0 - 2.0 * u)  # ease the joins between stops so no crease shows
            return mix(c0, c1, u)
    return stops[-1][1]


def solid(c):
    c = rgb(c)
    return lambda x, y: c


def linear(x0, y0, x1, y1, *stops):
    st = [(t, rgb(c)) for t, c in stops]
    ex, ey = x1 - x0, y1 - y0
    ll = ex * ex + ey * ey
    return lambda x, y: _ramp(st, ((x - x0) * ex + (y - y0) * ey) / ll)


def radial(cx, cy, r, *stops):
    st = [(t, rgb(c)) for t, c in stops]
    return lambda x, y: _ramp(st, math.hypot(x - cx, y - cy) / r)


def angular(cx, cy, start, sweep, *stops):
    """Colour by angle along an arc, as for a dial's scale."""
    st = [(t, rgb(c)) for t, c in stops]

    def f(x, y):
        t = math.degrees(math.atan2(cy - y, x - cx))
        rel = (t - start) % 360.0 if sweep >= 0 else (start - t) % 360.0
        return _ramp(st, rel / abs(sweep))

    return f


# ----------------------------------------------------------------------------------------------------------------
# Canvas.

# Sixteen sample points, one in every row and every column of a 16 x 16 grid, so that near-horizontal and
# near-vertical edges both get sixteen coverage levels.
SAMPLES = [((k + 0.5) / 16.0 - 0.5, ((k * 7) % 16 + 0.5) / 16.0 - 0.5) for k in range(16)]


class Canvas:
    def __init__(self, w, h, background):
        self.w, self.h = w, h
        self.px = [list(background(i + 0.5, j + 0.5)) for j in range(h) for i in range(w)]
        self.cover = [0.0] * (w * h)  # how much of each pixel the picture's own shapes cover

    def draw(self, shape, paint, alpha=1.0, soft=0.0, solid_part=True):
        """Paints shape. soft > 0 fades the edge over 2 * soft pixels (shadows, glows). Shapes that are a solid
        part of the picture count towards the coverage from which a mask is made."""
        margin = soft + 1.0
        x0 = max(0, int(math.floor(shape.box[0] - margin)))
        y0 = max(0, int(math.floor(shape.box[1] - margin)))
        x1 = min(self.w, int(math.ceil(shape.box[2] + margin)))
        y1 = min(self.h, int(math.ceil(shape.box[3] + margin)))
        d = shape.d
        px, cover, w = self.px, self.cover, self.w
        for j in range(y0, y1):
            cy = j + 0.5
            row = j * w
            for i in range(x0, x1):
                cx = i + 0.5
                dist = d(cx, cy)
                if soft > 0.0:
                    if dist >= soft:
                        continue
                    t = min(1.0, (soft - dist) / (2.0 * soft))
                    cov = t * t * (3.0 - 2.0 * t)
                else:
                    if dist >= 1.0:
                        continue
                    if dist <= -1.0:
                        cov = 1.0
                    else:
                        hits = 0
                        for sx, sy in SAMPLES:
                            if d(cx + sx, cy + sy) < 0.0:
                                hits += 1
                        if hits == 0:
                            continue
                        cov = hits / 16.0
                a = cov * alpha
                p = px[row + i]
                c = paint(cx, cy)
                p[0] += (c[0] - p[0]) * a
                p[1] += (c[1] - p[1]) * a
                p[2] += (c[2] - p[2]) * a
                if solid_part:
                    cover[row + i] += (1.0 - cover[row + i]) * a

    def pixels(self):
        return [tuple(min(255, max(0, int(round(v)))) for v in p) for p in self.px]


# ----------------------------------------------------------------------------------------------------------------
# The pictures' shared look.

INK = "#1E2733"
BODY_TOP, BODY_BOTTOM = "#465366", "#232B38"
ALU_TOP, ALU_BOTTOM = "#F3F6F9", "#C3CDD8"
ALU_EDGE = "#8D99A8"
SCREEN_LIGHT, SCREEN_DARK = "#5DB2FF", "#1C57BA"
ACCENT, ACCENT_DARK = "#2F80ED", "#1A5BC4"
LINE = "#C9D5E3"
SHADOW = "#0B1524"
PANEL_TOP, PANEL_BOTTOM = "#FCFDFE", "#D9E3EE"
# What a masked picture's edge pixels are blended with: a light grey between the classic button face and the
# white of a themed page, so the edges sit well on either.
PAGE_GREY = "#E6E6E3"


def panel(cv, glow_x, glow_y, glow_r):
    """The quiet background of a picture shown as a rectangle: a soft glow behind the subject on a pale
    blue-grey gradient, with a hairline edge so the rectangle reads as a deliberate panel."""
    cv.draw(circle(glow_x, glow_y, glow_r * 0.55), solid("#FFFFFF"), alpha=0.9, soft=glow_r * 0.45)
    cv.draw(circle(cv.w * 0.92, cv.h * 0.08, cv.w * 0.35), solid("#CFE2F7"), alpha=0.35, soft=cv.w * 0.2)
    cv.draw(ring(rrect(0, 0, cv.w, cv.h), 0.5), solid("#B9C6D5"), solid_part=False)


def ground_shadow(cv, cx, cy, rx, ry, strength=0.22):
    cv.draw(ellipse(cx, cy, rx, ry), solid(SHADOW), alpha=strength, soft=ry * 0.9, solid_part=False)


def screen_gloss(cv, screen, x0, y0, x1, y1):
    """The diagonal sheen across a display's glass."""
    wedge = polygon([(x0, y0), (x0 + (x1 - x0) * 0.62, y0), (x0 + (x1 - x0) * 0.30, y1), (x0, y1)])
    cv.draw(intersect(screen, wedge), solid("#FFFFFF"), alpha=0.13)


def text_bar(cv, x, y, length, colour=LINE, hw=1.8):
    cv.draw(segment(x, y, x + length, y, hw), solid(colour))


def digit(cv, n, cx, cy, size, colour="#FFFFFF"):
    """The digits 1 to 3 as strokes, size being the digit's height."""
    s = size / 11.0
    hw = 1.25 * s
    if n == 1:
        parts = [segment(cx + 0.6 * s, cy - 5.5 * s, cx + 0.6 * s, cy + 5.5 * s, hw),
                 segment(cx + 0.6 * s, cy - 5.5 * s, cx - 2.4 * s, cy - 3.2 * s, hw)]
    elif n == 2:
        parts = [arc(cx, cy - 2.6 * s, 3.1 * s, 165, -200, hw),
                 segment(cx + 2.9 * s, cy - 1.6 * s, cx - 3.2 * s, cy + 5.5 * s, hw),
                 segment(cx - 3.2 * s, cy + 5.5 * s, cx + 3.4 * s, cy + 5.5 * s, hw)]
    else:
        parts = [arc(cx, cy - 2.9 * s, 2.7 * s, 155, -245, hw),
                 arc(cx, cy + 2.5 * s, 3.1 * s, 90, -250, hw)]
    cv.draw(union(*parts), solid_paint(colour))


def solid_paint(c):
    return solid(c) if isinstance(c, str) else (lambda x, y: c)


def chip_icon(cv, x0, y0, size, body=INK, pins="#9AA7B6", die="#3D4A5E", pin_count=4):
    """A processor package with pins on four sides."""
    pin_len = size * 0.14
    inner0, inner1 = x0 + pin_len, x0 + size - pin_len
    pitch = (inner1 - inner0) / (pin_count + 1)
    hw = max(0.8, pitch * 0.22)
    for k in range(1, pin_count + 1):
        p = inner0 + pitch * k
        cv.draw(segment(p, y0 + hw, p, y0 + size - hw, hw), solid(pins))
        q = y0 + pin_len + pitch * k
        cv.draw(segment(x0 + hw, q, x0 + size - hw, q, hw), solid(pins))
    cv.draw(rrect(inner0, y0 + pin_len, inner1, y0 + size - pin_len, size * 0.08), solid(body))
    m = size * 0.12
    cv.draw(rrect(inner0 + m, y0 + pin_len + m, inner1 - m, y0 + size - pin_len - m, size * 0.04), solid(die))


# ----------------------------------------------------------------------------------------------------------------
# The five pictures. Sizes are the pixel sizes of their controls for an 8-point dialog font at 96 DPI.


def draw_info(w, h):
    """Information page: an open notebook computer showing a system summary, with an information badge."""
    cv = Canvas(w, h, linear(0, 0, 0, h, (0.0, PANEL_TOP), (1.0, PANEL_BOTTOM)))
    cx = w / 2.0
    oy = 22.0
    panel(cv, cx, 140 + oy, 135)
    ground_shadow(cv, cx, 222 + oy, 104, 8)

    # Lid and screen.
    lid = rrect(cx - 81, 55 + oy, cx + 81, 167 + oy, 9)
    cv.draw(lid, linear(0, 55 + oy, 0, 167 + oy, (0.0, BODY_TOP), (1.0, BODY_BOTTOM)))
    cv.draw(ring(lid, 0.6), solid("#6B7A8F"), alpha=0.6)
    sx0, sy0, sx1, sy1 = cx - 73, 63 + oy, cx + 73, 157 + oy
    screen = rrect(sx0, sy0, sx1, sy1, 3)
    cv.draw(screen, linear(sx0, sy0, sx1, sy1, (0.0, SCREEN_LIGHT), (1.0, SCREEN_DARK)))
    cv.draw(circle(cx, 59 + oy, 1.4), solid("#0F141B"))  # camera

    # A window with a processor icon and lines of details.
    win = rrect(sx0 + 13, sy0 + 12, sx1 - 13, sy1 - 11, 4)
    cv.draw(grow(win, 1.5), solid(SHADOW), alpha=0.18, soft=2.5, solid_part=False)
    cv.draw(win, linear(0, sy0 + 12, 0, sy1 - 11, (0.0, "#FFFFFF"), (1.0, "#EEF3F9")))
    title = intersect(win, rrect(sx0, sy0, sx1, sy0 + 24, 0))
    cv.draw(title, linear(sx0, 0, sx1, 0, (0.0, ACCENT), (1.0, "#56A0F5")))
    for k, col in enumerate(("#FFFFFF", "#FFFFFF", "#FFFFFF")):
        cv.draw(circle(sx1 - 21 - 6 * k, sy0 + 18, 1.6), solid(col), alpha=0.85)
    chip_icon(cv, sx0 + 21, sy0 + 33, 30, body="#2B3646", pins="#8E9BAC", die=ACCENT)
    lx = sx0 + 60
    for k, (length, col) in enumerate(((58, "#9DB4CE"), (44, LINE), (52, LINE), (36, LINE), (48, LINE))):
        text_bar(cv, lx, sy0 + 34 + 9.5 * k, length, col)
    screen_gloss(cv, screen, sx0, sy0, sx1, sy1)

    # Hinge, deck, keyboard, touch pad and front edge.
    cv.draw(rrect(cx - 78, 165 + oy, cx + 78, 171 + oy, 2), solid("#2A3240"))
    deck = grow(polygon([(cx - 84, 172 + oy), (cx + 84, 172 + oy), (cx + 104, 212 + oy), (cx - 104, 212 + oy)]), 2.5)
    cv.draw(deck, linear(0, 170 + oy, 0, 215 + oy, (0.0, ALU_TOP), (1.0, ALU_BOTTOM)))
    lip = grow(polygon([(cx - 105, 215 + oy), (cx + 105, 215 + oy), (cx + 101, 220 + oy), (cx - 101, 220 + oy)]), 1.5)
    cv.draw(lip, linear(0, 214 + oy, 0, 222 + oy, (0.0, "#A3AEBB"), (1.0, "#7A8696")))

    def deck_x(y, t):
        # x on the deck at height y and fraction t across it; the deck widens towards the front.
        half = 84 + (y - (172 + oy)) / 40.0 * 20
        return cx - half + 2 * half * t

    rows = [(176, 181.5), (183.5, 189.2), (191.2, 197.0)]
    keys = 13
    for ya, yb in rows:
        ya += oy
        yb += oy
        for k in range(keys):
            t0 = 0.07 + 0.86 * k / keys
            t1 = 0.07 + 0.86 * (k + 1) / keys
            g = 0.9
            quad = [(deck_x(ya, t0) + g, ya), (deck_x(ya, t1) - g, ya), (deck_x(yb, t1) - g, yb),
                    (deck_x(yb, t0) + g, yb)]
            cv.draw(grow(polygon(quad), 0.6), linear(0, ya, 0, yb, (0.0, "#3B4656"), (1.0, "#252E3B")))
    ya, yb = 199.0 + oy, 204.8 + oy
    quad = [(deck_x(ya, 0.25) + 1, ya), (deck_x(ya, 0.75) - 1, ya), (deck_x(yb, 0.75) - 1, yb),
            (deck_x(yb, 0.25) + 1, yb)]
    cv.draw(grow(polygon(quad), 0.6), linear(0, ya, 0, yb, (0.0, "#3B4656"), (1.0, "#252E3B")))  # space bar row
    pad = grow(polygon([(cx - 20, 206.5 + oy), (cx + 20, 206.5 + oy), (cx + 21, 210.5 + oy), (cx - 21, 210.5 + oy)]),
               0.8)
    cv.draw(pad, solid("#B3BECB"))

    # Information badge at the lid's corner.
    bx, by = cx + 74, 56 + oy
    cv.draw(circle(bx, by + 2, 22), solid(SHADOW), alpha=0.2, soft=3, solid_part=False)
    cv.draw(circle(bx, by, 22), solid("#FFFFFF"))
    cv.draw(circle(bx, by, 19), linear(bx - 19, by - 19, bx + 19, by + 19, (0.0, "#5AA9FA"), (1.0, ACCENT_DARK)))
    cv.draw(circle(bx, by - 8.5, 3.1), solid("#FFFFFF"))
    cv.draw(rrect(bx - 2.6, by - 3.2, bx + 2.6, by + 11, 1.6), solid("#FFFFFF"))
    return cv


def draw_post(w, h):
    """POST page: a processor with a lightning bolt and a fast-start dial. The page's check boxes sit over the
    picture's upper left, so that part stays open and shows the page."""
    cv = Canvas(w, h, solid(PAGE_GREY))

    # Speed streaks leading into the processor.
    for k, (x0, y, length) in enumerate(((18, 128, 44), (6, 146, 56), (24, 164, 38))):
        cv.draw(segment(x0, y, x0 + length, y, 3.2), linear(x0, 0, x0 + length, 0, (0.0, "#A9CBF6"), (1.0, ACCENT)))

    # The processor.
    px0, py0, size = 76, 84, 122
    pin_len = 12
    inner0, inner1 = px0 + pin_len, px0 + size - pin_len
    for k in range(1, 9):
        p = inner0 + (inner1 - inner0) * k / 9.0
        pins = linear(0, py0, 0, py0 + size, (0.0, "#B4BFCC"), (0.5, "#6F7C8D"), (1.0, "#B4BFCC"))
        cv.draw(segment(p, py0 + 2, p, py0 + size - 2, 2.2), pins)
        q = py0 + pin_len + (inner1 - inner0) * k / 9.0
        pins = linear(px0, 0, px0 + size, 0, (0.0, "#B4BFCC"), (0.5, "#6F7C8D"), (1.0, "#B4BFCC"))
        cv.draw(segment(px0 + 2, q, px0 + size - 2, q, 2.2), pins)
    body = rrect(inner0, py0 + pin_len, inner1, py0 + size - pin_len, 9)
    cv.draw(body, linear(inner0, py0, inner1, py0 + size, (0.0, BODY_TOP), (1.0, BODY_BOTTOM)))
    cv.draw(ring(body, 0.7), solid("#101620"), alpha=0.8)
    m = 15
    die = rrect(inner0 + m, py0 + pin_len + m, inner1 - m, py0 + size - pin_len - m, 6)
    cv.draw(die, linear(inner0 + m, py0 + pin_len + m, inner1 - m, py0 + size - pin_len - m,
                        (0.0, "#5AA9FA"), (1.0, ACCENT_DARK)))
    dcx, dcy = (inner0 + inner1) / 2.0, py0 + size / 2.0
    bolt = polygon([(dcx + 7, dcy - 26), (dcx - 15, dcy + 4), (dcx - 1, dcy + 4), (dcx - 8, dcy + 26),
                    (dcx + 15, dcy - 5), (dcx + 1, dcy - 5)])
    cv.draw(grow(bolt, 1.0), linear(0, dcy - 26, 0, dcy + 26, (0.0, "#FFE08A"), (1.0, "#F5A623")))
    cv.draw(circle(inner0 + 8, py0 + pin_len + 8, 2.4), solid("#8693A5"))  # pin-one mark

    # The dial: a scale from slow (green) to fast (red), the needle well into the fast end.
    gx, gy, gr = 318, 116, 92
    start, sweep = 220, -260
    cv.draw(circle(gx, gy, gr), linear(0, gy - gr, 0, gy + gr, (0.0, "#4A586C"), (1.0, "#1D2430")))
    cv.draw(circle(gx, gy, gr - 7), radial(gx, gy - 30, gr * 1.3, (0.0, "#FFFFFF"), (1.0, "#DCE3EB")))
    scale = angular(gx, gy, start, sweep, (0.0, "#2EB67D"), (0.45, "#F2C94C"), (0.75, "#F2994A"), (1.0, "#E5484D"))
    cv.draw(arc(gx, gy, gr - 20, start, sweep, 7), scale)
    for k in range(11):
        a = math.radians(start + sweep * k / 10.0)
        r0, r1 = gr - 36, gr - 44 if k % 5 else gr - 48
        hw = 1.6 if k % 5 else 2.2
        cv.draw(segment(gx + r0 * math.cos(a), gy - r0 * math.sin(a), gx + r1 * math.cos(a), gy - r1 * math.sin(a),
                        hw), solid("#4A586C"))
    na = math.radians(start + sweep * 0.86)
    tip = (gx + (gr - 27) * math.cos(na), gy - (gr - 27) * math.sin(na))
    tail = (gx - 14 * math.cos(na), gy + 14 * math.sin(na))
    nx, ny = -math.sin(na), -math.cos(na)  # across the needle
    needle = grow(polygon([tip, (gx + 5.5 * nx, gy + 5.5 * ny), tail, (gx - 5.5 * nx, gy - 5.5 * ny)]), 0.6)
    cv.draw(needle, solid(SHADOW), alpha=0.15, soft=2.5, solid_part=False)
    cv.draw(needle, linear(gx, gy, tip[0], tip[1], (0.0, "#C0392B"), (1.0, "#F25F4C")))
    cv.draw(circle(gx, gy, 11), linear(0, gy - 11, 0, gy + 11, (0.0, "#5B697E"), (1.0, "#1D2430")))
    cv.draw(circle(gx - 2, gy - 3, 3.5), solid("#FFFFFF"), alpha=0.25)
    # A small chevron at the bottom of the dial: onward, at speed.
    for k in range(2):
        ox = gx - 12 + 14 * k
        cv.draw(union(segment(ox, gy + 44, ox + 7, gy + 51, 2.4), segment(ox + 7, gy + 51, ox, gy + 58, 2.4)),
                solid(ACCENT))
    return cv


def draw_password(w, h):
    """Password page: a padlock over a password field."""
    cv = Canvas(w, h, linear(0, 0, 0, h, (0.0, PANEL_TOP), (1.0, PANEL_BOTTOM)))
    cx = w / 2.0
    oy = 6.0
    panel(cv, cx, 118 + oy, 95)
    ground_shadow(cv, cx, 170 + oy, 50, 6)

    # Shackle.
    sr, shw = 27.0, 7.0
    sy = 74 + oy
    shackle = union(arc(cx, sy, sr, 0, 180, shw), segment(cx - sr, sy, cx - sr, sy + 30, shw),
                    segment(cx + sr, sy, cx + sr, sy + 30, shw))
    metal = linear(cx - sr - shw, 0, cx + sr + shw, 0, (0.0, "#AEB9C6"), (0.3, "#F5F7FA"), (0.55, "#C7D0DA"),
                   (0.8, "#EEF2F6"), (1.0, "#97A3B2"))
    cv.draw(shackle, metal)
    cv.draw(ring(shackle, 0.6), solid(ALU_EDGE), alpha=0.7)

    # Body.
    bx0, by0, bx1, by1 = cx - 47, 96 + oy, cx + 47, 166 + oy
    body = rrect(bx0, by0, bx1, by1, 12)
    cv.draw(body, linear(0, by0, 0, by1, (0.0, "#5AA9FA"), (1.0, ACCENT_DARK)))
    cv.draw(intersect(body, rrect(bx0, by0, bx1, by0 + 16, 0)), solid("#FFFFFF"), alpha=0.14)
    cv.draw(ring(body, 0.6), solid("#154A9E"), alpha=0.7)
    ky = by0 + 31
    keyhole = union(circle(cx, ky, 8.5), grow(polygon([(cx - 3.5, ky + 3), (cx + 3.5, ky + 3), (cx + 5, ky + 21),
                                                       (cx - 5, ky + 21)]), 1.0))
    cv.draw(grow(keyhole, 1.2), solid("#FFFFFF"), alpha=0.22)
    cv.draw(keyhole, solid("#0F3470"))

    # A password field with hidden characters and the caret.
    fy0, fy1 = 186 + oy, 212 + oy
    field = rrect(14, fy0, w - 14, fy1, 13)
    cv.draw(grow(field, 1.2), solid(SHADOW), alpha=0.12, soft=2.5, solid_part=False)
    cv.draw(field, solid("#9FB4CD"))
    cv.draw(rrect(15.3, fy0 + 1.3, w - 15.3, fy1 - 1.3, 11.7), linear(0, fy0, 0, fy1, (0.0, "#FFFFFF"),
                                                                        (1.0, "#EEF3F8")))
    fcy = (fy0 + fy1) / 2.0
    for k in range(5):
        cv.draw(circle(34 + 15.5 * k, fcy, 4.3), solid("#2D3748"))
    cv.draw(rrect(w - 33, fcy - 7.5, w - 30.5, fcy + 7.5, 1.2), solid(ACCENT))
    return cv


def _hard_disk(cv, cx, cy):
    x0, y0, x1, y1 = cx - 27, cy - 17, cx + 27, cy + 17
    cv.draw(rrect(x0, y0, x1, y1, 5), linear(0, y0, 0, y1, (0.0, BODY_TOP), (1.0, BODY_BOTTOM)))
    px, py = cx - 8, cy
    cv.draw(circle(px, py, 13), radial(px - 4, py - 5, 18, (0.0, "#FFFFFF"), (0.6, "#C9D2DD"), (1.0, "#93A0B0")))
    cv.draw(circle(px, py, 3), solid("#2A3240"))
    cv.draw(union(segment(cx + 17, cy - 10, cx + 3, cy + 4, 1.9), circle(cx + 17, cy - 10, 3.2)), solid("#E7ECF2"))
    cv.draw(circle(cx + 20, cy + 11, 2.0), solid("#39D98A"))


def _optical_disc(cv, cx, cy):
    r = 21
    cv.draw(circle(cx, cy + 1.5, r), solid(SHADOW), alpha=0.18, soft=2, solid_part=False)
    cv.draw(circle(cx, cy, r), radial(cx - 6, cy - 7, r * 1.6, (0.0, "#FFFFFF"), (0.5, "#D8E0E9"), (1.0, "#A9B5C3")))
    cv.draw(intersect(subtract(circle(cx, cy, r - 2), circle(cx, cy, 8)),
                      polygon([(cx, cy), (cx + 30, cy - 30), (cx + 30, cy + 4)])),
            radial(cx, cy, r, (0.3, "#8FD0FF"), (0.6, "#C4A8FF"), (1.0, "#8FE8CF")), alpha=0.6)
    cv.draw(intersect(subtract(circle(cx, cy, r - 2), circle(cx, cy, 8)),
                      polygon([(cx, cy), (cx - 30, cy + 30), (cx - 30, cy - 4)])),
            radial(cx, cy, r, (0.3, "#FFD59A"), (0.6, "#A8DCFF"), (1.0, "#D2B8FF")), alpha=0.5)
    cv.draw(ring(circle(cx, cy, r), 0.6), solid(ALU_EDGE), alpha=0.8)
    cv.draw(circle(cx, cy, 7), solid("#EEF2F6"))
    cv.draw(ring(circle(cx, cy, 7), 0.6), solid(ALU_EDGE))
    cv.draw(circle(cx, cy, 2.6), solid("#9AA7B6"))


def _usb_stick(cv, cx, cy):
    x0, x1 = cx - 25, cx + 13
    cv.draw(rrect(x1 - 2, cy - 8, x1 + 15, cy + 8, 1.5), linear(0, cy - 8, 0, cy + 8, (0.0, "#F4F7FA"),
                                                                 (1.0, "#A7B3C1")))
    cv.draw(rrect(x1 + 3, cy - 4.5, x1 + 7, cy - 1.5, 0.5), solid("#4A586C"))
    cv.draw(rrect(x1 + 3, cy + 1.5, x1 + 7, cy + 4.5, 0.5), solid("#4A586C"))
    body = rrect(x0, cy - 11, x1, cy + 11, 6)
    cv.draw(body, linear(0, cy - 11, 0, cy + 11, (0.0, "#5AA9FA"), (1.0, ACCENT_DARK)))
    cv.draw(intersect(body, rrect(x0, cy - 11, x1, cy - 3, 0)), solid("#FFFFFF"), alpha=0.18)
    cv.draw(ring(circle(x0 + 7, cy, 3.2), 1.1), solid("#FFFFFF"), alpha=0.85)


def draw_boot(w, h):
    """Boot sequence page: hard disk, optical disc and USB stick as a numbered stack, with an arrow for the order
    in which they are tried."""
    cv = Canvas(w, h, linear(0, 0, 0, h, (0.0, PANEL_TOP), (1.0, PANEL_BOTTOM)))
    panel(cv, w * 0.45, h * 0.5, 115)
    devices = (_hard_disk, _optical_disc, _usb_stick)
    cx0, cx1 = 20, 148
    top, card_h, gap = 33, 54, 12
    for k, device in enumerate(devices):
        y0 = top + k * (card_h + gap)
        y1 = y0 + card_h
        card = rrect(cx0, y0, cx1, y1, 9)
        cv.draw(grow(card, 1.0), solid(SHADOW), alpha=0.14, soft=4, solid_part=False)
        first = k == 0
        cv.draw(card, solid(ACCENT if first else "#BFCBD9"))
        cv.draw(grow(card, -1.4 if first else -1.0),
                linear(0, y0, 0, y1, (0.0, "#F7FBFF" if first else "#FFFFFF"), (1.0, "#E3EEFB" if first else
                                                                                   "#EEF2F7")))
        device(cv, cx0 + 40, (y0 + y1) / 2.0)
        lx = cx0 + 80
        text_bar(cv, lx, y0 + 21, 36, "#9DB4CE" if first else "#B7C5D5", 2.2)
        text_bar(cv, lx, y0 + 32, 24, LINE, 2.2)
        # The position in the order, on a badge at the card's corner.
        bx, by = cx0 + 1, y0 + 1
        cv.draw(circle(bx, by, 12.5), solid("#FFFFFF"))
        cv.draw(circle(bx, by, 10.5), linear(0, by - 10, 0, by + 10, (0.0, "#5AA9FA") if first else (0.0, "#8C9AAD"),
                                             (1.0, ACCENT_DARK) if first else (1.0, "#5B687B")))
        digit(cv, k + 1, bx, by, 11.5)

    # The order: from the first device down to the last.
    ax = 170
    ay0, ay1 = top + 8, top + 3 * card_h + 2 * gap + 10
    arrow_paint = linear(0, ay0, 0, ay1, (0.0, "#8FC0FA"), (1.0, ACCENT_DARK))
    cv.draw(segment(ax, ay0, ax, ay1 - 14, 4.0), arrow_paint)
    cv.draw(grow(polygon([(ax - 10, ay1 - 17), (ax + 10, ay1 - 17), (ax, ay1 - 2)]), 1.5), arrow_paint)
    for k in range(3):
        y = top + k * (card_h + gap) + card_h / 2.0
        cv.draw(circle(ax, y, 5.5), solid("#FFFFFF"))
        cv.draw(circle(ax, y, 3.2), solid(ACCENT_DARK if k == 0 else "#8FA3BA"))
    return cv


def draw_display(w, h):
    """Display page: an external monitor with a notebook in front of it."""
    cv = Canvas(w, h, solid(PAGE_GREY))

    # Monitor, stand and foot.
    mx0, my0, mx1, my1 = 5, 8, 105, 76
    cv.draw(polygon([(49, my1 - 2), (61, my1 - 2), (64, 93), (46, 93)]), linear(46, 0, 64, 0, (0.0, "#A9B4C1"),
                                                                             (0.5, "#E9EEF3"), (1.0, "#9AA6B4")))
    cv.draw(rrect(30, 90, 80, 97, 3.5), linear(0, 90, 0, 97, (0.0, ALU_TOP), (1.0, ALU_BOTTOM)))
    cv.draw(ring(rrect(30, 90, 80, 97, 3.5), 0.5), solid(ALU_EDGE))
    bezel = rrect(mx0, my0, mx1, my1, 5)
    cv.draw(bezel, linear(0, my0, 0, my1, (0.0, BODY_TOP), (1.0, BODY_BOTTOM)))
    sx0, sy0, sx1, sy1 = mx0 + 5, my0 + 5, mx1 - 5, my1 - 7
    screen = rrect(sx0, sy0, sx1, sy1, 2)
    cv.draw(screen, linear(sx0, sy0, sx1, sy1, (0.0, SCREEN_LIGHT), (1.0, SCREEN_DARK)))
    # Soft hills on the monitor's wallpaper.
    cv.draw(intersect(screen, circle(sx0 + 20, sy1 + 38, 50)), solid("#7CC4FF"), alpha=0.45)
    cv.draw(intersect(screen, circle(sx1 - 5, sy1 + 52, 58)), solid("#3C8CF0"), alpha=0.55)
    screen_gloss(cv, screen, sx0, sy0, sx1, sy1)
    cv.draw(circle((mx0 + mx1) / 2.0, my1 - 3.5, 1.2), solid("#8FA0B4"))

    # Notebook: lid rim, screen showing a brightness sun, deck and front edge.
    lx0, ly0, lx1, ly1 = 64, 46, 136, 100
    lid = rrect(lx0, ly0, lx1, ly1, 4)
    cv.draw(lid, linear(0, ly0, 0, ly1, (0.0, "#E7ECF1"), (1.0, "#AAB5C2")))
    cv.draw(grow(lid, -1.8), linear(0, ly0, 0, ly1, (0.0, BODY_TOP), (1.0, BODY_BOTTOM)))
    nx0, ny0, nx1, ny1 = lx0 + 5, ly0 + 5, lx1 - 5, ly1 - 5
    nscreen = rrect(nx0, ny0, nx1, ny1, 1.5)
    cv.draw(nscreen, linear(nx0, ny0, nx1, ny1, (0.0, "#7CC4FF"), (1.0, "#2566CC")))
    scx, scy = (nx0 + nx1) / 2.0, (ny0 + ny1) / 2.0
    for k in range(8):
        a = math.radians(45 * k)
        cv.draw(segment(scx + 10.5 * math.cos(a), scy + 10.5 * math.sin(a), scx + 14 * math.cos(a),
                        scy + 14 * math.sin(a), 1.3), solid("#FFFFFF"))
    cv.draw(circle(scx, scy, 7), solid("#FFE08A"))
    screen_gloss(cv, nscreen, nx0, ny0, nx1, ny1)
    deck = grow(polygon([(lx0 - 3, 101.5), (lx1 + 3, 101.5), (lx1 + 7, 111), (lx0 - 7, 111)]), 1.5)
    cv.draw(deck, linear(0, 100, 0, 112, (0.0, ALU_TOP), (1.0, ALU_BOTTOM)))
    cv.draw(ring(deck, 0.5), solid(ALU_EDGE), alpha=0.9)
    cv.draw(rrect((lx0 + lx1) / 2 - 9, 108.2, (lx0 + lx1) / 2 + 9, 110.5, 1), solid("#9AA6B4"))
    return cv


# ----------------------------------------------------------------------------------------------------------------
# Quantisation to 256 colours.

# The 20 colours a palette display keeps for itself: the first ten and the last ten entries of the system palette.
FIXED_LOW = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (192, 220, 192), (166, 202, 240)]
FIXED_HIGH = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
              (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
FREE_ENTRIES = 256 - len(FIXED_LOW) - len(FIXED_HIGH)


def median_cut(histogram, count):
    """Splits the colour cube into count boxes, always the box whose colours stray furthest from their mean (by
    summed squared error), across its widest spread, at the weighted median; returns the boxes' mean colours."""

    def stats(entries):
        n = sum(c for _, c in entries)
        mean = [sum(col[a] * c for col, c in entries) / n for a in range(3)]
        var = [sum((col[a] - mean[a]) ** 2 * c for col, c in entries) for a in range(3)]
        return n, mean, var

    boxes = []
    entries = list(histogram.items())
    n, mean, var = stats(entries)
    boxes.append((sum(var), entries, mean, var))
    while len(boxes) < count:
        boxes.sort(key=lambda b: b[0])
        err, entries, mean, var = boxes[-1]
        if len(entries) < 2 or err == 0:
            break
        boxes.pop()
        axis = max(range(3), key=lambda a: var[a])
        entries.sort(key=lambda e: e[0][axis])
        total = sum(c for _, c in entries)
        acc, cut = 0, 1
        for idx, (_, c) in enumerate(entries):
            acc += c
            if acc * 2 >= total:
                cut = min(max(idx + 1, 1), len(entries) - 1)
                break
        for part in (entries[:cut], entries[cut:]):
            n, m, v = stats(part)
            boxes.append((sum(v), part, m, v))
    return [tuple(int(round(x)) for x in b[2]) for b in boxes]


def build_palette(pixels):
    histogram = {}
    fixed = set(FIXED_LOW + FIXED_HIGH)
    for p in pixels:
        if p not in fixed:
            histogram[p] = histogram.get(p, 0) + 1
    chosen = median_cut(histogram, FREE_ENTRIES) if histogram else []
    chosen += [(0, 0, 0)] * (FREE_ENTRIES - len(chosen))
    return FIXED_LOW + chosen + FIXED_HIGH


def quantise(pixels, palette):
    cache = {}
    indices = []
    for p in pixels:
        idx = cache.get(p)
        if idx is None:
            r, g, b = p
            best, idx = None, 0
            for k, (pr, pg, pb) in enumerate(palette):
                dist = 3 * (pr - r) ** 2 + 4 * (pg - g) ** 2 + 2 * (pb - b) ** 2
                if best is None or dist < best:
                    best, idx = dist, k
            cache[p] = idx
        indices.append(idx)
    return indices


# ----------------------------------------------------------------------------------------------------------------
# Files.


def write_bmp(path, w, h, palette, indices):
    """A 256-colour bitmap: file header, 40-byte information header, a full 256-entry colour table (blue, green,
    red, reserved) and 8-bit rows from the bottom up, each padded to 4 bytes."""
    stride = (w + 3) & ~3
    rows = bytearray()
    for j in range(h - 1, -1, -1):
        rows += bytes(indices[j * w:(j + 1) * w])
        rows += b"\0" * (stride - w)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 3780, 3780, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + table + bytes(rows))


def write_png(path, w, h, pixels):
    raw = bytearray()
    for j in range(h):
        raw.append(0)
        for r, g, b in pixels[j * w:(j + 1) * w]:
            raw += bytes((r, g, b))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


# ----------------------------------------------------------------------------------------------------------------

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# (image file, mask file or None, drawing, width, height)
PICTURES = [
    ("info.bmp", None, draw_info, 235, 294),
    ("post.bmp", "post_mask.bmp", draw_post, 439, 213),
    ("password.bmp", None, draw_password, 152, 231),
    ("boot.bmp", None, draw_boot, 192, 250),
    ("display.bmp", "display_mask.bmp", draw_display, 145, 127),
]


def render(draw, w, h, masked):
    cv = draw(w, h)
    pixels = cv.pixels()
    mask = None
    if masked:
        # A pixel belongs to the picture when its shapes cover at least half of it; elsewhere the image is white,
        # so that the screen under it stays as it was.
        mask = [c >= 0.5 for c in cv.cover]
        pixels = [p if m else WHITE for p, m in zip(pixels, mask)]
    return pixels, mask


def composite(image, mask, page):
    """What the control leaves on a page of colour page: mask ORed on, then the image ANDed on."""
    out = []
    for p, m in zip(image, mask):
        under = WHITE if m else page
        out.append((under[0] & p[0], under[1] & p[1], under[2] & p[2]))
    return out


def contact_sheet(items, page=(240, 240, 240), pad=12):
    """Lays previews out in one row: items are (w, h, pixels)."""
    width = pad + sum(w + pad for w, _, _ in items)
    height = pad * 2 + max(h for _, h, _ in items)
    out = [page] * (width * height)
    x = pad
    for w, h, px in items:
        for j in range(h):
            out[(pad + j) * width + x:(pad + j) * width + x + w] = px[j * w:(j + 1) * w]
        x += w + pad
    return width, height, out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "bitmaps"))
    parser.add_argument("--preview", default=None, help="also write PNG previews into this directory")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)

    sheet, sheet_pages = [], {name: [] for name in ("classic", "white")}
    for image_name, mask_name, draw, w, h in PICTURES:
        pixels, mask = render(draw, w, h, mask_name is not None)
        palette = build_palette(pixels)
        indices = quantise(pixels, palette)
        shown = [palette[k] for k in indices]
        write_bmp(os.path.join(args.out, image_name), w, h, palette, indices)
        if mask is not None:
            black, white = palette.index(BLACK), palette.index(WHITE)
            # The control realises the mask's palette for both bitmaps, so the mask carries the image's table.
            write_bmp(os.path.join(args.out, mask_name), w, h, palette, [white if m else black for m in mask])
            assert all(m or p == WHITE for p, m in zip(shown, mask)), image_name
        print("%-12s %3d x %3d  %s" % (image_name, w, h, "with " + mask_name if mask_name else "no mask"))
        if args.preview:
            base = os.path.join(args.preview, os.path.splitext(image_name)[0])
            write_png(base + ".png", w, h, shown)
            sheet.append((w, h, shown))
            if mask is not None:
                write_png(base + "_mask.png", w, h, [WHITE if m else BLACK for m in mask])
                for name, page in (("classic", (212, 208, 200)), ("white", WHITE)):
                    on_page = composite(shown, mask, page)
                    write_png(base + "_on_" + name + ".png", w, h, on_page)
                    sheet_pages[name].append((w, h, on_page))
    if args.preview:
        write_png(os.path.join(args.preview, "sheet.png"), *contact_sheet(sheet))
        for name, page in (("classic", (212, 208, 200)), ("white", WHITE)):
            write_png(os.path.join(args.preview, "masked_on_" + name + ".png"),
                      *contact_sheet(sheet_pages[name], page))


if __name__ == "__main__":
    main()
