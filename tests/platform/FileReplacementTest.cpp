#include "platform/FileReplacement.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include "platform/FileSystem.h"
#include "platform/PageFiles.h"
#include "platform/TemporaryNames.h"
#include "platform/text/PathPieces.h"
#include "support/FailingFileSystem.h"
#include "support/Files.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kCannotGiveAway = "a Windows program cannot give a file away";
bool GiveToAnotherUser(const fs::path&) {
    return false;
}
#else
constexpr const char* kCannotGiveAway = "only root can give a file to nobody";
bool GiveToAnotherUser(const fs::path& native) {
    constexpr uid_t kNobody = 65534;
    return ::getuid() == 0 && ::chown(native.c_str(), kNobody, kNobody) == 0;
}
#endif

class FileReplacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(testsupport::WriteFile(path_, kEarlier));
    }

    // Content of many lines, more than one buffer holds.
    static bool WriteLines(platform::ByteSink& sink) {
        for (int line = 0; line < 3000; ++line) {
            if (!sink.Write(std::string(99, 'x') + "\n")) {
                return false;
            }
        }
        return true;
    }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(scratch_.NativePath())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    static constexpr char kEarlier[] = "earlier\r\n";
    testsupport::TempFolder scratch_;
    std::string path_ = scratch_ / "r.xml";
};

TEST_F(FileReplacementTest, AnyFailureKeepsTheEarlierFileAndLeavesNoTemporary) {
    const struct {
        int failingWrite;
        int failingClose;
    } cases[] = {{1, 0}, {3, 0}, {5, 0}, {0, 1}};
    for (const auto& failure : cases) {
        SCOPED_TRACE(failure.failingWrite);
        testsupport::FailingFileSystem files;
        files.failingWrite = failure.failingWrite;
        files.failingClose = failure.failingClose;
        EXPECT_FALSE(platform::WriteReplacing(path_, WriteLines));
        EXPECT_EQ(testsupport::ReadFile(path_), kEarlier);
        EXPECT_EQ(Entries(), std::set<std::string>{"r.xml"});
    }
    testsupport::FailingFileSystem files;
    EXPECT_TRUE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_LT(files.writes, 10) << "the lines reach the file through a buffer";
    EXPECT_EQ(testsupport::ReadFile(path_)->size(), 300000u);
}

TEST_F(FileReplacementTest, AThrowingWriteLeavesNoTemporary) {
    const auto throwing = [](platform::ByteSink& sink) -> bool {
        sink.Write("partial");
        throw std::runtime_error("stopped");
    };
    EXPECT_THROW(platform::WriteReplacing(path_, throwing), std::runtime_error);
    EXPECT_EQ(testsupport::ReadFile(path_), kEarlier);
    EXPECT_EQ(Entries(), std::set<std::string>{"r.xml"});
}

// A leftover is what a killed run left: a claimed name, a regular file of
// one name, the user's own, not read-only, a day old. Anything else named like
// one, or a fresh one (another run's, still writing), stays.
TEST_F(FileReplacementTest, OnlyStaleLeftoversOfThisProgramAreRemoved) {
    enum Kind { kOld, kFresh, kReadOnly, kLinked, kOtherUsers, kFolder, kSymbolicLink };
    const std::string leftover = platform::NewTemporaryName();
    const struct {
        std::string name;
        Kind kind;
    } cases[] = {
        {leftover, kOld},
        {platform::NewTemporaryName(), kFresh},
        {platform::NewTemporaryName(false), kOld},
        {"~0a9zq1.tmp", kOld},
        {"r.xml.123.tmp", kOld},
        {"Brenlo.lck", kOld},
        {platform::NewTemporaryName(), kReadOnly},
        {platform::NewTemporaryName(), kLinked},
        {platform::NewTemporaryName(), kOtherUsers},
        {platform::NewTemporaryName(), kFolder},
        {platform::NewTemporaryName(), kSymbolicLink},
    };
    ASSERT_TRUE(platform::IsClaimedTemporaryName(leftover)) << "no key of the user's";
    std::set<std::string> expected = {"r.xml"};
    for (const auto& c : cases) {
        const fs::path native = scratch_.NativePath() / c.name;
        if (c.kind == kFolder) {
            fs::create_directory(native);
        } else if (c.kind == kSymbolicLink) {
#ifdef _WIN32
            continue;  // a link needs rights a Windows user seldom has
#else
            fs::create_symlink("r.xml", native);
#endif
        } else {
            ASSERT_TRUE(testsupport::WriteFile(scratch_ / c.name, "left"));
        }
        if (c.kind == kLinked) {
            fs::create_hard_link(native, scratch_.NativePath() / "notes.txt");
            expected.insert("notes.txt");
        }
        if (c.kind == kOtherUsers && !GiveToAnotherUser(native)) {
            std::cout << "another user's leftover left out: " << kCannotGiveAway << "\n";
            fs::remove(native);
            continue;
        }
        if (c.kind != kFresh && c.kind != kSymbolicLink) {
            // Wine gives a folder no time: it is no leftover for its kind anyway.
            std::error_code error;
            fs::last_write_time(native, fs::file_time_type::clock::now() - std::chrono::hours(25),
                                error);
        }
        if (c.kind == kReadOnly) {
            fs::permissions(native, fs::perms::owner_read);
        }
        if (c.name != leftover) {
            expected.insert(c.name);
        }
    }
    EXPECT_TRUE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_EQ(Entries(), expected);
}

// Writing a page removes the pages of its folder a day old, and only pages:
// a name as the program gives them (a digest of eight small hex digits).
TEST_F(FileReplacementTest, AWrittenPageRemovesOnlyOldPages) {
    const struct {
        const char* name;
        bool old;
        bool stays;
    } cases[] = {
        {"a-0123abcd.html", true, false},  {"b-0123abcd.html", false, true},
        {"notes.html", true, true},        {"c-0123abc.html", true, true},
        {"d-0123ABCD.html", true, true},   {"e-0123abcd.htm", true, true},
        {"f-0123abcdef.html", true, true},
    };
    std::set<std::string> expected = {"r.xml", "r-89abcdef.html"};
    for (const auto& c : cases) {
        ASSERT_TRUE(testsupport::WriteFile(scratch_ / c.name, "page"));
        if (c.old) {
            fs::last_write_time(scratch_.NativePath() / c.name,
                                fs::file_time_type::clock::now() - std::chrono::hours(25));
        }
        if (c.stays) {
            expected.insert(c.name);
        }
    }
    EXPECT_TRUE(platform::WritePage(scratch_ / "r-89abcdef.html", "<!DOCTYPE html>"));
    EXPECT_EQ(Entries(), expected);
}

TEST_F(FileReplacementTest, TemporaryNamesFitWhateverTheReportsName) {
    // 80 kanji: 164 bytes in code page 932, 244 in UTF-8, within 255 either way.
    std::string name;
    for (int k = 0; k < 80; ++k) {
        name += testsupport::Sjis("漢");
    }
    name += ".xml";
    const std::string longName = scratch_ / name;
    ASSERT_TRUE(platform::WriteReplacing(longName, WriteLines));
    EXPECT_EQ(testsupport::ReadFile(longName)->size(), 300000u);

    // The longest folder Windows creates, and 36 leftovers of an older naming.
    std::string folder = scratch_.Path();
    folder += "\\" + std::string(247 - folder.size() - 1, 'd');
    ASSERT_TRUE(platform::Files().MakeDirectory(folder));
    for (const char c : std::string_view("0123456789abcdefghijklmnopqrstuvwxyz")) {
        ASSERT_TRUE(testsupport::WriteFile(folder + "\\~" + c + ".tmp", "left"));
    }
    EXPECT_TRUE(platform::WriteReplacing(folder + "\\r", WriteLines));
    EXPECT_EQ(testsupport::ReadFile(folder + "\\r")->size(), 300000u);

    // A longer folder leaves no room for one: refused before anything is made.
    const std::string deeper = folder + "d";
    ASSERT_TRUE(platform::Files().MakeDirectory(deeper));
    EXPECT_FALSE(platform::WriteReplacing(deeper + "\\r", WriteLines));
    EXPECT_EQ(platform::Files().KindOf(deeper + "\\r"), platform::EntryKind::None);
    EXPECT_THAT(platform::TakeFileFailure()->reason, testing::HasSubstr("too long"));
}

TEST_F(FileReplacementTest, ReadOnlyEarlierFileIsRefusedAndKept) {
    const fs::path native = scratch_.NativePath() / "r.xml";
    fs::permissions(native, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_EQ(testsupport::ReadFile(path_), kEarlier);
    EXPECT_EQ(Entries(), std::set<std::string>{"r.xml"});
    fs::permissions(native, fs::perms::owner_write, fs::perm_options::add);
}

#ifdef _WIN32
TEST_F(FileReplacementTest, ReplacementWaitsOutABriefHolder) {
    // A virus scanner holding the report for a moment.
    const HANDLE held = ::CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        ::Sleep(150);
        ::CloseHandle(held);
    });
    EXPECT_TRUE(platform::WriteReplacing(path_, WriteLines));
    release.join();
    EXPECT_EQ(testsupport::ReadFile(path_)->size(), 300000u);
}
#else
// A private file (a page in the temporary folder) is its owner's alone,
// whatever the file it replaces was.
TEST_F(FileReplacementTest, TemporaryHasTheFinalModeBeforeItsFirstByte) {
    const fs::path native = scratch_.NativePath() / "r.xml";
    const fs::perms kRw = fs::perms::owner_read | fs::perms::owner_write;
    for (const bool ownerOnly : {false, true}) {
        for (const fs::perms mode : {kRw, kRw | fs::perms::group_read,
                                     kRw | fs::perms::group_read | fs::perms::others_read}) {
            fs::permissions(native, mode);
            const fs::perms expected = ownerOnly ? kRw : mode;
            testsupport::FailingFileSystem files;
            int seen = 0;
            files.beforeWrite = [&](const std::string& path) {
                const fs::path temporary = scratch_.NativePath() / platform::FileNameOf(path);
                EXPECT_EQ(fs::status(temporary).permissions(), expected);
                ++seen;
            };
            EXPECT_TRUE(ownerOnly ? platform::WriteReplacingPrivate(path_, WriteLines)
                                  : platform::WriteReplacing(path_, WriteLines));
            EXPECT_GT(seen, 0);
            EXPECT_EQ(fs::status(native).permissions(), expected);
        }
    }
    ASSERT_TRUE(platform::WriteReplacingPrivate(scratch_ / "page.html", WriteLines));
    EXPECT_EQ(fs::status(scratch_.NativePath() / "page.html").permissions(), kRw);
}

TEST_F(FileReplacementTest, ADeviceOrPipeIsNeverReplaced) {
    EXPECT_FALSE(platform::WriteReplacing("Z:\\dev\\null", WriteLines));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(platform::TakeFileFailure()->reason, "not a regular file");
}
#endif

}  // namespace
