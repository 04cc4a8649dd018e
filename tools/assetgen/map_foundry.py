"""Slag Foundry: a furnace hall, molten metal running by, few but fast walkers."""
from palette import *  # noqa: F401,F403
import scenery as sc


def foundry(p):
    # the back wall: soot-black brick, two furnace mouths
    p.gradient(0, 260, (20, 14, 14), SLAG)
    for y in range(40, 260, 14):
        off = 0 if (y // 14) % 2 else 14
        p.line([(0, y), (640, y)], 1, (16, 10, 10))
        for x in range(off, 640, 28):
            p.line([(x, y), (x, y + 14)], 1, (16, 10, 10))
    p.texture(0, 260, 0.12)
    # the furnace: a riveted steel stack, glowing through its seams and its tap hole
    p.light(150, 200, 120, 90, MOLTEN, 0.35)
    p.rect(70, 40, 230, 258, STEEL_DARK)
    p.rect(70, 40, 100, 258, shade(STEEL_DARK, 1.3))
    p.rect(200, 40, 230, 258, shade(STEEL_DARK, 0.6))
    for y in range(60, 250, 36):
        p.rect(70, y, 230, y + 4, shade(STEEL_DARK, 0.5))
        p.rect(100, y + 4, 200, y + 6, shade(MOLTEN, 0.7))
        for x in range(76, 228, 12):
            p.ellipse(x, y + 2, 1.5, 1.5, STEEL_LIGHT)
    p.rect(56, 30, 244, 44, STEEL)
    p.ellipse(155, 236, 18, 14, INK)
    p.ellipse(155, 238, 12, 10, MOLTEN_HOT)
    p.light(155, 240, 40, 26, MOLTEN_HOT, 0.5)
    # girders and a hanging ladle under the roof
    p.rect(0, 0, 640, 30, (12, 10, 10))
    for x in range(0, 640, 64):
        p.line([(x, 30), (x + 32, 6)], 4, STEEL_DARK)
        p.line([(x + 32, 6), (x + 64, 30)], 4, STEEL_DARK)
    p.line([(520, 30), (520, 70)], 2, STEEL)
    p.line([(560, 30), (560, 70)], 2, STEEL)
    p.poly([(500, 70), (580, 70), (570, 110), (510, 110)], STEEL_DARK)
    p.ellipse(540, 72, 40, 8, MOLTEN)
    # the floor, and the channel carrying the melt off to the left
    sc.perspective_floor(p, 258, -300, (70, 60, 56), 14, 44, centre=420)
    channel = [(134, 250), (176, 250), (70, 480), (0, 480), (0, 430)]
    p.poly([(126, 250), (184, 250), (78, 480), (0, 480), (0, 418)], INK)
    p.poly(channel, shade(MOLTEN, 0.85))
    p.poly([(148, 250), (166, 250), (56, 480), (20, 480)], MOLTEN_HOT)
    p.light(100, 380, 80, 120, MOLTEN, 0.45)
    # a steel bridge across the channel, railed
    p.poly([(62, 318), (176, 318), (170, 344), (56, 344)], STEEL)
    p.poly([(62, 318), (176, 318), (176, 322), (62, 322)], STEEL_LIGHT)
    p.rect(56, 344, 170, 348, INK)
    for x in range(64, 176, 16):
        p.line([(x, 318), (x - 3, 344)], 1, shade(STEEL, 0.7))
    # the way out: a door glowing with the heat behind it
    p.light(420, 262, 110, 40, MOLTEN, 0.5)
    sc.door(p, 420, 258, 80, 92, MOLTEN)
    p.light(420, 210, 44, 50, MOLTEN_HOT, 0.35)
    # cover: a crucible, stacked ingots, a column
    sc.barrel(p, 280, 400, 40, 70, SLAG)
    p.ellipse(280, 330, 30, 8, MOLTEN_HOT)
    sc.crate(p, 470, 440, 90, 40, STEEL_LIGHT)
    sc.crate(p, 480, 400, 70, 34, STEEL, floor=440)
    sc.pillar(p, 600, 0, 40, 470, STEEL_DARK, light=MOLTEN)
    p.vignette(0.55)


FOUNDRY = dict(
    name="Slag Foundry", level="Hard", file="foundry", final=(420, 258), speed=1.62,
    paths=[
        # over the bridge from the far left
        [(2, 332), (200, 330), (320, 274)],
        # up from the near edge, behind the crucible
        [(200, 478), (200, 400), (230, 330), (330, 300)],
        # from the right, behind the column and the ingots
        [(637, 380), (560, 350), (470, 320)],
        [(420, 478), (400, 420), (560, 310), (500, 280)],
    ])
