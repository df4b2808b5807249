#pragma once

#include <string>
#include <string_view>

namespace platform::markup {

// The text with & < > " ' replaced by their entity references and every other
// byte unchanged: safe in the content and the quoted attribute values of XML
// and HTML alike. No byte of a Shift_JIS or UTF-8 multi-byte character is one
// of the five, so either encoding passes whole.
std::string Escape(std::string_view text);

}  // namespace platform::markup
