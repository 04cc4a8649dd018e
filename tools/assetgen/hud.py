"""Game-screen pictures: blood, digits, rail trail, reload bar and the two cursors."""
import numpy as np
from PIL import Image, ImageFilter

from canvas import Canvas, font, outline
from palette import *  # noqa: F401,F403


def blood_strip():
    """Three 64 x 64 frames of a splatter that bursts, spreads and drips.

    Each frame has a near-black rim and core around crimson spatter with pale wet glints:
    the dark and light parts keep it readable on any model, the red ones included.
    """
    rng = np.random.RandomState(7)
    drops = [(rng.uniform(0, 2 * np.pi), rng.uniform(0.35, 1.0), rng.uniform(0.6, 1.4))
             for _ in range(22)]
    frames = []
    for stage, reach in enumerate((11.0, 19.0, 27.0)):
        c = Canvas(64, 64, scale=4)
        c.ellipse(32, 32, reach * 0.42, reach * 0.36, BLOOD)
        glints = []
        for ang, dist, size in drops:
            d = reach * dist
            x, y = 32 + np.cos(ang) * d, 32 + np.sin(ang) * d * 0.8
            r = size * (1.2 + stage * 0.5) * (1.1 - dist * 0.5)
            c.line([(32 + np.cos(ang) * d * 0.3, 32 + np.sin(ang) * d * 0.24), (x, y)],
                   r * 0.9, BLOOD)
            c.ellipse(x, y, r, r * 0.85, BLOOD_LIGHT if dist > 0.6 else BLOOD)
            if stage == 2 and y > 32 and size > 1.0:
                c.line([(x, y), (x, y + 4 + size * 4)], 1.4, BLOOD)
            if r > 2.2:
                glints.append((x - r * 0.35, y - r * 0.35, r * 0.28))
        c.ellipse(32, 32, reach * 0.3, reach * 0.24, BLOOD_DARK)
        c.ellipse(28.5, 28.5, reach * 0.09, reach * 0.06, BLOOD_GLINT)
        for gx, gy, gr in glints:
            c.ellipse(gx, gy, gr, gr, BLOOD_GLINT)
        frames.append(outline(c.array(), BLOOD_RIM))
    return np.concatenate(frames, axis=1)


def numbers_strip():
    """Digits 0-9 in 32-pixel cells: amber faces over a heavy dark rim."""
    s, w, h = 4, 32, 40
    big = Image.new("L", (w * 10 * s, h * s), 0)
    f = font("DejaVuSansCondensed-Bold.ttf", 39 * s)
    from PIL import ImageDraw
    d = ImageDraw.Draw(big)
    for k in range(10):
        d.text(((k * w + w / 2) * s, (h / 2 + 1) * s), str(k), font=f, fill=255, anchor="mm")
    face = np.asarray(big, dtype=np.float64) / 255
    rim = np.asarray(big.filter(ImageFilter.MaxFilter(2 * 2 * s + 1)), dtype=np.float64) / 255
    shadow = np.roll(np.roll(rim, 2 * s, axis=0), 2 * s, axis=1)
    ys = np.linspace(0, 1, h * s)[:, None, None]
    top, bottom = np.array(AMBER_LIGHT) / 255, np.array(RUST_LIGHT) / 255
    face_rgb = top + (bottom - top) * ys
    band = (np.abs(ys - 0.48) < 0.03)  # a thin bright seam across every digit
    face_rgb = np.where(band, np.array(WHITE) / 255, face_rgb)
    rgba = np.zeros((h * s, w * 10 * s, 4))
    rgba[..., :3] = np.array(INK) / 255
    rgba[..., 3] = np.maximum(rim, shadow * 0.999)
    rgba[..., :3] = rgba[..., :3] * (1 - face[..., None]) + face_rgb * face[..., None]
    rgba[..., 3] = np.maximum(rgba[..., 3], face)
    return _downsample(rgba, s)


def _downsample(rgba, s):
    h, w = rgba.shape[0] // s, rgba.shape[1] // s
    a = rgba.copy()
    a[..., :3] *= a[..., 3:4]
    a = a.reshape(h, s, w, s, 4).mean(axis=(1, 3))
    alpha = a[..., 3:4]
    a[..., :3] = np.where(alpha > 0, a[..., :3] / np.maximum(alpha, 1e-9), 0)
    return a


def rail_trail():
    """A 24 x 64 beam for additive drawing: white-hot core, teal glow, black around it."""
    w, h = 24, 64
    x = np.arange(w) - (w - 1) / 2
    y = np.arange(h)[:, None]
    twist = 0.85 + 0.15 * np.cos(2 * np.pi * y / h * 2)
    glow = np.exp(-(x / 5.5) ** 2) * twist
    core = np.exp(-(x / 1.3) ** 2)
    rgb = (glow[..., None] * np.array([30, 170, 190]) + core[..., None] * np.array([225, 255, 250]))
    return np.clip(np.rint(rgb), 0, 255).astype(np.uint8)


def rail_bar():
    """64 x 10, shaded only top to bottom, so any horizontal stretch looks the same."""
    rows = [TEAL_DARK, TEAL, TEAL_GLOW, WHITE, TEAL_GLOW, TEAL, TEAL, TEAL_DARK, TEAL_DARK, INK]
    return np.tile(np.array(rows, dtype=np.uint8)[:, None, :], (1, 64, 1))


DARK_RIM = (34, 36, 40)  # dark enough to read as an outline, bright enough not to be the key


def cursor():
    """A 33 x 33 cross-hair whose centre pixel is the hot spot."""
    n, c = 33, 16
    img = np.zeros((n, n, 3), dtype=np.uint8)
    ring = np.zeros((n, n), bool)
    yy, xx = np.mgrid[0:n, 0:n]
    r = np.hypot(xx - c, yy - c)
    ring |= (np.abs(r - 11) < 0.75) & ((np.abs(xx - c) > 4) & (np.abs(yy - c) > 4))
    arms = ((xx == c) & (np.abs(yy - c) >= 4) & (np.abs(yy - c) <= 14)) | \
           ((yy == c) & (np.abs(xx - c) >= 4) & (np.abs(xx - c) <= 14))
    dot = (xx == c) & (yy == c)
    bright = ring | arms | dot
    rim = _grow(bright) & ~bright
    img[rim] = DARK_RIM
    img[ring] = TEAL
    img[arms] = TEAL_GLOW
    img[dot] = RED_LIGHT
    return img


def menu_cursor():
    """An arrow whose tip sits on the centre pixel of a 48 x 48 picture."""
    c = Canvas(48, 48, scale=4)
    tip = (24, 24)
    pts = [tip, (24, 42), (28.5, 37.5), (32, 45), (35.5, 43.5), (32, 36), (38, 36)]
    c.poly([(x + 0.5, y + 0.5) for x, y in pts], AMBER)
    inner = [(25.5, 28), (25.5, 38.5), (29, 35), (29.5, 35.5), (34.5, 34.5)]
    c.poly([(x + 0.5, y + 0.5) for x, y in inner], AMBER_LIGHT)
    a = outline(c.array(), DARK_RIM)
    a[24, 24, :3] = np.array(WHITE) / 255  # the hot spot itself, always drawn
    a[24, 24, 3] = 1
    return a


def _grow(m):
    g = m.copy()
    g[1:, :] |= m[:-1, :]
    g[:-1, :] |= m[1:, :]
    g[:, 1:] |= m[:, :-1]
    g[:, :-1] |= m[:, 1:]
    return g
