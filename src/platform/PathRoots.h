#pragma once

#include <optional>
#include <string>

namespace platform {

// The system's own root handling of Windows paths (Shift_JIS byte strings),
// with its double-byte awareness under code page 932.

// As PathSkipRootA: the text after the root ("C:\", "\\server\share\");
// nothing when the path has no recognisable root.
std::optional<std::string> SkipRoot(const std::string& path);

// As PathStripToRootA: reduces the path to its root ("C:\", "\\server\share",
// "\"); false when no root remains, the path then partly reduced.
bool StripToRoot(std::string& path);

// The drive and directory parts of _splitpath: "C:" and "\out\" for
// C:\out\r.xml. Both slash and backslash separate; a double-byte character is
// one unit.
struct PathSplit {
    std::string drive;
    std::string directory;
};
PathSplit SplitPath(const std::string& path);

}  // namespace platform
