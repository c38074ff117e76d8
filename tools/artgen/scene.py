"""The scene of the game: the landscape "scene2", the gallows "STAND",
the wagon "WAGON", and the two animation backgrounds "scene2bit" and
"skybit" cut from the scene as it stands on screen when each animation
runs.

Screen positions are client pixels; the scene picture is drawn at (2, 43),
so a point (x, y) of the picture shows at (x + 2, y + 43)."""

from canvas import Canvas, rgb
import landscape

SCENE_W, SCENE_H = 559, 186
SCENE_AT = (2, 43)
HORIZON = 92                      # row of the horizon in the picture

WHITE = rgb(255, 255, 255)
BLACK = rgb(0, 0, 0)

# Stages as the window draws them: (stage, kind, what, screen position).
STAND_AT = (148, 102)
WAGON_AT = (50, 156)
SUN_START = (40, 81)
SUN_END = (190, 51)
SUN_STEP = (5, -1)
SUN_STEPS = 30
FIGURE_AT = (225, 120)
SCENE2BIT_SIZE = (208, 75)
SKYBIT_SIZE = (29, 27)

STAGES = [
    (11, 'scene', None, SCENE_AT),
    (10, 'icon', 155, (390, 147)),
    (10, 'icon', 155, (440, 176)),
    (9, 'mono', 'WAGON', WAGON_AT),
    (8, 'icon', 156, (365, 174)),
    (7, 'icon', 156, (280, 189)),
    (6, 'icon', 156, (328, 186)),
    (5, 'icon', 155, (108, 166)),
    (4, 'mono', 'STAND', STAND_AT),
    (3, 'icon', 157, SUN_START),
    (2, 'icon', 159, FIGURE_AT),
    (1, 'icon', 157, SUN_END),
]

# The road: from the bottom left, past the wagon, off to the town.
ROAD = ((-20, 172), (170, 150), (360, 128), (478, 93))


def scene2():
    """"scene2": the desert under a midday sky, red buttes, the edge of
    town on the right and the road winding out of it."""
    c = landscape.desert(
        SCENE_W, SCENE_H, HORIZON, seed=5,
        town_at=428,
        buttes=[(292, 334, 58), (344, 352, 70)],
        clouds=[(258, 10, 70), (340, 30, 48), (470, 14, 60)],
        road_pts=ROAD)
    # A low mesa on the left for the sun to rise over.
    landscape.butte(c, 2, 52, 74, HORIZON, slope=14)
    # Far saguaros, rocks and scrub on the plain.
    for x, foot, h in ((20, 112, 14), (520, 118, 12), (122, 106, 9), (96, 100, 8), (410, 100, 8)):
        landscape.small_saguaro(c, x, foot, h)
    for x, y, w in ((140, 170, 10), (12, 140, 8), (420, 158, 12), (520, 176, 9),
                    (300, 112, 5), (224, 168, 7), (480, 138, 6), (90, 120, 5)):
        landscape.rock(c, x, y, w)
    for x, y, w in ((40, 130, 9), (200, 180, 11), (330, 104, 5), (460, 116, 7),
                    (540, 150, 9), (130, 110, 5), (270, 160, 7), (380, 178, 9)):
        landscape.scrub(c, x, y, w)
    # Two buzzards circling high over the gallows.
    for bx, by in ((226, 22), (246, 30)):
        for dx, dy in ((-3, 0), (-2, -1), (-1, 0), (0, 1), (1, 0), (2, -1), (3, 0)):
            c.set(bx + dx, by + dy, rgb(48, 36, 40))
    return c


def stand():
    """"STAND": the gallows on a stepped platform, black on white. The
    platform's deck is where the cowpoke stands (his boots on row 44)."""
    c = Canvas(129, 78, WHITE)
    k = BLACK
    ground = 77
    deck = 45
    # Deck with plank ends on its front face.
    c.rect(34, deck, 95, 5, k)
    for x in range(40, 128, 8):
        c.rect(x, deck + 2, 1, 3, WHITE)
    # Legs and cross bracing under the deck.
    legs = (36, 60, 84, 108, 125)
    for x in legs:
        c.rect(x, deck + 5, 3, ground - deck - 4, k)
    for a, b in zip(legs, legs[1:]):
        c.line(a + 2, deck + 6, b, ground - 2, k)
        c.line(b, deck + 6, a + 2, ground - 2, k)
    c.rect(34, ground - 3, 95, 2, k)
    # Stairs up the left side: stringer, treads and risers.
    c.line(34, deck + 2, 2, ground - 1, k, 2)
    for i in range(5):
        ty = deck + 6 + i * 6
        tx = 34 - (i + 1) * 6
        c.rect(tx, ty, 8, 2, k)
        c.rect(tx + 6, ty - 4, 2, 5, k)
    c.rect(0, ground - 1, 10, 2, k)
    # Post, beam and brace.
    c.rect(45, 0, 5, deck, k)
    c.rect(40, 0, 70, 5, k)
    c.line(50, 22, 66, 5, k, 3)
    for x in range(44, 110, 9):
        c.set(x, 2, WHITE)
    c.rect(46, 8, 1, 30, WHITE)
    # Rope with its loop hanging above the cowpoke's hat.
    c.rect(92, 5, 2, 7, k)
    c.frame(89, 12, 8, 5, k)
    c.frame(90, 11, 6, 7, k)
    return c


def wagon():
    """"WAGON": a horse pulling a covered wagon to the left, black on
    white. The canvas cover is half-toned, the wheels see-through."""
    c = Canvas(57, 47, WHITE)
    k = BLACK
    # Cover: outline, dithered cloth and ribs.
    c.polygon([(25, 27), (25, 12), (30, 6), (50, 6), (55, 12), (55, 27)], k)
    for y in range(8, 26):
        for x in range(27, 54):
            if (x + y) % 2 == 0 and not (x in (33, 40, 47)):
                c.set(x, y, WHITE)
    c.rect(24, 26, 32, 6, k)
    # Wheels: rim, hub and spokes, open between the spokes.
    for cx, cy, r in ((47, 38, 8), (30, 40, 6)):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if r - 1.6 <= d <= r + 0.4:
                    c.set(x, y, k)
                elif d < r - 1.6:
                    c.set(x, y, WHITE)
        c.rect(cx - 1, cy - 1, 3, 3, k)
        c.line(cx - r + 1, cy, cx + r - 1, cy, k)
        c.line(cx, cy - r + 1, cx, cy + r - 1, k)
        c.line(cx - r * 7 // 10, cy - r * 7 // 10, cx + r * 7 // 10, cy + r * 7 // 10, k)
        c.line(cx - r * 7 // 10, cy + r * 7 // 10, cx + r * 7 // 10, cy - r * 7 // 10, k)
    # Driver on the box seat, hat on.
    c.rect(21, 24, 6, 3, k)
    c.rect(22, 15, 4, 9, k)
    c.rect(22, 12, 4, 3, k)
    c.rect(20, 11, 8, 1, k)
    c.rect(22, 9, 4, 2, k)
    c.line(21, 17, 14, 22, k)
    # Shaft to the horse.
    c.line(8, 26, 24, 30, k, 2)
    # Horse: body, neck, head, legs and tail.
    c.ellipse(12, 28, 9, 4.5, k)
    c.polygon([(4, 27), (2, 19), (0, 15), (2, 13), (6, 16), (9, 25)], k)
    c.rect(0, 15, 3, 3, k)
    c.set(3, 12, k)
    c.set(4, 13, k)
    for x0, x1 in ((5, 4), (8, 9), (15, 14), (18, 20)):
        c.line(x0, 31, x1, 45, k, 2)
    c.line(20, 26, 23, 33, k)
    c.line(21, 26, 24, 34, k)
    c.set(1, 16, WHITE)
    return c


def mono_ink(canvas):
    """The black pixels of a black-on-white picture."""
    return [(i % canvas.w, i // canvas.w) for i, v in enumerate(canvas.px) if v == BLACK]


def compose(pictures, stages, skip=()):
    """The 593 x 378 window area after drawing the given stages, as the
    window draws them: the scene with SRCAND on a white box, the black
    of the monochrome pictures laid on top, the icons through their
    masks. pictures maps 'scene', 'WAGON', 'STAND' and icon numbers to
    canvases (icons with CLEAR for transparent pixels)."""
    screen = Canvas(593, 378, WHITE)
    for stage, kind, what, (x, y) in STAGES:
        if stage not in stages or (stage, what, (x, y)) in skip:
            continue
        if kind == 'scene':
            screen.blit(pictures['scene'], x, y)
        elif kind == 'mono':
            for px, py in mono_ink(pictures[what]):
                screen.set(x + px, y + py, BLACK)
        else:
            screen.blit(pictures[what], x, y)
    return screen


def patches(pictures):
    """"scene2bit" and "skybit": what lies behind the climbing sun and the
    dancing cowpoke when those animations run.

    The sun climbs over stages 11 to 2 (the gallows' beam reaches into its
    strip); each step restores the strip, which must not show the sun, so
    the strip is cut from the scene without the stage-3 sun. The dance
    runs over stages 11 to 1; each frame restores the patch without the
    standing figure of stage 2."""
    under_sun = compose(pictures, range(2, 12), skip={(3, 157, SUN_START)})
    sx, sy = SCENE_AT
    scene2bit = under_sun.crop(sx, sy, *SCENE2BIT_SIZE)
    under_dance = compose(pictures, range(1, 12), skip={(3, 157, SUN_START),
                                                        (2, 159, FIGURE_AT)})
    skybit = under_dance.crop(FIGURE_AT[0], FIGURE_AT[1], *SKYBIT_SIZE)
    return scene2bit, skybit
