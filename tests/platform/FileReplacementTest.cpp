#include "platform/FileReplacement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/FailingFileSystem.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

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

TEST_F(FileReplacementTest, FilesLeftByEarlierRunsAreNeverOpened) {
    // Killed runs leave temporary files; a link in the way is not followed.
    for (int n = 0; n < 150; ++n) {
        ASSERT_TRUE(testsupport::WriteFile(path_ + "." + std::to_string(n) + ".tmp", "left"));
    }
    ASSERT_TRUE(testsupport::WriteFile(path_ + ".tmp", "left"));
    EXPECT_TRUE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_EQ(testsupport::ReadFile(path_ + ".tmp"), "left");
    EXPECT_EQ(Entries().size(), 152u);
}

TEST_F(FileReplacementTest, ReadOnlyEarlierFileIsRefusedAndKept) {
    const fs::path native = scratch_.NativePath() / "r.xml";
    fs::permissions(native, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_EQ(testsupport::ReadFile(path_), kEarlier);
    EXPECT_EQ(Entries(), std::set<std::string>{"r.xml"});
    fs::permissions(native, fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST_F(FileReplacementTest, ReplacementKeepsTheModeOfTheFileItReplaces) {
    const fs::path native = scratch_.NativePath() / "r.xml";
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(native, mode);
    EXPECT_TRUE(platform::WriteReplacing(path_, WriteLines));
    EXPECT_EQ(fs::status(native).permissions(), mode);
}
#endif

}  // namespace
