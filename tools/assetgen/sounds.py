"""All fifteen effects, encoded to Ogg Vorbis with fixed stream serials."""
import os
import tempfile

import numpy as np

from audio import encode_ogg, finish, write_wav
import effects
import voice


def write_all(out):
    with tempfile.TemporaryDirectory() as tmp:
        for i, (name, make) in enumerate(sorted(effects.EFFECTS.items())):
            rng = np.random.RandomState(100 + i)
            wav = os.path.join(tmp, "fx.wav")
            write_wav(wav, finish(make(rng)))
            encode_ogg(wav, os.path.join(out, name), 0x5C0100 + i)
    voice.write_all(out, 0x5C0200)
