#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "platform/FramePacer.h"
#include "platform/ProgressBarState.h"
#include "platform/ProgressWindow.h"

namespace platform::win32 {

// A modeless dialog with progress bars (msctls_progress32), created hidden
// from the program's dialog resource without an owner. No message loop runs
// while it is open, so the window draws when the program repaints it, paced to
// display frames (FramePacer): a bar control repaints itself on every message
// that moves it, so the bars' positions are kept here and handed to the
// controls with each frame, and bringing the window forward waits for the
// next frame too. The caption is set at once. Closing draws the last state.
class Win32ProgressWindow final : public ProgressWindow {
public:
    // Null when the window cannot be created.
    static std::unique_ptr<Win32ProgressWindow> Create(int templateId,
                                                       FramePacer::Clock clock = {});

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
    // When a frame is due: hands the bars their state, brings the window
    // forward if asked and paints what is invalid in it.
    void Repaint() override;
    void Close() override;

private:
    Win32ProgressWindow(HWND window, FramePacer::Clock clock);

    void DrawFrame();
    LRESULT SendToBar(int barId, UINT message, WPARAM wParam, LPARAM lParam);

    struct Bar {
        ProgressBarState state;  // what the program did
        ProgressBarState shown;  // what the control was handed
    };

    HWND window_;
    std::map<int, Bar> bars_;
    bool bringToTop_ = false;
    bool makeForeground_ = false;
    FramePacer pacer_;
};

}  // namespace platform::win32
