#include "app/ExportApp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "books/HostState.h"
#include "core/Edition.h"
#include "core/ProgressDlg.h"
#include "dialog/ConditionsDlg.h"
#include "hostapi/StDATAINFO.h"
#include "platform/ForwardingWindowSystem.h"
#include "report/ReportTestSupport.h"
#include "support/FakeProgressWindow.h"
#include "support/ScriptedConsole.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using platform::headless::HeadlessDialog;
using platform::headless::WindowEvent;
using testsupport::Sjis;
using testsupport::Utf8;

constexpr char kWritten[] =
    "[所得税]\n所得税情報の出力が終了しました。\n\nアプリケーションを終了します。\n\n";
constexpr char kFailed[] =
    "[所得税]\nXMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。\n\n";
constexpr char kCancelledText[] = "[所得税]\n｢所得税｣の集計を中止します。\n\n";

// The console window system with a recorded progress window instead of the console line.
class RecordedProgressWindows : public platform::ForwardingWindowSystem {
public:
    int ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                       const std::string& caption, unsigned flags) override {
        owners.push_back(owner);
        return next_.ShowMessageBox(owner, text, caption, flags);
    }
    // The run destroys its window; the record stays with this object.
    std::unique_ptr<platform::ProgressWindow> CreateProgressWindow(int) override {
        class Forwarding : public platform::ProgressWindow {
        public:
            explicit Forwarding(testsupport::FakeProgressWindow& record) : record_(record) {}
            platform::WindowHandle Handle() override { return record_.Handle(); }
            void Show() override { record_.Show(); }
            void SetParent(platform::WindowHandle parent) override { record_.SetParent(parent); }
            void SetCaption(const std::string& caption) override { record_.SetCaption(caption); }
            void SetBarRange(int id, int low, int high) override {
                record_.SetBarRange(id, low, high);
            }
            void SetBarStep(int id, int step) override { record_.SetBarStep(id, step); }
            void SetBarPosition(int id, int position) override {
                record_.SetBarPosition(id, position);
            }
            void StepBar(int id) override { record_.StepBar(id); }
            void BringToTop() override {}
            void MakeForeground() override {}
            void Repaint() override { record_.Repaint(); }
            void Close() override { record_.Close(); }

        private:
            testsupport::FakeProgressWindow& record_;
        };
        return std::make_unique<Forwarding>(progress);
    }
    testsupport::FakeProgressWindow progress;
    std::vector<platform::WindowHandle> owners;
};

constexpr char kBooks[] = R"({"format": "books/1", "user": "U1", "selection": [3, 7], "entries": [
    {"dataId": "D7", "dataNo": 7, "companyName": "ｻﾝﾌﾟﾙ商店", "periodFrom": 20210101, "periodTo": 20211231,
     "returnKind": 4, "businessKind": 3, "dataKind": DATAKIND,
     "white": {"business": {"pl": [{"itemNo": 1, "code": 1, "closing": 5000000}]}},
     "general": {"0": {}}, "realEstate": {"0": {}}}]})";

class ExportAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        tobra::books::Reset();
        ASSERT_FALSE(temp.Path().empty());
        programFolder = temp.Path() + "\\";
        ASSERT_TRUE(
            reporttest::WriteFile(programFolder + "NorvikDef.ini", "[ProgramLevel]\r\nNV14=3\r\n"));
        report = temp / "report.xml";
        Books();
    }
    void TearDown() override { tobra::books::Reset(); }

    // `settings`: the host's folder of the settings file; the program folder (in the scratch
    // folder) without it, so that no run remembers its path outside it.
    void Books(int dataKind = 0, const std::string& results = "{}",
               const std::string& settings = "") {
        std::string json = kBooks;
        json.replace(json.find("DATAKIND"), 8, std::to_string(dataKind));
        json.insert(json.find(R"("entries")"), R"("results": )" + results + ", ");
        const std::string folder =
            nlohmann::json(settings.empty() ? programFolder : settings).dump();
        json.insert(json.find(R"("entries")"),
                    R"("appFolders": [)" + folder + ", " + folder + "], ");
        ASSERT_EQ(tobra::books::InstallText(json), "");
    }

    // Runs the export; the script operates the conditions dialog.
    int Run(const std::string& commandLine, std::function<void(HeadlessDialog&)> script) {
        testsupport::ScriptedConsole console(std::move(script));
        RecordedProgressWindows windows;
        CExportApp app(edition);
        app.m_strCommandLine = commandLine;
        app.m_strProgramFolder = programFolder;
        const int status = app.Run();
        messages = console.Messages();
        events = console.Windows().Events();
        owners = windows.owners;
        overallSteps = windows.progress.bars[CProgressDlg::kOverallBar].steps;
        lastCaption = windows.progress.captions.empty() ? "" : windows.progress.captions.back();
        progressClosed = windows.progress.closed;
        collectedLeft =
            !app.m_collected.rows.empty() || app.m_collected.general.blocks[0] != nullptr;
        return status;
    }

    std::function<void(HeadlessDialog&)> Execute(const std::string& path) {
        return [path](HeadlessDialog& d) {
            d.Type(CConditionsDlg::kOutputEdit, path);
            d.Click(CConditionsDlg::kExecuteButton);
        };
    }

    std::vector<WindowEvent> PostedMessages() const {
        std::vector<WindowEvent> posted;
        for (const auto& event : events) {
            if (event.kind == WindowEvent::Kind::PostMessage) {
                posted.push_back(event);
            }
        }
        return posted;
    }

    reporttest::CurrentFolderGuard folderGuard;
    testsupport::TempFolder temp;
    std::string programFolder;
    std::string report;
    const Edition& edition = Edition::Brenlo();
    std::string messages;
    std::vector<WindowEvent> events;
    std::vector<platform::WindowHandle> owners;
    int overallSteps = 0;
    bool progressClosed = false;
    std::string lastCaption;
    bool collectedLeft = true;
};

WindowEvent Event(WindowEvent::Kind kind, platform::WindowHandle window, bool on) {
    WindowEvent event;
    event.kind = kind;
    event.window = window;
    event.on = on;
    return event;
}

WindowEvent Posted(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) {
    WindowEvent event;
    event.kind = WindowEvent::Kind::PostMessage;
    event.window = window;
    event.message = message;
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

TEST_F(ExportAppTest, InteractiveRunWritesTheReportAndPostsNothing) {
    EXPECT_EQ(Run("", Execute(report)), Succeeded);
    EXPECT_EQ(messages, Utf8(Sjis(kWritten)));
    EXPECT_EQ(owners, std::vector<platform::WindowHandle>{0});
    EXPECT_TRUE(PostedMessages().empty());
    const auto written = reporttest::ReadFile(report);
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("<FUNCTIONID>1</FUNCTIONID>"), std::string::npos);
    EXPECT_NE(written->find(Sjis("<KOMONSAKINAME>サンプル商店</KOMONSAKINAME>")),
              std::string::npos);
    EXPECT_FALSE(collectedLeft);
    // 403 steps while aggregating, 503 while writing.
    EXPECT_EQ(overallSteps, 906);
    EXPECT_EQ(lastCaption, Sjis("集計中 100％"));
    EXPECT_TRUE(progressClosed);
}

TEST_F(ExportAppTest, HostLaunchedRunDisablesTheHostWindowAndPostsTheOutcome) {
    EXPECT_EQ(Run("1234,1025,70000," + report,
                  [](HeadlessDialog& d) { d.Click(CConditionsDlg::kExecuteButton); }),
              Succeeded);
    const std::vector<WindowEvent> expected = {
        Event(WindowEvent::Kind::Enable, 1234, false),
        Event(WindowEvent::Kind::WaitCursor, 0, true),
        Event(WindowEvent::Kind::WaitCursor, 0, false),
        Event(WindowEvent::Kind::Foreground, 1234, false),
        Event(WindowEvent::Kind::Enable, 1234, true),
        Posted(1234, 1025, 4464, 0),
        Event(WindowEvent::Kind::Enable, 1234, true),
    };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(owners, std::vector<platform::WindowHandle>{1234});
    const auto written = reporttest::ReadFile(report);
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("<FUNCTIONID>4464</FUNCTIONID>"), std::string::npos);
}

TEST_F(ExportAppTest, HostLaunchedOutcomesReachTheHost) {
    EXPECT_EQ(
        Run("1,2,3," + report, [](HeadlessDialog& d) { d.Click(CConditionsDlg::kCancelButton); }),
        Cancelled);
    EXPECT_THAT(PostedMessages(), ::testing::ElementsAre(Posted(1, 2, 3, 1)));
    EXPECT_EQ(messages, Utf8(Sjis(kCancelledText)));
    EXPECT_FALSE(collectedLeft);

    // A host path naming a folder passes the checks (the host fixed it) and the report cannot be
    // written.
    Books();
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "folder.xml"));
    EXPECT_EQ(Run("1,2,-1," + temp / "folder.xml",
                  [](HeadlessDialog& d) { d.Click(CConditionsDlg::kExecuteButton); }),
              Failed);
    EXPECT_THAT(PostedMessages(),
                ::testing::ElementsAre(Posted(1, 2, static_cast<std::uintptr_t>(-1), 2)));
    // The console adds the system's reason after the message.
    std::string failed = Utf8(Sjis(kFailed));
    failed.insert(failed.size() - 1, "brenlo-cli: " + temp / "folder.xml" + ": is a folder\n");
    EXPECT_EQ(messages, failed);
    EXPECT_FALSE(collectedLeft);
}

TEST_F(ExportAppTest, HostLaunchedRunKeepsTheRememberedPath) {
    const std::string settings = temp.Path() + "\\";
    Books(0, "{}", settings);
    ASSERT_EQ(Run("", Execute(report)), Succeeded);
    ASSERT_NE(reporttest::ReadFile(settings + "Brenlo.env").value_or("").find(report),
              std::string::npos);

    Books(0, "{}", settings);
    const std::string hostPath = temp / "host.xml";
    ASSERT_EQ(Run("1,2,7," + hostPath,
                  [](HeadlessDialog& d) { d.Click(CConditionsDlg::kExecuteButton); }),
              Succeeded);
    const std::string after = reporttest::ReadFile(settings + "Brenlo.env").value_or("");
    EXPECT_NE(after.find(report), std::string::npos);
    EXPECT_EQ(after.find(hostPath), std::string::npos);
}

TEST_F(ExportAppTest, ThreeFieldsWithoutAPathStillCountAsTheHost) {
    EXPECT_EQ(Run("1,2,3,", Execute(report)), Succeeded);
    EXPECT_THAT(PostedMessages(), ::testing::ElementsAre(Posted(1, 2, 3, 0)));
    EXPECT_TRUE(reporttest::ReadFile(report));
}

TEST_F(ExportAppTest, TwoFieldsAreNoHostLaunchButTheWindowOwnsTheSuccessMessage) {
    EXPECT_EQ(Run("1234,1025", Execute(report)), Succeeded);
    EXPECT_TRUE(events.size() == 2u);  // the wait cursor only
    EXPECT_EQ(owners, std::vector<platform::WindowHandle>{1234});
}

TEST_F(ExportAppTest, HostThatCannotConnectFailsWithoutTouchingItsWindow) {
    tobra::books::Reset();
    tobra::books::UseBooksFile(temp.Path() + "\\absent.json");
    EXPECT_EQ(Run("1234,1025,7,", Execute(report)), Failed);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(messages, "");
}

TEST_F(ExportAppTest, IncompatibleHostFailsAndIsNotified) {
    platform::Files().RemoveFile(programFolder + "NorvikDef.ini");
    EXPECT_EQ(Run("1234,1025,7,", Execute(report)), Failed);
    EXPECT_THAT(PostedMessages(), ::testing::ElementsAre(Posted(1234, 1025, 7, 2)));
    ASSERT_EQ(tobra::books::Recorded().messages.size(), 1u);
}

TEST_F(ExportAppTest, HostLinkRefusalEndsTheRun) {
    Books(0, R"({"ExpSysLink": 1})");
    EXPECT_EQ(Run("1,2,3,", Execute(report)), Cancelled);
    EXPECT_THAT(PostedMessages(), ::testing::ElementsAre(Posted(1, 2, 3, 1)));
    Books(0, R"({"ExpSysLink": 5})");
    EXPECT_EQ(Run("1,2,3,", Execute(report)), Failed);
    EXPECT_THAT(PostedMessages(), ::testing::ElementsAre(Posted(1, 2, 3, 2)));
    EXPECT_EQ(messages, "");
}

TEST_F(ExportAppTest, PastResultsEndTheRunAsCancelled) {
    Books(99);
    EXPECT_EQ(Run("", Execute(report)), Cancelled);
    EXPECT_EQ(messages,
              "[所得税]"
              "\n過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します"
              "。\n\n");
    EXPECT_FALSE(reporttest::ReadFile(report));
}

TEST_F(ExportAppTest, ParseCommandLine) {
    const struct {
        const char* line;
        int launched;
        platform::WindowHandle window;
        std::int32_t message;
        std::int16_t functionId;
        const char* path;
    } cases[] = {
        {"", 0, 0, 0, 1, ""},
        {"1234,1025,7,C:\\out\\a,b.xml", 1, 1234, 1025, 7, "C:\\out\\a,b.xml"},
        {"1,2,3,", 1, 1, 2, 3, ""},
        {"1234,1025", 0, 1234, 0, 1, ""},
        {"1234,1025,7", 0, 1234, 1025, 1, ""},
        {" -5x,+12,70000,p", 1, -5, 12, 4464, "p"},
        {"abc,,99999999999,", 1, 0, 0, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        CExportApp app(edition);
        app.m_strCommandLine = c.line;
        EXPECT_EQ(app.ParseCommandLine(), c.launched);
        EXPECT_EQ(app.m_hParentWnd, c.window);
        EXPECT_EQ(app.m_nNotifyMessage, c.message);
        EXPECT_EQ(app.m_nFunctionId, c.functionId);
        EXPECT_EQ(app.m_strHostPath, c.path);
    }
}

TEST_F(ExportAppTest, ParseCommandLineOfAnyLength) {
    CExportApp app(edition);
    const std::string path = "C:\\" + std::string(5000, 'a') + ".xml";
    app.m_strCommandLine = "1,2,3," + path;
    EXPECT_EQ(app.ParseCommandLine(), 1);
    EXPECT_EQ(app.m_strHostPath, path);
}

TEST(FormatHeaderText, CompanyAndPeriod) {
    StDATAINFO entry{};
    EXPECT_EQ(CExportApp::FormatHeaderText(0, &entry), " ");
    EXPECT_EQ(CExportApp::FormatHeaderText(1, &entry), Sjis(" 0000/00/00～0000/00/00"));
    entry.periodFrom = 20210401;
    entry.periodTo = 20220331;
    std::memset(entry.companyName, 'A',
                sizeof entry.companyName);  // no NUL: read no further than the field
    EXPECT_EQ(CExportApp::FormatHeaderText(1, &entry), Sjis(" 2021/04/01～2022/03/31"));
    EXPECT_EQ(CExportApp::FormatHeaderText(0, &entry), " " + std::string(260, 'A'));
    EXPECT_EQ(CExportApp::FormatHeaderText(2, &entry), "");
    EXPECT_EQ(CExportApp::FormatHeaderText(0, nullptr), "");
}

}  // namespace
