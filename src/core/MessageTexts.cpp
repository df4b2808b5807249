#include "core/MessageTexts.h"

namespace core {

namespace {

struct MessageRow {
    Message message;
    const char* text;
};

// ES_APRPACKAGENAME: the host shows the compatibility messages itself and
// puts its package name in place of the token.
constexpr MessageRow kMessages[] = {
    {Message::PastResults,
     "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。"},
    {Message::Cancelled, "｢所得税｣の集計を中止します。"},
    {Message::NoPath, "データ出力先が指定されていません。\n\n出力先を指定してください。"},
    {Message::PathTooLong, "出力先のパスが長すぎます。\n\n出力先を再入力してください。"},
    {Message::InvalidCharacter,
     "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"},
    {Message::InvalidDrive, "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。"},
    {Message::NoFileName, "ファイル名が指定されていません。"},
    {Message::CreateFolder, "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？"},
    {Message::FolderNotCreated, "フォルダの作成に失敗しました。\n\n出力先を再入力してください。"},
    {Message::Overwrite, "同名のファイルが存在します。\n\n上書きしてもよろしいですか？"},
    {Message::Written, "所得税情報の出力が終了しました。\n\nアプリケーションを終了します。"},
    {Message::Failed, "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。"},
    {Message::DefinitionMissing,
     "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。"},
    {Message::HostTooOld,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。"},
    {Message::HostTooNew,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "連動コンポーネントの最新版を入手してインストールしてからご利用ください。"},
};

}  // namespace

const char* MessageCaption() {
    return "所得税";
}

const char* MessageText(Message message) {
    for (const MessageRow& row : kMessages) {
        if (row.message == message) {
            return row.text;
        }
    }
    return "";
}

}  // namespace core
