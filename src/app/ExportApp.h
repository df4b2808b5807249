#pragma once

#include <cstdint>
#include <string>

#include "aggregation/CollectedData.h"
#include "core/ExitStatus.h"
#include "platform/WindowHandle.h"

class CConditionsDlg;
class ClSetData;
struct Edition;
struct StDATAINFO;

// The application object: one export from the host connection to the
// completion message. InitInstance performs the whole run; ExitInstance
// releases what it collected, closes the host connection and notifies the
// host when it started the program.
class CExportApp {
public:
    explicit CExportApp(const Edition& edition);
    virtual ~CExportApp();
    CExportApp(const CExportApp&) = delete;
    CExportApp& operator=(const CExportApp&) = delete;

    // The framework's command line, without the program name.
    std::string m_strCommandLine;
    // The folder the run makes current; empty: the program's own folder.
    std::string m_strProgramFolder;

    int m_bLaunchedByHost = 0;
    platform::WindowHandle m_hParentWnd = 0;
    std::int32_t m_nNotifyMessage = 0;
    std::int16_t m_nFunctionId = 1;
    std::string m_strHostPath;
    // The report this run wrote (Windows form); empty until one is written.
    std::string m_strReportPath;
    platform::WindowHandle m_pParentWnd = 0;
    int m_nExitStatus = Succeeded;
    CollectedData m_collected;
    ClSetData* m_pDataSet = nullptr;

    // Start-up and exit, in the framework's order; Run does both.
    int InitInstance();
    int ExitInstance();
    int Run();

    // The folder the export last wrote to for the host's current user and
    // data, as the settings record remembers it; empty without a host to ask
    // or without a record. Shows nothing: reports are read without the host.
    std::string RememberedFolder();

    int ParseCommandLine();
    int ReadSelectedDataEntry(StDATAINFO* entry);
    // Text 0: CompanyText; text 1: PeriodText; any other: empty.
    static std::string FormatHeaderText(int which, const StDATAINFO* entry);
    // The company name after a blank; empty without an entry.
    static std::string CompanyText(const StDATAINFO* entry);
    // The fiscal year after a blank, " yyyy/mm/dd～yyyy/mm/dd"; empty without an entry.
    static std::string PeriodText(const StDATAINFO* entry);

private:
    // The run's steps, in order.
    int ConnectToHost();
    void TakeOverHostWindow();
    void ChangeToProgramFolder();
    int OpenHostLink();
    static void ReadUserSelection(CConditionsDlg& dialog);
    void FillConditions(CConditionsDlg& dialog, const StDATAINFO& entry);
    int ExportReport(CConditionsDlg& dialog, const StDATAINFO& entry);

    const Edition& m_edition;
};
