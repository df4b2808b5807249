#include "report/XmlWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/ByteSink.h"
#include "report/ReportTestSupport.h"
#include "support/FailingSink.h"
#include "support/Sjis.h"

namespace {

using testsupport::Sjis;

class XmlWriterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(writer_.Open(&sink_), 0); }

    const std::string& Written() const { return sink_.Bytes(); }

    platform::MemorySink sink_;
    XmlWriter writer_;
    std::string line_;
};

TEST(XmlWriterOpen, WithoutASinkEveryWriteFails) {
    XmlWriter writer;
    std::string line;
    EXPECT_EQ(writer.Open(nullptr), -1);
    EXPECT_EQ(writer.StartElement(line, "REPORT", 0), 0);
    EXPECT_TRUE(writer.Failed());
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

TEST_F(XmlWriterTest, IncompleteDoubleByteCharactersAreLeftOut) {
    const struct {
        std::string value;
        std::string written;
    } cases[] = {
        {"AA\x82", "AA"},    // a lead byte at the end
        {"A\x82 B", "A B"},  // before a byte that cannot follow it
        {"\x82\x01", ""},    // before a control
        {"A\x85\x40\x98\x80"
         "B\xEA\xEA\x87\xEF\xFC\xFC",
         "AB"},                    // pairs that are no character
        {"\x85\x82\xA0", ""},      // stepped over whole, as Windows does: 82 starts nothing
        {"\x82\x7F\x8A", "\x7F"},  // 0x7F is no trail byte
        {"\x87\x40\xFA\x40\xF0\x40\xFC\x4B\x81\x5C",  // NEC, IBM, user-defined pairs
         "\x87\x40\xFA\x40\xF0\x40\xFC\x4B\x81\x5C"},
        {"\xB6\xDE", "\xB6\xDE"},  // half-width kana stand alone
        {"\x80\xA0\xFD\xFE\xFF"
         "A",
         "A"},  // no character at all
    };
    for (const auto& test : cases) {
        platform::MemorySink sink;
        XmlWriter writer;
        writer.Open(&sink);
        EXPECT_EQ(writer.ValueElement(line_, "N", test.value, 0), 1);
        EXPECT_EQ(sink.Bytes(), "<N>" + test.written + "</N>\r\n") << test.value;
    }
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

TEST(XmlWriterFailure, EachLineIsOneWriteAndAfterAFailureTheSinkIsNotTouched) {
    testsupport::FailingSink sink(5);
    XmlWriter writer;
    std::string line;
    ASSERT_EQ(writer.Open(&sink), 0);
    EXPECT_EQ(writer.WriteText("<?xml?>\r\n"), 1);
    EXPECT_EQ(writer.StartElement(line, "A", 1, "X", "1", "Y", "2"), 1);
    EXPECT_EQ(writer.ValueElement(line, "B", "v&w", 2), 1);
    EXPECT_EQ(writer.EndElement(line, "A", 1), 1);
    EXPECT_EQ(sink.writes, 4);
    EXPECT_FALSE(writer.Failed());

    EXPECT_EQ(writer.StartElement(line, "SYSTEM", 1), 0);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(writer.ValueElement(line, "VERSION", "1", 2), 0);
    EXPECT_EQ(writer.StartElement(line, "A", 1, "COUNT", "1"), 0);
    EXPECT_EQ(writer.EndElement(line, "SYSTEM", 1), 0);
    EXPECT_EQ(writer.WriteText("x"), 0);
    EXPECT_EQ(sink.writes, 5);
    EXPECT_EQ(sink.memory.Bytes(),
              "<?xml?>\r\n\t<A X=\"1\" Y=\"2\">\r\n\t\t<B>v&amp;w</B>\r\n\t</A>\r\n");
}

}  // namespace
