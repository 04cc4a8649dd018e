"""Makes every archive member and default map of the game from code.

Run with Debian's python3 from the repository root:  /usr/bin/python3 tools/assetgen/generate.py
Output goes to data/archive, data/maps and data/icons; running it twice gives identical files.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import editor_icon  # noqa: E402
import icon  # noqa: E402
import pictures  # noqa: E402


def main():
    root = os.path.abspath(os.path.join(HERE, "..", ".."))
    archive = os.path.join(root, "data", "archive")
    maps_dir = os.path.join(root, "data", "maps")
    icons_dir = os.path.join(root, "data", "icons")
    os.makedirs(archive, exist_ok=True)
    os.makedirs(maps_dir, exist_ok=True)
    only = set(sys.argv[1:])
    steps = [("pictures", lambda: pictures.write_all(archive))]
    try:
        import models_def
        steps.append(("text", lambda: models_def.write(archive)))
    except ImportError:
        pass
    steps.append(("icons", lambda: (icon.write_all(icons_dir), editor_icon.write_all(icons_dir))))
    for optional in ("maps", "sounds", "song"):
        try:
            mod = __import__(optional)
        except ImportError:
            continue
        target = maps_dir if optional == "maps" else archive
        steps.append((optional, lambda m=mod, t=target: m.write_all(t)))
    for name, run in steps:
        if not only or name in only:
            print("making", name)
            run()


if __name__ == "__main__":
    main()
