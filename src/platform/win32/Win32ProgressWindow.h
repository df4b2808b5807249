#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/ProgressWindow.h"

namespace platform::win32 {

// A modeless dialog with progress bars (msctls_progress32), created hidden
// from the program's dialog resource without an owner. No message loop runs while it is open:
// each operation acts on the window at once.
class Win32ProgressWindow final : public ProgressWindow {
public:
    // Null when the window cannot be created.
    static std::unique_ptr<Win32ProgressWindow> Create(int templateId);

    ~Win32ProgressWindow() override;
    Win32ProgressWindow(const Win32ProgressWindow&) = delete;
    Win32ProgressWindow& operator=(const Win32ProgressWindow&) = delete;

    WindowHandle Handle() override;
    void Show() override;
    void SetParent(WindowHandle parent) override;
    void SetCaption(const std::string& caption) override;
    void SetBarRange(int barId, int low, int high) override;
    void SetBarStep(int barId, int step) override;
    void SetBarPosition(int barId, int position) override;
    void StepBar(int barId) override;
    void BringToTop() override;
    void MakeForeground() override;
    // Paints what is invalid in the window and its bars now.
    void Repaint() override;
    void Close() override;

private:
    explicit Win32ProgressWindow(HWND window) : window_(window) {}

    LRESULT SendToBar(int barId, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
};

}  // namespace platform::win32
