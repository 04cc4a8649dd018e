"""Synthesised effects: railgun, deaths, damage, chat, slide and the menu clicks."""
import numpy as np

from audio import (RATE, bandpass, envelope, one_pole_lowpass, seconds, sweep)


def noise(rng, dur):
    return rng.uniform(-1, 1, int(dur * RATE))


def railgun(rng):
    n = int(0.85 * RATE)
    zap = sweep(4200, 180, n, curve=0.35) * envelope(n, 0.002, 3.0)
    hiss = bandpass(noise(rng, 0.85), np.linspace(6000, 900, n), q=2.0) * envelope(n, 0.001, 4.0)
    t = seconds(0.85)
    ring = sum(np.sin(2 * np.pi * f * t) * a for f, a in ((523, 0.5), (1247, 0.3), (2011, 0.2)))
    ring *= np.exp(-t * 6) * 0.35
    thump = np.sin(2 * np.pi * 55 * t) * np.exp(-t * 18) * 0.9
    return 0.9 * zap + 1.6 * hiss + ring + thump


def model_death(rng):
    n = int(0.6 * RATE)
    t = seconds(0.6)
    grunt = np.sign(sweep(190, 70, n, curve=0.7)) * 0.5
    grunt = bandpass(grunt, np.linspace(900, 400, n), q=3) * envelope(n, 0.01, 1.5)
    splat = one_pole_lowpass(noise(rng, 0.6), np.linspace(3000, 300, n)) * np.exp(-t * 9) * 3
    crunch = bandpass(noise(rng, 0.6), 1800, q=6) * np.exp(-t * 25) * 2
    return grunt * 2.0 + splat + crunch


def player_death(rng):
    n = int(1.7 * RATE)
    t = seconds(1.7)
    groan = sweep(140, 38, n, curve=0.8)
    groan = np.tanh(3 * (groan + 0.5 * sweep(281, 77, n, curve=0.8)))
    groan = one_pole_lowpass(groan, np.linspace(1600, 200, n)) * envelope(n, 0.04, 1.2)
    rumble = one_pole_lowpass(noise(rng, 1.7), 160) * 6 * envelope(n, 0.01, 0.8)
    hit = bandpass(noise(rng, 1.7), 700, q=2) * np.exp(-t * 14) * 2.5
    return groan + rumble + hit


def damage(rng):
    n = int(0.45 * RATE)
    t = seconds(0.45)
    tone = np.where(t < 0.14, np.sign(np.sin(2 * np.pi * 330 * t)),
                    np.sign(np.sin(2 * np.pi * 220 * t)))
    tone = one_pole_lowpass(tone * 0.5, 2500) * envelope(n, 0.005, 1.0)
    gap = np.ones(n)
    gap[int(0.14 * RATE):int(0.17 * RATE)] = 0.15
    thud = np.sin(2 * np.pi * 70 * t) * np.exp(-t * 14)
    return tone * one_pole_lowpass(gap, 200) + thud


def chat(rng):
    t = seconds(0.16)
    f = np.where(t < 0.07, 1175, 1568)
    x = np.sin(2 * np.pi * np.cumsum(f) / RATE) * 0.7 + np.sin(4 * np.pi * np.cumsum(f) / RATE) * 0.15
    env = np.exp(-((t % 0.07) / 0.05)) * np.where(t < 0.155, 1, 0)
    return x * env


def slide(rng):
    n = int(0.7 * RATE)
    t = seconds(0.7)
    centre = 400 + 3200 * np.sin(np.pi * t / 0.7) ** 2
    x = bandpass(noise(rng, 0.7), centre, q=3)
    return x * np.sin(np.pi * t / 0.7) ** 1.5


def menu_move(rng):
    t = seconds(0.06)
    return np.sin(2 * np.pi * 1900 * t) * np.exp(-t * 90)


def _notes(freqs, length):
    parts = []
    for f in freqs:
        t = seconds(length)
        parts.append((np.sin(2 * np.pi * f * t) + 0.3 * np.sin(2 * np.pi * 2 * f * t))
                     * np.exp(-t * 22))
    return np.concatenate(parts)


def menu_next(rng):
    return _notes((660, 990), 0.09)


def menu_back(rng):
    return _notes((880, 587), 0.09)


def menu_disabled(rng):
    t = seconds(0.22)
    buzz = np.sign(np.sin(2 * np.pi * 110 * t)) + np.sign(np.sin(2 * np.pi * 116.5 * t))
    gate = ((t % 0.11) < 0.08).astype(float)
    return one_pole_lowpass(buzz * 0.4, 1400) * one_pole_lowpass(gate, 300)


EFFECTS = {
    "RailGun_Shot.ogg": railgun,
    "Model_Death.ogg": model_death,
    "Death.ogg": player_death,
    "Damage.ogg": damage,
    "Chat.ogg": chat,
    "Slide.ogg": slide,
    "Menu_Move.ogg": menu_move,
    "Menu_Next.ogg": menu_next,
    "Menu_Back.ogg": menu_back,
    "Menu_Disabled.ogg": menu_disabled,
}
