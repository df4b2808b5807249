#pragma once

#include <cstdint>
#include <string>

#include "core/IncomeKind.h"
#include "platform/Dialog.h"
#include "platform/WindowHandle.h"

struct Edition;

// The conditions dialog "所得税 - 集計条件": shows the selected company data,
// lets the user choose the income kind and the output file, and closes with
// 1013 (execute) or 1014 (cancel).
class CConditionsDlg : public platform::DialogHandler {
public:
    static constexpr int kTemplateId = 130;
    // Control ids of the template.
    static constexpr int kCompanyText = 1004;
    static constexpr int kPeriodText = 1005;
    static constexpr int kManufacturingText = 1008;
    static constexpr int kBusinessButton = 1010;
    static constexpr int kRealEstateButton = 1011;
    static constexpr int kOtherButton = 1012;
    static constexpr int kExecuteButton = 1013;
    static constexpr int kCancelButton = 1014;
    static constexpr int kOutputGroup = 1015;
    static constexpr int kOutputEdit = 1016;
    static constexpr int kBrowseButton = 1017;

    static constexpr int kPathBufferSize = 261;
    // The most the output edit takes from the keyboard.
    static constexpr int kTypedPathLimit = 255;
    static constexpr int kUserIdSize = 65;

    CConditionsDlg(platform::WindowHandle parent, const Edition& edition);

    int DoModal();

    // Set by the caller before DoModal.
    std::string m_strCompany;
    std::string m_strPeriod;
    std::string m_strManufacturing;
    std::int32_t m_lSelectedNo1 = 0;
    std::int32_t m_lSelectedNo2 = 0;
    std::int32_t m_bPastResults = 0;
    std::int8_t m_nBusinessKind = 0;
    std::string m_strPresetPath;
    char m_szUserID[kUserIdSize] = {};

    // The results for the caller after 1013.
    std::string m_strOutputPath;
    IncomeKind m_nIncomeKind = income_kind::kNone;

    std::int32_t m_bPathPreset = 0;
    char m_szRememberedPath[kPathBufferSize] = {};

    bool OnInitDialog(platform::DialogControls& controls) override;
    void OnCommand(platform::DialogControls& controls, int id) override;
    bool PreTranslateKey(platform::DialogControls& controls,
                         const platform::KeyEvent& key) override;
    void OnCancel(platform::DialogControls& controls) override;

    void OnBrowse();
    void OnExecute();

    // The income kind and path of this user's last export; false when there is none.
    bool ReadRememberedOutput(IncomeKind* kind, char* path);
    // Stores the record of this export; a null path keeps the remembered one.
    bool SaveRememberedOutput(std::int16_t first, std::int16_t second, IncomeKind kind,
                              const char* path);

private:
    // Moves the members into the controls, or (save) the controls into the members.
    void UpdateData(bool save);
    std::string InitialPath();
    void SelectIncomeKindAlone(int button);
    int ShowMessage(const char* text, unsigned flags);
    // A refused execution: the failure message, then back to the path.
    void RefuseExecution(const char* text);
    // A Yes/No question; after No the focus is back on the path.
    bool Confirm(const char* text);
    // Focus on the output edit with its whole text selected.
    void RefocusOutput();

    platform::WindowHandle m_hParentWnd;
    const Edition& m_edition;
    platform::DialogControls* m_pControls = nullptr;
};
