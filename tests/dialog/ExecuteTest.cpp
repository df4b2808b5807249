#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "books/HostState.h"
#include "core/Edition.h"
#include "dialog/ConditionsDlg.h"
#include "platform/FileSystem.h"
#include "platform/ForwardingWindowSystem.h"
#include "platform/ProgressWindow.h"
#include "platform/WindowSystem.h"
#include "support/DialogControls.h"
#include "support/FakeDriveFileSystem.h"
#include "support/Files.h"
#include "support/ScriptedConsole.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using platform::headless::HeadlessDialog;
using platform::headless::YesNoPolicy;
using testsupport::IsDirectory;
using testsupport::Sjis;

using namespace testsupport::controls;

constexpr char kNoPath[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
constexpr char kTooLong[] = "出力先のパスが長すぎます。\n\n出力先を再入力してください。";
constexpr char kInvalidCharacter[] =
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
constexpr char kInvalidDrive[] =
    "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
constexpr char kNoFileName[] = "ファイル名が指定されていません。";
constexpr char kCreateFolder[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
constexpr char kFolderNotCreated[] =
    "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
constexpr char kOverwrite[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

constexpr unsigned kFailure = platform::kMbIconExclamation | platform::kMbOk;
constexpr unsigned kQuestion = platform::kMbIconQuestion | platform::kMbYesNo;

struct Shown {
    std::string text;  // UTF-8
    std::string caption;
    unsigned flags;
    bool operator==(const Shown&) const = default;
};

// Records every message box on its way to the window system it replaces.
class RecordingWindows : public platform::ForwardingWindowSystem {
public:
    std::vector<Shown> shown;

    int ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                       const std::string& caption, unsigned flags) override {
        shown.push_back({testsupport::Utf8(text), testsupport::Utf8(caption), flags});
        return next_.ShowMessageBox(owner, text, caption, flags);
    }
};

class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp.Path().empty());
        tobra::books::Reset();
        // No settings folder, so nothing is remembered between the runs.
        ASSERT_EQ(tobra::books::InstallText(R"({"format": "books/1", "appFolders": ["", ""],)"
                                            R"( "entries": []})"),
                  "");
    }
    void TearDown() override { tobra::books::Reset(); }

    // Types the path, executes, and lets `then` look at the open dialog.
    int Execute(const std::string& path, YesNoPolicy answer,
                const std::function<void(HeadlessDialog&)>& then = {}) {
        testsupport::ScriptedConsole console(
            [&](HeadlessDialog& d) {
                if (path.size() > 255) {
                    d.SetText(kEdit, path);
                } else {
                    d.Type(kEdit, path);
                }
                d.Focus(kExecute);
                d.Click(kExecute);
                open = d.IsOpen();
                refocused = d.FocusedControl() == kEdit && !d.SelectAllRequests().empty() &&
                            d.SelectAllRequests().back() == kEdit;
                if (then) {
                    then(d);
                }
                if (d.IsOpen()) {
                    d.Click(CConditionsDlg::kCancelButton);
                }
            },
            answer);
        RecordingWindows windows;
        const int result = dialog.DoModal();
        shown = windows.shown;
        return result;
    }

    // The dialog refused the path with this one message and stayed open.
    void ExpectRefused(const std::string& path, const char* message) {
        SCOPED_TRACE(testsupport::Utf8(path));
        Execute(path, YesNoPolicy::AlwaysYes);
        EXPECT_TRUE(open);
        EXPECT_TRUE(refocused);
        ASSERT_GE(shown.size(), 1u);
        EXPECT_EQ(shown[0], (Shown{message, "所得税", kFailure}));
    }

    testsupport::TempFolder temp;
    CConditionsDlg dialog{0, Edition::Brenlo()};
    std::vector<Shown> shown;
    bool open = false;
    bool refocused = false;
};

TEST_F(ExecuteTest, AnEmptyPathIsRefused) {
    ExpectRefused("", kNoPath);
}

TEST_F(ExecuteTest, APathLongerThan260BytesIsRefused) {
    ExpectRefused(temp / std::string(260 - temp.Path().size(), 'x'), kTooLong);
    // 260 bytes pass this check and stop at the folder question.
    Execute(temp / std::string(259 - temp.Path().size(), 'x'), YesNoPolicy::AlwaysNo);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ExecuteTest, ForbiddenCharactersAndDoubledBackslashes) {
    for (const std::string& path :
         {temp / "a*.xml", std::string("C:*report.xml"), std::string("C:\\\\out\\report.xml"),
          temp / "a?b.xml", temp / "a|b.xml", temp / "a\\\\b.xml", temp / "a/b.xml"}) {
        ExpectRefused(path, kInvalidCharacter);
    }
}

TEST_F(ExecuteTest, UnusableDrivesAndShares) {
    testsupport::FakeDriveFileSystem files;
    files.driveTypes["Q:\\"] = platform::kDriveCdRom;
    files.shareAccess["\\\\srv\\share"] = true;
    ExpectRefused("Q:\\out\\r.xml", kInvalidDrive);
    ExpectRefused("q:\\out\\r.xml", kInvalidDrive);
    ExpectRefused("\\\\srv\\share", kInvalidDrive);
    ExpectRefused("\\\\srv\\other\\r.xml", kInvalidDrive);
    // A file directly in a usable share passes the drive check.
    Execute("\\\\srv\\share\\r.xml", YesNoPolicy::AlwaysNo);
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Shown{kCreateFolder, "所得税", kQuestion}));
}

TEST_F(ExecuteTest, AnEmptyFileNameIsRefused) {
    ExpectRefused(temp.Path() + "\\", kNoFileName);
}

TEST_F(ExecuteTest, AnExistingFolderAsFileNameIsRefused) {
    ExpectRefused(temp.Path(), kNoFileName);
}

TEST_F(ExecuteTest, NestedFoldersAreCreatedAfterYes) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a"));
    EXPECT_EQ(Execute(temp / "a\\b\\c\\report.xml", YesNoPolicy::AlwaysYes), kExecute);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Shown{kCreateFolder, "所得税", kQuestion}));
    EXPECT_TRUE(IsDirectory(temp / "a\\b\\c"));
    EXPECT_EQ(dialog.m_strOutputPath, temp / "a\\b\\c\\report.xml");
}

TEST_F(ExecuteTest, NoToTheFolderQuestionLeavesTheDialogOpen) {
    Execute(temp / "a\\b\\report.xml", YesNoPolicy::AlwaysNo,
            [&](HeadlessDialog& d) { EXPECT_EQ(d.Text(kEdit), temp / "a\\b\\report.xml"); });
    EXPECT_TRUE(open);
    EXPECT_TRUE(refocused);
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Shown{kCreateFolder, "所得税", kQuestion}));
    EXPECT_FALSE(IsDirectory(temp / "a"));
}

TEST_F(ExecuteTest, AFailedFolderCreationRemovesWhatItCreated) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a"));
    testsupport::FakeDriveFileSystem files;
    files.failingMakeDirectory = 2;
    Execute(temp / "a\\b\\c\\report.xml", YesNoPolicy::AlwaysYes);
    EXPECT_TRUE(open);
    EXPECT_TRUE(refocused);
    ASSERT_EQ(shown.size(), 3u);  // the question, the failure, the cancellation
    EXPECT_EQ(shown[1], (Shown{kFolderNotCreated, "所得税", kFailure}));
    EXPECT_TRUE(IsDirectory(temp / "a"));
    EXPECT_FALSE(IsDirectory(temp / "a\\b"));
}

TEST_F(ExecuteTest, NamesEndingInATrailByte5CAreNames) {
    const std::string path = temp / Sjis("ソ\\表\\ソ表.xml");
    EXPECT_EQ(Execute(path, YesNoPolicy::AlwaysYes), kExecute);
    EXPECT_TRUE(IsDirectory(temp / Sjis("ソ\\表")));
    EXPECT_EQ(dialog.m_strOutputPath, path);
}

TEST_F(ExecuteTest, TheOverwriteQuestion) {
    const std::string path = temp / "r.xml";
    auto file =
        platform::Files().Open(path, platform::OpenMode::Write, platform::ShareMode::Exclusive);
    ASSERT_TRUE(file && file->Close());
    file.reset();
    Execute(path, YesNoPolicy::AlwaysNo);
    EXPECT_TRUE(open);
    EXPECT_TRUE(refocused);
    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Shown{kOverwrite, "所得税", kQuestion}));
    EXPECT_EQ(Execute(path, YesNoPolicy::AlwaysYes), kExecute);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Shown{kOverwrite, "所得税", kQuestion}));
}

TEST_F(ExecuteTest, PresetModeAsksForTheFolderButNotToOverwrite) {
    const std::string existing = temp / "r.xml";
    auto file =
        platform::Files().Open(existing, platform::OpenMode::Write, platform::ShareMode::Exclusive);
    ASSERT_TRUE(file && file->Close());
    file.reset();
    dialog.m_strPresetPath = existing;
    testsupport::ScriptedConsole console([](HeadlessDialog& d) { d.Click(kExecute); },
                                         YesNoPolicy::AlwaysNo);
    {
        RecordingWindows windows;
        EXPECT_EQ(dialog.DoModal(), kExecute);
        EXPECT_TRUE(windows.shown.empty());
    }
    dialog.m_strPresetPath = temp / "new\\r.xml";
    RecordingWindows windows;
    EXPECT_EQ(dialog.DoModal(), CConditionsDlg::kCancelButton);
    ASSERT_GE(windows.shown.size(), 1u);
    EXPECT_EQ(windows.shown[0], (Shown{kCreateFolder, "所得税", kQuestion}));
}

TEST_F(ExecuteTest, ALowerCaseDriveLetterIsAccepted) {
    std::string path = temp / "r.xml";
    path[0] = static_cast<char>(path[0] - 'A' + 'a');
    EXPECT_EQ(Execute(path, YesNoPolicy::AlwaysNo), kExecute);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ExecuteTest, APathWithoutDriveAndFolderTakesItsFirstLetterAsDrive) {
    testsupport::FakeDriveFileSystem files;
    files.driveTypes["R:\\"] = platform::kDriveNoRootDir;
    EXPECT_EQ(Execute("report-brenlo-absent.xml", YesNoPolicy::AlwaysNo), kExecute);
    EXPECT_TRUE(shown.empty());
    files.driveTypes["R:\\"] = platform::kDriveCdRom;
    ExpectRefused("report-brenlo-absent.xml", kInvalidDrive);
}

TEST_F(ExecuteTest, NoExtensionIsAdded) {
    EXPECT_EQ(Execute(temp / "report", YesNoPolicy::AlwaysNo), kExecute);
    EXPECT_EQ(dialog.m_strOutputPath, temp / "report");
}

}  // namespace
