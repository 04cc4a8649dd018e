"""A supersampled RGBA drawing surface: shapes are drawn large and averaged down."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def font(name, size):
    return ImageFont.truetype(FONT_DIR + name, size)


class Canvas:
    def __init__(self, w, h, scale=4, background=(0, 0, 0, 0)):
        self.w, self.h, self.s = w, h, scale
        self.img = Image.new("RGBA", (w * scale, h * scale), background)
        self.draw = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def poly(self, pts, fill):
        self.draw.polygon(self._p(pts), fill=_rgba(fill))

    def rect(self, x0, y0, x1, y1, fill):
        self.draw.rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1],
                            fill=_rgba(fill))

    def rrect(self, x0, y0, x1, y1, r, fill):
        self.draw.rounded_rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1],
                                    radius=r * self.s, fill=_rgba(fill))

    def ellipse(self, cx, cy, rx, ry, fill):
        self.draw.ellipse([(cx - rx) * self.s, (cy - ry) * self.s, (cx + rx) * self.s,
                           (cy + ry) * self.s], fill=_rgba(fill))

    def line(self, pts, width, fill):
        self.draw.line(self._p(pts), fill=_rgba(fill), width=max(1, int(width * self.s)),
                       joint="curve")

    def text(self, x, y, s, fnt_name, size, fill, anchor="la", spacing=0):
        f = font(fnt_name, int(size * self.s))
        if spacing:
            for ch in s:
                self.draw.text((x * self.s, y * self.s), ch, font=f, fill=_rgba(fill),
                               anchor=anchor)
                x += f.getlength(ch) / self.s + spacing
        else:
            self.draw.text((x * self.s, y * self.s), s, font=f, fill=_rgba(fill), anchor=anchor)

    def text_width(self, s, fnt_name, size, spacing=0):
        f = font(fnt_name, int(size * self.s))
        return f.getlength(s) / self.s + spacing * len(s)

    def layer(self):
        """A fresh transparent canvas of the same size, to composite later."""
        return Canvas(self.w, self.h, self.s)

    def composite(self, other, blur=0):
        img = other.img
        if blur:
            img = img.filter(ImageFilter.GaussianBlur(blur * self.s))
        self.img = Image.alpha_composite(self.img, img)
        self.draw = ImageDraw.Draw(self.img)

    def array(self):
        """Averages the big picture down; returns straight-alpha floats H x W x 4."""
        a = np.asarray(self.img, dtype=np.float64) / 255.0
        a[..., :3] *= a[..., 3:4]
        s = self.s
        a = a.reshape(self.h, s, self.w, s, 4).mean(axis=(1, 3))
        alpha = a[..., 3:4]
        a[..., :3] = np.where(alpha > 0, a[..., :3] / np.maximum(alpha, 1e-9), 0)
        return a


def _rgba(c):
    return tuple(c) if len(c) == 4 else tuple(c) + (255,)


def outline(rgba, colour, alpha_min=0.5):
    """Adds a one-pixel outline around the solid part of a downsampled sprite."""
    solid = rgba[..., 3] >= alpha_min
    grown = solid.copy()
    grown[1:, :] |= solid[:-1, :]
    grown[:-1, :] |= solid[1:, :]
    grown[:, 1:] |= solid[:, :-1]
    grown[:, :-1] |= solid[:, 1:]
    ring = grown & ~solid
    out = rgba.copy()
    out[ring, :3] = np.array(colour) / 255.0
    out[ring, 3] = 1.0
    return out
