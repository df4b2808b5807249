// The trial folder of the unpacked release archive under Wine: its programs
// run as unpacked, and the stand-in host shows why when its books file is
// gone. scripts/trial-test.sh names the folder in BRENLO_TRIAL_FOLDER; in the
// build's own test run there is none, and the tests say so.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gui/GuiDriver.h"

namespace {

class TrialTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("BRENLO_TRIAL_FOLDER");
        if (folder == nullptr || *folder == '\0') {
            GTEST_SKIP() << "no unpacked trial folder (scripts/trial-test.sh gives one)";
        }
        folder_ = folder;
        // As a double-click starts them: the books beside the program.
        SetEnvironmentVariableA("TOBRA_BOOKS", nullptr);
    }

    std::string Program() const { return folder_ + "\\Brenlo.exe"; }
    std::string Books() const { return folder_ + "\\Books.json"; }

    std::string folder_;
};

TEST_F(TrialTest, BrenloShowsTheConditionsDialog) {
    gui::Process program = gui::Start(Program());
    HWND dialog = gui::WaitForWindow(program.Id(), L"所得税 - 集計条件", L"#32770");
    ASSERT_NE(nullptr, dialog);
    EXPECT_NE(std::wstring::npos, gui::ControlText(dialog, 1004).find(L"松本表具店"))
        << "the sample's company";
    // The read-me asks to replace the pattern in the trial folder's path.
    EXPECT_EQ(gui::Wide(folder_ + "\\*.xml"), gui::ControlText(dialog, 1016));
    gui::PressKey(dialog, VK_ESCAPE);
    std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id());
    ASSERT_TRUE(box.has_value());
    gui::Answer(*box, IDOK);
    EXPECT_TRUE(program.WaitForExit().has_value());
}

TEST_F(TrialTest, MissingBooksFileIsShownInAMessageBox) {
    const std::string moved = Books() + ".moved";
    ASSERT_TRUE(MoveFileA(Books().c_str(), moved.c_str()));
    gui::Process program = gui::Start(Program());
    std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id());
    MoveFileA(moved.c_str(), Books().c_str());
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_NE(std::wstring::npos, box->text.find(gui::Wide(Books()))) << gui::Narrow(box->text);
    EXPECT_NE(std::wstring::npos, box->text.find(L"帳簿ファイル")) << gui::Narrow(box->text);
    gui::Answer(*box, IDOK);
    EXPECT_TRUE(program.WaitForExit().has_value());
}

}  // namespace
