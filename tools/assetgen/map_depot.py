"""Frost Depot: a supply depot in the snow at dawn, walkers from every side."""
from palette import *  # noqa: F401,F403
import scenery as sc


def snowcap(p, x0, y, x1, depth=6):
    """A soft cap of snow on a flat top from x0 to x1 at height y."""
    p.ellipse((x0 + x1) / 2, y, (x1 - x0) / 2 + 2, depth, SNOW)
    p.rect(x0 - 1, y - 2, x1 + 1, y + 2, SNOW)


def depot(p):
    # a cold dawn over the peaks
    p.gradient(0, 180, (64, 84, 124), (228, 186, 162))
    p.light(470, 170, 160, 40, AMBER_LIGHT, 0.25)
    for pts, colour in (
            ([(0, 180), (0, 110), (70, 70), (130, 104), (210, 54), (300, 120), (330, 180)],
             (96, 110, 140)),
            ([(250, 180), (350, 96), (420, 130), (500, 62), (590, 118), (640, 96), (640, 180)],
             (110, 122, 150))):
        p.poly(pts, colour)
    for pts in ([(70, 70), (86, 82), (74, 88), (60, 80)], [(210, 54), (232, 74), (214, 80), (194, 70)],
                [(350, 96), (368, 110), (346, 112)], [(500, 62), (522, 80), (502, 86), (484, 78)]):
        p.poly(pts, SNOW)
    # the snowfield, with vehicle tracks running to the hangar
    p.gradient(180, 480, SNOW_SHADE, SNOW)
    p.texture(180, 480, 0.05, scale=3)
    for dx in (-150, -60, 60, 150):
        p.line([(320 + dx * 0.15, 250), (320 + dx * 2.4, 480)], 3, shade(SNOW_SHADE, 0.9))
    # fence far back
    for x in range(0, 640, 28):
        p.rect(x, 172, x + 3, 194, STEEL_DARK)
    p.line([(0, 178), (640, 178)], 1.5, STEEL)
    p.line([(0, 186), (640, 186)], 1.5, STEEL)
    # the depot: a hangar with a lit door, a silo beside it
    p.rect(190, 118, 450, 250, STEEL)
    for k in range(190, 450, 12):
        p.rect(k, 126, k + 3, 250, shade(STEEL, 0.8))
    p.poly([(180, 122), (320, 92), (460, 122)], shade(STEEL, 0.7))
    p.poly([(184, 120), (320, 90), (456, 120), (456, 126), (184, 126)], SNOW)
    p.rect(460, 110, 500, 250, STEEL_LIGHT)
    p.rect(460, 110, 470, 250, shade(STEEL_LIGHT, 1.2))
    snowcap(p, 460, 110, 500)
    p.rect(140, 160, 180, 250, RUST)
    p.rect(140, 160, 150, 250, RUST_LIGHT)
    snowcap(p, 140, 160, 180)
    p.light(320, 256, 120, 40, AMBER, 0.5)
    sc.door(p, 320, 250, 96, 96, AMBER)
    p.light(320, 200, 50, 50, AMBER_LIGHT, 0.3)
    # cover: snowed crates on the left, fuel tanks on the right, a drift in front, a mast
    sc.crate(p, 40, 392, 70, 60, OLIVE)
    sc.crate(p, 110, 392, 60, 50, shade(OLIVE, 0.85))
    sc.crate(p, 62, 332, 62, 48, OLIVE_LIGHT, floor=392)
    snowcap(p, 66, 272, 128, 5)
    snowcap(p, 114, 332, 174, 5)
    sc.barrel(p, 482, 372, 24, 64, RED)
    sc.barrel(p, 534, 378, 24, 64, shade(RED, 0.8))
    snowcap(p, 458, 305, 506, 4)
    snowcap(p, 510, 311, 558, 4)
    drift = [(170, 480), (190, 452), (240, 436), (300, 440), (350, 456), (372, 480)]
    p.poly(drift, SNOW_SHADE)
    p.poly([(178, 480), (194, 456), (240, 442), (298, 446), (344, 462), (362, 480)], SNOW)
    p.poly([(194, 456), (240, 442), (298, 446), (250, 452)], (250, 252, 255))
    p.cover(drift, name="snowdrift")
    sc.pillar(p, 586, 40, 16, 440, STEEL_DARK, light=AMBER)
    p.rect(572, 26, 618, 42, STEEL_DARK)
    p.rect(576, 30, 614, 38, AMBER_LIGHT)
    p.cover_rect(572, 26, 618, 42, base=440, name="floodlight")
    p.light(595, 40, 40, 14, AMBER_LIGHT, 0.4)
    p.vignette(0.5)


DEPOT = dict(
    name="Frost Depot", level="Medium", file="depot", final=(320, 250), speed=1.47,
    paths=[
        # long walks criss-crossing the snowfield before they turn for the hangar
        [(2, 262), (400, 275), (200, 280)],
        [(2, 380), (180, 376), (420, 330), (250, 300)],
        [(2, 330), (400, 310), (230, 290)],
        [(250, 478), (230, 420), (420, 390), (280, 320)],
        [(637, 262), (240, 272), (420, 280)],
        [(637, 380), (570, 360), (220, 330), (400, 300)],
        [(637, 320), (240, 300), (420, 290)],
        [(420, 478), (420, 410), (210, 360), (360, 320)],
    ])
