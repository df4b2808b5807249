#include "platform/headless/HeadlessDialog.h"

#include <string_view>

#include "platform/EditLimit.h"
#include "platform/text/Cp932.h"

namespace platform::headless {
namespace {

bool IsClass(const DialogControlTemplate& control, std::string_view name) {
    return control.windowClass == name;
}

std::uint32_t ButtonType(const DialogControlTemplate& control) {
    return control.style & kBsTypeMask;
}

bool IsPushButton(const DialogControlTemplate& control) {
    return IsClass(control, kButtonClass) &&
           (ButtonType(control) == kBsPushButton || ButtonType(control) == kBsDefPushButton);
}

bool IsAutoRadioButton(const DialogControlTemplate& control) {
    return IsClass(control, kButtonClass) && ButtonType(control) == kBsAutoRadioButton;
}

bool IsGroupBox(const DialogControlTemplate& control) {
    return IsClass(control, kButtonClass) && ButtonType(control) == kBsGroupBox;
}

bool IsCheckable(const DialogControlTemplate& control) {
    return IsClass(control, kButtonClass) && !IsPushButton(control) && !IsGroupBox(control);
}

bool IsEdit(const DialogControlTemplate& control) {
    return IsClass(control, kEditClass);
}

// Static texts and group boxes never take the focus from the user.
bool TakesUserFocus(const DialogControlTemplate& control) {
    return !IsClass(control, kStaticClass) && !IsGroupBox(control);
}

}  // namespace

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler,
                               WindowHandle handle)
    : template_(dialogTemplate), handler_(handler), handle_(handle) {
    controls_.reserve(dialogTemplate.controls.size());
    for (const DialogControlTemplate& source : dialogTemplate.controls) {
        controls_.push_back(Control{&source, source.text, true, false, kDefaultEditLimit});
    }
}

void HeadlessDialog::Initialize() {
    if (!handler_.OnInitDialog(*this)) {
        return;
    }
    for (const Control& control : controls_) {
        if ((control.source->style & kWsTabStop) != 0 && control.enabled) {
            focus_ = control.source->id;
            return;
        }
    }
}

std::string HeadlessDialog::Text(int id) {
    const Control* control = Find(id);
    return control != nullptr ? control->text : std::string();
}

void HeadlessDialog::SetText(int id, const std::string& text) {
    if (Control* control = Find(id)) {
        control->text = text;
    }
}

bool HeadlessDialog::IsEnabled(int id) {
    const Control* control = Find(id);
    return control != nullptr && control->enabled;
}

void HeadlessDialog::Enable(int id, bool enable) {
    Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    control->enabled = enable;
    if (!enable && focus_ == id) {
        focus_ = 0;
    }
}

bool HeadlessDialog::IsChecked(int id) {
    const Control* control = Find(id);
    return control != nullptr && control->checked;
}

void HeadlessDialog::Check(int id, bool checked) {
    Control* control = Find(id);
    if (control != nullptr && IsCheckable(*control->source)) {
        control->checked = checked;
    }
}

void HeadlessDialog::LimitText(int id, int bytes) {
    Control* control = Find(id);
    if (control != nullptr && IsEdit(*control->source)) {
        control->limit = bytes > 0 ? static_cast<std::size_t>(bytes) : kLargestEditLimit;
    }
}

void HeadlessDialog::SetFocus(int id) {
    const Control* control = Find(id);
    if (control != nullptr && control->enabled) {
        focus_ = id;
    }
}

void HeadlessDialog::SelectAll(int id) {
    selectAllRequests_.push_back(id);
}

void HeadlessDialog::EndDialog(int result) {
    open_ = false;
    result_ = result;
}

bool HeadlessDialog::Click(int id) {
    Control* control = FindUsable(id);
    if (control == nullptr) {
        return false;
    }
    if (TakesUserFocus(*control->source)) {
        focus_ = id;
    }
    Activate(*control);
    return true;
}

bool HeadlessDialog::Type(int id, std::string_view text) {
    Control* control = FindUsable(id);
    if (control == nullptr || !IsEdit(*control->source)) {
        return false;
    }
    focus_ = id;
    control->text = std::string(text.substr(0, cp932::FittingLength(text, control->limit)));
    return true;
}

bool HeadlessDialog::PressKey(const KeyEvent& key) {
    if (!open_) {
        return false;
    }
    if (handler_.PreTranslateKey(*this, key) || !open_ || key.alt) {
        return true;
    }
    if (key.virtualKey == kVkEscape) {
        handler_.OnCancel(*this);
        return true;
    }
    Control* focused = FindUsable(focus_);
    if (focused == nullptr) {
        return true;
    }
    const bool push = IsPushButton(*focused->source);
    if (key.virtualKey == kVkReturn && push) {
        handler_.OnCommand(*this, focus_);
    } else if (key.virtualKey == kVkSpace && (push || IsAutoRadioButton(*focused->source))) {
        Activate(*focused);
    }
    return true;
}

bool HeadlessDialog::Focus(int id) {
    const Control* control = FindUsable(id);
    if (control == nullptr || !TakesUserFocus(*control->source)) {
        return false;
    }
    focus_ = id;
    return true;
}

bool HeadlessDialog::HasControl(int id) const {
    return Find(id) != nullptr;
}

std::size_t HeadlessDialog::TextLimit(int id) const {
    const Control* control = Find(id);
    return control != nullptr ? control->limit : 0;
}

HeadlessDialog::Control* HeadlessDialog::Find(int id) {
    for (Control& control : controls_) {
        if (control.source->id == id) {
            return &control;
        }
    }
    return nullptr;
}

const HeadlessDialog::Control* HeadlessDialog::Find(int id) const {
    for (const Control& control : controls_) {
        if (control.source->id == id) {
            return &control;
        }
    }
    return nullptr;
}

HeadlessDialog::Control* HeadlessDialog::FindUsable(int id) {
    Control* control = open_ ? Find(id) : nullptr;
    return control != nullptr && control->enabled ? control : nullptr;
}

// A group runs from the nearest control with the group style at or before the
// chosen one up to the next control with that style.
void HeadlessDialog::CheckInGroup(const Control& chosen) {
    std::size_t index = static_cast<std::size_t>(&chosen - controls_.data());
    std::size_t first = index;
    while (first > 0 && (controls_[first].source->style & kWsGroup) == 0) {
        --first;
    }
    for (std::size_t k = first; k < controls_.size(); ++k) {
        if (k > first && (controls_[k].source->style & kWsGroup) != 0) {
            break;
        }
        if (IsAutoRadioButton(*controls_[k].source)) {
            controls_[k].checked = k == index;
        }
    }
}

void HeadlessDialog::Activate(Control& control) {
    const DialogControlTemplate& source = *control.source;
    if (IsAutoRadioButton(source)) {
        CheckInGroup(control);
    }
    if (IsPushButton(source) || IsCheckable(source)) {
        handler_.OnCommand(*this, source.id);
    }
}

}  // namespace platform::headless
