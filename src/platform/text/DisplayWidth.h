#pragma once

#include <string_view>

namespace platform::text {

// Columns a terminal gives UTF-8 text (East Asian Width): wide and full-width
// characters take two, combining marks none. Ambiguous characters (①, ※, Ⅱ,
// Greek, box drawing) take two everywhere: code page 932 consoles draw every
// one of them double-width, and a line measured too wide only ends early,
// while one measured too narrow wraps. Bytes that are not UTF-8 take one each.
int DisplayWidth(std::string_view utf8);

}  // namespace platform::text
