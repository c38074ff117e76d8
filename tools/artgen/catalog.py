"""Every picture resource of the game: its resource name or number, the
file it is written to under resources/, its size, colour depth and the
drawing that makes it."""

from canvas import Canvas, CLEAR, rgb, palette_of
import deep_icons
import glyphsheet
import imgio
import pictures
import scene
import sprites
import tiles

BLACK = rgb(0, 0, 0)
WHITE = rgb(255, 255, 255)

FACE_MOODS = ('happy', 'sad', 'neutral')
FACE_COLOURS = ('red', 'green', 'blue')


class Bitmap:
    def __init__(self, rc_id, name, size, bpp, draw, comment=''):
        self.rc_id, self.name, self.size, self.bpp = rc_id, name, size, bpp
        self.draw, self.comment = draw, comment
        self.path = 'bitmaps/%s.bmp' % name


class Icon:
    def __init__(self, number, rc_id, name, draws, comment='', deep_sizes=()):
        self.number, self.rc_id, self.name = number, rc_id, name
        self.draws, self.comment = draws, comment     # one 16-colour drawing per size
        # True-colour images made from the first drawing (deep_icons).
        self.deep_sizes = deep_sizes
        self.path = 'icons/%s.ico' % name


def _letter_icons():
    out = []
    for i in range(26):
        up, low = chr(ord('A') + i), chr(ord('a') + i)
        out.append(Icon(167 + i, 'IDI_LETTER_UPPER_A' if i == 0 else str(167 + i), 'upper_' + low,
                        [lambda k=up: sprites.letter_key(k)], 'letter %s' % up))
    for i in range(26):
        low = chr(ord('a') + i)
        rc = {0: 'IDI_LETTER_LOWER_A', 25: 'IDI_LETTER_LOWER_Z'}.get(i, str(193 + i))
        out.append(Icon(193 + i, rc, 'lower_' + low,
                        [lambda k=low: sprites.letter_key(k)], 'letter %s' % low))
    return out


def _dance_icons():
    out = []
    for f in range(8):
        rc = {0: 'IDI_DANCE_FIRST', 7: 'IDI_DANCE_LAST'}.get(f, str(159 + f))
        out.append(Icon(159 + f, rc, 'dance%d' % (f + 1), [lambda f=f: sprites.dancer(f)],
                        'dance frame %d' % f))
    return out


ICONS = ([Icon(128, 'IDI_WORDLOFT', 'wordloft',
               [lambda: sprites.app_icon(32), lambda: sprites.app_icon(16)], 'program icon',
               deep_icons.SIZES),
          # The small icon needs no 256-pixel image: it is shown at 16 to 48.
          Icon(129, 'IDI_WORDLOFT_SMALL', 'wordloft_small',
               [lambda: sprites.app_icon(16), lambda: sprites.app_icon(32)], 'small program icon',
               (24, 32, 48)),
          Icon(155, 'IDI_CACTUS', 'cactus', [sprites.cactus_icon], 'cactus'),
          Icon(156, 'IDI_PEOPLE', 'people', [sprites.people_icon], 'two onlookers'),
          Icon(157, 'IDI_SUN', 'sun', [sprites.sun_icon], 'sun'),
          Icon(158, 'IDI_USEDLETTER', 'usedletter', [sprites.used_letter], 'used letter')]
         + _dance_icons() + _letter_icons())


class _Cache:
    """Draws shared pictures once: the animation patches need the scene,
    the gallows and the icons."""

    def __init__(self):
        self.done = {}

    def get(self, key, make):
        if key not in self.done:
            self.done[key] = make()
        return self.done[key]


_cache = _Cache()


def scene_pictures():
    """The pictures the scene stages draw, keyed as scene.compose wants."""
    def make():
        pics = {'scene': _cache.get('scene2', scene.scene2),
                'STAND': _cache.get('STAND', scene.stand),
                'WAGON': _cache.get('WAGON', scene.wagon)}
        for icon in ICONS:
            if 155 <= icon.number <= 166:
                pics[icon.number] = icon.draws[0]()
        return pics
    return _cache.get('scene pictures', make)


def _patch(index):
    return lambda: _cache.get('patches', lambda: scene.patches(scene_pictures()))[index]


BITMAPS = (
    [Bitmap('opening', 'opening', (559, 186), 8, pictures.opening, 'welcome picture'),
     Bitmap('scene2', 'scene2', (559, 186), 8, lambda: _cache.get('scene2', scene.scene2),
            'the desert scene'),
     Bitmap('scene2bit', 'scene2bit', (208, 75), 8, _patch(0), 'sky strip behind the sun'),
     Bitmap('skybit', 'skybit', (29, 27), 24, _patch(1), 'patch behind the dancer'),
     Bitmap('STAND', 'STAND', (129, 78), 1, lambda: _cache.get('STAND', scene.stand), 'gallows'),
     Bitmap('WAGON', 'WAGON', (57, 47), 1, lambda: _cache.get('WAGON', scene.wagon), 'wagon'),
     Bitmap('current', 'current', (561, 39), 8, pictures.current_panel, 'current statistics'),
     Bitmap('cumulative', 'cumulative', (561, 39), 8, pictures.cumulative_panel,
            'cumulative statistics'),
     Bitmap('arrow', 'arrow', (13, 26), 4, tiles.arrow, 'case toggle arrow'),
     Bitmap('NEWLETTERS', 'NEWLETTERS', (601, 93), 8, glyphsheet.newletters, 'glyph sheet')]
    + [Bitmap('WEAVE%d' % (n + 1), 'WEAVE%d' % (n + 1), (8, 8), 4,
              lambda n=n: tiles.weave(n), 'weave motif') for n in range(7)]
    + [Bitmap('macweave', 'macweave', (8, 8), 8, tiles.macweave, 'box texture')]
    + [Bitmap(m + c, m + c, (20, 20), 4, lambda m=m, c=c: tiles.face(m, c), 'face')
       for m in FACE_MOODS for c in FACE_COLOURS]
    + [Bitmap('IDB_DIALOG_DECORATION', 'decoration', (64, 64), 8, pictures.decoration,
              'word dialog decoration'),
       Bitmap('IDB_SCOREBOARD_BANNER', 'banner', (400, 56), 8, pictures.scoreboard_banner,
              'scoreboard title'),
       Bitmap('IDB_SCOREBOARD_HEADINGS', 'headings', (420, 16), 8,
              pictures.scoreboard_headings, 'scoreboard column headings'),
       Bitmap('IDB_ABOUT', 'about', (496, 284), 8, pictures.about, 'About picture')])


def bitmap_file(bitmap, canvas):
    """The .bmp bytes of a drawn bitmap, checked against its entry."""
    w, h = bitmap.size
    if (canvas.w, canvas.h) != (w, h):
        raise ValueError('%s is %dx%d, should be %dx%d' % (bitmap.name, canvas.w, canvas.h, w, h))
    if CLEAR in canvas.px:
        raise ValueError('%s has unpainted pixels' % bitmap.name)
    if bitmap.bpp == 24:
        return imgio.bmp_bytes(w, h, 24, canvas.px)
    first = (BLACK, WHITE) if bitmap.bpp == 1 else ()
    palette, index = palette_of(canvas, 1 << bitmap.bpp, first)
    return imgio.bmp_bytes(w, h, bitmap.bpp, index, palette)


def deep_images(icon, canvases):
    """The true-colour images of an icon, [(size, 0xAARRGGBB pixels)], made
    from its 32-pixel drawing."""
    if not icon.deep_sizes:
        return []
    drawing = [c for c in canvases if c.w == 32][0]
    return deep_icons.images(drawing, icon.deep_sizes)


def icon_file(icon, canvases):
    """The .ico bytes: 16-colour images with black at index 0, which is
    also the colour under every transparent pixel, then the true-colour
    images."""
    images = []
    for c in canvases:
        opaque = Canvas(c.w, c.h)
        opaque.px = [BLACK if v == CLEAR else v for v in c.px]
        palette, index = palette_of(opaque, 16, (BLACK,))
        mask = [1 if v == CLEAR else 0 for v in c.px]
        images.append((c.w, c.h, palette, index, mask))
    return imgio.ico_bytes(images, deep_images(icon, canvases))


def rc_script(language_lines=()):
    """The resource script fragment that links every picture, and the
    other languages' packed pictures with words (language_lines)."""
    lines = ['/* art.rc: the bitmaps and icons of Wordloft, made by',
             '   tools/artgen/generate.py; regenerate rather than edit. */',
             '#include "resource.h"', '', '/* Icons */']
    for icon in ICONS:
        lines.append('%-22s ICON "%s"  /* %d %s */' % (icon.rc_id, icon.path, icon.number,
                                                      icon.comment))
    lines += ['', '/* Bitmaps */']
    for b in BITMAPS:
        lines.append('%-24s BITMAP "%s"' % (b.rc_id, b.path))
    if language_lines:
        lines += ['', '/* The pictures with words in the other languages, packed */'] + list(language_lines)
    return ('\r\n'.join(lines) + '\r\n').encode('ascii')
