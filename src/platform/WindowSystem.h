#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/WindowHandle.h"

namespace platform {

class DialogHandler;
class ProgressWindow;

// Message-box flags and answers, with their Win32 values.
inline constexpr unsigned kMbOk = 0x0000;
inline constexpr unsigned kMbYesNo = 0x0004;
inline constexpr unsigned kMbIconQuestion = 0x0020;
inline constexpr unsigned kMbIconExclamation = 0x0030;
inline constexpr unsigned kMbIconInformation = 0x0040;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// What the save-file or open-file dialog is opened with. Texts are Shift_JIS;
// the filter is in the framework's form, pairs separated by '|' and ended by
// "||".
struct FileDialogRequest {
    WindowHandle owner = 0;
    std::string defaultExtension;
    std::string fileName;
    unsigned flags = 0;
    std::string filter;
    std::string initialFolder;
    std::string title;
};

// The windowing half of the platform: message boxes, the host window, the two
// dialogs of the program and the save-file and open-file dialogs.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The button the user chose (kIdOk, kIdYes, kIdNo, ...).
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned flags) = 0;
    virtual bool EnableWindow(WindowHandle window, bool enable) = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    virtual bool PostWindowMessage(WindowHandle window, std::uint32_t message,
                                   std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual void SetWaitCursor(bool on) = 0;

    // Runs a dialog template modally; the result is what the handler passed to EndDialog.
    virtual int RunModalDialog(int templateId, WindowHandle parent, DialogHandler& handler) = 0;
    // A modeless window from a template, not yet shown; null when it cannot be created.
    virtual std::unique_ptr<ProgressWindow> CreateProgressWindow(int templateId) = 0;
    // The full path the user confirmed; nothing when the user cancelled.
    virtual std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) = 0;
    // The existing file the user chose; nothing when the user cancelled.
    virtual std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) = 0;
};

WindowSystem& Windows();
// Installs a replacement (the console front end, tests); null restores the build's adapter.
WindowSystem* ReplaceWindows(WindowSystem* replacement);

}  // namespace platform
