// stand-in-host.exe: plays the host application for the GUI programs' tests.
// It opens a top-level window, starts an export program with the host's
// command line "window,message,7,path" and writes what its window receives to
// a record file, one line each, as it happens:
//
//   window <handle>            the host window, before the program starts
//   started <process id>
//   enabled <0|1>              WM_ENABLE: the program disabled or enabled the window
//   completion <wParam> <lParam>
//   exited <exit code>         the program ended; the host ends too
//
//   stand-in-host.exe PROGRAM RECORD [PATH]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// The message number the host asks the program to answer with.
constexpr UINT kCompletionMessage = WM_APP + 7;
constexpr int kFunctionId = 7;
// A program that does not end by then is stopped, so that a test never hangs.
constexpr DWORD kTimeoutMilliseconds = 120000;

FILE* g_record = nullptr;

void Record(const std::string& line) {
    std::fprintf(g_record, "%s\n", line.c_str());
    std::fflush(g_record);
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE) {
        Record("enabled " + std::to_string(wParam != 0 ? 1 : 0));
        return 0;
    }
    if (message == kCompletionMessage) {
        Record("completion " + std::to_string(static_cast<long long>(wParam)) + " " +
               std::to_string(static_cast<long long>(lParam)));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateHostWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = L"TellaryStandInHost";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"Tellary (stand-in host)",
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

// Dispatches the window's messages until the program has ended and its last
// posted message is in; false when it outlived the timeout.
bool RunUntilExit(HANDLE process) {
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMilliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        const DWORD woken = MsgWaitForMultipleObjects(
            1, &process, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            // Messages posted before the program ended are queued by now.
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            return true;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: stand-in-host PROGRAM RECORD [PATH]\n");
        return 64;
    }
    g_record = std::fopen(argv[2], "w");
    if (g_record == nullptr) {
        std::fprintf(stderr, "stand-in-host: cannot write %s\n", argv[2]);
        return 1;
    }
    HWND window = CreateHostWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "stand-in-host: cannot create the host window\n");
        return 1;
    }
    const auto handle = reinterpret_cast<std::uintptr_t>(window);
    Record("window " + std::to_string(handle));

    std::string commandLine = std::string("\"") + argv[1] + "\" " + std::to_string(handle) + "," +
                              std::to_string(kCompletionMessage) + "," +
                              std::to_string(kFunctionId) + "," + (argc == 4 ? argv[3] : "");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started) == FALSE) {
        std::fprintf(stderr, "stand-in-host: cannot start %s\n", argv[1]);
        return 1;
    }
    CloseHandle(started.hThread);
    Record("started " + std::to_string(started.dwProcessId));

    const bool ended = RunUntilExit(started.hProcess);
    if (!ended) {
        TerminateProcess(started.hProcess, 1);
        WaitForSingleObject(started.hProcess, INFINITE);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(started.hProcess, &exitCode);
    CloseHandle(started.hProcess);
    Record(ended ? "exited " + std::to_string(exitCode) : std::string("timeout"));
    DestroyWindow(window);
    std::fclose(g_record);
    return ended ? 0 : 1;
}
