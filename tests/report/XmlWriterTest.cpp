#include "report/XmlWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "report/ReportTestSupport.h"
#include "support/FailingFileSystem.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using reporttest::ReadFile;
using testsupport::Sjis;

class XmlWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_EQ(writer_.Open(&file_, path_.c_str()), 0);
        ASSERT_NE(file_, nullptr);
    }

    // What the file holds once the writer has closed it.
    std::string Written() {
        writer_.Close();
        return ReadFile(path_).value_or("(unreadable)");
    }

    testsupport::TempFolder scratch_;
    std::string path_ = scratch_ / "out.xml";
    std::unique_ptr<platform::File> file_;
    XmlWriter writer_;
    std::string line_;
};

TEST(XmlWriterOpen, NullArgumentsAreRefused) {
    testsupport::TempFolder scratch;
    const std::string path = scratch / "out.xml";
    std::unique_ptr<platform::File> file;
    XmlWriter writer;
    EXPECT_EQ(writer.Open(nullptr, path.c_str()), -1);
    EXPECT_EQ(writer.Open(&file, nullptr), -1);
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(platform::Files().KindOf(path), platform::EntryKind::None);
}

TEST(XmlWriterOpen, FileThatCannotBeCreatedFailsAtTheFirstWrite) {
    testsupport::TempFolder scratch;
    const std::string path = scratch / "missing\\out.xml";
    std::unique_ptr<platform::File> file;
    XmlWriter writer;
    std::string line;
    EXPECT_EQ(writer.Open(&file, path.c_str()), 0);
    EXPECT_EQ(file, nullptr);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(writer.StartElement(line, "REPORT", 0), 0);
    EXPECT_EQ(writer.WriteText("x"), 0);
    EXPECT_EQ(writer.Path(), path);
}

TEST(XmlWriterOpen, TruncatesAnEarlierFile) {
    testsupport::TempFolder scratch;
    const std::string path = scratch / "out.xml";
    ASSERT_TRUE(reporttest::WriteFile(path, "an earlier and longer content"));
    std::unique_ptr<platform::File> file;
    {
        XmlWriter writer;
        ASSERT_EQ(writer.Open(&file, path.c_str()), 0);
        EXPECT_EQ(writer.WriteText("new"), 1);
    }
    EXPECT_EQ(ReadFile(path), "new");
}

TEST_F(XmlWriterTest, VersionValueAtLevelTwo) {
    EXPECT_EQ(writer_.ValueElement(line_, "VERSION", "1", 2), 1);
    EXPECT_EQ(line_, "\t\t<VERSION>1</VERSION>\r\n");
    EXPECT_EQ(Written(), "\t\t<VERSION>1</VERSION>\r\n");
}

TEST_F(XmlWriterTest, EmptyValueGivesBothTagsWithNothingBetween) {
    EXPECT_EQ(writer_.ValueElement(line_, "KINGAKU", "", 3), 1);
    EXPECT_EQ(Written(), "\t\t\t<KINGAKU></KINGAKU>\r\n");
}

TEST_F(XmlWriterTest, LevelZeroHasNoIndentation) {
    EXPECT_EQ(writer_.StartElement(line_, "REPORT", 0), 1);
    EXPECT_EQ(writer_.EndElement(line_, "DATA", 1), 1);
    EXPECT_EQ(writer_.EndElement(line_, "REPORT", 0), 1);
    EXPECT_EQ(Written(), "<REPORT>\r\n\t</DATA>\r\n</REPORT>\r\n");
}

TEST_F(XmlWriterTest, WriteTextWritesTheTextUnchanged) {
    const std::string text = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
    EXPECT_EQ(writer_.WriteText(text), 1);
    EXPECT_EQ(Written(), text);
}

TEST_F(XmlWriterTest, SpecialCharactersInAValueAreEscaped) {
    EXPECT_EQ(writer_.ValueElement(line_, "NAME", "R&D <a> \"b\" 'c'", 1), 1);
    EXPECT_EQ(Written(), "\t<NAME>R&amp;D &lt;a&gt; &quot;b&quot; &apos;c&apos;</NAME>\r\n");
}

TEST_F(XmlWriterTest, DoubleByteCharactersPassUnchanged) {
    // ソ and 表 end in 0x5C, the backslash; 【】 and the full-width ampersand
    // are no special characters.
    const std::string text = Sjis("ソフト表具店【Ｒ＆Ｄ】ﾃｽﾄ");
    ASSERT_EQ(text.substr(0, 2), "\x83\x5C");
    EXPECT_EQ(writer_.ValueElement(line_, "NAME", text, 4), 1);
    EXPECT_EQ(Written(), "\t\t\t\t<NAME>" + text + "</NAME>\r\n");
}

TEST_F(XmlWriterTest, CountAttributeOnAStartTag) {
    EXPECT_EQ(writer_.StartElement(line_, "SENJUUSYA_UTIWAKE", 4, "COUNT", "2"), 1);
    EXPECT_EQ(Written(), "\t\t\t\t<SENJUUSYA_UTIWAKE COUNT=\"2\">\r\n");
}

TEST_F(XmlWriterTest, SecondAttributeFollowsTheFirst) {
    EXPECT_EQ(writer_.StartElement(line_, "A", 1, "X", "1", "Y", "<2>"), 1);
    EXPECT_EQ(writer_.ValueElement(line_, "B", "v", 1, "X", "a&b", "Y", "'"), 1);
    EXPECT_EQ(Written(),
              "\t<A X=\"1\" Y=\"&lt;2&gt;\">\r\n"
              "\t<B X=\"a&amp;b\" Y=\"&apos;\">v</B>\r\n");
}

TEST_F(XmlWriterTest, AttributeTwoWithoutAttributeOneIsNotWritten) {
    EXPECT_EQ(writer_.StartElement(line_, "A", 0, nullptr, nullptr, "Y", "2"), 1);
    EXPECT_EQ(writer_.StartElement(line_, "B", 0, "X", nullptr, "Y", "2"), 1);
    EXPECT_EQ(writer_.StartElement(line_, "C", 0, nullptr, "1", "Y", "2"), 1);
    EXPECT_EQ(writer_.ValueElement(line_, "D", "v", 0, nullptr, nullptr, "Y", "2"), 1);
    EXPECT_EQ(writer_.StartElement(line_, "E", 0, "X", "1", "Y", nullptr), 1);
    EXPECT_EQ(writer_.StartElement(line_, "F", 0, "X", "1", nullptr, "2"), 1);
    EXPECT_EQ(Written(), "<A>\r\n<B>\r\n<C>\r\n<D>v</D>\r\n<E X=\"1\">\r\n<F X=\"1\">\r\n");
}

TEST_F(XmlWriterTest, ControlBytesAreLeftOutOfValues) {
    std::string value = "A";
    for (int byte = 0x00; byte < 0x20; ++byte) {
        value += static_cast<char>(byte);
    }
    value += "B";
    EXPECT_EQ(writer_.ValueElement(line_, "NAME", value, 0), 1);
    EXPECT_EQ(writer_.StartElement(line_, "ITEM", 0, "COUNT", "1\x01\x1F"), 1);
    EXPECT_EQ(Written(), "<NAME>A\t\n\rB</NAME>\r\n<ITEM COUNT=\"1\">\r\n");
}

TEST_F(XmlWriterTest, LongValuesAreWrittenWhole) {
    const std::string value(1000, 'x');
    const std::string escaped = [] {
        std::string text;
        for (int i = 0; i < 300; ++i) {
            text += "&amp;";
        }
        return text;
    }();
    EXPECT_EQ(writer_.ValueElement(line_, "LONG", value, 3), 1);
    EXPECT_EQ(writer_.ValueElement(line_, "AMPS", std::string(300, '&'), 3), 1);
    EXPECT_EQ(Written(),
              "\t\t\t<LONG>" + value + "</LONG>\r\n\t\t\t<AMPS>" + escaped + "</AMPS>\r\n");
}

TEST(XmlWriterEscape, OnlyTheFiveSpecialCharactersChange) {
    EXPECT_EQ(XmlWriter::Escape("&<>\"'"), "&amp;&lt;&gt;&quot;&apos;");
    EXPECT_EQ(XmlWriter::Escape(""), "");
    std::string others;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        if (byte != '&' && byte != '<' && byte != '>' && byte != '"' && byte != '\'') {
            others += static_cast<char>(byte);
        }
    }
    EXPECT_EQ(XmlWriter::Escape(others), others);
    const std::string text = Sjis("表&ソ");
    EXPECT_EQ(XmlWriter::Escape(text), Sjis("表") + "&amp;" + Sjis("ソ"));
}

class XmlWriterFailureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch_.Path().empty()); }

    testsupport::TempFolder scratch_;
    std::string path_ = scratch_ / "out.xml";
    testsupport::FailingFileSystem files_;
    std::unique_ptr<platform::File> file_;
    std::string line_;
};

TEST_F(XmlWriterFailureTest, EachLineIsOneWrite) {
    XmlWriter writer;
    ASSERT_EQ(writer.Open(&file_, path_.c_str()), 0);
    EXPECT_EQ(writer.WriteText("<?xml?>\r\n"), 1);
    EXPECT_EQ(writer.StartElement(line_, "A", 1, "X", "1", "Y", "2"), 1);
    EXPECT_EQ(writer.ValueElement(line_, "B", "v&w", 2), 1);
    EXPECT_EQ(writer.EndElement(line_, "A", 1), 1);
    EXPECT_EQ(files_.writes, 4);
    writer.Close();
    EXPECT_EQ(files_.closes, 1);
    EXPECT_FALSE(writer.Failed());
}

TEST_F(XmlWriterFailureTest, AfterAFailedWriteTheFileIsNotTouched) {
    files_.failingWrite = 2;
    XmlWriter writer;
    ASSERT_EQ(writer.Open(&file_, path_.c_str()), 0);
    EXPECT_EQ(writer.StartElement(line_, "REPORT", 0), 1);
    EXPECT_EQ(writer.StartElement(line_, "SYSTEM", 1), 0);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(files_.writes, 2);
    EXPECT_EQ(files_.closes, 1);

    EXPECT_EQ(writer.ValueElement(line_, "VERSION", "1", 2), 0);
    EXPECT_EQ(writer.StartElement(line_, "A", 1, "COUNT", "1"), 0);
    EXPECT_EQ(writer.EndElement(line_, "SYSTEM", 1), 0);
    EXPECT_EQ(writer.WriteText("x"), 0);
    writer.Close();
    EXPECT_EQ(files_.writes, 2);
    EXPECT_EQ(files_.closes, 1);
    // The file stays as far as it was written: the first line and what the
    // failed write managed.
    EXPECT_EQ(ReadFile(path_), "<REPORT>\r\n\t<SYS");
}

TEST_F(XmlWriterFailureTest, AFailedCloseIsReported) {
    files_.failingClose = 1;
    XmlWriter writer;
    ASSERT_EQ(writer.Open(&file_, path_.c_str()), 0);
    EXPECT_EQ(writer.StartElement(line_, "REPORT", 0), 1);
    EXPECT_FALSE(writer.Failed());
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(writer.StartElement(line_, "REPORT", 0), 0);
    EXPECT_EQ(files_.writes, 1);
}

TEST_F(XmlWriterFailureTest, DestroyingTheWriterClosesTheFile) {
    {
        XmlWriter writer;
        ASSERT_EQ(writer.Open(&file_, path_.c_str()), 0);
        EXPECT_EQ(writer.EndElement(line_, "REPORT", 0), 1);
    }
    EXPECT_EQ(files_.closes, 1);
    EXPECT_NE(file_, nullptr);
    file_.reset();
    EXPECT_EQ(ReadFile(path_), "</REPORT>\r\n");
}

}  // namespace
