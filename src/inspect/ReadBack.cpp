#include "inspect/ReadBack.h"

#include <string_view>
#include <utility>
#include <variant>

#include "core/ConsoleTexts.h"
#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/PreviousIdentity.h"
#include "inspect/Report.h"
#include "inspect/Show.h"
#include "platform/Console.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/PageFiles.h"
#include "reportformat/Elements.h"

namespace inspect {

namespace {

JobError Line(std::string_view english, std::initializer_list<std::string_view> arguments = {}) {
    core::Bilingual texts = core::LineTexts(english, arguments);
    return {std::move(texts.japanese), std::move(texts.english)};
}

// A line naming a file and why it failed, the reason in each line's language.
JobError LineWithReason(std::string_view english, std::string_view name, std::string_view reason) {
    return {core::LineTexts(english, {name, core::JapaneseReason(reason)}).japanese,
            core::LineTexts(english, {name, reason}).english};
}

JobResult Failure(int status, JobError error) {
    JobResult result;
    result.status = status;
    result.error = std::move(error);
    return result;
}

// The reports of a request, or the failure that ends it.
struct Loaded {
    Report report;
    std::optional<Report> previous;
};

// The report in the file, or the failure that ends the job: with --json the
// reason is also the output.
std::variant<Report, JobResult> Read(const ReportFile& file, bool json) {
    std::string why;
    const std::optional<std::string> bytes =
        platform::ReadRegularFile(file.path, platform::ShareMode::Read, kLargestReport, &why);
    ReadResult read;
    if (bytes) {
        read = ReadReport(*bytes, file.name);
        if (read.report) {
            return std::move(*read.report);
        }
    } else {
        read.error.file = file.name;
        read.error.message = core::LineTexts("cannot read the file ({})", {why}).english;
        read.error.japanese =
            core::LineTexts("cannot read the file ({})", {core::JapaneseReason(why)}).japanese;
    }
    JobResult failed = Failure(kCheckUnreadable, {read.error.JapaneseText(), read.error.Text()});
    if (json) {
        failed.output = UnreadableJson(read.error);
    }
    return failed;
}

std::variant<Loaded, JobResult> Load(const ReportFile& reportFile,
                                     const std::optional<ReportFile>& previousFile, bool json) {
    std::variant<Report, JobResult> report = Read(reportFile, json);
    if (JobResult* failed = std::get_if<JobResult>(&report)) {
        return std::move(*failed);
    }
    Loaded loaded{std::move(std::get<Report>(report)), std::nullopt};
    if (previousFile) {
        std::variant<Report, JobResult> previous = Read(*previousFile, json);
        if (JobResult* failed = std::get_if<JobResult>(&previous)) {
            return std::move(*failed);
        }
        loaded.previous = std::move(std::get<Report>(previous));
    }
    return loaded;
}

void Count(JobResult& result, const CheckResult& checks) {
    result.errors = checks.Count(Severity::Error);
    result.warnings = checks.Count(Severity::Warning);
}

// Whether the page would go over a file the job reads.
std::optional<JobError> OverAnInput(const ShowRequest& request) {
    if (platform::IsSameFile(request.report.path, request.page.path)) {
        return Line("{}: is the report being shown; the page would replace it",
                    {request.page.name});
    }
    if (request.previous && platform::IsSameFile(request.previous->path, request.page.path)) {
        return Line("{}: is last year's report; the page would replace it", {request.page.name});
    }
    return std::nullopt;
}

// A page where the user named it: written as any output of the program is.
bool WriteNamedPage(const std::string& path, const std::string& page) {
    return platform::WriteReplacing(path,
                                    [&page](platform::ByteSink& sink) { return sink.Write(page); });
}

// The page in the page folder, opened in the browser.
JobResult OpenPage(const ShowRequest& request, std::string page) {
    const std::string path = platform::PagePathFor(request.report.path);
    if (path.empty() || !platform::WritePage(path, page)) {
        return Failure(kCheckUnreadable,
                       Line("show: cannot write the page in the temporary folder"));
    }
    JobResult result;
    result.page = path;
    if (!platform::console::OpenWithDefaultProgram(path)) {
        result.status = kCheckUnreadable;
        result.error = Line("written, but no browser could be started");
    }
    return result;
}

JobResult PageFile(const ShowRequest& request, std::string page) {
    if (WriteNamedPage(request.page.path, page)) {
        JobResult result;
        result.page = request.page.path;
        return result;
    }
    const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
    return Failure(kCheckUnreadable, failure
                                         ? LineWithReason("{}: cannot write the page ({})",
                                                          request.page.name, failure->reason)
                                         : Line("{}: cannot write the page", {request.page.name}));
}

}  // namespace

JobResult RunCheck(const CheckRequest& request) {
    std::variant<Loaded, JobResult> loaded = Load(request.report, request.previous, request.json);
    if (JobResult* failed = std::get_if<JobResult>(&loaded)) {
        return std::move(*failed);
    }
    const Loaded& reports = std::get<Loaded>(loaded);
    const CheckResult checks =
        RunChecks(reports.report, reports.previous ? &*reports.previous : nullptr);
    JobResult result;
    Count(result, checks);
    result.output =
        request.json ? CheckJson(reports.report, checks) : CheckText(reports.report, checks);
    result.status = result.errors > 0 ? kCheckErrors : kCheckClean;
    return result;
}

std::string YearEndOf(const ReportFile& file) {
    std::variant<Report, JobResult> read = Read(file, false);
    const Report* report = std::get_if<Report>(&read);
    return report != nullptr ? report->basic.Text(reportformat::basic::kPeriodTo) : std::string();
}

JobResult RunShow(const ShowRequest& request) {
    if (request.as == ShowAs::PageFile) {
        if (std::optional<JobError> refused = OverAnInput(request)) {
            return Failure(kUnusableOptions, std::move(*refused));
        }
    }
    std::variant<Loaded, JobResult> loaded = Load(request.report, request.previous, false);
    if (JobResult* failed = std::get_if<JobResult>(&loaded)) {
        return std::move(*failed);
    }
    const Loaded& reports = std::get<Loaded>(loaded);
    if (reports.previous) {
        if (const auto mismatch = PreviousMismatch(reports.report, *reports.previous)) {
            return Failure(kCheckUnreadable,
                           {"show: " + mismatch->japanese, "show: " + mismatch->english});
        }
    }
    const CheckResult checks =
        RunChecks(reports.report, reports.previous ? &*reports.previous : nullptr);
    ShowOptions options;
    options.previous = reports.previous ? &*reports.previous : nullptr;
    options.threshold = request.threshold;
    options.minChange = request.minChange;
    options.width = request.width;
    JobResult result;
    switch (request.as) {
        case ShowAs::Terminal:
            result.output = ShowText(reports.report, checks, options);
            break;
        case ShowAs::PageOutput:
            result.output = ShowHtml(reports.report, checks, options);
            break;
        case ShowAs::PageFile:
            result = PageFile(request, ShowHtml(reports.report, checks, options));
            break;
        case ShowAs::OpenedPage:
            result = OpenPage(request, ShowHtml(reports.report, checks, options));
            break;
    }
    Count(result, checks);
    return result;
}

}  // namespace inspect
