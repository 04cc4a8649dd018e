"""One palette for the whole game: worn steel, rust, hazard amber and cold teal light."""


def rgb(h):
    return ((h >> 16) & 255, (h >> 8) & 255, h & 255)


INK = rgb(0x141418)          # outlines and deepest shadow
STEEL_DARK = rgb(0x30353C)
STEEL = rgb(0x545C66)
STEEL_LIGHT = rgb(0x8A949E)
STEEL_SHINE = rgb(0xC4CCD2)
RUST_DARK = rgb(0x4A2414)
RUST = rgb(0x8A4424)
RUST_LIGHT = rgb(0xB8682E)
AMBER = rgb(0xE8A030)
AMBER_LIGHT = rgb(0xFFD070)
TEAL_DARK = rgb(0x0E4A4C)
TEAL = rgb(0x2CB4AC)
TEAL_GLOW = rgb(0x8CF4E8)
# Blood is a cooler crimson than the armour reds, with a near-black rim and core and wet
# glints, so it reads on red plate as well as on dark cloth and pale skin.
BLOOD_RIM = rgb(0x180306)
BLOOD_DARK = rgb(0x3A0410)
BLOOD = rgb(0x7E0A22)
BLOOD_LIGHT = rgb(0xB01834)
BLOOD_GLINT = rgb(0xF47C78)
RED = rgb(0xB0281E)
RED_LIGHT = rgb(0xE04A30)
OLIVE_DARK = rgb(0x323A22)
OLIVE = rgb(0x56623A)
OLIVE_LIGHT = rgb(0x7E8A52)
SAND = rgb(0xA89470)
BONE = rgb(0xD6CCAA)
SKIN_PALE = rgb(0x9CB88A)
SKIN_PALE_DARK = rgb(0x5E7A54)
SKIN_BROWN = rgb(0x7A5A44)
SKIN_BROWN_DARK = rgb(0x4E3628)
BLUE_DARK = rgb(0x1C2E52)
BLUE = rgb(0x2E5494)
BLUE_LIGHT = rgb(0x5A86C8)
ORANGE = rgb(0xD8661E)
WHITE = rgb(0xF0F0EA)
# The later maps' settings: a harbour at night, a depot in the snow, a foundry.
NIGHT = rgb(0x0A0E1E)
WATER_DARK = rgb(0x0E1A2A)
WATER = rgb(0x1E3448)
MOON = rgb(0xDCE2E6)
SNOW = rgb(0xE4EAF0)
SNOW_SHADE = rgb(0x9AAEC4)
ICE = rgb(0xB4D8E8)
SLAG = rgb(0x2A1E1C)
MOLTEN = rgb(0xF07818)
MOLTEN_HOT = rgb(0xFFD860)


def shade(c, f):
    """Scales a colour towards black (f < 1) or white (f > 1)."""
    if f <= 1:
        return tuple(int(round(v * f)) for v in c)
    t = f - 1
    return tuple(int(round(v + (255 - v) * t)) for v in c)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))
