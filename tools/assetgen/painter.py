"""Painting 640 x 480 map backgrounds, with a mask drawn from the very same shapes."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

W, H, S = 640, 480, 2


def rect_outline(x0, y0, x1, y1):
    """The polygon through the corner pixels of the rectangle x0 <= x < x1, y0 <= y < y1."""
    return [(x0, y0), (x1 - 1, y0), (x1 - 1, y1 - 1), (x0, y1 - 1)]


class Painter:
    """Background painted at twice the size; the mask is painted at full size, unsmoothed.

    Every foreground shape goes through `cover`, which paints it and marks it black in the
    mask, so what covers the walkers is exactly what the player sees in front of them.
    """

    def __init__(self, seed):
        self.rng = np.random.RandomState(seed)
        self.img = Image.new("RGB", (W * S, H * S))
        self.d = ImageDraw.Draw(self.img)
        self.mask = Image.new("L", (W, H), 255)
        self.md = ImageDraw.Draw(self.mask)
        self.props = []  # (name, outline, floor line, in the mask) for the depth check

    # --- whole-picture fills -------------------------------------------------------------
    def gradient(self, y0, y1, top, bottom):
        a = np.asarray(self.img).copy()
        ys = np.arange(y0 * S, y1 * S)
        t = ((ys - y0 * S) / max(1, (y1 - y0) * S))[:, None, None]
        a[y0 * S:y1 * S] = (np.array(top) * (1 - t) + np.array(bottom) * t).astype(np.uint8)
        self._set(a)

    def _set(self, a):
        self.img = Image.fromarray(np.clip(a, 0, 255).astype(np.uint8), "RGB")
        self.d = ImageDraw.Draw(self.img)

    def texture(self, y0, y1, strength, scale=1):
        """Grain and blotches over a band, for concrete, rock and grime."""
        a = np.asarray(self.img).astype(np.float64)
        h, w = (y1 - y0) * S, W * S
        fine = self.rng.normal(0, 1, (h, w))
        coarse = self.rng.normal(0, 1, (h // (8 * scale) + 2, w // (8 * scale) + 2))
        coarse = np.asarray(Image.fromarray(((coarse + 4) * 32).clip(0, 255).astype(np.uint8))
                            .resize((w, h), Image.BICUBIC), dtype=np.float64) / 32 - 4
        a[y0 * S:y1 * S] *= (1 + strength * (0.35 * fine + 0.65 * coarse * 0.5))[..., None]
        self._set(a)

    def light(self, cx, cy, rx, ry, colour, power):
        """An additive pool of light."""
        a = np.asarray(self.img).astype(np.float64)
        yy, xx = np.mgrid[0:H * S, 0:W * S] / S
        f = np.exp(-(((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2))
        a += f[..., None] * np.array(colour) * power
        self._set(a)

    def vignette(self, strength):
        a = np.asarray(self.img).astype(np.float64)
        yy, xx = np.mgrid[0:H * S, 0:W * S] / S
        r = np.hypot((xx - W / 2) / (W / 2), (yy - H / 2) / (H / 2))
        a *= (1 - strength * np.clip(r - 0.5, 0, 1) ** 1.5)[..., None]
        self._set(a)

    # --- shapes -------------------------------------------------------------------------
    def poly(self, pts, fill):
        self.d.polygon([(x * S, y * S) for x, y in pts], fill=tuple(fill))

    def rect(self, x0, y0, x1, y1, fill):
        self.d.rectangle([x0 * S, y0 * S, x1 * S - 1, y1 * S - 1], fill=tuple(fill))

    def ellipse(self, cx, cy, rx, ry, fill):
        self.d.ellipse([(cx - rx) * S, (cy - ry) * S, (cx + rx) * S, (cy + ry) * S],
                       fill=tuple(fill))

    def line(self, pts, width, fill):
        self.d.line([(x * S, y * S) for x, y in pts], fill=tuple(fill), width=int(width * S))

    def cover(self, pts, base=None, name="scenery"):
        """Marks a polygon as scenery in front of the walkers whose feet are above `base`.

        `base` is where the thing stands on the floor (its lowest point unless given): a
        walker nearer than that must never pass over it, which `maps.check_depth` enforces.
        """
        pts = [(round(x), round(y)) for x, y in pts]
        self.md.polygon(pts, fill=0)
        self.props.append((name, pts, max(y for _, y in pts) if base is None else base, True))

    def cover_rect(self, x0, y0, x1, y1, base=None, name="scenery"):
        self.cover(rect_outline(x0, y0, x1, y1), y1 if base is None else base, name)

    def stands(self, pts, base, name):
        """Notes a painted thing left out of the mask: no walker may pass behind it."""
        self.props.append((name, [(round(x), round(y)) for x, y in pts], base, False))

    def prop(self, pts, base, name, front):
        """A painted thing on floor line `base`: in the mask when `front`, else left out."""
        if front:
            self.cover(pts, base, name)
        else:
            self.stands(pts, base, name)

    # --- results ------------------------------------------------------------------------
    def blur_band(self, y0, y1, radius):
        band = self.img.crop((0, y0 * S, W * S, y1 * S)).filter(ImageFilter.GaussianBlur(radius))
        self.img.paste(band, (0, y0 * S))

    def background(self):
        return self.img.resize((W, H), Image.LANCZOS)

    def mask_white(self):
        return np.asarray(self.mask) >= 128
