#include "platform/win32/Win32ProgressWindow.h"

#include <commctrl.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/win32/Win32DialogTemplate.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

// The window has no controls that talk back; the dialog manager does the rest.
INT_PTR CALLBACK ProgressProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

std::unique_ptr<Win32ProgressWindow> Win32ProgressWindow::Create(int templateId,
                                                                 FramePacer::Clock clock) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    const std::vector<std::byte> bytes = LoadDialogTemplate(templateId, false);
    if (bytes.empty()) {
        return nullptr;
    }
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                             nullptr, &ProgressProcedure, 0);
    if (window == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<Win32ProgressWindow>(new Win32ProgressWindow(window, std::move(clock)));
}

Win32ProgressWindow::Win32ProgressWindow(HWND window, FramePacer::Clock clock)
    : window_(window), pacer_(std::move(clock)) {}

Win32ProgressWindow::~Win32ProgressWindow() {
    Close();
}

WindowHandle Win32ProgressWindow::Handle() {
    return reinterpret_cast<WindowHandle>(window_);
}

void Win32ProgressWindow::Show() {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_SHOW);
    }
}

void Win32ProgressWindow::SetParent(WindowHandle parent) {
    HWND parentWindow = reinterpret_cast<HWND>(parent);
    if (window_ != nullptr && (parentWindow == nullptr || IsWindow(parentWindow) != FALSE)) {
        ::SetParent(window_, parentWindow);
    }
}

void Win32ProgressWindow::SetCaption(const std::string& caption) {
    if (window_ != nullptr) {
        SetWindowTextW(window_, Widen(caption).c_str());
    }
}

void Win32ProgressWindow::SetBarRange(int barId, int low, int high) {
    bars_[barId].state.SetRange(low, high);
    pacer_.Changed();
}

void Win32ProgressWindow::SetBarStep(int barId, int step) {
    bars_[barId].state.step = step;
}

void Win32ProgressWindow::SetBarPosition(int barId, int position) {
    bars_[barId].state.SetPosition(position);
    pacer_.Changed();
}

void Win32ProgressWindow::StepBar(int barId) {
    bars_[barId].state.Step();
    pacer_.Changed();
}

void Win32ProgressWindow::BringToTop() {
    bringToTop_ = true;
}

void Win32ProgressWindow::MakeForeground() {
    makeForeground_ = true;
}

void Win32ProgressWindow::Repaint() {
    if (window_ != nullptr && pacer_.FrameDue()) {
        DrawFrame();
    }
}

void Win32ProgressWindow::Close() {
    if (window_ != nullptr) {
        if (pacer_.LastFrameDue()) {
            DrawFrame();
        }
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

void Win32ProgressWindow::DrawFrame() {
    for (auto& [barId, bar] : bars_) {
        if (bar.state.low != bar.shown.low || bar.state.high != bar.shown.high) {
            SendToBar(barId, PBM_SETRANGE32, static_cast<WPARAM>(bar.state.low),
                      static_cast<LPARAM>(bar.state.high));
        }
        if (bar.state.position != bar.shown.position) {
            SendToBar(barId, PBM_SETPOS, static_cast<WPARAM>(bar.state.position), 0);
        }
        bar.shown = bar.state;
    }
    if (bringToTop_) {
        BringWindowToTop(window_);
        bringToTop_ = false;
    }
    if (makeForeground_) {
        ::SetForegroundWindow(window_);
        makeForeground_ = false;
    }
    UpdateWindow(window_);
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT Win32ProgressWindow::SendToBar(int barId, UINT message, WPARAM wParam, LPARAM lParam) {
    return window_ != nullptr ? SendDlgItemMessageW(window_, barId, message, wParam, lParam) : 0;
}

}  // namespace platform::win32
