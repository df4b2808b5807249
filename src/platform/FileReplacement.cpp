#include "platform/FileReplacement.h"

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/TemporaryNames.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// The longest path Windows opens (MAX_PATH less its NUL).
constexpr std::size_t kLongestPath = 259;

// A file being written through a buffer, so that a report of many short lines
// costs a few system calls; after the first failed write it takes nothing more.
class FileSink final : public ByteSink {
public:
    FileSink(FileSystem& files, File& file) : files_(files), file_(file) {
        buffer_.reserve(kBufferSize);
    }

    bool Write(std::string_view bytes) override {
        if (buffer_.size() + bytes.size() > kBufferSize && !Flush()) {
            return false;
        }
        if (bytes.size() >= kBufferSize) {
            Pass(bytes);
        } else if (!failed_) {
            buffer_.append(bytes);
        }
        return !failed_;
    }

    // Hands what the buffer holds to the file; false once any write failed.
    bool Flush() {
        if (!buffer_.empty()) {
            Pass(buffer_);
        }
        buffer_.clear();
        return !failed_;
    }

    // The system's reason for the failed write; empty when none failed.
    const std::string& FailureReason() const { return reason_; }

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    void Pass(std::string_view bytes) {
        if (!failed_ && !file_.Write(bytes)) {
            failed_ = true;
            reason_ = files_.LastFailureReason();
        }
    }

    FileSystem& files_;
    File& file_;
    std::string reason_;
    std::string buffer_;
    bool failed_ = false;
};

// A new temporary file beside `path`, created exclusively under a name no
// other run can have chosen (a link or a file in the way is never followed or
// reused), private until it has the access rights of the file it replaces.
std::unique_ptr<File> CreateTemporary(FileSystem& files, const std::string& path, bool ownerOnly,
                                      std::string& temporary, std::string& reason) {
    constexpr int kAttempts = 16;
    const std::string folder = FolderOf(path);
    if (folder.size() + kTemporaryNameLength > kLongestPath) {
        reason = "the folder's path is too long for a temporary file beside the file";
        return nullptr;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = folder + NewTemporaryName();
        if (auto file = ownerOnly ? files.CreatePrivate(temporary)
                                  : files.CreateReplacement(temporary, path)) {
            return file;
        }
        reason = files.LastFailureReason();
    }
    return nullptr;
}

// What killed runs left beside `path` long ago, and nothing else: a claimed
// name, a regular file of one name, the user's own, not read-only, unchanged
// for a day. (Names of the earlier "<report>.<digits>.tmp" form are left
// alone: nothing but their name could tell them from a user's.)
void RemoveStaleTemporaries(FileSystem& files, const std::string& path) {
    const std::string folder = FolderOf(path);
    for (const std::string& name : files.NamesIn(folder.empty() ? "." : folder)) {
        if (IsClaimedTemporaryName(name)) {
            RemoveOwnStaleFile(folder + name);
        }
    }
}

// Removes the temporary file unless it was moved into place, however the
// write ends (a throwing `write` included).
class TemporaryGuard {
public:
    TemporaryGuard(FileSystem& files, std::unique_ptr<File>& file, const std::string& temporary)
        : files_(files), file_(file), temporary_(temporary) {}
    ~TemporaryGuard() {
        if (!kept_) {
            file_.reset();
            files_.RemoveFile(temporary_);
        }
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;
    void Keep() { kept_ = true; }

private:
    FileSystem& files_;
    std::unique_ptr<File>& file_;
    const std::string& temporary_;
    bool kept_ = false;
};

enum class Over { NoInput, ItsOwnInput };

bool Replace(const std::string& path, const std::function<bool(ByteSink&)>& write, bool ownerOnly,
             Over over) {
    FileSystem& files = Files();
    std::string temporary, reason;
    const auto fail = [&path, &reason] {
        if (!reason.empty()) {
            NoteFileFailure(path, reason);
        }
        return false;
    };
    // Only a regular file is replaced: never a folder, a device or a pipe.
    const EntryKind kind = files.KindOf(path);
    if (kind == EntryKind::Directory || kind == EntryKind::Other) {
        reason = kind == EntryKind::Directory ? "is a folder" : "not a regular file";
        return fail();
    }
    std::unique_ptr<File> file = CreateTemporary(files, path, ownerOnly, temporary, reason);
    if (!file) {
        return fail();
    }
    TemporaryGuard guard(files, file, temporary);
    FileSink sink(files, *file);
    if (!write(sink) || !sink.Flush()) {
        reason = sink.FailureReason();
        return fail();
    }
    const bool closed = file->Close();
    file.reset();
    // Judged last: the write itself reads files (the support file).
    if (over == Over::NoInput && IsInputOfTheRun(path)) {
        reason = "is a file this run reads";
        return fail();
    }
    if (!closed || !files.MoveOver(temporary, path)) {
        reason = files.LastFailureReason();
        return fail();
    }
    guard.Keep();
    RemoveStaleTemporaries(files, path);
    return true;
}

}  // namespace

bool WriteReplacing(const std::string& path, const std::function<bool(ByteSink&)>& write) {
    return Replace(path, write, false, Over::NoInput);
}

bool RewriteInput(const std::string& path, const std::function<bool(ByteSink&)>& write) {
    return Replace(path, write, false, Over::ItsOwnInput);
}

bool WriteReplacingPrivate(const std::string& path, const std::function<bool(ByteSink&)>& write) {
    return Replace(path, write, true, Over::NoInput);
}

}  // namespace platform
