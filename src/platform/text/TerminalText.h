#pragma once

#include <string>
#include <string_view>

namespace platform::text {

// Control characters (C0 other than \n and \t, DEL, C1) replaced by
// U+FFFD-free visible forms so that nothing in a report or host text can
// drive a terminal. UTF-8 in, UTF-8 out.
std::string ForTerminal(std::string_view utf8);

}  // namespace platform::text
