#pragma once

#include <optional>
#include <string>

#include "core/ExitStatus.h"
#include "core/IncomeKind.h"

// What the console front end was told on its command line. Texts are the
// program's Shift_JIS, paths in their Windows form.
struct CliOptions {
    std::optional<std::string> books;  // as given: the stand-in host reads native paths too
    bool pro = false;
    std::string programFolder;
    std::string commandLine;
    IncomeKind kind = income_kind::kNone;  // none: leave the radio buttons as they are
    std::optional<std::string> out;
    std::optional<bool> answer;  // the answer to every Yes/No question; none: ask on a terminal
    bool cancel = false;
    bool quiet = false;
    bool check = false;  // check the written report and print the findings
};

// Parses the arguments; nothing (after printing why, or the help, to the
// console) when the run must not start, with the exit status in `status`.
std::optional<CliOptions> ParseCliOptions(int argc, char** argv, int& status);

// A path argument in the Windows form the program uses: "/tmp/r.xml" is "Z:\tmp\r.xml".
std::string WindowsFormOf(const std::string& path);

// A path as complete as the program took it: a relative one starts at
// `currentFolder` (the program folder during a run), a drive-relative one at
// its drive's root.
std::string FullPathOf(const std::string& path, const std::string& currentFolder);
