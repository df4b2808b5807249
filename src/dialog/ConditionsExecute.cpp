#include "core/MessageTexts.h"
#include "dialog/ConditionsDlg.h"
#include "dialog/FolderCreation.h"
#include "dialog/PathChecks.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"
#include "platform/text/PathPieces.h"

namespace {

// The run copies the path into a buffer of 261 bytes.
constexpr std::size_t kLongestPath = CConditionsDlg::kPathBufferSize - 1;

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
        return RefuseExecution(core::MessageText(core::Message::NoPath));
    }
    if (path.size() > kLongestPath) {
        return RefuseExecution(core::MessageText(core::Message::PathTooLong));
    }
    if (!CheckPathCharacters(path)) {
        return RefuseExecution(core::MessageText(core::Message::InvalidCharacter));
    }
    if (!CheckDriveAccess(path)) {
        return RefuseExecution(core::MessageText(core::Message::InvalidDrive));
    }
    if (platform::FileNameOf(path).empty()) {
        return RefuseExecution(core::MessageText(core::Message::NoFileName));
    }

    platform::FileSystem& files = platform::Files();
    const std::string folder = platform::FolderOf(path);
    if (!folder.empty() && files.KindOf(folder) != platform::EntryKind::Directory) {
        if (!Confirm(core::MessageText(core::Message::CreateFolder))) {
            return;
        }
        if (!CreateFolderLevels(folder)) {
            return RefuseExecution(core::MessageText(core::Message::FolderNotCreated));
        }
    }

    if (m_bPathPreset == 0) {
        switch (files.KindOf(path)) {
            case platform::EntryKind::Directory:
                return RefuseExecution(core::MessageText(core::Message::NoFileName));
            case platform::EntryKind::File:
                if (!Confirm(core::MessageText(core::Message::Overwrite))) {
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
