"""Reads the help source: a small line-based markup.

File settings come first, each on a line of its own:

    @title TEXT        the help file's title
    @caption TEXT      the caption of the help viewer's main window
    @copyright TEXT    the copyright line the viewer shows in its About box

Then the topics, each opened by

    @topic NAME [NUMBER ...]   NAME is the context name links use (letters,
                               digits, "_" and "."); the numbers are the
                               context numbers the program asks for
    # TITLE                    the topic's title (the next line, required)
    @keywords WORD; WORD       index entries leading to this topic

and followed by blocks separated by blank lines:

    plain lines                one paragraph (lines are joined)
    ## TEXT                    a heading inside the topic
    - TEXT                     a bulleted item (indented lines continue it)

Inside text, **TEXT** is bold, [[NAME]] links to a topic under its title and
[[NAME|TEXT]] links to it under TEXT. Lines starting with "%" are comments.
The first topic is the contents topic.
"""

import re

CONTEXT_NAME = re.compile(r"^[A-Za-z0-9_.]+$")
INLINE = re.compile(r"\*\*(.+?)\*\*|\[\[([^\]|]+)(?:\|([^\]]+))?\]\]")


class SourceError(Exception):
    pass


class Run:
    """A piece of text: kind is "text", "bold" or "link" (with target)."""

    def __init__(self, kind, text, target=None):
        self.kind, self.text, self.target = kind, text, target


class Block:
    """A paragraph: kind is "para", "heading" or "bullet"."""

    def __init__(self, kind, runs):
        self.kind, self.runs = kind, runs


class Topic:
    def __init__(self, name, numbers, line):
        self.name, self.numbers, self.line = name, numbers, line
        self.title = None
        self.keywords = []
        self.blocks = []


class Document:
    def __init__(self):
        self.settings = {"title": "", "caption": "", "copyright": ""}
        self.topics = []

    def topic(self, name):
        return next(t for t in self.topics if t.name == name)


def parse_inline(text, where):
    runs, position = [], 0
    for match in INLINE.finditer(text):
        if match.start() > position:
            runs.append(Run("text", text[position:match.start()]))
        if match.group(1) is not None:
            runs.append(Run("bold", match.group(1)))
        else:
            runs.append(Run("link", match.group(3), match.group(2).strip()))
        position = match.end()
    if position < len(text):
        runs.append(Run("text", text[position:]))
    for run in runs:
        if run.kind == "text" and ("[[" in run.text or "**" in run.text):
            raise SourceError(f"{where}: unclosed markup in {run.text!r}")
    return runs


def parse(text):
    document = Document()
    topic = None
    lines = []          # (number, text) of the block being read
    kind = None

    def finish_block():
        nonlocal lines, kind
        if lines:
            joined = " ".join(t.strip() for _, t in lines)
            topic.blocks.append(Block(kind, parse_inline(joined, f"line {lines[0][0]}")))
        lines, kind = [], None

    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        if line.startswith("%"):
            continue
        if not line:
            if topic is not None:
                finish_block()
            continue
        if line.startswith("@"):
            key, _, value = line[1:].partition(" ")
            value = value.strip()
            if key == "topic":
                if topic is not None:
                    finish_block()
                fields = value.split()
                if not fields or not CONTEXT_NAME.match(fields[0]):
                    raise SourceError(f"line {number}: bad topic name {value!r}")
                try:
                    numbers = [int(f) for f in fields[1:]]
                except ValueError:
                    raise SourceError(f"line {number}: context numbers must be integers")
                topic = Topic(fields[0], numbers, number)
                document.topics.append(topic)
            elif key == "keywords" and topic is not None:
                topic.keywords += [k.strip() for k in value.split(";") if k.strip()]
            elif key in document.settings and topic is None:
                document.settings[key] = value
            else:
                raise SourceError(f"line {number}: unknown or misplaced @{key}")
            continue
        if topic is None:
            raise SourceError(f"line {number}: text before the first @topic")
        if line.startswith("# "):
            if topic.title is not None or lines:
                raise SourceError(f"line {number}: the title must follow @topic")
            topic.title = line[2:].strip()
            continue
        if topic.title is None:
            raise SourceError(f"line {number}: topic {topic.name} has no title")
        if line.startswith("## "):
            finish_block()
            lines, kind = [(number, line[3:])], "heading"
            finish_block()
        elif line.startswith("- "):
            finish_block()
            lines, kind = [(number, line[2:])], "bullet"
        elif lines and kind == "bullet" and raw[:1] in " \t":
            lines.append((number, line))
        else:
            if kind == "bullet":
                finish_block()
            if not lines:
                kind = "para"
            lines.append((number, line))
    if topic is not None:
        finish_block()
    check(document)
    return document


def check(document):
    if not document.topics:
        raise SourceError("no topics")
    names, numbers = set(), set()
    for topic in document.topics:
        if topic.name.lower() in names:
            raise SourceError(f"line {topic.line}: topic {topic.name} defined twice")
        names.add(topic.name.lower())
        if topic.title is None:
            raise SourceError(f"line {topic.line}: topic {topic.name} has no title")
        for n in topic.numbers:
            if n in numbers:
                raise SourceError(f"line {topic.line}: context number {n} used twice")
            numbers.add(n)
    for topic in document.topics:
        for block in topic.blocks:
            for run in block.runs:
                if run.kind != "link":
                    continue
                if run.target.lower() not in names:
                    raise SourceError(f"topic {topic.name}: link to unknown topic {run.target}")
                target = next(t for t in document.topics if t.name.lower() == run.target.lower())
                run.target = target.name
                if run.text is None:
                    run.text = target.title
