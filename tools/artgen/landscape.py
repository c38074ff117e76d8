"""The desert at the edge of town: sky, clouds, far ranges, red buttes,
the town's false fronts, the sand, the road and its scattered rocks and
scrub. One painter serves the scene of the game and, at other sizes, the
welcome, About and dialog pictures."""

from canvas import Canvas, Lcg, rgb, dither_pick
import sprites

SKY = (rgb(56, 112, 196), rgb(76, 136, 212), rgb(104, 164, 226), rgb(140, 192, 236),
       rgb(178, 212, 238), rgb(214, 226, 234), rgb(240, 230, 206))
MORNING_SKY = (rgb(72, 96, 180), rgb(104, 128, 204), rgb(150, 160, 216),
               rgb(204, 180, 210), rgb(240, 196, 170), rgb(252, 214, 150))
CLOUD = (rgb(255, 255, 255), rgb(230, 238, 248), rgb(196, 210, 232))
FAR = (rgb(166, 160, 206), rgb(142, 136, 188))
NEAR_RANGE = (rgb(170, 130, 150), rgb(140, 104, 128))
HAZE = rgb(210, 196, 206)
BUTTE = (rgb(232, 152, 96), rgb(206, 114, 66), rgb(180, 94, 54), rgb(146, 70, 42))
SAND = (rgb(220, 178, 120), rgb(228, 188, 130), rgb(236, 198, 140), rgb(242, 208, 152))
SAND_DARK = rgb(204, 160, 104)
SAND_LIGHT = rgb(250, 222, 170)
ROAD = rgb(196, 148, 98)
RUT = rgb(170, 122, 80)
ROCK = (rgb(198, 168, 136), rgb(156, 124, 98), rgb(110, 84, 66))
SCRUB = (rgb(150, 164, 96), rgb(106, 126, 68), rgb(78, 94, 52))
WOOD = (rgb(196, 140, 88), rgb(170, 116, 70), rgb(140, 92, 56), rgb(100, 66, 42))
WINDOW = rgb(58, 40, 32)
SIGN = rgb(240, 222, 170)
ROOF = rgb(120, 72, 52)


def paint_sky(c, horizon, steps=SKY):
    for y in range(horizon):
        t = y / max(horizon - 1, 1)
        for x in range(c.w):
            c.set(x, y, dither_pick(x, y, t, steps))


def cloud(c, x, y, w):
    """A puffy cloud w pixels wide, lit from above, flat underneath."""
    h = max(w // 4, 6)
    bumps = [(x + w * f, y + h * g, w * r) for f, g, r in
             ((0.22, 0.62, 0.20), (0.45, 0.40, 0.26), (0.70, 0.55, 0.22), (0.86, 0.72, 0.14))]
    for bx, by, r in bumps:
        c.ellipse(bx, by + 1, r, r * 0.62, CLOUD[2])
    for bx, by, r in bumps:
        c.ellipse(bx, by, r * 0.94, r * 0.56, CLOUD[1])
    for bx, by, r in bumps:
        c.ellipse(bx - r * 0.15, by - r * 0.12, r * 0.62, r * 0.36, CLOUD[0])
    c.rect(int(x + w * 0.08), int(y + h * 0.86), int(w * 0.86), 2, CLOUD[2])


def ridge(seed, width, lo, hi, roughness=0.55):
    """A mountain skyline: for every column the y of the crest, made by
    midpoint displacement between lo and hi."""
    rnd = Lcg(seed)
    size = 1
    while size < width:
        size *= 2
    pts = [0.0] * (size + 1)
    pts[0] = rnd.rand(0, 100) / 100.0
    pts[size] = rnd.rand(0, 100) / 100.0
    step, amp = size, 1.0
    while step > 1:
        half = step // 2
        for i in range(half, size, step):
            pts[i] = (pts[i - half] + pts[i + half]) / 2 + (rnd.rand(0, 200) / 100.0 - 1) * amp * 0.5
        step, amp = half, amp * roughness
    # Soften single-pixel jitter, then stretch the result so the crest
    # uses the whole lo..hi range.
    pts = [sum(pts[max(0, i - 3):i + 4]) / len(pts[max(0, i - 3):i + 4]) for i in range(len(pts))]
    a, b = min(pts[:width]), max(pts[:width])
    return [int(lo + (hi - lo) * (pts[x] - a) / max(b - a, 1e-9)) for x in range(width)]


def far_range(c, horizon, seed, lo, hi):
    """Two hazy mountain ranges: the farther one paler. Slopes that face
    right lie in shade."""
    for layer, (top, bottom, lit, shade) in enumerate(
            ((lo, hi, FAR[0], FAR[1]),
             ((lo + hi) // 2, horizon - 2, NEAR_RANGE[0], NEAR_RANGE[1]))):
        crest = ridge(seed + 31 * layer, c.w + 6, top, bottom, 0.5)
        for x in range(c.w):
            # Positive when the ground falls to the right: that face is in shade.
            slope = crest[x + 5] - crest[x + 1]
            for y in range(crest[x + 3], horizon):
                c.set(x, y, shade if slope > 0 else lit)
        # A paler haze where the range meets the plain.
        for y in range(horizon - 2, horizon):
            for x in range(c.w):
                if c.get(x, y) in (lit, shade):
                    c.set(x, y, HAZE)


def butte(c, x0, x1, top, horizon, slope=10):
    """A flat-topped red butte with banded cliffs and talus slopes."""
    mid = horizon - (horizon - top) // 3
    c.polygon([(x0 - slope, horizon), (x0, mid), (x1, mid), (x1 + slope, horizon)], BUTTE[2])
    c.polygon([(x1 - 6, mid), (x1, mid), (x1 + slope, horizon), (x1 - 2, horizon)], BUTTE[3])
    c.rect(x0 + 2, top, x1 - x0 - 4, mid - top, BUTTE[1])
    c.rect(x0 + 2, top, x1 - x0 - 4, 2, BUTTE[0])
    c.rect(x1 - 8, top + 2, 6, mid - top - 2, BUTTE[2])
    c.rect(x1 - 4, top + 2, 2, mid - top - 2, BUTTE[3])
    for y in range(top + 5, mid, 5):
        c.rect(x0 + 2, y, x1 - x0 - 10, 1, BUTTE[2])
    c.rect(x0 + 4, top + 2, 2, mid - top - 4, BUTTE[0])


def false_front(c, x, base, w, h, colour, sign_text=None, porch=True):
    """A wooden building of the town seen from afar: a square false front
    with windows, a porch roof and perhaps a sign board."""
    import font_small
    top = base - h
    c.rect(x, top, w, h, colour)
    c.rect(x, top, w, 1, WOOD[0])
    c.rect(x + w - 1, top, 1, h, WOOD[3])
    # Upper windows.
    for wx in range(x + 3, x + w - 4, 6):
        c.rect(wx, top + 4, 3, 4, WINDOW)
        c.rect(wx, top + 4, 3, 1, WOOD[3])
    if porch:
        c.rect(x - 1, base - 7, w + 2, 2, ROOF)
        for px in range(x, x + w, 5):
            c.rect(px, base - 5, 1, 5, WOOD[3])
        c.rect(x + w // 2 - 2, base - 5, 4, 5, WINDOW)
    if sign_text:
        tw = font_small.text_width(sign_text)
        sx = x + (w - tw) // 2 - 2
        c.rect(sx, top - 12, tw + 4, 12, SIGN)
        c.frame(sx, top - 12, tw + 4, 12, WOOD[3])
        font_small.draw_text(c, sx + 2, top - 11, sign_text, WOOD[3])


def water_tower(c, x, base):
    c.rect(x, base - 26, 14, 10, WOOD[1])
    c.rect(x, base - 26, 14, 1, WOOD[0])
    c.rect(x + 11, base - 26, 3, 10, WOOD[2])
    c.polygon([(x - 1, base - 26), (x + 7, base - 31), (x + 15, base - 26)], ROOF)
    for lx in (x + 1, x + 12):
        c.rect(lx, base - 16, 1, 16, WOOD[3])
    c.line(x + 1, base - 14, x + 12, base - 2, WOOD[3])
    c.line(x + 12, base - 14, x + 1, base - 2, WOOD[3])


def town(c, x, base):
    """The edge of town on the horizon, left end at x."""
    water_tower(c, x, base)
    false_front(c, x + 18, base, 22, 18, WOOD[1], porch=True)
    false_front(c, x + 42, base, 30, 26, WOOD[0], 'SALOON')
    false_front(c, x + 74, base, 20, 16, WOOD[2])
    false_front(c, x + 96, base, 26, 22, WOOD[1], 'HOTEL')


def sand(c, horizon, seed):
    rnd = Lcg(seed)
    for y in range(horizon, c.h):
        t = (y - horizon) / max(c.h - horizon - 1, 1)
        for x in range(c.w):
            c.set(x, y, dither_pick(x, y, t, SAND))
    # Wind ripples: short darker dashes with a light edge above.
    n = c.w * (c.h - horizon) // 260
    for _ in range(n):
        y = rnd.rand(horizon + 3, c.h - 2)
        depth = (y - horizon) / max(c.h - horizon, 1)
        x = rnd.rand(0, c.w - 1)
        ln = 3 + int(depth * 9)
        c.rect(x, y, ln, 1, SAND_DARK)
        c.rect(x + 1, y - 1, max(ln - 2, 1), 1, SAND_LIGHT)


def _bezier(p, t):
    u = 1 - t
    return (u ** 3 * p[0][0] + 3 * u * u * t * p[1][0] + 3 * u * t * t * p[2][0] + t ** 3 * p[3][0],
            u ** 3 * p[0][1] + 3 * u * u * t * p[1][1] + 3 * u * t * t * p[2][1] + t ** 3 * p[3][1])


def road(c, pts, horizon):
    """A dirt road along a cubic curve, wider and deeper where it is
    nearer, with two wheel ruts."""
    samples = [_bezier(pts, i / 800.0) for i in range(801)]
    for x, y in samples:
        t = 2 + (y - horizon) * 0.12
        c.rect(int(x) - 1, int(y - t / 2), 3, int(t) + 1, ROAD)
    for x, y in samples:
        t = 2 + (y - horizon) * 0.12
        if t > 5:
            c.set(int(x), int(y - t / 4), RUT)
            c.set(int(x), int(y + t / 4), RUT)


def rock(c, x, y, w):
    """A boulder resting on (x, y), w pixels wide."""
    h = max(w * 2 // 3, 2)
    c.ellipse(x + w / 2 + 1, y - 0.5, w / 2 + 1, 1.5, SAND_DARK)
    c.ellipse(x + w / 2, y - h / 2, w / 2, h / 2, ROCK[1])
    c.ellipse(x + w / 2 - w * 0.12, y - h / 2 - h * 0.15, w * 0.32, h * 0.3, ROCK[0])
    c.rect(int(x + w * 0.55), int(y - 1), int(w * 0.4), 1, ROCK[2])


def scrub(c, x, y, w):
    """A dry desert bush centred on x, foot at y."""
    for i in range(-w // 2, w // 2 + 1):
        hgt = max(1, (w // 2 - abs(i)) * 2 // 3 + (i % 2))
        c.rect(x + i, y - hgt, 1, hgt, SCRUB[1] if i % 2 else SCRUB[2])
        c.set(x + i, y - hgt, SCRUB[0])


def small_saguaro(c, x, foot, h):
    """A distant saguaro: a two-pixel trunk with one arm each side."""
    if h >= 16:
        sprites.saguaro(c, x, foot - h + 1, h, flower=False)
        return
    top = foot - h + 1
    lit, dark = sprites.CACTUS_LIGHT, sprites.CACTUS_SHADE
    c.rect(x, top, 2, h, lit)
    c.rect(x + 1, top + 1, 1, h - 1, dark)
    c.rect(x - 2, top + h // 2, 2, 1, lit)
    c.rect(x - 2, top + h // 4, 1, h // 4 + 1, lit)
    c.rect(x + 2, top + h // 3, 2, 1, dark)
    c.rect(x + 3, top + h // 6, 1, h // 6 + 1, dark)


def desert(w, h, horizon, seed=1, sky=SKY, town_at=None, buttes=(), clouds=(),
           road_pts=None, ranges=(0.62, 0.88)):
    """Paints a desert of w x h with the horizon at row horizon."""
    c = Canvas(w, h)
    paint_sky(c, horizon, sky)
    for cx, cy, cw in clouds:
        cloud(c, cx, cy, cw)
    far_range(c, horizon, seed, int(horizon * ranges[0]), int(horizon * ranges[1]))
    for x0, x1, top in buttes:
        butte(c, x0, x1, top, horizon)
    if town_at is not None:
        town(c, town_at, horizon + 1)
    sand(c, horizon + 1, seed + 7)
    c.rect(0, horizon, w, 1, SAND_DARK)
    if road_pts:
        road(c, road_pts, horizon)
    return c
