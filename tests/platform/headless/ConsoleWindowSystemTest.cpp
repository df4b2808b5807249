#include "platform/headless/ConsoleWindowSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/ProgressWindow.h"
#include "platform/headless/ConsoleProgressWindow.h"
#include "platform/headless/RecordingHandler.h"
#include "support/FakeClock.h"
#include "support/Sjis.h"

namespace {

using platform::headless::ConsoleWindowSystem;
using platform::headless::DialogScript;
using platform::headless::HeadlessDialog;
using platform::headless::WindowEvent;
using platform::headless::YesNoPolicy;
using testsupport::RecordingHandler;
using testsupport::Sjis;
using Calls = std::vector<std::string>;

constexpr unsigned kYesNoQuestion = platform::kMbYesNo | platform::kMbIconQuestion;

class ConsoleWindowSystemTest : public ::testing::Test {
protected:
    // What earlier tests left unsaid is not this test's.
    void SetUp() override { platform::TakeFileFailure(); }

    std::ostringstream output_;
    std::istringstream input_;
    ConsoleWindowSystem windows_{output_, input_};
};

// Does what the test gives it to do with the open dialog, and remembers it saw one.
class LambdaScript : public DialogScript {
public:
    explicit LambdaScript(std::function<void(HeadlessDialog&)> operate)
        : operate_(std::move(operate)) {}
    void Operate(HeadlessDialog& dialog) override {
        ++runs;
        operate_(dialog);
    }
    int runs = 0;

private:
    std::function<void(HeadlessDialog&)> operate_;
};

TEST_F(ConsoleWindowSystemTest, MessageBoxIsWrittenInUtf8WithItsLineBreaks) {
    const int answer = windows_.ShowMessageBox(
        0x99,
        Sjis(
            "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。"),
        Sjis("所得税"), platform::kMbOk | platform::kMbIconExclamation);
    EXPECT_EQ(platform::kIdOk, answer);
    EXPECT_EQ(
        "[所得税]\n"
        "過去実績データは、連携の対象として使用できません。\n"
        "\n"
        "アプリケーションを終了します。\n"
        "\n",
        output_.str());
}

TEST_F(ConsoleWindowSystemTest, MessageBoxKeepsOneLineBreakAtTheEnd) {
    windows_.ShowMessageBox(0, Sjis("完了\r\n"), "A", platform::kMbOk);
    windows_.ShowMessageBox(0, "", "B", platform::kMbOk);
    EXPECT_EQ("[A]\n完了\n\n[B]\n\n\n", output_.str());
}

TEST_F(ConsoleWindowSystemTest, HostTextsCannotDriveTheTerminal) {
    // A company name in a message and a caption, with a title and a clear screen.
    windows_.ShowMessageBox(0, "A\x1B]0;x\x07\x1B[2J\r\nB", "\x1B[2Jc", platform::kMbOk);
    // A remembered path from the settings file, behind the message.
    platform::NoteFileFailure("Z:\\\x1B[2Jr.xml", "no\x1B[2J");
    windows_.ShowMessageBox(0, "failed", "c", platform::kMbOk);
    EXPECT_EQ(
        "[\xE2\x90\x9B[2Jc]\nA\xE2\x90\x9B]0;x\xE2\x90\x87\xE2\x90\x9B[2J\nB\n\n"
        "[c]\nfailed\nbrenlo-cli: Z:\\\xE2\x90\x9B[2Jr.xml: no\xE2\x90\x9B[2J\n\n",
        output_.str());
}

TEST_F(ConsoleWindowSystemTest, ABadByteDoesNotHideTheMessage) {
    windows_.ShowMessageBox(0, "a\x81 b\x81", "c", platform::kMbOk);
    EXPECT_EQ("[c]\na? b?\n\n", output_.str());
}

TEST_F(ConsoleWindowSystemTest, TheSystemsReasonFollowsTheNextMessageOnce) {
    platform::NoteFileFailure(Sjis("Z:\\out\\報告.xml"), "permission denied");
    windows_.ShowMessageBox(0, "failed", "c", platform::kMbOk);
    windows_.ShowMessageBox(0, "next", "c", platform::kMbOk);
    EXPECT_EQ("[c]\nfailed\nbrenlo-cli: Z:\\out\\報告.xml: permission denied\n\n[c]\nnext\n\n",
              output_.str());
}

TEST_F(ConsoleWindowSystemTest, FixedAnswersToYesNo) {
    windows_.SetYesNoPolicy(YesNoPolicy::AlwaysYes);
    EXPECT_EQ(platform::kIdYes, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    windows_.SetYesNoPolicy(YesNoPolicy::AlwaysNo);
    EXPECT_EQ(platform::kIdNo, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ("[c]\nq\n(y/n) y\n\n[c]\nq\n(y/n) n\n\n", output_.str());
}

TEST_F(ConsoleWindowSystemTest, AskWithoutAnInteractiveConsoleAnswersNoAndReadsNothing) {
    input_.str("y\n");
    EXPECT_EQ(platform::kIdNo, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ("[c]\nq\n(y/n) n\n\n", output_.str());
    std::string left;
    std::getline(input_, left);
    EXPECT_EQ("y", left);
}

TEST_F(ConsoleWindowSystemTest, AskReadsALinePerQuestion) {
    windows_.SetInteractive(true);
    input_.str("y\n  YES \nn\nmaybe\n");
    EXPECT_EQ(platform::kIdYes, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ(platform::kIdYes, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ(platform::kIdNo, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ(platform::kIdNo, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion));
    EXPECT_EQ(platform::kIdNo, windows_.ShowMessageBox(0, "q", "c", kYesNoQuestion))
        << "end of input";
    EXPECT_EQ("[c]\nq\n(y/n) \n[c]\nq\n(y/n) \n[c]\nq\n(y/n) \n[c]\nq\n(y/n) \n[c]\nq\n(y/n) \n\n",
              output_.str())
        << "the user's line ends the prompt line; at the end of input the box ends it";
}

TEST_F(ConsoleWindowSystemTest, OkBoxesReadNoInput) {
    windows_.SetInteractive(true);
    input_.str("y\n");
    EXPECT_EQ(platform::kIdOk, windows_.ShowMessageBox(0, "i", "c", platform::kMbOk));
    std::string left;
    std::getline(input_, left);
    EXPECT_EQ("y", left);
}

TEST_F(ConsoleWindowSystemTest, WindowOperationsAreRecordedInOrder) {
    EXPECT_TRUE(windows_.EnableWindow(0x10, false));
    windows_.SetWaitCursor(true);
    EXPECT_TRUE(windows_.SetForegroundWindow(0x20));
    EXPECT_TRUE(windows_.PostWindowMessage(0x10, 0x0111, 7, -1));
    windows_.SetWaitCursor(false);
    EXPECT_TRUE(windows_.EnableWindow(0x10, true));

    using Kind = WindowEvent::Kind;
    const std::vector<WindowEvent> expected = {
        {Kind::Enable, 0x10, false},  {Kind::WaitCursor, 0, true},
        {Kind::Foreground, 0x20},     {Kind::PostMessage, 0x10, false, 0x0111, 7, -1},
        {Kind::WaitCursor, 0, false}, {Kind::Enable, 0x10, true},
    };
    EXPECT_EQ(expected, windows_.Events());
    windows_.ClearEvents();
    EXPECT_TRUE(windows_.Events().empty());
    EXPECT_EQ("", output_.str());
}

TEST_F(ConsoleWindowSystemTest, SaveFileNameComesFromTheScript) {
    platform::FileDialogRequest request;
    request.fileName = "*.xml";
    EXPECT_EQ(std::nullopt, windows_.AskSaveFileName(request)) << "no script cancels";

    windows_.SetSaveFileScript([](const platform::FileDialogRequest& asked) {
        return std::optional<std::string>("C:\\out\\" + asked.fileName.substr(2));
    });
    EXPECT_EQ(std::optional<std::string>("C:\\out\\xml"), windows_.AskSaveFileName(request));
}

TEST_F(ConsoleWindowSystemTest, UnknownTemplates) {
    RecordingHandler handler;
    EXPECT_EQ(-1, windows_.RunModalDialog(129, 0, handler));
    EXPECT_TRUE(handler.calls.empty());
    EXPECT_EQ(nullptr, windows_.CreateProgressWindow(132));
}

TEST_F(ConsoleWindowSystemTest, TheScriptOperatesTheInitialisedDialog) {
    RecordingHandler handler;
    handler.init = [](platform::DialogControls& controls) {
        controls.Check(1010, true);
        return true;
    };
    handler.command = [](platform::DialogControls& controls, int id) {
        if (id == 1013) {
            controls.EndDialog(1013);
        }
    };
    LambdaScript script([](HeadlessDialog& dialog) {
        EXPECT_TRUE(dialog.IsChecked(1010));
        EXPECT_EQ(1010, dialog.FocusedControl());
        dialog.Click(1011);
        dialog.Type(1016, "C:\\r.xml");
        dialog.PressKey({platform::kVkF12});
        dialog.Click(1013);
    });
    windows_.SetDialogScript(&script);
    EXPECT_EQ(1013, windows_.RunModalDialog(130, 0x77, handler));
    EXPECT_EQ(1, script.runs);
    EXPECT_EQ((Calls{"init", "command 1011", "key 123", "command 1013"}), handler.calls);
}

TEST_F(ConsoleWindowSystemTest, ADialogTheScriptLeavesOpenIsCancelled) {
    RecordingHandler handler;
    LambdaScript script([](HeadlessDialog& dialog) { dialog.Click(1010); });
    windows_.SetDialogScript(&script);
    EXPECT_EQ(1014, windows_.RunModalDialog(130, 0, handler));
    EXPECT_EQ((Calls{"init", "command 1010", "cancel"}), handler.calls);
}

TEST_F(ConsoleWindowSystemTest, WithoutAScriptTheDialogIsCancelledAtOnce) {
    RecordingHandler handler;
    EXPECT_EQ(1014, windows_.RunModalDialog(130, 0, handler));
    EXPECT_EQ((Calls{"init", "cancel"}), handler.calls);
}

TEST_F(ConsoleWindowSystemTest, AHandlerThatWillNotCloseEndsWithIdCancel) {
    RecordingHandler handler;
    handler.cancel = [](platform::DialogControls&) {};
    EXPECT_EQ(platform::kIdCancel, windows_.RunModalDialog(130, 0, handler));
    EXPECT_EQ((Calls{"init", "cancel"}), handler.calls);
}

TEST_F(ConsoleWindowSystemTest, ADialogEndedDuringInitialisationSkipsTheScript) {
    RecordingHandler handler;
    handler.init = [](platform::DialogControls& controls) {
        controls.EndDialog(1014);
        controls.LimitText(1016, 255);
        return true;
    };
    LambdaScript script([](HeadlessDialog&) {});
    windows_.SetDialogScript(&script);
    EXPECT_EQ(1014, windows_.RunModalDialog(130, 0, handler));
    EXPECT_EQ(0, script.runs);
    EXPECT_EQ(Calls{"init"}, handler.calls);
}

TEST_F(ConsoleWindowSystemTest, WindowsCanBeReplaced) {
    platform::WindowSystem& build = platform::Windows();
#ifndef _WIN32
    EXPECT_EQ(&platform::headless::ConsoleWindows(), &build) << "the console is POSIX's adapter";
#endif
    EXPECT_EQ(&build, platform::ReplaceWindows(&windows_));
    EXPECT_EQ(&windows_, &platform::Windows());
    EXPECT_EQ(&windows_, platform::ReplaceWindows(nullptr));
    EXPECT_EQ(&build, &platform::Windows());
}

// Every repaint draws a frame here; PacedToFrames covers the pacing.
class HeadlessProgressTest : public ConsoleWindowSystemTest {
protected:
    HeadlessProgressTest() { windows_.SetProgressClock(testsupport::FrameEveryReading()); }
};

TEST_F(HeadlessProgressTest, HiddenProgressWritesNothing) {
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    ASSERT_NE(nullptr, window);
    window->Show();
    window->SetCaption(Sjis("集計中 10％"));
    window->StepBar(1018);
    window->Repaint();
    window->Close();
    EXPECT_EQ("", output_.str());
}

TEST_F(HeadlessProgressTest, ShownProgressRewritesOneLine) {
    windows_.SetProgressVisible(true);
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    ASSERT_NE(nullptr, window);
    EXPECT_NE(0, window->Handle());
    window->SetBarRange(1018, 0, 1000);
    window->SetBarStep(1018, 1);
    window->Repaint();
    EXPECT_EQ("", output_.str()) << "not shown yet";

    window->Show();
    const std::string empty(30, '-');
    EXPECT_EQ("\r集計中 [" + empty + "]", output_.str());

    window->SetBarRange(1019, 0, 5);
    window->StepBar(1019);
    window->Repaint();
    EXPECT_EQ("\r集計中 [" + empty + "]", output_.str()) << "the activity bar is not shown";

    window->SetCaption(Sjis("集計中 50％"));
    window->SetBarPosition(1018, 500);
    window->Repaint();
    const std::string half = std::string(15, '#') + std::string(15, '-');
    EXPECT_EQ("\r集計中 [" + empty + "]\r集計中 50％ [" + half + "]", output_.str());

    // A stage starts ahead of the bar: the line shows what the caption says.
    window->SetCaption(Sjis("集計中 100％"));
    window->SetBarPosition(1018, 906);
    window->Repaint();
    const std::string lines = "\r集計中 [" + empty + "]\r集計中 50％ [" + half +
                              "]\r集計中 100％ [" + std::string(30, '#') + "]";
    EXPECT_EQ(lines, output_.str());

    window->Close();
    window->Close();
    window.reset();
    EXPECT_EQ(lines + "\n", output_.str());
}

TEST_F(HeadlessProgressTest, AShorterLineBlanksTheRest) {
    windows_.SetProgressVisible(true);
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    window->SetCaption(Sjis("集計中 100％"));  // 12 columns
    window->Show();
    output_.str("");
    window->SetCaption("x");
    window->Repaint();
    const std::string bar = " [" + std::string(30, '-') + "]";
    EXPECT_EQ("\rx" + bar + std::string(11, ' ') + "\rx" + bar, output_.str());
}

TEST_F(HeadlessProgressTest, AMessageBoxEndsTheProgressLineFirst) {
    windows_.SetProgressVisible(true);
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    window->SetCaption("p");
    window->Show();
    windows_.ShowMessageBox(0, "m", "c", platform::kMbOk);
    window->Repaint();
    const std::string line = "\rp [" + std::string(30, '-') + "]";
    EXPECT_EQ(line + "\n[c]\nm\n\n" + line, output_.str()) << "the line is drawn again below";
}

TEST_F(HeadlessProgressTest, PacedToFrames) {
    testsupport::FakeClock clock;
    windows_.SetProgressClock(clock.Reader());
    windows_.SetProgressVisible(true);
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    window->SetBarRange(1018, 0, 1000);
    window->SetBarStep(1018, 100);
    window->Show();
    const auto line = [](int filled) {
        return "\r集計中 [" + std::string(filled, '#') + std::string(30 - filled, '-') + "]";
    };
    EXPECT_EQ(line(0), output_.str()) << "the first state";
    window->StepBar(1018);
    window->Repaint();
    EXPECT_EQ(line(0), output_.str()) << "within the frame";
    clock.Advance(platform::FramePacer::kInterval);
    window->StepBar(1018);
    window->Repaint();
    EXPECT_EQ(line(0) + line(6), output_.str()) << "the next frame";
    window->StepBar(1018);
    window->Repaint();
    window->Close();
    EXPECT_EQ(line(0) + line(6) + line(9) + "\n", output_.str()) << "the last state";
}

TEST_F(HeadlessProgressTest, BarsFollowTheProgressControl) {
    std::unique_ptr<platform::ProgressWindow> window = windows_.CreateProgressWindow(131);
    auto& console = static_cast<platform::headless::ConsoleProgressWindow&>(*window);
    EXPECT_EQ(Sjis("集計中"), console.Caption());
    window->SetBarRange(1019, 0, 5);
    window->SetBarStep(1019, 1);
    window->SetBarPosition(1019, 0);
    for (int k = 0; k < 5; ++k) {
        window->StepBar(1019);
    }
    EXPECT_EQ(5, console.BarPosition(1019));
    window->StepBar(1019);
    EXPECT_EQ(1, console.BarPosition(1019)) << "past the top it starts again";
    window->SetBarPosition(1019, 9);
    EXPECT_EQ(5, console.BarPosition(1019));
    window->SetBarPosition(1019, -3);
    EXPECT_EQ(0, console.BarPosition(1019));
    window->SetParent(0x55);
    EXPECT_EQ(0x55, console.Parent());
    EXPECT_EQ(0, console.BarPosition(4711));
}

}  // namespace
