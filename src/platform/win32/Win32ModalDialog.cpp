#include "platform/win32/Win32ModalDialog.h"

#include <windows.h>

#include <cstddef>
#include <exception>
#include <optional>
#include <vector>

#include "platform/win32/Win32DialogControls.h"
#include "platform/win32/Win32DialogTemplate.h"
#include "platform/win32/Win32Handle.h"

namespace platform::win32 {
namespace {

// The owner stays disabled while the dialog runs, as DialogBox keeps it.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner)
        : owner_(owner), disabled_(owner != nullptr && IsWindowEnabled(owner) != FALSE) {
        if (disabled_) {
            EnableWindow(owner_, FALSE);
        }
    }
    ~DisabledOwner() { Restore(); }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

    void Restore() {
        if (disabled_) {
            EnableWindow(owner_, TRUE);
            disabled_ = false;
        }
    }

private:
    HWND owner_;
    bool disabled_;
};

class ModalDialog {
public:
    explicit ModalDialog(DialogHandler& handler) : handler_(handler) {}
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    int Run(int templateId, HWND owner);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OfferKey(const MSG& message);
    bool Ended() const { return failure_ != nullptr || (controls_ && controls_->Ended()); }

    // Exceptions must not cross the system's frames between the loop and the
    // dialog procedure.
    template <typename Call>
    void Guarded(Call call) {
        try {
            call();
        } catch (...) {
            failure_ = std::current_exception();
        }
    }

    DialogHandler& handler_;
    std::optional<Win32DialogControls> controls_;
    std::exception_ptr failure_;
    bool quit_ = false;
};

int ModalDialog::Run(int templateId, HWND owner) {
    const std::vector<std::byte> bytes = LoadDialogTemplate(templateId, true);
    if (bytes.empty()) {
        return -1;
    }
    DisabledOwner disabledOwner(owner);
    WindowHandleOwner window(CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
        &ModalDialog::Procedure, reinterpret_cast<LPARAM>(this)));
    if (window.Get() == nullptr || !controls_) {
        if (failure_ != nullptr) {
            std::rethrow_exception(failure_);
        }
        return -1;
    }
    // Shown only now, so that a dialog ended during its initialisation never appears.
    if (!Ended()) {
        ShowWindow(window.Get(), SW_SHOW);
    }
    MSG message;
    while (!Ended()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            quit_ = true;
            break;
        }
        if (OfferKey(message)) {
            continue;
        }
        if (!IsDialogMessageW(window.Get(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // As MFC does: hide, give the owner back its input, then destroy.
    SetWindowPos(window.Get(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    const bool wasActive = GetActiveWindow() == window.Get();
    disabledOwner.Restore();
    if (owner != nullptr && wasActive) {
        SetActiveWindow(owner);
    }
    if (failure_ != nullptr) {
        std::rethrow_exception(failure_);
    }
    return quit_ ? -1 : controls_->Result();
}

bool ModalDialog::OfferKey(const MSG& message) {
    HWND dialog = reinterpret_cast<HWND>(controls_->Handle());
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != dialog && IsChild(dialog, message.hwnd) == FALSE)) {
        return false;
    }
    KeyEvent key;
    key.virtualKey = static_cast<int>(message.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    key.alt = GetKeyState(VK_MENU) < 0;
    bool consumed = false;
    Guarded([&] { consumed = handler_.PreTranslateKey(*controls_, key); });
    return consumed || Ended();
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->controls_.emplace(window);
        bool defaultFocus = false;
        dialog->Guarded([&] { defaultFocus = dialog->handler_.OnInitDialog(*dialog->controls_); });
        return defaultFocus ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR ModalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || Ended()) {
        return FALSE;
    }
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    const bool fromControl = lParam != 0;
    if (id == IDCANCEL && (!fromControl || code == BN_CLICKED)) {
        Guarded([&] { handler_.OnCancel(*controls_); });
    } else if (fromControl && code == BN_CLICKED) {
        Guarded([&] { handler_.OnCommand(*controls_, id); });
    } else if (fromControl && code == EN_CHANGE) {
        controls_->OnEditChanged(id);
    }
    return TRUE;
}

}  // namespace

int RunModalDialog(int templateId, WindowHandle owner, DialogHandler& handler) {
    HWND ownerWindow = reinterpret_cast<HWND>(owner);
    if (ownerWindow != nullptr && IsWindow(ownerWindow) == FALSE) {
        ownerWindow = nullptr;
    }
    ModalDialog dialog(handler);
    return dialog.Run(templateId, ownerWindow);
}

}  // namespace platform::win32
