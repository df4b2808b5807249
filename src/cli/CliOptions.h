#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

// The values of --kind and the income kinds they name, in the dialog's order.
struct KindOption {
    const char* name;
    IncomeKind kind;
};
std::span<const KindOption> KindOptions();

// `check` and `show`: the reports as given on the command line (the system's
// text: UTF-8 on POSIX systems, code page 932 on Windows) and the options.
struct ReadBackArguments {
    std::string report;
    std::string previous;
    bool json = false;
    std::string html;  // show: "-" for standard output
    bool open = false;
    int width = 0;  // 0: the terminal's
    int threshold = 20;
    std::int64_t minChange = 100000;
};

struct CliCommand {
    enum class Kind { Export, Check, Show };
    Kind kind = Kind::Export;
    CliOptions options;          // the export's
    ReadBackArguments readBack;  // check's and show's
};

// Parses the arguments; nothing when there is nothing more to do (the help or
// the version was printed, or the options were refused with a message), with
// the exit status in `status`.
std::optional<CliCommand> ParseCommandLine(int argc, char** argv, int& status);

// A path argument in the Windows form the program uses: "/tmp/r.xml" is "Z:\tmp\r.xml".
std::string WindowsFormOf(const std::string& path);

// A path as complete as the program took it: a relative one starts at
// `currentFolder` (the program folder during a run), a drive-relative one at
// its drive's root.
std::string FullPathOf(const std::string& path, const std::string& currentFolder);

// Whether everything written to standard output so far reached it; says so
// on standard error when it did not.
bool OutputDelivered();
