// C0 controls and DEL become their control pictures (U+2400-U+2421, one
// column each, so layouts keep their widths roughly); C1 controls and bytes
// that are no UTF-8 become their code in hexadecimal, since a terminal may
// take a lone 0x9B as the start of an escape sequence too.
#include "platform/text/TerminalText.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace platform::text {
namespace {

constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kFirstC1 = 0x80;
constexpr char32_t kLastC1 = 0x9F;

void AppendUtf8(std::string& out, char32_t c) {
    // Only the control pictures come here: three bytes each.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

void AppendHex(std::string& out, const char* format, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

// Length of the well-formed UTF-8 sequence at i and its code point in `c`;
// 0 when there is none.
std::size_t Decode(std::string_view text, std::size_t i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (next & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c < min || c > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string ForTerminal(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        const std::size_t length = Decode(utf8, i, c);
        if (length == 0) {
            AppendHex(out, "<%02X>", static_cast<unsigned char>(utf8[i]));
            ++i;
            continue;
        }
        if (c < 0x20 && c != '\n' && c != '\t') {
            AppendUtf8(out, kControlPictures + c);
        } else if (c == kDelete) {
            AppendUtf8(out, kDeletePicture);
        } else if (c >= kFirstC1 && c <= kLastC1) {
            AppendHex(out, "<U+%04X>", static_cast<unsigned>(c));
        } else {
            out.append(utf8.substr(i, length));
        }
        i += length;
    }
    return out;
}

}  // namespace platform::text
