#include "dialog/ConditionsDlg.h"
#include "dialog/FolderCreation.h"
#include "dialog/PathChecks.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"
#include "platform/text/PathPieces.h"

namespace {

// The run copies the path into a buffer of 261 bytes.
constexpr std::size_t kLongestPath = CConditionsDlg::kPathBufferSize - 1;

constexpr char kNoPath[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
constexpr char kPathTooLong[] = "出力先のパスが長すぎます。\n\n出力先を再入力してください。";
constexpr char kInvalidCharacter[] =
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
constexpr char kInvalidDrive[] =
    "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
constexpr char kNoFileName[] = "ファイル名が指定されていません。";
constexpr char kCreateFolder[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
constexpr char kFolderNotCreated[] =
    "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
constexpr char kOverwrite[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

}  // namespace

void CConditionsDlg::OnExecute() {
    UpdateData(true);
    m_nIncomeKind = income_kind::kBusiness;
    if (m_pControls->IsChecked(kBusinessButton)) {
        m_nIncomeKind = income_kind::kBusiness;
    }
    if (m_pControls->IsChecked(kOtherButton)) {
        m_nIncomeKind = income_kind::kOther;
    }
    if (m_pControls->IsChecked(kRealEstateButton)) {
        m_nIncomeKind = income_kind::kRealEstate;
    }

    const std::string& path = m_strOutputPath;
    if (path.empty()) {
        return RefuseExecution(kNoPath);
    }
    if (path.size() > kLongestPath) {
        return RefuseExecution(kPathTooLong);
    }
    if (!CheckPathCharacters(path)) {
        return RefuseExecution(kInvalidCharacter);
    }
    if (!CheckDriveAccess(path)) {
        return RefuseExecution(kInvalidDrive);
    }
    if (platform::FileNameOf(path).empty()) {
        return RefuseExecution(kNoFileName);
    }

    platform::FileSystem& files = platform::Files();
    const std::string folder = platform::FolderOf(path);
    if (!folder.empty() && files.KindOf(folder) != platform::EntryKind::Directory) {
        if (!Confirm(kCreateFolder)) {
            return;
        }
        if (!CreateFolderLevels(folder)) {
            return RefuseExecution(kFolderNotCreated);
        }
    }

    if (m_bPathPreset == 0) {
        switch (files.KindOf(path)) {
            case platform::EntryKind::Directory:
                return RefuseExecution(kNoFileName);
            case platform::EntryKind::File:
                if (!Confirm(kOverwrite)) {
                    return;
                }
                break;
            default:
                break;
        }
    }
    m_pControls->EndDialog(kExecuteButton);
}

void CConditionsDlg::RefuseExecution(const char* text) {
    ShowMessage(text, platform::kMbIconExclamation | platform::kMbOk);
    RefocusOutput();
}

bool CConditionsDlg::Confirm(const char* text) {
    if (ShowMessage(text, platform::kMbIconQuestion | platform::kMbYesNo) == platform::kIdYes) {
        return true;
    }
    RefocusOutput();
    return false;
}

void CConditionsDlg::RefocusOutput() {
    m_pControls->SetFocus(kOutputEdit);
    m_pControls->SelectAll(kOutputEdit);
}
