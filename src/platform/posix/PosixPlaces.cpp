// Where things are: the current folder, the running program, a folder's
// resolved path and the user's own folder.
#include "platform/posix/PosixPlaces.h"

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace platform::posix {

std::optional<std::string> NativeCurrentDirectory() {
    std::string buffer(256, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return std::nullopt;
        }
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::optional<std::string> NativeModulePath() {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ResolvedDirectory(const std::string& directory) {
    const std::unique_ptr<char, decltype(&::free)> resolved(::realpath(directory.c_str(), nullptr),
                                                            &::free);
    return resolved ? std::string(resolved.get()) : directory;
}

std::optional<std::string> NativeUserDataFolder() {
    const char* state = ::getenv("XDG_STATE_HOME");
    const char* home = ::getenv("HOME");
    std::string folder;
    if (state != nullptr && state[0] == '/') {
        folder = state;
    } else if (home != nullptr && home[0] == '/') {
        folder = std::string(home) + "/.local/state";
    } else {
        return std::nullopt;
    }
    folder += "/brenlo";
    // Each missing level as the XDG directories want them: the user's alone.
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string level = folder.substr(0, slash);
        if (::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST) {
            return std::nullopt;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace platform::posix
