"""Everything else: the gasp, the trapdoor, swishes, blips and clicks."""

import math

from synth import (add, adsr, decay, decaying_partials, envelope, finish,
                   glide, highpass, lowpass, multiply, noise, normalize,
                   oscillator, place, random_values, resonant, samples,
                   scale, TWO_PI)


def gasp(rate):
    """A sharp breath drawn in: breathy noise shaped by an opening mouth,
    growing louder and stopping short when the throat closes."""
    length = 0.55
    n = samples(rate, length)
    air = noise(n, 51)
    first = resonant(air, rate, glide(n, 650.0, 900.0), 5.0)
    second = resonant(air, rate, glide(n, 1150.0, 1700.0), 6.0)
    hiss = highpass(resonant(air, rate, 3000.0, 1.2), rate, 1800.0)
    voice = oscillator(glide(n, 240.0, 330.0), rate,
                       ((1.0, 1.0), (2.0, 0.5), (3.0, 0.25)))
    voice = resonant(voice, rate, 800.0, 3.0)
    x = add(add(first, scale(second, 0.6)), scale(hiss, 0.35))
    x = add(x, scale(voice, 0.08))
    shape = envelope(n, rate, [(0.0, 0.0), (0.03, 0.35), (0.12, 0.5),
                               (0.38, 1.0), (0.44, 0.9), (0.5, 0.0)])
    return finish(multiply(x, shape), rate, 0.8, fade_out=0.03)


def creak(rate, length, seed):
    """A hinge creaking: stick-slip clicks, ever quicker, ringing through
    the wooden resonances of the door."""
    n = samples(rate, length)
    pulses = [0.0] * n
    jitter = random_values(400, seed)
    t, j = 0.0, 0
    while t < length and j < len(jitter):
        progress = t / length
        speed = 38.0 + 70.0 * progress * progress
        i = samples(rate, t)
        if i < n:
            pulses[i] = 0.6 + 0.4 * jitter[j]
        t += (0.8 + 0.4 * jitter[(j + 1) % len(jitter)]) / speed
        j += 2
    wood = add(resonant(pulses, rate, 620.0, 12.0),
               add(scale(resonant(pulses, rate, 1450.0, 14.0), 0.7),
                   scale(resonant(pulses, rate, 2700.0, 16.0), 0.4)))
    swell = envelope(n, rate, [(0.0, 0.0), (0.08, 0.5),
                               (length * 0.85, 1.0), (length, 0.0)])
    return multiply(wood, swell)


def slam(rate, length, seed, weight=1.0):
    """A heavy wooden board hitting the floor."""
    n = samples(rate, length)
    boom = oscillator(glide(n, 95.0, 42.0), rate,
                      ((1.0, 1.0), (2.0, 0.45), (3.0, 0.2)))
    boom = multiply(boom, decay(n, rate, 0.16 * weight, 0.002))
    impact = lowpass(lowpass(noise(n, seed), rate, 450.0), rate, 700.0)
    impact = multiply(impact, decay(n, rate, 0.04, 0.001))
    board = resonant(noise(n, seed + 1), rate, 320.0, 6.0)
    board = multiply(board, decay(n, rate, 0.07, 0.001))
    return add(add(boom, scale(impact, 5.0)), scale(board, 2.5))


def door_drop(rate):
    """The trapdoor: a creaking hinge, the latch giving way, a heavy
    thump, and a smaller bounce."""
    x = normalize(creak(rate, 0.38, 61), 0.7)
    latch = resonant(noise(samples(rate, 0.03), 62), rate, 2200.0, 3.0)
    latch = multiply(latch, decay(len(latch), rate, 0.006, 0.0005))
    place(x, normalize(latch, 0.5), rate, 0.38)
    place(x, normalize(slam(rate, 0.7, 63)), rate, 0.46)
    place(x, normalize(slam(rate, 0.35, 65, 0.6), 0.35), rate, 0.74)
    return finish(x, rate, 0.88, fade_out=0.1)


def swish(rate, rising):
    """Air swept past: band-passed noise whose pitch rises (coming in) or
    falls (going out), swelling towards the near end."""
    length = 0.3
    n = samples(rate, length)
    low, high = 350.0, 4000.0
    centre = glide(n, low, high) if rising else glide(n, high, low)
    x = resonant(noise(n, 71 if rising else 72), rate, centre, 2.5)
    x = add(x, scale(resonant(noise(n, 73), rate, centre, 9.0), 0.5))
    if rising:
        shape = [(0.0, 0.0), (0.2, 1.0), (0.3, 0.0)]
    else:
        shape = [(0.0, 0.0), (0.06, 1.0), (0.3, 0.0)]
    return finish(multiply(x, envelope(n, rate, shape)), rate, 0.75)


def blip(rate, rising):
    """A short sliding beep, up or down."""
    length = 0.15
    n = samples(rate, length)
    low, high = 440.0, 1320.0
    track = glide(n, low, high) if rising else glide(n, high, low)
    x = oscillator(track, rate, ((1.0, 1.0), (2.0, 0.2), (3.0, 0.1)))
    x = multiply(x, adsr(n, rate, 0.006, 0.03, 0.8, 0.05))
    return finish(x, rate, 0.75, 0.25, fade_out=0.01)


def boop(rate):
    """A round little knock on the guess meter."""
    n = samples(rate, 0.1)
    x = oscillator(glide(n, 620.0, 470.0), rate,
                   ((1.0, 1.0), (2.0, 0.3), (3.0, 0.08)))
    x = multiply(x, decay(n, rate, 0.03, 0.003))
    return finish(x, rate, 0.75, 0.25, fade_out=0.015)


def boing(rate):
    """A springy wobble, as if the face were poked."""
    n = samples(rate, 0.2)
    track = [300.0 * (1.0 + 0.35 * math.sin(TWO_PI * 17.0 * i / rate)
                      * math.exp(-i / (0.07 * rate)))
             for i in range(n)]
    x = oscillator(track, rate, ((1.0, 1.0), (2.0, 0.35), (3.0, 0.12)))
    x = multiply(x, decay(n, rate, 0.06, 0.004))
    return finish(x, rate, 0.75, 0.25, fade_out=0.02)


def tick(rate, length, partials, seed, peak):
    """A very short click: a spark of noise and a few tiny ringing
    partials, given as (frequency, amplitude, decay time)."""
    n = samples(rate, length)
    spark = multiply(noise(n, seed), decay(n, rate, 0.0015, 0.0002))
    x = [0.0] * n
    for freq, level, tau in partials:
        x = add(x, decaying_partials(n, rate, freq, ((1.0, level, tau),),
                                     0.0005))
    x = add(x, scale(spark, 0.3))
    return finish(x, rate, peak, fade_in=0.0005, fade_out=0.008)


def show_letter(rate):
    """A bright tick for each letter revealed after a loss."""
    return tick(rate, 0.05, ((2640.0, 1.0, 0.012), (5280.0, 0.3, 0.006)),
                81, 0.7)


def flash_click(rate):
    """A dry wooden click for each flash of the phrase."""
    return tick(rate, 0.035, ((1150.0, 1.0, 0.008), (2900.0, 0.5, 0.004),
                              (4700.0, 0.25, 0.002)), 82, 0.7)
