"""Writes a document of markup.py as one self-contained HTML page: every
topic is a section whose id is its context name, links jump inside the
page, and a contents list opens it. For systems without a WinHelp viewer.

Beside it go the topic pages: for every context number of a topic other
than the first, a small page NAME-NUMBER.htm (wlthelp-104.htm) that sends
the browser on to NAME.htm#topic. The program opens a topic through such a
page because it hands the browser a plain file path: an address with
"#topic" can lose its anchor on its way through a file association. The
first topic is the top of the page itself and needs none."""

import html

STYLE = """
body { font-family: Arial, Helvetica, sans-serif; font-size: 11pt; max-width: 46em;
       margin: 1em auto; padding: 0 1em; color: #000; background: #fff; line-height: 1.4; }
h1 { color: #000080; font-size: 1.6em; }
h2 { color: #000080; font-size: 1.3em; margin-top: 2em; padding-top: 0.5em;
     border-top: 1px solid #99a; }
h3 { color: #000080; font-size: 1.05em; margin-bottom: 0.2em; }
a { color: #006000; }
p.back { font-size: 0.9em; }
"""


def inline(runs):
    parts = []
    for run in runs:
        text = html.escape(run.text)
        if run.kind == "bold":
            parts.append(f"<b>{text}</b>")
        elif run.kind == "link":
            parts.append(f'<a href="#{run.target}">{text}</a>')
        else:
            parts.append(text)
    return "".join(parts)


def blocks(topic):
    out, in_list = [], False
    for block in topic.blocks:
        if block.kind == "bullet" and not in_list:
            out.append("<ul>")
            in_list = True
        if block.kind != "bullet" and in_list:
            out.append("</ul>")
            in_list = False
        tag = {"bullet": "li", "heading": "h3"}.get(block.kind, "p")
        out.append(f"<{tag}>{inline(block.runs)}</{tag}>")
    if in_list:
        out.append("</ul>")
    return out


def write(document):
    title = html.escape(document.settings["title"])
    first = document.topics[0]
    out = ["<!DOCTYPE html>", '<html lang="en">', "<head>", '<meta charset="utf-8">',
           f"<title>{title}</title>", f"<style>{STYLE}</style>", "</head>", "<body>",
           f'<h1 id="{first.name}">{html.escape(first.title)}</h1>']
    out += blocks(first)
    for topic in document.topics[1:]:
        out.append(f'<section id="{topic.name}">')
        out.append(f"<h2>{html.escape(topic.title)}</h2>")
        out += blocks(topic)
        out.append(f'<p class="back"><a href="#{first.name}">Back to the contents</a></p>')
        out.append("</section>")
    if document.settings["copyright"]:
        out.append(f"<hr><p>{html.escape(document.settings['copyright'])}</p>")
    out += ["</body>", "</html>", ""]
    return "\n".join(out).encode("utf-8")


def topic_page_name(stem, number):
    return f"{stem}-{number}.htm"


def topic_pages(document, stem):
    """{file name: bytes} of the topic pages that lead into STEM.htm."""
    pages = {}
    for topic in document.topics[1:]:
        target = html.escape(f"{stem}.htm#{topic.name}")
        title = html.escape(topic.title)
        caption = html.escape(f"{topic.title} - {document.settings['title']}")
        for number in topic.numbers:
            out = ["<!DOCTYPE html>", '<html lang="en">', "<head>", '<meta charset="utf-8">',
                   f'<meta http-equiv="refresh" content="0; url={target}">',
                   f"<title>{caption}</title>", "</head>", "<body>",
                   f'<p><a href="{target}">{title}</a></p>', "</body>", "</html>", ""]
            pages[topic_page_name(stem, number)] = "\n".join(out).encode("utf-8")
    return pages
