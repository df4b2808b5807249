#pragma once

#include <string>

#include "cli/CliOptions.h"
#include "platform/headless/HeadlessDialog.h"

// Operates the conditions dialog as the options say: click the income kind,
// type the path, press execute (or cancel); a dialog still open afterwards,
// because a check refused the path or a question was answered No, is
// cancelled. Options the dialog does not let the user give (a kind the data
// does not have, a path the host fixed) are refused: the dialog ends as
// cancelled before anything is written.
class CliDialogScript : public platform::headless::DialogScript {
public:
    explicit CliDialogScript(const CliOptions& options) : options_(options) {}

    void Operate(platform::headless::HeadlessDialog& dialog) override;
    // Whether the options were refused, after saying why.
    bool Refused() const { return refused_; }

private:
    void Refuse(platform::headless::HeadlessDialog& dialog, const std::string& why);

    const CliOptions& options_;
    bool refused_ = false;
};
