#include <windows.h>
//
#include <shlwapi.h>
#include <stdlib.h>

#include <vector>

#include "platform/PathRoots.h"

namespace platform {

std::optional<std::string> SkipRoot(const std::string& path) {
    const char* rest = PathSkipRootA(path.c_str());
    if (rest == nullptr) {
        return std::nullopt;
    }
    return std::string(rest);
}

bool StripToRoot(std::string& path) {
    std::vector<char> buffer(path.begin(), path.end());
    buffer.push_back('\0');
    const bool stripped = PathStripToRootA(buffer.data()) != FALSE;
    path = buffer.data();
    return stripped;
}

PathSplit SplitPath(const std::string& path) {
    // Sized to the input, so that no part can overflow whatever its length.
    const std::size_t size = path.size() + 1 < _MAX_DIR ? _MAX_DIR : path.size() + 1;
    std::vector<char> drive(_MAX_DRIVE), directory(size);
    if (_splitpath_s(path.c_str(), drive.data(), drive.size(), directory.data(), directory.size(),
                     nullptr, 0, nullptr, 0) != 0) {
        return {};
    }
    return {drive.data(), directory.data()};
}

}  // namespace platform
