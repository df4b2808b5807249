#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Temporary files are "~", six characters of [0-9a-z] and ".tmp": eleven
// bytes whatever the name of the file they become, so that they fit in any
// folder Windows creates (its folder paths stop twelve short of the longest
// path) and within any file system's name limit.
inline constexpr std::size_t kTemporaryNameLength = 11;

// A name for a new temporary file. A claimed one ends its six characters with
// a check of the first two, keyed with a secret of the running user's, so that
// the clean-up can tell a leftover of this program's from anything a user or
// another program named alike; an unclaimed one never passes that check. Where
// the secret cannot be had, every name is unclaimed. 36^2 names to choose from
// make a collision rare; one costs a retry.
std::string NewTemporaryName(bool claimed = true);

// Whether `name` is a claimed temporary name of the running user's.
bool IsClaimedTemporaryName(std::string_view name);

}  // namespace platform
