#include "platform/posix/DriveMap.h"

#include <stdlib.h>

#include <charconv>
#include <cstdlib>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/text/Cp932.h"

namespace platform::posix {

namespace {

constexpr std::string_view kVariablePrefix = "BRENLO_DRIVE_";
constexpr std::string_view kTypeSuffix = "_TYPE";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char UpperLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Characters CreateFile refuses in a name.
bool IsValidName(std::string_view name) {
    for (std::size_t k = 0; k < name.size(); k += cp932::CharLengthAt(name, k)) {
        if (cp932::CharLengthAt(name, k) == 2) {
            continue;
        }
        const auto byte = static_cast<unsigned char>(name[k]);
        if (byte < 0x20 || std::string_view("<>:\"|?*").find(name[k]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

struct Pieces {
    std::vector<std::string> names;
    bool trailingSeparator = false;
};

Pieces SplitAtSeparators(std::string_view text) {
    Pieces pieces;
    std::string current;
    bool any = false;
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t length = cp932::CharLengthAt(text, k);
        if (length == 1 && IsSeparator(text[k])) {
            if (any) {
                pieces.names.push_back(std::move(current));
            }
            current.clear();
            any = false;
            pieces.trailingSeparator = true;
        } else {
            current.append(text.substr(k, length));
            any = true;
            pieces.trailingSeparator = false;
        }
        k += length;
    }
    if (any) {
        pieces.names.push_back(std::move(current));
    }
    return pieces;
}

// Appends `pieces` to `path` by name, as GetFullPathName does.
bool AppendNames(WindowsPath& path, Pieces pieces) {
    if (!pieces.trailingSeparator && !pieces.names.empty()) {
        std::string& last = pieces.names.back();
        if (last != "." && last != "..") {
            while (!last.empty() && (last.back() == '.' || last.back() == ' ')) {
                last.pop_back();
            }
            if (last.empty()) {
                pieces.names.pop_back();
            }
        }
    }
    for (std::string& name : pieces.names) {
        if (name == ".") {
            continue;
        }
        if (name == "..") {
            if (!path.names.empty()) {
                path.names.pop_back();
            }
            continue;
        }
        if (!IsValidName(name)) {
            return false;
        }
        path.names.push_back(std::move(name));
    }
    path.trailingSeparator = pieces.trailingSeparator;
    return true;
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

// A current folder is only usable in full form: "X:\...".
std::optional<WindowsPath> ParseCurrent(const CurrentFolderSource& currentFolder) {
    if (!currentFolder) {
        return std::nullopt;
    }
    const std::optional<std::string> folder = currentFolder();
    if (!folder || !HasDrive(*folder) || folder->size() < 3 || !IsSeparator((*folder)[2])) {
        return std::nullopt;
    }
    return ParseWindowsPath(*folder, nullptr);
}

std::vector<std::string_view> NativeNames(std::string_view path) {
    std::vector<std::string_view> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view name = path.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

std::optional<WindowsPath> ParseWindowsPath(std::string_view path,
                                            const CurrentFolderSource& currentFolder) {
    if (path.empty()) {
        return std::nullopt;
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return std::nullopt;
    }
    WindowsPath result;
    std::string_view rest = path;
    if (HasDrive(path)) {
        result.drive = UpperLetter(path[0]);
        rest = path.substr(2);
        if (rest.empty() || !IsSeparator(rest.front())) {
            // Windows keeps one current folder per drive; this process only
            // knows the one of the current drive, so other drives start at
            // their root.
            if (std::optional<WindowsPath> current = ParseCurrent(currentFolder);
                current && current->drive == result.drive) {
                result.names = std::move(current->names);
            }
        }
    } else {
        std::optional<WindowsPath> current = ParseCurrent(currentFolder);
        if (!current) {
            return std::nullopt;
        }
        result.drive = current->drive;
        if (!IsSeparator(path.front())) {
            result.names = std::move(current->names);
        }
    }
    if (!AppendNames(result, SplitAtSeparators(rest))) {
        return std::nullopt;
    }
    return result;
}

DriveMap::DriveMap(const Lookup& lookup) {
    for (std::size_t index = 0; index < kLetters; ++index) {
        const std::string variable =
            std::string(kVariablePrefix) + static_cast<char>('A' + static_cast<int>(index));
        std::optional<std::string> directory = lookup(variable);
        if (!directory) {
            if (index == 'Z' - 'A') {
                directory = "/";
            }
        } else if (directory->empty() || directory->front() != '/') {
            directory.reset();
        }
        if (directory) {
            while (directory->size() > 1 && directory->back() == '/') {
                directory->pop_back();
            }
        }
        directories_[index] = std::move(directory);

        types_[index] = kDriveFixed;
        if (const std::optional<std::string> type = lookup(variable + std::string(kTypeSuffix))) {
            int value = 0;
            const char* end = type->data() + type->size();
            const auto [stop, error] = std::from_chars(type->data(), end, value);
            if (error == std::errc() && stop == end && value >= kDriveUnknown &&
                value <= kDriveRamDisk) {
                types_[index] = value;
            }
        }
    }
}

DriveMap DriveMap::FromEnvironment() {
    return DriveMap([](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) {
            return std::nullopt;
        }
        std::string text = value;
        const bool isDirectory = !std::string_view(name).ends_with(kTypeSuffix);
        if (isDirectory && !text.empty() && text.front() == '/') {
            const std::unique_ptr<char, decltype(&std::free)> resolved(
                ::realpath(text.c_str(), nullptr), &std::free);
            if (resolved) {
                text = resolved.get();
            }
        }
        return text;
    });
}

const std::string* DriveMap::DirectoryOf(char letter) const {
    if (!IsAsciiLetter(letter)) {
        return nullptr;
    }
    const std::optional<std::string>& directory = directories_[UpperLetter(letter) - 'A'];
    return directory ? &*directory : nullptr;
}

int DriveMap::TypeOf(char letter) const {
    if (DirectoryOf(letter) == nullptr) {
        return kDriveNoRootDir;
    }
    return types_[UpperLetter(letter) - 'A'];
}

std::optional<std::string> DriveMap::ToNative(std::string_view path,
                                              const CurrentFolderSource& currentFolder) const {
    const std::optional<WindowsPath> parsed = ParseWindowsPath(path, currentFolder);
    if (!parsed) {
        return std::nullopt;
    }
    return ToNative(*parsed);
}

std::optional<std::string> DriveMap::ToNative(const WindowsPath& path) const {
    const std::string* directory = DirectoryOf(path.drive);
    if (directory == nullptr) {
        return std::nullopt;
    }
    std::string native = *directory;
    for (const std::string& name : path.names) {
        const std::optional<std::string> utf8 = cp932::ToUtf8(name);
        if (!utf8 || utf8->empty() || utf8->find('/') != std::string::npos) {
            return std::nullopt;
        }
        if (native.back() != '/') {
            native += '/';
        }
        native += *utf8;
    }
    if (path.trailingSeparator && !path.names.empty()) {
        native += '/';
    }
    return native;
}

std::optional<std::string> DriveMap::ToWindows(std::string_view nativePath) const {
    if (nativePath.empty() || nativePath.front() != '/') {
        return std::nullopt;
    }
    const std::vector<std::string_view> names = NativeNames(nativePath);
    std::optional<std::size_t> best;
    std::size_t bestDepth = 0;
    for (std::size_t index = 0; index < kLetters; ++index) {
        if (!directories_[index]) {
            continue;
        }
        const std::vector<std::string_view> prefix = NativeNames(*directories_[index]);
        if (prefix.size() > names.size() || (best && prefix.size() <= bestDepth)) {
            continue;
        }
        bool matches = true;
        for (std::size_t k = 0; k < prefix.size() && matches; ++k) {
            matches = prefix[k] == names[k];
        }
        if (matches) {
            best = index;
            bestDepth = prefix.size();
        }
    }
    if (!best) {
        return std::nullopt;
    }
    std::string windows;
    windows += static_cast<char>('A' + static_cast<int>(*best));
    windows += ":\\";
    for (std::size_t k = bestDepth; k < names.size(); ++k) {
        // A backslash inside a native name would read back as a separator.
        if (names[k].find('\\') != std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<std::string> name = cp932::FromUtf8(names[k]);
        if (!name) {
            return std::nullopt;
        }
        if (k > bestDepth) {
            windows += '\\';
        }
        windows += *name;
    }
    return windows;
}

}  // namespace platform::posix
