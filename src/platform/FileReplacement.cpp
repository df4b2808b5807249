#include "platform/FileReplacement.h"

#include <memory>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// A file being written; after the first failed write it takes nothing more.
class FileSink final : public ByteSink {
public:
    explicit FileSink(File& file) : file_(file) {}

    bool Write(std::string_view bytes) override {
        failed_ = failed_ || !file_.Write(bytes);
        return !failed_;
    }
    bool Failed() const { return failed_; }

private:
    File& file_;
    bool failed_ = false;
};

// A name beside `path` that is not taken; near the longest path Windows
// opens, a short name in the same folder. Empty when all are taken.
std::string TemporaryPathFor(FileSystem& files, const std::string& path) {
    constexpr int kCandidates = 100;
    constexpr std::size_t kLongestPath = 259;
    for (int n = 0; n < kCandidates; ++n) {
        const std::string suffix = n == 0 ? ".tmp" : "." + std::to_string(n) + ".tmp";
        std::string candidate = path + suffix;
        if (candidate.size() > kLongestPath) {
            candidate = FolderOf(path) + "~" + std::to_string(n) + ".tmp";
        }
        if (files.KindOf(candidate) == EntryKind::None) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

bool WriteReplacing(const std::string& path, const std::function<bool(ByteSink&)>& write) {
    FileSystem& files = Files();
    const std::string temporary = TemporaryPathFor(files, path);
    if (temporary.empty()) {
        return false;
    }
    std::unique_ptr<File> file = files.Open(temporary, OpenMode::Write, ShareMode::Exclusive);
    if (!file) {
        return false;
    }
    FileSink sink(*file);
    const bool written = write(sink) && !sink.Failed();
    const bool closed = file->Close();
    file.reset();
    if (written && closed && files.MoveOver(temporary, path)) {
        return true;
    }
    files.RemoveFile(temporary);
    return false;
}

}  // namespace platform
