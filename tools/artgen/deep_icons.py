"""The program icon in true colour for today's screens: images of 24, 32,
48 and 256 pixels with an alpha channel, made from the same 32-pixel
drawing as the 16-colour images. The 32-pixel image is that drawing
itself. For the others the drawing is first enlarged eight times with
Scale2x (three passes), which keeps every shape and rounds the
staircases of its slopes and curves; each size is then taken from that
picture by averaging the area each of its pixels covers, colours weighted
by their coverage, so that the edges fade smoothly into the background.
Everything is integer arithmetic: the same drawing gives the same bytes."""

from canvas import Canvas, CLEAR, scale2x

ENLARGED = 256          # the drawing, eight times enlarged
SIZES = (24, 32, 48, 256)


def _scale2x(c):
    """One Scale2x (EPX) pass over a colour canvas; outside is clear."""
    px, w, h = scale2x(c.px, c.w, c.h, outside=CLEAR)
    out = Canvas(w, h)
    out.px = px
    return out


def enlarged(drawing):
    """The 32-pixel drawing at 256 pixels."""
    c = drawing
    while c.w < ENLARGED:
        c = _scale2x(c)
    return c


def _spans(source, target):
    """For each target pixel, the (source pixel, overlap) pairs it covers,
    measured in units of 1 / target of a source pixel; they sum to source."""
    out = []
    for i in range(target):
        lo, hi = i * source, (i + 1) * source
        row = []
        for j in range(lo // target, (hi - 1) // target + 1):
            overlap = min(hi, (j + 1) * target) - max(lo, j * target)
            if overlap > 0:
                row.append((j, overlap))
        out.append(row)
    return out


def _rounded(num, den):
    return (num + den // 2) // den


def argb(c):
    """The canvas as 0xAARRGGBB pixels: opaque or wholly clear."""
    return [0 if v == CLEAR else 0xFF000000 | v for v in c.px]


def reduced(big, size):
    """big (a square canvas) averaged down to size x size, as 0xAARRGGBB
    pixels."""
    spans = _spans(big.w, size)
    whole = big.w * big.w
    out = []
    for ys in spans:
        for xs in spans:
            alpha = r = g = b = 0
            for y, wy in ys:
                row = y * big.w
                for x, wx in xs:
                    v = big.px[row + x]
                    if v == CLEAR:
                        continue
                    w = wx * wy
                    alpha += w
                    r += w * (v >> 16)
                    g += w * ((v >> 8) & 0xFF)
                    b += w * (v & 0xFF)
            if alpha == 0:
                out.append(0)
                continue
            a = _rounded(255 * alpha, whole)
            out.append((a << 24) | (_rounded(r, alpha) << 16) | (_rounded(g, alpha) << 8) |
                       _rounded(b, alpha))
    return out


def images(drawing, sizes=SIZES):
    """[(size, argb pixels)] of the drawing at each size."""
    big = enlarged(drawing)
    return [(s, argb(drawing) if s == drawing.w else reduced(big, s)) for s in sizes]


def on_background(size, pixels, back):
    """The pixels laid over a background colour function, as a canvas (for
    the review sheet)."""
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            v = pixels[y * size + x]
            a = v >> 24
            under = back(x, y)
            mixed = 0
            for s in (16, 8, 0):
                mixed |= _rounded(((v >> s) & 0xFF) * a + ((under >> s) & 0xFF) * (255 - a), 255) << s
            c.px[y * size + x] = mixed
    return c
