// What replacing a file needs beyond open(2): a private new file and the
// system's words for a failure.
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

#include "platform/posix/PosixFile.h"

namespace platform::posix {
namespace {

// umask(2) can only be read by setting it: for that moment it is the strictest
// one, so a file another thread creates meanwhile is never more open.
mode_t CurrentUmask() {
    const mode_t mask = ::umask(0077);
    ::umask(mask);
    return mask;
}

mode_t ModeFor(const std::string& replacedNative) {
    struct stat replaced {};
    if (::stat(replacedNative.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
        return replaced.st_mode & 0777;
    }
    return 0666 & ~CurrentUmask();
}

}  // namespace

int CreateOwnerOnly(const std::string& native) {
    return OpenNative(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int CreatePrivate(const std::string& native, const std::string& replacedNative) {
    const int fd = CreateOwnerOnly(native);
    if (fd < 0) {
        return -1;
    }
    if (::fchmod(fd, ModeFor(replacedNative)) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(native.c_str());
        errno = error;
        return -1;
    }
    return fd;
}

std::string ErrnoReason(int error) {
    std::string reason = ::strerror(error);
    if (!reason.empty()) {
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    }
    return reason;
}

}  // namespace platform::posix
