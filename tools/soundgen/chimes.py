"""Bright struck-metal sounds: the six hit chimes and the name jingle.

A chime is a few sine partials, each ringing and dying on its own; the
upper ones die first, so the attack sparkles and the tail is pure. A
breath of filtered noise at the very start gives the strike.
"""

from synth import (decaying_partials, echo, finish, noise, place, resonant,
                   multiply, decay, samples, scale)

C6, D6, E6, G6, A6 = 1046.5, 1174.7, 1318.5, 1568.0, 1760.0
G5, C7 = 784.0, 2093.0

# (multiple, amplitude, decay time as a share of the note's ring time)
GLASS = ((1.0, 1.0, 1.0), (2.0, 0.45, 0.55), (3.0, 0.22, 0.35),
         (4.2, 0.14, 0.2))
BAR = ((1.0, 1.0, 1.0), (3.93, 0.35, 0.3), (9.5, 0.1, 0.1))


def strike(rate, n, seed, level=0.25):
    """The short bright tick of a hammer meeting metal."""
    click = resonant(noise(n, seed), rate, 3200.0, 1.5)
    return scale(multiply(click, decay(n, rate, 0.004, 0.0005)), level)


def chime(rate, freq, length, ring, timbre=GLASS, seed=1):
    n = samples(rate, length)
    parts = tuple((m, a, ring * t) for m, a, t in timbre)
    tone = decaying_partials(n, rate, freq, parts)
    return place(tone, strike(rate, samples(rate, 0.02), seed), rate, 0.0)


def notes(rate, length, score, ring, timbre=GLASS):
    """Several chimes, each (start time, frequency, level)."""
    out = [0.0] * samples(rate, length)
    for i, (at, freq, level) in enumerate(score):
        tone = chime(rate, freq, length - at, ring, timbre, seed=7 + i)
        place(out, tone, rate, at, level)
    return out[:samples(rate, length)]


def got_letter(variant, rate):
    """Hit sounds, 0.22 to 0.33 seconds; variant counts from 1."""
    if variant == 1:
        x = chime(rate, C6, 0.25, 0.07)
    elif variant == 2:
        x = notes(rate, 0.28, [(0.0, E6, 0.8), (0.07, A6, 1.0)], 0.06)
    elif variant == 3:
        x = notes(rate, 0.30, [(0.0, C6, 1.0), (0.0, E6, 0.7),
                               (0.012, G6, 0.5)], 0.08)
    elif variant == 4:
        x = chime(rate, G6, 0.22, 0.05, seed=4)
    elif variant == 5:
        x = notes(rate, 0.33, [(0.0, C6, 0.8), (0.06, E6, 0.9),
                               (0.12, G6, 1.0)], 0.06)
    else:
        x = notes(rate, 0.26, [(0.0, D6, 1.0), (0.05, D6 * 1.5, 0.6)],
                  0.07, timbre=BAR)
    return finish(x, rate, 0.85, 0.3, fade_out=0.03)


def get_name(rate):
    """A rising four-bell call with a light echo: something good happened."""
    score = [(0.0, G5, 0.7), (0.09, C6, 0.8), (0.18, E6, 0.9),
             (0.27, G6, 1.0), (0.27, C7, 0.35)]
    x = notes(rate, 0.62, score, 0.12)
    x = echo(x, rate, 0.11, 0.3, 0.15)
    return finish(x, rate, 0.85, 0.3, fade_out=0.06)
