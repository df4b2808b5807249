#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/posix/DriveMap.h"
#include "platform/text/Cp932.h"

extern char** environ;

namespace platform::console {

std::string ArgumentText(std::string_view argument, bool* ok) {
    auto converted = cp932::FromUtf8(argument);
    if (ok != nullptr) {
        *ok = converted.has_value();
    }
    return converted.value_or(std::string());
}

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && isatty(fileno(stream)) == 1;
}

bool HasStream(std::FILE* stream) {
    return stream != nullptr && fileno(stream) >= 0 && fcntl(fileno(stream), F_GETFD) != -1;
}

int TerminalColumns(std::FILE* stream) {
    winsize size{};
    if (!IsTerminal(stream) || ioctl(fileno(stream), TIOCGWINSZ, &size) != 0) {
        return 0;
    }
    return size.ws_col;
}

bool OpenWithDefaultProgram(const std::string& path) {
    const std::optional<std::string> native = posix::DriveMap::FromEnvironment().ToNative(
        path, [] { return std::optional<std::string>(); });
    if (!native) {
        return false;
    }
    std::string program = "xdg-open";
    std::string file = *native;
    char* arguments[] = {program.data(), file.data(), nullptr};
    // What the opener says of its own tries (browsers it did not find) is no
    // line of this program's: the result says whether a browser started.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "xdg-open", &quiet, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
    return setenv(name.c_str(), value.c_str(), 1) == 0;
}

bool PrefersJapanese() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return value[0] == 'j' && value[1] == 'a';
        }
    }
    return false;
}

void UseUtf8Console() {}

}  // namespace platform::console
