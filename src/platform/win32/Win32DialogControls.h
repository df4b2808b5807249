#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <string>

#include "platform/Dialog.h"

namespace platform::win32 {

// The controls of a dialog window, addressed by their ids. Texts pass through
// UTF-16 with code page 932. Text limits count Shift_JIS bytes, as in an ANSI
// program: the edit control itself counts characters (Wine does so even for
// ANSI windows), so what the user inserts beyond the limit is cut back when
// the edit reports the change.
class Win32DialogControls final : public DialogControls {
public:
    explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}
    Win32DialogControls(const Win32DialogControls&) = delete;
    Win32DialogControls& operator=(const Win32DialogControls&) = delete;

    WindowHandle Handle() override;
    std::string Text(int id) override;
    void SetText(int id, const std::string& text) override;
    bool IsEnabled(int id) override;
    void Enable(int id, bool enable) override;
    bool IsChecked(int id) override;
    void Check(int id, bool checked) override;
    void LimitText(int id, int bytes) override;
    int FocusedControl() override;
    void SetFocus(int id) override;
    void SelectAll(int id) override;
    // Ends the modal loop when the current message has been handled.
    void EndDialog(int result) override;

    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    // EN_CHANGE of an edit.
    void OnEditChanged(int id);

private:
    struct LimitedEdit {
        std::size_t limit;
        std::wstring accepted;  // the text as it last stood within the limit
    };

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    void SetItemText(HWND item, const std::wstring& text);

    HWND dialog_;
    std::map<int, LimitedEdit> limitedEdits_;
    bool settingText_ = false;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace platform::win32
