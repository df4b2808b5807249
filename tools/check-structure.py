#!/usr/bin/env python3
"""Checks the shape of src/: folders include only folders below them, and
functions and files stay short enough to read.

Usage: tools/check-structure.py [SRC_DIR]. Prints each breach and exits 1 on any.
"""
import pathlib
import re
import sys

# Lowest first. A folder may include itself and any folder before it.
FLOORS = ["platform", "hostapi", "core", "aggregation", "report", "inspect", "dialog", "app",
          "cli", "gui"]
LONGEST_FUNCTION = 80
LONGEST_FILE = 400
# The run's start-up reads as its steps, each a call.
NAMED_LIMITS = {"CExportApp::InitInstance": 60}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')
# A definition at namespace level starts at the line's first column.
FUNCTION_START = re.compile(r"^[A-Za-z_][\w:<>,\s\*&~]*?\b([\w:~]+)\([^;]*$")


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


def functions(lines):
    """(name, first line, line count) of each definition that starts and ends at column 0."""
    start = None
    name = None
    for number, line in enumerate(lines, 1):
        if start is None:
            match = FUNCTION_START.match(line)
            if match and not line.startswith(("namespace", "class", "struct", "enum", "#")):
                start, name = number, match.group(1)
        elif line.startswith("}"):
            yield name, start, number - start + 1
            start = None
        elif line and not line[0].isspace() and line.rstrip().endswith(";"):
            start = None  # a declaration that spanned lines


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
