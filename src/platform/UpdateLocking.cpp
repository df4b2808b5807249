// The lock file, where the file system has no lock of its own (a network
// share). Its holder writes its process stamp into it and keeps it open.
// Another run judges the lock on that very file (the holder it names, its own
// age), and removes it only through RemoveJudged, so that a lock which took
// the name meanwhile is never removed. Takeovers take turns through a second
// lock file: between the judgment and the removal it leads to, no other
// run's takeover can have put a newer lock in the judged one's place.
#include <charconv>
#include <cstdio>
#include <random>
#include <thread>

#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace platform {
namespace {

// A lock unchanged for this long whose holder cannot be asked was left by a
// run that was killed: no run holds it for more than the moment a settings
// file takes to be rewritten.
constexpr std::int64_t kStaleLockSeconds = 120;
constexpr int kPauseMs = 20;
constexpr std::string_view kTextStart = "brenlo-lock ";
// Far more than any lock file's text; what is longer is no lock file.
constexpr std::size_t kLongestText = 512;

std::string WithExtension(const std::string& file, std::string_view extension) {
    const std::string name = FileNameOf(file);
    const std::size_t dot = name.rfind('.');
    return FolderOf(file) + (dot == std::string::npos ? name : name.substr(0, dot)) +
           std::string(extension);
}

// The turn of the run that takes a stale lock over.
std::string TurnNameOf(const std::string& lockPath) {
    return WithExtension(lockPath, ".lct");
}

// The system is asked only of a holder on this machine.
ProcessLife LifeOfHolder(FileSystem& files, const ProcessStamp& holder) {
    static const ProcessStamp current = files.CurrentProcess();
    return holder.machine == current.machine && current.started != 0 ? files.LifeOf(holder)
                                                                     : ProcessLife::Unknown;
}

enum class Verdict { Gone, Held, Stale, Foreign };

struct Seen {
    Verdict verdict = Verdict::Gone;
    FileIdentity identity;
    std::string text;
};

// The lock file at `path` as it is now, judged on what it holds and its age.
Seen Judge(FileSystem& files, const std::string& path) {
    Seen seen;
    const std::unique_ptr<File> file = files.Open(path, OpenMode::Read, ShareMode::ReadWrite);
    if (!file) {
        // Held open by its holder where the system keeps others out (Windows).
        seen.verdict = files.KindOf(path) == EntryKind::None ? Verdict::Gone : Verdict::Held;
        return seen;
    }
    // A pipe of that name is never read: the read could wait for ever.
    const std::optional<FileFacts> facts = file->Facts();
    std::optional<std::string> text;
    if (facts && facts->kind == EntryKind::File) {
        text = ReadUpTo(*file, kLongestText);
    }
    if (!text) {
        seen.verdict = Verdict::Foreign;
        return seen;
    }
    seen.identity = facts->identity;
    seen.text = std::move(*text);
    const std::optional<ProcessStamp> holder = HolderOfLockFile(seen.text);
    // Empty: made by a run that was killed before it wrote its stamp, or one
    // that is writing it now.
    const ProcessLife life = holder ? LifeOfHolder(files, *holder) : ProcessLife::Unknown;
    if (!holder && !seen.text.empty()) {
        seen.verdict = Verdict::Foreign;
    } else if (life == ProcessLife::Running) {
        seen.verdict = Verdict::Held;
    } else {
        seen.verdict = life == ProcessLife::Ended || facts->age > kStaleLockSeconds ? Verdict::Stale
                                                                                    : Verdict::Held;
    }
    return seen;
}

// Held while its file is at its name; removes it, and only it, when destroyed.
class LockFile final : public UpdateLock {
public:
    LockFile(std::unique_ptr<File> file, std::string path, FileIdentity identity, std::string text)
        : file_(std::move(file)),
          path_(std::move(path)),
          identity_(identity),
          text_(std::move(text)) {}
    ~LockFile() override {
        file_.reset();
        RemoveJudged(path_, identity_, &text_);
    }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // The file is still open here: no other file can have its identity.
    bool IsHeld() override {
        const std::optional<FileFacts> facts = Files().FactsOf(path_);
        return facts && facts->identity == identity_;
    }

private:
    std::unique_ptr<File> file_;
    std::string path_;
    FileIdentity identity_;
    std::string text_;
};

// The lock file, made exclusively and stamped; null when the name is taken or
// no file can be made, `reason` then saying why.
std::unique_ptr<LockFile> Create(FileSystem& files, const std::string& path, std::string& reason) {
    std::unique_ptr<File> file = files.Open(path, OpenMode::CreateNew, ShareMode::Exclusive);
    if (!file) {
        reason = files.LastFailureReason();
        return nullptr;
    }
    const std::string text = LockFileText(files.CurrentProcess());
    const std::optional<FileFacts> facts = file->Facts();
    if (!facts || !file->Write(text)) {
        reason = files.LastFailureReason();
        file.reset();
        if (facts) {
            RemoveJudged(path, facts->identity, nullptr);
        }
        return nullptr;
    }
    return std::make_unique<LockFile>(std::move(file), path, facts->identity, text);
}

// Removes the lock file at `lockPath` when, judged again in this run's turn,
// it is still stale. False when it was not removed.
bool TakeOver(FileSystem& files, const std::string& lockPath) {
    const std::string turnPath = TurnNameOf(lockPath);
    std::string reason;
    const std::unique_ptr<LockFile> turn = Create(files, turnPath, reason);
    if (!turn) {
        // A run killed in its turn ends it by the same rules.
        const Seen other = Judge(files, turnPath);
        if (other.verdict == Verdict::Stale) {
            RemoveJudged(turnPath, other.identity, &other.text);
        }
        return false;
    }
    const Seen seen = Judge(files, lockPath);
    return seen.verdict == Verdict::Stale && RemoveJudged(lockPath, seen.identity, &seen.text);
}

std::unique_ptr<UpdateLock> TakeLockFile(const std::string& file, int patienceMs,
                                         std::string* why) {
    FileSystem& files = Files();
    const std::string lockPath = LockNameOf(file);
    for (int waited = 0;; waited += kPauseMs) {
        std::string reason;
        if (std::unique_ptr<LockFile> lock = Create(files, lockPath, reason)) {
            return lock;
        }
        const Seen seen = Judge(files, lockPath);
        if (seen.verdict == Verdict::Gone) {
            // Released by its holder since the attempt, or no file can be
            // made here: try again until the patience runs out.
            if (waited >= patienceMs) {
                *why = "cannot create the lock file " + lockPath + ": " + reason;
                return nullptr;
            }
            continue;
        }
        if (seen.verdict == Verdict::Stale && TakeOver(files, lockPath)) {
            continue;
        }
        if (waited >= patienceMs) {
            *why = seen.verdict == Verdict::Foreign
                       ? "the lock file " + lockPath + " is none of this program's"
                       : "another run has held the lock file " + lockPath + " too long";
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPauseMs));
    }
}

}  // namespace

std::string LockNameOf(const std::string& file) {
    return WithExtension(file, ".lck");
}

std::string LockFileText(const ProcessStamp& holder) {
    static thread_local std::mt19937_64 random(std::random_device{}());
    char numbers[80];
    std::snprintf(
        numbers, sizeof numbers, "%llu %llu %016llx ", static_cast<unsigned long long>(holder.id),
        static_cast<unsigned long long>(holder.started), static_cast<unsigned long long>(random()));
    std::string machine = holder.machine;
    for (char& c : machine) {
        c = c == '\n' || c == '\r' ? ' ' : c;
    }
    return std::string(kTextStart) + numbers + machine + "\n";
}

std::optional<ProcessStamp> HolderOfLockFile(std::string_view text) {
    if (!text.starts_with(kTextStart) || !text.ends_with('\n')) {
        return std::nullopt;
    }
    text.remove_prefix(kTextStart.size());
    text.remove_suffix(1);
    ProcessStamp holder;
    std::uint64_t random = 0;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::uint64_t* field : {&holder.id, &holder.started, &random}) {
        const int base = field == &random ? 16 : 10;
        const auto [next, error] = std::from_chars(at, end, *field, base);
        if (error != std::errc() || next == end || *next != ' ') {
            return std::nullopt;
        }
        at = next + 1;
    }
    holder.machine.assign(at, end);
    if (holder.machine.find('\n') != std::string::npos) {
        return std::nullopt;
    }
    return holder;
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
