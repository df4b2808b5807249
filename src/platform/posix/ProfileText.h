#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::profile {

// The text without one pair of enclosing quotation marks.
std::string_view Unquoted(std::string_view text);

// At most bufferSize - 1 bytes, the room left beside the terminating null,
// without splitting a double-byte character.
std::string FittedTo(std::string_view text, std::size_t bufferSize);

// The value of `key` in the first section named `section`; nothing when there
// is none, or when the key's line has no '='.
std::optional<std::string_view> FindProfileValue(std::string_view content, std::string_view section,
                                                 std::string_view key);

// Whether the file name holds a folder; without one the profile functions
// look in the Windows folder.
bool HasFolder(std::string_view path);

}  // namespace platform::profile
