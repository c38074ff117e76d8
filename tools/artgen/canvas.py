"""A small RGB drawing surface for pixel art.

Colours are 0xRRGGBB integers; CLEAR (-1) marks a transparent pixel (used
by icon sprites). All shapes are drawn without anti-aliasing so that the
pictures stay crisp and use few colours."""

CLEAR = -1

# 4 x 4 ordered-dither thresholds, used for smooth gradients with few colours.
BAYER4 = ((0, 8, 2, 10), (12, 4, 14, 6), (3, 11, 1, 9), (15, 7, 13, 5))


def rgb(r, g, b):
    return (r << 16) | (g << 8) | b


def mix(c1, c2, t):
    """Colour between c1 (t = 0) and c2 (t = 1)."""
    def ch(c, s):
        return (c >> s) & 0xFF
    return rgb(*(int(round(ch(c1, s) + (ch(c2, s) - ch(c1, s)) * t))
                 for s in (16, 8, 0)))


def dither_pick(x, y, t, steps):
    """Picks one of the colours in steps for position t in [0, 1] with
    ordered dithering between neighbouring steps."""
    t = min(max(t, 0.0), 1.0)
    p = t * (len(steps) - 1)
    i = int(p)
    if i >= len(steps) - 1:
        return steps[-1]
    frac = p - i
    return steps[i + 1] if frac * 16 > BAYER4[y % 4][x % 4] + 0.5 else steps[i]


class Lcg:
    """Deterministic pseudo-random numbers for scattering details."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state >> 8

    def rand(self, lo, hi):
        """An integer in lo..hi inclusive."""
        return lo + self.next() % (hi - lo + 1)


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.px = [fill] * (w * h)

    def copy(self):
        c = Canvas(self.w, self.h)
        c.px = list(self.px)
        return c

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y * self.w + x]
        return CLEAR

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = c

    def rect(self, x, y, w, h, c):
        for yy in range(max(y, 0), min(y + h, self.h)):
            row = yy * self.w
            for xx in range(max(x, 0), min(x + w, self.w)):
                self.px[row + xx] = c

    def frame(self, x, y, w, h, c):
        self.rect(x, y, w, 1, c)
        self.rect(x, y + h - 1, w, 1, c)
        self.rect(x, y, 1, h, c)
        self.rect(x + w - 1, y, 1, h, c)

    def bevel(self, x, y, w, h, light, dark, width=1):
        """Raised-edge look: light top and left, dark bottom and right."""
        for i in range(width):
            self.rect(x + i, y + i, w - 2 * i, 1, light)
            self.rect(x + i, y + i, 1, h - 2 * i, light)
            self.rect(x + i, y + h - 1 - i, w - 2 * i, 1, dark)
            self.rect(x + w - 1 - i, y + i, 1, h - 2 * i, dark)

    def line(self, x0, y0, x1, y1, c, width=1):
        """Bresenham line drawn with a width x width square pen whose
        top-left corner follows the line."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.rect(x0, y0, width, width, c)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def ellipse(self, cx, cy, rx, ry, c):
        """Filled ellipse; the centre may lie between pixels (x.5)."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.set(x, y, c)

    def polygon(self, pts, c):
        """Filled polygon sampled at pixel centres (even-odd rule)."""
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            fy = y + 0.5
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya <= fy < yb) or (yb <= fy < ya):
                    xs.append(xa + (fy - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(xs[i] + 0.5), int(xs[i + 1] + 0.5)):
                    self.set(x, y, c)

    def blit(self, src, x, y):
        """Copies src with its transparent pixels left out."""
        for sy in range(src.h):
            for sx in range(src.w):
                c = src.px[sy * src.w + sx]
                if c != CLEAR:
                    self.set(x + sx, y + sy, c)

    def crop(self, x, y, w, h):
        c = Canvas(w, h)
        for yy in range(h):
            for xx in range(w):
                c.px[yy * w + xx] = self.get(x + xx, y + yy)
        return c

    def recolour(self, mapping):
        self.px = [mapping.get(c, c) for c in self.px]

    def outline(self, c, diagonal=False):
        """Adds a one-pixel border of colour c around the opaque pixels."""
        src = list(self.px)
        near = [(-1, 0), (1, 0), (0, -1), (0, 1)]
        if diagonal:
            near += [(-1, -1), (1, -1), (-1, 1), (1, 1)]
        for y in range(self.h):
            for x in range(self.w):
                if src[y * self.w + x] != CLEAR:
                    continue
                for dx, dy in near:
                    xx, yy = x + dx, y + dy
                    if (0 <= xx < self.w and 0 <= yy < self.h and
                            src[yy * self.w + xx] != CLEAR):
                        self.px[y * self.w + x] = c
                        break

    def opaque(self):
        """(x, y) of every pixel that is not transparent."""
        return [(i % self.w, i // self.w)
                for i, c in enumerate(self.px) if c != CLEAR]

    def colours(self):
        return set(c for c in self.px if c != CLEAR)


def palette_of(canvas, limit, first=()):
    """Palette and index list of a canvas that uses at most limit colours.
    Colours in first get the lowest indices; the rest follow sorted by
    value, so the result depends only on the picture."""
    used = canvas.colours() | set(first)
    rest = sorted(used - set(first))
    palette = list(first) + rest
    if len(palette) > limit:
        raise ValueError('%d colours, at most %d allowed' % (len(palette), limit))
    index = {c: i for i, c in enumerate(palette)}
    return palette, [index[c] for c in canvas.px]


def scale2x(mask, w, h, outside=0):
    """EPX/Scale2x enlargement of a 0/1 mask (or of any picture's values,
    outside standing for what lies beyond its edges): doubles the size and
    rounds the staircases of diagonals, which keeps enlarged letters
    smooth."""
    def at(x, y):
        if 0 <= x < w and 0 <= y < h:
            return mask[y * w + x]
        return outside
    out = [0] * (4 * w * h)
    for y in range(h):
        for x in range(w):
            p = at(x, y)
            a, b, c, d = at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            e0 = e1 = e2 = e3 = p
            if b != c and a != d:
                e0 = a if c == a else p
                e1 = b if a == b else p
                e2 = c if d == c else p
                e3 = d if b == d else p
            out[(2 * y) * 2 * w + 2 * x] = e0
            out[(2 * y) * 2 * w + 2 * x + 1] = e1
            out[(2 * y + 1) * 2 * w + 2 * x] = e2
            out[(2 * y + 1) * 2 * w + 2 * x + 1] = e3
    return out, 2 * w, 2 * h


def scale3x(mask, w, h):
    """AdvMAME3x enlargement of a 0/1 mask: triples the size and rounds
    diagonal edges like scale2x."""
    def at(x, y):
        if 0 <= x < w and 0 <= y < h:
            return mask[y * w + x]
        return 0
    W = 3 * w
    out = [0] * (9 * w * h)
    for y in range(h):
        for x in range(w):
            a, b, c = at(x - 1, y - 1), at(x, y - 1), at(x + 1, y - 1)
            d, e, f = at(x - 1, y), at(x, y), at(x + 1, y)
            g, hh, i = at(x - 1, y + 1), at(x, y + 1), at(x + 1, y + 1)
            px = [e] * 9
            if b != hh and d != f:
                px[0] = d if d == b else e
                px[1] = b if (d == b and e != c) or (b == f and e != a) else e
                px[2] = f if b == f else e
                px[3] = d if (d == b and e != g) or (d == hh and e != a) else e
                px[5] = f if (b == f and e != i) or (hh == f and e != c) else e
                px[6] = d if d == hh else e
                px[7] = hh if (d == hh and e != i) or (hh == f and e != g) else e
                px[8] = f if hh == f else e
            for k in range(9):
                out[(3 * y + k // 3) * W + 3 * x + k % 3] = px[k]
    return out, W, 3 * h
