"""The eight characters that walk the maps: 50 x 80 frames, feet at the bottom centre."""
import numpy as np

from canvas import Canvas, outline
from palette import *  # noqa: F401,F403 - the palette is the vocabulary here

FRAME_W, FRAME_H = 50, 80
FOOT_Y = 79  # the outline adds nothing below the soles


def _legs(c, top, spread, width, trouser, boot, knee=None):
    """Two straight legs from the hips at `top` down to boots on the floor."""
    for side in (-1, 1):
        hip = 25 + side * spread * 0.5
        foot = 25 + side * (spread * 0.5 + 1.5)
        t = trouser if side < 0 else shade(trouser, 0.72)
        c.poly([(hip - width / 2, top), (hip + width / 2, top), (foot + width / 2 - 0.5, FOOT_Y - 5),
                (foot - width / 2 + 0.5, FOOT_Y - 5)], t)
        if knee:
            c.rect(foot - width / 2 + 0.5, (top + FOOT_Y) / 2, foot + width / 2 - 0.5,
                   (top + FOOT_Y) / 2 + 4, knee if side < 0 else shade(knee, 0.75))
        b = boot if side < 0 else shade(boot, 0.75)
        c.poly([(foot - width / 2 - 0.5, FOOT_Y - 6), (foot + width / 2 + 0.5, FOOT_Y - 6),
                (foot + width / 2 + 1.5 * side + 0.5, FOOT_Y), (foot - width / 2 + 1.5 * side - 0.5,
                FOOT_Y)], b)


def _arm(c, sx, sy, hx, hy, width, sleeve, hand):
    c.line([(sx, sy), (hx, hy)], width, sleeve)
    c.ellipse(hx, hy + 1, width * 0.45, width * 0.45, hand)


def _rifle(c, x, y, length, colour=STEEL_DARK, accent=TEAL):
    """A compact rifle held across the body, muzzle to the left."""
    c.poly([(x, y), (x + length, y - 2), (x + length, y + 2), (x, y + 3)], colour)
    c.rect(x + length * 0.45, y + 1, x + length * 0.6, y + 6, colour)
    c.rect(x + 2, y - 0.5, x + 6, y + 1, accent)


def krov(c):
    """Heavy assault armour, red plates, a single burning visor slit."""
    _legs(c, 50, 14, 9, STEEL_DARK, INK, knee=RED)
    c.poly([(11, 24), (39, 24), (36, 52), (14, 52)], RED)
    c.poly([(27, 24), (39, 24), (36, 52), (27, 52)], shade(RED, 0.7))
    c.rect(14, 44, 36, 52, STEEL_DARK)
    c.rect(16, 30, 34, 34, shade(RED, 0.55))
    for sx in (-1, 1):
        px = 25 + sx * 14
        c.ellipse(px, 26, 8.5, 7, RED_LIGHT if sx < 0 else shade(RED, 0.8))
        c.rect(px - 7.5, 26, px + 7.5, 28, shade(RED, 0.5))
    _arm(c, 9, 30, 10, 49, 7, STEEL, STEEL_DARK)
    _arm(c, 41, 30, 39, 49, 7, STEEL_DARK, INK)
    c.rect(33, 40, 45, 45, STEEL_DARK)
    c.rect(43, 39, 47, 46, INK)
    c.rrect(17, 6, 33, 24, 5, RED)
    c.rrect(26, 6, 33, 24, 4, shade(RED, 0.7))
    c.rect(18, 13, 32, 16, INK)
    c.rect(19, 14, 31, 15.5, AMBER_LIGHT)
    c.rect(22, 3, 28, 7, STEEL_DARK)


def vanta(c):
    """A lean scout in a graphite suit, teal visor and a trailing scarf."""
    _legs(c, 47, 8, 6, STEEL_DARK, INK)
    c.poly([(34, 20), (44, 26), (46, 34), (40, 30), (33, 24)], TEAL_DARK)
    c.poly([(17, 20), (33, 20), (31, 48), (19, 48)], STEEL_DARK)
    c.poly([(17, 20), (24, 20), (23, 48), (19, 48)], STEEL)
    c.rect(19, 42, 31, 45, INK)
    c.rect(23, 42, 27, 45, TEAL)
    c.poly([(17, 20), (34, 20), (32, 25), (19, 25)], TEAL_DARK)
    _arm(c, 17, 22, 12, 44, 5, STEEL, STEEL_DARK)
    _arm(c, 33, 22, 36, 43, 5, shade(STEEL_DARK, 0.8), INK)
    c.rect(9, 30, 14, 48, INK)  # a long blade at the hip
    c.rect(10, 31, 12, 46, STEEL_SHINE)
    c.ellipse(25, 12, 7, 8.5, STEEL_DARK)
    c.ellipse(23.5, 10.5, 5, 6, STEEL)
    c.poly([(18, 11), (32, 11), (31, 15), (19, 15)], TEAL)
    c.rect(20, 12, 30, 13, TEAL_GLOW)
    c.line([(30, 6), (35, 2)], 1, STEEL_LIGHT)


def brassjaw(c):
    """A cyborg grunt: olive fatigues, a brass jaw and one oversized hydraulic arm."""
    _legs(c, 50, 11, 8, OLIVE, RUST_DARK, knee=OLIVE_DARK)
    c.poly([(14, 24), (34, 24), (33, 52), (16, 52)], OLIVE)
    c.poly([(26, 24), (34, 24), (33, 52), (26, 52)], OLIVE_DARK)
    c.line([(15, 26), (33, 48)], 2.5, RUST_DARK)
    for i in range(3):
        c.rect(17 + i * 5, 46, 20 + i * 5, 50, SAND)
    _arm(c, 15, 27, 12, 48, 5, SKIN_BROWN, SKIN_BROWN)
    c.ellipse(38, 28, 8, 7, RUST_LIGHT)
    c.ellipse(39, 29, 5, 4, RUST)
    c.poly([(34, 32), (44, 32), (46, 48), (34, 48)], RUST)
    c.poly([(34, 32), (38, 32), (38, 48), (34, 48)], RUST_LIGHT)
    c.rect(38, 36, 42, 44, STEEL_DARK)
    c.rect(33, 48, 48, 56, STEEL)
    c.rect(33, 54, 48, 56, STEEL_DARK)
    c.rect(36, 50, 46, 51.5, AMBER)
    c.ellipse(25, 14, 7, 8, SKIN_BROWN)
    c.ellipse(27.5, 15, 4.5, 7, SKIN_BROWN_DARK)
    c.rect(18, 5, 32, 9, OLIVE_DARK)
    c.poly([(18, 16), (32, 16), (31, 24), (19, 24)], RUST_LIGHT)
    c.rect(19, 19, 31, 20, RUST_DARK)
    c.rect(21, 11, 24, 13, INK)
    c.rect(26, 11, 30, 13, AMBER_LIGHT)


def hollow_saint(c):
    """A tall hooded preacher whose coat sweeps the floor; only the eyes shine."""
    c.poly([(17, 22), (33, 22), (42, FOOT_Y), (8, FOOT_Y)], STEEL_DARK)
    c.poly([(25, 22), (33, 22), (42, FOOT_Y), (27, FOOT_Y)], shade(STEEL_DARK, 0.7))
    c.poly([(22, 30), (28, 30), (29, FOOT_Y), (21, FOOT_Y)], BONE)
    c.rect(21, 40, 29, 42, RUST)
    for y in (50, 60, 70):
        c.rect(22.5, y, 27.5, y + 1.5, STEEL_DARK)
    _arm(c, 16, 27, 9, 46, 6, STEEL, BONE)
    _arm(c, 34, 27, 40, 46, 6, shade(STEEL_DARK, 0.8), BONE)
    c.line([(41, 5), (41, 70)], 2, RUST_DARK)  # a staff with a lamp
    c.ellipse(41, 5, 3, 3, TEAL)
    c.ellipse(41, 5, 1.5, 1.5, TEAL_GLOW)
    c.poly([(25, 2), (34, 12), (35, 26), (15, 26), (16, 12)], STEEL)
    c.poly([(25, 2), (34, 12), (35, 26), (26, 26)], STEEL_DARK)
    c.ellipse(25, 16, 6, 7, INK)
    c.rect(20.5, 14, 23.5, 16, TEAL_GLOW)
    c.rect(26.5, 14, 29.5, 16, TEAL_GLOW)


def mox(c):
    """A spindly visitor with a long skull, pale skin and scavenged rags."""
    for side in (-1, 1):
        x = 25 + side * 5
        col = SKIN_PALE if side < 0 else SKIN_PALE_DARK
        c.line([(x, 46), (x + side * 3, 62), (x + side * 1, FOOT_Y - 2)], 3.5, col)
        c.poly([(x + side - 4, FOOT_Y - 3), (x + side + 4, FOOT_Y - 3), (x + side + 5, FOOT_Y),
                (x + side - 5, FOOT_Y)], col)
    c.poly([(18, 26), (32, 26), (34, 50), (16, 50)], SAND)
    c.poly([(25, 26), (32, 26), (34, 50), (25, 50)], shade(SAND, 0.7))
    c.poly([(16, 44), (34, 44), (31, 53), (27, 49), (23, 54), (19, 49)], RUST)
    c.line([(18, 27), (32, 42)], 2, RUST_DARK)
    _arm(c, 18, 28, 9, 52, 3, SKIN_PALE, SKIN_PALE)
    _arm(c, 32, 28, 41, 52, 3, SKIN_PALE_DARK, SKIN_PALE_DARK)
    c.line([(22, 25), (22, 20)], 3, SKIN_PALE_DARK)
    c.ellipse(26, 11.5, 8.5, 9.5, SKIN_PALE)
    c.ellipse(29, 12.5, 5.5, 8, SKIN_PALE_DARK)
    c.ellipse(25, 5, 5.5, 2.5, shade(SKIN_PALE, 1.15))
    c.poly([(18, 12), (24, 13), (23, 17), (19, 16)], INK)
    c.poly([(27, 13), (33, 12), (32, 16), (28, 17)], INK)
    c.rect(20, 13.5, 22, 15, AMBER_LIGHT)
    c.rect(29, 13.5, 31, 15, AMBER_LIGHT)


def riska(c):
    """A mercenary in a green flak jacket, goggles up and a ponytail swinging."""
    _legs(c, 48, 9, 7, SAND, RUST_DARK, knee=shade(SAND, 0.8))
    c.rect(20, 28, 34, 44, RUST_DARK)  # the backpack behind her
    c.poly([(17, 23), (33, 23), (32, 49), (18, 49)], OLIVE_LIGHT)
    c.poly([(25, 23), (33, 23), (32, 49), (25, 49)], OLIVE)
    c.rect(17, 45, 33, 49, RUST_DARK)
    c.rect(23, 45, 27, 49, AMBER)
    c.line([(18, 24), (31, 44)], 2, RUST_DARK)
    c.rect(19, 32, 23, 37, OLIVE_DARK)
    _arm(c, 17, 25, 10, 40, 5, OLIVE_LIGHT, SKIN_BROWN)
    _arm(c, 33, 25, 36, 40, 5, OLIVE, SKIN_BROWN_DARK)
    _rifle(c, 4, 40, 36)
    c.poly([(30, 8), (37, 12), (39, 22), (35, 20), (31, 14)], RUST_LIGHT)
    c.ellipse(25, 13, 6.5, 7.5, SKIN_BROWN)
    c.ellipse(27.5, 14, 4, 6.5, SKIN_BROWN_DARK)
    c.poly([(18, 11), (25, 4), (32, 9), (32, 12), (18, 12)], RUST_LIGHT)
    c.rect(18, 7, 32, 10, STEEL_DARK)
    c.ellipse(21.5, 8.5, 2.2, 1.8, TEAL)
    c.ellipse(28.5, 8.5, 2.2, 1.8, TEAL)
    c.rect(21, 13.5, 23, 15, INK)
    c.rect(26, 13.5, 28, 15, INK)


def unit_k9(c):
    """A boxy security walker on reverse-jointed legs, one red eye."""
    for side in (-1, 1):
        x = 25 + side * 7
        col = BLUE if side < 0 else BLUE_DARK
        c.line([(x, 48), (x + side * 4, 60), (x - side * 1, 72)], 4, col)
        c.ellipse(x + side * 4, 60, 2.5, 2.5, STEEL_LIGHT)
        c.poly([(x - side - 5, 72), (x - side + 5, 72), (x - side + 6, FOOT_Y), (x - side - 6,
               FOOT_Y)], STEEL_DARK)
    c.rect(12, 22, 38, 50, BLUE)
    c.rect(27, 22, 38, 50, BLUE_DARK)
    c.rect(12, 22, 38, 25, BLUE_LIGHT)
    for i in range(4):
        c.rect(15, 30 + i * 4, 24, 31.5 + i * 4, AMBER if i % 2 == 0 else INK)
    c.rect(29, 29, 36, 43, STEEL_DARK)
    c.rect(30, 30, 35, 32, RED_LIGHT)
    _arm(c, 11, 26, 6, 44, 4, STEEL, STEEL_DARK)
    c.rect(36, 38, 47, 43, STEEL_DARK)  # arm cannon
    c.rect(38, 26, 42, 40, STEEL)
    c.rect(45, 37, 48, 44, INK)
    c.rrect(15, 6, 35, 22, 3, BLUE)
    c.rrect(26, 6, 35, 22, 3, BLUE_DARK)
    c.ellipse(25, 14, 5, 5, INK)
    c.ellipse(25, 14, 3, 3, RED)
    c.ellipse(24.2, 13.2, 1.2, 1.2, AMBER_LIGHT)
    c.line([(32, 6), (34, 3.5)], 1, STEEL_LIGHT)
    c.ellipse(34, 3.5, 1.2, 1.2, RED_LIGHT)


def gorr(c):
    """A hulking brute: bare chest, tusks, an orange crest and a chain belt."""
    _legs(c, 52, 16, 10, RUST_DARK, INK)
    c.poly([(8, 24), (42, 24), (38, 54), (12, 54)], SKIN_BROWN)
    c.poly([(26, 24), (42, 24), (38, 54), (26, 54)], SKIN_BROWN_DARK)
    c.ellipse(19, 33, 6, 4, shade(SKIN_BROWN, 1.12))
    c.rect(12, 48, 38, 54, STEEL_DARK)
    for i in range(5):
        c.ellipse(15 + i * 5, 51, 2, 1.6, STEEL_LIGHT)
    for sx in (-1, 1):
        px = 25 + sx * 15
        col = STEEL if sx < 0 else STEEL_DARK
        c.ellipse(px, 25, 7, 6, col)
        c.poly([(px - 3, 21), (px + 3, 21), (px + sx * 4, 13)], STEEL_LIGHT)
    _arm(c, 7, 30, 6, 52, 7, SKIN_BROWN, SKIN_BROWN_DARK)
    _arm(c, 43, 30, 44, 52, 7, SKIN_BROWN_DARK, INK)
    c.ellipse(25, 16, 8, 8, SKIN_BROWN)
    c.ellipse(28, 17, 5, 7, SKIN_BROWN_DARK)
    c.poly([(21, 9), (29, 9), (27, 2.5), (23, 2.5)], ORANGE)
    c.rect(19, 13, 23, 15, AMBER)
    c.rect(27, 13, 31, 15, AMBER)
    c.poly([(19, 19), (22, 19), (20, 24)], BONE)
    c.poly([(28, 19), (31, 19), (30, 24)], BONE)


CHARACTERS = [krov, vanta, brassjaw, hollow_saint, mox, riska, unit_k9, gorr]


def model_frames():
    """The eight frames as straight-alpha arrays, outlined in ink."""
    frames = []
    for draw in CHARACTERS:
        c = Canvas(FRAME_W, FRAME_H, scale=6)
        draw(c)
        frames.append(outline(c.array(), INK))
    return frames


def models_strip():
    frames = model_frames()
    for i, f in enumerate(frames):
        edges = np.concatenate([f[:, 0, 3], f[:, -1, 3], f[0, :, 3]])
        if (edges >= 0.5).any():
            raise ValueError("model %d touches the edge of its frame" % i)
    return np.concatenate(frames, axis=1)
