#include "app/ExportApp.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "aggregation/Aggregator.h"
#include "app/Compatibility.h"
#include "app/DecimalText.h"
#include "core/Edition.h"
#include "core/MessageTexts.h"
#include "core/ProgressDlg.h"
#include "dialog/ConditionsDlg.h"
#include "hostapi/BlockView.h"
#include "hostapi/ClAccConnect.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClSetData.h"
#include "hostapi/ClSysUser.h"
#include "hostapi/StDATAINFO.h"
#include "platform/FileSystem.h"
#include "platform/ForwardingWindowSystem.h"
#include "platform/WindowSystem.h"
#include "platform/text/PathPieces.h"
#include "report/ReportWriter.h"

namespace {

constexpr int kUseDataType = 2;
constexpr int kDataSetKind = 5;
constexpr int kDataSetSub = 1;
constexpr std::int16_t kReportProgressBase = 500;

// Keeps the wait cursor up for the rest of the start-up.
class WaitCursor {
public:
    WaitCursor() { platform::Windows().SetWaitCursor(true); }
    ~WaitCursor() { platform::Windows().SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CExportApp::CExportApp(const Edition& edition) : m_edition(edition) {}

CExportApp::~CExportApp() = default;

int CExportApp::Run() {
    InitInstance();
    ExitInstance();
    return m_nExitStatus;
}

int CExportApp::InitInstance() {
    if (ConnectToHost() == 0) {
        m_nExitStatus = Failed;
        return 0;
    }
    if (ParseCommandLine() == 1) {
        TakeOverHostWindow();
    }
    ChangeToProgramFolder();
    if (CheckCompatibility(true) == 0) {
        m_nExitStatus = Failed;
        return 0;
    }
    if (OpenHostLink() == 0) {
        return 0;
    }

    CConditionsDlg dialog(m_pParentWnd, m_edition);
    StDATAINFO entry{};
    ReadSelectedDataEntry(&entry);
    FillConditions(dialog, entry);
    if (dialog.DoModal() == CConditionsDlg::kCancelButton) {
        m_nExitStatus = Cancelled;
        return 0;
    }
    return ExportReport(dialog, entry);
}

int CExportApp::ConnectToHost() {
    ClAccConnect& connection = *ClAccConnect::Inst();
    std::snprintf(connection.m_szAppTitle, sizeof connection.m_szAppTitle, "%s",
                  core::MessageCaption());
    connection.SetAppType(m_edition.appType);
    connection.SetUseDataType(kUseDataType);
    return connection.Initiate() == 0 ? 1 : 0;
}

// The host window stays disabled and owns the host's messages until the exit routine.
void CExportApp::TakeOverHostWindow() {
    m_bLaunchedByHost = 1;
    m_pParentWnd = m_hParentWnd;
    platform::Windows().EnableWindow(m_hParentWnd, false);
    ClAccConnect::Inst()->m_hOwnerWnd = m_hParentWnd;
}

// 0 ends the run: 1 from the host means the user cancelled, anything else failed.
int CExportApp::OpenHostLink() {
    switch (ClAccConnect::Inst()->ExpSysLink()) {
        case 0:
            return 1;
        case 1:
            m_nExitStatus = Cancelled;
            return 0;
        default:
            m_nExitStatus = Failed;
            return 0;
    }
}

void CExportApp::ReadUserSelection(CConditionsDlg& dialog) {
    if (ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject()) {
        user->GetCurUserID(dialog.m_szUserID);
        dialog.m_szUserID[sizeof dialog.m_szUserID - 1] = '\0';
        user->GetSelectedNo(dialog.m_szUserID, &dialog.m_lSelectedNo1, &dialog.m_lSelectedNo2);
    }
}

void CExportApp::FillConditions(CConditionsDlg& dialog, const StDATAINFO& entry) {
    ReadUserSelection(dialog);
    dialog.m_nBusinessKind = entry.businessKind;
    dialog.m_bPastResults = entry.dataKind == hostapi::kPastResultsDataKind ? 1 : 0;
    dialog.m_strCompany = CompanyText(&entry);
    dialog.m_strPeriod = PeriodText(&entry);
    dialog.m_strManufacturing = entry.hasManufacturing != 0 ? "あり" : "なし";
    dialog.m_strPresetPath = m_bLaunchedByHost ? m_strHostPath : std::string();
}

int CExportApp::ExportReport(CConditionsDlg& dialog, const StDATAINFO& entry) {
    const std::string path = dialog.m_strOutputPath;
    const IncomeKind incomeKind = dialog.m_nIncomeKind;
    CProgressDlg progress(platform::Windows().CreateProgressWindow(CProgressDlg::kTemplateId));
    if (m_pParentWnd != 0) {
        progress.SetParent(m_hParentWnd);
    }
    progress.Show();
    WaitCursor waitCursor;
    progress.Start();

    // The report is written whatever the aggregation achieved.
    Aggregator(m_collected, progress).Aggregate(&entry, incomeKind);
    ReportWriter report(m_collected, progress, incomeKind, m_edition, kReportProgressBase);
    if (report.WriteReport(path, m_nFunctionId, &entry) == 0) {
        platform::Windows().ShowMessageBox(
            progress.Handle(), core::MessageText(core::Message::Failed), core::MessageCaption(),
            platform::kMbIconExclamation | platform::kMbOk);
        progress.Close();
        m_nExitStatus = Failed;
        return 0;
    }
    m_strReportPath = path;

    // A run the host started keeps the remembered path: the host chose this one.
    dialog.SaveRememberedOutput(0, 0, incomeKind, m_bLaunchedByHost ? nullptr : path.c_str());
    progress.Close();
    platform::Windows().ShowMessageBox(m_hParentWnd, core::MessageText(core::Message::Written),
                                       core::MessageCaption(),
                                       platform::kMbIconInformation | platform::kMbOk);
    return 1;
}

int CExportApp::ExitInstance() {
    m_collected.Release();

    ClAccConnect& connection = *ClAccConnect::Inst();
    connection.LogOut();
    connection.Terminate();
    connection.Release();

    if (m_bLaunchedByHost == 1) {
        platform::WindowSystem& windows = platform::Windows();
        windows.SetForegroundWindow(m_hParentWnd);
        windows.EnableWindow(m_hParentWnd, true);
        // The function identifier travels back widened with its sign.
        const auto wParam = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(m_nFunctionId));
        windows.PostWindowMessage(m_hParentWnd, static_cast<std::uint32_t>(m_nNotifyMessage),
                                  wParam, m_nExitStatus);
        windows.EnableWindow(m_hParentWnd, true);
    }
    return m_nExitStatus;
}

std::string CExportApp::RememberedFolder() {
    // The host's own messages (no connection to be had) are not the viewer's.
    class Silent final : public platform::ForwardingWindowSystem {
        int ShowMessageBox(platform::WindowHandle, const std::string&, const std::string&,
                           unsigned) override {
            return platform::kIdOk;
        }
    } silent;
    std::string folder;
    if (ConnectToHost() == 1) {
        CConditionsDlg dialog(0, m_edition);
        ReadUserSelection(dialog);
        IncomeKind kind = income_kind::kNone;
        char path[CConditionsDlg::kPathBufferSize] = {};
        if (dialog.ReadRememberedOutput(&kind, path)) {
            folder = platform::FolderOf(path);
        }
    }
    ExitInstance();
    return folder;
}

// The host passes "window,message,function,path"; the path is the rest of
// the line, commas included. Each field is kept as soon as its comma is found.
int CExportApp::ParseCommandLine() {
    const std::string& line = m_strCommandLine;
    if (line.empty()) {
        return 0;
    }
    std::size_t start = 0;
    for (int field = 1; field <= 3; ++field) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string::npos) {
            return 0;
        }
        const std::string text = line.substr(start, comma - start);
        switch (field) {
            case 1:
                m_hParentWnd = LeadingDecimal(text);
                break;
            case 2:
                m_nNotifyMessage = LeadingDecimal(text);
                break;
            default:
                m_nFunctionId = static_cast<std::int16_t>(LeadingDecimal(text));
                break;
        }
        start = comma + 1;
    }
    if (start < line.size()) {
        m_strHostPath = line.substr(start);
    }
    return 1;
}

int CExportApp::ReadSelectedDataEntry(StDATAINFO* entry) {
    if (entry == nullptr) {
        return 0;
    }
    if (m_pDataSet == nullptr) {
        m_pDataSet = ClDataMgr::Inst()->GetSetObject(kDataSetKind, kDataSetSub);
    }
    *entry = StDATAINFO{};
    if (m_pDataSet == nullptr) {
        return 1;
    }
    char userId[65] = {};
    std::int32_t first = 0;
    std::int32_t second = 0;
    if (ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject()) {
        user->GetCurUserID(userId);
        userId[sizeof userId - 1] = '\0';
        user->GetSelectedNo(userId, &first, &second);
    }

    ClSetData::Cursor cursor = 0;
    m_pDataSet->GetDatCursor(&cursor);
    m_pDataSet->ReadyDat(cursor, 0);
    auto work = std::make_unique<StDATAINFO>();
    for (;;) {
        *work = StDATAINFO{};
        if (m_pDataSet->WalkDat(work.get(), cursor) != 0) {
            break;
        }
        if (work->dataNo == second) {
            *entry = *work;
            break;
        }
    }
    m_pDataSet->ReleaseDatCursor(cursor);
    return 1;
}

std::string CExportApp::FormatHeaderText(int which, const StDATAINFO* entry) {
    switch (which) {
        case 0:
            return CompanyText(entry);
        case 1:
            return PeriodText(entry);
        default:
            return {};
    }
}

std::string CExportApp::CompanyText(const StDATAINFO* entry) {
    if (entry == nullptr) {
        return {};
    }
    // The host's name may lack its NUL: it is read no further than its field.
    const auto name = hostapi::BlockView(entry, sizeof *entry)
                          .Text(offsetof(StDATAINFO, companyName), sizeof entry->companyName)
                          .value_or(std::string_view());
    return " " + std::string(name);
}

std::string CExportApp::PeriodText(const StDATAINFO* entry) {
    if (entry == nullptr) {
        return {};
    }
    const std::int32_t from = entry->periodFrom;
    const std::int32_t to = entry->periodTo;
    char text[256] = {};
    std::snprintf(text, sizeof text, " %04d/%02d/%02d～%04d/%02d/%02d", from / 10000,
                  from % 10000 / 100, from % 100, to / 10000, to % 10000 / 100, to % 100);
    return text;
}

// The definition and support files are then found by their relative names.
void CExportApp::ChangeToProgramFolder() {
    const std::string folder = m_strProgramFolder.empty()
                                   ? platform::FolderOf(platform::Files().ModuleFilePath())
                                   : m_strProgramFolder;
    if (!folder.empty()) {
        platform::Files().SetCurrentFolder(folder);
    }
}
