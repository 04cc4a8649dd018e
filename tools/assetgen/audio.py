"""Shared sound plumbing: WAV writing, finishing touches and Ogg Vorbis encoding."""
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


def finish(x, peak_db=-1.0, fade_in=0.003, fade_out=0.02):
    """Normalises to the peak and fades both ends, so nothing clicks."""
    x = np.asarray(x, float)
    x = x - np.mean(x)
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    x[:a] *= np.linspace(0, 1, a)
    x[-b:] *= np.linspace(1, 0, b)
    return x / np.abs(x).max() * 10 ** (peak_db / 20)


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
