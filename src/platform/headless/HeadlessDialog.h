#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/WindowHandle.h"

namespace platform::headless {

// A modal dialog without a window: the controls of its template held in
// memory, operated by the program through DialogControls and by a script
// through the user's actions, in the order of MFC's modal loop.
class HeadlessDialog final : public DialogControls {
public:
    HeadlessDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler,
                   WindowHandle handle);
    HeadlessDialog(const HeadlessDialog&) = delete;
    HeadlessDialog& operator=(const HeadlessDialog&) = delete;

    // Calls the handler's initialisation; when it asks for the default focus,
    // the first enabled tab stop gets it, as the dialog manager does.
    void Initialize();

    WindowHandle Handle() override { return handle_; }
    std::string Text(int id) override;
    // From the program, like WM_SETTEXT: not cut to the text limit.
    void SetText(int id, const std::string& text) override;
    bool IsEnabled(int id) override;
    // Disabling the control with the focus leaves no control focused.
    void Enable(int id, bool enable) override;
    bool IsChecked(int id) override;
    void Check(int id, bool checked) override;
    // 0 stands for the largest limit.
    void LimitText(int id, int bytes) override;
    int FocusedControl() override { return focus_; }
    // A disabled or absent control cannot take the focus.
    void SetFocus(int id) override;
    void SelectAll(int id) override;
    // The last result given wins; the dialog closes when the current call returns.
    void EndDialog(int result) override;

    // The user's actions. Each is ignored (false) once the dialog has ended.

    // A mouse click: ignored (false) on an absent or disabled control. Buttons
    // and edits take the focus; an auto radio button becomes checked and
    // unchecks the other auto radio buttons of its group; buttons then report
    // the click to the handler (radio buttons too, as BN_CLICKED does).
    bool Click(int id);
    // Replaces the text of an enabled edit (which takes the focus), cut to its
    // limit; false for a disabled or absent edit.
    bool Type(int id, std::string_view text);
    // The handler's PreTranslateKey first; when it does not consume the key,
    // the dialog manager: Esc cancels, Enter and Space on a focused push button
    // click it, Space on a focused radio button clicks it; with Alt held,
    // nothing.
    bool PressKey(const KeyEvent& key);
    // Tab or mouse focus: false on an absent or disabled control, a static
    // text or a group box.
    bool Focus(int id);

    bool IsOpen() const { return open_; }
    // The value given to EndDialog; 0 while open.
    int Result() const { return result_; }

    // What a script or a test may inspect.
    const DialogTemplate& Template() const { return template_; }
    bool HasControl(int id) const;
    std::size_t TextLimit(int id) const;
    // The controls SelectAll was called for, in order.
    const std::vector<int>& SelectAllRequests() const { return selectAllRequests_; }

private:
    struct Control {
        const DialogControlTemplate* source;
        std::string text;
        bool enabled = true;
        bool checked = false;
        std::size_t limit;
    };

    Control* Find(int id);
    const Control* Find(int id) const;
    Control* FindUsable(int id);
    void CheckInGroup(const Control& chosen);
    void Activate(Control& control);

    const DialogTemplate& template_;
    DialogHandler& handler_;
    WindowHandle handle_;
    std::vector<Control> controls_;
    std::vector<int> selectAllRequests_;
    int focus_ = 0;
    bool open_ = true;
    int result_ = 0;
};

// What a console front end or a test does while a headless dialog is open.
class DialogScript {
public:
    virtual ~DialogScript() = default;

    virtual void Operate(HeadlessDialog& dialog) = 0;
};

}  // namespace platform::headless
