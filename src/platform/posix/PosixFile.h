#pragma once

#include <errno.h>
#include <unistd.h>

#include <memory>
#include <utility>

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

// flock(2) for exclusive use, tried until `patienceMs` have passed.
bool LockExclusively(int fd, int patienceMs);

// fsync(2); special files that cannot be synchronized have nothing to commit.
bool Synchronize(int fd);

// The file of an open descriptor, which it then owns.
std::unique_ptr<File> MakeNativeFile(int fd, bool writable);

}  // namespace platform::posix
