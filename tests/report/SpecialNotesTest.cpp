#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/RunParts.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::Sjis;

// The note lines TOKUSYUJIJOU1 to TOKUSYUJIJOUn at level 4 with these texts.
std::string Lines(const std::vector<std::string>& texts) {
    std::string lines;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string name = "TOKUSYUJIJOU" + std::to_string(i + 1);
        lines += "\t\t\t\t<" + name + ">" + texts[i] + "</" + name + ">\r\n";
    }
    return lines;
}

// `texts` followed by empty lines up to `count`.
std::vector<std::string> Padded(std::vector<std::string> texts, std::size_t count) {
    texts.resize(count);
    return texts;
}

class SpecialNotesTest : public testsupport::RunPartsTest {
protected:
    SpecialNotesTest() { Inside(4); }

    // What the notes give, written alone into memory.
    std::string Notes(std::string_view notes, int lineLength, int lineCount) {
        EXPECT_EQ(report_.WriteSpecialNotes(&xml_, notes, lineLength, lineCount), 1);
        return Written();
    }

    // General block 0 with `name` at the association name's place.
    void AssociationBlock(const std::string& name) {
        unsigned char* block = GeneralBlock(0);
        std::memcpy(block + hostapi::general::kAssociationName, name.data(),
                    std::min(name.size(),
                             hostapi::general::kBlockSize[0] - hostapi::general::kAssociationName));
    }
};

TEST_F(SpecialNotesTest, LinesEndAtCrLfAndTheRestAreEmpty) {
    EXPECT_EQ(Notes("ABC\r\nDEF", 60, 5), Lines({"ABC", "DEF", "", "", ""}));
}

TEST_F(SpecialNotesTest, EmptyTextGivesEmptyLines) {
    EXPECT_EQ(Notes("", 30, 25), Lines(Padded({}, 25)));
}

TEST_F(SpecialNotesTest, EmptyLineBetweenTwoLineBreaks) {
    EXPECT_EQ(Notes("A\r\n\r\nB\r\n", 60, 4), Lines({"A", "", "B", ""}));
}

TEST_F(SpecialNotesTest, LoneCrAndLfStayInTheLine) {
    EXPECT_EQ(Notes("A\rB\nC\n\rD", 60, 2), Lines({"A\rB\nC\n\rD", ""}));
}

TEST_F(SpecialNotesTest, LongLinesAreCutAtTheLineLength) {
    EXPECT_EQ(Notes(std::string(65, 'x'), 60, 3),
              Lines({std::string(60, 'x'), std::string(5, 'x'), ""}));
}

TEST_F(SpecialNotesTest, LineBreakRightAtTheCutIsConsumed) {
    EXPECT_EQ(Notes(std::string(30, 'x') + "\r\nY", 30, 3), Lines({std::string(30, 'x'), "Y", ""}));
}

TEST_F(SpecialNotesTest, DoubleByteCharacterAtTheCutBeginsTheNextLine) {
    EXPECT_EQ(Notes(std::string(29, 'a') + Sjis("あい"), 30, 3),
              Lines({std::string(29, 'a'), Sjis("あい"), ""}));
}

TEST_F(SpecialNotesTest, DoubleByteCharacterEndingAtTheCutStays) {
    // The byte before the cut is a trail byte with a lead byte's value; read
    // from the start of the text it ends a character, so nothing moves.
    const std::string text = std::string(26, 'a') + Sjis("メ") + Sjis("メ") + Sjis("い");
    ASSERT_EQ(text.size(), 32u);
    EXPECT_EQ(Notes(text, 30, 2), Lines({std::string(26, 'a') + Sjis("メメ"), Sjis("い")}));
}

TEST_F(SpecialNotesTest, LinesAfterTheLineCountAreDropped) {
    std::string text;
    std::vector<std::string> first25;
    for (int i = 1; i <= 40; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
        if (i <= 25) {
            first25.push_back("line " + std::to_string(i));
        }
    }
    const std::string written = Notes(text, 30, 25);
    EXPECT_EQ(written, Lines(first25));
    EXPECT_EQ(written.find("TOKUSYUJIJOU26"), std::string::npos);
}

TEST_F(SpecialNotesTest, TextStopsAtItsNul) {
    EXPECT_EQ(Notes(std::string_view("AB\0CD", 5), 60, 2), Lines({"AB", ""}));
}

TEST_F(SpecialNotesTest, OnlyTheFirst960BytesAreExamined) {
    // Lines of 60 end at 60, 120, ..., 900; the line from 900 is still open
    // when byte 959 has been looked at, so it is not written.
    const std::string written = Notes(std::string(1000, 'z'), 60, 25);
    EXPECT_EQ(written, Lines(Padded(std::vector<std::string>(15, std::string(60, 'z')), 25)));
}

TEST_F(SpecialNotesTest, TextEndingAtByte959IsWrittenWhole) {
    const std::string text = std::string(900, 'z') + std::string(59, 'y');
    std::vector<std::string> lines(15, std::string(60, 'z'));
    lines.push_back(std::string(59, 'y'));
    EXPECT_EQ(Notes(text, 60, 17), Lines(Padded(lines, 17)));
}

TEST_F(SpecialNotesTest, SpecialCharactersAreEscaped) {
    EXPECT_EQ(Notes("a & b < c", 60, 1), Lines({"a &amp; b &lt; c"}));
}

TEST_F(SpecialNotesTest, NoLinesAskedWritesNothing) {
    EXPECT_EQ(Notes("ABC", 60, 0), "");
}

TEST_F(SpecialNotesTest, AssociationNameAsStored) {
    AssociationBlock(Sjis("京都青色申告会") + " & <1>");
    EXPECT_EQ(report_.WriteAssociationName(&xml_), 1);
    EXPECT_EQ(Written(), "\t\t\t\t<KANYUUDANTAIMEI>" + Sjis("京都青色申告会") +
                             " &amp; &lt;1&gt;</KANYUUDANTAIMEI>\r\n");
}

TEST_F(SpecialNotesTest, AssociationNameStopsAtItsFieldWidth) {
    AssociationBlock(std::string(60, 'k'));
    EXPECT_EQ(report_.WriteAssociationName(&xml_), 1);
    EXPECT_EQ(Written(), "\t\t\t\t<KANYUUDANTAIMEI>" +
                             std::string(hostapi::general::kAssociationNameWidth, 'k') +
                             "</KANYUUDANTAIMEI>\r\n");
}

TEST_F(SpecialNotesTest, MissingAssociationNameIsEmpty) {
    EXPECT_EQ(report_.WriteAssociationName(&xml_), 1);
    EXPECT_EQ(Written(), "\t\t\t\t<KANYUUDANTAIMEI></KANYUUDANTAIMEI>\r\n");
}

TEST(CopyTruncated, CutsBetweenCharacters) {
    const std::string nine = "123456789";
    EXPECT_EQ(ReportWriter::CopyTruncated(nine + Sjis("あ"), 10), nine);
    EXPECT_EQ(ReportWriter::CopyTruncated(nine + "0X", 10), nine + "0");
    EXPECT_EQ(ReportWriter::CopyTruncated(nine + "0", 10), nine + "0");
    EXPECT_EQ(ReportWriter::CopyTruncated(nine + Sjis("ｱ") + "X", 10), nine + Sjis("ｱ"));
    EXPECT_EQ(ReportWriter::CopyTruncated("", 10), "");
}

TEST(CopyTruncated, ReadsTheTextFromItsStart) {
    // Bytes 8-9 form one character, so byte 9 ends it although its value
    // could begin one; the cut at 10 splits nothing.
    const std::string text = "12345678" + Sjis("メメ");
    ASSERT_EQ(text.size(), 12u);
    EXPECT_EQ(ReportWriter::CopyTruncated(text, 10), "12345678" + Sjis("メ"));
    EXPECT_EQ(ReportWriter::CopyTruncated(text, 11), "12345678" + Sjis("メ"));
}

TEST(CopyTruncated, StopsAtTheNul) {
    EXPECT_EQ(ReportWriter::CopyTruncated(std::string_view("AB\0CDEFGHIJKL", 13), 10), "AB");
}

}  // namespace
