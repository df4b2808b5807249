#pragma once

#include <cstdint>
#include <string>

#include "inspect/Checks.h"
#include "inspect/Report.h"

// The report laid out as the statements of the tax forms, with the findings
// of the checks beside the lines they concern.
namespace inspect {

struct ShowOptions {
    int width = 80;                    // terminal columns
    const Report* previous = nullptr;  // last year's report: 前年 and 増減 beside each line
    // A line moved when its change is at least `threshold` percent of last
    // year's figure and at least `minChange` yen, or ten times that whatever
    // the share.
    int threshold = 20;
    std::int64_t minChange = 100000;
};

// For a terminal: UTF-8, no line wider than options.width where the
// content allows, columns aligned for double-width characters.
std::string ShowText(const Report& report, const CheckResult& checks,
                     const ShowOptions& options = {});
// The form's pages as one self-contained page: UTF-8, printed on A4, no
// scripts, nothing fetched; with last year's report, comparison pages after them.
std::string ShowHtml(const Report& report, const CheckResult& checks,
                     const ShowOptions& options = {});

}  // namespace inspect
