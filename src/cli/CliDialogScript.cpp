#include "cli/CliDialogScript.h"

#include <iostream>

#include "cli/CliTexts.h"
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

// "business, other": the kinds the dialog offers for this data.
std::string KindsOffered(platform::headless::HeadlessDialog& dialog) {
    std::string kinds;
    for (const KindOption& kind : KindOptions()) {
        if (dialog.IsEnabled(ButtonOf(kind.kind))) {
            kinds += (kinds.empty() ? "" : ", ") + std::string(kind.name);
        }
    }
    return kinds;
}

}  // namespace

void CliDialogScript::Operate(platform::headless::HeadlessDialog& dialog) {
    // A dialog that ended on its own (data of past results) takes no options.
    if (!dialog.IsOpen()) {
        return;
    }
    if (options_.kind != income_kind::kNone && !dialog.Click(ButtonOf(options_.kind))) {
        Refuse(
            dialog,
            CliText("brenlo-cli: --kind names an income kind this data does not have (it has: {})",
                    KindsOffered(dialog)));
        return;
    }
    if (options_.out && !dialog.Type(CConditionsDlg::kOutputEdit, *options_.out)) {
        Refuse(dialog, CliText("brenlo-cli: --out cannot be used: the host's command line "
                               "(--command-line) fixes the output path"));
        return;
    }
    dialog.Click(options_.cancel ? CConditionsDlg::kCancelButton : CConditionsDlg::kExecuteButton);
    if (dialog.IsOpen()) {
        dialog.Click(CConditionsDlg::kCancelButton);
    }
}

// Ended as the dialog's own cancel ends it, without the question of the cancel button.
void CliDialogScript::Refuse(platform::headless::HeadlessDialog& dialog, const std::string& why) {
    std::cerr << why << '\n';
    refused_ = true;
    dialog.EndDialog(CConditionsDlg::kCancelButton);
}
