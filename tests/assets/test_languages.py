#!/usr/bin/env python3
"""Checks the program's resources in each language (resources/lang/*.rc)
against English: every string id, menu command and dialog control exists
in every language, every pattern keeps its placeholders, access keys are
unique within each menu and each dialog of the translations, dialogs are
no smaller than in
English, the categories' names fit the scoreboard (31 characters), and the
other languages' categories are named as their index.tsv names them.

    python3 tests/assets/test_languages.py"""

import os
import re
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LANGUAGES = {'en': 'LANG_ENGLISH, SUBLANG_ENGLISH_US', 'de': 'LANG_GERMAN, SUBLANG_NEUTRAL',
             'fr': 'LANG_FRENCH, SUBLANG_NEUTRAL', 'es': 'LANG_SPANISH, SUBLANG_NEUTRAL'}
STRING = r'"((?:[^"]|"")*)"'
CONTROL_WITH_TEXT = re.compile(r'^\s*(?:[A-Z]+TEXT|[A-Z]*PUSHBUTTON|GROUPBOX|CONTROL|[A-Z]*RADIOBUTTON|'
                               r'[A-Z]*CHECKBOX)\s+' + STRING + r'\s*,\s*([A-Za-z_][\w ]*?(?:\s*\+\s*\d+)?|-?\d+)\s*,',
                               re.M)
CATEGORY_NAMES = [1000 + 64 * words + k for words in range(4) for k in range(51)]


def read(code):
    with open(os.path.join(ROOT, 'resources', 'lang', code + '.rc'), encoding='cp1252') as f:
        return f.read()


def strings(text):
    """{id: text} of every STRINGTABLE, ids by name or number."""
    found = {}
    for block in re.findall(r'^STRINGTABLE\s*\nBEGIN\n(.*?)^END', text, re.M | re.S):
        for name, value in re.findall(r'^\s*(\w+)\s+' + STRING + r'\s*$', block, re.M):
            found[int(name) if name.isdigit() else name] = value.replace('""', '"')
    return found


def menus(text):
    """[(path, [item texts])] of every popup of menu 109, the top level first."""
    block = re.search(r'^IDR_MAINMENU MENU\s*\nBEGIN\n(.*?)^END', text, re.M | re.S).group(1)
    levels, found = [('menu bar', [])], []
    for line in block.splitlines():
        popup = re.match(r'\s*POPUP\s+' + STRING, line)
        item = re.match(r'\s*MENUITEM\s+' + STRING, line)
        if popup:
            levels[-1][1].append(popup.group(1))
            levels.append((popup.group(1), []))
        elif item:
            levels[-1][1].append(item.group(1))
        elif re.match(r'\s*END\s*$', line):
            found.append(levels.pop())
    found.append(levels.pop())
    return found


def commands(text):
    block = re.search(r'^IDR_MAINMENU MENU\s*\nBEGIN\n(.*?)^END', text, re.M | re.S).group(1)
    return re.findall(r'MENUITEM\s+' + STRING + r'\s*,\s*([\w +]+)', block)


def dialogs(text):
    """{id: (width, height, [(text, control id)])} of every dialog."""
    found = {}
    for name, w, h, body in re.findall(r'^(\w+)\s+DIALOG(?:EX)?\s+\d+\s*,\s*\d+\s*,\s*(\d+)\s*,\s*(\d+)\s*\n'
                                       r'(.*?)^END', text, re.M | re.S):
        controls = [(t, i.strip()) for t, i in CONTROL_WITH_TEXT.findall(body)]
        found[name] = (int(w), int(h), controls)
    return found


def access_key(text):
    at = text.replace('&&', '').find('&')
    return text.replace('&&', '')[at + 1].lower() if at >= 0 else None


def present():
    """The languages whose file is there; every check but the first takes
    these, so that one language's file can be checked on its own."""
    return [code for code in LANGUAGES if os.path.exists(os.path.join(ROOT, 'resources', 'lang', code + '.rc'))]


class LanguageFiles(unittest.TestCase):
    def setUp(self):
        self.texts = {code: read(code) for code in present()}
        self.english = self.texts['en']

    def test_every_language_has_its_file(self):
        self.assertEqual(present(), list(LANGUAGES))

    def test_each_file_is_its_language(self):
        for code in self.texts:
            language = LANGUAGES[code]
            with self.subTest(code):
                self.assertIn('#pragma code_page(1252)', self.texts[code])
                self.assertRegex(self.texts[code], r'(?m)^LANGUAGE ' + re.escape(language) + r'\s*$')

    def test_every_text_in_every_language(self):
        english = strings(self.english)
        for code in self.texts:
            with self.subTest(code):
                own = strings(self.texts[code])
                self.assertEqual(sorted(map(str, own)), sorted(map(str, english)))
                for key, text in english.items():
                    placeholders = sorted(set(re.findall(r'\{(\d)[}|]', text)))
                    self.assertEqual(sorted(set(re.findall(r'\{(\d)[}|]', own.get(key, '')))), placeholders,
                                     '%s %s: "%s"' % (code, key, own.get(key)))
                for key in CATEGORY_NAMES:
                    self.assertLessEqual(len(own[key].encode('cp1252')), 31, own[key])

    # The other languages' words are named as their folder's index.tsv names
    # them, in each language the program speaks, and counted as it counts them.
    def test_category_names_follow_the_index(self):
        for words, folder in enumerate(('de', 'fr', 'es'), 1):
            with open(os.path.join(ROOT, 'resources', 'categories', folder, 'index.tsv'), encoding='utf-8') as f:
                rows = [line.split('\t') for line in f.read().splitlines()]
            for code in self.texts:
                own = strings(self.texts[code])
                column = rows[0].index('name_' + code, 3)
                with self.subTest(words=folder, program=code):
                    self.assertEqual([own[1000 + 64 * words + int(row[0])] for row in rows[1:]],
                                     [row[column] for row in rows[1:]])
            for row in rows[1:]:
                with open(os.path.join(ROOT, 'resources', 'categories', folder, row[1] + '.txt'), 'rb') as f:
                    self.assertEqual(len(f.read().split(b'\r\n')) - 1, int(row[7]), (folder, row[1]))

    def test_every_menu_item_and_control_in_every_language(self):
        english_commands = [c for _, c in commands(self.english)]
        english_dialogs = dialogs(self.english)
        for code in self.texts:
            with self.subTest(code):
                self.assertEqual([c for _, c in commands(self.texts[code])], english_commands)
                own = dialogs(self.texts[code])
                self.assertEqual(sorted(own), sorted(english_dialogs))
                for name, (w, h, controls) in own.items():
                    ew, eh, english_controls = english_dialogs[name]
                    self.assertGreaterEqual((w, h), (ew, eh), '%s is smaller than in English' % name)
                    self.assertGreaterEqual(w, ew, '%s is narrower than in English' % name)
                    self.assertEqual(sorted(i for _, i in controls), sorted(i for _, i in english_controls), name)

    # English keeps its menu as it always was, with one access key twice in
    # the File menu (Reset Cumulative Statistics, About).
    def test_access_keys_are_unique(self):
        for code in [c for c in self.texts if c != 'en']:
            for path, items in menus(self.texts[code]):
                keys = [k for k in map(access_key, items) if k]
                with self.subTest(code=code, menu=path):
                    self.assertEqual(len(keys), len(set(keys)), items)
            for name, (_, _, controls) in dialogs(self.texts[code]).items():
                keys = [k for k in (access_key(t) for t, _ in controls) if k]
                with self.subTest(code=code, dialog=name):
                    self.assertEqual(len(keys), len(set(keys)), controls)


if __name__ == '__main__':
    unittest.main()
