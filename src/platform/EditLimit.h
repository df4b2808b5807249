#pragma once

#include <cstddef>

namespace platform {

// An edit control's text limit before the program sets one, and what a limit
// of 0 stands for, as single-line edit controls define them.
inline constexpr std::size_t kDefaultEditLimit = 30000;
inline constexpr std::size_t kLargestEditLimit = 0x7FFFFFFE;

}  // namespace platform
