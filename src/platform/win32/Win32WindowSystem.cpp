#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <string_view>

#include "platform/text/Cp932.h"
#include "platform/win32/Win32ModalDialog.h"
#include "platform/win32/Win32ProgressWindow.h"
#include "platform/win32/Win32Text.h"

namespace platform {
namespace {

HWND WindowOf(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// A handle that is no window (a stale one from the command line) owns nothing.
HWND OwnerOf(WindowHandle handle) {
    HWND window = WindowOf(handle);
    return window != nullptr && IsWindow(window) != FALSE ? window : nullptr;
}

// The framework's filter ("Xml Files (*.xml)|*.xml||") in the system's form,
// NUL-separated. A '|' that is the second byte of a double-byte character
// stays.
std::wstring FilterOf(const std::string& filter) {
    if (filter.empty()) {
        return std::wstring();
    }
    std::string separated = filter;
    for (std::size_t k = 0; k < separated.size(); ++k) {
        if (separated[k] == '|' && cp932::ClassAt(separated, k) != cp932::ByteClass::Trail) {
            separated[k] = '\0';
        }
    }
    separated.push_back('\0');
    return win32::Widen(separated);
}

// An empty text is no argument at all for the save-file dialog.
const wchar_t* OptionalText(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// The save-file and open-file dialogs take the same structure.
std::optional<std::string> AskFileName(const FileDialogRequest& request,
                                       BOOL(WINAPI* ask)(OPENFILENAMEW*)) {
    const std::wstring filter = FilterOf(request.filter);
    const std::wstring extension = win32::Widen(request.defaultExtension);
    const std::wstring folder = win32::Widen(request.initialFolder);
    const std::wstring title = win32::Widen(request.title);
    std::wstring file = win32::Widen(request.fileName);
    file.resize(MAX_PATH, L'\0');
    file.back() = L'\0';

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerOf(request.owner);
    dialog.lpstrFilter = OptionalText(filter);
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = OptionalText(folder);
    dialog.lpstrTitle = OptionalText(title);
    dialog.Flags = request.flags;
    dialog.lpstrDefExt = OptionalText(extension);
    if (ask(&dialog) == FALSE) {
        return std::nullopt;
    }
    return win32::Narrow(std::wstring_view(file.c_str()));
}

class Win32WindowSystem final : public WindowSystem {
public:
    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned flags) override {
        return MessageBoxW(OwnerOf(owner), win32::Widen(text).c_str(),
                           win32::Widen(caption).c_str(), flags);
    }

    // The answer is Win32's: whether the window was disabled before.
    bool EnableWindow(WindowHandle window, bool enable) override {
        return ::EnableWindow(WindowOf(window), enable ? TRUE : FALSE) != FALSE;
    }

    bool SetForegroundWindow(WindowHandle window) override {
        return ::SetForegroundWindow(WindowOf(window)) != FALSE;
    }

    // The host is an ANSI program: its messages go through the A function.
    bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) override {
        return PostMessageA(WindowOf(window), message, wParam, lParam) != FALSE;
    }

    // No messages are dispatched while the program works, so the cursor set
    // here stays until it is set back.
    void SetWaitCursor(bool on) override {
        if (on) {
            HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            if (!waiting_) {
                restore_ = previous;
                waiting_ = true;
            }
        } else if (waiting_) {
            SetCursor(restore_ != nullptr ? restore_ : LoadCursorA(nullptr, IDC_ARROW));
            waiting_ = false;
        }
    }

    int RunModalDialog(int templateId, WindowHandle parent, DialogHandler& handler) override {
        return win32::RunModalDialog(templateId, parent, handler);
    }

    std::unique_ptr<ProgressWindow> CreateProgressWindow(int templateId) override {
        return win32::Win32ProgressWindow::Create(templateId);
    }

    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override {
        return AskFileName(request, GetSaveFileNameW);
    }

    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override {
        return AskFileName(request, GetOpenFileNameW);
    }

private:
    bool waiting_ = false;
    HCURSOR restore_ = nullptr;
};

}  // namespace

WindowSystem& Win32Windows() {
    static Win32WindowSystem windows;
    return windows;
}

}  // namespace platform
