#pragma once

#include <string>

namespace inspect {

// Writes the page of ShowHtml to `pagePath` in place of what the file held,
// all or nothing; 0 (the file as it was) when it cannot, or when `pagePath`
// is the report's own file `reportPath` under any name, which `refused` then
// tells.
int WriteShowPage(const std::string& reportPath, const std::string& pagePath,
                  const std::string& page, bool* refused);

}  // namespace inspect
