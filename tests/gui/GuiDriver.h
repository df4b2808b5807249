#pragma once

// Drives the GUI programs from outside, through real window messages, as a
// user and the host would: starts processes, finds their windows by caption,
// presses keys, clicks buttons and answers message boxes.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace gui {

using namespace std::chrono_literals;

// Long enough for a run under Wine on a loaded machine.
inline constexpr std::chrono::milliseconds kPatience = 30s;

// A started process; stopped and waited for when it is still running at the end.
class Process {
public:
    Process() = default;
    explicit Process(const PROCESS_INFORMATION& started);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Thread() const { return thread_; }
    // The exit code; nothing when the process did not end in time.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds patience = kPatience);

private:
    HANDLE process_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD id_ = 0;
};

// Asks until the condition holds; false when the patience ran out first. What
// another process does after a window of it closed comes a moment later.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds patience = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// Starts "PROGRAM" ARGUMENTS; the texts are code page 932.
Process Start(const std::string& program, const std::string& arguments = std::string());
// Starts it with standard output and error into the file at `output`, as a
// console program is started whose output is kept.
Process StartWithOutput(const std::string& program, const std::string& arguments,
                        const std::string& output);
// A process another program started.
Process Open(DWORD processId);

// The folder of the running test program, where the build puts every program.
std::string ProgramFolder();

// A visible top-level window of the process with this caption (and class,
// when given); null when none appeared in time.
HWND WaitForWindow(DWORD processId, const std::wstring& caption,
                   const std::wstring& windowClass = std::wstring(),
                   std::chrono::milliseconds patience = kPatience);

// A window of this class that another process made a child of `parent`;
// null when none appeared in time.
HWND WaitForChild(HWND parent, const std::wstring& windowClass,
                  std::chrono::milliseconds patience = kPatience);

// Waits until the window is gone; false when it stayed.
bool WaitUntilGone(HWND window, std::chrono::milliseconds patience = kPatience);

std::wstring ClassOf(HWND window);
// The text as the window's own procedure gives it (WM_GETTEXT across processes).
std::wstring TextOf(HWND window);
std::wstring ControlText(HWND dialog, int id);
// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// Key down and up, posted to the control with the focus, as the keyboard
// would deliver them.
void PressKey(HWND dialog, UINT virtualKey);
// A click on the control with this id, posted as BM_CLICK.
void Click(HWND dialog, int id);
// Replaces the edit's text by typing: select all, then one WM_CHAR each.
void Type(HWND dialog, int id, const std::wstring& text);

// A message box the program showed: its window, owner, text and buttons.
struct MessageBoxSeen {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<int> buttons;  // IDOK, IDYES, IDNO, ... in the order of their ids
};
// The next message box ("#32770" with the caption) of the process.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId,
                                                const std::wstring& caption = L"所得税");
// Presses the button of the message box.
void Answer(const MessageBoxSeen& box, int button);

// For its lifetime, .html files open in stand-in-browser.exe, which notes
// each page in the file BRENLO_TEST_OPENED names and shows nothing; the
// association the prefix had comes back afterwards.
class StandInBrowser {
public:
    StandInBrowser();
    ~StandInBrowser();
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    bool Installed() const { return installed_; }

private:
    std::string association_;
    bool installed_ = false;
};

// Windows text and code page 932.
std::wstring Wide(const std::string& sjis);
std::string Narrow(const std::wstring& text);

}  // namespace gui
