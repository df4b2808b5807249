#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <map>

#include "cli/CliTexts.h"
#include "dialog/ConditionsDlg.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"

namespace {

const std::map<std::string, IncomeKind> kKinds = {
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

// The other commands, one line each, below the export's options.
constexpr const char* kReadingBack =
    "Reading reports back (each with --help):\n"
    "  check REPORT   checks that the report's statements add up\n"
    "  show REPORT    shows the report as the forms' statements, in the terminal or as a page\n"
    "brenlo-cli --version";

std::optional<CliOptions> ParseCliOptions(int argc, char** argv, int& status) {
    CLI::App cli{"Exports the income-tax figures of the selected company to an XML report.",
                 "brenlo-cli"};
    // A path starting with / is a path (Z:), also on Windows, never an option.
    cli.allow_windows_style_options(false);
    std::string books, edition = "standard", programFolder, commandLine, kind, out;
    bool yes = false, no = false, cancel = false, quiet = false, check = false;

    cli.add_option("--books", books,
                   "books file (else TOBRA_BOOKS, else Books.json beside the program)");
    cli.add_option("--edition", edition,
                   "the host's edition: standard (Brenlo.env) or pro (Brenlopro.env)")
        ->check(CLI::IsMember({"standard", "pro"}));
    cli.add_option(
        "--program-folder", programFolder,
        "where NorvikDef.ini and SUPPORT.INF are looked for (else the program's folder)");
    cli.add_option(
        "--command-line", commandLine,
        "the host's \"window,message,function,path\" text, as if the host started the export");
    cli.add_option("--kind", kind, "income kind to export")
        ->check(CLI::IsMember({"business", "other", "real-estate"}));
    cli.add_option("--out", out, "report file to write (a path starting with / is taken as Z:)");
    auto* yesFlag = cli.add_flag(
        "--yes", yes, "answer Yes to every question (create the folder, overwrite the file)");
    cli.add_flag("--no", no, "answer No to every question")->excludes(yesFlag);
    cli.add_flag("--cancel", cancel, "cancel the export instead of writing the report");
    cli.add_flag("--quiet", quiet, "show no progress");
    cli.add_flag("--check", check, "check the written report and print the findings (stderr)");
    cli.footer(kReadingBack);

    LocalizeCli(cli);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = cli.exit(error);
        status = code == 0 ? 0 : kUnusableOptions;
        return std::nullopt;
    }

    bool converted = true;
    auto text = [&converted](const std::string& argument) {
        bool ok = true;
        std::string result = platform::console::ArgumentText(argument, &ok);
        converted = converted && ok;
        return result;
    };

    CliOptions options;
    if (cli.count("--books") > 0) {
        options.books = books;
    }
    options.pro = edition == "pro";
    options.programFolder = WindowsFormOf(text(programFolder));
    options.commandLine = text(commandLine);
    if (!kind.empty()) {
        options.kind = kKinds.at(kind);
    }
    if (cli.count("--out") > 0) {
        options.out = WindowsFormOf(text(out));
        if (!FitsTheOutputField(*options.out)) {
            status = kUnusableOptions;
            return std::nullopt;
        }
    }
    if (yes || no) {
        options.answer = yes;
    }
    options.cancel = cancel;
    options.quiet = quiet;
    options.check = check;
    if (!converted) {
        std::cerr << CliText(
                         "brenlo-cli: an argument has characters that code page 932 cannot hold")
                  << '\n';
        status = kUnusableOptions;
        return std::nullopt;
    }
    status = 0;
    return options;
}
