#!/usr/bin/env python3
"""Writes a copy of a program source whose narrow literals come out as code
page 932 under a compiler without -fexec-charset=CP932 (clang).

Every non-ASCII character becomes the octal escapes of its code page 932
bytes. Octal, because a hex escape would swallow a following digit; escapes,
because a trail byte may be 0x5C and would start an escape itself. Comments
get the same treatment, harmlessly. The bytes come from glibc's iconv, which
writes what Windows writes (Python's cp932 codec does not). A `#line` keeps
diagnostics and stack traces on the original file and lines, naming it NAME
(a path relative to the build folder keeps the copy the same in every clone).

    cp932-literals.py SOURCE OUTPUT NAME
"""
import os
import subprocess
import sys


def cp932_bytes(characters):
    """Each character's bytes; None where code page 932 lacks it."""
    # One call for all of them; a line feed is never part of a double-byte code.
    done = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"],
                          input="\n".join(characters).encode(), capture_output=True)
    if done.returncode == 0:
        return dict(zip(characters, done.stdout.split(b"\n")))
    result = {}
    for ch in characters:
        done = subprocess.run(["iconv", "-f", "UTF-8", "-t", "CP932"], input=ch.encode(),
                              capture_output=True)
        result[ch] = done.stdout if done.returncode == 0 else None
    return result


def main(source, output, name):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    wide = sorted({ch for ch in text if ord(ch) > 0x7F})
    if wide and 'R"' in text:
        sys.exit(f"{source}: raw string literals and non-ASCII text; escapes would show in them")
    table = cp932_bytes(wide)
    pieces = []
    for ch in text:
        if ord(ch) <= 0x7F:
            pieces.append(ch)
        elif table[ch] is None:
            # g++ refuses such a character in a literal; in a comment it is harmless.
            pieces.append("?")
        else:
            pieces.append("".join(f"\\{b:03o}" for b in table[ch]))
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w", encoding="ascii", newline="") as f:
        f.write(f'#line 1 "{name}"\n')
        f.write("".join(pieces))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3])
