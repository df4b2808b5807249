#pragma once

#include <string>

namespace platform {

// The text of string resource `id` of the running program, in Shift_JIS;
// empty when the program has no such string.
std::string ResourceText(unsigned int id);

}  // namespace platform
