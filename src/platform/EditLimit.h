#pragma once

#include <cstddef>
#include <string_view>

#include "platform/text/Cp932.h"

namespace platform {

// An edit control's text limit before the program sets one, and what a limit
// of 0 stands for, as single-line edit controls define them.
inline constexpr std::size_t kDefaultEditLimit = 30000;
inline constexpr std::size_t kLargestEditLimit = 0x7FFFFFFE;

// How many bytes of a Shift_JIS text fit in `limit` bytes: a double-byte
// character that would be cut in two is left out whole.
inline std::size_t FittingLength(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    return cp932::ClassAt(text, limit) == cp932::ByteClass::Trail ? limit - 1 : limit;
}

}  // namespace platform
