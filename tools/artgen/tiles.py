"""Small fixed pictures: the seven weave motifs of the letter panel and
the guess meter, the "macweave" texture of the right-hand boxes, the
case-toggle arrow and the nine faces of the face box."""

from canvas import Canvas, rgb, mix

WHITE = rgb(255, 255, 255)
BLACK = rgb(0, 0, 0)

# The weave motif: coloured pixels of each row, x = 0..7.
WEAVE_ROWS = ((0, 4), (1, 3, 5), (2, 6), (1, 5, 7), (0, 4), (3, 5, 7), (2, 6), (1, 3, 7))

# Red, yellow, green, cyan, blue, magenta and purple, in brush order.
WEAVE_COLOURS = (rgb(255, 0, 0), rgb(255, 255, 0), rgb(0, 255, 0), rgb(0, 255, 255),
                 rgb(0, 0, 255), rgb(255, 0, 255), rgb(192, 0, 192))


def weave(n):
    """"WEAVE1".."WEAVE7": the diagonal motif in colour n on white."""
    c = Canvas(8, 8, WHITE)
    for y, xs in enumerate(WEAVE_ROWS):
        for x in xs:
            c.set(x, y, WEAVE_COLOURS[n])
    return c


CREAM = rgb(255, 248, 226)
LIGHT_GREY = rgb(226, 223, 212)
GREY = rgb(196, 194, 186)


def macweave():
    """"macweave": a light grey and cream basket weave, 8 x 8, tiling
    seamlessly. Each 4 x 4 block holds threads running across or down,
    and neighbouring blocks alternate."""
    across = ((CREAM,) * 4, (LIGHT_GREY,) * 4, (CREAM,) * 4, (GREY,) * 4)
    down = tuple((CREAM, LIGHT_GREY, CREAM, GREY) for _ in range(4))
    c = Canvas(8, 8)
    for by in range(2):
        for bx in range(2):
            block = across if (bx + by) % 2 == 0 else down
            for y in range(4):
                for x in range(4):
                    c.set(bx * 4 + x, by * 4 + y, block[y][x])
    return c


def arrow():
    """"arrow": black up-and-down double arrow on white (drawn with
    SRCAND, so the white stays transparent)."""
    c = Canvas(13, 26, WHITE)
    for r in range(7):
        c.rect(6 - r, r, 2 * r + 1, 1, BLACK)
        c.rect(6 - r, 25 - r, 2 * r + 1, 1, BLACK)
    c.rect(4, 7, 5, 12, BLACK)
    return c


# Base colour per face colour (red, green, blue).
FACE_COLOURS = {'red': rgb(224, 40, 32), 'green': rgb(36, 168, 56),
                'blue': rgb(48, 96, 232)}

# Where the face lands in the window; the corners continue the texture.
FACE_ORIGIN = (568, 13)


def face(mood, colour):
    """A 20 x 20 face: happy, sad or neutral, in red, green or blue, on
    the texture of the face box."""
    tex = macweave()
    c = Canvas(20, 20)
    for y in range(20):
        for x in range(20):
            c.set(x, y, tex.get((FACE_ORIGIN[0] + x) % 8, (FACE_ORIGIN[1] + y) % 8))
    base = FACE_COLOURS[colour]
    dark = mix(base, BLACK, 0.55)
    shade = mix(base, BLACK, 0.25)
    light = mix(base, WHITE, 0.45)
    c.ellipse(10, 10.5, 9.6, 9.6, dark)
    c.ellipse(10, 10.5, 8.6, 8.6, shade)
    c.ellipse(9.4, 9.8, 7.6, 7.6, base)
    c.ellipse(7, 6.5, 2.2, 1.6, light)
    c.set(6, 6, WHITE)
    # Eyes with a glint.
    for ex in (6, 12):
        c.rect(ex, 7, 2, 4, BLACK)
        c.set(ex, 7, WHITE)
    if mood == 'happy':
        c.rect(5, 12, 1, 2, BLACK)
        c.rect(14, 12, 1, 2, BLACK)
        c.rect(6, 14, 1, 1, BLACK)
        c.rect(13, 14, 1, 1, BLACK)
        c.rect(7, 15, 6, 1, BLACK)
        c.rect(7, 14, 6, 1, WHITE)
    elif mood == 'sad':
        c.rect(7, 13, 6, 1, BLACK)
        c.rect(6, 14, 1, 1, BLACK)
        c.rect(13, 14, 1, 1, BLACK)
        c.rect(5, 15, 1, 1, BLACK)
        c.rect(14, 15, 1, 1, BLACK)
        # A tear under the left eye.
        c.rect(5, 11, 1, 2, rgb(160, 220, 255))
    else:
        c.rect(6, 14, 8, 1, BLACK)
    return c
