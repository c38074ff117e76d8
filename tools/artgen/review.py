"""The review sheet: a mock-up of the game window built from the
pictures, then every bitmap and icon at twice its size with its name."""

from canvas import Canvas, CLEAR, rgb
import catalog
import font_small
import imgio
import scene

SHEET_W = 1240
BACK = rgb(236, 236, 236)
LABEL = rgb(20, 20, 20)


def _zoom(c, k=2, back=None):
    z = Canvas(c.w * k, c.h * k)
    for y in range(c.h):
        for x in range(c.w):
            v = c.px[y * c.w + x]
            if v == CLEAR:
                v = back(x, y) if back else BACK
            z.rect(x * k, y * k, k, k, v)
    return z


def _checker(x, y):
    return rgb(250, 226, 180) if (x // 4 + y // 4) % 2 else rgb(232, 200, 150)


def _fill_pattern(win, x, y, w, h, tile):
    for yy in range(y, y + h):
        for xx in range(x, x + w):
            win.set(xx, yy, tile.get(xx % 8, yy % 8))
    win.frame(x, y, w, h, rgb(0, 0, 0))


def window_mockup(drawn):
    """The client area in the middle of a lost game: every stage drawn,
    the dancer in his last pose, a few letters revealed and used."""
    pics = {b.name: cs[0] for _, b, cs in drawn if isinstance(b, catalog.Bitmap)}
    icons = {i.number: cs[0] for _, i, cs in drawn if isinstance(i, catalog.Icon)}
    black, white = rgb(0, 0, 0), rgb(255, 255, 255)
    win = Canvas(593, 378, white)
    win.blit(pics['current'], 1, 1)
    win.frame(0, 0, 563, 41, black)
    stages = scene.compose(catalog.scene_pictures(), range(1, 12), skip={(3, 157, scene.SUN_START)})
    win.blit(stages.crop(0, 41, 563, 190), 0, 41)
    win.blit(icons[163], *scene.FIGURE_AT)
    win.frame(0, 41, 563, 190, black)
    win.frame(1, 42, 561, 188, black)
    # Phrase band: WORDLOFT SQUARED with some letters found.
    sheet = pics['NEWLETTERS']
    found = set('ORDLSQ')
    for i, ch in enumerate('WORDLOFT SQUARED'):
        x = 9 + 21 * i
        if ch == ' ':
            continue
        win.rect(x, 257, 17, 2, black)
        if ch in found:
            col = ord(ch) - 65
            win.blit(sheet.crop(20 * col + 1, 1, 19, 22), x, 233)
    win.frame(0, 231, 563, 33, black)
    _fill_pattern(win, 0, 264, 563, 84, pics['WEAVE2'])
    for i in range(26):
        x, y = 14 + 42 * (i % 13), 272 if i < 13 else 310
        win.rect(x, y, 32, 32, white)
        win.frame(x, y, 32, 32, black)
        win.blit(icons[158] if chr(65 + i) in found | set('ZXK') else icons[167 + i], x, y)
    win.frame(0, 348, 563, 30, black)
    font_small.draw_text(win, 200, 358, 'Thanks for playing Wordloft.', black)
    for y0, h in ((0, 45), (45, 45), (90, 288)):
        _fill_pattern(win, 563, y0, 30, h, pics['macweave'])
    win.blit(pics['sadred'], 568, 13)
    arrow = pics['arrow']
    for y in range(arrow.h):
        for x in range(arrow.w):
            if arrow.get(x, y) != white:
                win.set(571 + x, 55 + y, arrow.get(x, y))
    for k in range(4):
        weave = pics['WEAVE%d' % (k + 1)]
        top = 90 + 113 + k * 41
        _fill_pattern(win, 567, top, 22, 37, weave)
    return win


def write_sheet(path, drawn):
    items = []
    for label, entry, canvases in drawn:
        is_icon = isinstance(entry, catalog.Icon)
        for c in canvases:
            items.append((label, _zoom(c, 2, _checker if is_icon else None)))
    # Flow layout: rows of items, each with its label above.
    mock = _zoom(window_mockup(drawn), 2)
    x, y, row_h = 10, mock.h + 40, 0
    placed = []
    for label, z in items:
        w = max(z.w, font_small.text_width(label)) + 14
        if x + w > SHEET_W:
            x, y, row_h = 10, y + row_h + 20, 0
        placed.append((x, y, label, z))
        x += w
        row_h = max(row_h, z.h)
    sheet = Canvas(SHEET_W, y + row_h + 30, BACK)
    font_small.draw_text(sheet, 10, 8, 'Wordloft: window mock-up (2x)', LABEL, True)
    sheet.blit(mock, 10, 24)
    for x, y, label, z in placed:
        font_small.draw_text(sheet, x, y, label, LABEL)
        sheet.blit(z, x, y + 13)
    with open(path, 'wb') as f:
        f.write(imgio.png_bytes(sheet.w, sheet.h, sheet.px))
