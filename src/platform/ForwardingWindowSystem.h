#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/WindowSystem.h"

namespace platform {

// Installed for its lifetime in place of the window system it finds, and
// passes every call on to it: a replacement overrides only what it changes
// (a run that must show nothing, a test that watches).
class ForwardingWindowSystem : public WindowSystem {
public:
    ForwardingWindowSystem() : next_(*ReplaceWindows(this)) {}
    ~ForwardingWindowSystem() override { ReplaceWindows(&next_); }
    ForwardingWindowSystem(const ForwardingWindowSystem&) = delete;
    ForwardingWindowSystem& operator=(const ForwardingWindowSystem&) = delete;

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned flags) override {
        return next_.ShowMessageBox(owner, text, caption, flags);
    }
    bool EnableWindow(WindowHandle window, bool enable) override {
        return next_.EnableWindow(window, enable);
    }
    bool SetForegroundWindow(WindowHandle window) override {
        return next_.SetForegroundWindow(window);
    }
    bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) override {
        return next_.PostWindowMessage(window, message, wParam, lParam);
    }
    void SetWaitCursor(bool on) override { next_.SetWaitCursor(on); }
    int RunModalDialog(int templateId, WindowHandle parent, DialogHandler& handler) override {
        return next_.RunModalDialog(templateId, parent, handler);
    }
    std::unique_ptr<ProgressWindow> CreateProgressWindow(int templateId) override {
        return next_.CreateProgressWindow(templateId);
    }
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override {
        return next_.AskSaveFileName(request);
    }
    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override {
        return next_.AskOpenFileName(request);
    }

protected:
    WindowSystem& next_;
};

}  // namespace platform
