#include "dialog/PathChecks.h"

#include <cstdio>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/PathRoots.h"
#include "platform/text/Cp932.h"

namespace {

constexpr std::string_view kForbiddenCharacters = "/:,;*?\"><|";

// Position of the first character `wanted` at or after `from`, walking by
// characters from the start of the text; npos when none.
std::size_t FindCharacter(std::string_view text, char wanted, std::size_t from = 0) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (platform::cp932::StartsDoubleByte(text, i)) {
            ++i;
        } else if (i >= from && text[i] == wanted) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Whether a backslash character followed by another begins at `from` or later.
bool HasDoubledBackslash(std::string_view text, std::size_t from) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (platform::cp932::StartsDoubleByte(text, i)) {
            ++i;
        } else if (i >= from && text[i] == '\\' && text[i + 1] == '\\') {
            return true;
        }
    }
    return false;
}

bool IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

}  // namespace

bool ToFolderPart(std::string& path) {
    if (path.empty()) {
        return false;
    }
    const platform::PathSplit split = platform::SplitPath(path);
    std::string joined = split.drive + split.directory;
    if (joined.empty()) {
        return false;
    }
    if (platform::IsInDoubleByteChar(joined, joined.size() - 1) ||
        (joined.back() != '\\' && joined.size() < path.size())) {
        joined += '\\';
    }
    path = std::move(joined);
    return true;
}

bool IsFolderPresent(const std::string& path) {
    std::string folder = path;
    ToFolderPart(folder);
    return platform::Files().KindOf(folder) == platform::EntryKind::Directory;
}

bool StripToRoot(const std::string& source, std::string& destination, std::size_t size) {
    if (source.empty() || size == 0 || source.size() >= size) {
        return false;
    }
    destination = source;
    return platform::StripToRoot(destination);
}

bool CheckPathCharacters(const std::string& path) {
    std::string_view checked = path;
    if (!IsNetworkPath(path)) {
        if (HasDoubledBackslash(path, 0)) {
            return false;
        }
        const std::size_t colon = FindCharacter(path, ':');
        if (colon != std::string_view::npos) {
            checked = checked.substr(colon + 1);
        }
    } else {
        if (HasDoubledBackslash(path, 3)) {
            return false;
        }
        checked = checked.substr(2);
    }
    for (char forbidden : kForbiddenCharacters) {
        if (FindCharacter(checked, forbidden) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

bool CheckDriveAccess(const std::string& path) {
    if (!IsNetworkPath(path)) {
        if (path.empty() || HasDoubledBackslash(path, 0)) {
            return false;
        }
        return CheckDriveLetter(path[0], platform::kAccessReadWrite);
    }
    const std::size_t serverEnd = FindCharacter(path, '\\', 3);
    if (serverEnd == std::string::npos) {
        return false;
    }
    const std::size_t shareEnd = FindCharacter(path, '\\', serverEnd + 1);
    if (shareEnd == std::string::npos) {
        return false;
    }
    return platform::Files().ShareHasAccess(path.substr(0, shareEnd), platform::kAccessReadWrite);
}

bool CheckDriveLetter(char letter, int mode) {
    const int index = (letter >= 'A' && letter <= 'Z') ? letter - 'A' : letter - 'a';
    if (index < 0 || index > 25) {
        return false;
    }
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", 'A' + index);
    platform::FileSystem& files = platform::Files();
    switch (files.DriveTypeOf(root)) {
        case platform::kDriveUnknown:
            return false;
        case platform::kDriveNoRootDir:
            return true;
        case platform::kDriveRemovable:
        case platform::kDriveFixed:
        case platform::kDriveRemote:
            return files.HasAccess(root, mode);
        case platform::kDriveCdRom:
        case platform::kDriveRamDisk:
            return false;
        default:
            return true;
    }
}
