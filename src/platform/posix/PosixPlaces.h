#pragma once

#include <optional>
#include <string>

namespace platform::posix {

std::optional<std::string> NativeCurrentDirectory();

// The running program's path, from /proc/self/exe.
std::optional<std::string> NativeModulePath();

// The folder with every link and ".." resolved; as given when it cannot be.
std::string ResolvedDirectory(const std::string& directory);

// $XDG_STATE_HOME/brenlo, else ~/.local/state/brenlo, made private (0700)
// when missing; nothing when neither variable names a folder or it cannot be made.
std::optional<std::string> NativeUserDataFolder();

}  // namespace platform::posix
