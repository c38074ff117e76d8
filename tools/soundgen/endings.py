"""Game-end sounds: brass fanfares for a win, sagging "wah-wah" horns and
falling groans for a loss. Each lasts about 1.2 to 1.4 seconds."""

from synth import (add, adsr, constant, envelope, finish, glide, multiply,
                   noise, oscillator, place, resonant, samples,
                   saw_partials, scale, vibrato)

C5, E5, G5, C6 = 523.3, 659.3, 784.0, 1046.5
G4 = 392.0


def brass(rate, freq, length, level=1.0, shake=0.0):
    """One brass note: bright harmonics whose brilliance opens with the
    attack, as a horn's does, with an optional late vibrato."""
    n = samples(rate, length)
    track = constant(n, freq)
    if shake:
        track = vibrato(track, rate, 5.5, shake, delay=0.2)
    tone = oscillator(track, rate, saw_partials(10))
    opening = envelope(n, rate, [(0.0, freq * 1.2), (0.04, freq * 6.0),
                                 (length, freq * 4.0)])
    tone = resonant(tone, rate, opening, 0.9, "low")
    return scale(multiply(tone, adsr(n, rate, 0.02, 0.08, 0.75,
                                     min(0.12, length * 0.4))), level)


def fanfare(rate, score, length):
    """score holds (start, frequency, duration, level) notes."""
    out = [0.0] * samples(rate, length)
    for at, freq, dur, level in score:
        place(out, brass(rate, freq, dur, level, 0.25 if dur > 0.4 else 0.0),
              rate, at)
    return out


def win_game(variant, rate):
    if variant == 1:
        score = [(0.0, G4, 0.11, 0.8), (0.13, C5, 0.11, 0.85),
                 (0.26, E5, 0.11, 0.9), (0.39, G5, 0.9, 1.0),
                 (0.39, E5, 0.9, 0.6), (0.39, C5, 0.9, 0.6)]
        x = fanfare(rate, score, 1.32)
    else:
        score = [(0.0, C5, 0.09, 0.8), (0.1, C5, 0.09, 0.8),
                 (0.2, C5, 0.09, 0.8), (0.32, E5, 0.2, 0.9),
                 (0.54, G5, 0.75, 1.0), (0.54, E5, 0.75, 0.55),
                 (0.54, C5, 0.75, 0.55), (0.54, C6, 0.75, 0.35)]
        x = fanfare(rate, score, 1.32)
    return finish(x, rate, 0.85, 0.3, fade_out=0.08)


def wah_note(rate, freq, length, bend=1.0, wah=True):
    """A muted horn note; the mute opens and closes ("wah") over it."""
    n = samples(rate, length)
    track = glide(n, freq, freq * bend)
    if length > 0.4:
        track = vibrato(track, rate, 5.0, 0.35, delay=0.15)
    tone = oscillator(track, rate, saw_partials(14))
    if wah:
        mouth = envelope(n, rate, [(0.0, 300.0), (length * 0.3, 1300.0),
                                   (length, 350.0)])
    else:
        mouth = constant(n, 900.0)
    tone = resonant(tone, rate, mouth, 3.0, "low")
    return multiply(tone, adsr(n, rate, 0.025, 0.06, 0.85,
                               min(0.15, length * 0.35)))


def groan(rate, length):
    """A voice-like "aaaah-ooh" sliding down and running out of breath."""
    n = samples(rate, length)
    track = vibrato(glide(n, 260.0, 105.0), rate, 4.5, 0.5, delay=0.3)
    source = oscillator(track, rate, saw_partials(24))
    first = resonant(source, rate, glide(n, 750.0, 380.0), 4.0)
    second = resonant(source, rate, glide(n, 1200.0, 850.0), 5.0)
    x = add(first, scale(second, 0.5))
    return multiply(x, envelope(n, rate, [(0.0, 0.0), (0.06, 1.0),
                                          (length * 0.6, 0.8),
                                          (length, 0.0)]))


def slide_whistle(rate, length):
    """A breathy whistle sinking from high to low."""
    n = samples(rate, length)
    track = vibrato(glide(n, 950.0, 190.0), rate, 6.0, 0.4, delay=0.2)
    tone = oscillator(track, rate, ((1.0, 1.0), (2.0, 0.12), (3.0, 0.04)))
    breath = resonant(noise(n, 41), rate, track, 8.0)
    x = add(tone, scale(breath, 0.35))
    return multiply(x, envelope(n, rate, [(0.0, 0.0), (0.05, 0.9),
                                          (length * 0.5, 1.0),
                                          (length, 0.0)]))


def lose_game(variant, rate):
    if variant == 1:
        x = []
        notes = ((0.0, 196.0, 0.26), (0.28, 185.0, 0.26),
                 (0.56, 174.6, 0.26), (0.84, 164.8, 0.52))
        for at, freq, dur in notes:
            place(x, wah_note(rate, freq, dur, 0.99), rate, at)
    elif variant == 2:
        x = groan(rate, 1.3)
    elif variant == 3:
        x = []
        place(x, wah_note(rate, 293.7, 0.35, 0.94), rate, 0.0)
        place(x, wah_note(rate, 261.6, 0.85, 0.8), rate, 0.42)
    else:
        x = slide_whistle(rate, 1.2)
    return finish(x, rate, 0.85, 0.3, fade_out=0.1)
