#include "cli/InspectCommands.h"

#include <iostream>
#include <optional>

#include "cli/CliTexts.h"
#include "core/ConsoleTexts.h"
#include "inspect/ReadBack.h"
#include "platform/Console.h"
#include "platform/headless/ConsoleOutput.h"
#include "platform/text/TerminalText.h"

namespace {

using platform::text::ForTerminal;

// A report named on the command line: the program's path of it and how
// messages name it. Nothing, after saying why, for a name that code page 932
// cannot hold, which no report of the program's can have.
std::optional<inspect::ReportFile> ReportNamed(const std::string& argument) {
    bool ok = true;
    const std::string name = platform::console::ArgumentText(argument, &ok);
    if (!ok) {
        std::cerr << ForTerminal(CliText(
                         "{}: the name holds characters that code page 932 cannot hold", argument))
                  << '\n';
        return std::nullopt;
    }
    return inspect::ReportFile{WindowsFormOf(name), platform::headless::ConsoleText(name)};
}

// The report, and last year's when one was named; nothing after saying why not.
bool ReportsNamed(const ReadBackArguments& arguments, inspect::ReportFile& report,
                  std::optional<inspect::ReportFile>& previous) {
    std::optional<inspect::ReportFile> named = ReportNamed(arguments.report);
    if (!named) {
        return false;
    }
    report = std::move(*named);
    if (!arguments.previous.empty()) {
        previous = ReportNamed(arguments.previous);
        if (!previous) {
            return false;
        }
    }
    return true;
}

void PrintError(std::ostream& stream, const inspect::JobError& error) {
    stream << ForTerminal(core::InConsoleLanguage(error.japanese, error.english)) << '\n';
}

// Findings or a statement cut short (a full disk, a closed pipe) are no
// result, whatever the command found.
int Printed(const inspect::JobResult& result, bool terminalText) {
    if (result.error) {
        PrintError(std::cerr, *result.error);
    }
    std::cout << (terminalText ? ForTerminal(result.output) : result.output);
    return OutputDelivered() ? result.status : kCheckUnreadable;
}

}  // namespace

int RunCheckCommand(const ReadBackArguments& arguments) {
    inspect::CheckRequest request;
    if (!ReportsNamed(arguments, request.report, request.previous)) {
        return kUnusableOptions;
    }
    request.json = arguments.json;
    return Printed(inspect::RunCheck(request), !request.json);
}

int RunShowCommand(const ReadBackArguments& arguments) {
    inspect::ShowRequest request;
    if (!ReportsNamed(arguments, request.report, request.previous)) {
        return kUnusableOptions;
    }
    request.threshold = arguments.threshold;
    request.minChange = arguments.minChange;
    if (arguments.open) {
        request.as = inspect::ShowAs::OpenedPage;
    } else if (arguments.html == "-") {
        request.as = inspect::ShowAs::PageOutput;
    } else if (!arguments.html.empty()) {
        std::optional<inspect::ReportFile> page = ReportNamed(arguments.html);
        if (!page) {
            return kUnusableOptions;
        }
        request.as = inspect::ShowAs::PageFile;
        request.page = std::move(*page);
    } else {
        const int columns = platform::console::TerminalColumns(stdout);
        request.width = arguments.width > 0 ? arguments.width : columns > 0 ? columns : 80;
    }
    return Printed(inspect::RunShow(request), request.as == inspect::ShowAs::Terminal);
}

void PrintChecksOfWrittenReport(const std::string& windowsPath) {
    if (windowsPath.empty()) {
        return;
    }
    inspect::CheckRequest request;
    request.report = {windowsPath, platform::headless::ConsoleText(windowsPath)};
    const inspect::JobResult result = inspect::RunCheck(request);
    if (result.error) {
        PrintError(std::cerr, *result.error);
    }
    std::cerr << ForTerminal(result.output);
}
