#!/usr/bin/env python3
"""Writes tests/platform/Cp932Reference.inc: code page 932 byte classes, the
two-byte codes that are characters and full-width forms, derived from the system's iconv "CP932" and Python's
unicodedata, independently of the program's own tables.

Python's cp932 codec is not used: for characters with both an NEC and an IBM
code it writes the NEC one, while Windows and glibc write the IBM one.

Run by hand and commit the output:
    python3 tools/gen-cp932-reference.py [OUTPUT]
"""

import ctypes
import ctypes.util
import pathlib
import shutil
import subprocess
import sys
import unicodedata

REPO = pathlib.Path(__file__).resolve().parent.parent
DEFAULT_OUTPUT = REPO / "tests" / "platform" / "Cp932Reference.inc"

VOICED_MARK = 0xDE
SEMI_VOICED_MARK = 0xDF


class Iconv:
    """One direction of glibc's iconv, called directly so that 65536 byte
    pairs take a moment rather than 65536 processes."""

    _libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
    _libc.iconv_open.restype = ctypes.c_void_p
    _libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    _libc.iconv.restype = ctypes.c_size_t
    _libc.iconv.argtypes = [
        ctypes.c_void_p,
        ctypes.POINTER(ctypes.c_char_p),
        ctypes.POINTER(ctypes.c_size_t),
        ctypes.POINTER(ctypes.c_char_p),
        ctypes.POINTER(ctypes.c_size_t),
    ]
    _libc.iconv_close.argtypes = [ctypes.c_void_p]
    _failed = ctypes.c_size_t(-1).value

    def __init__(self, to_code, from_code):
        self._cd = self._libc.iconv_open(to_code.encode(), from_code.encode())
        if self._cd is None or self._cd == ctypes.c_void_p(-1).value:
            sys.exit(f"iconv has no conversion {from_code} -> {to_code}")

    def __call__(self, data):
        """The converted bytes, or None when any part of data does not
        convert exactly."""
        self._libc.iconv(self._cd, None, None, None, None)
        in_buffer = ctypes.create_string_buffer(data, len(data))
        out_buffer = ctypes.create_string_buffer(len(data) * 4 + 16)
        in_pointer = ctypes.cast(in_buffer, ctypes.c_char_p)
        out_pointer = ctypes.cast(out_buffer, ctypes.c_char_p)
        in_left = ctypes.c_size_t(len(data))
        out_left = ctypes.c_size_t(len(out_buffer))
        result = self._libc.iconv(
            self._cd,
            ctypes.byref(in_pointer),
            ctypes.byref(in_left),
            ctypes.byref(out_pointer),
            ctypes.byref(out_left),
        )
        if result != 0 or in_left.value != 0:
            return None
        return out_buffer.raw[: len(out_buffer) - out_left.value]


_decoder = Iconv("UTF-8", "CP932")
_encoder = Iconv("CP932", "UTF-8")


def decode(data):
    utf8 = _decoder(data)
    return None if utf8 is None else utf8.decode("utf-8")


def encode(text):
    """CP932 bytes of text, or None when a character has no code of its own
    (glibc also accepts a few best-fit characters, such as U+00A5 for 0x5C,
    which do not come back unchanged)."""
    data = _encoder(text.encode("utf-8"))
    if data is None or decode(data) != text:
        return None
    return data


def byte_classes():
    single = [b for b in range(256) if _is_one_char(decode(bytes([b])))]
    pairs = {
        b: [t for t in range(256) if _is_one_char(decode(bytes([b, t])))]
        for b in range(256)
    }
    lead = [b for b in range(256) if pairs[b]]
    trail = sorted({t for b in lead for t in pairs[b]})
    return single, lead, trail


def character_pairs():
    """Runs of consecutive two-byte codes that decode as one character, as
    (first, last) codes."""
    runs = []
    for code in range(0x8100, 0x10000):
        if not _is_one_char(decode(code.to_bytes(2, "big"))):
            continue
        if runs and runs[-1][1] + 1 == code:
            runs[-1][1] = code
        else:
            runs.append([code, code])
    return runs


def _is_one_char(text):
    return text is not None and len(text) == 1


def wide_forms():
    """Full-width character of each ASCII character, from the <wide>
    decompositions (U+3000 for the space, U+FF01-FF5E for the rest)."""
    forms = {}
    for code in [0x3000] + list(range(0xFF01, 0xFF5F)):
        tag, _, base = unicodedata.decomposition(chr(code)).partition(" ")
        if tag != "<wide>":
            sys.exit(f"U+{code:04X} is not a wide form")
        forms[chr(int(base, 16))] = chr(code)
    return forms


def spacing_form(mark):
    """The spacing character whose compatibility decomposition is a space
    followed by the combining mark (U+309B for U+3099, U+309C for U+309A)."""
    wanted = f"<compat> 0020 {ord(mark):04X}"
    for code in range(0x3000, 0x3100):
        if unicodedata.decomposition(chr(code)) == wanted:
            return chr(code)
    sys.exit(f"no spacing form of U+{ord(mark):04X}")


def full_width_of_kana(byte):
    """Full-width character of one half-width katakana byte."""
    text = unicodedata.normalize("NFKC", decode(bytes([byte])))
    if len(text) != 1:
        sys.exit(f"0x{byte:02X} does not widen to one character")
    if unicodedata.combining(text):
        text = spacing_form(text)
    return text


def must_encode(text):
    data = encode(text)
    if data is None:
        sys.exit(f"iconv CP932 cannot encode {text!r}")
    return data


def literal(data):
    return '"' + "".join(f"\\x{b:02X}" for b in data) + '"'


def entry(half, full, comment):
    return f"    {{{literal(half)}, {literal(full)}}},  // {comment}"


def byte_list(name, comment, values):
    lines = [f"// {comment}", f"inline constexpr unsigned char {name}[] = {{"]
    for start in range(0, len(values), 16):
        chunk = ", ".join(f"0x{v:02X}" for v in values[start : start + 16])
        lines.append(f"    {chunk},")
    lines.append("};")
    return lines


def range_list(name, comment, runs):
    lines = [f"// {comment}", f"inline constexpr CodeRun {name}[] = {{"]
    for start in range(0, len(runs), 6):
        chunk = ", ".join(f"{{0x{a:04X}, 0x{b:04X}}}" for a, b in runs[start : start + 6])
        lines.append(f"    {chunk},")
    lines.append("};")
    return lines


def entry_list(name, comment, entries):
    return [f"// {comment}", f"inline constexpr FullWidthEntry {name}[] = {{", *entries, "};"]


def main():
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUTPUT
    single, lead, trail = byte_classes()
    pairs = character_pairs()

    wide = wide_forms()
    ascii_entries = []
    for byte in range(0x20, 0x7F):
        full = wide[chr(byte)]
        ascii_entries.append(
            entry(bytes([byte]), must_encode(full), unicodedata.name(full))
        )

    kana = range(0xA1, 0xE0)
    kana_full = {byte: full_width_of_kana(byte) for byte in kana}
    kana_entries = [
        entry(bytes([byte]), must_encode(kana_full[byte]), unicodedata.name(kana_full[byte]))
        for byte in kana
    ]

    composed_entries = []
    separate_entries = []
    for byte in kana:
        for mark in (VOICED_MARK, SEMI_VOICED_MARK):
            half = bytes([byte, mark])
            composed = unicodedata.normalize("NFKC", decode(half))
            data = encode(composed) if len(composed) == 1 else None
            if data is not None:
                composed_entries.append(entry(half, data, unicodedata.name(composed)))
                continue
            full = kana_full[byte] + kana_full[mark]
            if len(composed) == 1:
                comment = f"{unicodedata.name(composed)} is not in CP932"
            else:
                comment = "no composed character"
            separate_entries.append(entry(half, must_encode(full), comment))

    lines = [
        "// Generated by tools/gen-cp932-reference.py from glibc's iconv CP932 and",
        f"// Python {sys.version_info.major}.{sys.version_info.minor} unicodedata "
        f"(Unicode {unicodedata.unidata_version}). Do not edit.",
        "",
        "namespace cp932_reference {",
        "",
        *byte_list("kSingleBytes", "Bytes that decode as one character by themselves.", single),
        "",
        *byte_list("kLeadBytes", "Bytes that begin some two-byte character.", lead),
        "",
        *byte_list("kTrailBytes", "Bytes that end some two-byte character.", trail),
        "",
        "struct CodeRun {",
        "    unsigned first;",
        "    unsigned last;",
        "};",
        "",
        *range_list(
            "kCharacterPairs",
            "Two-byte codes (lead * 256 + trail) that decode as one character.",
            pairs,
        ),
        "",
        "struct FullWidthEntry {",
        "    const char* half;",
        "    const char* full;",
        "};",
        "",
        *entry_list("kFullWidthAscii", "ASCII 0x20-0x7E.", ascii_entries),
        "",
        *entry_list("kFullWidthKana", "Half-width katakana 0xA1-0xDF.", kana_entries),
        "",
        *entry_list(
            "kFullWidthComposed",
            "Half-width kana and mark that become one character.",
            composed_entries,
        ),
        "",
        *entry_list(
            "kFullWidthSeparate",
            "Half-width kana and mark that stay two characters.",
            separate_entries,
        ),
        "",
        "}  // namespace cp932_reference",
        "",
    ]
    output.write_text("\n".join(lines), encoding="ascii")
    # The repository's own formatting, so the file stays as committed when
    # the formatter runs over the tree.
    if shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i", str(output)], cwd=REPO, check=True)
    print(
        f"{output}: {len(single)} single, {len(lead)} lead, {len(trail)} trail bytes, "
        f"{sum(b - a + 1 for a, b in pairs)} two-byte characters; "
        f"{len(ascii_entries)} ASCII, {len(kana_entries)} kana, "
        f"{len(composed_entries)} composed, {len(separate_entries)} separate"
    )


if __name__ == "__main__":
    main()
