#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <vector>

#include "cli/CliTexts.h"
#include "core/ProgramResources.h"
#include "dialog/ConditionsDlg.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace {

constexpr KindOption kKinds[] = {
    {"business", income_kind::kBusiness},
    {"other", income_kind::kOther},
    {"real-estate", income_kind::kRealEstate},
};

// The output field would cut a longer path; the console shows no field, so
// the report is never written under a name the user did not give.
bool FitsTheOutputField(const std::string& out) {
    if (out.size() <= static_cast<std::size_t>(CConditionsDlg::kTypedPathLimit)) {
        return true;
    }
    std::cerr << CliText("brenlo-cli: --out is longer than the {} bytes an output path may have",
                         std::to_string(CConditionsDlg::kTypedPathLimit))
              << '\n';
    return false;
}

}  // namespace

std::span<const KindOption> KindOptions() {
    return kKinds;
}

std::string WindowsFormOf(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return path;
    }
    // No byte of a double-byte character is a slash, so every slash is a separator.
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

std::string FullPathOf(const std::string& path, const std::string& currentFolder) {
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    if ((hasDrive && path.size() >= 3 && path[2] == '\\') || path.starts_with("\\\\") ||
        currentFolder.empty() || hasDrive) {
        return path;
    }
    if (path.starts_with('\\')) {
        return platform::DriveOf(currentFolder) + path;
    }
    std::string folder = currentFolder;
    platform::AddBackslash(folder, folder.size() + 2);
    return folder + path;
}

namespace {

// The options of check and show, as subcommands of the one parser.
void AddReadBackCommands(CLI::App& cli, ReadBackArguments& arguments, CLI::App*& check,
                         CLI::App*& show) {
    check = cli.add_subcommand(
        "check",
        "Checks that the report's statements add up; exit 0 clean or warnings only, "
        "1 errors, 2 unreadable input, 64 usage error");
    check->add_option(kReportArgument, arguments.report, "the report (Shift_JIS XML)")->required();
    check->add_option("--previous", arguments.previous,
                      "last year's report of the same company and kind: its closing balances "
                      "must open this year");
    check->add_flag("--json", arguments.json,
                    "the findings as JSON (an unreadable report as a JSON object with the error)");
    show = cli.add_subcommand(
        "show", "Shows the report as the statements of the forms, with the checks' findings");
    show->add_option(kReportArgument, arguments.report, "the report (Shift_JIS XML)")->required();
    CLI::Option* html =
        show->add_option("--html", arguments.html,
                         "write one self-contained HTML page instead (- for standard output)");
    show->add_flag("--open", arguments.open,
                   "write the page to the temporary folder and open it in the browser")
        ->excludes(html);
    show->add_option("--width", arguments.width,
                     "columns of the terminal view (default: the terminal's, else 80)")
        ->check(CLI::Range(40, 1000));
    CLI::Option* previous =
        show->add_option("--previous", arguments.previous,
                         "last year's report: its figures beside this year's, with the change");
    show->add_option("--threshold", arguments.threshold,
                     "percent: with --previous, mark lines that moved by at least this share "
                     "(default 20)")
        ->check(CLI::Range(0, 1000000))
        ->needs(previous);
    show->add_option("--min-change", arguments.minChange,
                     "yen: with --previous, marked lines moved by at least this much, or ten "
                     "times this whatever the share (default 100000)")
        ->check(CLI::Range(std::int64_t{0}, std::int64_t{1000000000000}))
        ->needs(previous);
}

// The help, the version or a usage error, which CLI11 reports by throwing.
int Ended(CLI::App& cli, const CLI::ParseError& error) {
    const int code = cli.exit(error);
    if (!OutputDelivered()) {
        return Failed;
    }
    return code == 0 ? 0 : kUnusableOptions;
}

}  // namespace

bool OutputDelivered() {
    std::cout.flush();
    if (std::cout) {
        return true;
    }
    std::cerr << CliText("brenlo-cli: cannot write the output") << '\n';
    return false;
}

namespace {

// The export's options as CLI11 leaves them, before they are the program's.
struct ExportArguments {
    std::string books, edition = "standard", programFolder, commandLine, kind, out;
    bool yes = false, no = false, cancel = false, quiet = false, check = false;
};

void AddExportOptions(CLI::App& cli, ExportArguments& a) {
    cli.add_option("--books", a.books,
                   "books file (else TOBRA_BOOKS, else Books.json beside the program)");
    cli.add_option("--edition", a.edition,
                   "the host's edition: standard (Brenlo.env) or pro (Brenlopro.env)")
        ->check(CLI::IsMember({"standard", "pro"}));
    cli.add_option(
        "--program-folder", a.programFolder,
        "where NorvikDef.ini and SUPPORT.INF are looked for (else the program's folder)");
    cli.add_option(
        "--command-line", a.commandLine,
        "the host's \"window,message,function,path\" text, as if the host started the export");
    std::vector<std::string> kinds;
    for (const KindOption& kind : kKinds) {
        kinds.emplace_back(kind.name);
    }
    cli.add_option("--kind", a.kind, "income kind to export")->check(CLI::IsMember(kinds));
    cli.add_option("--out", a.out, "report file to write (a path starting with / is taken as Z:)");
    auto* yesFlag = cli.add_flag(
        "--yes", a.yes, "answer Yes to every question (create the folder, overwrite the file)");
    cli.add_flag("--no", a.no, "answer No to every question")->excludes(yesFlag);
    cli.add_flag("--cancel", a.cancel, "cancel the export instead of writing the report");
    cli.add_flag("--quiet", a.quiet, "show no progress");
    cli.add_flag("--check", a.check, "check the written report and print the findings (stderr)");
}

// The export's options as the program takes them; false after saying why not.
bool ExportOptionsOf(const CLI::App& cli, const ExportArguments& a, CliOptions& options) {
    bool converted = true;
    auto text = [&converted](const std::string& argument) {
        bool ok = true;
        std::string result = platform::console::ArgumentText(argument, &ok);
        converted = converted && ok;
        return result;
    };
    if (cli.count("--books") > 0) {
        options.books = a.books;
    }
    options.pro = a.edition == "pro";
    options.programFolder = WindowsFormOf(text(a.programFolder));
    options.commandLine = text(a.commandLine);
    for (const KindOption& kind : kKinds) {
        options.kind = a.kind == kind.name ? kind.kind : options.kind;
    }
    if (cli.count("--out") > 0) {
        options.out = WindowsFormOf(text(a.out));
        if (!FitsTheOutputField(*options.out)) {
            return false;
        }
    }
    if (a.yes || a.no) {
        options.answer = a.yes;
    }
    options.cancel = a.cancel;
    options.quiet = a.quiet;
    options.check = a.check;
    if (!converted) {
        std::cerr << CliText(
                         "brenlo-cli: an argument has characters that code page 932 cannot hold")
                  << '\n';
    }
    return converted;
}

// The languages of --lang, as platform::console names them.
struct LanguageOption {
    std::string_view name;
    platform::console::Language language;
};
constexpr LanguageOption kLanguages[] = {
    {"ja", platform::console::Language::Japanese},
    {"en", platform::console::Language::English},
    {"both", platform::console::Language::Both},
};
constexpr char kLanguageOption[] = "--lang";

// --lang takes effect before the parser speaks: its help and its usage errors
// are in that language already.
void UseLanguageOf(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        std::string_view argument = argv[k];
        std::string_view value;
        if (argument == kLanguageOption && k + 1 < argc) {
            value = argv[k + 1];
        } else if (argument.starts_with(std::string(kLanguageOption) + "=")) {
            value = argument.substr(sizeof kLanguageOption);
        }
        for (const LanguageOption& language : kLanguages) {
            if (!value.empty() && value == language.name) {
                platform::console::SetLinesLanguage(language.language);
            }
        }
    }
}

void AddLanguageOption(CLI::App& app, std::string& language) {
    std::vector<std::string> names;
    for (const LanguageOption& option : kLanguages) {
        names.emplace_back(option.name);
    }
    app.add_option(kLanguageOption, language,
                   "the console's language: ja, en or both (default: the console's own)")
        ->check(CLI::IsMember(names));
}

// The export's options say nothing to check or show; false after saying so.
bool NoExportOptions(const CLI::App& cli) {
    for (const CLI::Option* option : cli.get_options()) {
        if (option->count() > 0 && option->get_name() != kLanguageOption) {
            std::cerr << CliText("brenlo-cli: {} is an option of the export, not of check and show",
                                 option->get_name())
                      << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<CliCommand> ParseCommandLine(int argc, char** argv, int& status) {
    CLI::App cli{"Exports the income-tax figures of the selected company to an XML report.",
                 "brenlo-cli"};
    // A path starting with / is a path (Z:), also on Windows, never an option.
    cli.allow_windows_style_options(false);
    cli.require_subcommand(0, 1);
    cli.set_version_flag("--version", std::string(core::ProgramVersion()),
                         "Print the program's version and exit");
    UseLanguageOf(argc, argv);
    ExportArguments exportArguments;
    AddExportOptions(cli, exportArguments);
    CliCommand command;
    CLI::App* checkCommand = nullptr;
    CLI::App* showCommand = nullptr;
    AddReadBackCommands(cli, command.readBack, checkCommand, showCommand);
    std::string language;
    for (CLI::App* app : {&cli, checkCommand, showCommand}) {
        AddLanguageOption(*app, language);
    }

    LocalizeCli(cli);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        status = Ended(cli, error);
        return std::nullopt;
    }
    status = kUnusableOptions;
    if (checkCommand->parsed() || showCommand->parsed()) {
        if (!NoExportOptions(cli)) {
            return std::nullopt;
        }
        command.kind = checkCommand->parsed() ? CliCommand::Kind::Check : CliCommand::Kind::Show;
    } else if (!ExportOptionsOf(cli, exportArguments, command.options)) {
        return std::nullopt;
    }
    status = 0;
    return command;
}
