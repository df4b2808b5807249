// BrenloView.exe under Wine: started with reports or with none, the page it
// opens (in the tests' stand-in browser) and the message box that tells the
// outcome.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "gui/GuiDriver.h"
#include "platform/FileSystem.h"
#include "support/Files.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::ReadFile;
using testsupport::Sjis;
using testsupport::TempFolder;
using testsupport::WriteFile;

std::string Golden(const char* name) {
    return ReadFile(std::string(BRENLO_SOURCE_DIR) + "\\tests\\e2e\\golden\\" + name + ".xml")
        .value_or(std::string());
}

// The names in a folder (code page 932), sorted.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names = platform::Files().NamesIn(folder);
    std::sort(names.begin(), names.end());
    return names;
}

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(CreateDirectoryA(Temp().c_str(), nullptr));
        ASSERT_TRUE(WriteFile(scratch_ / "Books.json", ReadFile(std::string(BRENLO_SOURCE_DIR) +
                                                                "\\samples\\Books-blue.json")
                                                           .value_or(std::string())));
        // The viewer, and the browser it starts, get their own temporary
        // folder, books and log of opened pages.
        const std::string books = scratch_ / "Books.json";
        const std::string opened = Opened();
        for (const auto& [name, value] : {std::pair{"TMP", Temp()},
                                          {"TEMP", Temp()},
                                          {"TOBRA_BOOKS", books},
                                          {"BRENLO_TEST_OPENED", opened}}) {
            char old[MAX_PATH] = {};
            if (GetEnvironmentVariableA(name, old, MAX_PATH) > 0) {
                saved_.emplace_back(name, old);
            } else {
                saved_.emplace_back(name, std::string());
            }
            SetEnvironmentVariableA(name, value.c_str());
        }
        ASSERT_TRUE(browser_.Installed());
    }

    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            SetEnvironmentVariableA(name.c_str(), value.empty() ? nullptr : value.c_str());
        }
    }

    std::string Temp() const { return scratch_ / "temp"; }
    std::string Pages() const { return Temp() + "\\Brenlo-pages"; }
    std::string Opened() const { return scratch_ / "opened.txt"; }
    static std::string Viewer() { return gui::ProgramFolder() + "BrenloView.exe"; }

    // The pages the stand-in browser was asked to open.
    std::vector<std::string> OpenedPages() const {
        std::vector<std::string> pages;
        std::ifstream in(Opened());
        for (std::string line; std::getline(in, line);) {
            pages.push_back(line);
        }
        return pages;
    }

    // The viewer's message box: its text, after which it is answered.
    static std::wstring Outcome(gui::Process& viewer) {
        std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(viewer.Id());
        if (!box) {
            return L"(no message box)";
        }
        gui::Answer(*box, IDOK);
        return box->text;
    }

    // Types the name into the open-file dialog with this title and opens it.
    static void Choose(gui::Process& viewer, const std::wstring& title, const std::wstring& name) {
        HWND dialog = gui::WaitForWindow(viewer.Id(), title, L"#32770");
        ASSERT_NE(nullptr, dialog) << gui::Narrow(title);
        SendMessageTimeoutW(GetDlgItem(dialog, cmb13), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        gui::Click(dialog, IDOK);
        ASSERT_TRUE(gui::WaitUntilGone(dialog));
    }

    TempFolder scratch_;
    std::vector<std::pair<std::string, std::string>> saved_;
    gui::StandInBrowser browser_;
};

TEST_F(ViewerTest, ReportOpensItsPageAndTheBoxCountsTheFindings) {
    const std::string folder = scratch_ / Sjis("出力先");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string report = folder + "\\" + Sjis("2021_営業.xml");
    ASSERT_TRUE(WriteFile(report, Golden("blue-business")));

    gui::Process viewer = gui::Start(Viewer(), "\"" + report + "\"");
    const std::wstring text = Outcome(viewer);
    EXPECT_NE(std::wstring::npos, text.find(L"エラー 0 件、警告 2 件")) << gui::Narrow(text);
    EXPECT_EQ(std::optional<DWORD>(0), viewer.WaitForExit()) << gui::Narrow(text);

    const std::vector<std::string> pages = Listing(Pages());
    ASSERT_EQ(1u, pages.size());
    const std::string page = Pages() + "\\" + pages[0];
    EXPECT_NE(std::wstring::npos, text.find(gui::Wide(page))) << "the box says where the page is";
    EXPECT_TRUE(gui::Eventually([&] { return OpenedPages() == std::vector<std::string>{page}; }));
    const std::string html = ReadFile(page).value_or(std::string());
    EXPECT_NE(std::string::npos, html.find("損益計算書")) << "the form pages";
    EXPECT_NE(std::string::npos, html.find("PL-INCOME")) << "the findings marked";
    EXPECT_EQ(std::vector<std::string>{Sjis("2021_営業.xml")}, Listing(folder))
        << "nothing beside the report";
}

TEST_F(ViewerTest, DamagedReportShowsTheReadersReasonAndWritesNoPage) {
    std::string damaged = Golden("blue-business");
    damaged.replace(damaged.find(">28477800<"), 10, ">1,000<");
    const std::string report = scratch_ / "damaged.xml";
    ASSERT_TRUE(WriteFile(report, damaged));

    gui::Process viewer = gui::Start(Viewer(), "\"" + report + "\"");
    const std::wstring text = Outcome(viewer);
    EXPECT_NE(std::wstring::npos, text.find(L"（21 行目）: 損益計算書の ① 売上（収入）金額"))
        << gui::Narrow(text);
    EXPECT_NE(std::wstring::npos, text.find(L"「1,000」")) << gui::Narrow(text);
    EXPECT_EQ(std::optional<DWORD>(2), viewer.WaitForExit());
    EXPECT_TRUE(Listing(Pages()).empty());
    EXPECT_TRUE(OpenedPages().empty());
}

// The sample's year as 2021.xml and the year after it as 2022.xml.
void WriteTwoYears(const std::string& folder) {
    std::string next = Golden("blue-business");
    next.replace(next.find(">20210101<"), 10, ">20220101<");
    next.replace(next.find(">20211231<"), 10, ">20221231<");
    ASSERT_TRUE(WriteFile(folder + "\\2022.xml", next));
    ASSERT_TRUE(WriteFile(folder + "\\2021.xml", Golden("blue-business")));
}

TEST_F(ViewerTest, TwoReportsDroppedTogetherAreTakenByTheirYears) {
    WriteTwoYears(scratch_.Path());
    gui::Process viewer = gui::Start(
        Viewer(), "\"" + (scratch_ / "2021.xml") + "\" \"" + (scratch_ / "2022.xml") + "\"");
    const std::wstring text = Outcome(viewer);
    EXPECT_NE(std::wstring::npos, text.find(L"出力ファイルを確認しました")) << gui::Narrow(text);
    viewer.WaitForExit();
}

TEST_F(ViewerTest, DialogsPickBothYearsStartingWhereTheExportLastWrote) {
    const std::string folder = scratch_ / Sjis("出力先");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteTwoYears(folder);
    // The export's record of the sample books' user and data.
    ASSERT_TRUE(
        WriteFile(scratch_ / "Brenlo.env", "MATSUMOTO/1/21:0/0/1/" + folder + "\\2022.xml\n"));

    gui::Process viewer = gui::Start(Viewer());
    HWND first = gui::WaitForWindow(viewer.Id(), L"出力ファイルを開く", L"#32770");
    ASSERT_NE(nullptr, first);
    // The look-in box names the folder the dialog opened in.
    EXPECT_TRUE(gui::Eventually([&] {
        return gui::ControlText(first, cmb2).find(L"出力先") != std::wstring::npos;
    })) << gui::Narrow(gui::ControlText(first, cmb2));
    Choose(viewer, L"出力ファイルを開く", L"2022.xml");
    Choose(viewer, L"前年分の出力ファイル（比べないときは［キャンセル］）", L"2021.xml");
    const std::wstring text = Outcome(viewer);
    EXPECT_NE(std::wstring::npos, text.find(L"エラー")) << gui::Narrow(text);
    viewer.WaitForExit();
    const std::vector<std::string> pages = Listing(Pages());
    ASSERT_EQ(1u, pages.size());
    EXPECT_NE(std::string::npos,
              ReadFile(Pages() + "\\" + pages[0]).value_or(std::string()).find("前年"))
        << "the comparison pages";
}

TEST_F(ViewerTest, CancellingTheDialogEndsWithNothingWritten) {
    gui::Process viewer = gui::Start(Viewer());
    HWND dialog = gui::WaitForWindow(viewer.Id(), L"出力ファイルを開く", L"#32770");
    ASSERT_NE(nullptr, dialog);
    gui::Click(dialog, IDCANCEL);
    EXPECT_EQ(std::optional<DWORD>(0), viewer.WaitForExit());
    EXPECT_TRUE(Listing(Temp()).empty());
    EXPECT_TRUE(OpenedPages().empty());
}

}  // namespace
