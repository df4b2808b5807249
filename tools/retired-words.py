#!/usr/bin/env python3
"""Finds the words the glossary retires, where the reader meets them: in the
Japanese user's guide (docs/ja/*.md) and in the Japanese string literals of
the program's own texts (the console lines, the help, check, show, the
viewer and the release's read-me).

The retired words are the glossary's own: every 「word」 in the column
使わない言葉 of the tables of docs/ja/glossary.md (that column is the one
place where they may stand). Dates written otherwise than 2021/12/31
(20211231, 2021-12-31, 2021年12月31日) are retired as well. The message-box
texts of src/core/MessageTexts.cpp are fixed and stay as they are: a guide
line may quote them ("XMLファイルの出力に失敗しました。") with the words they
hold.

Usage: tools/retired-words.py [SOURCE_ROOT]
Prints FILE:LINE:WORD (and the word to use) for each retired word found and
exits 1 on any; exits 0 when there is none.
"""
import importlib.util
import pathlib
import re
import sys

# The message tables are read as the message list's check reads them.
_spec = importlib.util.spec_from_file_location(
    "message_texts", pathlib.Path(__file__).with_name("message-texts.py"))
message_texts = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(message_texts)

GLOSSARY = "docs/ja/glossary.md"
RETIRED_COLUMN = "使わない言葉"
GUIDE = "docs/ja"
PROGRAM_TEXTS = ["src/core/ConsoleTexts.cpp", "src/cli/CliTexts.cpp",
                 "src/inspect/*.cpp", "src/gui/*.cpp", "tools/guide-html.py"]

# A date in any form but 2021/12/31; the digits stand alone.
DATE_FORMS = [
    re.compile(r"(?<![0-9０-９])(?:19|20)\d\d(?:0[1-9]|1[0-2])(?:0[1-9]|[12]\d|3[01])(?![0-9０-９])"),
    re.compile(r"(?<![0-9０-９])(?:19|20)\d\d-\d{1,2}-\d{1,2}(?![0-9０-９])"),
    re.compile(r"(?<![0-9０-９])(?:19|20)\d\d年\d{1,2}月\d{1,2}日"),
]
DATE_ADVICE = "2021/12/31 の形"



def glossary_tables(text):
    """For each line of the glossary, the index of the retired column when the
    line is a row of a table that has one (header and separator excluded)."""
    columns = {}
    lines = text.splitlines()
    k = 0
    while k < len(lines):
        line = lines[k]
        if line.startswith("|") and k + 1 < len(lines) and re.match(r"^\|[-| :]+\|$", lines[k + 1]):
            header = message_texts.cells(line)
            column = header.index(RETIRED_COLUMN) if RETIRED_COLUMN in header else None
            k += 2
            while k < len(lines) and lines[k].startswith("|"):
                if column is not None:
                    columns[k] = column
                k += 1
            continue
        k += 1
    return columns


def retired_words(root):
    """Each retired word with the glossary's word to use instead."""
    text = (root / GLOSSARY).read_text(encoding="utf-8")
    lines = text.splitlines()
    words = {}
    for k, column in glossary_tables(text).items():
        row = message_texts.cells(lines[k])
        if column < len(row):
            for word in re.findall(r"「([^「」]+)」", row[column]):
                words[word] = row[0]
    return words


def message_box_lines(root):
    """Every line of the fixed message-box texts, as the host shows it and with its token."""
    lines = set()
    for text in message_texts.message_boxes(root):
        for line in text.split("\n"):
            if line:
                lines.add(line)
                lines.add(line.replace(*message_texts.PACKAGE_TOKEN))
    # The longest first, so that a line inside another is masked with it.
    return sorted(lines, key=len, reverse=True)


def masked(text, fixed):
    for line in fixed:
        text = text.replace(line, " " * len(line))
    return text


def findings_in(text, words):
    """(column, word, advice) of every retired word and date in the text."""
    found = []
    for word, advice in words.items():
        for match in re.finditer(re.escape(word), text):
            found.append((match.start(), word, advice))
    for form in DATE_FORMS:
        for match in form.finditer(text):
            if match.group(0) not in words:
                found.append((match.start(), match.group(0), DATE_ADVICE))
    # A retired word inside a longer one found at the same place is told once.
    found.sort(key=lambda f: (f[0], -len(f[1])))
    told = []
    for column, word, advice in found:
        if not any(c <= column and column + len(word) <= c + len(w) for c, w, _ in told):
            told.append((column, word, advice))
    return told


def guide_findings(root, words, fixed):
    findings = []
    glossary = (root / GLOSSARY).resolve()
    for path in sorted((root / GUIDE).glob("*.md")):
        lines = path.read_text(encoding="utf-8").splitlines()
        columns = glossary_tables("\n".join(lines)) if path.resolve() == glossary else {}
        for k, line in enumerate(lines):
            if k in columns:
                row = message_texts.cells(line)
                row[columns[k]] = ""
                line = "| " + " | ".join(row) + " |"
            for _, word, advice in findings_in(masked(line, fixed), words):
                findings.append((path.relative_to(root), k + 1, word, advice))
    return findings


def string_literals(source):
    """(line, text) of each string of the C++ source: adjacent literals joined,
    comments and character literals skipped, raw strings taken whole."""
    strings = []
    k, line, n = 0, 1, len(source)
    current = None  # [line, text] of the string being joined
    while k < n:
        c = source[k]
        if c == "\n":
            line += 1
            k += 1
        elif c.isspace():
            k += 1
        elif source.startswith("//", k):
            while k < n and source[k] != "\n":
                k += 1
        elif source.startswith("/*", k):
            end = source.find("*/", k + 2)
            end = n if end < 0 else end + 2
            line += source.count("\n", k, end)
            k = end
        elif c == '"' or (c == "R" and source.startswith('R"', k) and
                          (k == 0 or not (source[k - 1].isalnum() or source[k - 1] == "_"))):
            if c == "R":
                opening = source.index("(", k)
                delimiter = ")" + source[k + 2:opening] + '"'
                end = source.index(delimiter, opening)
                text = source[opening + 1:end]
                stop = end + len(delimiter)
            else:
                stop = k + 1
                while stop < n and source[stop] != '"':
                    stop += 2 if source[stop] == "\\" else 1
                text = message_texts.literal_text(source[k:stop + 1])
                stop += 1
            if current is None:
                current = [line, ""]
                strings.append(current)
            current[1] += text
            line += source.count("\n", k, stop)
            k = stop
            continue
        elif c == "'":
            stop = k + 1
            while stop < n and source[stop] != "'":
                stop += 2 if source[stop] == "\\" else 1
            k = stop + 1
        else:
            k += 1
        if not c.isspace():
            current = None
    return strings


def program_findings(root, words):
    findings = []
    paths = sorted({path for pattern in PROGRAM_TEXTS for path in root.glob(pattern)})
    for path in paths:
        for line, text in string_literals(path.read_text(encoding="utf-8")):
            if text.isascii():
                continue
            for column, word, advice in findings_in(text, words):
                findings.append((path.relative_to(root), line + text.count("\n", 0, column),
                                 word, advice))
    return findings


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1
                        else pathlib.Path(__file__).resolve().parent.parent)
    words = retired_words(root)
    if not words:
        print(f"{root / GLOSSARY}: no retired words in the column {RETIRED_COLUMN}")
        return 1
    findings = guide_findings(root, words, message_box_lines(root)) + program_findings(root, words)
    for path, line, word, advice in findings:
        print(f"{path}:{line}:{word}（使う言葉: {advice}）")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
