#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FramePacer.h"
#include "platform/WindowSystem.h"
#include "platform/headless/ConsoleOutput.h"
#include "platform/headless/HeadlessDialog.h"

namespace platform::headless {

// How a Yes/No message box is answered.
enum class YesNoPolicy {
    AlwaysYes,
    AlwaysNo,
    // Prompts and reads a line when the console is interactive ("y" or "yes"
    // is Yes; anything else, or the end of the input, is No); No otherwise.
    Ask,
};

// Answers the save-file dialog: the full path confirmed, or nothing to cancel.
using SaveFileScript = std::function<std::optional<std::string>(const FileDialogRequest&)>;

// A window operation the program asked for.
struct WindowEvent {
    enum class Kind { Enable, Foreground, PostMessage, WaitCursor };

    Kind kind = Kind::Enable;
    WindowHandle window = 0;
    bool on = false;  // Enable: enabled; WaitCursor: shown
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;

    bool operator==(const WindowEvent&) const = default;
};

// The windowing of a console run. Message boxes are written to the output
// stream (UTF-8): a "[caption]" line, the text with its line breaks, for a
// Yes/No box a "(y/n) " line with the answer, then an empty line. Window
// operations are recorded, not performed. Dialogs are headless and operated
// by the dialog script; the progress window is one console line when shown.
class ConsoleWindowSystem final : public WindowSystem {
public:
    ConsoleWindowSystem(std::ostream& output, std::istream& input);
    ConsoleWindowSystem(const ConsoleWindowSystem&) = delete;
    ConsoleWindowSystem& operator=(const ConsoleWindowSystem&) = delete;

    void SetYesNoPolicy(YesNoPolicy policy) { yesNoPolicy_ = policy; }
    // How the line after a message box says why a file failed (UTF-8 path and
    // reason in, the line out): the front end's words, in the console's
    // language. Without one the line is "brenlo-cli: PATH: REASON".
    using FailureLine = std::function<std::string(const std::string&, const std::string&)>;
    void SetFailureLine(FailureLine line) { failureLine_ = std::move(line); }
    // Whether Ask may prompt and read the input; off by default.
    void SetInteractive(bool interactive) { interactive_ = interactive; }
    // The script that operates each modal dialog; none cancels them at once.
    // The script must outlive its use.
    void SetDialogScript(DialogScript* script) { dialogScript_ = script; }
    void SetSaveFileScript(SaveFileScript script) { saveFileScript_ = std::move(script); }
    // Whether progress windows show their line (a terminal, not quiet); off by default.
    void SetProgressVisible(bool visible) { progressVisible_ = visible; }
    // The clock that paces the progress windows created from now on.
    void SetProgressClock(FramePacer::Clock clock) { progressClock_ = std::move(clock); }

    // EnableWindow, SetForegroundWindow, PostWindowMessage and SetWaitCursor, in order.
    const std::vector<WindowEvent>& Events() const { return events_; }
    void ClearEvents() { events_.clear(); }

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned flags) override;
    bool EnableWindow(WindowHandle window, bool enable) override;
    bool SetForegroundWindow(WindowHandle window) override;
    bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) override;
    void SetWaitCursor(bool on) override;
    // Initialises the dialog, then hands it to the dialog script. A dialog the
    // script leaves open is closed the way the close box would close it: the
    // handler's OnCancel; if even that leaves it open, it ends with kIdCancel.
    // -1 for an unknown template, as DialogBox answers.
    int RunModalDialog(int templateId, WindowHandle parent, DialogHandler& handler) override;
    std::unique_ptr<ProgressWindow> CreateProgressWindow(int templateId) override;
    // The save-file script's answer; nothing (cancelled) without a script.
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;
    // The console opens reports by name: it asks for none.
    std::optional<std::string> AskOpenFileName(const FileDialogRequest&) override {
        return std::nullopt;
    }

private:
    int AnswerYesNo();
    WindowHandle NextHandle();

    std::shared_ptr<ConsoleOutput> output_;
    std::istream& input_;
    YesNoPolicy yesNoPolicy_ = YesNoPolicy::Ask;
    FailureLine failureLine_;
    bool interactive_ = false;
    DialogScript* dialogScript_ = nullptr;
    SaveFileScript saveFileScript_;
    bool progressVisible_ = false;
    FramePacer::Clock progressClock_;
    std::vector<WindowEvent> events_;
    WindowHandle lastHandle_ = 0;
};

// The console adapter of the process, on the standard error and input streams:
// the build's window system on POSIX, and the one a Windows console front end
// installs with ReplaceWindows.
ConsoleWindowSystem& ConsoleWindows();

}  // namespace platform::headless
