#include "platform/FileReplacement.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// A file being written through a buffer, so that a report of many short lines
// costs a few system calls; after the first failed write it takes nothing more.
class FileSink final : public ByteSink {
public:
    explicit FileSink(File& file) : file_(file) { buffer_.reserve(kBufferSize); }

    bool Write(std::string_view bytes) override {
        if (buffer_.size() + bytes.size() > kBufferSize && !Flush()) {
            return false;
        }
        if (bytes.size() >= kBufferSize) {
            failed_ = failed_ || !file_.Write(bytes);
        } else if (!failed_) {
            buffer_.append(bytes);
        }
        return !failed_;
    }

    // Hands what the buffer holds to the file; false once any write failed.
    bool Flush() {
        if (!failed_ && !buffer_.empty()) {
            failed_ = !file_.Write(buffer_);
        }
        buffer_.clear();
        return !failed_;
    }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    File& file_;
    std::string buffer_;
    bool failed_ = false;
};

// A new temporary file beside `path`, created exclusively under a name no
// other run can have chosen: a link or a file left in the way is never
// followed or reused. Near the longest path Windows opens, a short name in
// the same folder.
std::unique_ptr<File> CreateTemporary(FileSystem& files, const std::string& path,
                                      std::string& temporary) {
    constexpr int kAttempts = 16;
    constexpr std::string_view kShortNames = "0123456789abcdefghijklmnopqrstuvwxyz";
    constexpr std::size_t kLongestPath = 259;
    std::random_device entropy;
    std::mt19937_64 random((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::uint64_t token = random();
        temporary = path + "." + std::to_string(token % 100000000000ULL) + ".tmp";
        if (temporary.size() > kLongestPath) {
            // As short as a name can be: one character of chance.
            temporary = FolderOf(path) + "~" + kShortNames[token % kShortNames.size()] + ".tmp";
        }
        if (auto file = files.Open(temporary, OpenMode::CreateNew, ShareMode::Exclusive)) {
            return file;
        }
        // Only a name in use is worth another try.
        if (files.KindOf(temporary) == EntryKind::None) {
            break;
        }
    }
    return nullptr;
}

}  // namespace

bool WriteReplacing(const std::string& path, const std::function<bool(ByteSink&)>& write) {
    FileSystem& files = Files();
    std::string temporary;
    std::unique_ptr<File> file = CreateTemporary(files, path, temporary);
    if (!file) {
        return false;
    }
    FileSink sink(*file);
    const bool written = write(sink) && sink.Flush();
    const bool closed = file->Close();
    file.reset();
    if (written && closed && files.MoveOver(temporary, path)) {
        return true;
    }
    files.RemoveFile(temporary);
    return false;
}

}  // namespace platform
