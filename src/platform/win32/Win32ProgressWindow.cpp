#include "platform/win32/Win32ProgressWindow.h"

#include <commctrl.h>

#include <cstddef>
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

std::unique_ptr<Win32ProgressWindow> Win32ProgressWindow::Create(int templateId) {
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
    return std::unique_ptr<Win32ProgressWindow>(new Win32ProgressWindow(window));
}

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
    SendToBar(barId, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void Win32ProgressWindow::SetBarStep(int barId, int step) {
    SendToBar(barId, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void Win32ProgressWindow::SetBarPosition(int barId, int position) {
    SendToBar(barId, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32ProgressWindow::StepBar(int barId) {
    SendToBar(barId, PBM_STEPIT, 0, 0);
}

void Win32ProgressWindow::BringToTop() {
    if (window_ != nullptr) {
        BringWindowToTop(window_);
    }
}

void Win32ProgressWindow::MakeForeground() {
    if (window_ != nullptr) {
        ::SetForegroundWindow(window_);
    }
}

void Win32ProgressWindow::Repaint() {
    if (window_ != nullptr) {
        UpdateWindow(window_);
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void Win32ProgressWindow::Close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

LRESULT Win32ProgressWindow::SendToBar(int barId, UINT message, WPARAM wParam, LPARAM lParam) {
    return window_ != nullptr ? SendDlgItemMessageW(window_, barId, message, wParam, lParam) : 0;
}

}  // namespace platform::win32
