#include <cstddef>

#include "platform/PathRoots.h"
#include "platform/text/Cp932.h"

namespace platform {

namespace {

// The position after the character at i, as CharNextA steps under code page 932.
std::size_t NextCharacter(const std::string& text, std::size_t i) {
    if (i >= text.size()) {
        return i;
    }
    return cp932::StartsDoubleByte(text, i) ? i + 2 : i + 1;
}

// Position of the first backslash character at or after `from`; npos when none.
std::size_t FindBackslash(const std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); i = NextCharacter(text, i)) {
        if (text[i] == '\\') {
            return i;
        }
    }
    return std::string::npos;
}

// PathIsRootA: "\", "X:\", or "\\server" with at most the share after it.
bool IsRoot(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    if (path[0] == '\\') {
        if (path.size() == 1) {
            return true;
        }
        if (path[1] != '\\') {
            return false;
        }
        bool seenBackslash = false;
        for (std::size_t i = 2; i < path.size(); i = NextCharacter(path, i)) {
            if (path[i] == '\\') {
                if (seenBackslash) {
                    return false;
                }
                seenBackslash = true;
            }
        }
        return true;
    }
    return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

// As the system removes the last name of a path: false when nothing was cut.
bool RemoveLastName(std::string& path) {
    std::size_t i = 0;
    std::size_t cut = 0;
    for (int leading = 0; leading < 2 && i < path.size() && path[i] == '\\'; ++leading) {
        cut = ++i;
    }
    while (i < path.size()) {
        if (path[i] == '\\') {
            cut = i;
        } else if (path[i] == ':') {
            cut = ++i;
            if (i < path.size() && path[i] == '\\') {
                ++cut;
            }
        }
        i = NextCharacter(path, i);
    }
    if (cut >= path.size()) {
        return false;
    }
    path.resize(cut);
    return true;
}

}  // namespace

std::optional<std::string> SkipRoot(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        const std::size_t serverEnd = FindBackslash(path, 2);
        if (serverEnd == std::string::npos) {
            return std::nullopt;
        }
        const std::size_t shareEnd = FindBackslash(path, serverEnd + 1);
        if (shareEnd == std::string::npos) {
            return std::nullopt;
        }
        return path.substr(shareEnd + 1);
    }
    if (cp932::IsLeadByte(static_cast<unsigned char>(path[0]))) {
        return std::nullopt;
    }
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
        return path.substr(3);
    }
    return std::nullopt;
}

bool StripToRoot(std::string& path) {
    while (!IsRoot(path)) {
        if (!RemoveLastName(path)) {
            return false;
        }
    }
    return true;
}

PathSplit SplitPath(const std::string& path) {
    PathSplit split;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        split.drive = path.substr(0, 2);
        start = 2;
    }
    std::size_t end = start;
    for (std::size_t i = start; i < path.size(); i = NextCharacter(path, i)) {
        if (path[i] == '\\' || path[i] == '/') {
            end = i + 1;
        }
    }
    split.directory = path.substr(start, end - start);
    return split;
}

}  // namespace platform
