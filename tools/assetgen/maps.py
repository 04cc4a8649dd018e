"""The default maps: painted backgrounds, scenery masks and map descriptions."""
import math
import os

import numpy as np
from PIL import Image, ImageDraw

from bmp import write_bmp_mono
from painter import Painter
from palette import *  # noqa: F401,F403
import scenery as sc
from map_depot import DEPOT, depot
from map_docks import DOCKS, docks
from map_foundry import FOUNDRY, foundry


# --- Rustyard: dusk over a scrap yard, slow walkers, lots of cover ----------------------
def rustyard(p):
    p.gradient(0, 160, (26, 34, 44), (150, 78, 42))
    p.texture(0, 160, 0.04, scale=4)
    for x, h, w in ((40, 120, 8), (140, 90, 6), (520, 130, 8), (600, 80, 5)):  # cranes
        p.rect(x, 160 - h, x + w, 160, (30, 26, 28))
        p.line([(x, 160 - h), (x + 90 * (1 if x < 320 else -1), 160 - h + 10)], 4, (30, 26, 28))
    p.gradient(150, 250, STEEL_DARK, shade(STEEL_DARK, 0.65))
    for x in range(0, 640, 12):
        p.rect(x, 150, x + 3, 250, shade(STEEL_DARK, 0.75))
    p.texture(150, 250, 0.1)
    p.rect(0, 146, 640, 152, RUST)
    sc.perspective_floor(p, 250, -300, shade(SAND, 0.55), 14, 48)
    p.light(320, 262, 140, 60, AMBER, 0.55)
    sc.door(p, 320, 250, 86, 92, AMBER)
    p.light(320, 205, 50, 50, AMBER_LIGHT, 0.35)
    sc.crate(p, 40, 412, 72, 62, RUST)
    sc.crate(p, 108, 412, 64, 54, shade(RUST, 0.85))
    sc.crate(p, 66, 352, 64, 50, RUST_LIGHT, floor=412)  # stacked on the two
    sc.barrel(p, 492, 418, 22, 60, OLIVE)
    sc.barrel(p, 540, 424, 22, 60, shade(OLIVE, 0.8))
    sc.barrel(p, 590, 420, 22, 60, RUST)
    sc.crate(p, 250, 330, 50, 40, STEEL, front=True)
    p.vignette(0.6)


RUSTYARD = dict(
    name="Rustyard", level="Easy", file="rustyard", final=(320, 250), speed=1.55,
    paths=[
        [(2, 396), (120, 392), (200, 330), (270, 300)],
        [(637, 404), (540, 402), (430, 330), (360, 280)],
        # right of the grey crate while nearer than it, behind it once farther back
        [(330, 478), (340, 400), (330, 330), (300, 300)],
    ])


# --- Canyon Relay: a relay station at the bottom of a night canyon ----------------------
def canyon(p):
    p.gradient(0, 200, (8, 10, 22), (40, 34, 52))
    for _ in range(140):
        x, y = p.rng.randint(0, 640), p.rng.randint(0, 180)
        b = p.rng.randint(120, 255)
        p.rect(x, y, x + 1, y + 1, (b, b, min(255, b + 20)))
    p.ellipse(520, 60, 26, 26, (200, 210, 200))
    p.ellipse(512, 55, 24, 24, (40, 34, 52))
    p.poly([(0, 0), (150, 0), (200, 120), (230, 230), (0, 300)], (64, 34, 26))
    p.poly([(640, 0), (560, 0), (520, 110), (470, 150), (430, 230), (640, 260)], (70, 38, 28))
    p.texture(0, 300, 0.12, scale=2)
    for y in range(40, 300, 22):
        p.line([(0, y + 10), (220 - y * 0.1, y)], 2, (44, 24, 20))
        p.line([(640, y + 8), (480 + y * 0.1, y)], 2, (50, 26, 20))
    p.gradient(228, 480, (60, 44, 40), (120, 84, 60))
    p.texture(228, 480, 0.18)
    # the relay station: a bunker with a lit hatch, an antenna mast
    p.rect(380, 150, 540, 238, STEEL_DARK)
    p.rect(380, 150, 540, 160, STEEL)
    p.line([(520, 150), (520, 40)], 4, STEEL)
    p.line([(520, 60), (560, 90)], 2, STEEL_LIGHT)
    p.ellipse(520, 40, 4, 4, RED_LIGHT)
    p.light(455, 245, 110, 40, TEAL, 0.5)
    sc.door(p, 455, 236, 60, 64, TEAL)
    p.light(455, 200, 40, 40, TEAL_GLOW, 0.25)
    sc.rock(p, [(0, 320), (60, 300), (130, 330), (160, 400), (120, 440), (0, 440)], (86, 52, 38))
    sc.rock(p, [(250, 372), (290, 340), (345, 348), (370, 380), (360, 404), (262, 406)],
            (92, 58, 42))
    sc.rock(p, [(540, 330), (600, 300), (640, 310), (640, 430), (560, 420), (530, 380)],
            (80, 48, 36))
    sc.barrel(p, 190, 290, 14, 40, RUST, front=False)
    p.vignette(0.7)


CANYON = dict(
    name="Canyon Relay", level="Medium", file="canyon", final=(455, 236), speed=1.53,
    paths=[
        [(2, 300), (70, 400), "wait40", (200, 330), (330, 290)],
        [(637, 300), (580, 380), "wait30", (500, 300)],
        # up past the middle rock's right end, then crouched behind it
        [(400, 478), (398, 398), (310, 388), "wait50", (240, 320), (380, 260)],
        [(190, 478), (200, 420), (230, 396), (420, 380), (520, 300)],
        [(240, 240), (240, 282), (330, 300), (390, 250)],
    ])


# --- Reactor Core: the deep hall, fast walkers running across it ----------------------
def reactor(p):
    p.gradient(0, 300, (18, 26, 34), (40, 52, 60))
    for x in range(0, 640, 80):
        p.rect(x, 0, x + 76, 300, (30, 40, 48))
        p.rect(x + 6, 20, x + 70, 280, (36, 48, 56))
        p.rect(x + 36, 30, x + 40, 270, TEAL_DARK)
    p.texture(0, 300, 0.08)
    p.light(320, 140, 220, 160, TEAL, 0.35)
    p.rect(250, 40, 390, 120, STEEL_DARK)  # the core window above the door
    p.ellipse(320, 80, 60, 34, TEAL_DARK)
    p.ellipse(320, 80, 44, 24, TEAL)
    p.ellipse(320, 80, 22, 12, TEAL_GLOW)
    sc.perspective_floor(p, 300, -400, (58, 66, 74), 16, 40)
    for x in range(20, 640, 120):
        p.rect(x, 360, x + 80, 376, (30, 34, 40))
        for k in range(x + 4, x + 80, 8):
            p.rect(k, 362, k + 3, 374, (18, 20, 24))
    p.light(320, 310, 120, 40, RED_LIGHT, 0.35)
    sc.door(p, 320, 300, 80, 100, RED_LIGHT)
    p.light(320, 252, 52, 62, RED_LIGHT, 0.4)  # the doorway glows white-hot like the others
    p.light(320, 258, 30, 44, AMBER_LIGHT, 0.3)
    sc.pillar(p, 80, 0, 44, 470, STEEL)
    sc.pillar(p, 516, 0, 44, 470, STEEL)
    # a control console in the foreground
    pts = [(240, 430), (400, 430), (420, 480), (220, 480)]
    p.poly(pts, STEEL_DARK)
    p.rect(250, 420, 390, 432, STEEL)
    for k in range(6):
        p.rect(258 + k * 22, 440, 270 + k * 22, 448, (AMBER, TEAL, RED_LIGHT)[k % 3])
    p.cover(pts, name="console")
    p.cover_rect(250, 420, 390, 432, base=480, name="console top")
    p.vignette(0.5)


REACTOR = dict(
    name="Reactor Core", level="Hard", file="reactor", final=(320, 300), speed=1.8,
    paths=[
        # runs across the whole hall and back to the door, between the pillars
        [(2, 330), (450, 350), (250, 310)],
        [(637, 330), (190, 350), (390, 310)],
        [(2, 450), (150, 400), (500, 380), (420, 330)],
        [(637, 450), (490, 400), (140, 380), (220, 330)],
        [(460, 478), (540, 420), (300, 400), (340, 360)],
    ])


# Each map's seed keeps its painting the same from run to run.
MAPS = [(RUSTYARD, rustyard, 11), (CANYON, canyon, 22), (REACTOR, reactor, 33),
        (DOCKS, docks, 44), (DEPOT, depot, 55), (FOUNDRY, foundry, 66)]


def waypoints(path, final, speed):
    """Turns a walk with optional "waitN" stops into (x, y, frames) records."""
    pts, out = [], []
    for step in path:
        if isinstance(step, str):
            pts[-1] = (pts[-1][0], pts[-1][1], int(step[4:]))
        else:
            pts.append((step[0], step[1], 0))
    for i, (x, y, wait) in enumerate(pts):
        nx, ny = (pts[i + 1][0], pts[i + 1][1]) if i + 1 < len(pts) else final
        if wait:
            out.append((x, y, wait))
        walk = max(1, round(math.hypot(nx - x, ny - y) / speed))
        out.append((x, y, walk))
    return out


def walk_positions(m):
    """Every foot point a walker of each path stands on, tick by tick, to the final point."""
    for i, path in enumerate(m["paths"], 1):
        recs = waypoints(path, m["final"], m["speed"])
        ends = [(x, y) for x, y, _ in recs[1:]] + [m["final"]]
        for (x0, y0, frames), (x1, y1) in zip(recs, ends):
            for t in range(frames):
                yield i, (x0 + (x1 - x0) * t / frames, y0 + (y1 - y0) * t / frames)
        yield i, m["final"]


def check_depth(m, p):
    """Refuses a map whose mask disagrees with depth along its paths.

    A walker is drawn under the mask, so a masked thing may only overlap walkers standing
    behind it (feet above its floor line), and a painted thing left out of the mask only
    walkers standing in front of it.
    """
    shapes = []
    for name, pts, base, front in p.props:
        img = Image.new("1", (640, 480), 0)
        ImageDraw.Draw(img).polygon(pts, fill=1)
        shapes.append((name, np.asarray(img), base, front))
    faults = {}
    for path, (x, y) in walk_positions(m):
        x0, y0 = max(0, int(round(x)) - 25), max(0, int(round(y)) - 80)
        x1, y1 = min(640, int(round(x)) + 25), min(480, int(round(y)))
        for name, shape, base, front in shapes:
            if shape[y0:y1, x0:x1].any() and (y > base if front else y < base):
                faults.setdefault((path, name, front), []).append((x, y))
    if faults:
        lines = ["Path%d: %d foot points from (%d, %d) to (%d, %d) are %s the %s" % (
            path, len(pts), *pts[0], *pts[-1],
            "in front of, yet hidden by," if front else "behind, yet drawn over,", name)
            for (path, name, front), pts in sorted(faults.items())]
        raise ValueError("%s: the mask disagrees with depth:\n  " % m["name"]
                         + "\n  ".join(lines))


def description(m):
    lines = ["; Codename: Skarveth map description (%s.ini). The build runs SKMAP on it in a" % m["file"],
             "; folder where maps/ holds the pictures below and Maps/ receives the map.",
             "[Skarveth Map]",
             "MapName=%s (%s)" % (m["name"], m["level"]),
             "MapFileName=Maps/%s.map" % m["name"].replace(" ", ""),
             "BackgroundJPEG=maps/%s.jpg" % m["file"],
             "MaskBMP=maps/%s_mask.bmp" % m["file"],
             "FinalWaypoint=%d,%d" % m["final"]]
    for i, path in enumerate(m["paths"], 1):
        lines.append("")
        lines.append("[Path%d]" % i)
        for j, (x, y, f) in enumerate(waypoints(path, m["final"], m["speed"]), 1):
            lines.append("%d=%d,%d,%d" % (j, x, y, f))
    return "\r\n".join(lines) + "\r\n"


def write_all(out):
    for m, paint, seed in MAPS:
        p = Painter(seed)
        paint(p)
        check_depth(m, p)
        p.background().save(os.path.join(out, m["file"] + ".jpg"), quality=90, optimize=False,
                            subsampling="4:4:4")
        write_bmp_mono(os.path.join(out, m["file"] + "_mask.bmp"), p.mask_white())
        with open(os.path.join(out, m["file"] + ".ini"), "w", newline="") as f:
            f.write(description(m))
