#include "platform/PageFiles.h"

#include <cstdint>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

constexpr std::string_view kFolderName = "Brenlo-pages";
constexpr std::string_view kPageExtension = ".html";

// FNV-1a: paths that differ give different names, the same path the same one.
std::string DigestOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digest;
    for (int shift = 60; shift >= 32; shift -= 4) {
        digest += kHex[(hash >> shift) & 15];
    }
    return digest;
}

}  // namespace

std::string PageFolder() {
    FileSystem& files = Files();
    const std::string temporary = files.TempFolder();
    if (temporary.empty()) {
        return {};
    }
    const std::string folder = temporary + std::string(kFolderName);
    if (files.KindOf(folder) != EntryKind::Directory && !files.MakeDirectory(folder)) {
        return {};
    }
    return files.KindOf(folder) == EntryKind::Directory ? folder + "\\" : std::string();
}

std::string PagePathFor(const std::string& reportPath) {
    const std::string folder = PageFolder();
    if (folder.empty()) {
        return {};
    }
    std::string name = FileNameOf(reportPath);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return folder + name + "-" + DigestOf(reportPath) + std::string(kPageExtension);
}

}  // namespace platform
