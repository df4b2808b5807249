#pragma once

#include <functional>
#include <string>
#include <vector>

// BrenloView.exe: a report read back without a console. The reports come from
// the command line (dropped on the program, its shortcut or the 送る menu) or
// from the open-file dialog; the statements page with the checks' findings
// opens in the browser and a message box tells the outcome.
namespace viewer {

// The folder the first dialog starts in; asked for only when a dialog opens.
using StartFolder = std::function<std::string()>;

// Shows this year's report and, when a second is named or chosen, last year's
// beside it. `named` holds the command line's paths (code page 932). Writes
// nothing but the page in the page folder. The result is the read-back's
// status, or kCheckClean when the user cancelled.
int ViewReports(const std::vector<std::string>& named, const StartFolder& startFolder);

}  // namespace viewer
