"""Renders enlarged previews and game-like screens of the made assets into a folder.

    /usr/bin/python3 tools/assetgen/preview.py /tmp/skpreview
"""
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import maps  # noqa: E402

ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
ARCHIVE = os.path.join(ROOT, "data", "archive")
MAPS = os.path.join(ROOT, "data", "maps")


def load(name, folder=ARCHIVE):
    return np.asarray(Image.open(os.path.join(folder, name)).convert("RGB")).astype(np.int32)


def blit(dst, src, x, y, key=None):
    h, w = src.shape[:2]
    x0, y0, x1, y1 = max(x, 0), max(y, 0), min(x + w, dst.shape[1]), min(y + h, dst.shape[0])
    if x0 >= x1 or y0 >= y1:
        return
    s = src[y0 - y:y1 - y, x0 - x:x1 - x]
    d = dst[y0:y1, x0:x1]
    if key is None:
        d[...] = s
    else:
        keep = np.all((s >> np.array([3, 2, 3])) == (np.array(key) >> np.array([3, 2, 3])), -1)
        d[~keep] = s[~keep]


def add_beam(dst, trail, sx, sy):
    """The rail trail stretched from the gun at the bottom centre to the shot point."""
    length = int(round(np.hypot(320 - sx, 480 - sy)))
    ux, uy = (sx - 320) / length, (sy - 480) / length
    w = trail.shape[1]
    for t in range(length):
        row = trail[int(t * trail.shape[0] / length) % trail.shape[0]]
        for k in range(w):
            off = k - w / 2
            x, y = int(320 + ux * t - uy * off), int(480 + uy * t + ux * off)
            if 0 <= x < 640 and 0 <= y < 480:
                dst[y, x] = np.minimum(255, dst[y, x] + row[k])


def game_screen(m):
    bg = load(m["file"] + ".jpg", MAPS)
    mask = load(m["file"] + "_mask.bmp", MAPS)
    models, blood, numbers = load("Models.bmp"), load("Blood.bmp"), load("Numbers.bmp")
    frame = bg.copy()
    key = (255, 0, 255)
    for i, path in enumerate(m["paths"]):
        pts = [p for p in path if not isinstance(p, str)]
        x, y = pts[min(1, len(pts) - 1)]
        x, y = (x + pts[-1][0]) // 2, (y + pts[-1][1]) // 2
        blit(frame, models[:, 50 * (i % 8):50 * (i % 8) + 50], x - 25, y - 80, key)
        if i == 0:
            blit(frame, blood[:, 128:192], x - 32, y - 40 - 32, key)
    layer = np.where(mask == 0, bg, np.array(key))
    blit(frame, layer, 0, 0, key)
    add_beam(frame, load("RailTrail.bmp"), 420, 200)
    bar = load("RailBar.bmp")
    frame[470:480, :400] = np.asarray(Image.fromarray(bar.astype(np.uint8)).resize((400, 10)))
    for cx, n in ((160, "12"), (480, "70")):
        for k, ch in enumerate(n):
            d = int(ch)
            blit(frame, numbers[:, 32 * d:32 * d + 32], cx + 32 * k - len(n) * 16, 460 - 40, key)
    fx, fy = m["final"]
    frame[fy - 1:fy + 2, fx - 1:fx + 2] = (0, 255, 0)  # the final waypoint, for checking
    cur = load("Cursor.bmp")
    blit(frame, cur, 420 - 16, 200 - 16, (0, 0, 0))
    return frame


def menu_screen():
    tile, logo = load("Menu_Background.bmp"), load("Menu_Logo.bmp")
    frame = np.zeros((480, 640, 3), np.int32)
    for y in range(0, 480, tile.shape[0]):
        for x in range(0, 640, tile.shape[1]):
            blit(frame, tile, x, y)
    blit(frame, logo, (640 - logo.shape[1]) // 2, 32, (255, 0, 255))
    for top in (200, 260, 320):
        frame[top:top + 35, 220:420] = (128, 128, 128)
    blit(frame, load("Menu_Cursor.bmp"), 300 - 24, 215 - 24, (0, 0, 0))
    return frame


def save(a, path, scale=1):
    img = Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))
    if scale != 1:
        img = img.resize((img.width * scale, img.height * scale), Image.NEAREST)
    img.save(path)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/skpreview"
    os.makedirs(out, exist_ok=True)
    for name in sorted(os.listdir(ARCHIVE)):
        if name.endswith(".bmp"):
            a = load(name)
            save(a, os.path.join(out, name[:-4] + ".png"), max(1, min(4, 640 // a.shape[1])))
    for m, _, _ in maps.MAPS:
        save(game_screen(m), os.path.join(out, "game_" + m["file"] + ".png"))
        save(load(m["file"] + "_mask.bmp", MAPS), os.path.join(out, "mask_" + m["file"] + ".png"))
    save(menu_screen(), os.path.join(out, "menu.png"))
    print("previews in", out)


if __name__ == "__main__":
    main()
