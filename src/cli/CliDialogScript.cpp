#include "cli/CliDialogScript.h"

#include <iostream>

#include "dialog/ConditionsDlg.h"

namespace {

int ButtonOf(IncomeKind kind) {
    switch (kind) {
        case income_kind::kBusiness:
            return CConditionsDlg::kBusinessButton;
        case income_kind::kOther:
            return CConditionsDlg::kOtherButton;
        default:
            return CConditionsDlg::kRealEstateButton;
    }
}

}  // namespace

void CliDialogScript::Operate(platform::headless::HeadlessDialog& dialog) {
    if (options_.kind != income_kind::kNone && !dialog.Click(ButtonOf(options_.kind))) {
        std::cerr
            << "brenlo-cli: --kind ignored: that income kind is not available for this data\n\n";
    }
    if (options_.out && !dialog.Type(CConditionsDlg::kOutputEdit, *options_.out)) {
        std::cerr << "brenlo-cli: --out ignored: the output path is fixed by the host\n\n";
    }
    dialog.Click(options_.cancel ? CConditionsDlg::kCancelButton : CConditionsDlg::kExecuteButton);
    if (dialog.IsOpen()) {
        dialog.Click(CConditionsDlg::kCancelButton);
    }
}
