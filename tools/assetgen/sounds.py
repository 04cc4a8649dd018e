"""All fifteen effects, encoded to Ogg Vorbis with fixed stream serials."""
import os
import tempfile

import numpy as np

from audio import write_effect
import effects
import voice


def write_all(out):
    with tempfile.TemporaryDirectory() as tmp:
        for i, (name, make) in enumerate(sorted(effects.EFFECTS.items())):
            rng = np.random.RandomState(100 + i)
            write_effect(make(rng), os.path.join(out, name), 0x5C0100 + i, tmp)
    voice.write_all(out, 0x5C0200)
