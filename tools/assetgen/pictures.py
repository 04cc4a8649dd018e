"""Every BMP member of the archive."""
import os

from bmp import BLACK, MAGENTA, check_key_clean, flatten, write_bmp
import hud
import menu_art
import models


def save_keyed(path, rgba, key):
    rgb = flatten(rgba, key)
    check_key_clean(rgb, key)
    write_bmp(path, rgb)


def write_all(out):
    p = lambda name: os.path.join(out, name)  # noqa: E731
    save_keyed(p("Models.bmp"), models.models_strip(), MAGENTA)
    save_keyed(p("Blood.bmp"), hud.blood_strip(), MAGENTA)
    save_keyed(p("Numbers.bmp"), hud.numbers_strip(), MAGENTA)
    write_bmp(p("RailTrail.bmp"), hud.rail_trail())
    write_bmp(p("RailBar.bmp"), hud.rail_bar())
    write_bmp(p("Cursor.bmp"), hud.cursor())
    save_keyed(p("Menu_Cursor.bmp"), hud.menu_cursor(), BLACK)
    write_bmp(p("Menu_Background.bmp"), menu_art.menu_background())
    save_keyed(p("Menu_Logo.bmp"), menu_art.menu_logo(), MAGENTA)
    save_keyed(p("Logo_Vosk.bmp"), menu_art.logo_vosk(), MAGENTA)
