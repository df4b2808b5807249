#pragma once

#include <string>

#include "platform/WindowHandle.h"

namespace platform {

// A modeless window with progress bars, as dialog resource 131 describes it.
// No message loop runs while the program works, so the owner repaints it
// explicitly.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;  // destroys the window

    virtual WindowHandle Handle() = 0;
    virtual void Show() = 0;
    virtual void SetParent(WindowHandle parent) = 0;
    virtual void SetCaption(const std::string& caption) = 0;  // Shift_JIS
    virtual void SetBarRange(int barId, int low, int high) = 0;
    virtual void SetBarStep(int barId, int step) = 0;
    virtual void SetBarPosition(int barId, int position) = 0;
    virtual void StepBar(int barId) = 0;
    virtual void BringToTop() = 0;
    virtual void MakeForeground() = 0;
    virtual void Repaint() = 0;
    virtual void Close() = 0;
};

}  // namespace platform
