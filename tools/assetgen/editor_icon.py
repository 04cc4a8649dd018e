"""The map editor's icon: a walker's path drawn on the game's deck plate, three numbered
waypoints on it, the exit's amber square at its end, and a pencil still drawing it.

The plate is the game's own, so the two icons sit together in a menu; the path and the
pencil say "make maps" where the game's cross-hair says "shoot".
"""
import numpy as np

from canvas import Canvas
from icon import _Pen, _plate, to_rgba8, write_icons
from palette import *  # noqa: F401,F403

ICON_ID = "org.skarveth.Skedit"
WAYPOINTS = ((52, 176), (104, 92), (160, 150))
EXIT = (206, 70)


def _path(pen, size):
    """The path as the editor draws it: a bright line over an ink one, round waypoints."""
    pts = list(WAYPOINTS) + [EXIT]
    pen.line(pts, 16, INK)
    pen.line(pts, 8, TEAL_GLOW)
    for x, y in WAYPOINTS:
        pen.ellipse(x, y, 17, 17, INK)
        pen.ellipse(x, y, 12, 12, TEAL)
        if size >= 64:
            pen.ellipse(x - 3, y - 3, 4, 4, TEAL_GLOW)
    x, y = EXIT
    pen.poly([(x - 20, y - 20), (x + 20, y - 20), (x + 20, y + 20), (x - 20, y + 20)], INK)
    pen.poly([(x - 14, y - 14), (x + 14, y - 14), (x + 14, y + 14), (x - 14, y + 14)], AMBER)
    pen.poly([(x - 7, y - 7), (x + 7, y - 7), (x + 7, y + 7), (x - 7, y + 7)], AMBER_LIGHT)


def _pencil(pen):
    """A pencil lying from the bottom right towards the first waypoint, its tip on the plate."""
    tip, back = np.array((96.0, 214.0)), np.array((226.0, 140.0))
    along = (back - tip) / np.linalg.norm(back - tip)
    across = np.array((-along[1], along[0]))

    def quad(a, b, half, colour):
        p0, p1 = tip + along * a, tip + along * b
        pen.poly([tuple(p0 + across * half), tuple(p1 + across * half),
                  tuple(p1 - across * half), tuple(p0 - across * half)], colour)

    quad(12, 150, 19, INK)
    pen.poly([tuple(tip - along * 6), tuple(tip + along * 34 + across * 19),
              tuple(tip + along * 34 - across * 19)], INK)
    pen.poly([tuple(tip + along * 4), tuple(tip + along * 30 + across * 12),
              tuple(tip + along * 30 - across * 12)], SAND)
    pen.poly([tuple(tip), tuple(tip + along * 12 + across * 5),
              tuple(tip + along * 12 - across * 5)], INK)
    quad(30, 118, 12, AMBER)
    quad(30, 118, 4, AMBER_LIGHT)
    quad(118, 128, 12, STEEL_SHINE)
    quad(128, 144, 12, RED_LIGHT)


def icon(size):
    """The icon at one size, as H x W x 4 straight-alpha uint8."""
    c = Canvas(size, size, scale=8 if size <= 64 else 4)
    pen = _Pen(c, size)
    _plate(pen, size)
    _path(pen, size)
    _pencil(pen)
    return to_rgba8(c)


def write_all(out):
    """data/icons/<id>-<N>.png for every size; the build installs them beside the game's."""
    write_icons(out, ICON_ID, icon)
