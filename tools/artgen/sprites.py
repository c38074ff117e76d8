"""Sprites for the 32 x 32 icons of the scene: the saguaro cactus, the
two onlookers, the sun and the eight frames of the dancing cowpoke. The
same drawings, scaled by parameters, reappear in the larger pictures."""

from canvas import Canvas, rgb

BLACK = rgb(0, 0, 0)
WHITE = rgb(255, 255, 255)

# Cactus greens, light to dark, and the outline.
CACTUS_HI = rgb(150, 214, 110)
CACTUS_LIGHT = rgb(96, 176, 72)
CACTUS_BASE = rgb(56, 140, 52)
CACTUS_SHADE = rgb(32, 100, 40)
CACTUS_EDGE = rgb(16, 60, 28)
SPINE = rgb(236, 232, 190)


def _stem(c, x, top, bottom, w):
    """One upright part of a saguaro: rounded top, shaded across its
    width (light on the left, dark on the right) with rib lines."""
    for y in range(top, bottom + 1):
        inset = (1 if w > 3 else 0) if y == top else 0
        if y == top + 1 and w >= 8:
            inset = 1
        if y == top and w >= 8:
            inset = 2
        for i in range(inset, w - inset):
            if i == 0:
                col = CACTUS_LIGHT
            elif i == 1 and w > 4:
                col = CACTUS_HI
            elif i == w - 1:
                col = CACTUS_SHADE
            elif w >= 6 and i % 3 == 0 and i < w - 1:
                col = CACTUS_SHADE if y % 2 == 0 else CACTUS_BASE
            else:
                col = CACTUS_BASE
            c.set(x + i, y, col)


def _elbow(c, x0, x1, y, h):
    """A horizontal arm piece from x0 to x1 (inclusive), h rows high."""
    for yy in range(y, y + h):
        col = CACTUS_LIGHT if yy == y else CACTUS_SHADE if yy == y + h - 1 else CACTUS_BASE
        c.rect(x0, yy, x1 - x0 + 1, 1, col)


def saguaro(c, x, y, height, flower=True):
    """Draws a saguaro whose trunk foot is at (x, y + height - 1), trunk
    6 pixels wide; the arms scale with the height."""
    s = Canvas(c.w, c.h)
    tw = 4 if height < 24 else 6 if height < 48 else height // 7
    aw = 3 if height < 24 else 4 if height < 48 else tw * 2 // 3
    top = y
    bottom = y + height - 1
    # Left arm: out at about 60 % of the height, then up.
    ly = top + height * 55 // 100
    lx = x - aw - 3
    _elbow(s, lx, x, ly, aw)
    _stem(s, lx, top + height * 28 // 100, ly + aw - 1, aw)
    # Right arm, higher and shorter.
    ry = top + height * 42 // 100
    rx = x + tw + 2
    _elbow(s, x + tw - 1, rx + aw - 1, ry, aw)
    _stem(s, rx, top + height * 18 // 100, ry + aw - 1, aw)
    _stem(s, x, top, bottom, tw)
    # Spines: light dots along the edges.
    for yy in range(top + 2, bottom - 1, 3):
        s.set(x - 1, yy, SPINE)
        s.set(x + tw, yy + 1, SPINE)
    s.outline(CACTUS_EDGE)
    if flower:
        s.set(x + tw // 2 - 1, top - 1, rgb(244, 96, 140))
        s.set(x + tw // 2, top - 1, rgb(255, 220, 80))
        s.set(x + tw // 2 + 1, top - 1, rgb(244, 96, 140))
        s.set(x + tw // 2, top - 2, rgb(244, 96, 140))
    c.blit(s, 0, 0)


def cactus_icon():
    """Icon 155: a saguaro standing on a small patch of shadow."""
    c = Canvas(32, 32)
    c.ellipse(16, 30.5, 9, 1.6, rgb(176, 136, 88))
    saguaro(c, 13, 3, 28)
    return c


# Colours of the townsfolk and the dancer.
SKIN = rgb(240, 192, 144)
SKIN_SHADE = rgb(200, 140, 100)
HAT = rgb(120, 72, 36)
HAT_DARK = rgb(72, 40, 20)
SHIRT = rgb(208, 48, 40)
SHIRT_SHADE = rgb(150, 28, 28)
DENIM = rgb(64, 96, 176)
DENIM_SHADE = rgb(40, 60, 120)
BONNET = rgb(248, 216, 96)
BONNET_SHADE = rgb(200, 160, 48)
DRESS = rgb(160, 96, 200)
DRESS_SHADE = rgb(112, 60, 150)


def _cowboy(c, x, y):
    """A standing cowboy, 13 x 31, top-left at (x, y)."""
    # Hat: crown and wide brim.
    c.rect(x + 3, y, 7, 3, HAT)
    c.rect(x + 3, y + 2, 7, 1, HAT_DARK)
    c.rect(x, y + 3, 13, 1, HAT)
    # Head and face.
    c.rect(x + 4, y + 4, 5, 5, SKIN)
    c.rect(x + 4, y + 4, 5, 1, SKIN_SHADE)
    c.set(x + 5, y + 6, BLACK)
    c.set(x + 7, y + 6, BLACK)
    c.rect(x + 5, y + 8, 3, 1, SKIN_SHADE)
    # Neckerchief, shirt and arms.
    c.rect(x + 4, y + 9, 5, 1, WHITE)
    c.rect(x + 3, y + 10, 7, 8, SHIRT)
    c.rect(x + 8, y + 10, 2, 8, SHIRT_SHADE)
    c.rect(x + 1, y + 10, 2, 7, SHIRT)
    c.rect(x + 10, y + 10, 2, 7, SHIRT_SHADE)
    c.rect(x + 1, y + 17, 2, 2, SKIN)
    c.rect(x + 10, y + 17, 2, 2, SKIN)
    # Belt with a buckle, trousers and boots.
    c.rect(x + 3, y + 18, 7, 1, HAT_DARK)
    c.set(x + 6, y + 18, BONNET)
    c.rect(x + 3, y + 19, 3, 9, DENIM)
    c.rect(x + 7, y + 19, 3, 9, DENIM)
    c.rect(x + 5, y + 19, 1, 9, DENIM_SHADE)
    c.rect(x + 9, y + 19, 1, 9, DENIM_SHADE)
    c.rect(x + 6, y + 19, 1, 2, DENIM)
    c.rect(x + 2, y + 28, 4, 3, HAT)
    c.rect(x + 7, y + 28, 4, 3, HAT)


def _lady(c, x, y):
    """A lady in a bonnet and a long dress, 14 x 31, top-left at (x, y)."""
    # Bonnet framing the face.
    c.rect(x + 3, y, 8, 2, BONNET)
    c.rect(x + 2, y + 2, 2, 6, BONNET)
    c.rect(x + 10, y + 2, 2, 6, BONNET_SHADE)
    c.rect(x + 3, y + 1, 8, 1, BONNET_SHADE)
    c.rect(x + 4, y + 2, 6, 6, SKIN)
    c.rect(x + 4, y + 2, 6, 1, SKIN_SHADE)
    c.set(x + 5, y + 4, BLACK)
    c.set(x + 8, y + 4, BLACK)
    c.rect(x + 6, y + 6, 2, 1, SHIRT)
    # Bow under the chin.
    c.rect(x + 5, y + 8, 4, 1, BONNET_SHADE)
    # Dress: fitted bodice, flaring skirt, white apron.
    c.rect(x + 4, y + 9, 6, 7, DRESS)
    c.rect(x + 8, y + 9, 2, 7, DRESS_SHADE)
    c.rect(x + 2, y + 10, 2, 7, DRESS)
    c.rect(x + 10, y + 10, 2, 7, DRESS_SHADE)
    c.rect(x + 2, y + 17, 2, 1, SKIN)
    c.rect(x + 10, y + 17, 2, 1, SKIN)
    for i in range(13):
        half = 3 + (i + 1) // 2
        c.rect(x + 7 - half, y + 16 + i, 2 * half, 1, DRESS)
        c.rect(x + 7 + half - 2, y + 16 + i, 2, 1, DRESS_SHADE)
    c.rect(x + 5, y + 16, 4, 9, WHITE)
    c.rect(x + 3, y + 29, 3, 2, HAT_DARK)
    c.rect(x + 8, y + 29, 3, 2, HAT_DARK)


def people_icon():
    """Icon 156: two townsfolk looking on, a cowboy and a lady."""
    c = Canvas(32, 32)
    _cowboy(c, 1, 0)
    _lady(c, 16, 0)
    c.outline(BLACK)
    return c


SUN_CORE = rgb(255, 236, 64)
SUN_LIGHT = rgb(255, 252, 180)
SUN_EDGE = rgb(244, 150, 16)
SUN_RAY = rgb(255, 200, 32)

# The sun's visible pixels stay in columns 0..19 of its icon: the climbing
# sun is restored from a sky strip that ends 20 pixels right of its last
# position.
SUN_WIDTH = 20


def sun(c, cx, cy, r_disc, r_ray):
    """A sun disc of radius r_disc with eight rays reaching r_ray,
    centred on (cx, cy) (pixel-centre coordinates)."""
    import math
    for k in range(16):
        a = k * math.pi / 8
        long_ray = k % 2 == 0
        reach = r_ray if long_ray else r_disc + (r_ray - r_disc) * 0.55
        steps = int(reach * 3)
        for s in range(steps + 1):
            d = r_disc + (reach - r_disc) * s / max(steps, 1)
            x = int(cx + d * math.cos(a))
            y = int(cy + d * math.sin(a))
            c.set(x, y, SUN_RAY if d < reach - 1 else SUN_EDGE)
    c.ellipse(cx, cy, r_disc + 1, r_disc + 1, SUN_EDGE)
    c.ellipse(cx, cy, r_disc, r_disc, SUN_CORE)
    c.ellipse(cx - r_disc * 0.3, cy - r_disc * 0.3, r_disc * 0.45, r_disc * 0.45, SUN_LIGHT)


def sun_icon():
    """Icon 157: the sun, kept within the left 20 columns."""
    c = Canvas(32, 32)
    sun(c, 10, 16, 5.2, 9.6)
    return c


# ---- The dancing cowpoke -------------------------------------------------
# The dance is restored from a 29 x 27 patch, so every frame keeps its
# pixels in columns 0..28 and rows 0..26; the boots rest on row 26.
DANCE_W, DANCE_H = 29, 27

# Each pose: body shift (dx, dy), then hands, elbows, knees and feet as
# (x, y) for the left and right side, and whether the hat is in the hand.
_POSES = [
    # 0: standing still, arms at the sides.
    dict(body=(0, 0), lh=(9, 17), le=(10, 13), rh=(19, 17), re=(18, 13),
         lk=(12, 21), lf=(11, 25), rk=(16, 21), rf=(17, 25)),
    # 1: right arm waving, left hand on the hip, left knee up.
    dict(body=(0, 0), lh=(11, 16), le=(8, 13), rh=(22, 3), re=(21, 8),
         lk=(9, 19), lf=(10, 23), rk=(16, 21), rf=(17, 25)),
    # 2: both arms up, jumping with the feet apart.
    dict(body=(0, -1), lh=(6, 3), le=(8, 8), rh=(22, 3), re=(20, 8),
         lk=(10, 20), lf=(8, 24), rk=(18, 20), rf=(20, 24)),
    # 3: left arm waving, right hand on the hip, right leg kicked out.
    dict(body=(0, 0), lh=(6, 3), le=(7, 8), rh=(17, 16), re=(20, 13),
         lk=(12, 21), lf=(11, 25), rk=(19, 20), rf=(24, 22)),
    # 4: "ta-da": arms spread high, feet planted apart (the final pose).
    dict(body=(0, 0), lh=(3, 6), le=(7, 9), rh=(25, 6), re=(21, 9),
         lk=(11, 21), lf=(9, 25), rk=(17, 21), rf=(19, 25)),
    # 5: crouch, knees out, hands on the knees.
    dict(body=(0, 2), lh=(8, 19), le=(8, 15), rh=(20, 19), re=(20, 15),
         lk=(7, 21), lf=(10, 25), rk=(21, 21), rf=(18, 25)),
    # 6: hat raised high in the right hand, left arm out, left leg kicked.
    dict(body=(0, 0), lh=(4, 12), le=(8, 12), rh=(22, 5), re=(21, 10),
         lk=(9, 20), lf=(4, 22), rk=(16, 21), rf=(17, 25), hat_in_hand=True),
    # 7: arms straight out, hopping on the left foot, right boot kicked
    # up behind.
    dict(body=(0, -1), lh=(2, 11), le=(7, 11), rh=(26, 11), re=(21, 11),
         lk=(12, 21), lf=(11, 25), rk=(18, 20), rf=(21, 16)),
]


def _limb(c, a, b, colour, width=2):
    c.line(a[0], a[1], b[0], b[1], colour, width)


def _hat(c, x, y):
    """The cowpoke's hat with its brim's left end at (x, y + 3)."""
    c.rect(x + 3, y, 5, 3, HAT)
    c.rect(x + 3, y + 2, 5, 1, HAT_DARK)
    c.rect(x, y + 3, 11, 1, HAT)


def dancer(frame):
    """Icon 159 + frame: the cowpoke in dance pose frame (0..7)."""
    p = _POSES[frame]
    c = Canvas(32, 32)
    bx, by = p['body']
    sx, sy = 14 + bx, by          # body centre column and top offset
    add = lambda pt: (pt[0], pt[1] + by)
    # Knees and feet sit one row higher than the pose tables say, so that
    # the boots and their outline end on row 26; they rise with a jump
    # but stay on the deck in a crouch.
    leg = lambda pt: (pt[0], pt[1] + min(by, 0) - 1)
    hip_l, hip_r = (sx - 2, 17 + sy), (sx + 1, 17 + sy)
    # Legs: denim thighs and shins, boots at the feet.
    for hip, knee, foot in ((hip_l, p['lk'], p['lf']), (hip_r, p['rk'], p['rf'])):
        knee, foot = leg(knee), leg(foot)
        _limb(c, hip, knee, DENIM)
        _limb(c, knee, foot, DENIM)
        c.rect(foot[0] - 1, foot[1], 3, 2, HAT_DARK)
    # Torso: shirt with a belt.
    c.rect(sx - 2, 9 + sy, 5, 8, SHIRT)
    c.rect(sx + 2, 9 + sy, 1, 8, SHIRT_SHADE)
    c.rect(sx - 2, 16 + sy, 5, 1, HAT_DARK)
    c.set(sx, 16 + sy, BONNET)
    # Arms: sleeves to the elbow, then skin to the hand.
    for shoulder, elbow, hand in (((sx - 3, 10 + sy), p['le'], p['lh']),
                                  ((sx + 2, 10 + sy), p['re'], p['rh'])):
        elbow, hand = add(elbow), add(hand)
        _limb(c, shoulder, elbow, SHIRT)
        _limb(c, elbow, hand, SKIN_SHADE if hand[1] > elbow[1] else SKIN)
    # Head with eyes and a grin.
    c.rect(sx - 2, 4 + sy, 5, 5, SKIN)
    c.set(sx - 1, 6 + sy, BLACK)
    c.set(sx + 1, 6 + sy, BLACK)
    c.rect(sx - 1, 8 + sy, 3, 1, SKIN_SHADE)
    if p.get('hat_in_hand'):
        c.rect(sx - 2, 3 + sy, 5, 1, HAT_DARK)      # hair
        hx, hy = add(p['rh'])
        _hat(c, hx - 5, hy - 5)
    else:
        _hat(c, sx - 5, sy)
    c.outline(BLACK)
    return c


# ---- Letter keys -----------------------------------------------------------
KEY_FACE = rgb(192, 192, 192)
KEY_LIGHT = rgb(255, 255, 255)
KEY_SHADE = rgb(128, 128, 128)
KEY_MID = rgb(224, 224, 224)


def _key(pressed=False):
    """The grey square of a letter key, inside the cell's own border:
    the outermost ring stays transparent so the black border shows."""
    c = Canvas(32, 32)
    face = rgb(168, 168, 168) if pressed else KEY_FACE
    c.rect(1, 1, 30, 30, face)
    if pressed:
        c.bevel(1, 1, 30, 30, KEY_SHADE, KEY_LIGHT, 2)
    else:
        c.bevel(1, 1, 30, 30, KEY_LIGHT, KEY_SHADE, 1)
        c.bevel(2, 2, 28, 28, KEY_MID, rgb(160, 160, 160), 1)
    return c


def key_letter_mask(ch):
    """A letter of the key font: the label font's letter doubled with
    edge rounding, strokes two pixels wide. Returns (points, width)."""
    import font_small
    from canvas import scale2x
    w = font_small.text_width(ch)
    m = Canvas(w, font_small.HEIGHT, 0)
    font_small.draw_text(m, 0, 0, ch, 1)
    big, bw, bh = scale2x(m.px, w, font_small.HEIGHT)
    return set((i % bw, i // bw) for i, v in enumerate(big) if v), bw


# Row of the capitals' top on a key: capitals fill rows 7..24, descenders
# reach row 28, so every letter sits on one baseline.
KEY_CAP_TOP = 7


def letter_key(key):
    """Icons 167..218: a letter on a grey key."""
    c = _key()
    pts, w = key_letter_mask(key)
    x0 = (32 - w) // 2
    for x, y in pts:
        if (x + 1, y + 1) not in pts:
            c.set(x0 + x + 1, KEY_CAP_TOP + y + 1, KEY_LIGHT)
    for x, y in pts:
        c.set(x0 + x, KEY_CAP_TOP + y, BLACK)
    return c


def used_letter():
    """Icon 158, UsedLetterIcon: a pressed-in key holding a small framed
    picture of the cowpoke, shown for letters already guessed."""
    c = _key(pressed=True)
    c.rect(8, 5, 16, 22, BLACK)
    c.rect(9, 6, 14, 13, rgb(120, 180, 240))
    c.rect(9, 19, 14, 7, rgb(232, 196, 128))
    c.rect(9, 19, 14, 1, rgb(200, 150, 90))
    # A small cowpoke: hat, head, shirt, legs.
    c.rect(13, 8, 6, 1, HAT)
    c.rect(14, 7, 4, 1, HAT)
    c.rect(15, 9, 2, 2, SKIN)
    c.rect(14, 11, 4, 5, SHIRT)
    c.rect(12, 11, 2, 1, SHIRT)
    c.rect(18, 11, 2, 1, SHIRT)
    c.set(12, 10, SKIN)
    c.set(19, 10, SKIN)
    c.rect(14, 16, 1, 5, DENIM)
    c.rect(17, 16, 1, 5, DENIM)
    c.rect(13, 21, 2, 1, HAT_DARK)
    c.rect(17, 21, 2, 1, HAT_DARK)
    return c


# ---- The program's own icon ------------------------------------------------
TILE = rgb(252, 236, 196)
TILE_EDGE = rgb(150, 90, 40)
TILE_DARK = rgb(96, 52, 24)


def app_icon(size):
    """Icons 128 and 129: a letter tile with a W, with the desert sun and
    a saguaro at large size."""
    c = Canvas(size, size)
    if size == 32:
        sun(c, 8.5, 8.5, 4.2, 7.6)
        # A slim saguaro behind the tile, its arms showing on both sides.
        s = Canvas(32, 32)
        _elbow(s, 19, 24, 15, 3)
        _stem(s, 19, 6, 17, 3)
        _elbow(s, 27, 30, 12, 3)
        _stem(s, 28, 4, 14, 3)
        _stem(s, 24, 1, 31, 4)
        s.outline(CACTUS_EDGE)
        c.blit(s, 0, 0)
        c.rect(2, 10, 21, 22, TILE_EDGE)
        c.rect(3, 11, 19, 20, TILE)
        c.bevel(3, 11, 19, 20, rgb(255, 252, 236), rgb(214, 178, 120), 1)
        c.rect(2, 31, 21, 1, TILE_DARK)
        c.rect(22, 10, 1, 22, TILE_DARK)
        import glyphsheet
        glyphsheet.draw_glyph(c, 'W', 3, 9, ink=TILE_DARK, shadow=None)
    else:
        import font_small
        c.rect(0, 0, 16, 16, TILE_EDGE)
        c.rect(1, 1, 14, 14, TILE)
        c.rect(15, 0, 1, 16, TILE_DARK)
        c.rect(0, 15, 16, 1, TILE_DARK)
        font_small.draw_text(c, 4, 3, 'W', TILE_DARK, bold=True)
        c.rect(12, 1, 3, 3, SUN_CORE)
    return c
