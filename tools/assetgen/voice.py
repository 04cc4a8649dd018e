"""The arena announcer: our own words spoken by espeak-ng, then made big and hard."""
import os
import subprocess
import tempfile

import numpy as np

from audio import RATE, read_wav, write_effect

WORDS = {
    "Three.ogg": ("Three!", 140),
    "Two.ogg": ("Two!", 140),
    "One.ogg": ("One!", 140),
    "Fight.ogg": ("Fight!", 125),
    "Excellent.ogg": ("Excellent!", 135),
}


def speak(text, speed, tmp):
    raw = os.path.join(tmp, "raw.wav")
    subprocess.run(["espeak-ng", "-v", "en-us+m3", "-p", "28", "-s", str(speed), "-a", "180",
                    "-w", raw, text], check=True)
    big = os.path.join(tmp, "big.wav")
    # deeper, pressed together, slightly driven, in a large steel hall; no dither so the
    # result is the same on every run
    subprocess.run(["sox", "-D", raw, "-r", str(RATE), "-b", "16", big,
                    "gain", "-12", "pitch", "-450", "lowpass", "5200", "bass", "+6", "200",
                    "compand", "0.005,0.12", "6:-60,-40,-12,-6,0,-3", "-3",
                    "overdrive", "8", "12", "reverb", "35", "40", "70", "100", "20",
                    "silence", "1", "0.01", "0.5%", "reverse", "silence", "1", "0.01", "0.2%",
                    "reverse"], check=True)
    x, _ = read_wav(big)
    return x


def write_all(out, serial_base):
    with tempfile.TemporaryDirectory() as tmp:
        for i, (name, (text, speed)) in enumerate(sorted(WORDS.items())):
            write_effect(speak(text, speed, tmp), os.path.join(out, name), serial_base + i, tmp,
                         fade_out=0.08)
