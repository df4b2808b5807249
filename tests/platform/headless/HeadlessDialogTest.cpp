#include "platform/headless/HeadlessDialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/DialogTemplate.h"
#include "platform/headless/RecordingHandler.h"
#include "support/Sjis.h"

namespace {

using platform::KeyEvent;
using platform::headless::HeadlessDialog;
using testsupport::RecordingHandler;
using testsupport::Sjis;
using Calls = std::vector<std::string>;

constexpr int kBusiness = 1010;
constexpr int kOther = 1012;
constexpr int kRealEstate = 1011;
constexpr int kOutputGroup = 1015;
constexpr int kOutput = 1016;
constexpr int kBrowse = 1017;
constexpr int kExecute = 1013;
constexpr int kCancel = 1014;

class HeadlessDialogTest : public ::testing::Test {
protected:
    HeadlessDialog& Open() {
        const platform::DialogTemplate* conditions = platform::FindDialogTemplate(130);
        EXPECT_NE(nullptr, conditions);
        dialog_.emplace(*conditions, handler_, 0x4242);
        dialog_->Initialize();
        handler_.calls.clear();
        return *dialog_;
    }

    RecordingHandler handler_;
    std::optional<HeadlessDialog> dialog_;
};

TEST_F(HeadlessDialogTest, ControlsStartFromTheTemplate) {
    handler_.init = [](platform::DialogControls&) { return false; };
    HeadlessDialog& dialog = Open();
    EXPECT_EQ(0x4242, dialog.Handle());
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(0, dialog.Result());
    EXPECT_EQ(Sjis("事業所名"), dialog.Text(1004));
    EXPECT_EQ(Sjis("出力先(&F)"), dialog.Text(kOutputGroup));
    EXPECT_EQ("", dialog.Text(kOutput));
    EXPECT_TRUE(dialog.IsEnabled(kRealEstate));
    EXPECT_FALSE(dialog.IsChecked(kBusiness));
    EXPECT_EQ(0, dialog.FocusedControl()) << "no default focus was asked for";
    EXPECT_FALSE(dialog.HasControl(1));
    EXPECT_EQ("", dialog.Text(1));
    EXPECT_FALSE(dialog.IsEnabled(1));
}

TEST_F(HeadlessDialogTest, DefaultFocusIsTheFirstEnabledTabStop) {
    HeadlessDialog& first = Open();
    EXPECT_EQ(kBusiness, first.FocusedControl());

    handler_.init = [](platform::DialogControls& controls) {
        controls.Enable(kBusiness, false);
        controls.Enable(kOther, false);
        return true;
    };
    HeadlessDialog& second = Open();
    EXPECT_EQ(kRealEstate, second.FocusedControl());
}

TEST_F(HeadlessDialogTest, ClickingARadioButtonChecksItAloneInItsGroup) {
    HeadlessDialog& dialog = Open();
    dialog.Check(kBusiness, true);
    EXPECT_TRUE(dialog.Click(kOther));
    EXPECT_FALSE(dialog.IsChecked(kBusiness));
    EXPECT_TRUE(dialog.IsChecked(kOther));
    EXPECT_FALSE(dialog.IsChecked(kRealEstate));
    EXPECT_EQ(kOther, dialog.FocusedControl());
    EXPECT_EQ(Calls{"command 1012"}, handler_.calls) << "BN_CLICKED reaches the handler";

    EXPECT_TRUE(dialog.Click(kRealEstate));
    EXPECT_FALSE(dialog.IsChecked(kOther));
    EXPECT_TRUE(dialog.IsChecked(kRealEstate));
}

TEST_F(HeadlessDialogTest, ProgramChecksDoNotTouchTheGroup) {
    HeadlessDialog& dialog = Open();
    dialog.Check(kBusiness, true);
    dialog.Check(kOther, true);
    EXPECT_TRUE(dialog.IsChecked(kBusiness));
    EXPECT_TRUE(dialog.IsChecked(kOther));
    dialog.Check(kExecute, true);
    EXPECT_FALSE(dialog.IsChecked(kExecute)) << "a push button has no check state";
}

TEST_F(HeadlessDialogTest, DisabledControlsIgnoreTheUser) {
    HeadlessDialog& dialog = Open();
    dialog.Check(kBusiness, true);
    dialog.Enable(kRealEstate, false);
    dialog.Enable(kOutput, false);
    dialog.Enable(kBrowse, false);
    dialog.SetText(kOutput, "C:\\a.xml");

    EXPECT_FALSE(dialog.Click(kRealEstate));
    EXPECT_FALSE(dialog.IsChecked(kRealEstate));
    EXPECT_TRUE(dialog.IsChecked(kBusiness));
    EXPECT_FALSE(dialog.Click(kBrowse));
    EXPECT_FALSE(dialog.Type(kOutput, "D:\\b.xml"));
    EXPECT_EQ("C:\\a.xml", dialog.Text(kOutput));
    EXPECT_FALSE(dialog.Focus(kOutput));
    EXPECT_FALSE(dialog.Click(4711)) << "absent";
    EXPECT_TRUE(handler_.calls.empty());
    EXPECT_EQ(kBusiness, dialog.FocusedControl());
}

TEST_F(HeadlessDialogTest, DisablingTheFocusedControlLeavesNoFocus) {
    HeadlessDialog& dialog = Open();
    dialog.SetFocus(kBrowse);
    EXPECT_EQ(kBrowse, dialog.FocusedControl());
    dialog.Enable(kBrowse, false);
    EXPECT_EQ(0, dialog.FocusedControl());
    dialog.SetFocus(kBrowse);
    EXPECT_EQ(0, dialog.FocusedControl()) << "a disabled control cannot take the focus";
    dialog.SetFocus(kExecute);
    EXPECT_EQ(kExecute, dialog.FocusedControl());
}

TEST_F(HeadlessDialogTest, TypingIsCutToTheLimitBeforeADoubleByteCharacter) {
    HeadlessDialog& dialog = Open();
    const std::string typed = Sjis("abあい");  // a b 82A0 82A2
    dialog.LimitText(kOutput, 5);
    EXPECT_EQ(5u, dialog.TextLimit(kOutput));
    EXPECT_TRUE(dialog.Type(kOutput, typed));
    EXPECT_EQ(Sjis("abあ"), dialog.Text(kOutput)) << "the fifth byte would split い";
    EXPECT_EQ(kOutput, dialog.FocusedControl());

    dialog.LimitText(kOutput, 4);
    EXPECT_TRUE(dialog.Type(kOutput, typed));
    EXPECT_EQ(Sjis("abあ"), dialog.Text(kOutput));

    dialog.LimitText(kOutput, 3);
    EXPECT_TRUE(dialog.Type(kOutput, typed));
    EXPECT_EQ("ab", dialog.Text(kOutput));

    dialog.LimitText(kOutput, 6);
    EXPECT_TRUE(dialog.Type(kOutput, typed));
    EXPECT_EQ(typed, dialog.Text(kOutput));
}

TEST_F(HeadlessDialogTest, TheProgramsTextIsNotLimited) {
    HeadlessDialog& dialog = Open();
    dialog.LimitText(kOutput, 3);
    dialog.SetText(kOutput, Sjis("C:\\出力\\r.xml"));
    EXPECT_EQ(Sjis("C:\\出力\\r.xml"), dialog.Text(kOutput));
    EXPECT_FALSE(dialog.Type(kBrowse, "x")) << "not an edit";
}

TEST_F(HeadlessDialogTest, DefaultAndLargestLimits) {
    HeadlessDialog& dialog = Open();
    EXPECT_EQ(30000u, dialog.TextLimit(kOutput));
    dialog.LimitText(kOutput, 0);
    EXPECT_EQ(0x7FFFFFFEu, dialog.TextLimit(kOutput));
}

TEST_F(HeadlessDialogTest, SelectAllIsRecorded) {
    HeadlessDialog& dialog = Open();
    dialog.SelectAll(kOutput);
    EXPECT_EQ(std::vector<int>{kOutput}, dialog.SelectAllRequests());
}

TEST_F(HeadlessDialogTest, KeysGoToPreTranslateKeyFirst) {
    handler_.key = [](platform::DialogControls&, const KeyEvent&) { return true; };
    HeadlessDialog& dialog = Open();
    dialog.SetFocus(kBrowse);
    EXPECT_TRUE(dialog.PressKey({platform::kVkEscape}));
    EXPECT_TRUE(dialog.PressKey({platform::kVkReturn}));
    EXPECT_EQ((Calls{"key 27", "key 13"}), handler_.calls) << "consumed keys go no further";
    EXPECT_TRUE(dialog.IsOpen());
}

TEST_F(HeadlessDialogTest, EscapeCancelsAfterPreTranslateKey) {
    HeadlessDialog& dialog = Open();
    EXPECT_TRUE(dialog.PressKey({platform::kVkEscape}));
    EXPECT_EQ((Calls{"key 27", "cancel"}), handler_.calls);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(kCancel, dialog.Result());
    EXPECT_FALSE(dialog.PressKey({platform::kVkEscape})) << "the dialog has ended";
    EXPECT_FALSE(dialog.Click(kExecute));
}

TEST_F(HeadlessDialogTest, EnterClicksOnlyAFocusedPushButton) {
    HeadlessDialog& dialog = Open();
    dialog.SetFocus(kOutput);
    dialog.PressKey({platform::kVkReturn});
    dialog.SetFocus(kOther);
    dialog.PressKey({platform::kVkReturn});
    EXPECT_EQ((Calls{"key 13", "key 13"}), handler_.calls) << "no default button, no IDOK";
    EXPECT_FALSE(dialog.IsChecked(kOther));

    handler_.calls.clear();
    dialog.SetFocus(kCancel);
    dialog.PressKey({platform::kVkReturn, true, false, false});
    EXPECT_EQ((Calls{"key 13", "command 1014"}), handler_.calls);
}

TEST_F(HeadlessDialogTest, SpaceClicksTheFocusedButton) {
    HeadlessDialog& dialog = Open();
    dialog.Check(kBusiness, true);
    dialog.SetFocus(kRealEstate);
    dialog.PressKey({platform::kVkSpace});
    EXPECT_TRUE(dialog.IsChecked(kRealEstate));
    EXPECT_FALSE(dialog.IsChecked(kBusiness));
    dialog.SetFocus(kBrowse);
    dialog.PressKey({platform::kVkSpace});
    EXPECT_EQ((Calls{"key 32", "command 1011", "key 32", "command 1017"}), handler_.calls);
}

TEST_F(HeadlessDialogTest, KeysWithAltReachOnlyPreTranslateKey) {
    HeadlessDialog& dialog = Open();
    dialog.SetFocus(kExecute);
    dialog.PressKey({platform::kVkEscape, false, false, true});
    dialog.PressKey({platform::kVkReturn, false, false, true});
    EXPECT_EQ((Calls{"key 27", "key 13"}), handler_.calls);
    EXPECT_TRUE(dialog.IsOpen());
}

TEST_F(HeadlessDialogTest, ClicksReachTheHandlerWhichMayEndTheDialog) {
    handler_.command = [](platform::DialogControls& controls, int id) {
        if (id == kExecute) {
            controls.EndDialog(kExecute);
        }
    };
    HeadlessDialog& dialog = Open();
    EXPECT_TRUE(dialog.Click(kBrowse));
    EXPECT_EQ(kBrowse, dialog.FocusedControl());
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(dialog.Click(kExecute));
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(kExecute, dialog.Result());
    EXPECT_EQ((Calls{"command 1017", "command 1013"}), handler_.calls);
}

TEST_F(HeadlessDialogTest, StaticsTakeNoUserFocus) {
    HeadlessDialog& dialog = Open();
    EXPECT_TRUE(dialog.Click(1004));
    EXPECT_FALSE(dialog.Focus(1004));
    EXPECT_FALSE(dialog.Focus(kOutputGroup));
    EXPECT_EQ(kBusiness, dialog.FocusedControl());
    EXPECT_TRUE(dialog.Focus(kOutput));
    EXPECT_EQ(kOutput, dialog.FocusedControl());
    EXPECT_TRUE(handler_.calls.empty());
}

TEST_F(HeadlessDialogTest, TheLastEndDialogWins) {
    HeadlessDialog& dialog = Open();
    dialog.EndDialog(kCancel);
    dialog.EndDialog(kExecute);
    EXPECT_EQ(kExecute, dialog.Result());
}

}  // namespace
