#include "cli/InspectCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string_view>

#include "cli/CliOptions.h"
#include "core/ProgramResources.h"
#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/Report.h"
#include "inspect/Show.h"
#include "inspect/ShowFile.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/headless/ConsoleOutput.h"

namespace {

// A report file read and parsed; nothing after printing why.
std::optional<inspect::Report> Load(const std::string& windowsPath, const std::string& shownName) {
    auto file =
        platform::Files().Open(windowsPath, platform::OpenMode::Read, platform::ShareMode::Read);
    std::optional<std::string> bytes = file ? platform::ReadToEnd(*file) : std::nullopt;
    if (!bytes) {
        std::cerr << shownName << ": cannot read the file\n";
        return std::nullopt;
    }
    inspect::ReadResult result = inspect::ReadReport(*bytes, shownName);
    if (!result.report) {
        std::cerr << result.error.Text() << '\n';
        return std::nullopt;
    }
    return std::move(result.report);
}

// Names are shown as the console text of their Shift_JIS form: Windows hands
// arguments over in code page 932, and the output is UTF-8.
std::optional<inspect::Report> LoadArgument(const std::string& argument) {
    bool ok = true;
    const std::string name = platform::console::ArgumentText(argument, &ok);
    if (!ok) {
        std::cerr << argument << ": the name has characters that code page 932 cannot hold\n";
        return std::nullopt;
    }
    return Load(WindowsFormOf(name), platform::headless::ConsoleText(name));
}

int Check(const std::string& reportPath, const std::string& previousPath, bool json) {
    const std::optional<inspect::Report> report = LoadArgument(reportPath);
    if (!report) {
        return inspect::kCheckUnreadable;
    }
    std::optional<inspect::Report> previous;
    if (!previousPath.empty()) {
        previous = LoadArgument(previousPath);
        if (!previous) {
            return inspect::kCheckUnreadable;
        }
    }
    const inspect::CheckResult result =
        inspect::RunChecks(*report, previous ? &*previous : nullptr);
    std::cout << (json ? inspect::CheckJson(*report, result) : inspect::CheckText(*report, result));
    return result.Count(inspect::Severity::Error) > 0 ? inspect::kCheckErrors
                                                      : inspect::kCheckClean;
}

// The page written in place of `htmlPath`'s earlier content, never over the report.
int WriteHtmlPage(const std::string& reportPath, const std::string& htmlPath,
                  const inspect::Report& report, const inspect::CheckResult& checks) {
    bool ok = true;
    const std::string name = platform::console::ArgumentText(htmlPath, &ok);
    const std::string reportName = platform::console::ArgumentText(reportPath, &ok);
    if (!ok) {
        std::cerr << htmlPath << ": the name has characters that code page 932 cannot hold\n";
        return 2;
    }
    const std::string shown = platform::headless::ConsoleText(name);
    bool refused = false;
    if (inspect::WriteShowHtml(WindowsFormOf(reportName), WindowsFormOf(name), report, checks,
                               &refused) == 1) {
        return 0;
    }
    if (refused) {
        std::cerr << shown << ": is the report being shown; the page would replace it\n";
        return kUnusableOptions;
    }
    const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
    std::cerr << shown << ": cannot write the page"
              << (failure ? ": " + failure->reason : std::string()) << '\n';
    return 2;
}

int Show(const std::string& reportPath, const std::string& htmlPath) {
    const std::optional<inspect::Report> report = LoadArgument(reportPath);
    if (!report) {
        return inspect::kCheckUnreadable;
    }
    const inspect::CheckResult checks = inspect::RunChecks(*report, nullptr);
    if (htmlPath.empty()) {
        std::cout << inspect::ShowText(*report, checks);
        return 0;
    }
    return WriteHtmlPage(reportPath, htmlPath, *report, checks);
}

}  // namespace

std::optional<int> RunInspectCommand(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string_view first = argv[1];
    if (first == "--version") {
        std::cout << core::ProgramVersion() << '\n';
        return 0;
    }
    if (first != "check" && first != "show") {
        return std::nullopt;
    }

    CLI::App cli{"Reads an income-tax report back.", "brenlo-cli"};
    cli.require_subcommand(1);
    std::string report, previous, html;
    bool json = false;
    CLI::App* check = cli.add_subcommand(
        "check",
        "Checks that the report's statements add up; exit 0 clean or warnings only, "
        "1 errors, 2 unreadable input");
    check->add_option("REPORT", report, "the report (Shift_JIS XML)")->required();
    check->add_option("--previous", previous,
                      "last year's report: its closing balances must open this year");
    check->add_flag("--json", json, "the findings as JSON");
    CLI::App* show = cli.add_subcommand(
        "show", "Shows the report as the statements of the forms, with the checks' findings");
    show->add_option("REPORT", report, "the report (Shift_JIS XML)")->required();
    show->add_option("--html", html, "write one self-contained HTML page instead");
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = cli.exit(error);
        return code == 0 ? 0 : kUnusableOptions;
    }
    if (check->parsed()) {
        return Check(report, previous, json);
    }
    return Show(report, html);
}

void PrintChecksOfWrittenReport(const std::string& windowsPath) {
    if (windowsPath.empty()) {
        return;
    }
    const std::optional<inspect::Report> report =
        Load(windowsPath, platform::headless::ConsoleText(windowsPath));
    if (!report) {
        return;
    }
    std::cerr << inspect::CheckText(*report, inspect::RunChecks(*report, nullptr));
}
