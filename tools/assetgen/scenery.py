"""Props painted into map backgrounds; the `front` ones also go into the mask."""
from painter import rect_outline
from palette import *  # noqa: F401,F403


def crate(p, x, base, w, h, colour, front=True, floor=None):
    """A box with a lit top, seen slightly from above; `base` is its bottom edge.

    `floor` is the floor line it stands on when that is not its bottom edge: a crate
    stacked on others is as near as the ones carrying it.
    """
    floor = base if floor is None else floor
    top = max(6, h // 5)
    face = [(x, base - h), (x + w, base - h), (x + w, base), (x, base)]
    lid = [(x + 4, base - h - top), (x + w + 4, base - h - top), (x + w, base - h), (x, base - h)]
    p.poly(lid, shade(colour, 1.25))
    p.poly(face, colour)
    p.rect(x + 3, base - h + 3, x + w - 3, base - h + 6, shade(colour, 0.7))
    p.line([(x + 4, base - h + 8), (x + w - 4, base - 4)], 3, shade(colour, 0.75))
    p.line([(x + w - 4, base - h + 8), (x + 4, base - 4)], 3, shade(colour, 0.75))
    p.rect(x + w - 6, base - h, x + w, base, shade(colour, 0.6))
    p.rect(x + w // 2 - 10, base - h // 2 - 5, x + w // 2 + 10, base - h // 2 + 5, AMBER)
    p.rect(x + w // 2 - 8, base - h // 2 - 3, x + w // 2 + 8, base - h // 2 + 3, shade(AMBER, 0.6))
    p.prop(face + lid, floor, "crate at (%d, %d)" % (x, base), front)


def barrel(p, cx, base, r, h, colour, front=True):
    p.rect(cx - r, base - h, cx + r, base, colour)
    p.rect(cx - r, base - h, cx - r + r // 2, base, shade(colour, 1.2))
    p.rect(cx + r - r // 2, base - h, cx + r, base, shade(colour, 0.65))
    p.ellipse(cx, base, r, r * 0.3, shade(colour, 0.6))
    p.ellipse(cx, base - h, r, r * 0.3, shade(colour, 0.8))
    p.ellipse(cx, base - h, r * 0.7, r * 0.2, shade(colour, 0.45))
    for k in (0.3, 0.7):
        p.rect(cx - r, base - h * k - 2, cx + r, base - h * k + 2, shade(colour, 0.55))
    p.rect(cx - r * 0.5, base - h * 0.55, cx + r * 0.5, base - h * 0.45, AMBER)
    outline = rect_outline(cx - r, base - h - int(r * 0.3), cx + r, base + int(r * 0.3))
    p.prop(outline, base, "barrel at (%d, %d)" % (cx, base), front)


def pillar(p, x, top, w, base, colour, light=TEAL):
    """A structural column standing in front of everything."""
    p.rect(x, top, x + w, base, colour)
    p.rect(x, top, x + w // 4, base, shade(colour, 1.25))
    p.rect(x + w - w // 4, top, x + w, base, shade(colour, 0.6))
    for y in range(top + 20, base - 10, 46):
        p.rect(x + 3, y, x + w - 3, y + 5, shade(colour, 0.5))
        p.rect(x + w // 2 - 3, y + 14, x + w // 2 + 3, y + 22, light)
    p.rect(x - 6, base - 18, x + w + 6, base, shade(colour, 0.8))
    p.cover_rect(x - 6, top, x + w + 6, base, name="pillar at x %d" % x)


def rock(p, pts, colour, front=True):
    p.poly(pts, colour)
    cx = sum(x for x, _ in pts) / len(pts)
    lit = [(x, y) for x, y in pts if x <= cx]
    if len(lit) >= 2:
        p.poly(lit + [(cx, max(y for _, y in pts))], shade(colour, 1.25))
    p.line(pts + [pts[0]], 2, shade(colour, 0.55))
    if front:
        p.cover(pts, name="rock at (%d, %d)" % pts[0])


def door(p, cx, base, w, h, glow):
    """The exit: a lit doorway with a hazard frame; its floor line is `base`."""
    p.rect(cx - w / 2 - 14, base - h - 14, cx + w / 2 + 14, base + 2, STEEL_DARK)
    for k in range(0, int(w + 28), 14):
        x = cx - w / 2 - 14 + k
        p.poly([(x, base - h - 14), (x + 7, base - h - 14), (x + 14, base - h - 6),
                (x + 7, base - h - 6)], AMBER)
    p.rect(cx - w / 2, base - h, cx + w / 2, base, shade(glow, 0.9))
    p.rect(cx - w / 2 + 8, base - h + 8, cx + w / 2 - 8, base, shade(glow, 1.35))
    p.rect(cx - w / 2 - 14, base - 4, cx + w / 2 + 14, base + 2, INK)
    p.rect(cx - 12, base - h - 32, cx + 12, base - h - 18, INK)
    p.rect(cx - 10, base - h - 30, cx + 10, base - h - 20, RED_LIGHT)
    p.stands([(cx - w / 2 - 14, base - h - 32), (cx + w / 2 + 14, base - h - 32),
              (cx + w / 2 + 14, base + 1), (cx - w / 2 - 14, base + 1)], base, "exit door")


def perspective_floor(p, horizon, vanish_y, colour, lines, spacing, centre=320):
    """Floor tiles running towards x = `centre` on the horizon, rows widening nearer."""
    p.gradient(horizon, 480, shade(colour, 0.55), colour)
    p.texture(horizon, 480, 0.16)
    for k in range(-lines, lines + 1):
        x = centre + k * spacing
        p.line([(centre + (x - centre) * 0.12, horizon), (centre + (x - centre) * 2.2, 480)], 1.5,
               shade(colour, 0.7))
    y, gap = horizon + 6, 8
    while y < 480:
        p.line([(0, y), (640, y)], 1.5, shade(colour, 0.72))
        y, gap = y + gap, gap * 1.35


def container(p, x, base, w, h, colour, front=True, floor=None, name=None):
    """A ribbed shipping container seen from its long side, a little from above."""
    floor = base if floor is None else floor
    top = max(6, h // 6)
    face = [(x, base - h), (x + w, base - h), (x + w, base), (x, base)]
    lid = [(x + 6, base - h - top), (x + w + 6, base - h - top), (x + w, base - h), (x, base - h)]
    p.poly(lid, shade(colour, 1.3))
    p.poly(face, colour)
    for k in range(x + 6, x + w - 4, 8):
        p.rect(k, base - h + 4, k + 3, base - 4, shade(colour, 0.72))
    p.rect(x, base - h, x + w, base - h + 5, shade(colour, 0.6))
    p.rect(x, base - 5, x + w, base, shade(colour, 0.5))
    for k in (x, x + w - 6):  # corner posts
        p.rect(k, base - h, k + 6, base, shade(colour, 0.55))
    p.rect(x + w // 2 - 24, base - h // 2 - 7, x + w // 2 + 24, base - h // 2 + 7, INK)
    p.rect(x + w // 2 - 22, base - h // 2 - 5, x + w // 2 + 22, base - h // 2 + 5, WHITE)
    p.rect(x + w // 2 - 18, base - h // 2 - 2, x + w // 2 + 18, base - h // 2 + 2, shade(colour, 0.6))
    p.prop(face + lid, floor, name or "container at (%d, %d)" % (x, base), front)


def bollard(p, cx, base, r, h, colour=STEEL_DARK, front=True):
    """A mooring post: a squat iron post with a wide cap."""
    p.ellipse(cx, base, r + 2, (r + 2) * 0.35, shade(colour, 0.5))
    p.rect(cx - r, base - h, cx + r, base, colour)
    p.rect(cx - r, base - h, cx - r // 2, base, shade(colour, 1.3))
    p.ellipse(cx, base - h, r + 4, (r + 4) * 0.4, shade(colour, 0.8))
    p.ellipse(cx, base - h - 3, r + 4, (r + 4) * 0.4, shade(colour, 1.2))
    outline = rect_outline(cx - r - 4, base - h - 3 - int((r + 4) * 0.4), cx + r + 5,
                           base + int((r + 2) * 0.35))
    p.prop(outline, base, "bollard at (%d, %d)" % (cx, base), front)


def stars(p, count, y1, brightness=(120, 255)):
    for _ in range(count):
        x, y = p.rng.randint(0, 640), p.rng.randint(0, y1)
        b = p.rng.randint(*brightness)
        p.rect(x, y, x + 1, y + 1, (b, b, min(255, b + 20)))
