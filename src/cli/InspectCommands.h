#pragma once

#include <optional>
#include <string>

// `check`, `show` and `--version`: reading reports back. Nothing when the
// arguments are the export's.
std::optional<int> RunInspectCommand(int argc, char** argv);

// The export's --check: the findings on the report just written, on stderr.
// The run's outcome is not touched.
void PrintChecksOfWrittenReport(const std::string& windowsPath);
