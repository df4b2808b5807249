#pragma once

#include <string>

#include "platform/WindowHandle.h"

namespace platform {

// Virtual-key codes the dialogs react to, with their Win32 values.
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkF12 = 0x7B;

struct KeyEvent {
    int virtualKey = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The controls of an open dialog, addressed by their template ids. Texts are Shift_JIS.
class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual WindowHandle Handle() = 0;
    virtual std::string Text(int id) = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual bool IsEnabled(int id) = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void Check(int id, bool checked) = 0;
    virtual void LimitText(int id, int bytes) = 0;
    // The control with the focus; 0 when none of the dialog's controls has it.
    virtual int FocusedControl() = 0;
    virtual void SetFocus(int id) = 0;
    // Selects the whole text of an edit and scrolls the caret into view.
    virtual void SelectAll(int id) = 0;
    virtual void EndDialog(int result) = 0;
};

// The program's side of a modal dialog, called from the modal loop.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // True to let the dialog set the default focus.
    virtual bool OnInitDialog(DialogControls& controls) = 0;
    // A button was clicked (or activated by Enter or Space while it had the focus).
    virtual void OnCommand(DialogControls& controls, int id) = 0;
    // Offered every key-down before the dialog manager; true when consumed.
    virtual bool PreTranslateKey(DialogControls& controls, const KeyEvent& key) = 0;
    // Esc, the close box.
    virtual void OnCancel(DialogControls& controls) = 0;
};

}  // namespace platform
