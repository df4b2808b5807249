#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::cp932 {

// Byte classes of code page 932 as Windows defines them (our own table, not
// the process locale).
bool IsLeadByte(unsigned char byte);
bool IsTrailByte(unsigned char byte);
// A byte that is a character by itself: ASCII and the half-width katakana.
// 0x80, 0xA0 and 0xFD to 0xFF are none, and lead bytes only begin one.
bool IsSingleByteCharacter(unsigned char byte);

// Whether a lead byte and a trail byte form a character of code page 932:
// JIS X 0208, the NEC special characters, the NEC-selected and IBM
// extensions and the user-defined area. Other pairs (85 40, EA EA, FC FC ...)
// decode to nothing, though Windows still steps over them as one.
bool IsDoubleByteCharacter(unsigned char lead, unsigned char trail);

// The text without what decodes to nothing: a lead byte without its trail
// byte, a pair that is no character (both bytes) and a byte that is no
// character by itself. Every character stays whole, and so does what is left
// when whole characters are taken out of the result: cleanings of host texts
// start from it.
std::string WholeCharacters(std::string_view text);

enum class ByteClass { Single, Lead, Trail };

// Whether a character that begins at position i (a position reached by
// walking the text from its start) is a double-byte one: a lead byte followed
// by a trail byte. Walks that step by characters use this.
bool StartsDoubleByte(std::string_view text, std::size_t i);

// 2 when a double-byte character starts at position i, else 1.
std::size_t CharLengthAt(std::string_view text, std::size_t i);

// How many bytes of the text fit in `limit` bytes without cutting a
// double-byte character in two: the one character-safe cut of the program.
std::size_t FittingLength(std::string_view text, std::size_t limit);

// Class of the byte at position k when the text is read from its start: a lead
// byte followed by a trail byte forms one double-byte character; any other
// byte stands alone. A position at or past the end is Single.
ByteClass ClassAt(std::string_view text, std::size_t k);

// Half-width to full-width mapping of LCMapStringA with LCMAP_FULLWIDTH:
// ASCII 0x20-0x7E and half-width katakana become their full-width forms; a
// half-width kana followed by a voiced or semi-voiced mark becomes one
// character where code page 932 has it. Other bytes pass unchanged.
std::string ToFullWidth(std::string_view text);

// Conversions used at the edges only (console, books file, POSIX file names).
// Empty optional when a character has no counterpart.
std::optional<std::string> ToUtf8(std::string_view cp932);
std::optional<std::string> FromUtf8(std::string_view utf8);

}  // namespace platform::cp932
