#include "platform/posix/PosixProcess.h"

#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>

namespace platform::posix {
namespace {

std::string FirstLineOf(const std::string& native) {
    std::ifstream file(native);
    std::string line;
    std::getline(file, line);
    return line;
}

// Field 22 of /proc/<pid>/stat; nothing when the process has none (any more).
std::optional<std::uint64_t> StartOf(std::uint64_t id) {
    const std::string stat = FirstLineOf("/proc/" + std::to_string(id) + "/stat");
    // The command name in parentheses may hold blanks and parentheses itself.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    // After the name: state (field 3) up to starttime (field 22).
    for (int number = 3; number < 22; ++number) {
        fields >> field;
    }
    std::uint64_t start = 0;
    if (!(fields >> start)) {
        return std::nullopt;
    }
    return start;
}

}  // namespace

ProcessStamp CurrentNativeProcess() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    ProcessStamp stamp;
    stamp.machine =
        std::string("linux ") + host + " " + FirstLineOf("/proc/sys/kernel/random/boot_id");
    stamp.id = static_cast<std::uint64_t>(::getpid());
    stamp.started = StartOf(stamp.id).value_or(0);
    return stamp;
}

ProcessLife NativeLifeOf(const ProcessStamp& process) {
    if (process.id == 0 || process.id > static_cast<std::uint64_t>(INT_MAX)) {
        return ProcessLife::Unknown;
    }
    if (::kill(static_cast<pid_t>(process.id), 0) != 0 && errno == ESRCH) {
        return ProcessLife::Ended;
    }
    const std::optional<std::uint64_t> start = StartOf(process.id);
    if (!start) {
        // Gone since, or hidden from this user.
        return ::kill(static_cast<pid_t>(process.id), 0) != 0 && errno == ESRCH
                   ? ProcessLife::Ended
                   : ProcessLife::Unknown;
    }
    return *start == process.started ? ProcessLife::Running : ProcessLife::Ended;
}

}  // namespace platform::posix
