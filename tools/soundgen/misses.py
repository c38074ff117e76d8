"""Dull, low sounds for a wrong guess: thuds, knocks and buzzers.

Each lasts 0.3 to 0.45 seconds, since the game waits for it before the
player may guess again.
"""

import math

from synth import (add, adsr, decay, envelope, finish, glide, lowpass,
                   multiply, noise, oscillator, place, resonant, samples,
                   saw_partials, scale, square_partials, triangle_partials,
                   TWO_PI)

THUD = ((1.0, 1.0), (2.0, 0.5), (3.0, 0.25), (4.0, 0.1))


def thud(rate, length, high, low, tau, seed, body=0.6):
    """A soft object landing: a falling low tone plus a muffled knock."""
    n = samples(rate, length)
    tone = oscillator(glide(n, high, low), rate, THUD)
    tone = multiply(tone, decay(n, rate, tau, 0.003))
    knock = lowpass(lowpass(noise(n, seed), rate, 500.0), rate, 500.0)
    knock = multiply(knock, decay(n, rate, 0.025, 0.001))
    return add(tone, scale(knock, body * 4.0))


def buzzer(rate, length, freqs, partials, cutoff, fall=1.0):
    """Held reedy tones; fall below 1 lets the pitch sag at the end."""
    n = samples(rate, length)
    out = [0.0] * n
    for f in freqs:
        track = envelope(n, rate, [(0.0, f), (length * 0.6, f),
                                   (length, f * fall)])
        out = add(out, oscillator(track, rate, partials))
    out = lowpass(out, rate, cutoff)
    return multiply(out, adsr(n, rate, 0.012, 0.05, 0.8, 0.08))


def uh_oh(rate):
    """Two soft falling syllables."""
    out = []
    for at, f, length in ((0.0, 311.1, 0.16), (0.18, 233.1, 0.25)):
        n = samples(rate, length)
        tone = oscillator(glide(n, f * 1.02, f * 0.97), rate,
                          triangle_partials(6))
        tone = resonant(tone, rate, 700.0, 1.2, "low")
        place(out, multiply(tone, adsr(n, rate, 0.02, 0.04, 0.7, 0.07)),
              rate, at)
    return out


def bonk(rate):
    """A hollow wooden block struck low."""
    n = samples(rate, 0.3)
    tone = oscillator(glide(n, 230.0, 150.0), rate, ((1.0, 1.0),))
    tone = multiply(tone, decay(n, rate, 0.09))
    overtone = oscillator(glide(n, 230.0 * 2.76, 150.0 * 2.76), rate)
    tone = add(tone, multiply(scale(overtone, 0.4), decay(n, rate, 0.02)))
    return add(tone, thud(rate, 0.3, 120.0, 70.0, 0.05, 21, 0.3))


def raspberry(rate):
    """A fluttering low buzz: a sawtooth whose loudness trembles."""
    n = samples(rate, 0.45)
    tone = oscillator(glide(n, 92.0, 78.0), rate, saw_partials(20))
    tone = lowpass(lowpass(tone, rate, 1400.0), rate, 2500.0)
    flutter = [0.6 + 0.4 * math.sin(TWO_PI * 28.0 * i / rate)
               for i in range(n)]
    return multiply(multiply(tone, flutter),
                    adsr(n, rate, 0.02, 0.05, 0.85, 0.12))


def bwomp(rate):
    """A deflating tone that slides down and closes."""
    n = samples(rate, 0.45)
    tone = oscillator(glide(n, 260.0, 85.0), rate, saw_partials(12))
    tone = resonant(tone, rate, glide(n, 1400.0, 250.0), 2.0, "low")
    return multiply(tone, adsr(n, rate, 0.01, 0.1, 0.7, 0.15))


def drum(rate):
    """A muffled low drum: tuned body plus a padded skin noise."""
    n = samples(rate, 0.35)
    skin = resonant(noise(n, 33), rate, 160.0, 3.0)
    skin = multiply(skin, decay(n, rate, 0.06))
    return add(thud(rate, 0.35, 115.0, 70.0, 0.12, 34, 0.4),
               scale(skin, 1.5))


def falling_thunk(rate):
    n = samples(rate, 0.35)
    tone = oscillator(glide(n, 330.0, 110.0), rate, triangle_partials(8))
    return multiply(tone, decay(n, rate, 0.11, 0.004))


def miss_letter(variant, rate):
    """Miss sounds; variant counts from 1."""
    if variant == 1:
        x = thud(rate, 0.35, 140.0, 55.0, 0.1, 11)
    elif variant == 2:
        x = buzzer(rate, 0.4, (98.0,), square_partials(20), 1500.0, 0.94)
    elif variant == 3:
        x = uh_oh(rate)
    elif variant == 4:
        x = bonk(rate)
    elif variant == 5:
        x = raspberry(rate)
    elif variant == 6:
        x = thud(rate, 0.4, 150.0, 70.0, 0.06, 16)
        place(x, thud(rate, 0.24, 120.0, 50.0, 0.07, 17), rate, 0.16, 0.8)
    elif variant == 7:
        x = bwomp(rate)
    elif variant == 8:
        x = drum(rate)
    elif variant == 9:
        x = buzzer(rate, 0.4, (110.0, 116.5), saw_partials(24), 1000.0)
    else:
        x = falling_thunk(rate)
    return finish(x, rate, 0.85, 0.3, fade_out=0.04)
