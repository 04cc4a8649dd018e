"""Shared sound plumbing: WAV writing, finishing touches and Ogg Vorbis encoding."""
import os
import subprocess
import wave

import numpy as np

RATE = 44100


def seconds(n):
    return np.arange(int(n * RATE)) / RATE


def envelope(n, attack, decay_power=1.0):
    """A linear attack and a curved decay over n samples."""
    a = max(1, int(attack * RATE))
    env = np.ones(n)
    env[:a] = np.linspace(0, 1, a)
    env[a:] = np.linspace(1, 0, n - a) ** decay_power
    return env


def sweep(f0, f1, n, curve=1.0):
    """A sine whose frequency glides from f0 to f1 over n samples."""
    t = np.linspace(0, 1, n) ** curve
    freq = f0 + (f1 - f0) * t
    return np.sin(2 * np.pi * np.cumsum(freq) / RATE)


def one_pole_lowpass(x, cutoff):
    """Lowpass with a cutoff that may change per sample (an array) or stay fixed."""
    cutoff = np.broadcast_to(np.asarray(cutoff, float), x.shape)
    k = 1 - np.exp(-2 * np.pi * cutoff / RATE)
    y = np.empty_like(x)
    acc = 0.0
    for i in range(len(x)):
        acc += k[i] * (x[i] - acc)
        y[i] = acc
    return y


def bandpass(x, centre, q=4.0):
    """State-variable bandpass; `centre` may sweep."""
    centre = np.broadcast_to(np.asarray(centre, float), x.shape)
    f = 2 * np.sin(np.pi * np.minimum(centre, RATE / 6) / RATE)
    low = band = 0.0
    y = np.empty_like(x)
    damp = 1.0 / q
    for i in range(len(x)):
        low += f[i] * band
        high = x[i] - low - damp * band
        band += f[i] * high
        y[i] = band
    return y


# Every effect is brought to the same RMS loudness, with its peaks held below the ceiling
# by a smooth limiter; the song is mixed to about the same level (song.py).
TARGET_RMS_DB = -17.0
CEILING_DB = -1.0        # before encoding; Vorbis may overshoot a little
DECODED_PEAK_DB = -0.3   # what the decoded file must stay below


def rms_db(x):
    return 20 * np.log10(max(np.sqrt(np.mean(np.square(x))), 1e-12))


def _box(x, half):
    """Mean over a window of 2 * half + 1 samples, the ends held."""
    padded = np.pad(x, half, mode="edge")
    c = np.concatenate([[0.0], np.cumsum(padded)])
    return (c[2 * half + 1:] - c[:-2 * half - 1]) / (2 * half + 1)


def limit(x, ceiling, hold=0.004):
    """Lowers the gain smoothly around every sample that would pass the ceiling.

    The gain is the windowed minimum of what each sample needs, then averaged over the same
    window: it never exceeds any need inside the window, and it changes over milliseconds,
    not per sample, so there is no clipping distortion.
    """
    half = int(hold * RATE)
    need = np.minimum(1.0, ceiling / np.maximum(np.abs(x), 1e-12))
    least = np.lib.stride_tricks.sliding_window_view(np.pad(need, half, mode="edge"),
                                                     2 * half + 1).min(axis=1)
    return x * _box(least, half)


def finish(x, fade_in=0.003, fade_out=0.02, ceiling_db=CEILING_DB):
    """Fades both ends so nothing clicks, then sets the loudness to the common target."""
    x = np.asarray(x, float)
    x = x - np.mean(x)
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    x[:a] *= np.linspace(0, 1, a)
    x[-b:] *= np.linspace(1, 0, b)
    ceiling = 10 ** (ceiling_db / 20)
    for _ in range(12):
        x = limit(x * 10 ** ((TARGET_RMS_DB - rms_db(x)) / 20), ceiling)
        if abs(rms_db(x) - TARGET_RMS_DB) < 0.05:
            break
    return x


def write_wav(path, x, rate=RATE):
    pcm = np.clip(np.rint(x * 32767), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(pcm.tobytes())


def read_wav(path):
    with wave.open(path, "rb") as w:
        data = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(float) / 32768
        return data, w.getframerate()


def encode_ogg(wav_path, ogg_path, serial):
    """Ogg Vorbis with a fixed stream serial, so the same sound gives the same file."""
    subprocess.run(["oggenc", "-Q", "-q", "5", "-s", str(serial), "-o", ogg_path, wav_path],
                   check=True)


def write_effect(x, ogg_path, serial, tmp, fade_out=0.02):
    """Levels, encodes and checks one effect.

    Vorbis can overshoot sharp peaks by a decibel or more, so when the decoded file peaks
    too high the ceiling is lowered by the overshoot and the effect made again.
    """
    wav = os.path.join(tmp, "effect.wav")
    ceiling_db = CEILING_DB
    for _ in range(6):
        write_wav(wav, finish(x, fade_out=fade_out, ceiling_db=ceiling_db))
        encode_ogg(wav, ogg_path, serial)
        subprocess.run(["oggdec", "-Q", "-o", wav, ogg_path], check=True)
        y, _ = read_wav(wav)
        peak = 20 * np.log10(np.abs(y).max())
        if peak < DECODED_PEAK_DB - 0.2:
            break
        ceiling_db -= peak - (DECODED_PEAK_DB - 0.4)
    if abs(rms_db(y) - TARGET_RMS_DB) > 1.0 or peak >= DECODED_PEAK_DB:
        raise ValueError("%s: RMS %.1f dBFS, peak %.2f dBFS; wanted RMS %.1f +- 1 dB and peaks "
                         "below %.1f dBFS" % (ogg_path, rms_db(y), peak, TARGET_RMS_DB,
                                              DECODED_PEAK_DB))
