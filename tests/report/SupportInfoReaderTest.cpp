#include "report/SupportInfoReader.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "report/ReportTestSupport.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::Sjis;

// Each test runs in an empty scratch folder as the current folder.
class SupportInfoReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(platform::Files().SetCurrentFolder(scratch_.Path()));
    }

    void Support(const std::string& bytes) {
        ASSERT_TRUE(reporttest::WriteFile(scratch_ / "SUPPORT.INF", bytes));
    }

    std::string NameKey() { return Sjis("[=製品名=]"); }
    std::string VersionKey() { return Sjis("[=製品ﾊﾞｰｼﾞｮﾝ=]"); }

    testsupport::TempFolder scratch_;
    reporttest::CurrentFolderGuard guard_;
};

TEST_F(SupportInfoReaderTest, KeysAreShiftJisWithHalfWidthKatakana) {
    EXPECT_EQ(NameKey(), "[=\x90\xBB\x95\x69\x96\xBC=]");
    EXPECT_EQ(VersionKey(), "[=\x90\xBB\x95\x69\xCA\xDE\xB0\xBC\xDE\xAE\xDD=]");
}

TEST_F(SupportInfoReaderTest, WithoutTheFileBothAreEmpty) {
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "");
    EXPECT_EQ(reader.ProductVersion(), "");
}

TEST_F(SupportInfoReaderTest, ValuesEndAtTheirLineEnds) {
    Support(NameKey() + Sjis("Tellary２１") + "\r\n" + VersionKey() + "21.00.05\r\n" +
            Sjis("[=サポート窓口=]Tellaryサポートセンター") + "\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), Sjis("Tellary２１"));
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
}

TEST_F(SupportInfoReaderTest, KeyDirectlyFollowedByTheLineEndGivesEmpty) {
    Support(NameKey() + "\r\n" + VersionKey() + "\r\nnext line\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "");
    EXPECT_EQ(reader.ProductVersion(), "");
}

TEST_F(SupportInfoReaderTest, KeysAreFoundAnywhereInTheText) {
    Support("[Product]\r\nname: " + VersionKey() + "21.00.07\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductVersion(), "21.00.07");
    EXPECT_EQ(reader.ProductName(), "");
}

TEST_F(SupportInfoReaderTest, TheFirstOccurrenceCounts) {
    Support(VersionKey() + "21.00.01\r\n" + VersionKey() + "21.00.02\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductVersion(), "21.00.01");
}

TEST_F(SupportInfoReaderTest, ValueEndsAtEndOfFileMarkOrAtTheEndOfTheData) {
    Support(NameKey() + "Tellary\x1A" + "after the mark\r\n" + VersionKey() + "21.00.05");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "Tellary");
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
}

TEST_F(SupportInfoReaderTest, ValueEndsAtALoneLineFeed) {
    Support(NameKey() + "Tellary\n" + VersionKey() + "21.00.05\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "Tellary");
    EXPECT_EQ(reader.ProductVersion(), "21.00.05");
}

TEST_F(SupportInfoReaderTest, LongValuesAreWhole) {
    const std::string name = Sjis("表") + std::string(400, 'x');
    Support(NameKey() + name + "\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), name);
}

TEST_F(SupportInfoReaderTest, OnlyTheFirstBlockIsRead) {
    const std::size_t padding = SupportInfoReader::kBlockSize - NameKey().size() - 4;
    Support(std::string(padding, ' ') + NameKey() + "ABCDEFGH\r\n" + VersionKey() + "21.00.05\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "ABCD");
    EXPECT_EQ(reader.ProductVersion(), "");
}

TEST_F(SupportInfoReaderTest, TheFileIsReadOnce) {
    Support(NameKey() + "First\r\n" + VersionKey() + "21.00.01\r\n");
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "First");
    Support(NameKey() + "Second\r\n" + VersionKey() + "21.00.02\r\n");
    EXPECT_EQ(reader.ProductVersion(), "21.00.01");
    EXPECT_EQ(reader.ProductName(), "First");
    EXPECT_EQ(SupportInfoReader().ProductName(), "Second");
}

TEST_F(SupportInfoReaderTest, AMissingFileStaysMissingForTheReader) {
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "");
    Support(NameKey() + "Later\r\n");
    EXPECT_EQ(reader.ProductName(), "");
}

TEST_F(SupportInfoReaderTest, TheFileMayBeOpenForWritingElsewhere) {
    std::unique_ptr<platform::File> other = platform::Files().Open(
        scratch_ / "SUPPORT.INF", platform::OpenMode::Write, platform::ShareMode::ReadWrite);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(other->Write(NameKey() + "Shared\r\n"));
    SupportInfoReader reader;
    EXPECT_EQ(reader.ProductName(), "Shared");
}

}  // namespace
