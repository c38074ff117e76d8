"""Building blocks for the game's sound cues.

A signal is a plain list of floats in the range -1..1, one per sample.
Everything here is deterministic: noise comes from a small seeded
generator of our own, so the same call always gives the same samples.
"""

import math

TWO_PI = 2.0 * math.pi


def samples(rate, seconds):
    """Number of samples in the given time."""
    return int(round(rate * seconds))


# ---- Noise ----------------------------------------------------------------

def noise(n, seed):
    """White noise in -1..1 from a 32-bit xorshift generator."""
    state = (seed * 2654435761 + 1) & 0xFFFFFFFF or 1
    out = []
    for _ in range(n):
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        out.append(state / 2147483648.0 - 1.0)
    return out


def random_values(count, seed):
    """Uniform numbers in 0..1, for jitter in timings and levels."""
    return [(v + 1.0) * 0.5 for v in noise(count, seed)]


# ---- Frequency tracks -------------------------------------------------------

def constant(n, value):
    return [value] * n


def glide(n, start, end):
    """Exponential pitch glide, so that equal times give equal intervals."""
    if n < 2:
        return [start] * n
    ratio = end / start
    return [start * ratio ** (i / (n - 1)) for i in range(n)]


def vibrato(track, rate, speed, semitones, delay=0.0):
    """Periodic pitch wobble whose depth fades in after the given delay."""
    out = []
    fade_len = max(1, samples(rate, 0.15))
    start = samples(rate, delay)
    for i, f in enumerate(track):
        depth = 0.0
        if i >= start:
            depth = semitones * min(1.0, (i - start) / fade_len)
        wobble = depth * math.sin(TWO_PI * speed * i / rate)
        out.append(f * 2.0 ** (wobble / 12.0))
    return out


# ---- Oscillators ------------------------------------------------------------

def oscillator(track, rate, partials=((1.0, 1.0),)):
    """Sum of sine partials following a frequency track.

    partials holds (frequency multiple, amplitude) pairs. A partial that
    would reach the Nyquist limit is left out sample by sample, so fast
    glides never fold back into harsh aliases.
    """
    limit = 0.45 * rate
    phase = 0.0
    out = []
    for f in track:
        value = 0.0
        for mult, amp in partials:
            if f * mult < limit:
                value += amp * math.sin(phase * mult)
        out.append(value)
        phase += TWO_PI * f / rate
        if phase > TWO_PI * 1000.0:
            phase -= TWO_PI * 1000.0
    return out


def saw_partials(count):
    """Harmonic series of a sawtooth wave (bright, brassy)."""
    return tuple((k, 1.0 / k) for k in range(1, count + 1))


def square_partials(count):
    """Odd harmonics of a square wave (hollow, buzzy)."""
    return tuple((k, 1.0 / k) for k in range(1, 2 * count, 2))


def triangle_partials(count):
    """Odd harmonics falling off fast (soft, flute-like)."""
    return tuple((k, (-1.0) ** (j) / (k * k))
                 for j, k in enumerate(range(1, 2 * count, 2)))


def decaying_partials(n, rate, freq, partials, attack=0.002):
    """A struck tone: each (multiple, amplitude, decay time) partial rings
    on its own and dies away exponentially, like a bell or a bar."""
    out = [0.0] * n
    attack_len = max(1, samples(rate, attack))
    for mult, amp, tau in partials:
        f = freq * mult
        if f >= 0.45 * rate:
            continue
        step = TWO_PI * f / rate
        fall = math.exp(-1.0 / (tau * rate))
        level = amp
        for i in range(n):
            rise = i / attack_len if i < attack_len else 1.0
            out[i] += level * rise * math.sin(step * i)
            level *= fall
    return out


# ---- Envelopes --------------------------------------------------------------

def envelope(n, rate, points):
    """Piecewise-linear envelope through (time in seconds, level) points;
    after the last point the level holds."""
    out = []
    idx = 0
    for i in range(n):
        t = i / rate
        while idx + 1 < len(points) and t >= points[idx + 1][0]:
            idx += 1
        t0, v0 = points[idx]
        if idx + 1 < len(points):
            t1, v1 = points[idx + 1]
            pos = (t - t0) / (t1 - t0) if t1 > t0 else 1.0
            out.append(v0 + (v1 - v0) * max(0.0, min(1.0, pos)))
        else:
            out.append(v0)
    return out


def decay(n, rate, tau, attack=0.002):
    """Fast linear rise, then exponential decay with time constant tau."""
    attack_len = max(1, samples(rate, attack))
    fall = math.exp(-1.0 / (tau * rate))
    out = []
    level = 1.0
    for i in range(n):
        if i < attack_len:
            out.append(i / attack_len)
        else:
            out.append(level)
            level *= fall
    return out


def adsr(n, rate, attack, decay_time, sustain, release):
    """Classic attack-decay-sustain-release over a note of n samples."""
    length = n / rate
    hold_end = max(attack + decay_time, length - release)
    return envelope(n, rate, [(0.0, 0.0), (attack, 1.0),
                              (attack + decay_time, sustain),
                              (hold_end, sustain), (length, 0.0)])


# ---- Filters ----------------------------------------------------------------

def lowpass(x, rate, cutoff):
    """Gentle one-pole low-pass (6 dB per octave)."""
    a = math.exp(-TWO_PI * cutoff / rate)
    y = 0.0
    out = []
    for v in x:
        y = (1.0 - a) * v + a * y
        out.append(y)
    return out


def highpass(x, rate, cutoff):
    """One-pole high-pass; also removes any DC offset."""
    a = math.exp(-TWO_PI * cutoff / rate)
    prev_x = 0.0
    y = 0.0
    out = []
    for v in x:
        y = a * (y + v - prev_x)
        prev_x = v
        out.append(y)
    return out


def resonant(x, rate, cutoff, q, mode="band"):
    """State-variable filter (trapezoidal form, stable while it moves).

    cutoff is a number or a per-sample track in Hz. mode "band" gives a
    band-pass with unity gain at the centre, "low" a resonant low-pass.
    """
    n = len(x)
    track = cutoff if isinstance(cutoff, list) else [cutoff] * n
    k = 1.0 / q
    ic1 = ic2 = 0.0
    out = []
    last_fc = None
    for i in range(n):
        fc = min(track[i], 0.45 * rate)
        if fc != last_fc:
            g = math.tan(math.pi * fc / rate)
            a1 = 1.0 / (1.0 + g * (g + k))
            a2 = g * a1
            a3 = g * a2
            last_fc = fc
        v3 = x[i] - ic2
        v1 = a1 * ic1 + a2 * v3
        v2 = ic2 + a2 * ic1 + a3 * v3
        ic1 = 2.0 * v1 - ic1
        ic2 = 2.0 * v2 - ic2
        out.append(k * v1 if mode == "band" else v2)
    return out


def echo(x, rate, delay, feedback, tail):
    """Repeating echo that fades by the feedback factor each time."""
    d = max(1, samples(rate, delay))
    out = x + [0.0] * samples(rate, tail)
    for i in range(d, len(out)):
        out[i] += feedback * out[i - d]
    return out


# ---- Combining --------------------------------------------------------------

def multiply(a, b):
    return [u * v for u, v in zip(a, b)]


def scale(x, gain):
    return [v * gain for v in x]


def add(a, b):
    """Sum of two signals; the result is as long as the longer one."""
    if len(a) < len(b):
        a, b = b, a
    out = list(a)
    for i, v in enumerate(b):
        out[i] += v
    return out


def place(out, x, rate, at, gain=1.0):
    """Mix x into out starting at the given time, growing out if needed."""
    start = samples(rate, at)
    end = start + len(x)
    if end > len(out):
        out.extend([0.0] * (end - len(out)))
    for i, v in enumerate(x):
        out[start + i] += gain * v
    return out


def normalize(x, peak=1.0):
    """Scale so that the largest sample reaches the given peak."""
    loudest = max((abs(v) for v in x), default=0.0) or 1.0
    return [v * peak / loudest for v in x]


def loudness(x, rate, window=0.05):
    """Root-mean-square level of the loudest stretch of the given length;
    closer to how loud a sound seems than its peak is."""
    n = max(1, samples(rate, window))
    step = max(1, n // 4)
    squares = [v * v for v in x]
    best = 0.0
    for start in range(0, max(1, len(x) - n + 1), step):
        best = max(best, sum(squares[start:start + n]) / n)
    return math.sqrt(best)


def finish(x, rate, peak, level=None, fade_in=0.003, fade_out=0.02):
    """Make a signal ready to store: no DC, soft edges, and scaled so that
    its loudness reaches level without its peak passing peak."""
    y = highpass(x, rate, 12.0)
    n = len(y)
    fin = max(1, samples(rate, fade_in))
    fout = max(1, samples(rate, fade_out))
    for i in range(min(fin, n)):
        y[i] *= i / fin
    for i in range(min(fout, n)):
        y[n - 1 - i] *= i / fout
    gain = peak / (max(abs(v) for v in y) or 1.0)
    if level is not None:
        gain = min(gain, level / (loudness(y, rate) or 1.0))
    return [v * gain for v in y]
