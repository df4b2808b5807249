#pragma once

#include <cstdint>
#include <string_view>

// A decimal number as the C runtime's atol reads it: leading blanks, a sign,
// digits up to the first other character; no digits give 0. Out of range it
// stays at the nearest 32-bit limit.
std::int32_t LeadingDecimal(std::string_view text);
