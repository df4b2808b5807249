#include "dialog/ConditionsDlg.h"

#include <cstring>

#include "core/Edition.h"
#include "core/MessageTexts.h"
#include "hostapi/ClFileMgr.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"
#include "platform/text/PathPieces.h"

namespace {

constexpr char kFilePattern[] = "*.xml";

bool IsIncomeKindButton(int id) {
    return id == CConditionsDlg::kBusinessButton || id == CConditionsDlg::kOtherButton ||
           id == CConditionsDlg::kRealEstateButton;
}

}  // namespace

CConditionsDlg::CConditionsDlg(platform::WindowHandle parent, const Edition& edition)
    : m_hParentWnd(parent), m_edition(edition) {}

int CConditionsDlg::DoModal() {
    return platform::Windows().RunModalDialog(kTemplateId, m_hParentWnd, *this);
}

bool CConditionsDlg::OnInitDialog(platform::DialogControls& controls) {
    m_pControls = &controls;
    UpdateData(false);

    if (m_bPastResults == 1) {
        ShowMessage(core::MessageText(core::Message::PastResults),
                    platform::kMbIconExclamation | platform::kMbOk);
        controls.EndDialog(kCancelButton);
    }

    controls.LimitText(kOutputEdit, CConditionsDlg::kTypedPathLimit);

    switch (m_nBusinessKind) {
        case 1:  // business income only
            controls.Enable(kRealEstateButton, false);
            controls.Check(kBusinessButton, true);
            m_nIncomeKind = income_kind::kBusiness;
            break;
        case 2:  // real-estate income only
            controls.Enable(kBusinessButton, false);
            controls.Enable(kOtherButton, false);
            controls.Check(kRealEstateButton, true);
            m_nIncomeKind = income_kind::kRealEstate;
            break;
        default:
            controls.Check(kBusinessButton, true);
            m_nIncomeKind = income_kind::kBusiness;
            break;
    }

    IncomeKind rememberedKind = income_kind::kNone;
    char rememberedPath[kPathBufferSize] = {};
    std::memset(m_szRememberedPath, 0, sizeof m_szRememberedPath);
    ReadRememberedOutput(&rememberedKind, rememberedPath);

    if (rememberedKind != m_nIncomeKind) {
        static constexpr struct {
            IncomeKind kind;
            int button;
        } kButtons[] = {{income_kind::kBusiness, kBusinessButton},
                        {income_kind::kOther, kOtherButton},
                        {income_kind::kRealEstate, kRealEstateButton}};
        for (const auto& choice : kButtons) {
            if (choice.kind == rememberedKind && controls.IsEnabled(choice.button)) {
                SelectIncomeKindAlone(choice.button);
                m_nIncomeKind = choice.kind;
            }
        }
    }

    std::string initialPath;
    if (rememberedPath[0] != '\0') {
        initialPath = rememberedPath;
        std::memcpy(m_szRememberedPath, rememberedPath, sizeof m_szRememberedPath);
    } else {
        initialPath = InitialPath();
    }

    if (!m_strPresetPath.empty()) {
        m_strOutputPath = m_strPresetPath;
        controls.Enable(kBrowseButton, false);
        controls.Enable(kOutputEdit, false);
        controls.SetText(kOutputGroup, "出力先");
        m_bPathPreset = 1;
    } else {
        m_strOutputPath = initialPath;
        m_bPathPreset = 0;
    }
    UpdateData(false);
    return true;
}

// The host's folder of type 0 with the file pattern, else the system's
// temporary folder with it.
std::string CConditionsDlg::InitialPath() {
    ClFileMgr* fileManager = ClFileMgr::Inst();
    const char* appFolder = fileManager ? fileManager->GetAppFolderPath(0) : nullptr;
    if (appFolder != nullptr && appFolder[0] != '\0') {
        return appFolder + std::string(kFilePattern);
    }
    std::string temp = platform::Files().TempFolder();
    if (temp.size() > kPathBufferSize - 1) {
        temp.clear();  // does not fit the folder buffer
    }
    platform::AddBackslash(temp, kPathBufferSize);
    return temp + kFilePattern;
}

void CConditionsDlg::SelectIncomeKindAlone(int button) {
    for (int id : {kBusinessButton, kOtherButton, kRealEstateButton}) {
        m_pControls->Check(id, id == button);
    }
}

void CConditionsDlg::OnCommand(platform::DialogControls& controls, int id) {
    m_pControls = &controls;
    switch (id) {
        case kBrowseButton:
            OnBrowse();
            break;
        case kExecuteButton:
            OnExecute();
            break;
        case kCancelButton:
            OnCancel(controls);
            break;
        default:
            break;
    }
}

bool CConditionsDlg::PreTranslateKey(platform::DialogControls& controls,
                                     const platform::KeyEvent& key) {
    m_pControls = &controls;
    if (key.shift || key.control || key.alt) {
        return false;
    }
    if (key.virtualKey == platform::kVkF12) {
        OnExecute();
        return true;
    }
    if (key.virtualKey != platform::kVkReturn) {
        return false;
    }
    const int focused = controls.FocusedControl();
    const int nextButton = controls.IsEnabled(kBrowseButton) ? kBrowseButton : kExecuteButton;
    if (IsIncomeKindButton(focused)) {
        if (controls.IsEnabled(kOutputEdit)) {
            controls.SetFocus(kOutputEdit);
            controls.SelectAll(kOutputEdit);
        } else {
            controls.SetFocus(nextButton);
        }
        return true;
    }
    switch (focused) {
        case kOutputEdit:
            controls.SetFocus(nextButton);
            return true;
        case kBrowseButton:
            OnBrowse();
            return true;
        case kExecuteButton:
            OnExecute();
            return true;
        default:
            return false;
    }
}

void CConditionsDlg::OnBrowse() {
    UpdateData(true);
    std::string folder = platform::FolderOf(m_strOutputPath);
    std::string fileName = platform::FileNameOf(m_strOutputPath);
    if (folder.empty()) {
        folder = platform::DriveOf(m_strOutputPath);
        fileName = platform::AfterDrive(m_strOutputPath);
    }
    platform::FileDialogRequest request;
    request.owner = m_pControls->Handle();
    request.defaultExtension = "XML";
    request.fileName = fileName;
    request.flags = 0x180C;  // file and path must exist, keep the current folder, no read-only box
    request.filter = "Xml Files (*.xml)|*.xml||";
    request.initialFolder = folder;
    request.title = "保存ファイルを指定";
    if (auto chosen = platform::Windows().AskSaveFileName(request)) {
        m_strOutputPath = *chosen;
        UpdateData(false);
    }
    m_pControls->SetFocus(kExecuteButton);
}

void CConditionsDlg::OnCancel(platform::DialogControls& controls) {
    m_pControls = &controls;
    ShowMessage(core::MessageText(core::Message::Cancelled),
                platform::kMbIconInformation | platform::kMbOk);
    controls.EndDialog(kCancelButton);
}

void CConditionsDlg::UpdateData(bool save) {
    static constexpr struct {
        int id;
        std::string CConditionsDlg::*member;
    } kBindings[] = {{kCompanyText, &CConditionsDlg::m_strCompany},
                     {kPeriodText, &CConditionsDlg::m_strPeriod},
                     {kManufacturingText, &CConditionsDlg::m_strManufacturing},
                     {kOutputEdit, &CConditionsDlg::m_strOutputPath}};
    for (const auto& binding : kBindings) {
        if (save) {
            this->*binding.member = m_pControls->Text(binding.id);
        } else {
            m_pControls->SetText(binding.id, this->*binding.member);
        }
    }
}

int CConditionsDlg::ShowMessage(const char* text, unsigned flags) {
    return platform::Windows().ShowMessageBox(m_pControls ? m_pControls->Handle() : m_hParentWnd,
                                              text, core::MessageCaption(), flags);
}
