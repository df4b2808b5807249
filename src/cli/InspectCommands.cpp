#include "cli/InspectCommands.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <random>
#include <string_view>

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "core/ProgramResources.h"
#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/PreviousIdentity.h"
#include "inspect/Report.h"
#include "inspect/Show.h"
#include "inspect/ShowFile.h"
#include "platform/Console.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/headless/ConsoleOutput.h"
#include "platform/text/TerminalText.h"

namespace {

using platform::text::ForTerminal;

// A report file read and parsed, or why not.
inspect::ReadResult Read(const std::string& windowsPath, const std::string& shownName) {
    auto file =
        platform::Files().Open(windowsPath, platform::OpenMode::Read, platform::ShareMode::Read);
    std::optional<std::string> bytes = file ? platform::ReadToEnd(*file) : std::nullopt;
    if (!bytes) {
        inspect::ReadResult result;
        result.error = {shownName, 0, "cannot read the file"};
        return result;
    }
    return inspect::ReadReport(*bytes, shownName);
}

// Names are shown as the console text of their Shift_JIS form: Windows hands
// arguments over in code page 932, and the output is UTF-8.
inspect::ReadResult ReadArgument(const std::string& argument) {
    bool ok = true;
    const std::string name = platform::console::ArgumentText(argument, &ok);
    if (!ok) {
        inspect::ReadResult result;
        result.error = {argument, 0, "the name has characters that code page 932 cannot hold"};
        return result;
    }
    return Read(WindowsFormOf(name), platform::headless::ConsoleText(name));
}

// The report, or nothing after saying why on standard error (and, for
// --json, as a JSON document on standard output).
std::optional<inspect::Report> Load(inspect::ReadResult result, bool json = false) {
    if (!result.report) {
        std::cerr << ForTerminal(result.error.Text()) << '\n';
        if (json) {
            std::cout << inspect::UnreadableJson(result.error);
        }
    }
    return std::move(result.report);
}

std::optional<inspect::Report> LoadArgument(const std::string& argument) {
    return Load(ReadArgument(argument));
}

int Check(const std::string& reportPath, const std::string& previousPath, bool json) {
    const std::optional<inspect::Report> report = Load(ReadArgument(reportPath), json);
    if (!report) {
        return kCheckUnreadable;
    }
    std::optional<inspect::Report> previous;
    if (!previousPath.empty()) {
        previous = Load(ReadArgument(previousPath), json);
        if (!previous) {
            return kCheckUnreadable;
        }
    }
    const inspect::CheckResult result =
        inspect::RunChecks(*report, previous ? &*previous : nullptr);
    std::cout << (json ? inspect::CheckJson(*report, result)
                       : ForTerminal(inspect::CheckText(*report, result)));
    return result.Count(inspect::Severity::Error) > 0 ? kCheckErrors : kCheckClean;
}

struct ShowRequest {
    std::string report, previous, html;
    bool open = false;
    int width = 0;
    int threshold = 20;
};

// The page in a new file of the temporary folder, opened in the browser.
int OpenPage(const std::string& page) {
    const std::string folder = platform::Files().TempFolder();
    std::random_device random;
    std::string path;
    for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
        const std::string candidate =
            folder + "brenlo-show-" + std::to_string(random() % 100000000u) + ".html";
        if (platform::Files().KindOf(candidate) == platform::EntryKind::None) {
            path = candidate;
        }
    }
    if (folder.empty() || path.empty() ||
        !platform::WriteReplacing(path,
                                  [&page](platform::ByteSink& sink) { return sink.Write(page); })) {
        std::cerr << "show: cannot write the page in the temporary folder\n";
        return 2;
    }
    if (!platform::console::OpenWithDefaultProgram(path)) {
        std::cerr << platform::headless::ConsoleText(path)
                  << ": written, but no browser could be started\n";
        return 2;
    }
    return 0;
}

// The page written in place of `htmlPath`'s earlier content, never over the report.
int WriteHtmlPage(const std::string& reportPath, const std::string& htmlPath,
                  const std::string& page) {
    bool ok = true;
    const std::string name = platform::console::ArgumentText(htmlPath, &ok);
    const std::string reportName = platform::console::ArgumentText(reportPath, &ok);
    if (!ok) {
        std::cerr << ForTerminal(htmlPath)
                  << ": the name has characters that code page 932 cannot hold\n";
        return 2;
    }
    const std::string shown = platform::headless::ConsoleText(name);
    bool refused = false;
    if (inspect::WriteShowPage(WindowsFormOf(reportName), WindowsFormOf(name), page, &refused) ==
        1) {
        return 0;
    }
    if (refused) {
        std::cerr << ForTerminal(shown)
                  << ": is the report being shown; the page would replace it\n";
        return kUnusableOptions;
    }
    const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
    std::cerr << ForTerminal(shown + ": cannot write the page" +
                             (failure ? ": " + failure->reason : std::string()))
              << '\n';
    return 2;
}

int Show(const ShowRequest& request) {
    const std::optional<inspect::Report> report = LoadArgument(request.report);
    if (!report) {
        return kCheckUnreadable;
    }
    std::optional<inspect::Report> previous;
    if (!request.previous.empty()) {
        previous = LoadArgument(request.previous);
        if (!previous) {
            return kCheckUnreadable;
        }
        if (const auto mismatch = inspect::PreviousMismatch(*report, *previous)) {
            std::cerr << "show: " << ForTerminal(mismatch->english + " / " + mismatch->japanese)
                      << '\n';
            return kCheckUnreadable;
        }
    }
    const inspect::CheckResult checks =
        inspect::RunChecks(*report, previous ? &*previous : nullptr);
    inspect::ShowOptions options;
    options.previous = previous ? &*previous : nullptr;
    options.threshold = request.threshold;
    if (request.open) {
        return OpenPage(inspect::ShowHtml(*report, checks, options));
    }
    if (request.html == "-") {
        std::cout << inspect::ShowHtml(*report, checks, options);
        return 0;
    }
    if (request.html.empty()) {
        const int columns = platform::console::TerminalColumns(stdout);
        options.width = request.width > 0 ? request.width : columns > 0 ? columns : 80;
        std::cout << ForTerminal(inspect::ShowText(*report, checks, options));
        return 0;
    }
    return WriteHtmlPage(request.report, request.html, inspect::ShowHtml(*report, checks, options));
}

// Findings or a statement cut short (a full disk, a closed pipe) are no
// result, whatever the command found.
int Delivered(int status) {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "brenlo-cli: cannot write the output\n";
        return kCheckUnreadable;
    }
    return status;
}

}  // namespace

std::optional<int> RunInspectCommand(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string_view first = argv[1];
    if (first == "--version") {
        std::cout << core::ProgramVersion() << '\n';
        return Delivered(0);
    }
    if (first != "check" && first != "show") {
        return std::nullopt;
    }

    CLI::App cli{"Reads an income-tax report back.", "brenlo-cli"};
    // A path starting with / is a path (Z:), also on Windows, never an option.
    cli.allow_windows_style_options(false);
    cli.require_subcommand(1);
    std::string previous;
    ShowRequest request;
    bool json = false;
    CLI::App* check = cli.add_subcommand(
        "check",
        "Checks that the report's statements add up; exit 0 clean or warnings only, "
        "1 errors, 2 unreadable input, 64 usage error");
    check->add_option("REPORT", request.report, "the report (Shift_JIS XML)")->required();
    check->add_option("--previous", previous,
                      "last year's report of the same company and kind: its closing balances "
                      "must open this year");
    check->add_flag("--json", json,
                    "the findings as JSON (an unreadable report as a JSON object with the error)");
    CLI::App* show = cli.add_subcommand(
        "show", "Shows the report as the statements of the forms, with the checks' findings");
    show->add_option("REPORT", request.report, "the report (Shift_JIS XML)")->required();
    CLI::Option* html =
        show->add_option("--html", request.html,
                         "write one self-contained HTML page instead (- for standard output)");
    show->add_flag("--open", request.open,
                   "write the page to a new temporary file and open it in the browser")
        ->excludes(html);
    show->add_option("--width", request.width,
                     "columns of the terminal view (default: the terminal's, else 80)")
        ->check(CLI::Range(40, 1000));
    show->add_option("--previous", request.previous,
                     "last year's report: its figures beside this year's, with the change");
    show->add_option("--threshold", request.threshold,
                     "percent: with --previous, mark lines that moved by more (default 20)")
        ->check(CLI::Range(0, 1000000));
    LocalizeCli(cli);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = cli.exit(error);
        return Delivered(code == 0 ? 0 : kUnusableOptions);
    }
    if (check->parsed()) {
        return Delivered(Check(request.report, previous, json));
    }
    return Delivered(Show(request));
}

void PrintChecksOfWrittenReport(const std::string& windowsPath) {
    if (windowsPath.empty()) {
        return;
    }
    const std::optional<inspect::Report> report =
        Load(Read(windowsPath, platform::headless::ConsoleText(windowsPath)));
    if (!report) {
        return;
    }
    std::cerr << ForTerminal(inspect::CheckText(*report, inspect::RunChecks(*report, nullptr)));
}
