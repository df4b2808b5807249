#include <memory>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"
#include "platform/text/PathPieces.h"

namespace platform {

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

}  // namespace platform
