#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "support/Files.h"
#include "support/TempFolder.h"

// These tests run unchanged against the POSIX adapter and, in the Windows
// build under Wine, against the Win32 functions the adapter stands in for.

namespace {

using platform::EntryKind;
using platform::OpenMode;
using platform::ShareMode;

using testsupport::CurrentFolderGuard;
using testsupport::ReadFile;
using testsupport::WriteFile;

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch_.Path().empty()); }

    platform::FileSystem& files_ = platform::Files();
    testsupport::TempFolder scratch_;
};

TEST_F(FileSystemTest, DriveTypesOfRoots) {
    EXPECT_EQ(platform::kDriveFixed, files_.DriveTypeOf("Z:\\"));
    EXPECT_EQ(platform::kDriveFixed, files_.DriveTypeOf("z:\\"));
    EXPECT_EQ(platform::kDriveFixed, files_.DriveTypeOf("Z:"));
    EXPECT_EQ(platform::kDriveFixed, files_.DriveTypeOf(scratch_.Path().substr(0, 3)));
    EXPECT_EQ(platform::kDriveFixed, files_.DriveTypeOf("\\"));
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf("Q:\\"));
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf("\\\\brenlo-no-such-host\\share\\"));
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf(""));
}

TEST_F(FileSystemTest, AccessFollowsTheCRuntime) {
    const std::string file = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(file, "a"));

    for (int mode : {platform::kAccessExists, platform::kAccessWrite, platform::kAccessRead,
                     platform::kAccessReadWrite}) {
        EXPECT_TRUE(files_.HasAccess(file, mode)) << mode;
    }
    EXPECT_TRUE(files_.HasAccess(scratch_.Path(), platform::kAccessExists));
    EXPECT_TRUE(files_.HasAccess(scratch_.Path() + "\\", platform::kAccessExists));
    EXPECT_FALSE(files_.HasAccess(file + "\\", platform::kAccessExists));
    EXPECT_FALSE(files_.HasAccess(scratch_ / "missing.txt", platform::kAccessExists));
    EXPECT_FALSE(files_.HasAccess("Q:\\a.txt", platform::kAccessExists));
    // Execute (1) is no mode of _access.
    EXPECT_FALSE(files_.HasAccess(file, 1));
}

TEST_F(FileSystemTest, ShareOfAnUnknownServerHasNoAccess) {
    EXPECT_FALSE(files_.ShareHasAccess("\\\\brenlo-no-such-host\\share", platform::kAccessExists));
}

TEST_F(FileSystemTest, DirectoryIsMadeAndRemovedOnlyWhenEmpty) {
    const std::string folder = scratch_ / "out";
    const std::string file = folder + "\\r.xml";

    ASSERT_TRUE(files_.MakeDirectory(folder));
    EXPECT_FALSE(files_.MakeDirectory(folder));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(folder));
    ASSERT_TRUE(WriteFile(file, "<r/>"));

    EXPECT_FALSE(files_.RemoveEmptyDirectory(folder));
    EXPECT_EQ(EntryKind::File, files_.KindOf(file));

    EXPECT_TRUE(files_.RemoveFile(file));
    EXPECT_TRUE(files_.RemoveEmptyDirectory(folder));
    EXPECT_EQ(EntryKind::None, files_.KindOf(folder));
    EXPECT_FALSE(files_.RemoveEmptyDirectory(folder));
}

TEST_F(FileSystemTest, DirectoryWithTrailingBackslashIsMadeAndRemoved) {
    const std::string folder = scratch_ / "out\\";
    EXPECT_TRUE(files_.MakeDirectory(folder));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(scratch_ / "out"));
    EXPECT_TRUE(files_.RemoveEmptyDirectory(folder));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "out"));
}

TEST_F(FileSystemTest, DirectoryNeedsItsParent) {
    EXPECT_FALSE(files_.MakeDirectory(scratch_ / "missing\\sub"));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "missing"));
}

TEST_F(FileSystemTest, FilesAndDirectoriesAreNotMixedUp) {
    const std::string file = scratch_ / "a.txt";
    const std::string folder = scratch_ / "dir";
    ASSERT_TRUE(WriteFile(file, "a"));
    ASSERT_TRUE(files_.MakeDirectory(folder));

    EXPECT_FALSE(files_.RemoveEmptyDirectory(file));
    EXPECT_FALSE(files_.RemoveFile(folder));
    EXPECT_FALSE(files_.MakeDirectory(file));
    EXPECT_EQ(nullptr, files_.Open(folder, OpenMode::Read, ShareMode::ReadWrite));
    EXPECT_EQ(nullptr, files_.Open(folder, OpenMode::Write, ShareMode::Exclusive));
    EXPECT_EQ(EntryKind::File, files_.KindOf(file));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(folder));
}

TEST_F(FileSystemTest, KindOfFilesAndFolders) {
    const std::string file = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(file, "a"));

    EXPECT_EQ(EntryKind::File, files_.KindOf(file));
    EXPECT_EQ(EntryKind::None, files_.KindOf(file + "\\"));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(scratch_.Path()));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(scratch_.Path() + "\\"));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "missing"));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "missing\\"));
    EXPECT_EQ(EntryKind::None, files_.KindOf("Q:\\"));
}

TEST_F(FileSystemTest, PathsAreReadTheWayWin32ReadsThem) {
    const std::string file = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(file, "a"));
    std::string slashes = file;
    std::replace(slashes.begin(), slashes.end(), '\\', '/');

    EXPECT_EQ(EntryKind::File, files_.KindOf(slashes));
    EXPECT_EQ(EntryKind::File, files_.KindOf(scratch_ / "\\\\a.txt"));
    EXPECT_EQ(EntryKind::File, files_.KindOf(scratch_ / ".\\a.txt"));
    EXPECT_EQ(EntryKind::File, files_.KindOf(scratch_ / "missing\\..\\a.txt"));
    // Trailing dots and blanks of the last name are dropped.
    EXPECT_EQ(EntryKind::File, files_.KindOf(file + "."));
    EXPECT_EQ(EntryKind::File, files_.KindOf(file + " "));
    // Characters no Windows name may hold.
    EXPECT_FALSE(files_.MakeDirectory(scratch_ / "a?b"));
    EXPECT_FALSE(files_.MakeDirectory(scratch_ / "a*b"));
    EXPECT_FALSE(files_.MakeDirectory(scratch_ / "a|b"));
}

TEST_F(FileSystemTest, DoubleByteNamesWithTrailByte5CAreNotSplit) {
    // ソ is 83 5C and 表 is 95 5C: their trail byte is a backslash.
    const std::string folder = scratch_ / "\x83\x5C\x95\x5C";
    const std::string file = folder + "\\\x95\x5C.txt";

    // Read as separators, they would ask for a folder under a missing one.
    ASSERT_TRUE(files_.MakeDirectory(folder));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(folder));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(folder + "\\"));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "\x83\x5C"));

    ASSERT_TRUE(WriteFile(file, "\x83\x5C"));
    EXPECT_EQ(EntryKind::File, files_.KindOf(file));
    EXPECT_EQ(std::optional<std::string>("\x83\x5C"), ReadFile(file));

    EXPECT_TRUE(files_.MakeDirectory(folder + "\\\x83\x5C"));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(folder + "\\\x83\x5C\\"));
}

TEST_F(FileSystemTest, FileIsWrittenAndReadBack) {
    const std::string path = scratch_ / "r.xml";
    {
        std::unique_ptr<platform::File> file =
            files_.Open(path, OpenMode::Write, ShareMode::Exclusive);
        ASSERT_NE(nullptr, file);
        EXPECT_TRUE(file->Write("hello, "));
        EXPECT_TRUE(file->Write("world"));
        EXPECT_TRUE(file->Write(""));
        EXPECT_EQ(std::optional<std::uint64_t>(12), file->Size());
        EXPECT_TRUE(file->Close());
    }
    std::unique_ptr<platform::File> file = files_.Open(path, OpenMode::Read, ShareMode::Read);
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(std::optional<std::uint64_t>(12), file->Size());
    std::array<char, 64> buffer{};
    const std::optional<std::size_t> count = file->Read(buffer);
    ASSERT_EQ(std::optional<std::size_t>(12), count);
    EXPECT_EQ("hello, world", std::string_view(buffer.data(), *count));
    EXPECT_EQ(std::optional<std::size_t>(0), file->Read(buffer));
    EXPECT_TRUE(file->Close());
}

TEST_F(FileSystemTest, LargeFileIsWrittenWhole) {
    std::string content(300000, '\0');
    for (std::size_t k = 0; k < content.size(); ++k) {
        content[k] = static_cast<char>(k * 7 % 251);
    }
    const std::string path = scratch_ / "large.bin";
    ASSERT_TRUE(WriteFile(path, content));
    EXPECT_EQ(std::optional<std::string>(content), ReadFile(path));
}

TEST_F(FileSystemTest, WriteTruncatesAnExistingFile) {
    const std::string path = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(path, "long content"));
    ASSERT_TRUE(WriteFile(path, "abc"));
    EXPECT_EQ(std::optional<std::string>("abc"), ReadFile(path));
}

TEST_F(FileSystemTest, ReadWriteKeepsTheContentAndStartsAtTheBeginning) {
    const std::string path = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(path, "hello"));
    {
        std::unique_ptr<platform::File> file =
            files_.Open(path, OpenMode::ReadWrite, ShareMode::Exclusive);
        ASSERT_NE(nullptr, file);
        std::array<char, 2> start{};
        EXPECT_EQ(std::optional<std::size_t>(2), file->Read(start));
        EXPECT_EQ("he", std::string_view(start.data(), start.size()));
        EXPECT_TRUE(file->Write("XY"));
        EXPECT_TRUE(file->Close());
    }
    EXPECT_EQ(std::optional<std::string>("heXYo"), ReadFile(path));
}

TEST_F(FileSystemTest, OpenFailsForAMissingFileOrFolder) {
    EXPECT_EQ(nullptr, files_.Open(scratch_ / "missing.txt", OpenMode::Read, ShareMode::Read));
    EXPECT_EQ(nullptr,
              files_.Open(scratch_ / "missing.txt", OpenMode::ReadWrite, ShareMode::Exclusive));
    EXPECT_EQ(nullptr,
              files_.Open(scratch_ / "missing\\a.txt", OpenMode::Write, ShareMode::Exclusive));
    EXPECT_EQ(nullptr, files_.Open("Q:\\a.txt", OpenMode::Write, ShareMode::Exclusive));
    EXPECT_EQ(EntryKind::None, files_.KindOf(scratch_ / "missing.txt"));
}

TEST_F(FileSystemTest, ReadersSharingReadingOpenTogether) {
    const std::string path = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(path, "a"));
    std::unique_ptr<platform::File> first = files_.Open(path, OpenMode::Read, ShareMode::Read);
    std::unique_ptr<platform::File> second = files_.Open(path, OpenMode::Read, ShareMode::Read);
    EXPECT_NE(nullptr, first);
    EXPECT_NE(nullptr, second);
}

TEST_F(FileSystemTest, ClosedFileRefusesWork) {
    std::unique_ptr<platform::File> file =
        files_.Open(scratch_ / "a.txt", OpenMode::Write, ShareMode::Exclusive);
    ASSERT_NE(nullptr, file);
    ASSERT_TRUE(file->Close());
    std::array<char, 4> buffer{};
    EXPECT_FALSE(file->Write("x"));
    EXPECT_EQ(std::nullopt, file->Read(buffer));
    EXPECT_EQ(std::nullopt, file->Size());
    EXPECT_FALSE(file->Close());
}

TEST_F(FileSystemTest, FileDestroyedOpenKeepsItsData) {
    const std::string path = scratch_ / "a.txt";
    {
        std::unique_ptr<platform::File> file =
            files_.Open(path, OpenMode::Write, ShareMode::Exclusive);
        ASSERT_NE(nullptr, file);
        ASSERT_TRUE(file->Write("kept"));
    }
    EXPECT_EQ(std::optional<std::string>("kept"), ReadFile(path));
}

TEST_F(FileSystemTest, MoveOverReplacesAnExistingFile) {
    const std::string from = scratch_ / "r.tmp";
    const std::string to = scratch_ / "r.xml";
    ASSERT_TRUE(WriteFile(from, "new"));
    ASSERT_TRUE(WriteFile(to, "old content"));

    EXPECT_TRUE(files_.MoveOver(from, to));
    EXPECT_EQ(EntryKind::None, files_.KindOf(from));
    EXPECT_EQ(std::optional<std::string>("new"), ReadFile(to));

    EXPECT_FALSE(files_.MoveOver(from, to));
    EXPECT_EQ(std::optional<std::string>("new"), ReadFile(to));

    const std::string fresh = scratch_ / "fresh.xml";
    EXPECT_TRUE(files_.MoveOver(to, fresh));
    EXPECT_EQ(EntryKind::None, files_.KindOf(to));
    EXPECT_EQ(std::optional<std::string>("new"), ReadFile(fresh));
}

TEST_F(FileSystemTest, MoveOverDoesNotReplaceAFolder) {
    const std::string from = scratch_ / "a.txt";
    const std::string to = scratch_ / "dir";
    ASSERT_TRUE(WriteFile(from, "a"));
    ASSERT_TRUE(files_.MakeDirectory(to));
    EXPECT_FALSE(files_.MoveOver(from, to));
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(to));
    EXPECT_EQ(EntryKind::File, files_.KindOf(from));
}

TEST_F(FileSystemTest, MoveToNewNeverReplaces) {
    const std::string from = scratch_ / "a.tmp";
    const std::string to = scratch_ / "a.lck";
    ASSERT_TRUE(WriteFile(from, "first"));
    EXPECT_TRUE(files_.MoveToNew(from, to));
    EXPECT_EQ(EntryKind::None, files_.KindOf(from));
    ASSERT_TRUE(WriteFile(from, "second"));
    EXPECT_FALSE(files_.MoveToNew(from, to));
    EXPECT_EQ(std::optional<std::string>("first"), ReadFile(to));
    EXPECT_EQ(std::optional<std::string>("second"), ReadFile(from));
}

TEST_F(FileSystemTest, RemoveFileOnlyOnce) {
    const std::string path = scratch_ / "a.txt";
    ASSERT_TRUE(WriteFile(path, "a"));
    EXPECT_TRUE(files_.RemoveFile(path));
    EXPECT_EQ(EntryKind::None, files_.KindOf(path));
    EXPECT_FALSE(files_.RemoveFile(path));
}

TEST_F(FileSystemTest, CurrentFolderIsSetAndReadBack) {
    CurrentFolderGuard guard;
    ASSERT_TRUE(files_.SetCurrentFolder(scratch_.Path()));
    EXPECT_EQ(scratch_.Path(), files_.CurrentFolder());
    ASSERT_TRUE(files_.SetCurrentFolder(scratch_.Path() + "\\"));
    EXPECT_EQ(scratch_.Path(), files_.CurrentFolder());

    EXPECT_FALSE(files_.SetCurrentFolder(scratch_ / "missing"));
    ASSERT_TRUE(WriteFile(scratch_ / "a.txt", "a"));
    EXPECT_FALSE(files_.SetCurrentFolder(scratch_ / "a.txt"));
    EXPECT_EQ(scratch_.Path(), files_.CurrentFolder());
}

TEST_F(FileSystemTest, RelativePathsStartAtTheCurrentFolder) {
    CurrentFolderGuard guard;
    ASSERT_TRUE(files_.SetCurrentFolder(scratch_.Path()));
    ASSERT_TRUE(WriteFile("rel.txt", "a"));
    const std::string drive = scratch_.Path().substr(0, 2);
    const std::string underRoot = scratch_.Path().substr(2);

    EXPECT_EQ(EntryKind::File, files_.KindOf(scratch_ / "rel.txt"));
    EXPECT_EQ(EntryKind::File, files_.KindOf(".\\rel.txt"));
    // "C:rel.txt" is relative to the current folder of C:.
    EXPECT_EQ(EntryKind::File, files_.KindOf(drive + "rel.txt"));
    // "\..." is on the drive of the current folder.
    EXPECT_EQ(EntryKind::File, files_.KindOf(underRoot + "\\rel.txt"));

    ASSERT_TRUE(files_.MakeDirectory("sub"));
    ASSERT_TRUE(files_.SetCurrentFolder("sub"));
    EXPECT_EQ(scratch_ / "sub", files_.CurrentFolder());
    EXPECT_EQ(EntryKind::File, files_.KindOf("..\\rel.txt"));
}

TEST_F(FileSystemTest, ModulePathNamesTheTestProgram) {
    const std::string path = files_.ModuleFilePath();
    ASSERT_GE(path.size(), 3u);
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(path[0]))) << path;
    EXPECT_EQ(":\\", path.substr(1, 2)) << path;
    const std::string_view name = std::string_view(path).substr(path.rfind('\\') + 1);
    EXPECT_TRUE(name == "brenlo_tests" || name == "brenlo_tests.exe") << path;
    EXPECT_EQ(EntryKind::File, files_.KindOf(path));
}

TEST_F(FileSystemTest, TempFolderEndsWithABackslashAndExists) {
    const std::string temp = files_.TempFolder();
    ASSERT_GE(temp.size(), 3u);
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(temp[0]))) << temp;
    EXPECT_EQ(":\\", temp.substr(1, 2)) << temp;
    EXPECT_EQ('\\', temp.back());
    EXPECT_EQ(EntryKind::Directory, files_.KindOf(temp));
}

// What GetPrivateProfileStringA makes of a settings file.
class FileSystemProfileTest : public FileSystemTest {
protected:
    void SetUp() override {
        FileSystemTest::SetUp();
        ASSERT_TRUE(WriteFile(ini_,
                              "[Conditions]\r\n"
                              "NV14=\r\n"
                              "NV15=3x\r\n"
                              "NV16=03\r\n"
                              "Folder=\"C:\\out dir\\\"\r\n"
                              "Single='abc'\r\n"
                              "Mismatch=\"abc'\r\n"
                              "Lone=\"\r\n"
                              "  Blanks \t=  a b  c \t \r\n"
                              "QuotedBlanks= \" a \" \r\n"
                              "Long=0123456789\r\n"
                              "Kanji=\x95\x5C\x83\x5C\r\n"
                              "Equals=a=b\r\n"
                              "Dup=first\r\n"
                              "Dup=second\r\n"
                              "[Other]\n"
                              "NV14=other\n"
                              "Lf=only\n"
                              "Last=no line end"));
    }

    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultText = "dflt", std::size_t bufferSize = 256) {
        return files_.ReadProfileText(ini_, section, key, defaultText, bufferSize);
    }

    std::string ini_ = scratch_ / "NorvikDef.ini";
};

TEST_F(FileSystemProfileTest, MissingFileGivesTheDefault) {
    EXPECT_EQ("dflt",
              files_.ReadProfileText(scratch_ / "none.ini", "Conditions", "NV15", "dflt", 256));
}

TEST_F(FileSystemProfileTest, BareFileNameIsLookedForInTheWindowsFolder) {
    EXPECT_EQ("dflt",
              files_.ReadProfileText("brenlo-test-absent.ini", "Conditions", "NV15", "dflt", 256));
}

TEST_F(FileSystemProfileTest, MissingSectionGivesTheDefault) {
    EXPECT_EQ("dflt", Read("Missing", "NV15"));
}

TEST_F(FileSystemProfileTest, MissingKeyGivesTheDefaultWithoutTrailingBlanks) {
    EXPECT_EQ("dflt", Read("Conditions", "Missing"));
    EXPECT_EQ("dflt", Read("Conditions", "Missing", "dflt   "));
    EXPECT_EQ("  dflt", Read("Conditions", "Missing", "  dflt  "));
    EXPECT_EQ("", Read("Conditions", "Missing", ""));
}

TEST_F(FileSystemProfileTest, EmptyValueIsEmptyText) {
    EXPECT_EQ("", Read("Conditions", "NV14"));
}

TEST_F(FileSystemProfileTest, ValuesAreTextAsWritten) {
    EXPECT_EQ("3x", Read("Conditions", "NV15"));
    EXPECT_EQ("03", Read("Conditions", "NV16"));
    EXPECT_EQ("a=b", Read("Conditions", "Equals"));
    EXPECT_EQ("no line end", Read("Other", "Last"));
}

TEST_F(FileSystemProfileTest, MatchingQuotesAreRemoved) {
    EXPECT_EQ("C:\\out dir\\", Read("Conditions", "Folder"));
    EXPECT_EQ("abc", Read("Conditions", "Single"));
    EXPECT_EQ("\"abc'", Read("Conditions", "Mismatch"));
    EXPECT_EQ("\"", Read("Conditions", "Lone"));
    EXPECT_EQ(" a ", Read("Conditions", "QuotedBlanks"));
}

TEST_F(FileSystemProfileTest, BlanksAroundNamesAndValuesAreTrimmed) {
    EXPECT_EQ("a b  c", Read("Conditions", "Blanks"));
    EXPECT_EQ("a b  c", Read(" Conditions ", " Blanks "));
}

TEST_F(FileSystemProfileTest, NamesMatchInEitherCase) {
    EXPECT_EQ("3x", Read("conditions", "nv15"));
    EXPECT_EQ("3x", Read("CONDITIONS", "Nv15"));
}

TEST_F(FileSystemProfileTest, SectionsAreKeptApartWhateverTheLineEnds) {
    EXPECT_EQ("other", Read("Other", "NV14"));
    EXPECT_EQ("only", Read("Other", "Lf"));
    EXPECT_EQ("dflt", Read("Conditions", "Lf"));
}

TEST_F(FileSystemProfileTest, FirstOfRepeatedKeysWins) {
    EXPECT_EQ("first", Read("Conditions", "Dup"));
}

TEST_F(FileSystemProfileTest, TextIsCutToTheBuffer) {
    EXPECT_EQ("0123456789", Read("Conditions", "Long", "dflt", 11));
    EXPECT_EQ("012345678", Read("Conditions", "Long", "dflt", 10));
    EXPECT_EQ("0123", Read("Conditions", "Long", "dflt", 5));
    EXPECT_EQ("", Read("Conditions", "Long", "dflt", 1));
    EXPECT_EQ("", Read("Conditions", "Long", "dflt", 0));
    EXPECT_EQ("abc", Read("Conditions", "Missing", "abcdefgh", 4));
}

TEST_F(FileSystemProfileTest, DoubleByteTextIsReturnedAsIs) {
    EXPECT_EQ("\x95\x5C\x83\x5C", Read("Conditions", "Kanji"));
    EXPECT_EQ("\x95\x5C", Read("Conditions", "Kanji", "dflt", 3));
}

}  // namespace
