// Byte classes of code page 932 as Windows' own tables define them, so text is
// split the same way whatever locale the process runs in.
#include "platform/text/Cp932.h"

#include <cstddef>
#include <string_view>

namespace platform::cp932 {

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
