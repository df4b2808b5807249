#include "dialog/ConditionsDlg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "books/HostState.h"
#include "core/Edition.h"
#include "platform/FileSystem.h"
#include "platform/text/PathPieces.h"
#include "support/DialogControls.h"
#include "support/ScriptedConsole.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using platform::headless::HeadlessDialog;
using testsupport::ScriptedConsole;
using testsupport::Sjis;
using testsupport::Utf8;

using namespace testsupport::controls;

platform::KeyEvent Key(int virtualKey, bool control = false, bool shift = false, bool alt = false) {
    platform::KeyEvent key;
    key.virtualKey = virtualKey;
    key.control = control;
    key.shift = shift;
    key.alt = alt;
    return key;
}

class ConditionsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        tobra::books::Reset();
        Host(R"(["C:\\APP\\", "C:\\APP\\ENV\\"])");
    }
    void TearDown() override { tobra::books::Reset(); }

    static void Host(const std::string& appFolders) {
        ASSERT_EQ(tobra::books::InstallText(R"({"format": "books/1", "appFolders": )" + appFolders +
                                            R"(, "entries": []})"),
                  "");
    }

    // Runs the dialog with this script; the dialog state is inspected inside the script.
    int Run(const std::function<void(HeadlessDialog&)>& script) {
        ScriptedConsole console(script);
        const int result = dialog.DoModal();
        messages = console.Messages();
        return result;
    }

    // A path that passes every check: a new file in an existing folder.
    std::string ValidPath() const { return scratch / "r.xml"; }

    testsupport::TempFolder scratch;
    CConditionsDlg dialog{0, Edition::Brenlo()};
    std::string messages;
};

TEST_F(ConditionsDlgTest, BusinessKindRestrictsAndPreselectsTheIncomeKind) {
    const struct {
        std::int8_t businessKind;
        bool businessEnabled, otherEnabled, realEstateEnabled;
        int selected;
        IncomeKind kind;
    } cases[] = {
        {1, true, true, false, kBusiness, 1},
        {2, false, false, true, kRealEstate, 3},
        {3, true, true, true, kBusiness, 1},
        {0, true, true, true, kBusiness, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.businessKind));
        dialog.m_nBusinessKind = c.businessKind;
        Run([&](HeadlessDialog& d) {
            EXPECT_EQ(d.IsEnabled(kBusiness), c.businessEnabled);
            EXPECT_EQ(d.IsEnabled(kOther), c.otherEnabled);
            EXPECT_EQ(d.IsEnabled(kRealEstate), c.realEstateEnabled);
            for (int id : {kBusiness, kOther, kRealEstate}) {
                EXPECT_EQ(d.IsChecked(id), id == c.selected) << id;
            }
            EXPECT_EQ(dialog.m_nIncomeKind, c.kind);
            d.Click(kExecute);
        });
        EXPECT_EQ(dialog.m_nIncomeKind, c.kind);
    }
}

TEST_F(ConditionsDlgTest, ShowsTheCallersTextsAndTheDefaultPath) {
    dialog.m_strCompany = Sjis(" 松本表具店");
    dialog.m_strPeriod = Sjis(" 2021/01/01～2021/12/31");
    dialog.m_strManufacturing = Sjis("なし");
    Run([&](HeadlessDialog& d) {
        EXPECT_EQ(d.Text(1004), Sjis(" 松本表具店"));
        EXPECT_EQ(d.Text(1005), Sjis(" 2021/01/01～2021/12/31"));
        EXPECT_EQ(d.Text(1008), Sjis("なし"));
        EXPECT_EQ(d.Text(kEdit), "C:\\APP\\*.xml");
        EXPECT_EQ(d.TextLimit(kEdit), 255u);
        EXPECT_TRUE(d.IsEnabled(kEdit));
        EXPECT_TRUE(d.IsEnabled(kBrowse));
        EXPECT_EQ(d.Text(CConditionsDlg::kOutputGroup), Sjis("出力先(&F)"));
    });
    EXPECT_EQ(dialog.m_bPathPreset, 0);
}

TEST_F(ConditionsDlgTest, WithoutAnApplicationFolderThePathStartsInTheTemporaryFolder) {
    Host(R"(["", ""])");
    std::string temp = platform::Files().TempFolder();
    ASSERT_FALSE(temp.empty());
    Run([&](HeadlessDialog& d) { EXPECT_EQ(d.Text(kEdit), temp + "*.xml"); });
}

TEST_F(ConditionsDlgTest, PresetModeFixesThePath) {
    dialog.m_strPresetPath = "C:\\HOST\\r.xml";
    Run([&](HeadlessDialog& d) {
        EXPECT_EQ(d.Text(kEdit), "C:\\HOST\\r.xml");
        EXPECT_FALSE(d.IsEnabled(kEdit));
        EXPECT_FALSE(d.IsEnabled(kBrowse));
        EXPECT_EQ(d.Text(CConditionsDlg::kOutputGroup), Sjis("出力先"));
        // Enter on a radio button skips the fixed path and goes to execute.
        d.Focus(kOther);
        d.PressKey(Key(platform::kVkReturn));
        EXPECT_EQ(d.FocusedControl(), kExecute);
        EXPECT_FALSE(d.Type(kEdit, "C:\\other.xml"));
        d.Click(kExecute);
    });
    EXPECT_EQ(dialog.m_bPathPreset, 1);
    EXPECT_EQ(dialog.m_strOutputPath, "C:\\HOST\\r.xml");
}

TEST_F(ConditionsDlgTest, EnterMovesThroughTheControlsAndExecutes) {
    const int result = Run([&](HeadlessDialog& d) {
        d.Type(kEdit, ValidPath());
        d.Focus(kRealEstate);
        d.PressKey(Key(platform::kVkReturn));
        EXPECT_EQ(d.FocusedControl(), kEdit);
        EXPECT_EQ(d.SelectAllRequests(), std::vector<int>{kEdit});
        d.PressKey(Key(platform::kVkReturn));
        EXPECT_EQ(d.FocusedControl(), kBrowse);
        d.Focus(kExecute);
        d.PressKey(Key(platform::kVkReturn));
    });
    EXPECT_EQ(result, kExecute);
}

TEST_F(ConditionsDlgTest, EnterOnTheEditGoesToExecuteWhenBrowsingIsDisabled) {
    Run([&](HeadlessDialog& d) {
        d.Enable(kBrowse, false);
        d.Focus(kEdit);
        d.PressKey(Key(platform::kVkReturn));
        EXPECT_EQ(d.FocusedControl(), kExecute);
        d.Enable(kEdit, false);
        d.Focus(kBusiness);
        d.PressKey(Key(platform::kVkReturn));
        EXPECT_EQ(d.FocusedControl(), kExecute);
    });
}

TEST_F(ConditionsDlgTest, EnterOnCancelCancels) {
    EXPECT_EQ(Run([&](HeadlessDialog& d) {
                  d.Focus(kCancel);
                  d.PressKey(Key(platform::kVkReturn));
              }),
              kCancel);
    EXPECT_NE(messages.find(Utf8(Sjis("｢所得税｣の集計を中止します。"))), std::string::npos);
}

TEST_F(ConditionsDlgTest, F12ExecutesFromAnywhereButNotWithAModifier) {
    const int result = Run([&](HeadlessDialog& d) {
        d.Focus(kEdit);
        for (auto key :
             {Key(platform::kVkF12, true), Key(platform::kVkF12, false, true),
              Key(platform::kVkF12, false, false, true), Key(platform::kVkReturn, true)}) {
            d.PressKey(key);
            EXPECT_TRUE(d.IsOpen());
            EXPECT_EQ(d.FocusedControl(), kEdit);
        }
        d.Type(kEdit, ValidPath());
        d.Click(kOther);
        d.PressKey(Key(platform::kVkF12));
        EXPECT_FALSE(d.IsOpen());
    });
    EXPECT_EQ(result, kExecute);
    EXPECT_EQ(dialog.m_nIncomeKind, 2);
}

TEST_F(ConditionsDlgTest, EscapeShowsTheCancellationMessage) {
    EXPECT_EQ(Run([&](HeadlessDialog& d) { d.PressKey(Key(platform::kVkEscape)); }), kCancel);
    EXPECT_EQ(messages, "[所得税]\n｢所得税｣の集計を中止します。\n\n");
}

TEST_F(ConditionsDlgTest, PastResultsAreRefused) {
    dialog.m_bPastResults = 1;
    bool operated = false;
    EXPECT_EQ(Run([&](HeadlessDialog&) { operated = true; }), kCancel);
    EXPECT_FALSE(operated);
    EXPECT_EQ(messages,
              "[所得税]"
              "\n過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します"
              "。\n\n");
}

TEST_F(ConditionsDlgTest, ExecuteTakesTheTypedPathAndTheCheckedKind) {
    Run([&](HeadlessDialog& d) {
        d.Click(kRealEstate);
        d.Type(kEdit, Sjis("D:\\税務\\ソ表.xml"));
        d.Click(kExecute);
    });
    EXPECT_EQ(dialog.m_nIncomeKind, 3);
    EXPECT_EQ(dialog.m_strOutputPath, Sjis("D:\\税務\\ソ表.xml"));
}

TEST_F(ConditionsDlgTest, BrowseOpensInTheFolderOfThePath) {
    const struct {
        const char* path;
        const char* folder;
        const char* file;
    } cases[] = {
        {"C:\\APP\\*.xml", "C:\\APP\\", "*.xml"},
        {"D:report.xml", "D:", "report.xml"},
        {"report.xml", "", "report.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::optional<platform::FileDialogRequest> asked;
        ScriptedConsole console([&](HeadlessDialog& d) {
            d.Type(kEdit, c.path);
            d.Click(kBrowse);
            EXPECT_EQ(d.Text(kEdit), c.path);  // cancelled: nothing changes
            EXPECT_EQ(d.FocusedControl(), kExecute);
        });
        console.Windows().SetSaveFileScript([&](const platform::FileDialogRequest& request) {
            asked = request;
            return std::optional<std::string>();
        });
        dialog.DoModal();
        ASSERT_TRUE(asked);
        EXPECT_EQ(asked->initialFolder, c.folder);
        EXPECT_EQ(asked->fileName, c.file);
        EXPECT_EQ(asked->defaultExtension, "XML");
        EXPECT_EQ(asked->flags, 0x180Cu);
        EXPECT_EQ(asked->filter, "Xml Files (*.xml)|*.xml||");
        EXPECT_EQ(asked->title, Sjis("保存ファイルを指定"));
    }
}

TEST_F(ConditionsDlgTest, BrowseConfirmedReplacesThePath) {
    ScriptedConsole console([&](HeadlessDialog& d) {
        d.Click(kBrowse);
        EXPECT_EQ(d.Text(kEdit), ValidPath());
        EXPECT_EQ(d.FocusedControl(), kExecute);
        d.PressKey(Key(platform::kVkReturn));
    });
    console.Windows().SetSaveFileScript([&](const platform::FileDialogRequest&) {
        return std::optional<std::string>(ValidPath());
    });
    EXPECT_EQ(dialog.DoModal(), kExecute);
    EXPECT_EQ(dialog.m_strOutputPath, ValidPath());
}

}  // namespace
