#include "dialog/FolderCreation.h"

#include <cstddef>
#include <optional>
#include <string_view>

#include "dialog/PathChecks.h"
#include "platform/FileSystem.h"
#include "platform/PathRoots.h"
#include "platform/text/Cp932.h"

namespace {

// Folder paths live in buffers of 261 bytes: at most 260 bytes of text.
constexpr std::size_t kFolderBufferSize = 261;

// Ensures a trailing backslash; a last byte inside a double-byte character is
// never taken for one.
bool EndWithBackslash(std::string& folder) {
    if (platform::IsInDoubleByteChar(folder, folder.size() - 1)) {
        folder += '\\';
        return true;
    }
    if (folder.back() == '\\') {
        return true;
    }
    if (folder.size() >= kFolderBufferSize - 1) {
        return false;
    }
    folder += '\\';
    return true;
}

// The folder part with its trailing backslash, split into root and the rest.
struct RootedFolder {
    std::string root;  // with its trailing backslash
    std::string rest;  // after the root
};

std::optional<RootedFolder> SplitAtRoot(std::string folder) {
    if (!ToFolderPart(folder) || folder.empty() || !EndWithBackslash(folder)) {
        return std::nullopt;
    }
    std::optional<std::string> rest = platform::SkipRoot(folder);
    if (!rest) {
        return std::nullopt;
    }
    RootedFolder split;
    if (!StripToRoot(folder, split.root, kFolderBufferSize) ||
        !platform::AddBackslash(split.root, kFolderBufferSize)) {
        return std::nullopt;
    }
    split.rest = std::move(*rest);
    return split;
}

// Compares the first n bytes as _strnicmp does: ASCII letters without case,
// a shorter text ending the comparison.
bool EqualPrefixIgnoringCase(std::string_view a, std::string_view b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const bool aEnds = i >= a.size();
        const bool bEnds = i >= b.size();
        if (aEnds || bEnds) {
            return aEnds == bEnds;
        }
        const auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CreateFolderLevels(const std::string& folder) {
    if (folder.empty() || folder.size() > kFolderBufferSize - 1) {
        return false;
    }
    const std::optional<RootedFolder> split = SplitAtRoot(folder);
    if (!split) {
        return false;
    }
    platform::FileSystem& files = platform::Files();
    std::string kept = split->root;
    const std::string& rest = split->rest;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (platform::cp932::StartsDoubleByte(rest, i)) {
            ++i;
            continue;
        }
        if (rest[i] != '\\') {
            continue;
        }
        const std::string level = split->root + rest.substr(0, i + 1);
        if (IsFolderPresent(level)) {
            kept = level;
        } else if (!files.MakeDirectory(level)) {
            RemoveCreatedFolders(level, kept);
            return false;
        }
    }
    return true;
}

bool RemoveCreatedFolders(const std::string& target, const std::string& kept) {
    if (target.empty() || kept.empty()) {
        return false;
    }
    const std::optional<RootedFolder> targetSplit = SplitAtRoot(target);
    const std::optional<RootedFolder> keptSplit = SplitAtRoot(kept);
    if (!targetSplit || !keptSplit) {
        return false;
    }
    const std::string& rest = targetSplit->rest;
    const std::string& keptRest = keptSplit->rest;
    if (targetSplit->root.size() != keptSplit->root.size() ||
        !EqualPrefixIgnoringCase(targetSplit->root, keptSplit->root, keptSplit->root.size()) ||
        keptRest.size() > rest.size() ||
        !EqualPrefixIgnoringCase(keptRest, rest, keptRest.size())) {
        return false;
    }
    platform::FileSystem& files = platform::Files();
    // From the last byte back to position 1, deepest level first.
    for (std::size_t k = rest.size(); k-- > 1;) {
        if (platform::IsInDoubleByteChar(rest, k) || rest[k] != '\\') {
            continue;
        }
        if (EqualPrefixIgnoringCase(keptRest, rest, k)) {
            return true;
        }
        const std::string level = targetSplit->root + rest.substr(0, k + 1);
        if (files.KindOf(level) == platform::EntryKind::Directory &&
            !files.RemoveEmptyDirectory(level)) {
            return false;
        }
    }
    return true;
}
