#include "gui/GuiDriver.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace gui {
namespace {

// The dialog manager's id for a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

struct WindowSearch {
    DWORD processId;
    const std::wstring* caption;
    const std::wstring* windowClass;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || IsWindowVisible(window) == FALSE) {
        return TRUE;
    }
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    if (*search->caption != caption ||
        (!search->windowClass->empty() && *search->windowClass != ClassOf(window))) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

Process::Process(const PROCESS_INFORMATION& started)
    : process_(started.hProcess), thread_(started.hThread), id_(started.dwProcessId) {}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      thread_(std::exchange(other.thread_, nullptr)),
      id_(other.id_) {}

Process& Process::operator=(Process&& other) noexcept {
    // The process this one held goes with `other`.
    std::swap(process_, other.process_);
    std::swap(thread_, other.thread_);
    std::swap(id_, other.id_);
    return *this;
}

Process::~Process() {
    if (process_ != nullptr) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 10000);
        }
        CloseHandle(process_);
    }
    if (thread_ != nullptr) {
        CloseHandle(thread_);
    }
}

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds patience) {
    if (process_ == nullptr ||
        WaitForSingleObject(process_, static_cast<DWORD>(patience.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

Process Start(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Without the test's console: what a program prints stays out of the test's output.
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                       nullptr, nullptr, &startup, &started) == FALSE) {
        return Process();
    }
    return Process(started);
}

Process StartWithOutput(const std::string& program, const std::string& arguments,
                        const std::string& output) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE file = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Process();
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION started{};
    const BOOL created = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        DETACHED_PROCESS, nullptr, nullptr, &startup, &started);
    CloseHandle(file);
    return created != FALSE ? Process(started) : Process();
}

Process Open(DWORD processId) {
    PROCESS_INFORMATION opened{};
    opened.hProcess =
        OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId);
    opened.dwProcessId = processId;
    return opened.hProcess != nullptr ? Process(opened) : Process();
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

HWND WaitForWindow(DWORD processId, const std::wstring& caption, const std::wstring& windowClass,
                   std::chrono::milliseconds patience) {
    WindowSearch search{processId, &caption, &windowClass};
    Eventually(
        [&] {
            EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        patience);
    return search.found;
}

HWND WaitForChild(HWND parent, const std::wstring& windowClass,
                  std::chrono::milliseconds patience) {
    HWND found = nullptr;
    Eventually(
        [&] {
            for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (ClassOf(child) == windowClass) {
                    found = child;
                    return true;
                }
            }
            return false;
        },
        patience);
    return found;
}

bool WaitUntilGone(HWND window, std::chrono::milliseconds patience) {
    return Eventually([&] { return IsWindow(window) == FALSE; }, patience);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return std::wstring(text, std::min<std::size_t>(copied, 1023));
}

std::wstring ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? TextOf(control) : std::wstring();
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) != FALSE ? info.hwndFocus : nullptr;
}

void PressKey(HWND dialog, UINT virtualKey) {
    HWND target = FocusOf(dialog);
    if (target == nullptr) {
        target = dialog;
    }
    const UINT scan = MapVirtualKeyW(virtualKey, 0);  // MAPVK_VK_TO_VSC
    PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, virtualKey,
                 static_cast<LPARAM>(1 | (scan << 16) | (1u << 30) | (1u << 31)));
}

void Click(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Type(HWND dialog, int id, const std::wstring& text) {
    HWND edit = GetDlgItem(dialog, id);
    PostMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : text) {
        PostMessageW(edit, WM_CHAR, c, 1);
    }
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, const std::wstring& caption) {
    HWND window = WaitForWindow(processId, caption, L"#32770");
    if (window == nullptr) {
        return std::nullopt;
    }
    MessageBoxSeen box;
    box.window = window;
    box.owner = GetWindow(window, GW_OWNER);
    box.caption = caption;
    // The text is set while the box initialises; it is there once the box shows.
    Eventually(
        [&] {
            box.text = ControlText(window, kMessageBoxTextId);
            return !box.text.empty();
        },
        5s);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        HWND button = GetDlgItem(window, id);
        if (button != nullptr && IsWindowVisible(button) != FALSE) {
            box.buttons.push_back(id);
        }
    }
    return box;
}

void Answer(const MessageBoxSeen& box, int button) {
    Click(box.window, button);
}

namespace {
constexpr char kAssociation[] = ".html";
constexpr char kOpener[] = "BrenloTestPage";
}  // namespace

StandInBrowser::StandInBrowser() {
    char association[MAX_PATH] = {};
    DWORD size = sizeof association;
    if (RegGetValueA(HKEY_CLASSES_ROOT, kAssociation, nullptr, RRF_RT_REG_SZ, nullptr, association,
                     &size) == ERROR_SUCCESS) {
        association_ = association;
    }
    const std::string command = "\"" + ProgramFolder() + "stand-in-browser.exe\" \"%1\"";
    installed_ =
        RegSetKeyValueA(HKEY_CLASSES_ROOT, kAssociation, nullptr, REG_SZ, kOpener,
                        sizeof kOpener) == ERROR_SUCCESS &&
        RegSetKeyValueA(HKEY_CLASSES_ROOT,
                        (std::string(kOpener) + "\\shell\\open\\command").c_str(), nullptr, REG_SZ,
                        command.c_str(), static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

StandInBrowser::~StandInBrowser() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kOpener);
    if (association_.empty()) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kAssociation);
    } else {
        RegSetKeyValueA(HKEY_CLASSES_ROOT, kAssociation, nullptr, REG_SZ, association_.c_str(),
                        static_cast<DWORD>(association_.size() + 1));
    }
}

std::wstring Wide(const std::string& sjis) {
    if (sjis.empty()) {
        return std::wstring();
    }
    const int length =
        MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int length = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

}  // namespace gui
