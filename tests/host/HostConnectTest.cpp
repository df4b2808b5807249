#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "books/BooksPath.h"
#include "host/HostTestSupport.h"
#include "hostapi/ClAccConnect.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClFileMgr.h"
#include "hostapi/ClMsgMgr.h"
#include "hostapi/ClSysEnvMgr.h"
#include "hostapi/ClSysUser.h"
#include "platform/Console.h"
#include "platform/text/PathPieces.h"
#include "platform/text/TerminalText.h"
#include "support/ScriptedConsole.h"

// Connecting to the host: which books it loads, what it answers and what it
// remembers of the program's calls.

namespace {

using hosttest::OneEntry;
namespace books = tobra::books;

class HostConnect : public hosttest::HostTest {
protected:
    static std::string User() {
        char user[65] = {};
        ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(user);
        return user;
    }
};

TEST_F(HostConnect, InitiateLoadsTheChosenBooksFile) {
    hosttest::TempBooksFile file(R"({"format": "books/1", "user": "FILE", "entries": []})");
    books::UseBooksFile(file.Path());
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    EXPECT_EQ(User(), "FILE");
}

TEST_F(HostConnect, InitiateKeepsBooksAlreadyInstalled) {
    Books(R"({"format": "books/1", "user": "INLINE", "entries": []})");
    books::UseBooksFile(platform::Files().TempFolder() + "brenlo-no-such-books.json");
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    EXPECT_EQ(User(), "INLINE");
}

TEST_F(HostConnect, ReleaseMakesTheNextInitiateReload) {
    hosttest::TempBooksFile file(R"({"format": "books/1", "user": "FIRST", "entries": []})");
    books::UseBooksFile(file.Path());
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    file.Write(R"({"format": "books/1", "user": "SECOND", "entries": []})");
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    EXPECT_EQ(User(), "FIRST");

    EXPECT_EQ(ClAccConnect::Inst()->LogOut(), 0);
    EXPECT_EQ(ClAccConnect::Inst()->Terminate(), 0);
    EXPECT_EQ(ClAccConnect::Inst()->Release(), 0);
    EXPECT_EQ(books::Current(), nullptr);
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    EXPECT_EQ(User(), "SECOND");
}

// The host's lines in English for the test, whatever the console reads.
class EnglishLines {
public:
    EnglishLines() : before_(platform::console::LinesLanguage()) {
        platform::console::SetLinesLanguage(platform::console::Language::English);
    }
    ~EnglishLines() { platform::console::SetLinesLanguage(before_); }
    EnglishLines(const EnglishLines&) = delete;
    EnglishLines& operator=(const EnglishLines&) = delete;

private:
    platform::console::Language before_;
};

TEST_F(HostConnect, RefusedBooksFailInitiateWithTheMessageOnStderr) {
    const EnglishLines english;
    hosttest::TempBooksFile file(OneEntry(R"("general": {"7": {}})"));
    books::UseBooksFile(file.Path());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 1);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed,
              "books file " + file.Path() +
                  ": entries[0].general.7: unknown block (general has blocks \"0\" to \"6\")\n");
    EXPECT_EQ(books::Current(), nullptr);
}

TEST_F(HostConnect, TheBooksFilesOwnBytesReachTheTerminalAsText) {
    const EnglishLines english;  // the English line quotes the file's own bytes
    // An unknown key that clears the screen (a JSON escape), and a byte that
    // is no UTF-8, which the parser quotes.
    const struct {
        const char* books;
        const char* shown;
    } cases[] = {
        {R"({"format": "books/1", "entries": [], "\u001b[2Jx": 1})", "\xE2\x90\x9B[2Jx"},
        {"{\"format\": \"books/1\", \"\xff\": 1}", "<FF>"},
    };
    for (const auto& c : cases) {
        hosttest::TempBooksFile file(c.books);
        books::UseBooksFile(file.Path());
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 1);
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(printed.find(c.shown), std::string::npos) << printed;
        EXPECT_EQ(platform::text::ForTerminal(printed), printed);
    }
}

TEST_F(HostConnect, MissingBooksFileFailsInitiate) {
    const EnglishLines english;
    books::UseBooksFile(platform::Files().TempFolder() + "brenlo-no-such-books.json");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(
                  "brenlo-no-such-books.json: cannot be opened"),
              std::string::npos);
}

TEST_F(HostConnect, ResultsOverrideInitiateAndExpSysLink) {
    Books(R"({"format": "books/1", "entries": [], "results": {"Initiate": 7, "ExpSysLink": 1}})");
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 7);
    EXPECT_EQ(ClAccConnect::Inst()->ExpSysLink(), 1);
}

TEST_F(HostConnect, WithoutBooksTheHostAnswersNothing) {
    EXPECT_NE(ClAccConnect::Inst()->ExpSysLink(), 0);
    char user[65] = "stale";
    EXPECT_NE(ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(user), 0);
    EXPECT_STREQ(user, "");
    std::int32_t first = 0;
    std::int32_t second = 0;
    EXPECT_NE(ClDataMgr::Inst()->GetSysUserObject()->GetSelectedNo(user, &first, &second), 0);
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "");
}

TEST_F(HostConnect, AppAndDataTypesAreRecorded) {
    EXPECT_FALSE(books::Recorded().appType);
    EXPECT_EQ(ClAccConnect::Inst()->SetAppType(21), 0);
    EXPECT_EQ(ClAccConnect::Inst()->SetUseDataType(3), 0);
    EXPECT_EQ(books::Recorded().appType, 21);
    EXPECT_EQ(books::Recorded().useDataType, 3);
}

TEST_F(HostConnect, MessagesAreShownAsMessageBoxesAndRecorded) {
    testsupport::ScriptedConsole console;
    const int answer = ClAccConnect::Inst()->DispMsg(
        42, "\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB5\x82\xBD\r\nOK", "Brenlo", 0x40);
    EXPECT_EQ(console.Messages(), "[Brenlo]\n出力しました\nOK\n\n");
    EXPECT_EQ(answer, 1);  // IDOK
    ASSERT_EQ(books::Recorded().messages.size(), 1u);
    const books::DisplayedMessage& message = books::Recorded().messages[0];
    EXPECT_EQ(message.owner, 42);
    EXPECT_EQ(message.caption, "Brenlo");
    EXPECT_EQ(message.text, "\x8F\x6F\x97\xCD\x82\xB5\x82\xDC\x82\xB5\x82\xBD\r\nOK");
    EXPECT_EQ(message.flags, 0x40u);
}

TEST_F(HostConnect, TheAnswerIsTheUsers) {
    testsupport::ScriptedConsole console({}, platform::headless::YesNoPolicy::AlwaysYes);
    EXPECT_EQ(ClAccConnect::Inst()->DispMsg(0, "?", "Q", 0x4), 6);  // yes/no: IDYES
    EXPECT_EQ(ClAccConnect::Inst()->DispMsg(0, nullptr, nullptr, 0), 1)
        << "nothing to show still shows a box";
    EXPECT_EQ(books::Recorded().messages.size(), 2u);
    EXPECT_EQ(console.Messages(), "[Q]\n?\n(y/n) y\n\n[]\n\n\n");
}

TEST_F(HostConnect, ManagersAreSingletons) {
    ClDataMgr* data = ClDataMgr::Inst();
    EXPECT_EQ(data, ClDataMgr::Inst());
    EXPECT_NE(data->GetSysUserObject(), nullptr);
    EXPECT_EQ(data->GetSysUserObject(), data->GetSysUserObject());
    EXPECT_NE(data->GetSetObject(5, 1), nullptr);
    EXPECT_EQ(data->GetSetObject(5, 1), data->GetSetObject(5, 1));
    EXPECT_EQ(data->GetSetObject(5, 2), nullptr);
    EXPECT_EQ(data->GetSetObject(1, 1), nullptr);
    EXPECT_NE(data->GetSetMgr(), nullptr);
    EXPECT_EQ(data->GetSetMgr(), data->GetSetMgr());
    EXPECT_NE(ClLinkMgr::Inst()->GetOptLink(), nullptr);
    EXPECT_EQ(ClLinkMgr::Inst()->GetOptLink(), ClLinkMgr::Inst()->GetOptLink());
    EXPECT_EQ(ClAccConnect::Inst(), ClAccConnect::Inst());
    EXPECT_EQ(ClFileMgr::Inst(), ClFileMgr::Inst());
    EXPECT_EQ(ClMsgMgr::Inst(), ClMsgMgr::Inst());
    EXPECT_EQ(ClSysEnvMgr::Inst(), ClSysEnvMgr::Inst());
}

TEST(BooksPath, NativePosixPathsAreReachedThroughDriveZ) {
    EXPECT_EQ(books::BooksPathFromUser("/tmp/x/Books.json"), "Z:\\tmp\\x\\Books.json");
    EXPECT_EQ(books::BooksPathFromUser("/tmp/表/Books.json"), "Z:\\tmp\\\x95\x5C\\Books.json");
}

TEST(BooksPath, WindowsPathsStayAsTheyAre) {
    EXPECT_EQ(books::BooksPathFromUser("Z:\\tmp\\x\\Books.json"), "Z:\\tmp\\x\\Books.json");
    EXPECT_EQ(books::BooksPathFromUser("c:/books.json"), "c:/books.json");
    EXPECT_EQ(books::BooksPathFromUser("\\\\server\\share\\Books.json"),
              "\\\\server\\share\\Books.json");
}

TEST(BooksPath, RelativePathsStartAtTheCurrentFolder) {
    std::string folder = platform::Files().CurrentFolder();
    if (folder.back() != '\\') {
        folder += '\\';
    }
    EXPECT_EQ(books::BooksPathFromUser("data/Books.json"), folder + "data\\Books.json");
}

TEST(BooksPath, ChosenFileComesFirst) {
    books::UseBooksFile("Z:\\chosen\\Books.json");
    EXPECT_EQ(books::BooksFilePath(), "Z:\\chosen\\Books.json");
    books::Reset();
    if (std::getenv(books::kBooksVariable) == nullptr) {
        EXPECT_EQ(books::BooksFilePath(),
                  platform::FolderOf(platform::Files().ModuleFilePath()) + "Books.json");
    }
}

}  // namespace
