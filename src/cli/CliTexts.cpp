#include "cli/CliTexts.h"

#include <CLI/CLI.hpp>

#include <span>

#include "platform/Console.h"

namespace {

struct TextRow {
    std::string_view english;
    std::string_view japanese;
};

// The help: descriptions, footers, group names and the help's own labels.
constexpr TextRow kHelpTexts[] = {
    {"Exports the income-tax figures of the selected company to an XML report.",
     "選択中の事業所の所得税の集計結果を XML ファイルに出力します。"},
    {"books file (else TOBRA_BOOKS, else Books.json beside the program)",
     "帳簿ファイル（省略時は TOBRA_BOOKS、それもなければプログラムと同じフォルダの "
     "Books.json）"},
    {"the host's edition: standard (Brenlo.env) or pro (Brenlopro.env)",
     "会計ソフトの製品：standard（Brenlo.env）または pro（Brenlopro.env）"},
    {"where NorvikDef.ini and SUPPORT.INF are looked for (else the program's folder)",
     "NorvikDef.ini と SUPPORT.INF を探すフォルダ（省略時はプログラムのフォルダ）"},
    {"the host's \"window,message,function,path\" text, as if the host started the export",
     "会計ソフトから起動されたときと同じ「ウィンドウ,メッセージ,機能,パス」の文字列"},
    {"income kind to export", "出力する所得の区分"},
    {"report file to write (a path starting with / is taken as Z:)",
     "出力する帳票ファイル（/ で始まるパスは Z: のパスとして扱います）"},
    {"answer Yes to every question (create the folder, overwrite the file)",
     "すべての確認に「はい」と答えます（フォルダの作成、ファイルの上書き）"},
    {"answer No to every question", "すべての確認に「いいえ」と答えます"},
    {"cancel the export instead of writing the report", "出力せずに集計を中止します"},
    {"show no progress", "進行状況を表示しません"},
    {"check the written report and print the findings (stderr)",
     "出力した帳票を確認し、結果を標準エラー出力に表示します"},
    {"Print the program's version and exit", "プログラムのバージョンを表示して終了します"},
    {"Checks that the report's statements add up; exit 0 clean or warnings only, "
     "1 errors, 2 unreadable input, 64 usage error",
     "帳票の各表の金額が合っているか確認します。終了コード：0 問題なし（警告のみを含む）、"
     "1 エラーあり、2 帳票を読めない、64 指定の誤り"},
    {"the report (Shift_JIS XML)", "帳票ファイル（Shift_JIS の XML）"},
    {"last year's report of the same company and kind: its closing balances must open this "
     "year",
     "同じ事業所・同じ所得の前年の帳票：前年の期末残高が今年の期首残高と一致するか確認します"},
    {"the findings as JSON (an unreadable report as a JSON object with the error)",
     "結果を JSON で出力します（読めない帳票はエラーを JSON で出力）"},
    {"Shows the report as the statements of the forms, with the checks' findings",
     "帳票を決算書の形で表示し、確認結果を該当の行に添えます"},
    {"write one self-contained HTML page instead (- for standard output)",
     "画面に表示する代わりに HTML ファイルに出力します（- で標準出力）"},
    {"write the page to the temporary folder and open it in the browser",
     "HTML ページを一時フォルダに出力してブラウザで開きます"},
    {"columns of the terminal view (default: the terminal's, else 80)",
     "画面表示の桁数（省略時は端末の幅、端末でなければ 80）"},
    {"last year's report: its figures beside this year's, with the change",
     "前年の帳票：前年の金額と増減を今年の金額の横に表示します"},
    {"percent: with --previous, mark lines that moved by at least this share (default 20)",
     "%：--previous と併せて、前年からこの割合以上増減した行に印を付けます（省略時 20）"},
    {"yen: with --previous, marked lines moved by at least this much, or ten times this "
     "whatever the share (default 100000)",
     "円：--previous と併せて、印を付ける行の増減額の下限。この 10 倍以上の増減には割合によらず"
     "印を付けます（省略時 100000）"},
    {"Print this help message and exit", "この説明を表示して終了します"},
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
};

// Usage errors and the front end's own console messages.
constexpr TextRow kErrorTexts[] = {
    {"Run with --help for more information.", "使い方は「brenlo-cli --help」で確認できます。"},
    {"ExtrasError", "使えない引数があります"},
    {"RequiredError", "必要な指定がありません"},
    {"ValidationError", "指定された値は使えません"},
    {"ArgumentMismatch", "値の数が合いません"},
    {"ExcludesError", "同時には指定できないオプションです"},
    {"RequiresError", "一緒に指定するオプションがありません"},
    {"ConversionError", "値を読み取れません"},
    {"ParseError", "指定が正しくありません"},
    {"brenlo-cli: --out is longer than the {} bytes an output path may have",
     "brenlo-cli: --out のパスが長すぎます（出力先のパスは {} バイトまでです）"},
    {"brenlo-cli: an argument has characters that code page 932 cannot hold",
     "brenlo-cli: 引数に Shift_JIS（コードページ 932）で表せない文字が含まれています"},
    {"brenlo-cli: cannot pass the books file to the host",
     "brenlo-cli: 帳簿ファイルを会計ソフトに渡せません"},
    {"brenlo-cli: {} is an option of the export, not of check and show",
     "brenlo-cli: {} は出力のオプションです。check と show には使えません"},
    {"brenlo-cli: cannot write the output", "brenlo-cli: 出力を書き込めません"},
    {"{}: the name holds characters that code page 932 cannot hold",
     "{}: 名前に Shift_JIS（コードページ 932）で表せない文字が含まれています"},
    {"brenlo-cli: --kind names an income kind this data does not have (it has: {})",
     "brenlo-cli: --kind の所得の区分はこのデータにありません（このデータにある区分: {}）"},
    {"brenlo-cli: --out cannot be used: the host's command line (--command-line) fixes the "
     "output path",
     "brenlo-cli: --out は使えません。出力先は会計ソフトの起動文字列（--command-line）のパスに"
     "決まっています"},
};

// The words CLI11 puts into every help.
constexpr std::string_view kHelpLabels[] = {"Usage",    "OPTIONS",  "SUBCOMMAND", "SUBCOMMANDS",
                                            "REQUIRED", "Excludes", "Needs",      "Positionals"};

std::string_view JapaneseOf(std::string_view english) {
    for (std::span<const TextRow> table :
         {std::span<const TextRow>(kHelpTexts), std::span<const TextRow>(kErrorTexts)}) {
        for (const TextRow& row : table) {
            if (row.english == english) {
                return row.japanese;
            }
        }
    }
    return english;
}

// A usage error: what CLI11 found, after the kind of error in Japanese.
std::string JapaneseFailure(const CLI::App* app, const CLI::Error& error) {
    std::string kind = CliText(error.get_name());
    if (kind == error.get_name()) {
        kind = CliText("ParseError");
    }
    return app->get_name() + ": " + kind + "（" + error.what() + "）\n" +
           CliText("Run with --help for more information.") + "\n";
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

std::string CliText(std::string_view english, std::string_view argument) {
    std::string text(platform::console::PrefersJapanese() ? JapaneseOf(english) : english);
    if (const std::size_t at = text.find("{}"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

void LocalizeCli(CLI::App& app) {
    if (!platform::console::PrefersJapanese()) {
        return;
    }
    for (std::string_view label : kHelpLabels) {
        app.get_formatter()->label(std::string(label), CliText(label));
    }
    app.failure_message(JapaneseFailure);
    LocalizeTexts(app);
}
