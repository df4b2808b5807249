#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <map>

#include "platform/Console.h"

namespace {

const std::map<std::string, IncomeKind> kKinds = {
    {"business", income_kind::kBusiness},
    {"other", income_kind::kOther},
    {"real-estate", income_kind::kRealEstate},
};

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

std::optional<CliOptions> ParseCliOptions(int argc, char** argv, int& status) {
    CLI::App cli{"Exports the income-tax figures of the selected company to an XML report.",
                 "brenlo-cli"};
    std::string books, edition = "standard", programFolder, commandLine, kind, out;
    bool yes = false, no = false, cancel = false, quiet = false;

    cli.add_option("--books", books,
                   "books file (else TOBRA_BOOKS, else Books.json beside the program)");
    cli.add_option("--edition", edition, "which deliverable's values the run uses")
        ->check(CLI::IsMember({"standard", "pro"}));
    cli.add_option("--program-folder", programFolder, "the folder the run takes as its own");
    cli.add_option("--command-line", commandLine, "the command line as the host would pass it");
    cli.add_option("--kind", kind, "click that radio button")
        ->check(CLI::IsMember({"business", "other", "real-estate"}));
    cli.add_option("--out", out, "type PATH into the output edit");
    auto* yesFlag = cli.add_flag("--yes", yes, "answer Yes to every question");
    cli.add_flag("--no", no, "answer No to every question")->excludes(yesFlag);
    cli.add_flag("--cancel", cancel, "press the cancel button instead of the execute button");
    cli.add_flag("--quiet", quiet, "no progress display");
    bool check = false;
    cli.add_flag("--check", check, "check the written report and print the findings (stderr)");
    cli.footer(
        "Reading reports back: brenlo-cli check REPORT.xml, brenlo-cli show REPORT.xml "
        "(each with --help); brenlo-cli --version");

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
    }
    if (yes || no) {
        options.answer = yes;
    }
    options.cancel = cancel;
    options.quiet = quiet;
    options.check = check;
    if (!converted) {
        std::cerr << "brenlo-cli: an argument has characters that code page 932 cannot hold\n";
        status = kUnusableOptions;
        return std::nullopt;
    }
    status = 0;
    return options;
}
