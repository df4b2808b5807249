#include "platform/win32/Win32DialogControls.h"

#include <algorithm>
#include <string_view>

#include "platform/EditLimit.h"
#include "platform/text/Cp932.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

}  // namespace

WindowHandle Win32DialogControls::Handle() {
    return reinterpret_cast<WindowHandle>(dialog_);
}

std::string Win32DialogControls::Text(int id) {
    HWND item = Item(id);
    return item != nullptr ? Narrow(WindowText(item)) : std::string();
}

void Win32DialogControls::SetText(int id, const std::string& text) {
    if (HWND item = Item(id)) {
        SetItemText(item, Widen(text));
    }
}

bool Win32DialogControls::IsEnabled(int id) {
    HWND item = Item(id);
    return item != nullptr && IsWindowEnabled(item) != FALSE;
}

void Win32DialogControls::Enable(int id, bool enable) {
    if (HWND item = Item(id)) {
        EnableWindow(item, enable ? TRUE : FALSE);
    }
}

bool Win32DialogControls::IsChecked(int id) {
    return IsDlgButtonChecked(dialog_, id) == BST_CHECKED;
}

void Win32DialogControls::Check(int id, bool checked) {
    CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32DialogControls::LimitText(int id, int bytes) {
    HWND item = Item(id);
    if (item == nullptr) {
        return;
    }
    const std::size_t limit = bytes > 0 ? static_cast<std::size_t>(bytes) : kLargestEditLimit;
    // A character takes at least one byte, so the control's own count never
    // lets through more than the byte limit allows.
    SendMessageW(item, EM_LIMITTEXT, static_cast<WPARAM>(bytes > 0 ? bytes : 0), 0);
    limitedEdits_[id] = LimitedEdit{limit, WindowText(item)};
}

int Win32DialogControls::FocusedControl() {
    HWND focus = GetFocus();
    if (focus == nullptr || GetParent(focus) != dialog_) {
        return 0;
    }
    return GetDlgCtrlID(focus);
}

void Win32DialogControls::SetFocus(int id) {
    if (HWND item = Item(id)) {
        ::SetFocus(item);
    }
}

void Win32DialogControls::SelectAll(int id) {
    if (HWND item = Item(id)) {
        SendMessageW(item, EM_SETSEL, 0, -1);
        SendMessageW(item, EM_SCROLLCARET, 0, 0);
    }
}

void Win32DialogControls::EndDialog(int result) {
    ended_ = true;
    result_ = result;
}

// What changed lies between the part that stayed at the start and the part
// that stayed at the end; of that, only what fits the byte limit is kept.
void Win32DialogControls::OnEditChanged(int id) {
    const auto found = limitedEdits_.find(id);
    HWND item = Item(id);
    if (settingText_ || found == limitedEdits_.end() || item == nullptr) {
        return;
    }
    LimitedEdit& edit = found->second;
    const std::wstring now = WindowText(item);
    if (Narrow(now).size() <= edit.limit) {
        edit.accepted = now;
        return;
    }
    const std::wstring& before = edit.accepted;
    const std::size_t common = std::min(before.size(), now.size());
    std::size_t head = 0;
    while (head < common && before[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < common - head && before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::wstring_view whole(now);
    const std::wstring_view start = whole.substr(0, head);
    const std::wstring_view end = whole.substr(now.size() - tail);
    const std::size_t kept = Narrow(start).size() + Narrow(end).size();
    const std::size_t room = kept < edit.limit ? edit.limit - kept : 0;
    const std::string inserted = Narrow(whole.substr(head, now.size() - head - tail));
    const std::wstring fitting =
        Widen(std::string_view(inserted).substr(0, cp932::FittingLength(inserted, room)));

    std::wstring cut(start);
    cut += fitting;
    cut += end;
    SetItemText(item, cut);
    const LPARAM caret = static_cast<LPARAM>(head + fitting.size());
    SendMessageW(item, EM_SETSEL, static_cast<WPARAM>(caret), caret);
    MessageBeep(MB_OK);
}

void Win32DialogControls::SetItemText(HWND item, const std::wstring& text) {
    settingText_ = true;
    SetWindowTextW(item, text.c_str());
    settingText_ = false;
    const auto found = limitedEdits_.find(GetDlgCtrlID(item));
    if (found != limitedEdits_.end()) {
        found->second.accepted = text;
    }
}

}  // namespace platform::win32
