"""The pictures with words (the statistics panels, the scoreboard's
headings and banner, the welcome and About pictures) in each other
language whose texts are in resources/lang/CODE.rc: drawn as the English
ones are, with that language's words from its string table, and packed
(packing.py). English keeps its own bitmaps."""

import os
import re

import catalog
import packing
import pictures

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LANGUAGES = (('de', 'LANG_GERMAN, SUBLANG_NEUTRAL'), ('fr', 'LANG_FRENCH, SUBLANG_NEUTRAL'),
             ('es', 'LANG_SPANISH, SUBLANG_NEUTRAL'))


def strings(code):
    """The texts of a language's string table by id name, byte for byte
    (Windows-1252 read as Latin-1, as the label font keys its letters)."""
    path = os.path.join(ROOT, 'resources', 'lang', code + '.rc')
    if not os.path.exists(path):
        return None
    with open(path, encoding='latin-1') as f:
        text = f.read()
    return {m.group(1): m.group(2).replace('""', '"').replace('\\n', '\n')
            for m in re.finditer(r'^\s*(IDS_\w+)\s+"((?:[^"]|"")*)"\s*$', text, re.M)}


def lines(text):
    return text.split('\n')


# (resource id, file name, size, bits, drawing from the texts)
PICTURES = (
    ('current', 'current', (561, 39), 8, lambda t: pictures.current_panel(
        [lines(t['IDS_LABEL_' + k]) for k in ('GAMES', 'WINS', 'LOSSES', 'WINNING_STREAK')])),
    ('cumulative', 'cumulative', (561, 39), 8, lambda t: pictures.cumulative_panel(
        [lines(t['IDS_LABEL_' + k]) for k in ('TOTAL_GAMES', 'TOTAL_WINS', 'TOTAL_LOSSES', 'PROGRAM_STARTS')])),
    ('opening', 'opening', (559, 186), 8, lambda t: pictures.opening(
        t['IDS_PICTURE_OPENING_MOTTO'], t['IDS_PICTURE_OPENING_WELCOME'])),
    ('IDB_SCOREBOARD_BANNER', 'banner', (400, 56), 8, lambda t: pictures.scoreboard_banner(
        t['IDS_PICTURE_BANNER_HEAD'], t['IDS_PICTURE_BANNER_TITLE'])),
    ('IDB_SCOREBOARD_HEADINGS', 'headings', (420, 16), 8, lambda t: pictures.scoreboard_headings(
        (t['IDS_HEADING_NAME'], t['IDS_HEADING_SCORE'], t['IDS_HEADING_CATEGORY']))),
    ('IDB_ABOUT', 'about', (496, 284), 8, lambda t: pictures.about(
        tuple(t['IDS_PICTURE_ABOUT_LINE_%d' % i] for i in (1, 2, 3)))),
)


def build():
    """{relative path: bytes} of every packed picture, and the resource
    script lines that link them."""
    files, rc = {}, []
    for code, language in LANGUAGES:
        texts = strings(code)
        if texts is None:
            continue
        rc += ['', 'LANGUAGE ' + language]
        for rc_id, name, size, bpp, draw in PICTURES:
            try:
                canvas = draw(texts)
            except (KeyError, ValueError) as e:
                raise ValueError('%s picture "%s": %s' % (code, name, e))
            bmp = catalog.bitmap_file(catalog.Bitmap(rc_id, name, size, bpp, None), canvas)
            path = 'bitmaps/lang/%s-%s.lzb' % (name, code)
            files[path] = packing.pack(bmp)
            rc.append('%-24s WLTB "%s"' % (rc_id, path))
    if rc:
        rc += ['', 'LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US']
    return files, rc
