"""Builds Wordloft's help from its source text.

    python3 tools/helpgen/helpgen.py SOURCE [--hlp OUT.hlp] [--htm OUT.htm]

writes the Windows Help file (WinHelp 3.1 format, opened by the game's
F1 and Help buttons where Windows can show it) and/or a single HTML page
with the same topics and links, with its topic pages beside it (see
htmlpage.py). The markup of SOURCE is described in markup.py. The output depends
only on SOURCE: the same source gives the same bytes. Mistakes in the
source (a link to a missing topic, a context number used twice) stop the
build with a message naming the line.
"""

import argparse
import pathlib
import sys

sys.dont_write_bytecode = True     # keep the source folder clean
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

import htmlpage   # noqa: E402
import markup     # noqa: E402
import winhelp    # noqa: E402


def write(path, data):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def main():
    parser = argparse.ArgumentParser(description="Builds the help file and its HTML twin.")
    parser.add_argument("source")
    parser.add_argument("--hlp", help="the WinHelp file to write")
    parser.add_argument("--htm", help="the HTML page to write")
    args = parser.parse_args()
    try:
        document = markup.parse(pathlib.Path(args.source).read_text(encoding="utf-8"))
        hlp = winhelp.write(document) if args.hlp else None
        htm = htmlpage.write(document) if args.htm else None
        pages = htmlpage.topic_pages(document, pathlib.Path(args.htm).stem) if args.htm else {}
    except (markup.SourceError, ValueError, UnicodeError) as error:
        print(f"{args.source}: {error}", file=sys.stderr)
        return 1
    if hlp is not None:
        write(args.hlp, hlp)
    if htm is not None:
        write(args.htm, htm)
    for name, data in pages.items():
        write(pathlib.Path(args.htm).parent / name, data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
