#!/usr/bin/env python3
"""Turns the What's New text (a small Markdown subset) into the editor's Tips.rtf.

Understood: "# " and "## " headings, "- " bullet lines, blank lines between paragraphs, and
**bold** inside a line. Everything else is plain text. Characters outside ASCII are written as
code-page 1252 escapes, which is what the rich-edit control reads the file as.

Usage: make_tips_rtf.py INPUT.md OUTPUT.rtf
"""
import re
import sys


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.extend("\\'%02x" % b for b in ch.encode("cp1252"))
            except UnicodeEncodeError:
                out.append("\\u%d?" % (ord(ch) if ord(ch) < 32768 else ord(ch) - 65536))
    return "".join(out)


def inline(text):
    parts = re.split(r"\*\*(.+?)\*\*", text)
    return "".join(escape(p) if i % 2 == 0 else "{\\b " + escape(p) + "}" for i, p in enumerate(parts))


def convert(lines):
    body = []
    paragraph = []

    def flush():
        if paragraph:
            body.append("\\pard\\sa120\\fs20 " + inline(" ".join(paragraph)) + "\\par")
            paragraph.clear()

    for raw in lines:
        line = raw.rstrip()
        if not line.strip():
            flush()
        elif line.startswith("## "):
            flush()
            body.append("\\pard\\sb120\\sa60\\b\\fs24 " + inline(line[3:]) + "\\b0\\par")
        elif line.startswith("# "):
            flush()
            body.append("\\pard\\sa120\\b\\fs32\\cf1 " + inline(line[2:]) + "\\cf0\\b0\\par")
        elif line.startswith("- "):
            flush()
            body.append("\\pard\\fi-240\\li360\\tx360\\sa60\\fs20 \\bullet\\tab " + inline(line[2:]) + "\\par")
        else:
            paragraph.append(line.strip())
    flush()
    header = ("{\\rtf1\\ansi\\ansicpg1252\\deff0"
              "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
              "{\\colortbl;\\red25\\green60\\blue160;}")
    return header + "\n" + "\n".join(body) + "\n}\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        rtf = convert(f.read().splitlines())
    with open(sys.argv[2], "w", encoding="ascii", newline="\r\n") as f:
        f.write(rtf)


if __name__ == "__main__":
    main()
