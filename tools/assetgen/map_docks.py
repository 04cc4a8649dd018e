"""Tidewater Docks: a quay at night, a lit shed door, containers and mooring posts for cover."""
from palette import *  # noqa: F401,F403
import scenery as sc


def docks(p):
    # the night sky, a hazy moon and the lights of the far shore
    p.gradient(0, 150, NIGHT, (44, 54, 80))
    sc.stars(p, 90, 110)
    p.light(140, 64, 70, 50, MOON, 0.25)
    p.ellipse(140, 64, 15, 15, MOON)
    p.ellipse(134, 60, 4, 3, shade(MOON, 0.85))
    x = 0
    while x < 640:
        w, h = p.rng.randint(14, 40), p.rng.randint(8, 40)
        p.rect(x, 150 - h, x + w, 150, (18, 22, 34))
        for _ in range(w * h // 120):
            wx, wy = x + p.rng.randint(2, max(3, w - 2)), 150 - p.rng.randint(3, max(4, h - 2))
            p.rect(wx, wy, wx + 2, wy + 2, shade(AMBER_LIGHT, 0.8))
        x += w + p.rng.randint(0, 10)
    # the water, with the shore's lights streaked over it
    p.gradient(150, 214, WATER_DARK, WATER)
    p.texture(150, 214, 0.12, scale=2)
    for _ in range(60):
        wx, wy = p.rng.randint(0, 640), p.rng.randint(152, 210)
        p.line([(wx, wy), (wx + p.rng.randint(6, 26), wy)], 1, shade(AMBER_LIGHT, 0.45))
    p.line([(120, 160), (160, 160)], 2, shade(MOON, 0.5))
    p.line([(128, 172), (154, 172)], 1.5, shade(MOON, 0.4))
    # a gantry crane over the water on the left
    crane = (34, 38, 50)
    for lx in (40, 150):
        p.line([(lx, 214), (lx + 16, 30)], 6, crane)
    p.rect(20, 24, 330, 36, crane)
    for k in range(30, 320, 20):
        p.line([(k, 36), (k + 20, 24)], 2, shade(crane, 1.3))
    p.line([(250, 36), (250, 110)], 1.5, STEEL)
    p.rect(236, 110, 264, 124, RUST)
    p.ellipse(26, 22, 3, 3, RED_LIGHT)
    p.ellipse(324, 22, 3, 3, RED_LIGHT)
    # the shed on the right, its door lit cold blue
    p.rect(330, 64, 640, 236, STEEL_DARK)
    for k in range(330, 640, 10):
        p.rect(k, 72, k + 3, 236, shade(STEEL_DARK, 0.75))
    p.rect(322, 58, 640, 72, STEEL)
    p.rect(520, 90, 610, 122, INK)
    p.rect(524, 94, 606, 118, TEAL_DARK)
    p.rect(530, 102, 600, 110, TEAL)
    p.texture(64, 236, 0.06)
    sc.perspective_floor(p, 214, -300, (84, 84, 82), 14, 46, centre=470)
    p.rect(0, 210, 330, 216, STEEL)  # the quay's edge
    for k in range(0, 330, 24):
        p.poly([(k, 216), (k + 12, 216), (k + 8, 220), (k - 4, 220)], AMBER)
    for bx in (60, 176, 292):  # mooring posts on the edge, behind every walker
        sc.bollard(p, bx, 224, 8, 16, front=False)
    p.light(470, 244, 110, 40, BLUE_LIGHT, 0.45)
    sc.door(p, 470, 236, 72, 84, BLUE_LIGHT)
    p.light(470, 196, 40, 44, STEEL_SHINE, 0.3)
    # cover: a stack of containers on the left, crates, mooring posts, drums on the right
    sc.container(p, 8, 452, 176, 92, BLUE, name="blue container")
    sc.container(p, 30, 352, 140, 70, RUST, floor=452, name="rust container on the blue one")
    sc.crate(p, 236, 346, 54, 44, RUST)
    sc.crate(p, 290, 346, 40, 34, shade(RUST, 0.8))
    sc.barrel(p, 540, 462, 22, 58, OLIVE)
    sc.barrel(p, 588, 452, 22, 58, shade(RED, 0.9))
    p.vignette(0.6)


DOCKS = dict(
    name="Tidewater Docks", level="Easy", file="docks", final=(470, 236), speed=1.165,
    paths=[
        # along the quay's edge from the left, behind everything
        [(2, 246), (200, 240), (330, 252)],
        # from behind the containers, past the crates' back
        [(2, 420), (200, 410), (205, 320), (380, 280)],
        # up the middle from the near edge, right of the crates
        [(380, 478), (372, 400), (430, 320)],
        # from the right, in front of the shed's wall
        [(637, 300), (560, 290), (520, 250)],
        # the near right corner, behind the drums
        [(637, 410), (540, 390), (500, 300)],
    ])
