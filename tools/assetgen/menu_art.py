"""Menu pictures: the scrolling floor tile, the title logo and the makers' logo."""
import numpy as np

from canvas import Canvas, outline
from palette import *  # noqa: F401,F403


def periodic_noise(n, rng, octaves=((4, 1.0), (8, 0.5), (16, 0.3), (32, 0.15))):
    """Noise that wraps around both edges: sums of whole-period sine waves."""
    yy, xx = np.mgrid[0:n, 0:n] / n
    out = np.zeros((n, n))
    for freq, amp in octaves:
        for _ in range(6):
            kx, ky = rng.randint(-freq, freq + 1, size=2)
            ph = rng.uniform(0, 2 * np.pi)
            out += amp * np.sin(2 * np.pi * (kx * xx + ky * yy) + ph)
    return out / np.abs(out).max()


def menu_background():
    """A 256 x 256 tile of sixteen worn deck plates; every edge meets its opposite.

    The tile is large and its wear soft and uneven from plate to plate, so no stain marks
    the repeat; it stays square, because the menu scrolls it diagonally and restarts after
    one tile's width, which a square tile hides.
    """
    n, plate = 256, 64
    rng = np.random.RandomState(3)
    grime = periodic_noise(n, rng, ((2, 1.0), (4, 0.7), (8, 0.45), (16, 0.25), (32, 0.12)))
    stain = periodic_noise(n, rng, ((3, 1.0), (6, 0.6), (12, 0.3)))
    speck = rng.uniform(-1, 1, (n, n))
    yy, xx = np.mgrid[0:n, 0:n]
    # every plate a little different: some newer, some duller
    tone = 1 + rng.uniform(-0.06, 0.06, (n // plate, n // plate))
    tone = np.kron(tone, np.ones((plate, plate)))[..., None]
    base = np.array(STEEL_DARK, float) * tone * (0.8 + 0.12 * grime[..., None]
                                                 + 0.05 * speck[..., None])
    # faint, broad rust where two noises agree, so the patches are few and shapeless
    rust = np.clip((grime + stain) * 0.5 - 0.15, 0, 0.4)[..., None] * 2.0
    base = base * (1 - rust * 0.55) + np.array(RUST_DARK, float) * rust * 0.55
    # diamond tread on every plate
    inner = (xx % plate > 3) & (yy % plate > 3)
    tread = (((xx + yy) % 16 < 2) | ((xx - yy) % 16 < 2)) & inner
    base[tread] *= 1.2
    # seams between the plates, lit from the top left
    base[(xx % plate) == 0] *= 0.45
    base[(yy % plate) == 0] *= 0.45
    base[(xx % plate) == 1] *= 1.35
    base[(yy % plate) == 1] *= 1.35
    for ox in range(0, n, plate):
        for oy in range(0, n, plate):
            for cx in (7, plate - 7):
                for cy in (7, plate - 7):
                    r = np.hypot(xx - cx - ox, yy - cy - oy)
                    base[r < 2.6] = np.array(STEEL, float) * 1.05
                    base[(r < 2.6) & (xx - cx - ox + yy - cy - oy > 1)] = STEEL_DARK
                    base[r < 1.0] = STEEL_LIGHT
    return np.clip(np.rint(base), 0, 255).astype(np.uint8)


def _plate(c, x0, y0, x1, y1, cut, fill, edge):
    c.poly([(x0 + cut, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1 - cut), (x1 - cut, y1),
            (x0 + cut, y1), (x0, y1 - cut), (x0, y0 + cut)], edge)
    c.poly([(x0 + cut + 1.5, y0 + 1.5), (x1 - cut - 1.5, y0 + 1.5), (x1 - 1.5, y0 + cut + 1.5),
            (x1 - 1.5, y1 - cut - 1.5), (x1 - cut - 1.5, y1 - 1.5), (x0 + cut + 1.5, y1 - 1.5),
            (x0 + 1.5, y1 - cut - 1.5), (x0 + 1.5, y0 + cut + 1.5)], fill)


def _metal_text(c, x, y, text, name, size, spacing, top, bottom, rim_colour):
    """Text with a vertical metal gradient and a thick rim, centred on (x, y)."""
    width = c.text_width(text, name, size, spacing) - spacing
    x0 = x - width / 2
    rim = c.layer()
    for dx in (-2, -1, 0, 1, 2):
        for dy in (-2, -1, 0, 1, 2, 3):
            if abs(dx) + abs(dy) <= 3:
                rim.text(x0 + dx, y + dy, text, name, size, rim_colour, anchor="lm",
                         spacing=spacing)
    c.composite(rim)
    face = c.layer()
    face.text(x0, y, text, name, size, WHITE, anchor="lm", spacing=spacing)
    arr = np.array(face.img)
    hgt = arr.shape[0]
    mask = arr[..., 3] > 0
    box = np.where(mask.any(axis=1))[0]
    t = np.clip((np.arange(hgt) - box[0]) / max(1, box[-1] - box[0]), 0, 1)[:, None, None]
    grad = np.array(top) * (1 - t) + np.array(bottom) * t
    kink = (np.abs(t - 0.52) < 0.04)
    grad = np.where(kink, np.array(shade(bottom, 0.6)), grad)
    arr[..., :3] = np.broadcast_to(grad, arr[..., :3].shape).astype(np.uint8)
    from PIL import Image
    face.img = Image.fromarray(arr, "RGBA")
    c.composite(face)


def menu_logo():
    """560 x 160: "CODENAME:" on a plate above, "SKARVETH" below; each half stands alone."""
    w, h = 560, 160
    c = Canvas(w, h, scale=3)
    # upper half: a narrow plate with hazard ends, well clear of the middle line
    _plate(c, 120, 14, 440, 66, 12, STEEL_DARK, INK)
    for side in (0, 1):
        x0 = 128 if side == 0 else 396
        for k in range(4):
            xs = x0 + k * 9
            c.poly([(xs, 58), (xs + 5, 58), (xs + 13, 22), (xs + 8, 22)], AMBER if side == 0
                   else AMBER)
    c.rect(168, 24, 392, 56, INK)
    _metal_text(c, 280, 40.5, "CODENAME:", "DejaVuSans-Bold.ttf", 25, 5, AMBER_LIGHT, RUST_LIGHT,
                INK)
    # lower half: the name itself over a teal light bar
    c.rect(48, 141, 512, 148, INK)
    c.rect(50, 143, 510, 146, TEAL)
    c.rect(120, 143, 440, 146, TEAL_GLOW)
    _metal_text(c, 280, 113, "SKARVETH", "DejaVuSans-Bold.ttf", 64, 5, STEEL_SHINE, STEEL,
                INK)
    return c.array()


def logo_vosk():
    """The studio mark: a cut hexagon holding a V, and the name beside it."""
    w, h = 320, 120
    c = Canvas(w, h, scale=4)
    cx, cy, r = 62, 60, 50
    hexagon = [(cx + r * np.cos(np.pi / 3 * k + np.pi / 6), cy + r * np.sin(np.pi / 3 * k + np.pi / 6))
               for k in range(6)]
    glow = c.layer()
    glow.poly(hexagon, TEAL + (170,))
    c.composite(glow, blur=3)
    c.poly(hexagon, TEAL)
    inner = [(cx + (r - 6) * np.cos(np.pi / 3 * k + np.pi / 6),
              cy + (r - 6) * np.sin(np.pi / 3 * k + np.pi / 6)) for k in range(6)]
    c.poly(inner, STEEL_DARK)
    c.poly([(cx - 30, cy - 26), (cx - 14, cy - 26), (cx, cy + 8), (cx + 14, cy - 26),
            (cx + 30, cy - 26), (cx + 6, cy + 32), (cx - 6, cy + 32)], TEAL_GLOW)
    c.poly([(cx - 30, cy - 26), (cx - 14, cy - 26), (cx, cy + 8), (cx, cy + 32),
            (cx - 6, cy + 32)], WHITE)
    c.text(128, 52, "VOSK", "DejaVuSans-Bold.ttf", 54, WHITE, anchor="ls", spacing=4)
    c.rect(130, 62, 306, 65, TEAL)
    c.text(131, 88, "GAME WORKS", "DejaVuSans-Bold.ttf", 17, STEEL_LIGHT, anchor="ls", spacing=5)
    return outline(c.array(), INK)
