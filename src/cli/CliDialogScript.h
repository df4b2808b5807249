#pragma once

#include "cli/CliOptions.h"
#include "platform/headless/HeadlessDialog.h"

// Operates the conditions dialog as the options say: click the income kind,
// type the path, press execute (or cancel); a dialog still open afterwards,
// because a check refused the path or a question was answered No, is
// cancelled.
class CliDialogScript : public platform::headless::DialogScript {
public:
    explicit CliDialogScript(const CliOptions& options) : options_(options) {}

    void Operate(platform::headless::HeadlessDialog& dialog) override;

private:
    const CliOptions& options_;
};
