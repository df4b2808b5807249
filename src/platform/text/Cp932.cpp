// Byte classes of code page 932 as Windows' own tables define them, so text is
// split the same way whatever locale the process runs in.
#include "platform/text/Cp932.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace platform::cp932 {
namespace {

struct CodeRange {
    std::uint16_t first;
    std::uint16_t last;
};

// The double-byte codes that are characters, as ranges of lead * 256 + trail.
// A range may run over bytes that are no trail bytes (0x7F, 0x00-0x3F and
// 0xFD-0xFF between two rows): only pairs of a lead and a trail byte are
// looked up.
constexpr CodeRange kCharacterCodes[] = {
    // Row 1 and 2 symbols.
    {0x8140, 0x81AC},
    {0x81B8, 0x81BF},
    {0x81C8, 0x81CE},
    {0x81DA, 0x81E8},
    {0x81F0, 0x81F7},
    {0x81FC, 0x81FC},
    // Digits, Latin letters, hiragana, katakana, Greek and Cyrillic, box drawing.
    {0x824F, 0x8258},
    {0x8260, 0x8279},
    {0x8281, 0x829A},
    {0x829F, 0x82F1},
    {0x8340, 0x8396},
    {0x839F, 0x83B6},
    {0x83BF, 0x83D6},
    {0x8440, 0x8460},
    {0x8470, 0x8491},
    {0x849F, 0x84BE},
    // NEC special characters (row 13).
    {0x8740, 0x875D},
    {0x875F, 0x8775},
    {0x877E, 0x879C},
    // Kanji of levels 1 and 2.
    {0x889F, 0x9872},
    {0x989F, 0x9FFC},
    {0xE040, 0xEAA4},
    // NEC-selected IBM extensions.
    {0xED40, 0xEEEC},
    {0xEEEF, 0xEEFC},
    // User-defined characters (F0-F9) and IBM extensions (FA-FC).
    {0xF040, 0xFC4B},
};

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsSingleByteCharacter(unsigned char byte) {
    return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF);
}

bool StartsDoubleByte(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
           IsTrailByte(static_cast<unsigned char>(text[i + 1]));
}

bool IsDoubleByteCharacter(unsigned char lead, unsigned char trail) {
    if (!IsLeadByte(lead) || !IsTrailByte(trail)) {
        return false;
    }
    const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
    const CodeRange* range =
        std::upper_bound(std::begin(kCharacterCodes), std::end(kCharacterCodes), code,
                         [](std::uint16_t c, const CodeRange& r) { return c < r.first; });
    return range != std::begin(kCharacterCodes) && code <= (range - 1)->last;
}

std::string WholeCharacters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (StartsDoubleByte(text, i)) {
            if (IsDoubleByteCharacter(byte, static_cast<unsigned char>(text[i + 1]))) {
                kept.append(text, i, 2);
            }
            ++i;
        } else if (IsSingleByteCharacter(byte)) {
            kept.push_back(text[i]);
        }
    }
    return kept;
}

std::size_t CharLengthAt(std::string_view text, std::size_t i) {
    return StartsDoubleByte(text, i) ? 2 : 1;
}

std::size_t FittingLength(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    return ClassAt(text, limit) == ByteClass::Trail ? limit - 1 : limit;
}

ByteClass ClassAt(std::string_view text, std::size_t k) {
    if (k >= text.size()) {
        return ByteClass::Single;
    }
    // A trail byte can also be a lead byte, so only a walk from the start
    // tells which role a byte plays.
    std::size_t i = 0;
    while (i < k) {
        const bool pair = StartsDoubleByte(text, i);
        if (pair && i + 1 == k) {
            return ByteClass::Trail;
        }
        i += pair ? 2 : 1;
    }
    return StartsDoubleByte(text, k) ? ByteClass::Lead : ByteClass::Single;
}

}  // namespace platform::cp932
