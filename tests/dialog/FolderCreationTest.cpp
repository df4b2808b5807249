#include "dialog/FolderCreation.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "support/FakeDriveFileSystem.h"
#include "support/Files.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::IsDirectory;
using testsupport::Sjis;

class FolderCreationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(temp.Path().empty()); }

    testsupport::TempFolder temp;
};

TEST_F(FolderCreationTest, CreatesEveryMissingLevel) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a"));
    EXPECT_TRUE(CreateFolderLevels(temp / "a\\b\\c\\"));
    EXPECT_TRUE(IsDirectory(temp / "a\\b"));
    EXPECT_TRUE(IsDirectory(temp / "a\\b\\c"));
    // Existing levels are fine; without a trailing backslash the last name is a file's.
    EXPECT_TRUE(CreateFolderLevels(temp / "a\\b\\c\\d"));
    EXPECT_FALSE(IsDirectory(temp / "a\\b\\c\\d"));
}

TEST_F(FolderCreationTest, NamesEndingInA5CTrailByteAreNames) {
    EXPECT_TRUE(CreateFolderLevels(temp / Sjis("ソ\\表\\")));
    EXPECT_TRUE(IsDirectory(temp / Sjis("ソ")));
    EXPECT_TRUE(IsDirectory(temp / Sjis("ソ\\表")));
    EXPECT_TRUE(CreateFolderLevels(temp / Sjis("ソ\\表\\能\\")));
    EXPECT_TRUE(IsDirectory(temp / Sjis("ソ\\表\\能")));
}

TEST_F(FolderCreationTest, AFailurePartWayRemovesOnlyWhatThisAttemptCreated) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a"));
    for (int failing = 1; failing <= 3; ++failing) {
        SCOPED_TRACE(failing);
        testsupport::FakeDriveFileSystem files;
        files.failingMakeDirectory = failing;
        EXPECT_FALSE(CreateFolderLevels(temp / "a\\b\\c\\d\\"));
        EXPECT_TRUE(IsDirectory(temp / "a"));
        EXPECT_FALSE(IsDirectory(temp / "a\\b"));
        EXPECT_EQ(files.makeDirectoryCalls, failing);
    }
}

TEST_F(FolderCreationTest, AFailureBelowAnExistingLevelKeepsIt) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a"));
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a\\b"));
    testsupport::FakeDriveFileSystem files;
    files.failingMakeDirectory = 2;
    EXPECT_FALSE(CreateFolderLevels(temp / "a\\b\\c\\d\\"));
    EXPECT_TRUE(IsDirectory(temp / "a\\b"));
    EXPECT_FALSE(IsDirectory(temp / "a\\b\\c"));
}

TEST_F(FolderCreationTest, RefusesFoldersWithoutRootOrTooLong) {
    EXPECT_FALSE(CreateFolderLevels(""));
    EXPECT_FALSE(CreateFolderLevels("relative\\folder\\"));
    EXPECT_FALSE(CreateFolderLevels("C:relative\\"));
    EXPECT_FALSE(CreateFolderLevels(temp.Path() + "\\" + std::string(261, 'x')));
}

TEST_F(FolderCreationTest, RemoveCreatedFoldersStopsAtTheKeptFolder) {
    ASSERT_TRUE(CreateFolderLevels(temp / "a\\b\\c\\"));
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "a\\x"));
    EXPECT_TRUE(RemoveCreatedFolders(temp / "a\\b\\c\\", temp / "A\\"));
    EXPECT_FALSE(IsDirectory(temp / "a\\b"));
    EXPECT_TRUE(IsDirectory(temp / "a"));
    EXPECT_TRUE(IsDirectory(temp / "a\\x"));
}

TEST_F(FolderCreationTest, RemoveCreatedFoldersKeepsWhatIsNotEmpty) {
    ASSERT_TRUE(CreateFolderLevels(temp / "a\\b\\c\\"));
    auto file = platform::Files().Open(temp / "a\\b\\keep.txt", platform::OpenMode::Write,
                                       platform::ShareMode::Exclusive);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Close());
    file.reset();
    EXPECT_FALSE(RemoveCreatedFolders(temp / "a\\b\\c\\", temp / "a\\"));
    EXPECT_FALSE(IsDirectory(temp / "a\\b\\c"));
    EXPECT_TRUE(IsDirectory(temp / "a\\b"));
}

TEST_F(FolderCreationTest, RemoveCreatedFoldersRefusesUnrelatedFolders) {
    ASSERT_TRUE(CreateFolderLevels(temp / "a\\b\\"));
    EXPECT_FALSE(RemoveCreatedFolders(temp / "a\\b\\", temp / "other\\"));
    EXPECT_FALSE(RemoveCreatedFolders(temp / "a\\b\\", "Q:\\"));
    EXPECT_FALSE(RemoveCreatedFolders("relative\\", temp / "a\\"));
    EXPECT_TRUE(IsDirectory(temp / "a\\b"));
}

}  // namespace
