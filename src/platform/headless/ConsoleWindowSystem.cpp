#include "platform/headless/ConsoleWindowSystem.h"

#include <cctype>
#include <iostream>
#include <string_view>
#include <utility>

#include "platform/DialogTemplate.h"
#include "platform/FileSystem.h"
#include "platform/headless/ConsoleProgressWindow.h"
#include "platform/text/TerminalText.h"

namespace platform::headless {
namespace {

constexpr unsigned kMbTypeMask = 0x000F;
// Handles of headless windows: nonzero and apart from small numbers a test
// might pass as a host window.
constexpr WindowHandle kFirstHandle = 0x10000;
constexpr WindowHandle kHandleStep = 4;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsYes(std::string_view answer) {
    std::string lower;
    for (char c : Trimmed(answer)) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower == "y" || lower == "yes";
}

}  // namespace

ConsoleWindowSystem::ConsoleWindowSystem(std::ostream& output, std::istream& input)
    : output_(std::make_shared<ConsoleOutput>(output)), input_(input) {}

int ConsoleWindowSystem::ShowMessageBox(WindowHandle, const std::string& text,
                                        const std::string& caption, unsigned flags) {
    std::ostream& lines = output_->Lines();
    // Messages carry host texts (company, account and file names): they reach
    // the terminal as text only.
    lines << '[' << text::ForTerminal(ConsoleText(caption)) << "]\n";
    std::string lineEnds;
    for (char c : ConsoleText(text)) {
        if (c != '\r') {
            lineEnds += c;
        }
    }
    std::string body = text::ForTerminal(lineEnds);
    if (body.empty() || body.back() != '\n') {
        body += '\n';
    }
    lines << body;
    // The message says what the Windows program says; the system's reason
    // behind it is what a console user can act on.
    if (const std::optional<FileFailure> failure = TakeFileFailure()) {
        // The path may be a remembered one, from the settings file.
        const std::string path = ConsoleText(failure->path);
        const std::string reason = ConsoleText(failure->reason);
        lines << text::ForTerminal(failureLine_ ? failureLine_(path, reason)
                                                : "brenlo-cli: " + path + ": " + reason)
              << '\n';
    }
    int answer = kIdOk;
    if ((flags & kMbTypeMask) == kMbYesNo) {
        answer = AnswerYesNo();
    }
    lines << '\n';
    lines.flush();
    return answer;
}

int ConsoleWindowSystem::AnswerYesNo() {
    std::ostream& lines = output_->Lines();
    lines << "(y/n) ";
    if (yesNoPolicy_ == YesNoPolicy::Ask && interactive_) {
        lines.flush();
        std::string reply;
        const bool read = static_cast<bool>(std::getline(input_, reply));
        if (!read) {
            // The input ended without a line break after the prompt.
            lines << '\n';
        }
        return read && IsYes(reply) ? kIdYes : kIdNo;
    }
    const bool yes = yesNoPolicy_ == YesNoPolicy::AlwaysYes;
    lines << (yes ? "y" : "n") << '\n';
    return yes ? kIdYes : kIdNo;
}

bool ConsoleWindowSystem::EnableWindow(WindowHandle window, bool enable) {
    events_.push_back({WindowEvent::Kind::Enable, window, enable});
    return true;
}

bool ConsoleWindowSystem::SetForegroundWindow(WindowHandle window) {
    events_.push_back({WindowEvent::Kind::Foreground, window});
    return true;
}

bool ConsoleWindowSystem::PostWindowMessage(WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
    events_.push_back({WindowEvent::Kind::PostMessage, window, false, message, wParam, lParam});
    return true;
}

void ConsoleWindowSystem::SetWaitCursor(bool on) {
    events_.push_back({WindowEvent::Kind::WaitCursor, 0, on});
}

int ConsoleWindowSystem::RunModalDialog(int templateId, WindowHandle, DialogHandler& handler) {
    const DialogTemplate* found = FindDialogTemplate(templateId);
    if (found == nullptr) {
        return -1;
    }
    HeadlessDialog dialog(*found, handler, NextHandle());
    dialog.Initialize();
    if (dialog.IsOpen() && dialogScript_ != nullptr) {
        dialogScript_->Operate(dialog);
    }
    if (dialog.IsOpen()) {
        handler.OnCancel(dialog);
    }
    if (dialog.IsOpen()) {
        dialog.EndDialog(kIdCancel);
    }
    return dialog.Result();
}

std::unique_ptr<ProgressWindow> ConsoleWindowSystem::CreateProgressWindow(int templateId) {
    const DialogTemplate* found = FindDialogTemplate(templateId);
    if (found == nullptr) {
        return nullptr;
    }
    return std::make_unique<ConsoleProgressWindow>(*found, output_, progressVisible_, NextHandle(),
                                                   progressClock_);
}

std::optional<std::string> ConsoleWindowSystem::AskSaveFileName(const FileDialogRequest& request) {
    if (!saveFileScript_) {
        return std::nullopt;
    }
    return saveFileScript_(request);
}

WindowHandle ConsoleWindowSystem::NextHandle() {
    lastHandle_ = lastHandle_ == 0 ? kFirstHandle : lastHandle_ + kHandleStep;
    return lastHandle_;
}

ConsoleWindowSystem& ConsoleWindows() {
    static ConsoleWindowSystem console(std::cerr, std::cin);
    return console;
}

}  // namespace platform::headless
