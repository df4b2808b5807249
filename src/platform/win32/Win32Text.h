#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The program's Shift_JIS texts and the UTF-16 of the W functions, converted
// with code page 932 whatever the system's ANSI code page is. Bytes and
// characters without a counterpart become the code page's default character.
std::wstring Widen(std::string_view sjis);
std::string Narrow(std::wstring_view wide);

}  // namespace platform::win32
