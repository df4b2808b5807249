#include "dialog/PathChecks.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "support/FakeDriveFileSystem.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::FakeDriveFileSystem;
using testsupport::Sjis;

TEST(PathChecks, ToFolderPartKeepsDriveAndDirectory) {
    const struct {
        std::string path;
        bool ok;
        std::string folder;
    } cases[] = {
        {"C:\\out\\report.xml", true, "C:\\out\\"},
        {"C:\\out", true, "C:\\"},
        {"C:\\out\\", true, "C:\\out\\"},
        {"C:report.xml", true, "C:\\"},
        {"report.xml", false, "report.xml"},
        {"", false, ""},
        {Sjis("C:\\表\\ソ.xml"), true, Sjis("C:\\表\\")},
        {Sjis("C:\\a\\表"), true, "C:\\a\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testsupport::Utf8(c.path));
        std::string path = c.path;
        EXPECT_EQ(ToFolderPart(path), c.ok);
        EXPECT_EQ(path, c.folder);
    }
}

TEST(PathChecks, IsFolderPresentLooksAtTheFolderPart) {
    testsupport::TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    EXPECT_TRUE(IsFolderPresent(temp / "absent.xml"));
    EXPECT_TRUE(IsFolderPresent(temp.Path() + "\\"));
    EXPECT_FALSE(IsFolderPresent(temp / "missing\\r.xml"));
}

TEST(PathChecks, StripToRootRefusesWhatDoesNotFit) {
    std::string root;
    EXPECT_TRUE(StripToRoot("C:\\out\\r.xml", root, 261));
    EXPECT_EQ(root, "C:\\");
    EXPECT_TRUE(StripToRoot("\\\\srv\\share\\r.xml", root, 261));
    EXPECT_EQ(root, "\\\\srv\\share");
    EXPECT_FALSE(StripToRoot("", root, 261));
    EXPECT_FALSE(StripToRoot("C:\\out", root, 6));
    EXPECT_FALSE(StripToRoot("C:\\out", root, 0));
    EXPECT_TRUE(StripToRoot("C:\\out", root, 7));
}

TEST(PathChecks, ForbiddenCharactersAndDoubledBackslashes) {
    for (const char* path :
         {"C:\\out\\a*.xml", "C:*report.xml", "C:\\\\out\\report.xml", "C:\\out\\\\r.xml",
          "C:\\a/b.xml", "C:\\a:b.xml", "C:\\a,b.xml", "C:\\a;b.xml", "C:\\a?b.xml", "C:\\a\"b.xml",
          "C:\\a>b.xml", "C:\\a<b.xml", "C:\\a|b.xml", "C:|", "\\\\srv\\share\\\\r.xml",
          "\\\\srv\\share\\a*.xml", "\\\\srv:\\share\\r.xml", "a*b"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(CheckPathCharacters(path));
    }
    for (const std::string& path :
         {std::string("C:\\out\\report.xml"), std::string("report.xml"), std::string("C:report"),
          std::string("\\\\srv\\share\\r.xml"), std::string("\\\\\\srv\\share\\r.xml"),
          Sjis("C:\\ソ\\表.xml"), Sjis("C:\\税務\\ソ表.xml")}) {
        SCOPED_TRACE(testsupport::Utf8(path));
        EXPECT_TRUE(CheckPathCharacters(path));
    }
}

TEST(PathChecks, DriveOfEachType) {
    FakeDriveFileSystem files;
    const struct {
        int type;
        bool accessible;
        bool usable;
    } cases[] = {
        {0, true, false}, {1, false, true},  {2, true, true},  {2, false, false},
        {3, true, true},  {3, false, false}, {4, true, true},  {4, false, false},
        {5, true, false}, {6, true, false},  {7, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        files.driveTypes["Q:\\"] = c.type;
        files.rootAccess["Q:\\"] = c.accessible;
        EXPECT_EQ(CheckDriveLetter('Q', platform::kAccessReadWrite), c.usable);
        EXPECT_EQ(CheckDriveLetter('q', platform::kAccessReadWrite), c.usable);
        EXPECT_EQ(CheckDriveAccess("q:\\out\\r.xml"), c.usable);
    }
}

TEST(PathChecks, DriveLetterOutsideTheAlphabetIsRefused) {
    FakeDriveFileSystem files;
    for (char c : {'1', '\\', '@', '[', '{', '`'}) {
        SCOPED_TRACE(c);
        EXPECT_FALSE(CheckDriveLetter(c, platform::kAccessReadWrite));
    }
    EXPECT_FALSE(CheckDriveAccess(Sjis("表.xml")));
}

TEST(PathChecks, APathWithoutDriveTakesItsFirstLetter) {
    FakeDriveFileSystem files;
    files.driveTypes["R:\\"] = 1;
    EXPECT_TRUE(CheckDriveAccess("report.xml"));
    files.driveTypes["R:\\"] = 5;
    EXPECT_FALSE(CheckDriveAccess("report.xml"));
    EXPECT_FALSE(CheckDriveAccess("R:\\\\report.xml"));
}

TEST(PathChecks, NetworkShareAccess) {
    FakeDriveFileSystem files;
    files.shareAccess["\\\\srv\\share"] = true;
    files.shareAccess["\\\\srv\\locked"] = false;
    EXPECT_TRUE(CheckDriveAccess("\\\\srv\\share\\r.xml"));
    EXPECT_TRUE(CheckDriveAccess("\\\\srv\\share\\sub\\r.xml"));
    EXPECT_FALSE(CheckDriveAccess("\\\\srv\\locked\\r.xml"));
    const std::size_t asked = files.sharesAsked.size();
    EXPECT_FALSE(CheckDriveAccess("\\\\srv\\share"));  // no backslash after the share
    EXPECT_FALSE(CheckDriveAccess("\\\\srv"));
    EXPECT_EQ(files.sharesAsked.size(), asked);
    files.shareAccess[Sjis("\\\\srv\\表")] = true;
    EXPECT_TRUE(CheckDriveAccess(Sjis("\\\\srv\\表\\r.xml")));
    EXPECT_EQ(files.sharesAsked.back(), Sjis("\\\\srv\\表"));
}

}  // namespace
