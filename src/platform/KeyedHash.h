#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

// SipHash-2-4: a check of a text that nobody without the key can make.
std::uint64_t KeyedHash(const std::array<std::uint64_t, 2>& key, std::string_view text);

}  // namespace platform
