#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/ExitStatus.h"

// Reading a written report back, as every front end runs it: the console's
// check and show, the export's --check and the Windows viewer. A job reads
// its reports, checks them and lays them out, writes a page where one is
// asked for, and hands back what to print and the status to end with; it
// prints nothing itself.
namespace inspect {

// A report to read: the program's path (Shift_JIS, Windows form) and how
// messages name it (UTF-8).
struct ReportFile {
    std::string path;
    std::string name;
};

// Why a job could not be done, in both languages.
struct JobError {
    std::string japanese;
    std::string english;
};

struct JobResult {
    int status = kCheckClean;       // core/ExitStatus.h
    std::string output;             // for standard output (UTF-8): findings, statements, a page
    std::optional<JobError> error;  // for standard error
    std::string page;               // the page written, where one was (the program's path)
    int errors = 0;                 // the findings, counted
    int warnings = 0;
};

struct CheckRequest {
    ReportFile report;
    std::optional<ReportFile> previous;
    bool json = false;  // the findings, or why the report is unreadable, as JSON
};

JobResult RunCheck(const CheckRequest& request);

enum class ShowAs {
    Terminal,    // the statements for a terminal of `width` columns
    PageOutput,  // the page as the output
    PageFile,    // the page written to `page`
    OpenedPage,  // the page written to the page folder and opened in the browser
};

struct ShowRequest {
    ReportFile report;
    std::optional<ReportFile> previous;
    ShowAs as = ShowAs::Terminal;
    ReportFile page;  // ShowAs::PageFile: where the page goes
    int width = 80;
    int threshold = 20;
    std::int64_t minChange = 100000;
};

JobResult RunShow(const ShowRequest& request);

// The last day of the year a report is of ("20211231"); empty when the file
// is no report. Two reports given in no order are put in order by it.
std::string YearEndOf(const ReportFile& file);

// The most a report may hold: far more than the 9,999 rentals the export
// writes at most take (8.2 MB), far less than what would hurt to read.
inline constexpr std::uint64_t kLargestReport = 64ull << 20;

}  // namespace inspect
