"""The glyph sheet "NEWLETTERS": every letter the phrase band can show,
in 19 x 22 cells on a grid of 1-pixel lines. Row 0 holds A..Z, row 1 a..z,
row 2 the accented capitals in AccentedGlyphOrder and row 3 their small
forms. Column 12 of rows 2 and 3 is the fi ligature, which stands where
the order has '?'."""

from canvas import Canvas, rgb
import font_large

CELL_W, CELL_H = 19, 22
SHEET_W, SHEET_H = 601, 93

AccentedGlyphOrder = ('\xc0\xc1\xc2\xc4\xc3\xc5\xc6\xc7\xc8\xc9\xca\xcb?\xcc\xcd'
                      '\xce\xcf\xd1\xd2\xd3\xd4\xd6\xd5\x8c\xdf\xd9\xda\xdb\xdc\x9f')

WHITE = rgb(255, 255, 255)
INK = rgb(0, 0, 0)
SHADOW = rgb(196, 196, 196)
GRID = rgb(160, 160, 160)

# Row of the glyph box's top inside a cell: capital accents fit above,
# descenders reach the cell's last row.
BOX_TOP = 5


def small_form(ch):
    """The lower-case partner of an accented capital of the sheet."""
    special = {'?': 'fi', '\xdf': '\xdf', '\x8c': '\x9c', '\x9f': '\xff'}
    return special.get(ch, chr(ord(ch) + 0x20))


def sheet_rows():
    """The four rows of the sheet as lists of glyph keys."""
    upper = [chr(ord('A') + i) for i in range(26)]
    lower = [chr(ord('a') + i) for i in range(26)]
    accented = ['fi' if ch == '?' else ch for ch in AccentedGlyphOrder]
    return [upper, lower, accented, [small_form(ch) for ch in AccentedGlyphOrder]]


def draw_glyph(canvas, key, left, top, ink=INK, shadow=SHADOW):
    """Draws one glyph centred across a 19 x 22 cell whose top-left
    corner is (left, top), with a soft shadow to the lower right. Nothing
    is drawn outside the cell."""
    g = font_large.glyph(key)
    xs = [p[0] for p in g.points]
    dx = left + (CELL_W - (max(xs) - min(xs) + 1)) // 2 - min(xs)
    dy = top + BOX_TOP

    def put(x, y, colour):
        if left <= x < left + CELL_W and top <= y < top + CELL_H:
            canvas.set(x, y, colour)
    if shadow is not None:
        for x, y in g.points:
            if (x + 1, y + 1) not in g.points and (x + 1, y) not in g.points:
                put(dx + x + 1, dy + y + 1, shadow)
    for x, y in g.points:
        put(dx + x, dy + y, ink)


def newletters():
    c = Canvas(SHEET_W, SHEET_H, GRID)
    for r, keys in enumerate(sheet_rows()):
        for col in range(30):
            left, top = 20 * col + 1, 23 * r + 1
            c.rect(left, top, CELL_W, CELL_H, WHITE)
            if col < len(keys):
                draw_glyph(c, keys[col], left, top)
    return c
