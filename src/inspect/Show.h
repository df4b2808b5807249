#pragma once

#include <string>

#include "inspect/Checks.h"
#include "inspect/Report.h"

// The report laid out as the statements of the tax forms, with the findings
// of the checks beside the lines they concern.
namespace inspect {

// For a terminal: UTF-8, columns aligned for double-width characters.
std::string ShowText(const Report& report, const CheckResult& checks);
// One self-contained page: UTF-8, print-friendly CSS, no scripts, nothing fetched.
std::string ShowHtml(const Report& report, const CheckResult& checks);

}  // namespace inspect
