#include "cli/CliTexts.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <memory>

#include "cli/HelpFormatter.h"
#include "core/ConsoleTexts.h"
#include "platform/Console.h"

namespace {

struct TextRow {
    std::string_view english;
    std::string_view japanese;
};

// The help: descriptions, footers, group names and the help's own labels.
constexpr TextRow kHelpTexts[] = {
    {"Exports the income-tax figures of the selected company to an XML report.",
     "選択中の事業所の所得税の集計結果を出力ファイル（Shift_JIS の XML）に書き出します。"},
    {"books file (else TOBRA_BOOKS, else Books.json beside the program)",
     "帳簿ファイル（省略時は TOBRA_BOOKS、それもなければプログラムと同じフォルダの "
     "Books.json）"},
    {"the host's edition: standard (Brenlo.env) or pro (Brenlopro.env)",
     "会計ソフトの製品：standard（Brenlo.env）または pro（Brenlopro.env）"},
    {"where NorvikDef.ini and SUPPORT.INF are looked for (else the program's folder)",
     "NorvikDef.ini と SUPPORT.INF を探すフォルダ（省略時はプログラムのフォルダ）"},
    {"the host's \"window,message,function,path\" text, as if the host started the export",
     "会計ソフトから起動されたときと同じ「ウィンドウ,メッセージ,機能,パス」の文字列"},
    {"income kind to export", "出力する事業区分"},
    {"report file to write (a path starting with / is taken as Z:)",
     "書き出す出力ファイル（/ で始まるパスは Z: のパスとして扱います）"},
    {"answer Yes to every question (create the folder, overwrite the file)",
     "すべての確認に「はい」と答えます（フォルダの作成、ファイルの上書き）"},
    {"answer No to every question", "すべての確認に「いいえ」と答えます"},
    {"cancel the export instead of writing the report", "出力せずに集計を中止します"},
    {"show no progress", "進行状況を表示しません"},
    {"check the written report and print the findings (stderr)",
     "出力した出力ファイルを確認し、結果を標準エラー出力に表示します"},
    {"Print the program's version and exit", "プログラムのバージョンを表示して終了します"},
    {"Checks that the report's statements add up; exit 0 clean or warnings only, "
     "1 errors, 2 unreadable input, 64 usage error",
     "出力ファイルの各表の金額が合っているか確認します。終了コード：0 問題なし（警告のみを含む）、"
     "1 エラーあり、2 出力ファイルを読めない、64 指定の誤り"},
    {"the report (Shift_JIS XML)", "出力ファイル（Shift_JIS の XML）"},
    {"last year's report of the same company and kind: its closing balances must open this "
     "year",
     "同じ事業所・同じ事業区分の前年分の出力ファイル：前年の期末残高が本年の期首残高と一致するか確"
     "認しま"
     "す"},
    {"the findings as JSON (an unreadable report as a JSON object with the error)",
     "結果を JSON で出力します（読めない出力ファイルはエラーを JSON で出力）"},
    {"Shows the report as the statements of the forms, with the checks' findings",
     "出力ファイルを決算書の形で表示し、確認結果を該当の行に添えます"},
    {"write one self-contained HTML page instead (- for standard output)",
     "画面に表示する代わりにページを書き出します（- で標準出力）"},
    {"write the page to the temporary folder and open it in the browser",
     "HTML ページを一時フォルダに出力してブラウザで開きます"},
    {"columns of the terminal view (default: the terminal's, else 80)",
     "画面表示の桁数（省略時は端末の幅、端末でなければ 80）"},
    {"last year's report: its figures beside this year's, with the change",
     "前年分の出力ファイル：前年の金額と増減を本年の金額の横に表示します"},
    {"percent: with --previous, mark lines that moved by at least this share (default 20)",
     "%：--previous と併せて、前年からこの割合以上増減した行に印を付けます（省略時 20）"},
    {"yen: with --previous, marked lines moved by at least this much, or ten times this "
     "whatever the share (default 100000)",
     "円：--previous と併せて、印を付ける行の増減額の下限。この 10 倍以上の増減には割合によらず"
     "印を付けます（省略時 100000）"},
    {"Print this help message and exit", "この説明を表示して終了します"},
    {"the console's language: ja, en or both (default: the console's own)",
     "画面に表示する言語：ja（日本語）、en（英語）、both（両方）。省略時はコンソールの言語"},
    {"Options", "オプション"},
    {"Positionals", "引数"},
    {"Subcommands", "コマンド"},
    {"Usage", "使い方"},
    {"OPTIONS", "オプション"},
    {"SUBCOMMAND", "コマンド"},
    {"SUBCOMMANDS", "コマンド"},
    {"REQUIRED", "必須"},
    {"Excludes", "併用不可"},
    {"Needs", "併用必須"},
    {kReportArgument, "出力ファイル"},
};

// The words CLI11 puts into every help.
constexpr std::string_view kHelpLabels[] = {"Usage",       "OPTIONS",     "SUBCOMMAND",
                                            "SUBCOMMANDS", "REQUIRED",    "Excludes",
                                            "Needs",       "Positionals", kReportArgument};

const TextRow* HelpRowOf(std::string_view english) {
    for (const TextRow& row : kHelpTexts) {
        if (row.english == english) {
            return &row;
        }
    }
    return nullptr;
}

bool JapaneseHelp() {
    return platform::console::LinesLanguage() != platform::console::Language::English;
}

// The kind of a usage error, as the table names it. CLI11's own name of an
// error is not always its kind (an extra argument is named by the program).
std::string_view KindOf(const CLI::Error& error) {
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        return "ExtrasError";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        return "RequiredError";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return "ArgumentMismatch";
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return "ExcludesError";
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
        return "RequiresError";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
        return "ConversionError";
    }
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        return "ValidationError";
    }
    return "ParseError";
}

// What CLI11's message names, without its English words: the options, and
// for arguments it did not expect, those arguments.
std::string NamedIn(const CLI::Error& error) {
    const std::string_view what = error.what();
    if (KindOf(error) == "ExtrasError") {
        const std::size_t colon = what.find(": ");
        return colon == std::string_view::npos ? std::string()
                                               : std::string(what.substr(colon + 2));
    }
    std::string named;
    for (std::size_t at = what.find('-'); at != std::string_view::npos;
         at = what.find('-', at + 1)) {
        if (at > 0 && what[at - 1] != ' ' && what[at - 1] != '[') {
            continue;
        }
        const std::size_t end = what.find_first_of(" :,)]", at);
        const std::string_view option = what.substr(at, end - at);
        if (option.size() > 1 && option.find_first_not_of('-') != std::string_view::npos &&
            !std::isdigit(static_cast<unsigned char>(option[option.find_first_not_of('-')]))) {
            named += (named.empty() ? "" : " ") + std::string(option);
        }
        if (end == std::string_view::npos) {
            break;
        }
        at = end;
    }
    // A positional is named by its word ("REPORT is required").
    if (named.empty() && what.find(kReportArgument) != std::string_view::npos) {
        named = CliText(kReportArgument);
    }
    return named;
}

// A usage error: the kind of error in Japanese and what it names; with both
// languages, CLI11's own line after it.
std::string JapaneseFailure(const CLI::App* app, const CLI::Error& error) {
    const std::string kind = core::LineTexts(KindOf(error)).japanese;
    const std::string named = NamedIn(error);
    std::string line = app->get_name() + ": " + kind + (named.empty() ? "" : "（" + named + "）") +
                       "\n" + core::LineTexts("Run with --help for more information.").japanese +
                       "\n";
    if (platform::console::LinesLanguage() == platform::console::Language::Both) {
        line += CLI::FailureMessage::simple(app, error);
    }
    return line;
}

void LocalizeTexts(CLI::App& app) {
    app.description(CliText(app.get_description()));
    app.footer(CliText(app.get_footer()));
    app.group(CliText(app.get_group()));
    for (CLI::Option* option : app.get_options()) {
        option->description(CliText(option->get_description()));
        option->group(CliText(option->get_group()));
    }
    for (CLI::App* subcommand : app.get_subcommands([](CLI::App*) { return true; })) {
        LocalizeTexts(*subcommand);
    }
}

}  // namespace

// The help is in one language: Japanese unless the console's lines are English.
std::string CliText(std::string_view english, std::string_view argument) {
    if (const TextRow* row = HelpRowOf(english)) {
        return std::string(JapaneseHelp() ? row->japanese : row->english);
    }
    return core::ConsoleLine(english, {argument});
}

void LocalizeCli(CLI::App& app) {
    const auto formatter = std::make_shared<HelpFormatter>(JapaneseHelp());
    app.formatter(formatter);
    for (CLI::App* subcommand : app.get_subcommands([](CLI::App*) { return true; })) {
        subcommand->formatter(formatter);
    }
    if (!JapaneseHelp()) {
        return;
    }
    for (std::string_view label : kHelpLabels) {
        formatter->label(std::string(label), CliText(label));
    }
    app.failure_message(JapaneseFailure);
    for (CLI::App* subcommand : app.get_subcommands([](CLI::App*) { return true; })) {
        subcommand->failure_message(JapaneseFailure);
    }
    LocalizeTexts(app);
}
