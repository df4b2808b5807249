#include "platform/text/PathPieces.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Cp932.h"
#include "support/Sjis.h"

namespace {

using namespace platform;
using testsupport::Sjis;

TEST(PathPieces, SplitAtTheLastSeparatorCharacter) {
    EXPECT_EQ(FolderOf("C:\\out\\r.xml"), "C:\\out\\");
    EXPECT_EQ(FileNameOf("C:\\out\\r.xml"), "r.xml");
    EXPECT_EQ(FolderOf("r.xml"), "");
    EXPECT_EQ(FileNameOf("r.xml"), "r.xml");
    EXPECT_EQ(DriveOf("D:report.xml"), "D:");
    EXPECT_EQ(AfterDrive("D:report.xml"), "report.xml");
    EXPECT_EQ(DriveOf("report.xml"), "");
    EXPECT_EQ(AfterDrive("report.xml"), "report.xml");
    // ソ and 表 end in 0x5C: names, not separators.
    EXPECT_EQ(FolderOf(Sjis("C:\\ソ表\\表")), Sjis("C:\\ソ表\\"));
    EXPECT_EQ(FileNameOf(Sjis("C:\\ソ表\\表")), Sjis("表"));
    EXPECT_EQ(FolderOf(Sjis("ソ")), "");
}

TEST(PathPieces, IsInDoubleByteCharCoversBothBytes) {
    const std::string text = Sjis("aソb");  // 61 83 5C 62
    EXPECT_FALSE(IsInDoubleByteChar(text, 0));
    EXPECT_TRUE(IsInDoubleByteChar(text, 1));
    EXPECT_TRUE(IsInDoubleByteChar(text, 2));
    EXPECT_FALSE(IsInDoubleByteChar(text, 3));
    EXPECT_FALSE(IsInDoubleByteChar(text, 9));
}

TEST(PathPieces, AddBackslashNeverTakesATrailByteForOne) {
    std::string text = "C:\\out";
    EXPECT_TRUE(AddBackslash(text, 261));
    EXPECT_EQ(text, "C:\\out\\");
    EXPECT_TRUE(AddBackslash(text, 261));
    EXPECT_EQ(text, "C:\\out\\");
    text = Sjis("C:\\ソ");
    EXPECT_TRUE(AddBackslash(text, 261));
    EXPECT_EQ(text, Sjis("C:\\ソ\\"));
    std::string empty;
    EXPECT_FALSE(AddBackslash(empty, 261));
    text = "abc";
    EXPECT_FALSE(AddBackslash(text, 4));  // "abc\" and its NUL need 5 bytes
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(AddBackslash(text, 5));
}

TEST(PathPieces, FittingLengthNeverCutsACharacter) {
    const std::string text = Sjis("aソb");  // 61 83 5C 62
    EXPECT_EQ(cp932::FittingLength(text, 9), 4U);
    EXPECT_EQ(cp932::FittingLength(text, 3), 3U);
    EXPECT_EQ(cp932::FittingLength(text, 2), 1U);
    EXPECT_EQ(cp932::FittingLength(text, 1), 1U);
    EXPECT_EQ(cp932::FittingLength(text, 0), 0U);
}

}  // namespace
