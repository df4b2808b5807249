#include <thread>

#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// A lock file older than this was left by a run that was killed: no run holds
// the lock for more than the time one settings file takes to be rewritten.
constexpr std::int64_t kStaleLockSeconds = 120;
constexpr int kPauseMs = 20;

// Held while the lock file it created exists; removes it when destroyed.
class LockFile final : public UpdateLock {
public:
    LockFile(std::unique_ptr<File> file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    ~LockFile() override {
        file_->Close();
        Files().RemoveFile(path_);
    }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

private:
    std::unique_ptr<File> file_;
    std::string path_;
};

bool IsStale(FileSystem& files, const std::string& lockPath) {
    const std::optional<FileFacts> facts = files.FactsOf(lockPath);
    return facts && facts->kind == EntryKind::File && facts->age > kStaleLockSeconds;
}

std::unique_ptr<UpdateLock> TakeLockFile(const std::string& file, int patienceMs,
                                         std::string* why) {
    FileSystem& files = Files();
    const std::string lockPath = LockNameOf(file);
    for (int waited = 0;; waited += kPauseMs) {
        if (auto created = files.Open(lockPath, OpenMode::CreateNew, ShareMode::Exclusive)) {
            return std::make_unique<LockFile>(std::move(created), lockPath);
        }
        const std::string reason = files.LastFailureReason();
        if (files.KindOf(lockPath) == EntryKind::None) {
            // Released by its holder since the attempt, or no file can be
            // made here: try again until the patience runs out.
            if (waited >= patienceMs) {
                *why = "cannot create the lock file " + lockPath + ": " + reason;
                return nullptr;
            }
            continue;
        }
        if (IsStale(files, lockPath)) {
            files.RemoveFile(lockPath);
            continue;
        }
        if (waited >= patienceMs) {
            *why = "another run has held the lock file " + lockPath + " too long";
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPauseMs));
    }
}

}  // namespace

std::string LockNameOf(const std::string& file) {
    const std::string name = FileNameOf(file);
    const std::size_t dot = name.rfind('.');
    return FolderOf(file) + (dot == std::string::npos ? name : name.substr(0, dot)) + ".lck";
}

std::unique_ptr<UpdateLock> LockForUpdating(const std::string& file, int patienceMs,
                                            std::string* why) {
    bool unsupported = false;
    if (auto lock = Files().LockForUpdate(file, patienceMs, &unsupported)) {
        return lock;
    }
    std::string reason;
    std::unique_ptr<UpdateLock> lock =
        unsupported ? TakeLockFile(file, patienceMs, &reason) : nullptr;
    if (!unsupported) {
        reason = "another run has held the lock too long";
    }
    if (!lock && why != nullptr) {
        *why = reason;
    }
    return lock;
}

}  // namespace platform
