"""The larger pictures: the welcome picture "opening", the statistics
panel backgrounds "current" and "cumulative", the scoreboard headings
(153) and banner (137), the About picture (220) and the decoration of
the word dialogs (134)."""

from canvas import Canvas, Lcg, rgb, mix
import font_small
import landscape
import lettering
import sprites

WHITE = rgb(255, 255, 255)
INK = rgb(72, 36, 16)

# Light pine and red cedar boards for the two statistics panels.
PINE = (rgb(238, 206, 156), rgb(226, 190, 138), rgb(210, 172, 120), rgb(150, 100, 60))
CEDAR = (rgb(226, 170, 140), rgb(210, 148, 118), rgb(190, 126, 98), rgb(128, 70, 50))
SLOT = rgb(255, 248, 230)
SLOT_SHADE = rgb(180, 150, 110)
NAIL = (rgb(90, 90, 96), rgb(200, 200, 210))


def boards(c, x, y, w, h, wood, plank=19, seed=3):
    """Horizontal wooden planks with grain, seams and nail heads."""
    rnd = Lcg(seed)
    c.rect(x, y, w, h, wood[0])
    for py in range(y, y + h, plank):
        ph = min(plank, y + h - py)
        # Grain: long wavy streaks in the two darker tones.
        for _ in range(w * ph // 90):
            gx = x + rnd.rand(0, w - 1)
            gy = py + rnd.rand(2, max(ph - 3, 2))
            ln = rnd.rand(12, 48)
            tone = wood[1] if rnd.rand(0, 2) else wood[2]
            for i in range(ln):
                yy = gy + (1 if (i // 9) % 3 == 1 else 0)
                if py + 1 <= yy < py + ph - 1 and gx + i < x + w:
                    c.set(gx + i, yy, tone)
        c.rect(x, py, w, 1, mix(wood[0], WHITE, 0.35))
        if py + ph - 1 < y + h:
            c.rect(x, py + ph - 1, w, 1, wood[3])
        for nx in (x + 4, x + w - 6):
            c.rect(nx, py + ph // 2 - 1, 2, 2, NAIL[0])
            c.set(nx, py + ph // 2 - 1, NAIL[1])


def slot(c, x, y, w, h):
    """A recessed light box where the window prints a number."""
    c.rect(x, y, w, h, SLOT)
    c.rect(x, y, w, 1, SLOT_SHADE)
    c.rect(x, y, 1, h, SLOT_SHADE)
    c.rect(x + 1, y + 1, w - 1, 1, mix(SLOT, SLOT_SHADE, 0.4))
    c.rect(x, y + h - 1, w, 1, WHITE)
    c.rect(x + w - 1, y, 1, h, WHITE)


def label(c, right, lines, colour=INK, width=None):
    """Bold label lines right-aligned to end at x = right, centred in the
    panel's height; no line wider than width."""
    tops = {1: [15], 2: [8, 21]}[len(lines)]
    for text, top in zip(lines, tops):
        fits(text, width, True)
        font_small.draw_text(c, right - font_small.text_width(text, True), top, text,
                             colour, bold=True)


def fits(text, width, bold=False):
    """Stops the build when a text is wider than its room."""
    if width is not None and font_small.text_width(text, bold) > width:
        raise ValueError('"%s" is %d pixels wide, its room %d' % (text, font_small.text_width(text, bold), width))


# x of each number inside the panel picture (the picture sits 1 pixel in
# from the panel's corner, the numbers at panel x 78, 211, 357 and 483).
NUMBER_X = (77, 210, 356, 482)
SLOT_W = 62


def stats_panel(labels, wood, seed):
    c = Canvas(561, 39)
    boards(c, 0, 0, 561, 39, wood, plank=20, seed=seed)
    c.frame(0, 0, 561, 39, wood[3])
    previous_end = 0
    for x, lines in zip(NUMBER_X, labels):
        slot(c, x - 5, 6, SLOT_W, 28)
        label(c, x - 10, lines, width=x - 10 - previous_end - 4)
        previous_end = x - 5 + SLOT_W
    return c


CURRENT_LABELS = [['Games'], ['Wins'], ['Losses'], ['Winning', 'Streak']]
CUMULATIVE_LABELS = [['Total', 'Games'], ['Total', 'Wins'], ['Total', 'Losses'], ['Program', 'Starts']]


def current_panel(labels=CURRENT_LABELS):
    """"current": the statistics since the program started."""
    return stats_panel(labels, PINE, 3)


def cumulative_panel(labels=CUMULATIVE_LABELS):
    """"cumulative": the statistics kept across runs."""
    return stats_panel(labels, CEDAR, 4)


def scoreboard_headings(words=('Name', 'Score', 'Category')):
    """Bitmap 153: the column headings, placed for the scoreboard's
    columns (the picture lands at x 45: names at x 47, scores ending at
    x 275, categories from x 292)."""
    name, score, category = words
    c = Canvas(420, 16, rgb(250, 238, 210))
    c.rect(0, 14, 420, 2, rgb(150, 96, 54))
    fits(name, 150, True)
    fits(score, 70, True)
    fits(category, 170, True)
    font_small.draw_text(c, 2, 3, name, INK, bold=True)
    font_small.draw_text(c, 230 - font_small.text_width(score, True), 3, score, INK, bold=True)
    font_small.draw_text(c, 247, 3, category, INK, bold=True)
    return c


def star(c, cx, cy, r, fill, edge):
    """A five-pointed sheriff's star."""
    import math
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        rr = r if k % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    c.polygon([(x + 1, y + 1) for x, y in pts], edge)
    c.polygon(pts, fill)
    for k in range(0, 10, 2):
        x, y = pts[k]
        c.ellipse(x, y, 1.6, 1.6, fill)
    c.ellipse(cx, cy, r * 0.22, r * 0.22, edge)


def scoreboard_banner(head='WINNING STREAK', title='Scoreboard'):
    """Bitmap 137: a wooden sign reading "Winning Streak Scoreboard",
    with a sheriff's star at each end."""
    c = Canvas(400, 56)
    boards(c, 0, 0, 400, 56, PINE, plank=14, seed=9)
    c.frame(0, 0, 400, 56, INK)
    c.frame(1, 1, 398, 54, PINE[3])
    fits(head, 300, True)
    font_small.draw_text(c, (400 - font_small.text_width(head, True)) // 2, 4, head, INK, True)
    t = lettering.title(title, 2)
    if t.w > 300:
        raise ValueError('the banner\'s title "%s" is %d pixels wide, its room 300' % (title, t.w))
    c.blit(t, (400 - t.w) // 2, 15)
    for sx in (34, 366):
        star(c, sx, 28, 17, rgb(252, 206, 64), rgb(150, 92, 20))
    return c


def ribbon(c, x, y, w, text):
    """A parchment banner with notched, folded-back ends holding one line
    of text."""
    fits(text, w - 4, True)
    paper, edge = rgb(252, 240, 206), rgb(150, 100, 56)
    fold = mix(paper, edge, 0.55)
    h = 15
    b = y + h + 4
    for pts in ([(x - 14, y + 4), (x, y + 4), (x, b), (x - 14, b), (x - 8, y + 4 + h / 2)],
                [(x + w, y + 4), (x + w + 14, y + 4), (x + w + 8, y + 4 + h / 2),
                 (x + w + 14, b), (x + w, b)]):
        c.polygon([(px + 1, py + 1) for px, py in pts], edge)
        c.polygon(pts, fold)
    c.rect(x, y, w, h, paper)
    c.frame(x, y, w, h, edge)
    font_small.draw_text(c, x + (w - font_small.text_width(text, True)) // 2, y + 3, text,
                         INK, bold=True)


def signboard(c, x, y, w, h):
    """A hanging board on two posts, the posts reaching the ground."""
    for px in (x + 12, x + w - 18):
        c.rect(px, y - 6, 6, c.h - y + 6, landscape.WOOD[2])
        c.rect(px + 4, y - 6, 2, c.h - y + 6, landscape.WOOD[3])
        c.rect(px, y - 6, 1, c.h - y + 6, landscape.WOOD[1])
    boards(c, x, y, w, h, PINE, plank=h // 3 + 1, seed=21)
    c.frame(x, y, w, h, INK)
    c.frame(x + 1, y + 1, w - 2, h - 2, PINE[3])


def opening(motto='A WORD GAME FROM THE EDGE OF TOWN', welcome='Welcome, partner! Pick a letter to start.'):
    """"opening": the welcome picture, a sign reading "Wordloft" in front
    of the town at sunrise."""
    c = landscape.desert(559, 186, 118, seed=8, sky=landscape.MORNING_SKY, town_at=440,
                         buttes=[(40, 90, 84), (96, 104, 94)],
                         clouds=[(40, 16, 64), (340, 8, 44)],
                         road_pts=((120, 190), (250, 160), (420, 132), (470, 119)))
    sprites.sun(c, 486.5, 40.5, 11, 19)
    landscape.rock(c, 24, 176, 14)
    landscape.scrub(c, 520, 180, 13)
    landscape.scrub(c, 200, 178, 9)
    sprites.saguaro(c, 46, 100, 78)
    sprites.saguaro(c, 514, 118, 60)
    signboard(c, 130, 14, 300, 92)
    t = lettering.title('Wordloft', 3)
    c.blit(t, 130 + (300 - t.w) // 2, 24)
    fits(motto, 290, True)
    font_small.draw_text(c, 130 + (300 - font_small.text_width(motto, True)) // 2, 86, motto,
                         INK, bold=True)
    # The ribbon grows about its middle for a longer welcome.
    wide = max(260, font_small.text_width(welcome, True) + 8)
    ribbon(c, 280 - wide // 2, 158, wide, welcome)
    return c


ABOUT_LINES = ('A word-guessing game for one or two players', '51 categories of words and phrases',
               'Click the picture to close')


def about(lines=ABOUT_LINES):
    """Bitmap 220, the About picture: the title over a desert view with
    a few words about the game. It fills the About box's sunken picture
    frame, 248 x 142 dialog units of the System font: 496 x 284 pixels."""
    w, h = 496, 284
    c = Canvas(w, h)
    inner = landscape.desert(w - 8, h - 8, 160, seed=12, town_at=330,
                             buttes=[(30, 90, 112), (400, 454, 120)],
                             clouds=[(200, 84, 64), (60, 40, 44)],
                             road_pts=((130, 280), (240, 226), (400, 174), (440, 162)))
    sprites.sun(inner, 446.5, 30.5, 10, 17)
    sprites.saguaro(inner, 40, 150, 92)
    sprites.saguaro(inner, 440, 176, 64)
    c.blit(inner, 4, 4)
    c.rect(0, 0, w, 4, landscape.WOOD[2])
    c.rect(0, h - 4, w, 4, landscape.WOOD[3])
    c.rect(0, 0, 4, h, landscape.WOOD[2])
    c.rect(w - 4, 0, 4, h, landscape.WOOD[3])
    t = lettering.title('Wordloft', 4)
    c.blit(t, (w - t.w) // 2, 18)
    panel_w, panel_y = 340, 190
    px = (w - panel_w) // 2
    c.rect(px, panel_y, panel_w, 58, rgb(252, 240, 206))
    c.frame(px, panel_y, panel_w, 58, rgb(150, 100, 56))
    for i, text in enumerate(lines):
        bold = i == 0
        fits(text, panel_w - 8, bold)
        font_small.draw_text(c, (w - font_small.text_width(text, bold)) // 2,
                             panel_y + 7 + 16 * i, text, INK, bold)
    return c


def decoration():
    """Bitmap 134: a small framed desert view with a letter tile, beside
    the fields of the Enter Word and Custom Words dialogs."""
    c = Canvas(64, 64)
    inner = landscape.desert(60, 60, 38, seed=3, buttes=[(34, 50, 24)])
    sprites.sun(inner, 13.5, 11.5, 5, 9)
    sprites.saguaro(inner, 44, 28, 30, flower=True)
    c.blit(inner, 2, 2)
    c.frame(0, 0, 64, 64, landscape.WOOD[3])
    c.frame(1, 1, 62, 62, landscape.WOOD[1])
    # A letter tile leaning in the sand.
    import glyphsheet
    c.rect(6, 36, 21, 22, sprites.TILE_EDGE)
    c.rect(7, 37, 19, 20, sprites.TILE)
    c.rect(6, 57, 21, 1, sprites.TILE_DARK)
    glyphsheet.draw_glyph(c, 'W', 7, 33, ink=sprites.TILE_DARK, shadow=None)
    return c
