"""Green Shine: the game's song, composed and synthesised here, written as an S3M module."""
import os

import numpy as np

import s3m
from s3m import Instrument, Pattern, note

PERIOD = 100                    # samples per cycle of every tonal instrument
C4_RATE = int(round(261.6256 * PERIOD))  # the playback rate that makes C-4 sound as C-4
DRUM_RATE = 22050
rng = np.random.RandomState(2024)

# --- instruments -------------------------------------------------------------------------


def _additive(cycles, amps_at):
    """Sums harmonics whose amplitudes change once per cycle; exact periods loop cleanly."""
    out = []
    ph = np.arange(PERIOD) / PERIOD
    for c in range(cycles):
        amps = amps_at(c)
        out.append(sum(a * np.sin(2 * np.pi * (k + 1) * ph) for k, a in enumerate(amps)))
    return np.concatenate(out)


def bass():
    def amps(c):
        bright = max(0.0, 1 - c / 40)
        return [(1 / k) * (1 if k < 3 else 0.3 + 0.7 * bright) for k in range(1, 14)]
    body = _additive(60, amps)
    return Instrument("Bass", body / np.abs(body).max() * 0.9, C4_RATE, 60,
                      loop=(50 * PERIOD, 60 * PERIOD))


def pad():
    """Three detuned saws whose cycle counts all divide the loop, so it is seamless."""
    length, attack = 200 * PERIOD, 40 * PERIOD
    t = np.arange(attack + length)
    x = np.zeros(len(t))
    for cycles in (199, 200, 201):
        for k in range(1, 9):
            x += np.sin(2 * np.pi * k * cycles * t / length) / k * (0.8 ** k)
    x[:attack] *= np.linspace(0, 1, attack)
    return Instrument("Pad", x / np.abs(x).max() * 0.8, C4_RATE, 64,
                      loop=(attack, attack + length))


def lead():
    def amps(c):
        decay = 0.55 + 0.45 * np.exp(-c / 25)
        return [(1 / k if k % 2 else 0.25 / k) * decay ** (k / 3) for k in range(1, 16)]
    body = _additive(80, amps)
    return Instrument("Lead", body / np.abs(body).max() * 0.85, C4_RATE, 56,
                      loop=(70 * PERIOD, 80 * PERIOD))


def bell():
    n = int(1.2 * C4_RATE)
    t = np.arange(n) / C4_RATE
    f = 261.6256
    x = np.sin(2 * np.pi * f * t + 1.8 * np.exp(-t * 6) * np.sin(2 * np.pi * 3.5 * f * t))
    x *= np.exp(-t * 4.5)
    x[-200:] *= np.linspace(1, 0, 200)
    return Instrument("Bell", x * 0.85, C4_RATE, 48)


def kick():
    t = np.arange(int(0.35 * DRUM_RATE)) / DRUM_RATE
    freq = 45 + 110 * np.exp(-t * 28)
    x = np.sin(2 * np.pi * np.cumsum(freq) / DRUM_RATE) * np.exp(-t * 9)
    x[:40] += rng.uniform(-0.3, 0.3, 40)
    x[-100:] *= np.linspace(1, 0, 100)
    return Instrument("Kick", x / np.abs(x).max() * 0.95, DRUM_RATE, 64)


def snare():
    t = np.arange(int(0.25 * DRUM_RATE)) / DRUM_RATE
    noise = rng.uniform(-1, 1, len(t))
    noise = noise - np.convolve(noise, np.ones(3) / 3, "same")  # brighter
    x = noise * np.exp(-t * 16) + 0.6 * np.sin(2 * np.pi * 185 * t) * np.exp(-t * 30)
    x[-100:] *= np.linspace(1, 0, 100)
    return Instrument("Snare", x / np.abs(x).max() * 0.9, DRUM_RATE, 52)


def hat():
    t = np.arange(int(0.07 * DRUM_RATE)) / DRUM_RATE
    noise = rng.uniform(-1, 1, len(t))
    noise = np.diff(noise, prepend=0)
    x = noise * np.exp(-t * 70)
    x[-50:] *= np.linspace(1, 0, 50)
    return Instrument("Hat", x / np.abs(x).max() * 0.7, DRUM_RATE, 40)


KICK, SNARE, HAT, BASS, PAD, LEAD, BELL = range(1, 8)
DRUM_NOTE = note("C-4")
CH_KICK, CH_SNARE, CH_HAT, CH_BASS, CH_PAD, CH_LEAD, CH_BELL = 0, 1, 2, 3, 4, 7, 8
PANS = [7, 9, 10, 7, 3, 12, 7, 9, 5]

# --- the music ---------------------------------------------------------------------------
# four bars of sixteen rows per pattern: E minor, C, A minor, B
CHORDS = [("E-2", ["E-4", "G-4", "B-4"]), ("C-2", ["C-4", "E-4", "G-4"]),
          ("A-1", ["A-3", "C-4", "E-4"]), ("B-1", ["B-3", "D#4", "F#4"])]
BASS_ROWS = [(0, 0), (3, 0), (6, 0), (8, 0), (10, 12), (12, 0), (14, 7)]
MELODY = [
    "B-4 . . . G-4 . A-4 . B-4 . . . D-5 . B-4 .",
    "C-5 . . . B-4 . G-4 . E-4 . . . G-4 . . .",
    "A-4 . . . C-5 . E-5 . D-5 . C-5 . A-4 . . .",
    "B-4 . . . F#4 . . . D#5 . . . B-4 . ^ .",
]
MELODY_2 = [
    "E-5 . . . D-5 . B-4 . G-4 . . . B-4 . D-5 .",
    "E-5 . . . G-5 . E-5 . C-5 . . . . . ^ .",
    "A-4 . C-5 . E-5 . A-5 . G-5 . E-5 . C-5 . . .",
    "D#5 . . . F#5 . . . B-5 . . . . . ^ .",
]


def transpose(name, semitones):
    n = note(name)
    idx = (n >> 4) * 12 + (n & 15) + semitones
    return ((idx // 12) << 4) | (idx % 12)


def drums(p, full=True, fill=False):
    for bar in range(4):
        r = bar * 16
        for k in (0, 4, 8, 12) if full else (0, 8):
            p.put(r + k, CH_KICK, DRUM_NOTE, KICK, 64)
        if full:
            p.put(r + 4, CH_SNARE, DRUM_NOTE, SNARE, 56)
            p.put(r + 12, CH_SNARE, DRUM_NOTE, SNARE, 56)
        for k in range(0, 16, 2):
            p.put(r + k, CH_HAT, DRUM_NOTE, HAT, 40 if k % 4 == 2 else 22)
    if fill:
        for k in range(52, 64, 2):
            p.put(k, CH_SNARE, DRUM_NOTE, SNARE, 24 + (k - 52) * 3)


def bassline(p):
    for bar, (root, _) in enumerate(CHORDS):
        for row, step in BASS_ROWS:
            p.put(bar * 16 + row, CH_BASS, transpose(root, step), BASS, 54 if row % 4 == 0 else 42)


def pads(p, vol=26):
    for bar, (_, chord) in enumerate(CHORDS):
        for i, name in enumerate(chord):
            p.put(bar * 16, CH_PAD + i, note(name), PAD, vol)


def arps(p, vol=30):
    for bar, (_, chord) in enumerate(CHORDS):
        tones = chord + [transpose(chord[0], 12)]
        seq = [0, 1, 2, 3, 2, 1, 2, 3]
        for k, idx in enumerate(seq):
            t = tones[idx]
            p.put(bar * 16 + 2 * k, CH_BELL, transpose(t, 12) if isinstance(t, str) else t + 16,
                  BELL, vol)


def melody(p, bars, vol=46):
    for b, line in enumerate(bars):
        for k, tok in enumerate(line.split()):
            if tok == "^":
                p.put(b * 16 + k, CH_LEAD, s3m.NOTE_CUT)
            elif tok != ".":
                p.put(b * 16 + k, CH_LEAD, note(tok), LEAD, vol)


def patterns():
    intro = Pattern()
    pads(intro, 22)
    arps(intro, 20)
    for k in range(0, 64, 4):
        intro.put(k, CH_HAT, DRUM_NOTE, HAT, 18)
    rise = Pattern()
    pads(rise)
    arps(rise, 26)
    bassline(rise)
    drums(rise, full=False, fill=True)
    groove = Pattern()
    drums(groove)
    bassline(groove)
    pads(groove)
    groove_arp = Pattern()
    drums(groove_arp)
    bassline(groove_arp)
    pads(groove_arp)
    arps(groove_arp)
    theme = Pattern()
    drums(theme)
    bassline(theme)
    pads(theme, 20)
    melody(theme, MELODY)
    theme2 = Pattern()
    drums(theme2, fill=True)
    bassline(theme2)
    pads(theme2, 20)
    arps(theme2, 22)
    melody(theme2, MELODY_2)
    breakdown = Pattern()
    pads(breakdown, 30)
    arps(breakdown, 28)
    drums(breakdown, full=False, fill=True)
    outro = Pattern()
    drums(outro, fill=True)
    bassline(outro)
    pads(outro, 20)
    arps(outro, 22)
    melody(outro, MELODY)
    outro.put(63, 0, cmd=s3m.CMD_JUMP, info=2)  # back to the groove: the song never stops
    return [intro, rise, groove, groove_arp, theme, theme2, breakdown, outro]


ORDERS = [0, 1, 2, 3, 4, 5, 6, 3, 4, 5, 7]


def module_bytes():
    instruments = [kick(), snare(), hat(), bass(), pad(), lead(), bell()]
    return s3m.build("Green Shine", 6, 125, PANS, ORDERS, instruments, patterns())


def write_all(out):
    with open(os.path.join(out, "Green_Shine.s3m"), "wb") as f:
        f.write(module_bytes())
