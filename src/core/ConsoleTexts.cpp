#include "core/ConsoleTexts.h"

#include <span>

#include "platform/Console.h"

namespace core {
namespace {

struct TextRow {
    std::string_view english;
    std::string_view japanese;
};

// The front end's usage errors and messages, the read-back's lines and
// check's headings. A row whose English holds no blank names a kind of
// usage error (CLI11's name of it).
constexpr TextRow kLines[] = {
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
     "brenlo-cli: --kind の事業区分はこのデータにありません（このデータにある区分: {}）"},
    {"brenlo-cli: --out cannot be used: the host's command line (--command-line) fixes the "
     "output path",
     "brenlo-cli: --out は使えません。出力先は会計ソフトの起動文字列（--command-line）のパスに"
     "決まっています"},
    {"brenlo-cli: wrote {}", "brenlo-cli: 出力ファイル {} を書きました"},
    {"{}: is the report being shown; the page would replace it",
     "{}: 表示する出力ファイルそのものです。ページで置き換えることはできません"},
    {"{}: is last year's report; the page would replace it",
     "{}: 前年分として指定した出力ファイルです。ページで置き換えることはできません"},
    {"show: cannot write the page in the temporary folder",
     "show: 一時フォルダにページを書けません"},
    {"written, but no browser could be started", "ページは書きましたが、ブラウザを起動できません"},
    {"{}: cannot write the page ({})", "{}: ページを書けません（{}）"},
    {"{}: cannot write the page", "{}: ページを書けません"},
    {"cannot read the file ({})", "ファイルを読めません（{}）"},
    {"rules run:", "実行した確認:"},
    {"rules skipped:", "実行しなかった確認:"},
    {"{} error(s), {} warning(s)", "エラー {} 件、警告 {} 件"},
    {"error", "エラー"},
    {"warning", "警告"},
};

// The file layer's reasons and the system's most common ones.
constexpr TextRow kReasons[] = {
    {"no such file", "ファイルがありません"},
    {"is a folder", "フォルダです"},
    {"not a regular file", "通常のファイルではありません"},
    {"larger than any such file", "このプログラムが読むファイルとしては大きすぎます"},
    {"grew while it was read",
     "読んでいる間に大きくなりました（ほかのプログラムが書き込み中です）"},
    {"is a file this run reads", "この実行で読み込んだファイルです（上書きしません）"},
    {"permission denied", "アクセスが拒否されました"},
    {"no such file or directory", "ファイルまたはフォルダがありません"},
    {"read-only file system", "読み取り専用のドライブです"},
    {"no space left on device", "ディスクに空きがありません"},
    {"is a directory", "フォルダです"},
    {"not a directory", "パスの途中がフォルダではありません"},
    {"file name too long", "名前が長すぎます"},
};

std::string_view JapaneseOf(std::span<const TextRow> table, std::string_view english) {
    for (const TextRow& row : table) {
        if (row.english == english) {
            return row.japanese;
        }
    }
    return english;
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled(text);
    std::size_t from = 0;
    for (const std::string_view argument : arguments) {
        const std::size_t at = filled.find("{}", from);
        if (at == std::string::npos) {
            break;
        }
        filled.replace(at, 2, argument);
        from = at + argument.size();
    }
    return filled;
}

}  // namespace

Bilingual LineTexts(std::string_view english, std::initializer_list<std::string_view> arguments) {
    return {Filled(JapaneseOf(kLines, english), arguments), Filled(english, arguments)};
}

std::string ConsoleLine(std::string_view english,
                        std::initializer_list<std::string_view> arguments) {
    const Bilingual texts = LineTexts(english, arguments);
    return InConsoleLanguage(texts.japanese, texts.english);
}

std::string InConsoleLanguage(std::string_view japanese, std::string_view english) {
    switch (platform::console::LinesLanguage()) {
        case platform::console::Language::Japanese:
            return std::string(japanese);
        case platform::console::Language::English:
            return std::string(english);
        case platform::console::Language::Both:
            break;
    }
    return japanese == english ? std::string(japanese)
                               : std::string(japanese) + "\n" + std::string(english);
}

std::string JapaneseReason(std::string_view reason) {
    return std::string(JapaneseOf(kReasons, reason));
}

}  // namespace core
