#include "platform/win32/Win32Process.h"

#include <windows.h>

#include <optional>

#include "platform/win32/Win32Handle.h"

namespace platform::win32 {
namespace {

struct ProcessTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static bool Release(Type process) { return ::CloseHandle(process) != FALSE; }
};
using ProcessHandle = UniqueHandle<ProcessTraits>;

std::optional<std::uint64_t> CreationOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

ProcessStamp CurrentNativeProcess() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    ::GetComputerNameA(name, &size);
    ProcessStamp stamp;
    stamp.machine = std::string("windows ") + name;
    stamp.id = ::GetCurrentProcessId();
    stamp.started = CreationOf(::GetCurrentProcess()).value_or(0);
    return stamp;
}

ProcessLife NativeLifeOf(const ProcessStamp& process) {
    if (process.id == 0 || process.id > MAXDWORD) {
        return ProcessLife::Unknown;
    }
    const ProcessHandle handle(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process.id)));
    if (!handle.IsOpen()) {
        // No process has the id; any other refusal says nothing.
        return ::GetLastError() == ERROR_INVALID_PARAMETER ? ProcessLife::Ended
                                                           : ProcessLife::Unknown;
    }
    DWORD exitCode = 0;
    const std::optional<std::uint64_t> created = CreationOf(handle.Get());
    if (!created || !::GetExitCodeProcess(handle.Get(), &exitCode)) {
        return ProcessLife::Unknown;
    }
    return *created == process.started && exitCode == STILL_ACTIVE ? ProcessLife::Running
                                                                   : ProcessLife::Ended;
}

}  // namespace platform::win32
