// How the POSIX adapter maps drive letters to directories; Windows has drive
// letters of its own, so none of this applies there.
#ifndef _WIN32

#include "platform/posix/DriveMap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace {

using platform::posix::CurrentFolderSource;
using platform::posix::DriveMap;

using Variables = std::map<std::string, std::string>;

DriveMap MapOf(Variables variables) {
    return DriveMap(
        [variables = std::move(variables)](const std::string& name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            if (found == variables.end()) {
                return std::nullopt;
            }
            return found->second;
        });
}

CurrentFolderSource At(std::string folder) {
    return [folder = std::move(folder)] { return std::optional<std::string>(folder); };
}

const CurrentFolderSource kNoCurrentFolder = [] { return std::optional<std::string>(); };

using Native = std::optional<std::string>;

// ソ (83 5C) and 表 (95 5C) in UTF-8.
constexpr const char* kSoUtf8 = "\xE3\x82\xBD";
constexpr const char* kHyouUtf8 = "\xE8\xA1\xA8";

TEST(DriveMapTest, ZIsTheRootByDefault) {
    const DriveMap drives = MapOf({});
    ASSERT_NE(nullptr, drives.DirectoryOf('Z'));
    EXPECT_EQ("/", *drives.DirectoryOf('z'));
    EXPECT_EQ(platform::kDriveFixed, drives.TypeOf('Z'));

    EXPECT_EQ(Native("/work/main/a.txt"),
              drives.ToNative("Z:\\work\\main\\a.txt", kNoCurrentFolder));
    EXPECT_EQ(Native("/work"), drives.ToNative("z:/work", kNoCurrentFolder));
    EXPECT_EQ(Native("/"), drives.ToNative("Z:\\", kNoCurrentFolder));
    EXPECT_EQ(Native("/"), drives.ToNative("Z:", kNoCurrentFolder));

    EXPECT_EQ(Native("Z:\\"), drives.ToWindows("/"));
    EXPECT_EQ(Native("Z:\\work\\main"), drives.ToWindows("/work/main"));
    EXPECT_EQ(Native("Z:\\work\\main"), drives.ToWindows("/work//main/"));
}

TEST(DriveMapTest, UnmappedLettersHaveNoRootDirectory) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "/srv/c"}});
    EXPECT_EQ(nullptr, drives.DirectoryOf('Q'));
    EXPECT_EQ(platform::kDriveNoRootDir, drives.TypeOf('Q'));
    EXPECT_EQ(platform::kDriveNoRootDir, drives.TypeOf('D'));
    EXPECT_EQ(platform::kDriveNoRootDir, drives.TypeOf('1'));
    EXPECT_EQ(std::nullopt, drives.ToNative("Q:\\a.txt", kNoCurrentFolder));
    EXPECT_EQ(std::nullopt, drives.ToNative("D:\\", kNoCurrentFolder));
}

TEST(DriveMapTest, VariableMapsALetter) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "/srv/c/"}});
    ASSERT_NE(nullptr, drives.DirectoryOf('c'));
    EXPECT_EQ("/srv/c", *drives.DirectoryOf('C'));
    EXPECT_EQ(platform::kDriveFixed, drives.TypeOf('C'));

    EXPECT_EQ(Native("/srv/c/out/r.xml"), drives.ToNative("C:\\out\\r.xml", kNoCurrentFolder));
    EXPECT_EQ(Native("/srv/c"), drives.ToNative("c:\\", kNoCurrentFolder));
    EXPECT_EQ(Native("C:\\out"), drives.ToWindows("/srv/c/out"));
    EXPECT_EQ(Native("C:\\"), drives.ToWindows("/srv/c"));
    // Directories match whole names only.
    EXPECT_EQ(Native("Z:\\srv\\cd"), drives.ToWindows("/srv/cd"));
}

TEST(DriveMapTest, LongestMappingWinsOnTheWayBack) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "/srv"}, {"BRENLO_DRIVE_D", "/srv/d/e"}});
    EXPECT_EQ(Native("D:\\f"), drives.ToWindows("/srv/d/e/f"));
    EXPECT_EQ(Native("D:\\"), drives.ToWindows("/srv/d/e"));
    EXPECT_EQ(Native("C:\\d\\x"), drives.ToWindows("/srv/d/x"));
    EXPECT_EQ(Native("Z:\\etc"), drives.ToWindows("/etc"));
}

TEST(DriveMapTest, FirstLetterWinsForTheSameDirectory) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_E", "/srv"}, {"BRENLO_DRIVE_D", "/srv"}});
    EXPECT_EQ(Native("D:\\a"), drives.ToWindows("/srv/a"));
}

TEST(DriveMapTest, ZCanBeMovedOrUnmapped) {
    const DriveMap moved = MapOf({{"BRENLO_DRIVE_Z", "/srv/z"}});
    EXPECT_EQ(Native("/srv/z/a"), moved.ToNative("Z:\\a", kNoCurrentFolder));
    EXPECT_EQ(Native("Z:\\a"), moved.ToWindows("/srv/z/a"));
    EXPECT_EQ(std::nullopt, moved.ToWindows("/etc"));

    const DriveMap unmapped = MapOf({{"BRENLO_DRIVE_Z", ""}});
    EXPECT_EQ(nullptr, unmapped.DirectoryOf('Z'));
    EXPECT_EQ(platform::kDriveNoRootDir, unmapped.TypeOf('Z'));
    EXPECT_EQ(std::nullopt, unmapped.ToNative("Z:\\a", kNoCurrentFolder));
    EXPECT_EQ(std::nullopt, unmapped.ToWindows("/etc"));
}

TEST(DriveMapTest, RelativeDirectoryMapsNothing) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "srv/c"}});
    EXPECT_EQ(nullptr, drives.DirectoryOf('C'));
    EXPECT_EQ(platform::kDriveNoRootDir, drives.TypeOf('C'));
}

TEST(DriveMapTest, TypeVariableGivesTheDriveType) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_E", "/media/cd"},
                                   {"BRENLO_DRIVE_E_TYPE", "5"},
                                   {"BRENLO_DRIVE_F", "/media/f"},
                                   {"BRENLO_DRIVE_F_TYPE", "cd"},
                                   {"BRENLO_DRIVE_G", "/media/g"},
                                   {"BRENLO_DRIVE_G_TYPE", "9"},
                                   {"BRENLO_DRIVE_H_TYPE", "5"},
                                   {"BRENLO_DRIVE_Z_TYPE", "4"}});
    EXPECT_EQ(platform::kDriveCdRom, drives.TypeOf('E'));
    EXPECT_EQ(platform::kDriveCdRom, drives.TypeOf('e'));
    EXPECT_EQ(platform::kDriveFixed, drives.TypeOf('F'));
    EXPECT_EQ(platform::kDriveFixed, drives.TypeOf('G'));
    EXPECT_EQ(platform::kDriveNoRootDir, drives.TypeOf('H'));
    EXPECT_EQ(platform::kDriveRemote, drives.TypeOf('Z'));
}

TEST(DriveMapTest, RelativePathsStartAtTheCurrentFolder) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "/srv/c"}});
    const CurrentFolderSource onZ = At("Z:\\work\\main");
    EXPECT_EQ(Native("/work/main/a/b.txt"), drives.ToNative("a\\b.txt", onZ));
    EXPECT_EQ(Native("/work/main/a"), drives.ToNative(".\\a", onZ));
    EXPECT_EQ(Native("/x"), drives.ToNative("..\\..\\..\\x", onZ));
    EXPECT_EQ(Native("/etc/hosts"), drives.ToNative("\\etc\\hosts", onZ));
    EXPECT_EQ(Native("/work/main/x"), drives.ToNative("Z:x", onZ));
    EXPECT_EQ(Native("/srv/c/x"), drives.ToNative("C:x", onZ));

    const CurrentFolderSource onC = At("C:\\w");
    EXPECT_EQ(Native("/srv/c/x"), drives.ToNative("\\x", onC));
    EXPECT_EQ(Native("/srv/c/w/x"), drives.ToNative("C:x", onC));
    EXPECT_EQ(Native("/srv/c/w"), drives.ToNative("C:", onC));
    EXPECT_EQ(Native("/x"), drives.ToNative("Z:x", onC));
}

TEST(DriveMapTest, RelativePathsNeedACurrentFolder) {
    const DriveMap drives = MapOf({{"BRENLO_DRIVE_C", "/srv/c"}});
    EXPECT_EQ(std::nullopt, drives.ToNative("a", kNoCurrentFolder));
    EXPECT_EQ(std::nullopt, drives.ToNative("\\a", kNoCurrentFolder));
    EXPECT_EQ(std::nullopt, drives.ToNative("a", At("relative\\folder")));
    EXPECT_EQ(std::nullopt, drives.ToNative("a", nullptr));
    EXPECT_EQ(Native("/srv/c/a"), drives.ToNative("C:a", kNoCurrentFolder));
}

TEST(DriveMapTest, NamesAreResolvedTheWayWin32Does) {
    const DriveMap drives = MapOf({});
    EXPECT_EQ(Native("/a/c"), drives.ToNative("Z:\\a\\.\\b\\..\\c", kNoCurrentFolder));
    EXPECT_EQ(Native("/a/b"), drives.ToNative("Z:\\a\\\\b", kNoCurrentFolder));
    EXPECT_EQ(Native("/a/b"), drives.ToNative("Z:\\a\\b. . ", kNoCurrentFolder));
    EXPECT_EQ(Native("/a"), drives.ToNative("Z:\\a\\...", kNoCurrentFolder));
    EXPECT_EQ(Native("/"), drives.ToNative("Z:\\..\\..", kNoCurrentFolder));
    // A trailing separator stays, so that the system call wants a directory.
    EXPECT_EQ(Native("/a/b/"), drives.ToNative("Z:\\a\\b\\", kNoCurrentFolder));
    EXPECT_EQ(Native("/a/b/"), drives.ToNative("Z:/a/b/", kNoCurrentFolder));
}

TEST(DriveMapTest, TrailByte5CIsNoSeparator) {
    const DriveMap drives = MapOf({});
    EXPECT_EQ(Native(std::string("/tmp/") + kSoUtf8 + "/" + kHyouUtf8 + ".txt"),
              drives.ToNative("Z:\\tmp\\\x83\x5C\\\x95\x5C.txt", kNoCurrentFolder));
    EXPECT_EQ(Native(std::string("/tmp/") + kSoUtf8 + "/"),
              drives.ToNative("Z:\\tmp\\\x83\x5C\\", kNoCurrentFolder));
    EXPECT_EQ(Native("Z:\\tmp\\\x83\x5C\\\x95\x5C"),
              drives.ToWindows(std::string("/tmp/") + kSoUtf8 + "/" + kHyouUtf8));
    // ボ is 83 7B and ポ is 83 7C: the trail byte '|' is part of the name.
    EXPECT_EQ(Native("/\xE3\x83\x9C\xE3\x83\x9D"),
              drives.ToNative("Z:\\\x83\x7B\x83\x7C", kNoCurrentFolder));
}

TEST(DriveMapTest, NamesWithoutCounterpartFail) {
    const DriveMap drives = MapOf({});
    // Row 85 of code page 932 is empty; a lead byte alone is no character.
    EXPECT_EQ(std::nullopt, drives.ToNative("Z:\\tmp\\\x85\x40", kNoCurrentFolder));
    EXPECT_EQ(std::nullopt, drives.ToNative("Z:\\tmp\\a\x83", kNoCurrentFolder));
    // An emoji has no code in code page 932.
    EXPECT_EQ(std::nullopt, drives.ToWindows("/tmp/\xF0\x9F\x98\x80"));
    // A native backslash would read back as a separator.
    EXPECT_EQ(std::nullopt, drives.ToWindows("/tmp/a\\b"));
    EXPECT_EQ(std::nullopt, drives.ToWindows("relative/path"));
}

TEST(DriveMapTest, PathsWin32RefusesLeadNowhere) {
    const DriveMap drives = MapOf({});
    const CurrentFolderSource onZ = At("Z:\\work");
    EXPECT_EQ(std::nullopt, drives.ToNative("", onZ));
    EXPECT_EQ(std::nullopt, drives.ToNative("\\\\server\\share\\a", onZ));
    EXPECT_EQ(std::nullopt, drives.ToNative("//server/share", onZ));
    EXPECT_EQ(std::nullopt, drives.ToNative("\\\\?\\Z:\\a", onZ));
    for (const char* name : {"a?b", "a*b", "a:b", "a<b", "a>b", "a|b", "a\"b", "a\tb"}) {
        EXPECT_EQ(std::nullopt, drives.ToNative(std::string("Z:\\") + name, onZ)) << name;
    }
}

// Sets an environment variable for the length of a test.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const std::string& value) : name_(name) {
        if (const char* previous = std::getenv(name)) {
            previous_ = previous;
        }
        setenv(name, value.c_str(), 1);
    }
    ~EnvironmentGuard() {
        if (previous_) {
            setenv(name_, previous_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

class DriveMapAdapterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch_.NativePath().empty()); }

    platform::FileSystem& files_ = platform::Files();
    testsupport::TempFolder scratch_;
};

TEST_F(DriveMapAdapterTest, FileSystemFollowsTheEnvironment) {
    {
        const EnvironmentGuard drive("BRENLO_DRIVE_M", scratch_.NativePath().string());
        const EnvironmentGuard type("BRENLO_DRIVE_M_TYPE", "5");
        EXPECT_EQ(platform::kDriveCdRom, files_.DriveTypeOf("M:\\"));
        EXPECT_EQ(platform::kDriveCdRom, files_.DriveTypeOf("m:"));

        std::unique_ptr<platform::File> file =
            files_.Open("M:\\a.txt", platform::OpenMode::Write, platform::ShareMode::Exclusive);
        ASSERT_NE(nullptr, file);
        EXPECT_TRUE(file->Write("a"));
        EXPECT_TRUE(file->Close());
        EXPECT_EQ(platform::EntryKind::File, files_.KindOf(scratch_ / "a.txt"));

        const std::string saved = files_.CurrentFolder();
        EXPECT_TRUE(files_.SetCurrentFolder("M:\\"));
        EXPECT_EQ("M:\\", files_.CurrentFolder());
        EXPECT_TRUE(files_.SetCurrentFolder(saved));
    }
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf("M:\\"));
    EXPECT_EQ(platform::EntryKind::None, files_.KindOf("M:\\a.txt"));
}

TEST_F(DriveMapAdapterTest, LetterOfAMissingDirectoryHasNoRootDirectory) {
    const EnvironmentGuard drive("BRENLO_DRIVE_N", (scratch_.NativePath() / "missing").string());
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf("N:\\"));
}

TEST_F(DriveMapAdapterTest, TempFolderFollowsTmpdir) {
    const EnvironmentGuard temp("TMPDIR", scratch_.NativePath().string());
    EXPECT_EQ(scratch_.Path() + "\\", files_.TempFolder());
}

TEST_F(DriveMapAdapterTest, UncPathsLeadNowhere) {
    EXPECT_EQ(platform::kDriveNoRootDir, files_.DriveTypeOf("\\\\server\\share\\"));
    EXPECT_FALSE(files_.ShareHasAccess("\\\\server\\share", platform::kAccessExists));
    EXPECT_EQ(platform::EntryKind::None, files_.KindOf("\\\\server\\share\\a.txt"));
    EXPECT_EQ(nullptr, files_.Open("\\\\server\\share\\a.txt", platform::OpenMode::Write,
                                   platform::ShareMode::Exclusive));
}

}  // namespace

#endif
