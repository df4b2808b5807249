#pragma once

#include <string>

#include "cli/CliOptions.h"

// check and show: the read-back's jobs run on the reports named on the
// command line, their output printed. Each returns the exit status.
int RunCheckCommand(const ReadBackArguments& arguments);
int RunShowCommand(const ReadBackArguments& arguments);

// The export's --check: the findings on the report just written, on stderr.
// The run's outcome is not touched.
void PrintChecksOfWrittenReport(const std::string& windowsPath);
