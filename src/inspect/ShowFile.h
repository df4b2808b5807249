#pragma once

#include <string>

#include "inspect/Checks.h"
#include "inspect/Report.h"

namespace inspect {

// Writes the page of ShowHtml to `pagePath` in place of what the file held,
// all or nothing; 0 (the file as it was) when it cannot, or when `pagePath`
// is the report's own file `reportPath` under any name, which `refused` then
// tells.
int WriteShowHtml(const std::string& reportPath, const std::string& pagePath, const Report& report,
                  const CheckResult& checks, bool* refused);

}  // namespace inspect
