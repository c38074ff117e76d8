"""Checks the game's pictures: the generator reproduces the committed
files byte for byte, every bitmap and icon has the name, size and colour
depth the game loads, the weave motifs and the glyph sheet are laid out
as the drawing code expects, and the two animations (the climbing sun
and the dance) restore their backgrounds without leaving a trail.

    python3 tests/assets/test_art.py [--review build/review-sheet.png]
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)

import art_formats  # noqa: E402
import art_tables  # noqa: E402

RESOURCES = os.path.join(ROOT, 'resources')
REVIEW = None            # --review PATH: where the review sheet goes
OUT = None               # the freshly generated files
WHITE, BLACK = 0xFFFFFF, 0x000000


def setUpModule():
    global OUT
    OUT = tempfile.mkdtemp(prefix='artgen-')
    cmd = [sys.executable, os.path.join(ROOT, 'tools', 'artgen', 'generate.py'), '--out', OUT]
    if REVIEW:
        cmd += ['--review', REVIEW]
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)


def read(rel, root=None):
    with open(os.path.join(root or OUT, rel), 'rb') as f:
        return f.read()


def resource_ids():
    """The #defines of resource.h: name -> number."""
    text = read('resource.h', RESOURCES).decode('ascii')
    return {m.group(1): int(m.group(2))
            for m in re.finditer(r'#define\s+(\w+)\s+(\d+)', text)}


def rc_entries(kind):
    """(resource id as number or name, path) for each line of art.rc of
    the given kind (BITMAP or ICON)."""
    ids = resource_ids()
    out = []
    for line in read('art.rc').decode('ascii').splitlines():
        m = re.match(r'\s*(\w+)\s+%s\s+"([^"]+)"' % kind, line)
        if m:
            key = m.group(1)
            key = int(key) if key.isdigit() else ids.get(key, key)
            out.append((key, m.group(2)))
    return out


def bitmap(name):
    return art_formats.read_bmp(read('bitmaps/%s.bmp' % name))


def icon(number):
    path = dict(rc_entries('ICON'))[number]
    return art_formats.read_ico(read(path))


def icon32(number):
    return [(d, m) for d, m in icon(number) if d.width == 32][0]


class Files(unittest.TestCase):
    def test_generator_reproduces_the_committed_files(self):
        def files(root, folder):
            return sorted(os.path.relpath(os.path.join(d, f), os.path.join(root, folder))
                          for d, _, names in os.walk(os.path.join(root, folder)) for f in names)
        for folder in ('bitmaps', 'icons'):
            made = files(OUT, folder)
            kept = files(RESOURCES, folder)
            self.assertEqual(made, kept, 'files in resources/%s differ from a fresh run' % folder)
            for name in made:
                rel = '%s/%s' % (folder, name)
                self.assertTrue(read(rel) == read(rel, RESOURCES),
                                '%s differs from a fresh run; regenerate it' % rel)
        self.assertEqual(read('art.rc'), read('art.rc', RESOURCES))

    def test_every_bitmap_has_its_name_size_and_depth(self):
        entries = rc_entries('BITMAP')
        keys = [k for k, _ in entries]
        self.assertEqual(len(keys), len(set(keys)), 'a bitmap is linked twice')
        expected = set(art_tables.BITMAPS) | set(art_tables.NUMBERED_BITMAPS)
        self.assertEqual(set(keys), expected)
        for key, path in entries:
            dib = art_formats.read_bmp(read(path))
            if key in art_tables.BITMAPS:
                self.assertEqual((dib.width, dib.height, dib.bpp), art_tables.BITMAPS[key], key)
            else:
                self.assertEqual(dib.bpp, art_tables.NUMBERED_BITMAPS[key], key)
        # The About picture fills its 248 x 142 dialog-unit frame in the
        # box's System font (2 pixels per unit each way); the headings fit
        # between the top of the board and its first row at y 30.
        about = dict(entries)[220]
        dib = art_formats.read_bmp(read(about))
        self.assertEqual((dib.width, dib.height), (496, 284))
        heads = art_formats.read_bmp(read(dict(entries)[153]))
        self.assertLessEqual(heads.height, 30 - 13)

    def test_every_icon_has_a_32_pixel_16_colour_image_with_a_mask(self):
        entries = rc_entries('ICON')
        self.assertEqual(sorted(k for k, _ in entries), art_tables.ICON_GROUPS)
        for number, path in entries:
            images = art_formats.read_ico(read(path))
            sizes = sorted(d.width for d, _ in images if d.bpp == 4)
            want = [16, 32] if number in art_tables.SMALL_ICON_GROUPS else [32]
            self.assertEqual(sizes, want, 'icon %d sizes' % number)
            deep = sorted(d.width for d, _ in images if d.bpp == 32)
            self.assertEqual(deep, art_tables.DEEP_ICON_SIZES.get(number, []),
                             'icon %d true-colour sizes' % number)
            for dib, mask in images:
                self.assertEqual(dib.height, dib.width, 'icon %d' % number)
                shown = art_formats.visible(dib, mask)
                self.assertTrue(shown, 'icon %d shows nothing' % number)
                for y in range(dib.height):
                    for x in range(dib.width):
                        if dib.bpp == 32:
                            self.assertEqual(mask[y][x], int(dib.at(x, y) >> 24 == 0),
                                             'icon %d at %d: mask and alpha disagree at (%d, %d)'
                                             % (number, dib.width, x, y))
                        elif mask[y][x]:
                            self.assertEqual(dib.at(x, y), BLACK,
                                             'icon %d: transparent pixel (%d, %d) not black'
                                             % (number, x, y))

    def test_true_colour_program_icons_are_the_same_art(self):
        # At 32 pixels the true-colour image is the 16-colour drawing with
        # an alpha channel; the others show the same picture, transparent
        # where it is, with the edges softened at 24 and 48 pixels.
        for number in art_tables.DEEP_ICON_SIZES:
            images = icon(number)
            art, mask = [(d, m) for d, m in images if (d.width, d.bpp) == (32, 4)][0]
            deep = {d.width: d for d, _ in images if d.bpp == 32}
            for y in range(32):
                for x in range(32):
                    want = 0 if mask[y][x] else 0xFF000000 | art.at(x, y)
                    self.assertEqual(deep[32].at(x, y), want, 'icon %d at (%d, %d)' % (number, x, y))
            for size, dib in deep.items():
                alphas = [dib.at(x, y) >> 24 for y in range(size) for x in range(size)]
                self.assertEqual(alphas[0], 0, 'icon %d at %d: the corner shows' % (number, size))
                self.assertGreater(alphas.count(255), size * size // 2,
                                   'icon %d at %d is mostly see-through' % (number, size))
                if size in (24, 48):
                    self.assertTrue(any(0 < a < 255 for a in alphas),
                                    'icon %d at %d has no softened edge' % (number, size))
                # The tile's middle is the tile's colour at every size.
                k = size / 32
                self.assertEqual(dib.at(int(12 * k), int(27 * k)) & 0xFFFFFF, art.at(12, 27),
                                 'icon %d at %d: the tile' % (number, size))


class Patterns(unittest.TestCase):
    WEAVE_ROWS = ((0, 4), (1, 3, 5), (2, 6), (1, 5, 7), (0, 4), (3, 5, 7), (2, 6), (1, 3, 7))

    def test_weaves_are_the_motif_in_seven_colours(self):
        colours = []
        for n in range(1, 8):
            dib = bitmap('WEAVE%d' % n)
            inks = set()
            for y in range(8):
                for x in range(8):
                    c = dib.at(x, y)
                    if x in self.WEAVE_ROWS[y]:
                        self.assertNotEqual(c, WHITE, 'WEAVE%d (%d, %d)' % (n, x, y))
                        inks.add(c)
                    else:
                        self.assertEqual(c, WHITE, 'WEAVE%d (%d, %d)' % (n, x, y))
            self.assertEqual(len(inks), 1, 'WEAVE%d uses one colour' % n)
            colours.append(inks.pop())
        self.assertEqual(colours[6], 0xC000C0, 'WEAVE7 is purple 192, 0, 192')
        # Red, yellow, green, cyan, blue, magenta: which channels are lit.
        lit = [tuple((c >> s) & 0xFF > 128 for s in (16, 8, 0)) for c in colours[:6]]
        self.assertEqual(lit, [(1, 0, 0), (1, 1, 0), (0, 1, 0), (0, 1, 1), (0, 0, 1), (1, 0, 1)])

    def test_faces_textures_and_arrow(self):
        for mood in ('happy', 'sad', 'neutral'):
            for colour, channel in (('red', 16), ('green', 8), ('blue', 0)):
                dib = bitmap(mood + colour)
                centre = dib.at(12, 16)   # a cheek, clear of eyes and mouth
                others = [(centre >> s) & 0xFF for s in (16, 8, 0) if s != channel]
                self.assertGreater((centre >> channel) & 0xFF, max(others) + 60,
                                   '%s%s is not %s' % (mood, colour, colour))
        for colour in ('red', 'green', 'blue'):
            faces = [bitmap(m + colour).pixels for m in ('happy', 'sad', 'neutral')]
            self.assertEqual(len(set(map(str, faces))), 3, 'the three %s moods look alike' % colour)
        tex = bitmap('macweave')
        tones = set(c for row in tex.pixels for c in row)
        self.assertGreaterEqual(len(tones), 2)
        for c in tones:
            self.assertGreater(min((c >> s) & 0xFF for s in (16, 8, 0)), 160, 'macweave is light')
        arrow = bitmap('arrow')
        self.assertEqual(set(c for row in arrow.pixels for c in row), {BLACK, WHITE})
        self.assertEqual(arrow.pixels, arrow.pixels[::-1], 'arrow is not the same both ways')
        self.assertIn(BLACK, arrow.pixels[0])
        self.assertIn(BLACK, arrow.pixels[-1])


class Layout(unittest.TestCase):
    """Pictures that the program writes on or lines up with."""

    @staticmethod
    def light(c):
        r, g, b = (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF
        return (299 * r + 587 * g + 114 * b) // 1000 > 200

    def test_panels_leave_room_for_the_numbers(self):
        # The picture sits at (1, 1); numbers of 14-point bold, up to five
        # digits, start at panel x 78, 211, 357 and 483 and fill rows 9..31.
        for name in ('current', 'cumulative'):
            panel = bitmap(name)
            for x in (78, 211, 357, 483):
                for yy in range(8, 31):
                    for xx in range(x - 1, x - 1 + 54):
                        self.assertTrue(self.light(panel.at(xx, yy)),
                                        '"%s" is dark at (%d, %d), under the number at x %d'
                                        % (name, xx, yy, x))
            # Each label stands to the left of its number, so each gap
            # between the number places holds dark lettering.
            for left, right in ((0, 77), (77 + 54, 210), (210 + 54, 356), (356 + 54, 482)):
                self.assertTrue(any(not self.light(panel.at(xx, yy))
                                    for xx in range(left + 3, right - 3) for yy in range(6, 33)),
                                '"%s" has no label before x %d' % (name, right + 1))

    def test_scoreboard_headings_line_up_with_the_columns(self):
        heads = art_formats.read_bmp(read(dict(rc_entries('BITMAP'))[153]))
        inked = [x for x in range(heads.width)
                 if any(not self.light(heads.at(x, y)) for y in range(heads.height - 3))]
        runs, start = [], inked[0]
        for a, b in zip(inked, inked[1:] + [None]):
            if b is None or b - a > 8:
                runs.append((start, a))
                start = b
        # Drawn at x 45: names from x 47, scores ending at 275, categories
        # from 292.
        self.assertEqual(len(runs), 3, 'headings: expected three words, found %r' % runs)
        self.assertEqual(runs[0][0], 47 - 45)
        self.assertEqual(runs[1][1], 275 - 45 - 1)
        self.assertEqual(runs[2][0], 292 - 45)


class GlyphSheet(unittest.TestCase):
    ORDER = ('\xc0\xc1\xc2\xc4\xc3\xc5\xc6\xc7\xc8\xc9\xca\xcb?\xcc\xcd'
             '\xce\xcf\xd1\xd2\xd3\xd4\xd6\xd5\x8c\xdf\xd9\xda\xdb\xdc\x9f')

    def cell(self, sheet, col, row):
        x0, y0 = 20 * col + 1, 23 * row + 1
        return tuple(tuple(sheet.at(x0 + x, y0 + y) for x in range(19)) for y in range(22))

    def test_cells_grid_and_letters(self):
        sheet = bitmap('NEWLETTERS')
        grid = set(sheet.at(x, y) for x in range(601) for y in (0, 23, 46, 69, 92))
        grid |= set(sheet.at(x, y) for x in range(0, 601, 20) for y in range(93))
        self.assertEqual(len(grid), 1, 'grid lines are one colour')
        self.assertNotIn(WHITE, grid)
        blank = tuple(tuple([WHITE] * 19) for _ in range(22))
        rows = []
        for row, count in ((0, 26), (1, 26), (2, 30), (3, 30)):
            cells = [self.cell(sheet, c, row) for c in range(30)]
            for c in range(count):
                self.assertNotEqual(cells[c], blank, 'cell %d of row %d is empty' % (c, row))
                self.assertEqual(cells[c][0][0], WHITE, 'cell %d, %d has no white margin' % (c, row))
            for c in range(count, 30):
                self.assertEqual(cells[c], blank)
            self.assertEqual(len(set(cells[:count])), count, 'two glyphs of row %d look alike' % row)
            rows.append(cells)
        # Upper and lower case differ; so do the accented forms and their
        # base letters. The fi ligature (column 12) and sharp s (column 24)
        # are the same in both accented rows.
        for c in range(26):
            self.assertNotEqual(rows[0][c], rows[1][c], chr(65 + c))
        for c, ch in enumerate(self.ORDER):
            if ch in '?\xdf':
                self.assertEqual(rows[2][c], rows[3][c], 'column %d' % c)
            else:
                self.assertNotEqual(rows[2][c], rows[3][c], 'column %d' % c)
        for c, base in ((0, 'A'), (7, 'C'), (9, 'E'), (17, 'N'), (21, 'O'), (28, 'U'), (29, 'Y')):
            self.assertNotEqual(rows[2][c], rows[0][ord(base) - 65])

    def test_letter_icons(self):
        keys = []
        for number in range(167, 219):
            dib, mask = icon32(number)
            ring = [(x, 0) for x in range(32)] + [(x, 31) for x in range(32)] + \
                   [(0, y) for y in range(32)] + [(31, y) for y in range(32)]
            self.assertTrue(all(mask[y][x] for x, y in ring),
                            'icon %d covers the cell border' % number)
            self.assertTrue(all(not mask[y][x] for x in range(1, 31) for y in range(1, 31)),
                            'icon %d has holes in its key' % number)
            keys.append(str(dib.pixels))
        used = str(icon32(158)[0].pixels)
        self.assertEqual(len(set(keys + [used])), 53, 'two letter keys look alike')


class Animations(unittest.TestCase):
    """Replays the scene stages and the two animations on a simulated
    window, with SRCAND, SRCCOPY and DrawIcon's mask rules."""

    STAGES = [(10, 155, (390, 147)), (10, 155, (440, 176)), (9, 'WAGON', (50, 156)),
              (8, 156, (365, 174)), (7, 156, (280, 189)), (6, 156, (328, 186)),
              (5, 155, (108, 166)), (4, 'STAND', (148, 102)), (3, 157, (40, 81)),
              (2, 159, (225, 120)), (1, 157, (190, 51))]

    @classmethod
    def setUpClass(cls):
        cls.pics = {n: bitmap(n) for n in ('scene2', 'scene2bit', 'skybit', 'STAND', 'WAGON')}
        cls.icons = {n: icon32(n) for n in range(155, 167)}

    def new_screen(self, stages):
        s = [[WHITE] * 593 for _ in range(378)]
        for y in range(41, 231):
            for x in range(563):
                s[y][x] = BLACK if x < 2 or x > 560 or y < 43 or y > 228 else WHITE
        self.blt(s, self.pics['scene2'], 2, 43, srcand=True)
        for stage, what, (x, y) in self.STAGES:
            if stage in stages:
                if isinstance(what, str):
                    self.blt(s, self.pics[what], x, y, srcand=True)
                else:
                    self.draw_icon(s, what, x, y)
        return s

    @staticmethod
    def blt(screen, dib, x0, y0, srcand=False):
        for y in range(dib.height):
            row = screen[y0 + y]
            for x in range(dib.width):
                c = dib.at(x, y)
                row[x0 + x] = (row[x0 + x] & c) if srcand else c

    def draw_icon(self, screen, number, x0, y0):
        dib, mask = self.icons[number]
        for y in range(32):
            for x in range(32):
                if 0 <= y0 + y < 378 and 0 <= x0 + x < 593:
                    keep = 0xFFFFFF if mask[y][x] else 0
                    screen[y0 + y][x0 + x] = (screen[y0 + y][x0 + x] & keep) ^ dib.at(x, y)

    def assert_same(self, screen, expected, box, what):
        x0, y0, x1, y1 = box
        for y in range(y0, y1):
            if screen[y][x0:x1] != expected[y][x0:x1]:
                x = next(x for x in range(x0, x1) if screen[y][x] != expected[y][x])
                self.fail('%s: pixel (%d, %d) is %06X, should be %06X'
                          % (what, x, y, screen[y][x], expected[y][x]))

    def test_climbing_sun_leaves_no_trail(self):
        sun = art_formats.visible(*self.icons[157])
        positions = [(40 + 5 * k, 81 - k) for k in range(31)]
        self.assertEqual(positions[-1], (190, 51))
        for px, py in positions:
            for x, y in sun:
                self.assertTrue(2 <= px + x < 2 + 208 and 43 <= py + y < 43 + 75,
                                'sun pixel (%d, %d) at %d, %d lies outside "scene2bit"'
                                % (x, y, px, py))
        clean = self.new_screen(range(2, 12) and [s for s in range(2, 12) if s != 3])
        strip = self.pics['scene2bit']
        for y in range(75):
            self.assertEqual(strip.pixels[y], clean[43 + y][2:210],
                             '"scene2bit" row %d differs from the scene behind the sun' % y)
        screen = self.new_screen(range(2, 12))
        box = (0, 41, 563, 140)
        for k in range(1, 31):
            self.blt(screen, strip, 2, 43)
            self.draw_icon(screen, 157, *positions[k])
            expected = [list(r) for r in clean]
            self.draw_icon(expected, 157, *positions[k])
            self.assert_same(screen, expected, box, 'sun step %d' % k)

    def test_dance_leaves_no_trail_and_stands_on_the_gallows(self):
        clean = self.new_screen([s for s in range(1, 12) if s not in (2, 3)])
        patch = self.pics['skybit']
        for y in range(27):
            self.assertEqual(patch.pixels[y], clean[120 + y][225:254],
                             '"skybit" row %d differs from the scene behind the dancer' % y)
        screen = self.new_screen([s for s in range(1, 12) if s != 3])
        box = (200, 100, 290, 170)
        for number in list(range(159, 167)) + [163]:
            shown = art_formats.visible(*self.icons[number])
            self.assertTrue(all(x < 29 and y < 27 for x, y in shown),
                            'dance icon %d reaches outside "skybit"' % number)
            self.blt(screen, patch, 225, 120)
            self.draw_icon(screen, number, 225, 120)
            expected = [list(r) for r in clean]
            self.draw_icon(expected, number, 225, 120)
            self.assert_same(screen, expected, box, 'dance icon %d' % number)
        # The standing figure's boots rest on the gallows deck (row 147).
        feet = [x for x, y in art_formats.visible(*self.icons[159]) if y == 26]
        self.assertTrue(feet, 'the standing figure does not reach row 26')
        stand = self.pics['STAND']
        for x in feet:
            self.assertEqual(stand.at(225 + x - 148, 147 - 102), BLACK,
                             'no deck under the boot at x %d' % (225 + x))


if __name__ == '__main__':
    args = sys.argv[1:]
    if '--review' in args:
        i = args.index('--review')
        REVIEW = os.path.abspath(args[i + 1])
        os.makedirs(os.path.dirname(REVIEW), exist_ok=True)
        del args[i:i + 2]
    result = unittest.main(argv=[sys.argv[0]] + args, exit=False, verbosity=1).result
    failed = len(result.failures) + len(result.errors)
    print('%d passed, %d failed' % (result.testsRun - failed, failed))
    sys.exit(1 if failed else 0)
