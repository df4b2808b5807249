#pragma once

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::posix {

// An open file descriptor, closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

    // False when close reported an error. On Linux the descriptor is gone even
    // then, so it is never closed twice.
    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 || errno == EINTR;
    }

private:
    int fd_;
};

// open(2), retried when a signal interrupts it.
int OpenNative(const char* path, int flags, unsigned int permissions = 0);

// flock(2) for exclusive use, tried until `patienceMs` have passed; when it
// fails, `unsupported` tells whether flock itself failed rather than waited.
bool LockExclusively(int fd, int patienceMs, bool* unsupported);

// A new file at `native` (O_EXCL, no link followed) with mode 0600; -1
// (errno set) when it could not be made.
int CreateOwnerOnly(const std::string& native);

// A new file at `native` as CreateOwnerOnly makes it, then given,
// through its descriptor, the mode of the regular file at `replacedNative`, or
// for a new file the mode the umask leaves; -1 (errno set) when it could not.
int CreatePrivate(const std::string& native, const std::string& replacedNative);

// Names (native) of the entries directly in the folder, without "." and "..".
std::vector<std::string> NativeNamesIn(const std::string& folder);

// What a status says of its file.
FileFacts FactsOfStatus(const struct stat& status);

// rename(2) that never replaces: the name is taken in one step or not at all.
bool MoveToNewNative(const std::string& from, const std::string& to);

// The content of the regular file at `native` (never waiting for a pipe), of
// at most `limit` bytes; nothing for anything else, nor for a file that grows
// while it is read.
std::optional<std::string> ReadRegularNative(const std::string& native, std::uint64_t limit);

// The system's reason for errno, as a phrase ("permission denied").
std::string ErrnoReason(int error);

// fsync(2); special files that cannot be synchronized have nothing to commit.
bool Synchronize(int fd);

// The file of an open descriptor, which it then owns.
std::unique_ptr<File> MakeNativeFile(int fd, bool writable);

}  // namespace platform::posix
