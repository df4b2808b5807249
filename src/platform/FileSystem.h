#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Paths are Shift_JIS byte strings in Windows form ("C:\out\r.xml"), on every
// platform. Names avoid the Win32 A/W macro names (DeleteFile, ...).

enum class OpenMode {
    Read,       // existing file, reading only
    Write,      // create, or truncate an existing file to zero length; writing only
    ReadWrite,  // existing file, reading and writing, positioned at the start
    CreateNew,  // a new file, writing only; fails when the name is taken, by a link too
};

enum class ShareMode {
    Exclusive,  // no other opener while this one is open
    Read,       // others may read
    ReadWrite,  // others may read and write
};

// Other: neither a regular file nor a directory (a pipe, a device, a socket).
enum class EntryKind { None, File, Directory, Other };

// Values of GetDriveType.
enum DriveType : int {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// Modes of the C runtime's _access.
enum AccessMode : int {
    kAccessExists = 0,
    kAccessWrite = 2,
    kAccessRead = 4,
    kAccessReadWrite = 6,
};

// What makes a file the one it is: two paths with one identity lead to one
// file (through a link, another spelling or another drive for one folder).
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What the system says of one file: enough to tell it from another that
// takes its name, and to tell whether it may be one this program made.
struct FileFacts {
    EntryKind kind = EntryKind::None;  // a symbolic link or a device is Other
    FileIdentity identity;
    std::uint64_t size = 0;
    std::uint64_t links = 0;   // names the file has (hard links)
    std::int64_t age = 0;      // seconds since its content last changed
    bool ownedByUser = false;  // owned by the user the program runs as
    bool ownerOnly = false;    // nobody but its owner may open it
    bool readOnly = false;     // nobody may change it
};

class File {
public:
    virtual ~File() = default;  // closes the file when still open; errors are lost

    // Reads up to buffer.size() bytes at the current position; the count read,
    // 0 at the end, nothing on an error.
    virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;
    // Writes all bytes at the current position; false when not all were written.
    virtual bool Write(std::string_view bytes) = 0;
    virtual std::optional<std::uint64_t> Size() = 0;
    // What the system says of the open file; nothing when it cannot tell.
    virtual std::optional<FileFacts> Facts() = 0;
    // Commits and closes; false when the data may not have reached the disk.
    virtual bool Close() = 0;
};

// Everything from the file's position to its end; nothing on a read error.
std::optional<std::string> ReadToEnd(File& file);
// The same, of at most `limit` bytes; nothing for a longer file.
std::optional<std::string> ReadUpTo(File& file, std::uint64_t limit);

// A process as the system can recognise it again: a later process that is
// given the same id has another start.
struct ProcessStamp {
    std::string machine;  // names the system too, so that ids of two kinds never meet
    std::uint64_t id = 0;
    std::uint64_t started = 0;
    bool operator==(const ProcessStamp&) const = default;
};

// Unknown: on another machine, or the system would not say.
enum class ProcessLife { Running, Ended, Unknown };

// Held while it lives; released when destroyed.
class UpdateLock {
public:
    virtual ~UpdateLock() = default;
    // Whether the lock is still this holder's. A lock the system holds always
    // is; a lock file is taken over once judged stale, which for a holder on
    // another machine goes by the lock's age alone.
    virtual bool IsHeld() { return true; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Null when the file cannot be opened.
    virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode, ShareMode share) = 0;
    // A new file at `path` as CreateNew makes it, which nobody but its owner
    // can open until, before its first byte, it has the access rights of the
    // file at `replaced` (for a new file, those the system gives new files).
    virtual std::unique_ptr<File> CreateReplacement(const std::string& path,
                                                    const std::string& replaced) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Moves `from` over `to`, replacing `to` in one step when it exists; a
    // read-only `to` is refused and left as it is. Where the system keeps them
    // at the move (Windows), the replacement takes the security and attributes
    // of the file it replaces; a short sharing conflict is waited out.
    virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
    // A new file at `path` as CreateNew makes it, which only its owner may
    // open (POSIX: mode 0600; Windows: the rights the folder hands down,
    // which in the user's temporary folder and profile are the user's alone).
    virtual std::unique_ptr<File> CreatePrivate(const std::string& path) = 0;
    // Moves `from` to `to` in one step when nothing has that name; never
    // replaces. A short sharing conflict is waited out.
    virtual bool MoveToNew(const std::string& from, const std::string& to) = 0;
    // Names of the entries directly in `folder`; empty when it cannot be listed.
    virtual std::vector<std::string> NamesIn(const std::string& folder) = 0;
    // Of the entry at `path` itself (a link is not followed); nothing when
    // there is none.
    virtual std::optional<FileFacts> FactsOf(const std::string& path) = 0;
    // The file a path leads to; nothing when there is none.
    virtual std::optional<FileIdentity> IdentityOf(const std::string& path) = 0;
    // Why the last call that failed did, in the system's words ("permission
    // denied"); empty when the system gave no reason.
    virtual std::string LastFailureReason() = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    // Removes an empty directory only.
    virtual bool RemoveEmptyDirectory(const std::string& path) = 0;
    // A trailing backslash is allowed ("C:\out\").
    virtual EntryKind KindOf(const std::string& path) = 0;
    // Drive type of a root such as "C:\".
    virtual int DriveTypeOf(const std::string& root) = 0;
    // As _access(path, mode) == 0: for a directory, whether it exists and, for
    // writing, is not on a read-only volume (the rights of the folder are the
    // business of whoever creates a file in it).
    virtual bool HasAccess(const std::string& path, int mode) = 0;
    // Whether the network share "\\server\share" exists and allows the access mode.
    virtual bool ShareHasAccess(const std::string& share, int mode) = 0;
    virtual std::string CurrentFolder() = 0;
    virtual bool SetCurrentFolder(const std::string& path) = 0;
    // Full path of the running program.
    virtual std::string ModuleFilePath() = 0;
    // The system's temporary folder, with its trailing backslash; empty when unknown.
    virtual std::string TempFolder() = 0;
    // The folder, with its trailing backslash, where the program keeps what
    // is the running user's own and nobody else's, made when missing; empty
    // when the user has none.
    virtual std::string UserDataFolder() = 0;
    // This process, and whether the process of a stamp of this machine (its
    // machine as CurrentProcess names it) still runs.
    virtual ProcessStamp CurrentProcess() = 0;
    virtual ProcessLife LifeOf(const ProcessStamp& process) = 0;
    // The right to read, change and replace `file` while other programs that
    // ask for it wait: a lock on the folder holding it (POSIX) or on the name
    // LockNameOf(file) that is deleted on close (Windows), so nothing new stays
    // in the folder. Null when it could not be had within `patienceMs`;
    // `unsupported` then tells whether the file system has no such lock (a
    // network file system) rather than another run holding it.
    virtual std::unique_ptr<UpdateLock> LockForUpdate(const std::string& file, int patienceMs,
                                                      bool* unsupported) = 0;
    // What GetPrivateProfileStringA leaves in a buffer of `bufferSize` bytes.
    virtual std::string ReadProfileText(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& defaultText,
                                        std::size_t bufferSize) = 0;
};

// More than any file the program reads (books, definition, support and
// settings files) ever holds: a bound for reading devices and runaway files.
inline constexpr std::uint64_t kLargestReadFile = std::uint64_t{1} << 30;

// The whole content of a regular file of at most `limit` bytes; nothing for a
// pipe, a device or a folder (refused by its kind before and after opening,
// and never waited for), for a larger file (refused by its size before a byte
// is read) or one that grows while it is read, and `why` then says which.
std::optional<std::string> ReadRegularFile(const std::string& path, ShareMode share,
                                           std::uint64_t limit, std::string* why);

// Removes the file at `path` only while it is the one judged: it is moved to
// a new name of its own first, where nobody else takes it, and removed there
// when its identity (and its content, when given) is the judged one, else
// moved back. So a file that took the name meanwhile is never removed. False
// when nothing was removed.
bool RemoveJudged(const std::string& path, const FileIdentity& judged, const std::string* content);

// Removes a file this program made and no run still uses: a regular file of
// one name, the user's own, not read-only, unchanged for a day. Callers pass
// only names the program gives its own files; anything else stays.
bool RemoveOwnStaleFile(const std::string& path);

// The files a run reads (books, settings, definition and support files):
// ReadRegularFile notes each file it read whole, other readers note theirs,
// and no output of the run goes over any of them, however its path is spelled.
void NoteInput(const std::string& path);
bool IsInputOfTheRun(const std::string& path);

// Whether both paths lead to one existing file, however each is spelled.
bool IsSameFile(const std::string& first, const std::string& second);

// The name beside `file` that stands for its lock: its extension replaced by
// ".lck", so that it fits wherever a name with a three-letter extension fits.
std::string LockNameOf(const std::string& file);

// What a lock file holds: the process that holds the lock, and a random part
// that tells two holders in one process apart.
std::string LockFileText(const ProcessStamp& holder);
// The holder a lock file's text names; nothing for any other text.
std::optional<ProcessStamp> HolderOfLockFile(std::string_view text);

// LockForUpdate, and where the file system has no such lock, a lock file of
// that name created exclusively with LockFileText (and removed with the lock).
// A lock file is taken over only when it names a holder that has ended, or
// one on another machine and has not changed for two minutes, or is empty
// and as old; any other file of that name is never touched. Null when no lock
// could be had within `patienceMs`, and `why` then says why.
std::unique_ptr<UpdateLock> LockForUpdating(const std::string& file, int patienceMs,
                                            std::string* why);

// The last file the program could not read or write as it meant to, and why:
// a console tells it after its message; the Windows programs never show it.
struct FileFailure {
    std::string path;
    std::string reason;
};
void NoteFileFailure(const std::string& path, const std::string& reason);
// The failure noted last, forgotten as it is taken.
std::optional<FileFailure> TakeFileFailure();

// The adapter of this build, or the fake a test installed.
FileSystem& Files();
// Installs a replacement (tests); null restores the real adapter. Returns the previous one.
FileSystem* ReplaceFiles(FileSystem* replacement);

}  // namespace platform
