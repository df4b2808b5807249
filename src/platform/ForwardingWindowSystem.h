#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/WindowSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the window system it finds, and
// passes every call on to it; recorders override only what they watch.
class ForwardingWindowSystem : public platform::WindowSystem {
public:
    ForwardingWindowSystem() : next_(*platform::ReplaceWindows(this)) {}
    ~ForwardingWindowSystem() override { platform::ReplaceWindows(&next_); }
    ForwardingWindowSystem(const ForwardingWindowSystem&) = delete;
    ForwardingWindowSystem& operator=(const ForwardingWindowSystem&) = delete;

    int ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                       const std::string& caption, unsigned flags) override {
        return next_.ShowMessageBox(owner, text, caption, flags);
    }
    bool EnableWindow(platform::WindowHandle window, bool enable) override {
        return next_.EnableWindow(window, enable);
    }
    bool SetForegroundWindow(platform::WindowHandle window) override {
        return next_.SetForegroundWindow(window);
    }
    bool PostWindowMessage(platform::WindowHandle window, std::uint32_t message,
                           std::uintptr_t wParam, std::intptr_t lParam) override {
        return next_.PostWindowMessage(window, message, wParam, lParam);
    }
    void SetWaitCursor(bool on) override { next_.SetWaitCursor(on); }
    int RunModalDialog(int templateId, platform::WindowHandle parent,
                       platform::DialogHandler& handler) override {
        return next_.RunModalDialog(templateId, parent, handler);
    }
    std::unique_ptr<platform::ProgressWindow> CreateProgressWindow(int templateId) override {
        return next_.CreateProgressWindow(templateId);
    }
    std::optional<std::string> AskSaveFileName(const platform::SaveFileRequest& request) override {
        return next_.AskSaveFileName(request);
    }

protected:
    platform::WindowSystem& next_;
};

}  // namespace testsupport
