// Files opened through POSIX descriptors, with the C runtime's semantics:
// writes are whole or fail, and a close commits the data to the disk.
#include "platform/posix/PosixFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <utility>

namespace platform::posix {
namespace {

int OpenRetrying(const char* path, int flags, mode_t permissions = 0) {
    int fd = -1;
    do {
        fd = ::open(path, flags, permissions);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

class PosixFile final : public File {
public:
    PosixFile(int fd, bool writable) : fd_(fd), writable_(writable) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (!fd_.IsOpen()) {
            return std::nullopt;
        }
        const std::size_t wanted = std::min<std::size_t>(buffer.size(), SSIZE_MAX);
        ssize_t count = -1;
        do {
            count = ::read(fd_.Get(), buffer.data(), wanted);
        } while (count < 0 && errno == EINTR);
        if (count < 0) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(count);
    }

    bool Write(std::string_view bytes) override {
        if (!fd_.IsOpen()) {
            return false;
        }
        while (!bytes.empty()) {
            const std::size_t wanted = std::min<std::size_t>(bytes.size(), SSIZE_MAX);
            const ssize_t count = ::write(fd_.Get(), bytes.data(), wanted);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
        return true;
    }

    std::optional<std::uint64_t> Size() override {
        struct stat status {};
        if (!fd_.IsOpen() || ::fstat(fd_.Get(), &status) != 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(status.st_size);
    }

    std::optional<FileFacts> Facts() override {
        struct stat status {};
        if (!fd_.IsOpen() || ::fstat(fd_.Get(), &status) != 0) {
            return std::nullopt;
        }
        return FactsOfStatus(status);
    }

    bool Close() override {
        if (!fd_.IsOpen()) {
            return false;
        }
        const bool committed = !writable_ || Synchronize(fd_.Get());
        return fd_.Close() && committed;
    }

private:
    Descriptor fd_;
    bool writable_;
};

}  // namespace

// Special files that cannot be synchronized have nothing to commit.
bool Synchronize(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

bool LockExclusively(int fd, int patienceMs, bool* unsupported) {
    constexpr int kPauseMs = 20;
    *unsupported = false;
    for (int waited = 0;; waited += kPauseMs) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            *unsupported = true;
            return false;
        }
        if (waited >= patienceMs) {
            return false;
        }
        ::usleep(kPauseMs * 1000);
    }
}

std::optional<std::string> ReadRegularNative(const std::string& native, std::uint64_t limit) {
    posix::Descriptor fd(posix::OpenNative(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uint64_t>(status.st_size) > limit) {
        return std::nullopt;
    }
    // Beyond the size it had when opened, it is still being written.
    limit = static_cast<std::uint64_t>(status.st_size);
    std::string content;
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return content;
        }
        if (content.size() + static_cast<std::size_t>(count) > limit) {
            return std::nullopt;
        }
        content.append(chunk, static_cast<std::size_t>(count));
    }
}

int OpenNative(const char* path, int flags, unsigned int permissions) {
    return OpenRetrying(path, flags, static_cast<mode_t>(permissions));
}

std::unique_ptr<File> MakeNativeFile(int fd, bool writable) {
    return std::make_unique<PosixFile>(fd, writable);
}

}  // namespace platform::posix
