#!/usr/bin/env python3
"""Checks the shape of src/: folders include only folders below them, and
functions and files stay short enough to read.

Usage: tools/check-structure.py [SRC_DIR]. Prints each breach and exits 1 on any.
"""
import pathlib
import re
import sys

# Lowest first. A folder may include itself and any folder before it.
FLOORS = ["platform", "hostapi", "core", "reportformat", "aggregation", "report", "inspect",
          "dialog", "app", "cli", "gui"]
LONGEST_FUNCTION = 80
LONGEST_FILE = 400
# The run's start-up reads as its steps, each a call.
NAMED_LIMITS = {"CExportApp::InitInstance": 60}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')
TYPE_SCOPE = re.compile(r"\b(class|struct|union|enum)\b[^()]*$")
NAMESPACE_SCOPE = re.compile(r"^(inline\s+)?namespace\b|^extern\s+\"C\"")
CONTROL = re.compile(r"^(if|for|while|switch|do|else|try|catch|return)\b")
SIGNATURE_NAME = re.compile(r"([\w:~]+|operator\s*\S+)\s*\(")


def floor_of(folder):
    return FLOORS.index(folder) if folder in FLOORS else None


def check_includes(path, folder, lines):
    own = floor_of(folder)
    for number, line in enumerate(lines, 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        target = match.group(1)
        if target == "resources" and folder == "core":
            continue  # the product's resources enter through core alone
        level = floor_of(target)
        if level is None or own is None or level > own:
            yield f"{path}:{number}: {folder} includes {target}/, which is not below it"


def code_of(lines):
    """The lines with comments, string and character literals blanked, so that
    only the code's own braces remain; raw strings may span lines."""
    out = []
    raw_end = None
    for line in lines:
        kept = []
        i = 0
        while i < len(line):
            if raw_end is not None:
                end = line.find(raw_end, i)
                if end < 0:
                    i = len(line)
                    continue
                i = end + len(raw_end)
                raw_end = None
                kept.append('""')
                continue
            c = line[i]
            if line.startswith("//", i):
                break
            match = re.match(r'R"([^(\s]*)\(', line[i:])
            if match:
                raw_end = ")" + match.group(1) + '"'
                i += match.end()
                continue
            if c in "\"'":
                j = i + 1
                while j < len(line) and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                kept.append(c + c)
                i = j + 1
                continue
            kept.append(c)
            i += 1
        out.append("".join(kept))
    return out


def functions(lines):
    """(name, first line, line count) of each function defined at namespace
    level or inside a class, found by the braces of the code."""
    scopes = []  # (kind, name, first line) of each open brace
    statement, start = "", None
    for number, line in enumerate(code_of(lines), 1):
        if line.lstrip().startswith("#"):
            continue
        for c in line:
            if c == "{":
                text = " ".join(statement.split())
                outer = scopes[-1][0] if scopes else "namespace"
                kind, name = "block", None
                if NAMESPACE_SCOPE.search(text):
                    kind = "namespace"
                elif TYPE_SCOPE.search(text) and "=" not in text:
                    kind = "type"
                elif outer in ("namespace", "type") and "(" in text and not CONTROL.match(text) \
                        and not re.match(r"^[^(]*=", text):
                    match = SIGNATURE_NAME.search(text)
                    if match:
                        kind, name = "function", match.group(1)
                scopes.append((kind, name, start if start is not None else number))
                statement, start = "", None
            elif c == "}":
                if scopes:
                    kind, name, first = scopes.pop()
                    if kind == "function":
                        yield name, first, number - first + 1
                statement, start = "", None
            elif c == ";":
                statement, start = "", None
            else:
                if start is None and not c.isspace():
                    start = number
                statement += c
        statement += " "


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    breaches = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src).parts[0]
        lines = path.read_text(encoding="utf-8").splitlines()
        breaches += check_includes(path, folder, lines)
        if len(lines) > LONGEST_FILE:
            breaches.append(f"{path}: {len(lines)} lines (at most {LONGEST_FILE})")
        for name, first, count in functions(lines):
            limit = NAMED_LIMITS.get(name, LONGEST_FUNCTION)
            if count > limit:
                breaches.append(f"{path}:{first}: {name} has {count} lines (at most {limit})")
    for breach in breaches:
        print(breach)
    print(f"structure: {len(breaches)} breaches")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
