"""Writes a document of markup.py as a Windows Help file (.hlp, WinHelp 3.1).

What is written: the file header and the internal file system with its
directory as a B+ tree; |SYSTEM (title, copyright, contents topic and a
window record that names the viewer's main window); |FONT; |TOPIC in
uncompressed 4 KB blocks (a topic header record and one text record per
paragraph, with bold runs, bullets and jumps between topics); |CONTEXT
(context-name hashes to topic offsets); |CTXOMAP (context numbers to topic
offsets); |KWBTREE, |KWDATA and |KWMAP (the index). No phrase or LZ77
compression, no pictures, no |TTLBTREE. Every field is fixed by the source
alone (the creation date is 0), so the same source gives the same bytes.
"""

import struct

from markup import Run

MINOR_VERSION = 21          # WinHelp 3.1
BLOCK_SIZE = 4096           # |TOPIC block, with its 12-byte header
BLOCK_DATA = BLOCK_SIZE - 12
NO_POSITION = 0xFFFFFFFF

# Font descriptors: (bold, half-points, RGB); all Arial, Swiss family.
FACE = "Arial"
BODY, BOLD, TITLE, HEADING = range(4)
FONTS = [(0, 20, (0, 0, 0)), (1, 20, (0, 0, 0)),
         (1, 28, (0, 0, 128)), (1, 22, (0, 0, 128))]


def context_hash(name):
    """The 32-bit signed hash WinHelp uses for context names."""
    value = 0
    for c in name:
        if "A" <= c.upper() <= "Z":
            x = ord(c.upper()) - ord("A") + 17
        elif "1" <= c <= "9":
            x = ord(c) - ord("0")
        else:
            x = {"0": 10, ".": 12, "_": 13}.get(c, 0)
        if x:
            value = (value * 43 + x) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def short_u(value):         # compressed unsigned short
    return bytes([value * 2]) if value < 128 else struct.pack("<H", value * 2 + 1)


def short_s(value):         # compressed signed short
    if -64 <= value < 64:
        return bytes([(value + 64) * 2])
    return struct.pack("<H", (value + 16384) * 2 + 1)


def long_s(value):          # compressed signed long
    if -16384 <= value < 16384:
        return struct.pack("<H", (value + 16384) * 2)
    return struct.pack("<I", (value + 67108864) * 2 + 1)


def encode(text):
    return text.encode("cp1252")


# ---- paragraphs ---------------------------------------------------------

class Paragraph:
    """Builds the two halves of a text record: formatting codes (LinkData1)
    and the NUL-separated strings that precede each code (LinkData2)."""

    def __init__(self):
        self.codes, self.texts, self.pending = [], [], b""

    def code(self, data):
        self.texts.append(self.pending + b"\0")
        self.codes.append(data)
        self.pending = b""

    def font(self, number):
        self.code(b"\x80" + struct.pack("<H", number))

    def text(self, text):
        self.pending += encode(text)


# Paragraph layouts: the paragraph bits and the values they announce, in
# half-points: 0x02 space above, 0x04 space below, 0x10 left indent, 0x40
# first-line indent, 0x200 tab stops (a count, then the stops). A bullet
# hangs at the left of its text, which starts at the tab stop.
LAYOUTS = {
    "title": (0x0004, short_s(4)),
    "heading": (0x0002 | 0x0004, short_s(20) + short_s(2)),
    "para": (0x0002, short_s(12)),
    "bullet": (0x0002 | 0x0010 | 0x0040 | 0x0200,
               short_s(3) + short_s(24) + short_s(-16) + short_s(1) + short_u(24)),
}


def paragraph_record(kind, runs, hashes):
    """A text record (type 0x20) for one paragraph: its type, LinkData1,
    LinkData2 and its length in characters (for topic offsets)."""
    bits, fields = LAYOUTS[kind]
    p = Paragraph()
    base = {"title": TITLE, "heading": HEADING}.get(kind, BODY)
    p.font(base)
    if kind == "bullet":
        p.text("\u2022")
        p.code(b"\x83")
    for run in runs:
        if run.kind == "bold":
            p.font(BOLD)
            p.text(run.text)
            p.font(base)
        elif run.kind == "link":
            p.code(b"\xE3" + struct.pack("<i", hashes[run.target]))
            p.text(run.text)
            p.code(b"\x89")
        else:
            p.text(run.text)
    p.code(b"\x82")
    p.code(b"\xFF")
    text = b"".join(p.texts)
    characters = len(text) - len(p.texts) + sum(c[:1] in (b"\x82", b"\x83") for c in p.codes)
    head = long_s(len(text)) + short_u(characters) + b"\x00\x80\x00\x00" + struct.pack("<H", bits)
    return 0x20, head + fields + b"".join(p.codes), text, characters


# ---- |TOPIC -------------------------------------------------------------

class Record:
    """A TOPICLINK: a record of |TOPIC and, once laid out, its place."""

    def __init__(self, kind, data1, data2, characters=0, topic=None):
        self.kind, self.data1, self.data2 = kind, data1, data2
        self.characters, self.topic = characters, topic
        self.block = self.offset = None

    @property
    def size(self):
        return 21 + len(self.data1) + len(self.data2)

    @property
    def position(self):
        return self.block * 0x4000 + 12 + self.offset


def lay_out(records):
    """Places each record inside one block and gives every topic its
    offset: block * 0x8000 plus the characters of the text records before
    it in the same block."""
    block, used, characters = 0, 0, 0
    for record in records:
        if record.size > BLOCK_DATA:
            raise ValueError("a paragraph is too long for one topic block")
        if used + record.size > BLOCK_DATA:
            block, used, characters = block + 1, 0, 0
        record.block, record.offset = block, used
        if record.topic is not None:
            record.topic_offset = block * 0x8000 + characters
        used += record.size
        characters += record.characters
    return block + 1


def topic_records(document, hashes):
    """A topic header record (its fields filled in later) for each topic,
    followed by one text record for its title and one per paragraph."""
    records, headers = [], []
    for number, topic in enumerate(document.topics):
        header = Record(0x02, bytes(28), encode(topic.title) + b"\0", topic=topic)
        header.number = number
        records.append(header)
        headers.append(header)
        paragraphs = [("title", [Run("text", topic.title)])]
        paragraphs += [(block.kind, block.runs) for block in topic.blocks]
        for kind, runs in paragraphs:
            records.append(Record(*paragraph_record(kind, runs, hashes)))
    return records, headers


def fill_topic_headers(records, headers):
    """Topic size, the browse sequence (the order of the source), the topic
    number, the scrolling region and the next topic header."""
    for i, header in enumerate(headers):
        last = records.index(headers[i + 1]) if i + 1 < len(headers) else len(records)
        size = sum(r.size for r in records[records.index(header):last])
        previous = headers[i - 1].topic_offset if i > 0 else NO_POSITION
        following = headers[i + 1] if i + 1 < len(headers) else None
        header.data1 = struct.pack(
            "<IIIIIII", size, previous, following.topic_offset if following else NO_POSITION,
            header.number, NO_POSITION, header.topic_offset,
            following.position if following else NO_POSITION)


def topic_file(document, hashes):
    """|TOPIC in whole 4 KB blocks, and each topic's offset by name."""
    records, headers = topic_records(document, hashes)
    blocks = lay_out(records)
    fill_topic_headers(records, headers)
    data = bytearray(blocks * BLOCK_SIZE)
    for b in range(blocks):
        before = [r for r in records if r.block < b]
        first = next(r for r in records if r.block == b)
        last_header = [r for r in before if r.kind == 0x02]
        struct.pack_into("<III", data, b * BLOCK_SIZE,
                         before[-1].position if before else NO_POSITION, first.position,
                         last_header[-1].position if last_header else NO_POSITION)
    for i, record in enumerate(records):
        previous = records[i - 1].position if i > 0 else NO_POSITION
        following = records[i + 1].position if i + 1 < len(records) else NO_POSITION
        link = struct.pack("<IIIIIB", record.size, len(record.data2), previous, following,
                           21 + len(record.data1), record.kind)
        start = record.block * BLOCK_SIZE + 12 + record.offset
        data[start:start + record.size] = link + record.data1 + record.data2
    return bytes(data), {h.topic.name: h.topic_offset for h in headers}


# ---- B+ trees and the other internal files ------------------------------

def btree(structure, entries, page_size=2048, directory=False):
    """A B+ tree of one leaf page holding the given encoded entries."""
    body = b"".join(entries)
    if 8 + len(body) > page_size:
        raise ValueError(f"B+ tree {structure} needs more than one page")
    header = struct.pack("<HHH16shhhhhhi", 0x293B, 0x0402 if directory else 0x0002, page_size,
                         structure.encode(), 0, 0, 0, -1, 1, 1, len(entries))
    page = struct.pack("<Hhhh", page_size - 8 - len(body), len(entries), -1, -1) + body
    return header + page + bytes(page_size - len(page))


def system_file(document, contents_offset):
    s = document.settings
    records = [(1, encode(s["title"]) + b"\0")]
    if s["copyright"]:
        records.append((2, encode(s["copyright"]) + b"\0"))
    records.append((3, struct.pack("<I", contents_offset)))
    caption = encode(s["caption"] or s["title"])[:50]
    window = struct.pack("<H10s9s51shhhhhII", 0x0002 | 0x0004, b"", b"main", caption,
                         0, 0, 0, 0, 0, 0, 0)
    assert len(window) == 90
    records.append((6, window))
    data = struct.pack("<HHHIH", 0x036C, MINOR_VERSION, 1, 0, 0)
    return data + b"".join(struct.pack("<HH", t, len(d)) + d for t, d in records)


def font_file():
    faces = encode(FACE).ljust(32, b"\0")
    header = struct.pack("<HHHH", 1, len(FONTS), 8, 8 + len(faces))
    descriptors = b"".join(struct.pack("<BBBH3s3s", bold, size, 0x03, 0, bytes(rgb), bytes(3))
                           for bold, size, rgb in FONTS)
    return header + faces + descriptors


def keyword_files(document, offsets):
    found = {}
    for topic in document.topics:
        for keyword in topic.keywords:
            found.setdefault(keyword, [])
            if offsets[topic.name] not in found[keyword]:
                found[keyword].append(offsets[topic.name])
    entries, data = [], b""
    for keyword in sorted(found, key=lambda k: (k.lower(), k)):
        entries.append(encode(keyword) + b"\0" + struct.pack("<hi", len(found[keyword]), len(data)))
        data += b"".join(struct.pack("<I", o) for o in found[keyword])
    return btree("F24", entries, page_size=4096), data, struct.pack("<iH", 0, 0)


def write(document):
    hashes = {t.name: context_hash(t.name) for t in document.topics}
    if len(set(hashes.values())) != len(hashes):
        raise ValueError("two context names have the same hash")
    topic, offsets = topic_file(document, hashes)
    contexts = sorted((hashes[n], offsets[n]) for n in offsets)
    files = {
        "|CONTEXT": btree("L4", [struct.pack("<iI", h, o) for h, o in contexts]),
        "|CTXOMAP": struct.pack("<H", sum(len(t.numbers) for t in document.topics)) + b"".join(
            struct.pack("<iI", n, offsets[t.name]) for t in document.topics for n in t.numbers),
        "|FONT": font_file(),
        "|SYSTEM": system_file(document, offsets[document.topics[0].name]),
        "|TOPIC": topic,
    }
    if any(t.keywords for t in document.topics):
        files["|KWBTREE"], files["|KWDATA"], files["|KWMAP"] = keyword_files(document, offsets)
    return file_system(files)


def file_system(files):
    """The 16-byte header, each internal file behind its 9-byte header, and
    the directory (a B+ tree of names and offsets, sorted by byte value)."""
    out, where = bytearray(16), {}
    for name in sorted(files, key=encode):
        where[name] = len(out)
        data = files[name]
        out += struct.pack("<IIB", len(data) + 9, len(data), 4) + data
    directory = btree("z4", [encode(n) + b"\0" + struct.pack("<I", where[n])
                             for n in sorted(files, key=encode)], page_size=1024, directory=True)
    directory_start = len(out)
    out += struct.pack("<IIB", len(directory) + 9, len(directory), 4) + directory
    struct.pack_into("<IiiI", out, 0, 0x00035F3F, directory_start, -1, len(out))
    return bytes(out)
