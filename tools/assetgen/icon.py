"""The application icon: the game's cross-hair on one of its walkers, on a worn deck plate.

Drawn from one design at every size (the desktop's menus, the window's title bar and the
software centre each pick one), with detail dropped where it would turn to mush: the rivets
and the hazard stripes appear only from 64 pixels up. Lines never get thinner than about a
pixel, so the cross-hair still reads at 32.
"""
import os

import numpy as np
from PIL import Image, ImageFilter

from canvas import Canvas
from palette import *  # noqa: F401,F403

SIZES = (32, 48, 64, 128, 256)
ICON_ID = "org.skarveth.Skarveth"
DESIGN = 256.0  # the design space every coordinate below is given in


class _Pen:
    """Scales design coordinates to one icon size and keeps lines at least `min_px` wide."""

    def __init__(self, canvas, size, min_px=1.1):
        self.c, self.k, self.min = canvas, size / DESIGN, min_px

    def pts(self, pts):
        return [(x * self.k, y * self.k) for x, y in pts]

    def width(self, w):
        return max(w * self.k, self.min)

    def poly(self, pts, fill):
        self.c.poly(self.pts(pts), fill)

    def ellipse(self, cx, cy, rx, ry, fill):
        self.c.ellipse(cx * self.k, cy * self.k, rx * self.k, ry * self.k, fill)

    def rrect(self, x0, y0, x1, y1, r, fill):
        k = self.k
        self.c.rrect(x0 * k, y0 * k, x1 * k, y1 * k, r * k, fill)

    def line(self, pts, w, fill):
        self.c.line(self.pts(pts), self.width(w), fill)

    def ring(self, cx, cy, r, w, fill):
        """A circle outline of width w, drawn as two ellipses on a layer of its own."""
        k = self.k
        half = self.width(w) / 2
        layer = self.c.layer()
        layer.ellipse(cx * k, cy * k, r * k + half, r * k + half, fill)
        layer.ellipse(cx * k, cy * k, r * k - half, r * k - half, (0, 0, 0, 0))
        return layer


def _octagon(x0, y0, x1, y1, cut):
    return [(x0 + cut, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1 - cut), (x1 - cut, y1),
            (x0 + cut, y1), (x0, y1 - cut), (x0, y0 + cut)]


def _plate(pen, size):
    """The deck plate: cut corners, an ink rim, lit from the top left like the menu's floor."""
    pen.poly(_octagon(6, 6, 250, 250, 40), INK)
    pen.poly(_octagon(14, 14, 242, 242, 36), STEEL)
    pen.poly(_octagon(20, 20, 242, 242, 33), STEEL_DARK)
    pen.poly(_octagon(20, 20, 236, 236, 32), shade(STEEL_DARK, 1.08))
    if size >= 64:
        for x, y in ((52, 40), (204, 40), (40, 204), (216, 204)):
            pen.ellipse(x, y, 7, 7, STEEL)
            pen.ellipse(x + 1.5, y + 1.5, 5, 5, STEEL_DARK)
            pen.ellipse(x - 1.5, y - 1.5, 2.2, 2.2, STEEL_SHINE)
        # hazard stripes along the bottom edge, clipped to the plate by drawing them first
        # on a layer and cutting it with the plate's shape
        band = pen.c.layer()
        for i in range(-2, 12):
            x = 40 + i * 22
            band.poly(pen.pts([(x, 236), (x + 11, 236), (x + 31, 212), (x + 20, 212)]),
                      AMBER + (255,))
        _clip_to(band, pen, _octagon(20, 20, 236, 236, 32), y_min=212)
        pen.c.composite(band)
        pen.line([(44, 211), (212, 211)], 3, INK)


def _clip_to(layer, pen, shape, y_min):
    """Keeps the layer only inside the shape and below y_min (design units)."""
    mask = Canvas(layer.w, layer.h, layer.s)
    mask.poly(pen.pts(shape), (255, 255, 255))
    m = np.asarray(mask.img)[..., 3] > 0
    rows = np.arange(m.shape[0])[:, None] >= y_min * pen.k * layer.s
    arr = np.array(layer.img)
    arr[..., 3] = np.where(m & rows, arr[..., 3], 0)
    layer.img = Image.fromarray(arr, "RGBA")


def _walker(pen):
    """The red-plated assault walker from the chest up, its visor burning amber."""
    pen.poly([(112, 140), (144, 140), (144, 172), (112, 172)], STEEL_DARK)  # the neck
    pen.poly([(64, 236), (72, 184), (100, 166), (156, 166), (184, 184), (192, 236)], RED)
    pen.poly([(128, 166), (156, 166), (184, 184), (192, 236), (128, 236)], shade(RED, 0.7))
    pen.poly([(94, 194), (162, 194), (162, 202), (94, 202)], shade(RED, 0.55))
    for x, colour, trim in ((76, RED_LIGHT, shade(RED, 0.5)), (180, shade(RED, 0.8),
                                                                 shade(RED, 0.42))):
        pen.ellipse(x, 180, 28, 19, colour)
        pen.poly([(x - 27, 182), (x + 27, 182), (x + 27, 188), (x - 27, 188)], trim)
    pen.poly([(116, 46), (140, 46), (140, 62), (116, 62)], STEEL_DARK)  # the crest
    pen.rrect(90, 58, 166, 156, 20, RED)
    pen.rrect(128, 58, 166, 156, 16, shade(RED, 0.7))
    pen.poly([(94, 94), (162, 94), (162, 112), (94, 112)], INK)
    glow = pen.c.layer()
    glow.poly(pen.pts([(96, 97), (160, 97), (160, 109), (96, 109)]), AMBER + (200,))
    pen.c.composite(glow, blur=max(0.6, 5 * pen.k))
    pen.poly([(98, 99), (158, 99), (158, 107), (98, 107)], AMBER_LIGHT)


def _rimmed(layer, width):
    """The layer with an ink rim `width` pixels wide around it, as the game outlines sprites."""
    big = width * layer.s
    alpha = layer.img.getchannel("A").filter(ImageFilter.MaxFilter(2 * int(round(big)) + 1))
    rim = Image.new("RGBA", layer.img.size, INK + (255,))
    rim.putalpha(alpha)
    layer.img = Image.alpha_composite(rim, layer.img)
    return layer


def _crosshair(pen, size):
    """The game's cross-hair: a teal ring broken by four glowing arms, a red dot at the heart."""
    cx, cy, r = 128, 126, 70
    glow = pen.ring(cx, cy, r, 14, TEAL + (150,))
    pen.c.composite(glow, blur=max(0.8, 6 * pen.k))
    ring = pen.ring(cx, cy, r, 9, TEAL)
    # the ring's gaps where the arms cross it, as in the game's cursor
    gap = 14
    k, s = pen.k, ring.s
    arr = np.array(ring.img)
    yy, xx = np.mgrid[0:arr.shape[0], 0:arr.shape[1]] / s
    cut = (np.abs(xx - cx * k) < gap * k) | (np.abs(yy - cy * k) < gap * k)
    arr[..., 3] = np.where(cut, 0, arr[..., 3])
    ring.img = Image.fromarray(arr, "RGBA")
    pen.c.composite(ring)
    for (x0, y0, x1, y1) in ((cx, cy - 92, cx, cy - 28), (cx, cy + 28, cx, cy + 92),
                             (cx - 92, cy, cx - 28, cy), (cx + 28, cy, cx + 92, cy)):
        pen.line([(x0, y0), (x1, y1)], 13, INK)
        pen.line([(x0, y0), (x1, y1)], 7, TEAL_GLOW)
    # the dot grows below 64 pixels so that it still shows
    rim, dot = (9, 5.5) if size >= 64 else (12, 8)
    pen.ellipse(cx, cy, rim, rim, INK)
    pen.ellipse(cx, cy, dot, dot, RED_LIGHT)


def icon(size):
    """The icon at one size, as H x W x 4 straight-alpha uint8."""
    c = Canvas(size, size, scale=8 if size <= 64 else 4)
    pen = _Pen(c, size)
    _plate(pen, size)
    figure = c.layer()
    _walker(_Pen(figure, size))
    c.composite(_rimmed(figure, max(1.0, 4 * size / DESIGN)))
    _crosshair(pen, size)
    return to_rgba8(c)


def to_rgba8(c):
    """A finished canvas as H x W x 4 straight-alpha uint8."""
    return np.clip(np.rint(c.array() * 255), 0, 255).astype(np.uint8)


def write_icons(out, icon_id, draw):
    """out/<icon_id>-<N>.png for every size N, each drawn by draw(N)."""
    os.makedirs(out, exist_ok=True)
    for size in SIZES:
        path = os.path.join(out, "%s-%d.png" % (icon_id, size))
        Image.fromarray(draw(size), "RGBA").save(path, format="PNG", optimize=False)


def write_all(out):
    """data/icons/<id>-<N>.png for every size; the build installs and embeds them."""
    write_icons(out, ICON_ID, icon)
