#include "platform/text/DisplayWidth.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace platform::text {

namespace {

struct Range {
    std::uint32_t first, last;
    int columns;
};

// Sorted, not overlapping: East Asian Wide, Full-width and Ambiguous (two
// columns) and the combining marks (none). Everything else takes one.
constexpr std::array kRanges = {
    Range{0x00A1, 0x00A1, 2},   Range{0x00A4, 0x00A4, 2},   Range{0x00A7, 0x00A8, 2},
    Range{0x00AA, 0x00AA, 2},   Range{0x00AD, 0x00AE, 2},   Range{0x00B0, 0x00B4, 2},
    Range{0x00B6, 0x00BA, 2},   Range{0x00BC, 0x00BF, 2},   Range{0x00C6, 0x00C6, 2},
    Range{0x00D0, 0x00D0, 2},   Range{0x00D7, 0x00D8, 2},   Range{0x00DE, 0x00E1, 2},
    Range{0x00E6, 0x00E6, 2},   Range{0x00E8, 0x00EA, 2},   Range{0x00EC, 0x00ED, 2},
    Range{0x00F0, 0x00F0, 2},   Range{0x00F2, 0x00F3, 2},   Range{0x00F7, 0x00FA, 2},
    Range{0x00FC, 0x00FC, 2},   Range{0x00FE, 0x00FE, 2},   Range{0x0300, 0x036F, 0},
    Range{0x0391, 0x03A9, 2},   Range{0x03B1, 0x03C9, 2},   Range{0x0401, 0x0401, 2},
    Range{0x0410, 0x044F, 2},   Range{0x0451, 0x0451, 2},   Range{0x1100, 0x115F, 2},
    Range{0x200B, 0x200F, 0},   Range{0x2010, 0x2010, 2},   Range{0x2013, 0x2016, 2},
    Range{0x2018, 0x2019, 2},   Range{0x201C, 0x201D, 2},   Range{0x2020, 0x2022, 2},
    Range{0x2024, 0x2027, 2},   Range{0x2030, 0x2030, 2},   Range{0x2032, 0x2033, 2},
    Range{0x2035, 0x2035, 2},   Range{0x203B, 0x203B, 2},   Range{0x203E, 0x203E, 2},
    Range{0x20AC, 0x20AC, 2},   Range{0x2103, 0x2103, 2},   Range{0x2105, 0x2105, 2},
    Range{0x2109, 0x2109, 2},   Range{0x2113, 0x2113, 2},   Range{0x2116, 0x2116, 2},
    Range{0x2121, 0x2122, 2},   Range{0x2126, 0x2126, 2},   Range{0x212B, 0x212B, 2},
    Range{0x2153, 0x2154, 2},   Range{0x215B, 0x215E, 2},   Range{0x2160, 0x216B, 2},
    Range{0x2170, 0x2179, 2},   Range{0x2190, 0x2199, 2},   Range{0x21D2, 0x21D2, 2},
    Range{0x21D4, 0x21D4, 2},   Range{0x2200, 0x2200, 2},   Range{0x2202, 0x2203, 2},
    Range{0x2207, 0x2208, 2},   Range{0x220B, 0x220B, 2},   Range{0x220F, 0x220F, 2},
    Range{0x2211, 0x2211, 2},   Range{0x221A, 0x221A, 2},   Range{0x221D, 0x2220, 2},
    Range{0x2225, 0x2225, 2},   Range{0x2227, 0x222C, 2},   Range{0x222E, 0x222E, 2},
    Range{0x2234, 0x2235, 2},   Range{0x223D, 0x223D, 2},   Range{0x2252, 0x2252, 2},
    Range{0x2260, 0x2261, 2},   Range{0x2266, 0x2267, 2},   Range{0x226A, 0x226B, 2},
    Range{0x2282, 0x2283, 2},   Range{0x2286, 0x2287, 2},   Range{0x22A5, 0x22A5, 2},
    Range{0x22BF, 0x22BF, 2},   Range{0x2312, 0x2312, 2},   Range{0x2329, 0x232A, 2},
    Range{0x2460, 0x24E9, 2},   Range{0x24EB, 0x254B, 2},   Range{0x2550, 0x2573, 2},
    Range{0x2580, 0x258F, 2},   Range{0x2592, 0x2595, 2},   Range{0x25A0, 0x25A1, 2},
    Range{0x25A3, 0x25A9, 2},   Range{0x25B2, 0x25B3, 2},   Range{0x25B6, 0x25B7, 2},
    Range{0x25BC, 0x25BD, 2},   Range{0x25C0, 0x25C1, 2},   Range{0x25C6, 0x25C8, 2},
    Range{0x25CB, 0x25CB, 2},   Range{0x25CE, 0x25D1, 2},   Range{0x25E2, 0x25E5, 2},
    Range{0x25EF, 0x25EF, 2},   Range{0x2605, 0x2606, 2},   Range{0x2609, 0x2609, 2},
    Range{0x260E, 0x260F, 2},   Range{0x261C, 0x261C, 2},   Range{0x261E, 0x261E, 2},
    Range{0x2640, 0x2640, 2},   Range{0x2642, 0x2642, 2},   Range{0x2660, 0x2661, 2},
    Range{0x2663, 0x2665, 2},   Range{0x2667, 0x266A, 2},   Range{0x266C, 0x266D, 2},
    Range{0x266F, 0x266F, 2},   Range{0x2776, 0x277F, 2},   Range{0x2E80, 0x303E, 2},
    Range{0x3041, 0x3098, 2},   Range{0x3099, 0x309A, 0},   Range{0x309B, 0x33FF, 2},
    Range{0x3400, 0x4DBF, 2},   Range{0x4E00, 0x9FFF, 2},   Range{0xA000, 0xA4CF, 2},
    Range{0xA960, 0xA97F, 2},   Range{0xAC00, 0xD7A3, 2},   Range{0xE000, 0xF8FF, 2},
    Range{0xF900, 0xFAFF, 2},   Range{0xFE00, 0xFE0F, 0},   Range{0xFE10, 0xFE19, 2},
    Range{0xFE20, 0xFE2F, 0},   Range{0xFE30, 0xFE6F, 2},   Range{0xFF00, 0xFF60, 2},
    Range{0xFFE0, 0xFFE6, 2},   Range{0xFFFD, 0xFFFD, 2},   Range{0x1F300, 0x1F64F, 2},
    Range{0x1F900, 0x1F9FF, 2}, Range{0x20000, 0x2FFFD, 2}, Range{0x30000, 0x3FFFD, 2},
};

int Columns(std::uint32_t cp) {
    const auto* at = std::upper_bound(kRanges.begin(), kRanges.end(), cp,
                                      [](std::uint32_t c, const Range& r) { return c < r.first; });
    if (at != kRanges.begin() && cp <= (at - 1)->last) {
        return (at - 1)->columns;
    }
    return 1;
}

// Length of the UTF-8 sequence at `i` and its code point; a byte that does
// not start a whole sequence stands alone (code point 0: one column).
std::size_t Decode(std::string_view text, std::size_t i, std::uint32_t& cp) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t length = b < 0x80             ? 1
                               : (b & 0xE0) == 0xC0 ? 2
                               : (b & 0xF0) == 0xE0 ? 3
                               : (b & 0xF8) == 0xF0 ? 4
                                                    : 0;
    if (length == 1) {
        cp = b;
        return 1;
    }
    if (length == 0 || i + length > text.size()) {
        cp = 0;
        return 1;
    }
    cp = b & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) {
            cp = 0;
            return 1;
        }
        cp = (cp << 6) | (c & 0x3Fu);
    }
    return length;
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        i += Decode(utf8, i, cp);
        width += Columns(cp);
    }
    return width;
}

}  // namespace platform::text
