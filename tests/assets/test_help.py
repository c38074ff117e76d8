"""Checks Wordloft's help files.

    python3 tests/assets/test_help.py [--build BUILD-FOLDER]

Builds wlthelp.hlp, wlthelp.htm and its topic pages from resources/help
twice, in separate processes with different hash seeds, and compares them
byte for byte with each other and with the files the build placed beside
the programs. Then reads the .hlp file with a reader of its own, the way a
WinHelp viewer does (header, directory, internal files, |SYSTEM, |FONT, the
topic blocks and their records, |CONTEXT, |CTXOMAP, the keyword index), and
checks that every link leads to a topic, that context 100 opens the
contents and 104 the word dialogs, that the HTML page has the same topics
and working links, and that the topic page of context 104 sends a browser
to the word dialogs' topic of the page.
"""

import html.parser
import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCE = ROOT / "resources" / "help" / "wordloft-help.txt"
GENERATOR = ROOT / "tools" / "helpgen" / "helpgen.py"
BUILD = ROOT / "build"

CONTENTS_TITLE = "Wordloft Help"
WORD_DIALOGS_TITLE = "Entering and Editing Words"


def generate(folder, seed):
    """The .hlp file, the .htm page and {name: bytes} of every other file
    the generator wrote (the topic pages)."""
    hlp, htm = folder / "wlthelp.hlp", folder / "wlthelp.htm"
    env = dict(os.environ, PYTHONHASHSEED=str(seed))
    subprocess.run([sys.executable, str(GENERATOR), str(SOURCE), "--hlp", str(hlp),
                    "--htm", str(htm)], check=True, env=env)
    pages = {p.name: p.read_bytes() for p in folder.iterdir() if p not in (hlp, htm)}
    return hlp.read_bytes(), htm.read_bytes(), pages


def u16(b, at):
    return struct.unpack_from("<H", b, at)[0]


def i32(b, at):
    return struct.unpack_from("<i", b, at)[0]


def u32(b, at):
    return struct.unpack_from("<I", b, at)[0]


def cstring(b, at):
    end = b.index(b"\0", at)
    return b[at:end], end + 1


class HelpFile:
    """A WinHelp 3.1 file read into its parts."""

    def __init__(self, data):
        self.data = data
        assert u32(data, 0) == 0x00035F3F, "magic"
        assert u32(data, 12) == len(data), "file size in the header"
        self.files = {}
        for key, value in self.btree_entries(self.internal(u32(data, 4)), self.directory_entry):
            self.files[key.decode("cp1252")] = self.internal(value)

    def internal(self, offset):
        reserved, used = u32(self.data, offset), u32(self.data, offset + 4)
        assert reserved >= used + 9, "reserved space of an internal file"
        assert offset + 9 + used <= len(self.data), "internal file beyond the end"
        return self.data[offset + 9:offset + 9 + used]

    @staticmethod
    def directory_entry(page, at):
        name, at = cstring(page, at)
        return (name, u32(page, at)), at + 4

    def btree_entries(self, tree, read_entry, index_key_size=None):
        """Every leaf entry of a B+ tree, following the levels and the leaf chain."""
        assert u16(tree, 0) == 0x293B, "B+ tree magic"
        page_size, root, levels = u16(tree, 4), u16(tree, 26), u16(tree, 32)
        total = i32(tree, 34)
        pages = tree[38:]
        page = root
        for _ in range(levels - 1):         # first leaf: always the previous page
            page = u16(pages, page * page_size + 4)
        entries = []
        while page != 0xFFFF:
            base = page * page_size
            count = u16(pages, base + 2)
            at = base + 8
            for _ in range(count):
                entry, at = read_entry(pages, at)
                entries.append(entry)
            assert at <= base + page_size, "B+ tree page overflows"
            page = u16(pages, base + 6)
        assert len(entries) == total, "B+ tree entry count"
        return entries

    def system(self):
        s = self.files["|SYSTEM"]
        magic, minor, major, _, flags = struct.unpack_from("<HHHIH", s, 0)
        records, at = {}, 12
        while at + 4 <= len(s):
            kind, size = u16(s, at), u16(s, at + 2)
            records.setdefault(kind, []).append(s[at + 4:at + 4 + size])
            at += 4 + size
        assert at == len(s), "|SYSTEM records run past the end"
        return magic, minor, major, flags, records

    def topics(self):
        """Pages as a 3.1 viewer finds them: (offset, title, paragraphs),
        each paragraph a list of (text, link hash or None)."""
        t = self.files["|TOPIC"]
        assert len(t) % 4096 == 0, "|TOPIC is not whole 4 KB blocks"
        blocks = [t[i + 12:i + 4096] for i in range(0, len(t), 4096)]
        pages, position, characters, last_block = [], 12, 0, -1
        while position != 0xFFFFFFFF:
            block, offset = (position - 12) >> 14, (position - 12) & 0x3FFF
            assert block < len(blocks), "record position beyond the last block"
            if block != last_block:
                characters, last_block = 0, block
            data = blocks[block]
            size, len2, _, following, len1 = struct.unpack_from("<IIIII", data, offset)
            kind = data[offset + 20]
            assert offset + size <= len(data), "record crosses its block"
            assert len2 == size - len1, "text stored compressed"
            data1, data2 = data[offset + 21:offset + len1], data[offset + len1:offset + size]
            if kind == 0x02:
                title = data2.split(b"\0")[0].decode("cp1252")
                pages.append((block * 0x8000 + characters, title, []))
            else:
                assert kind == 0x20, f"record type {kind:#x}"
                assert pages, "text before the first topic"
                length, paragraph = self.paragraph(data1, data2)
                pages[-1][2].append(paragraph)
                characters += length
            position = following
        return pages

    @staticmethod
    def paragraph(data1, data2):
        at = 2 if data1[0] & 1 == 0 else 4          # TopicSize
        if data1[at] & 1:                           # TopicLength
            length, at = u16(data1, at) // 2, at + 2
        else:
            length, at = data1[at] // 2, at + 1
        at += 4
        bits = u16(data1, at)
        at += 2
        assert bits & 0xE081 == 0, "unknown paragraph bits"
        for flag in (0x02, 0x04, 0x08, 0x10, 0x20, 0x40):
            if bits & flag:
                at += 2 if data1[at] & 1 else 1
        assert bits & 0x100 == 0, "borders"
        if bits & 0x200:
            tabs = (data1[at] - 0x80) // 2 if data1[at] & 1 == 0 else None
            assert tabs is not None, "tab count"
            at += 1
            for _ in range(tabs):
                tab_is_long = data1[at] & 1
                stop = u16(data1, at) // 2 if tab_is_long else data1[at] // 2
                at += 2 if tab_is_long else 1
                assert stop & 0x4000 == 0, "tab kinds"
        texts = data2.split(b"\0")
        assert texts[-1] == b"", "text not NUL-terminated"
        runs, link, index = [], None, 0
        while True:
            text, code = texts[index].decode("cp1252"), data1[at]
            index += 1
            runs.append((text, link))
            if code == 0xFF:
                break
            if code == 0x80:
                at += 3
            elif code in (0x81, 0x82, 0x83):
                at += 1
            elif code in (0xE2, 0xE3, 0xE6, 0xE7):
                link = i32(data1, at + 1)
                at += 5
            elif code == 0x89:
                link = None
                at += 1
            else:
                raise AssertionError(f"formatting code {code:#x}")
        assert at + 1 == len(data1), "formatting runs past its end"
        assert index == len(texts) - 1, "texts and formatting codes do not pair"
        return length, runs

    def contexts(self):
        def read(page, at):
            return (i32(page, at), u32(page, at + 4)), at + 8
        return self.btree_entries(self.files["|CONTEXT"], read)

    def context_map(self):
        m = self.files["|CTXOMAP"]
        count = u16(m, 0)
        assert len(m) == 2 + 8 * count, "|CTXOMAP size"
        return {i32(m, 2 + 8 * i): u32(m, 6 + 8 * i) for i in range(count)}

    def keywords(self):
        data = self.files["|KWDATA"]

        def read(page, at):
            word, at = cstring(page, at)
            count, where = struct.unpack_from("<hi", page, at)
            offsets = [u32(data, where + 4 * i) for i in range(count)]
            return (word.decode("cp1252"), offsets), at + 6
        return self.btree_entries(self.files["|KWBTREE"], read)


def context_hash(name):
    """WinHelp's hash of a context name (letters, digits, '.', '_')."""
    table = {c: i + 1 for i, c in enumerate("123456789")}
    table.update({"0": 10, ".": 12, "_": 13})
    table.update({chr(ord("A") + i): 17 + i for i in range(26)})
    value = 0
    for c in name.upper():
        value = (value * 43 + table[c]) % (1 << 32)
    return value - (1 << 32) if value >= 1 << 31 else value


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links, self.headings, self.external = set(), [], [], []
        self.refresh = None
        self.first_id = self.last_id = None
        self.titles = {}            # id: the title of the heading under it
        self.in_heading = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and attrs.get("http-equiv", "").lower() == "refresh":
            self.refresh = attrs.get("content", "")
        if "id" in attrs:
            self.ids.add(attrs["id"])
            self.last_id = attrs["id"]
            self.first_id = self.first_id or attrs["id"]
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if "src" in attrs or (tag == "link" and "href" in attrs):
            self.external.append(tag)
        if tag in ("h1", "h2"):
            self.in_heading = True
            self.headings.append("")

    def handle_endtag(self, tag):
        if tag in ("h1", "h2"):
            self.in_heading = False
            self.titles[self.last_id] = self.headings[-1]

    def handle_data(self, data):
        if self.in_heading:
            self.headings[-1] += data


class HelpFileTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            cls.hlp, cls.htm, cls.topic_pages = generate(pathlib.Path(first), 1)
            cls.again = generate(pathlib.Path(second), 2)
        cls.help = HelpFile(cls.hlp)
        cls.pages = cls.help.topics()
        cls.by_offset = {offset: title for offset, title, _ in cls.pages}

    def test_same_source_gives_same_bytes(self):
        self.assertEqual(self.hlp, self.again[0], "wlthelp.hlp differs between two runs")
        self.assertEqual(self.htm, self.again[1], "wlthelp.htm differs between two runs")
        self.assertEqual(self.topic_pages, self.again[2], "the topic pages differ between two runs")
        files = [("wlthelp.hlp", self.hlp), ("wlthelp.htm", self.htm)]
        files += sorted(self.topic_pages.items())
        for target in ("win64", "win32"):
            for name, data in files:
                built = BUILD / target / name
                self.assertTrue(built.exists(), f"the build left no {built}")
                self.assertEqual(built.read_bytes(), data, f"{built} is not the current help")

    def test_system_names_the_file_and_its_window(self):
        magic, minor, major, flags, records = self.help.system()
        self.assertEqual((magic, major, flags), (0x036C, 1, 0))
        self.assertGreater(minor, 16, "not a WinHelp 3.1 file")
        self.assertEqual(records[1][0], b"Wordloft Help\0")
        self.assertEqual(self.by_offset.get(u32(records[3][0], 0)), CONTENTS_TITLE)
        window = records[6][0]
        self.assertEqual(len(window), 90, "window record size")
        self.assertTrue(u16(window, 0) & 0x06 == 0x06, "window name and caption not marked valid")
        self.assertEqual(cstring(window, 12)[0], b"main")
        self.assertEqual(cstring(window, 21)[0], b"Wordloft Help")
        fonts = self.help.files["|FONT"]
        faces, descriptors, face_at, descriptor_at = struct.unpack_from("<HHHH", fonts, 0)
        self.assertGreater(faces, 0)
        self.assertEqual(len(fonts), descriptor_at + 11 * descriptors)
        self.assertEqual(sorted(self.help.files), sorted(
            ["|CONTEXT", "|CTXOMAP", "|FONT", "|KWBTREE", "|KWDATA", "|KWMAP", "|SYSTEM",
             "|TOPIC"]))

    def test_topics_start_with_their_titles(self):
        self.assertGreaterEqual(len(self.pages), 10)
        offsets = [offset for offset, _, _ in self.pages]
        self.assertEqual(offsets, sorted(set(offsets)), "topic offsets not increasing")
        for _, title, paragraphs in self.pages:
            self.assertTrue(paragraphs, f"topic {title} is empty")
            self.assertEqual("".join(t for t, _ in paragraphs[0]), title)
            self.assertGreater(sum(len(t) for p in paragraphs for t, _ in p), 200,
                               f"topic {title} says almost nothing")

    def test_links_and_contexts_lead_to_topics(self):
        contexts = self.help.contexts()
        hashes = [h for h, _ in contexts]
        self.assertEqual(hashes, sorted(set(hashes)), "|CONTEXT not sorted by signed hash")
        for _, offset in contexts:
            self.assertIn(offset, self.by_offset, "a context leads between topics")
        known = dict(contexts)
        targets = set()
        for _, title, paragraphs in self.pages:
            for paragraph in paragraphs:
                for text, link in paragraph:
                    if link is not None and text:
                        self.assertIn(link, known, f"a link in {title} leads nowhere")
                        targets.add(self.by_offset[known[link]])
        self.assertEqual(set(self.by_offset.values()) - {CONTENTS_TITLE} - targets, set(),
                         "topics no link leads to")
        self.assertEqual(self.by_offset[known[context_hash("worddialogs")]], WORD_DIALOGS_TITLE)

    def test_context_numbers_open_the_intended_topics(self):
        mapped = {n: self.by_offset.get(o) for n, o in self.help.context_map().items()}
        self.assertEqual(mapped, {100: CONTENTS_TITLE, 104: WORD_DIALOGS_TITLE})

    def test_index_leads_to_topics(self):
        keywords = self.help.keywords()
        self.assertGreater(len(keywords), 30)
        for word, offsets in keywords:
            self.assertTrue(offsets, word)
            for offset in offsets:
                self.assertIn(offset, self.by_offset, f"index entry {word} leads nowhere")
        words = dict(keywords)
        self.assertIn(WORD_DIALOGS_TITLE, [self.by_offset[o] for o in words["Enter Word dialog"]])

    def test_web_page_has_the_same_topics_and_working_links(self):
        page = PageParser()
        page.feed(self.htm.decode("utf-8"))
        self.assertEqual(page.headings, [title for _, title, _ in self.pages])
        self.assertFalse(page.external, "the page loads other files")
        for link in page.links:
            self.assertTrue(link.startswith("#") and link[1:] in page.ids, f"link {link}")
        self.assertIn("worddialogs", page.ids)

    def test_topic_pages_lead_to_their_topics(self):
        # The program opens a topic through the page of its context number,
        # and the contents (context 100) at the top of wlthelp.htm itself; the
        # build and the release name the one such page, wlthelp-104.htm.
        contexts = {n: self.by_offset.get(o) for n, o in self.help.context_map().items()}
        self.assertEqual(sorted(self.topic_pages),
                         sorted(f"wlthelp-{n}.htm" for n in contexts if n != 100))
        self.assertEqual(sorted(self.topic_pages), ["wlthelp-104.htm"])
        page = PageParser()
        page.feed(self.htm.decode("utf-8"))
        self.assertEqual(page.first_id, "contents", "wlthelp.htm does not open at its contents")
        for name, data in self.topic_pages.items():
            topic_page = PageParser()
            topic_page.feed(data.decode("utf-8"))
            delay, _, url = (topic_page.refresh or "").partition(";")
            self.assertEqual(delay.strip(), "0", f"{name} does not send the browser on at once")
            self.assertTrue(url.strip().lower().startswith("url="), f"{name}: {topic_page.refresh}")
            target = url.strip()[4:]
            self.assertEqual(topic_page.links, [target], f"{name} offers no link to its topic")
            self.assertFalse(topic_page.external, f"{name} loads other files")
            file, _, anchor = target.partition("#")
            self.assertEqual(file, "wlthelp.htm")
            number = int(name[len("wlthelp-"):-len(".htm")])
            self.assertEqual(page.titles.get(anchor), contexts[number],
                             f"{name} leads elsewhere than context {number}")
        self.assertEqual(page.titles.get("worddialogs"), WORD_DIALOGS_TITLE)

class LanguageHelpTest(unittest.TestCase):
    """Each other language's help: the same topics, contexts and links as
    English's, its own file names, and the build's files current."""

    LANGUAGES = ("de", "fr", "es")

    @classmethod
    def setUpClass(cls):
        cls.english = PageParser()
        with tempfile.TemporaryDirectory() as folder:
            _, htm, _ = generate(pathlib.Path(folder), 1)
        cls.english.feed(htm.decode("utf-8"))
        cls.made = {}
        for code in cls.LANGUAGES:
            source = SOURCE.with_name(f"wordloft-help-{code}.txt")
            with tempfile.TemporaryDirectory() as folder:
                stem = pathlib.Path(folder) / f"wlthelp-{code}"
                subprocess.run([sys.executable, str(GENERATOR), str(source), "--hlp", f"{stem}.hlp",
                                "--htm", f"{stem}.htm"], check=True)
                cls.made[code] = {p.name: p.read_bytes() for p in pathlib.Path(folder).iterdir()}

    def test_each_language_has_the_topics_of_english(self):
        for code, files in self.made.items():
            with self.subTest(code):
                self.assertEqual(sorted(files), sorted(f"wlthelp-{code}{s}" for s in (".hlp", ".htm", "-104.htm")))
                page = PageParser()
                page.feed(files[f"wlthelp-{code}.htm"].decode("utf-8"))
                self.assertEqual(sorted(page.ids), sorted(self.english.ids))
                self.assertEqual(page.first_id, "contents")
                help = HelpFile(files[f"wlthelp-{code}.hlp"])
                by_offset = {offset: title for offset, title, _ in help.topics()}
                mapped = {n: by_offset.get(o) for n, o in help.context_map().items()}
                self.assertEqual(mapped, {100: page.titles["contents"], 104: page.titles["worddialogs"]})
                topic = PageParser()
                topic.feed(files[f"wlthelp-{code}-104.htm"].decode("utf-8"))
                self.assertEqual(topic.links, [f"wlthelp-{code}.htm#worddialogs"])
                for target in ("win64", "win32"):
                    for name, data in files.items():
                        self.assertEqual((BUILD / target / name).read_bytes(), data, f"{target}/{name} is not current")


if __name__ == "__main__":
    for i, arg in enumerate(sys.argv):
        if arg == "--build" and i + 1 < len(sys.argv):
            BUILD = pathlib.Path(sys.argv[i + 1]).resolve()
            del sys.argv[i:i + 2]
            break
    result = unittest.main(exit=False, verbosity=1).result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
