// Brenlo.exe and Brenlopro.exe end to end under Wine: started by the stand-in
// host or by the user, driven through their real windows.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "gui/GuiDriver.h"
#include "support/Files.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using gui::MessageBoxSeen;
using testsupport::ReadFile;
using testsupport::Sjis;
using testsupport::TempFolder;
using testsupport::WriteFile;
using Lines = std::vector<std::string>;

constexpr wchar_t kDialogCaption[] = L"所得税 - 集計条件";
constexpr wchar_t kWritten[] =
    L"所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";
constexpr wchar_t kNotWritten[] =
    L"XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";

// What the stand-in host recorded, one entry per line. Read while the host
// still writes it, so shared as the C runtime shares.
Lines RecordLines(const std::string& path) {
    Lines lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The value after "key " in the record, once it is there.
std::string AwaitRecord(const std::string& path, const std::string& key) {
    std::string value;
    gui::Eventually([&] {
        for (const std::string& line : RecordLines(path)) {
            if (line.rfind(key + " ", 0) == 0) {
                value = line.substr(key.size() + 1);
            }
        }
        return !value.empty();
    });
    return value;
}

bool IsChecked(HWND dialog, int id) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    return state == BST_CHECKED;
}

class GuiProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        books_ = scratch_ / "Books.json";
        ASSERT_TRUE(UseBooks(ReadFile(SampleBooks()).value_or(std::string())));
    }

    static std::string SampleBooks() {
        return std::string(BRENLO_SOURCE_DIR) + "\\samples\\Books-blue.json";
    }

    // The books every program started from now on reads.
    bool UseBooks(const std::string& content) {
        return !content.empty() && WriteFile(books_, content) &&
               SetEnvironmentVariableA("TOBRA_BOOKS", books_.c_str()) != FALSE;
    }

    std::string Program(const char* name) const { return gui::ProgramFolder() + name; }

    // The stand-in host starting the program with this output path, and the
    // program it started.
    struct HostedRun {
        gui::Process host;
        gui::Process program;
        HWND hostWindow = nullptr;
    };
    HostedRun StartFromHost(const std::string& program, const std::string& path) {
        HostedRun run;
        run.host = gui::Start(Program("stand-in-host.exe"),
                              "\"" + program + "\" \"" + Record() + "\" \"" + path + "\"");
        run.hostWindow = reinterpret_cast<HWND>(std::stoull("0" + AwaitRecord(Record(), "window")));
        run.program =
            gui::Open(static_cast<DWORD>(std::stoul("0" + AwaitRecord(Record(), "started"))));
        return run;
    }

    std::string Record() const { return scratch_ / "host-record.txt"; }

    // The next message box: its text, its buttons, then the answer.
    static void ExpectMessage(DWORD programId, const std::wstring& text, std::vector<int> buttons,
                              int answer, HWND owner = nullptr) {
        std::optional<MessageBoxSeen> box = gui::WaitForMessageBox(programId);
        ASSERT_TRUE(box.has_value()) << "no message box: " << gui::Narrow(text);
        EXPECT_EQ(text, box->text);
        EXPECT_EQ(buttons, box->buttons);
        if (owner != nullptr) {
            EXPECT_EQ(owner, box->owner);
        }
        gui::Answer(*box, answer);
        EXPECT_TRUE(gui::WaitUntilGone(box->window));
    }

    // brenlo-cli's report for the same books and command line.
    std::string CliReport(const std::string& commandLineFields) {
        const std::string path = scratch_ / "cli.xml";
        const std::string books = scratch_ / "cli-books.json";
        EXPECT_TRUE(WriteFile(books, ReadFile(books_).value_or(std::string())));
        // Its completion line needs a standard output to go to.
        gui::Process cli = gui::StartWithOutput(
            Program("brenlo-cli.exe"),
            "--books \"" + books + "\" --command-line \"" + commandLineFields + path + "\" --quiet",
            scratch_ / "cli-output.txt");
        EXPECT_EQ(std::optional<DWORD>(0), cli.WaitForExit());
        return ReadFile(path).value_or(std::string());
    }

    TempFolder scratch_;
    std::string books_;
};

TEST_F(GuiProgramTest, HostStartedRunWritesTheReport) {
    // A blank in the path: the host's last field is the rest of the line.
    const std::string report = scratch_ / "out put.xml";
    HostedRun run = StartFromHost(Program("Brenlo.exe"), report);
    ASSERT_TRUE(run.program.Started());
    const HWND host = run.hostWindow;

    HWND dialog = gui::WaitForWindow(run.program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);
    EXPECT_FALSE(IsWindowEnabled(host)) << "the host is disabled while the program runs";
    EXPECT_EQ(host, GetWindow(dialog, GW_OWNER));
    EXPECT_EQ(L" 松本表具店（松本 十蔵）", gui::ControlText(dialog, 1004));
    EXPECT_EQ(L" 2021/01/01～2021/12/31", gui::ControlText(dialog, 1005));
    EXPECT_EQ(L"あり", gui::ControlText(dialog, 1008));
    EXPECT_EQ(gui::Wide(report), gui::ControlText(dialog, 1016));
    EXPECT_EQ(L"出力先", gui::ControlText(dialog, 1015)) << "the host fixed the path";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1016)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1017)));
    EXPECT_TRUE(IsChecked(dialog, 1010));

    gui::PressKey(dialog, VK_F12);
    // The progress window works as a child of the host window.
    HWND progress = gui::WaitForChild(host, L"#32770");
    ASSERT_NE(nullptr, progress);
    // Busy, the program answers no messages: its caption as the system holds it.
    wchar_t caption[32] = {};
    GetWindowTextW(progress, caption, 32);
    EXPECT_EQ(L"集計中", std::wstring(caption).substr(0, 3));
    EXPECT_NE(nullptr, GetDlgItem(progress, 1018));
    EXPECT_NE(nullptr, GetDlgItem(progress, 1019));
    ExpectMessage(run.program.Id(), kWritten, {IDOK}, IDOK, host);
    EXPECT_FALSE(IsWindow(progress)) << "closed before the message";
    EXPECT_TRUE(run.host.WaitForExit().has_value());

    const Lines record = RecordLines(Record());
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ((Lines{"enabled 0", "enabled 1", "completion 7 0", "exited 0"}),
              Lines(record.begin() + 2, record.end()));
    const std::optional<std::string> written = ReadFile(report);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(CliReport("1234,1025,7,"), *written) << "the same report as brenlo-cli's";
    EXPECT_NE(std::string::npos, written->find("<FUNCTIONID>7</FUNCTIONID>"));
}

TEST_F(GuiProgramTest, EscapeCancelsAndTellsTheHost) {
    const std::string report = scratch_ / "cancelled.xml";
    HostedRun run = StartFromHost(Program("Brenlo.exe"), report);
    HWND dialog = gui::WaitForWindow(run.program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);

    gui::PressKey(dialog, VK_ESCAPE);
    ExpectMessage(run.program.Id(), L"｢所得税｣の集計を中止します。", {IDOK}, IDOK);
    EXPECT_TRUE(run.host.WaitForExit().has_value());
    const Lines record = RecordLines(Record());
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ((Lines{"enabled 0", "enabled 1", "completion 7 1", "exited 0"}),
              Lines(record.begin() + 2, record.end()));
    EXPECT_FALSE(ReadFile(report).has_value());
}

TEST_F(GuiProgramTest, FailingReportTellsTheHost) {
    // An unknown blue-return deduction choice: the business report cannot be written.
    std::string books = ReadFile(SampleBooks()).value_or(std::string());
    const std::string choice = "\"blueDeductionChoice\": 1";
    ASSERT_NE(std::string::npos, books.find(choice));
    books.replace(books.find(choice), choice.size(), "\"blueDeductionChoice\": 9");
    ASSERT_TRUE(UseBooks(books));

    const std::string report = scratch_ / "failed.xml";
    HostedRun run = StartFromHost(Program("Brenlo.exe"), report);
    HWND dialog = gui::WaitForWindow(run.program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);

    gui::PressKey(dialog, VK_F12);
    HWND progress = gui::WaitForChild(run.hostWindow, L"#32770");
    ASSERT_NE(nullptr, progress);
    // The failure is told over the progress window, which closes after it.
    ExpectMessage(run.program.Id(), kNotWritten, {IDOK}, IDOK, progress);
    EXPECT_TRUE(gui::WaitUntilGone(progress));
    EXPECT_TRUE(run.host.WaitForExit().has_value());
    const Lines record = RecordLines(Record());
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ((Lines{"enabled 0", "enabled 1", "completion 7 2", "exited 0"}),
              Lines(record.begin() + 2, record.end()));
    EXPECT_FALSE(ReadFile(report).has_value()) << "no partial report is left";
}

TEST_F(GuiProgramTest, MissingDefinitionFileIsShownAndToldTheHost) {
    // The program alone in a folder: no NorvikDef.ini beside it.
    const std::string folder = scratch_ / "bare";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(Program("Brenlo.exe").c_str(), (folder + "\\Brenlo.exe").c_str(), TRUE));
    HostedRun run = StartFromHost(folder + "\\Brenlo.exe", scratch_ / "never.xml");
    ExpectMessage(run.program.Id(),
                  L"動作環境が不正です。\nES_"
                  L"APRPACKAGENAMEが正しくインストールされているか確認してください。",
                  {IDOK}, IDOK);
    EXPECT_TRUE(run.host.WaitForExit().has_value());
    const Lines record = RecordLines(Record());
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ((Lines{"enabled 0", "enabled 1", "completion 7 2", "exited 0"}),
              Lines(record.begin() + 2, record.end()));
}

TEST_F(GuiProgramTest, InteractiveRunCreatesTheFolderAndAsksBeforeOverwriting) {
    const std::string report = scratch_ / Sjis("新しい フォルダ\\出力\\所得税.xml");
    {
        gui::Process program = gui::Start(Program("Brenlo.exe"));
        HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(nullptr, GetWindow(dialog, GW_OWNER)) << "no host window";
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1016)));
        gui::Type(dialog, 1016, gui::Wide(report));
        gui::Click(dialog, 1011);
        // Enter on a radio button goes on to the path, then F12 executes.
        ASSERT_TRUE(
            gui::Eventually([&] { return gui::FocusOf(dialog) == GetDlgItem(dialog, 1011); }));
        gui::PressKey(dialog, VK_RETURN);
        ASSERT_TRUE(
            gui::Eventually([&] { return gui::FocusOf(dialog) == GetDlgItem(dialog, 1016); }));
        gui::PressKey(dialog, VK_F12);
        ExpectMessage(program.Id(),
                      L"指定されたフォルダは存在しません。\n\n作成してもよろしいですか？",
                      {IDYES, IDNO}, IDYES);
        ExpectMessage(program.Id(), kWritten, {IDOK}, IDOK);
        EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit());
    }
    const std::optional<std::string> first = ReadFile(report);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(std::string::npos, first->find("<FUDOUSANSYOTOKU>")) << "the real-estate report";

    // The second run starts from the remembered kind and path.
    gui::Process program = gui::Start(Program("Brenlo.exe"));
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(gui::Wide(report), gui::ControlText(dialog, 1016));
    EXPECT_TRUE(IsChecked(dialog, 1011));
    gui::PressKey(dialog, VK_F12);
    const wchar_t overwrite[] = L"同名のファイルが存在します。\n\n上書きしてもよろしいですか？";
    ExpectMessage(program.Id(), overwrite, {IDYES, IDNO}, IDNO);
    EXPECT_TRUE(IsWindow(dialog)) << "No keeps the dialog open";
    EXPECT_TRUE(gui::Eventually([&] { return gui::FocusOf(dialog) == GetDlgItem(dialog, 1016); }))
        << "back in the path";
    gui::PressKey(dialog, VK_F12);
    ExpectMessage(program.Id(), overwrite, {IDYES, IDNO}, IDYES);
    ExpectMessage(program.Id(), kWritten, {IDOK}, IDOK);
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit());
    EXPECT_EQ(first, ReadFile(report));
}

TEST_F(GuiProgramTest, BrowsingPicksAnExistingFile) {
    const std::string existing = scratch_ / Sjis("前回.xml");
    ASSERT_TRUE(WriteFile(existing, "<REPORT/>"));
    gui::Process program = gui::Start(Program("Brenlo.exe"));
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);

    gui::Click(dialog, 1017);
    HWND browser = gui::WaitForWindow(program.Id(), L"保存ファイルを指定", L"#32770");
    ASSERT_NE(nullptr, browser);
    EXPECT_EQ(dialog, GetWindow(browser, GW_OWNER));
    // The file-name box of the system's dialog.
    HWND name = GetDlgItem(browser, cmb13);
    ASSERT_NE(nullptr, name);
    const std::wstring chosen = L"前回.xml";
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    gui::Click(browser, IDOK);
    ASSERT_TRUE(gui::WaitUntilGone(browser));

    EXPECT_TRUE(gui::Eventually([&] { return gui::FocusOf(dialog) == GetDlgItem(dialog, 1013); }))
        << "ready to execute";
    EXPECT_EQ(gui::Wide(existing), gui::ControlText(dialog, 1016));
    gui::PressKey(dialog, VK_ESCAPE);
    ExpectMessage(program.Id(), L"｢所得税｣の集計を中止します。", {IDOK}, IDOK);
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit());
}

TEST_F(GuiProgramTest, ProEditionNamesItsProductAndSettingsFile) {
    // A program folder without the support file: the edition's product name.
    const std::string folder = scratch_ / "pro";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(
        CopyFileA(Program("Brenlopro.exe").c_str(), (folder + "\\Brenlopro.exe").c_str(), TRUE));
    ASSERT_TRUE(
        CopyFileA(Program("NorvikDef.ini").c_str(), (folder + "\\NorvikDef.ini").c_str(), TRUE));
    const std::string report = scratch_ / "pro.xml";
    gui::Process program = gui::Start(folder + "\\Brenlopro.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    ASSERT_NE(nullptr, dialog);
    gui::Type(dialog, 1016, gui::Wide(report));
    gui::PressKey(dialog, VK_F12);
    ExpectMessage(program.Id(), kWritten, {IDOK}, IDOK);
    EXPECT_EQ(std::optional<DWORD>(0), program.WaitForExit());

    const std::string written = ReadFile(report).value_or(std::string());
    EXPECT_NE(std::string::npos, written.find(Sjis("<PROGRAMNAME>Tellary２１ PRO</PROGRAMNAME>")));
    EXPECT_TRUE(ReadFile(scratch_ / "Brenlopro.env").has_value());
    EXPECT_FALSE(ReadFile(scratch_ / "Brenlo.env").has_value());
}

}  // namespace
