"""Windows BMP writing (24-bit, bottom-up) and clean colour keying for sprites."""
import struct

import numpy as np

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)


def write_bmp(path, rgb):
    """Writes an H x W x 3 uint8 array as an uncompressed 24-bit BMP."""
    rgb = np.ascontiguousarray(rgb, dtype=np.uint8)
    h, w, _ = rgb.shape
    stride = (w * 3 + 3) & ~3
    rows = np.zeros((h, stride), dtype=np.uint8)
    rows[:, : w * 3] = rgb[::-1, :, ::-1].reshape(h, w * 3)  # bottom-up, BGR
    pixels = rows.tobytes()
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def _to565_matches(rgb, key):
    """True where a colour lands on the key once the game keeps the top 5/6/5 bits."""
    r, g, b = (rgb[..., i].astype(int) for i in range(3))
    return (r >> 3 == key[0] >> 3) & (g >> 2 == key[1] >> 2) & (b >> 3 == key[2] >> 3)


def flatten(rgba, key, threshold=0.5):
    """Turns straight-alpha RGBA (floats 0..1) into opaque RGB over a colour key.

    Pixels are either fully the art or exactly the key: nothing is blended into the key,
    so no fringe of key-coloured pixels can appear around a sprite in the game.
    """
    alpha = rgba[..., 3]
    rgb = np.clip(np.rint(rgba[..., :3] * 255), 0, 255).astype(np.uint8)
    solid = alpha >= threshold
    # Art that would collide with the key after the 16-bit conversion gets nudged off it.
    clash = solid & _to565_matches(rgb, key)
    rgb[clash] = np.array([max(key[0] - 16, 0) if key[0] else 16, 8 if key[1] < 8 else 0,
                           max(key[2] - 16, 0) if key[2] else 16], dtype=np.uint8)
    rgb[~solid] = key
    return rgb


def check_key_clean(rgb, key):
    """Raises when a picture holds colours that would read as a fringe of the key."""
    keyed = np.all(rgb == np.array(key, dtype=np.uint8), axis=-1)
    near = _to565_matches(rgb, key) & ~keyed
    if key == MAGENTA:
        r, g, b = (rgb[..., i].astype(int) for i in range(3))
        near |= (r > 200) & (b > 200) & (g < 80) & ~keyed
    if near.any():
        raise ValueError("%d pixels close to the transparent colour" % int(near.sum()))


def write_bmp_mono(path, white):
    """Writes a boolean H x W picture (True = white) as a 1-bit BMP with a black/white palette."""
    h, w = white.shape
    stride = ((w + 31) // 32) * 4
    bits = np.packbits(white[::-1].astype(np.uint8), axis=1)
    rows = np.zeros((h, stride), dtype=np.uint8)
    rows[:, : bits.shape[1]] = bits
    pixels = rows.tobytes()
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    offset = 54 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 1, 0, len(pixels), 2835, 2835, 2, 2)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)
