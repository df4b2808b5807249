#!/usr/bin/env python3
"""Lists every message text the program shows, from its own tables: the
message boxes (src/core/MessageTexts.cpp) and every console line of the
front end and the read-back, with the reasons they give (src/core/ConsoleTexts.cpp,
both languages). Line breaks inside a
message are written <br>, as the guide's tables write them.

Usage: tools/message-texts.py [--check GUIDE.md] [SOURCE_ROOT]
With --check, prints each text that is no table cell of the guide and exits 1
on any.
"""
import pathlib
import re
import sys

LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {"n": "\n", '"': '"', "\\": "\\", "t": "\t", "'": "'", "r": "\r", "0": "\0"}


def literal_text(code):
    """The joined value of adjacent C++ string literals."""
    return "".join(re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), body)
                   for body in LITERAL.findall(code))


def table(source, name):
    """The body of `name[] = { ... };` in the source."""
    start = source.index(name + "[] = {")
    return source[start:source.index("\n};", start)]


def message_boxes(root):
    body = table((root / "src/core/MessageTexts.cpp").read_text(encoding="utf-8"), "kMessages")
    rows = re.findall(r"\{Message::\w+,((?:\s*\"(?:[^\"\\]|\\.)*\")+)\}", body)
    return [literal_text(row) for row in rows]


def console_texts(root):
    source = (root / "src/core/ConsoleTexts.cpp").read_text(encoding="utf-8")
    texts = []
    for name in ("kLines", "kReasons"):
        for english, japanese in re.findall(
                r"\{((?:\s*\"(?:[^\"\\]|\\.)*\")+),((?:\s*\"(?:[^\"\\]|\\.)*\")+)\}",
                table(source, name)):
            english = literal_text(english)
            if " " in english:  # a sentence, not the name of a kind of usage error
                texts.append(english)
            texts.append(literal_text(japanese))
    return texts


# The host shows its package name in place of this token.
PACKAGE_TOKEN = ("ES_APRPACKAGENAME", "Tellary２１")


def all_texts(root):
    return [text.replace("\n", "<br>").replace(*PACKAGE_TOKEN)
            for text in message_boxes(root) + console_texts(root)]


def cells(line):
    """The cells of one line of a table, as written."""
    return [cell.strip() for cell in re.split(r"(?<!\\)\|", line.strip()[1:-1])]


def table_cells(markdown):
    """Every cell of the guide's tables, as written."""
    return [cell for line in markdown.splitlines() if line.startswith("|")
            for cell in cells(line)]


def main():
    args = sys.argv[1:]
    guide = None
    if args[:1] == ["--check"]:
        guide, args = pathlib.Path(args[1]), args[2:]
    root = pathlib.Path(args[0] if args else ".")
    texts = all_texts(root)
    if guide is None:
        print("\n".join(texts))
        return 0
    cells = table_cells(guide.read_text(encoding="utf-8"))
    # "{}" stands for a figure the program fills in.
    missing = [text for text in texts
               if not any(re.fullmatch(re.escape(text).replace(r"\{\}", r"\S+"), cell)
                          for cell in cells)]
    for text in missing:
        print(f"{guide}: no row for the message: {text}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
