#pragma once

#include <string>

#include "inspect/Checks.h"
#include "inspect/Report.h"

// The report laid out as the statements of the tax forms, with the findings
// of the checks beside the lines they concern.
namespace inspect {

struct ShowOptions {
    int width = 80;                    // terminal columns
    const Report* previous = nullptr;  // last year's report: 前年 and 増減 beside each line
    int threshold = 20;                // percent: lines that moved more are marked
};

// For a terminal: UTF-8, no line wider than options.width where the
// content allows, columns aligned for double-width characters.
std::string ShowText(const Report& report, const CheckResult& checks,
                     const ShowOptions& options = {});
// One self-contained page: UTF-8, printed on A4, no scripts, nothing fetched.
std::string ShowHtml(const Report& report, const CheckResult& checks,
                     const ShowOptions& options = {});

}  // namespace inspect
