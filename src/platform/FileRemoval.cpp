#include <memory>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// A file of the program's this old belongs to no run still writing or showing it.
constexpr std::int64_t kStaleSeconds = 24 * 60 * 60;

}  // namespace

bool RemoveJudged(const std::string& path, const FileIdentity& judged, const std::string* content) {
    FileSystem& files = Files();
    // Unclaimed: a file moved aside by mistake is never taken for a leftover.
    const std::string aside = FolderOf(path) + NewTemporaryName(false);
    if (!files.MoveToNew(path, aside)) {
        return false;
    }
    const std::optional<FileFacts> facts = files.FactsOf(aside);
    bool same = facts && facts->identity == judged;
    if (same && content != nullptr) {
        // One byte more than the judged content tells a longer one.
        const std::optional<std::string> now =
            ReadRegularFile(aside, ShareMode::Read, content->size() + 1, nullptr);
        same = now == *content;
    }
    if (same && files.RemoveFile(aside)) {
        return true;
    }
    files.MoveToNew(aside, path);
    return false;
}

bool RemoveOwnStaleFile(const std::string& path) {
    const std::optional<FileFacts> facts = Files().FactsOf(path);
    return facts && facts->kind == EntryKind::File && facts->links == 1 && facts->ownedByUser &&
           !facts->readOnly && facts->age > kStaleSeconds &&
           RemoveJudged(path, facts->identity, nullptr);
}

}  // namespace platform
