#include "platform/PageFiles.h"

#include <cstdint>
#include <string_view>

#include "platform/ByteSink.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

constexpr std::string_view kFolderName = "Brenlo-pages";
constexpr std::string_view kPageExtension = ".html";
constexpr std::size_t kDigestLength = 8;

// FNV-1a: paths that differ give different names, the same path the same one.
std::string DigestOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digest;
    for (int shift = 60; shift > 60 - 4 * static_cast<int>(kDigestLength); shift -= 4) {
        digest += kHex[(hash >> shift) & 15];
    }
    return digest;
}

// A name PagePathFor gives: "<name>-<digest>.html".
bool IsPageName(std::string_view name) {
    if (!name.ends_with(kPageExtension)) {
        return false;
    }
    name.remove_suffix(kPageExtension.size());
    return name.size() > kDigestLength && name[name.size() - kDigestLength - 1] == '-' &&
           name.substr(name.size() - kDigestLength).find_first_not_of("0123456789abcdef") ==
               std::string_view::npos;
}

// The folder, made when missing, when it is a folder of the user's own (not a
// link, not another user's).
std::string OwnFolder(FileSystem& files, const std::string& folder) {
    if (files.KindOf(folder) == EntryKind::None) {
        files.MakeDirectory(folder);
    }
    const std::optional<FileFacts> facts = files.FactsOf(folder);
    return facts && facts->kind == EntryKind::Directory && facts->ownedByUser ? folder + "\\"
                                                                              : std::string();
}

}  // namespace

std::string PageFolder() {
    FileSystem& files = Files();
    const std::string temporary = files.TempFolder();
    std::string folder =
        temporary.empty() ? std::string() : OwnFolder(files, temporary + std::string(kFolderName));
    if (folder.empty()) {
        const std::string own = files.UserDataFolder();
        folder = own.empty() ? std::string() : OwnFolder(files, own + "pages");
    }
    return folder;
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

bool WritePage(const std::string& pagePath, const std::string& page) {
    if (!WriteReplacingPrivate(pagePath, [&page](ByteSink& sink) { return sink.Write(page); })) {
        return false;
    }
    const std::string folder = FolderOf(pagePath);
    for (const std::string& name : Files().NamesIn(folder)) {
        if (IsPageName(name)) {
            RemoveOwnStaleFile(folder + name);
        }
    }
    return true;
}

}  // namespace platform
