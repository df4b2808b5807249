#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "aggregation/CollectedData.h"
#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/RunParts.h"

namespace {

using reporttest::Occurrences;
using reporttest::SectionNames;

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// What the deduction needs: the business income is the 43rd row.
constexpr int kRowsForDeduction = 43;

class BusinessIncomeTest : public testsupport::RunPartsTest {
protected:
    BusinessIncomeTest() { Inside(3); }

    void SetUp() override {
        for (int n = 0; n < kRowsForDeduction; ++n) {
            auto row = std::make_unique<StAOSUMINFO>();
            std::memset(row.get(), 0, sizeof(StAOSUMINFO));
            row->code = 5000 + n;
            collected_.rows.push_back(std::move(row));
        }
        for (int index = 0; index < hostapi::general::kBlockCount; ++index) {
            GeneralBlock(index);
        }
        SetChoice(1);
        entry_.returnKind = hostapi::kBlueReturn;
    }

    void SetNotes(std::string_view notes) {
        std::memcpy(static_cast<char*>(collected_.general.blocks[5]) + hostapi::general::kNotes,
                    notes.data(), notes.size());
    }
};

TEST_F(BusinessIncomeTest, BlueReturnWritesThirteenSectionsInOrder) {
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1);
    const std::string text = Written();
    EXPECT_THAT(SectionNames(text),
                ElementsAre("SONEKIKEISANSYO", "TUKIBETUURIAGESHIIRE", "KYUURYOUTINGIN",
                            "SENJUUSYA", "KASIDAOREKURIIRE", "AOIROKOUJO", "RISIWARIBIKIRYOU",
                            "TIDAIYATIN", "ZEIRISIHOUSYUU", "TOKUSYUJIJOU", "TAISYAKUTAISYOUHYO",
                            "SEIZOUGENKA", "OTHER"));
    for (const char* whiteOnly :
         {"<URIAGEMEISAI>", "<SIIREMEISAI>", "<URIAGE_UTIWAKE", "<SIIRE_UTIWAKE"}) {
        EXPECT_THAT(text, Not(HasSubstr(whiteOnly)));
    }
    // The content of each section lies inside it, one level deeper.
    EXPECT_THAT(text, HasSubstr("\t\t\t<SONEKIKEISANSYO>\r\n\t\t\t\t<URIAGEKINGAKU>"));
    EXPECT_THAT(text, HasSubstr("\t\t\t<OTHER>\r\n\t\t\t\t<KANYUUDANTAIMEI></KANYUUDANTAIMEI>\r\n"
                                "\t\t\t</OTHER>\r\n"));
}

TEST_F(BusinessIncomeTest, WhiteReturnWritesTenSectionsInOrder) {
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1);
    const std::string text = Written();
    EXPECT_THAT(SectionNames(text),
                ElementsAre("SONEKIKEISANSYO", "KYUURYOUTINGIN", "SENJUUSYA", "RISIWARIBIKIRYOU",
                            "TIDAIYATIN", "ZEIRISIHOUSYUU", "TOKUSYUJIJOU", "URIAGEMEISAI",
                            "SIIREMEISAI", "OTHER"));
    for (const char* blueOnly : {"TUKIBETUURIAGESHIIRE", "KASIDAOREKURIIRE", "AOIROKOUJO",
                                 "TAISYAKUTAISYOUHYO", "SEIZOUGENKA", "URIAGEKINGAKU1"}) {
        EXPECT_THAT(text, Not(HasSubstr(blueOnly)));
    }
    EXPECT_THAT(text, HasSubstr("\t\t\t<SONEKIKEISANSYO>\r\n\t\t\t\t<SYUNYUGAKU>"));
}

TEST_F(BusinessIncomeTest, WhiteReturnNeedsNoDeductionData) {
    entry_.returnKind = hostapi::kWhiteReturn;
    SetChoice(9);
    collected_.rows.clear();
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1);
    EXPECT_EQ(SectionNames(Written()).size(), 10u);
}

TEST_F(BusinessIncomeTest, ListsAndNotesFollowTheReturnForm) {
    SetNotes("ABC\r\nDEF");
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1);
    const std::string blue = Written();
    EXPECT_EQ(Occurrences(blue, "</KYUURYOU_UTIWAKE>"), 5u);
    EXPECT_EQ(Occurrences(blue, "</SENJUUSYA_UTIWAKE>"), 5u);
    EXPECT_EQ(Occurrences(blue, "<SONOTA_NINBUN>"), 1u);
    EXPECT_EQ(Occurrences(blue, "</RISI_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(blue, "</TIDAI_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(blue, "</ZEIRISI_UTIWAKE>"), 2u);
    EXPECT_THAT(blue,
                HasSubstr("<TOKUSYUJIJOU1>ABC</TOKUSYUJIJOU1>\r\n\t\t\t\t<TOKUSYUJIJOU2>DEF<"));
    EXPECT_THAT(blue, HasSubstr("<TOKUSYUJIJOU5></TOKUSYUJIJOU5>\r\n\t\t\t</TOKUSYUJIJOU>"));

    platform::MemorySink sink;
    XmlWriter xml;
    xml.Open(&sink);
    const std::size_t skip = testsupport::StartEnclosing(xml, sink, 3);
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(report_.WriteBusinessIncome(&xml, &entry_), 1);
    const std::string white = sink.Bytes().substr(skip);
    EXPECT_EQ(Occurrences(white, "</KYUURYOU_UTIWAKE>"), 3u);
    EXPECT_EQ(Occurrences(white, "</SENJUUSYA_UTIWAKE>"), 3u);
    EXPECT_EQ(Occurrences(white, "<SONOTA_NINBUN>"), 1u);
    EXPECT_EQ(Occurrences(white, "</URIAGE_UTIWAKE>"), 4u);
    EXPECT_EQ(Occurrences(white, "</SIIRE_UTIWAKE>"), 4u);
    EXPECT_THAT(white, HasSubstr("<TOKUSYUJIJOU1>ABC</TOKUSYUJIJOU1>"));
    EXPECT_THAT(white, HasSubstr("<TOKUSYUJIJOU9></TOKUSYUJIJOU9>\r\n\t\t\t</TOKUSYUJIJOU>"));
}

TEST_F(BusinessIncomeTest, NotesThatDoNotFitTheirBlockAreAbsent) {
    // One byte of the notes field: the lead byte of a character.
    GeneralBlock(5, 1)[0] = 0x8A;
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1);
    EXPECT_THAT(Written(), HasSubstr("<TOKUSYUJIJOU1></TOKUSYUJIJOU1>"));
}

TEST_F(BusinessIncomeTest, FailedSectionEndsTheContent) {
    // A deduction byte that names no choice fails the blue deduction.
    SetChoice(3);
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 0);
    const std::string text = Written();
    EXPECT_THAT(text, Not(HasSubstr("</AOIROKOUJO>")));
    EXPECT_THAT(text, Not(HasSubstr("\n\t\t\t<RISIWARIBIKIRYOU>")));
    EXPECT_THAT(text, Not(HasSubstr("\n\t\t\t<OTHER>")));
    EXPECT_THAT(text, HasSubstr("\t\t\t</KASIDAOREKURIIRE>\r\n\t\t\t<AOIROKOUJO>\r\n"));
}

TEST_F(BusinessIncomeTest, OtherReturnFormWritesNothing) {
    for (std::int8_t kind : {0, 1, 2, 5, -1}) {
        entry_.returnKind = kind;
        EXPECT_EQ(report_.WriteBusinessIncome(&xml_, &entry_), 1) << int{kind};
    }
    EXPECT_THAT(Written(), IsEmpty());
}

TEST_F(BusinessIncomeTest, NullArgumentsFail) {
    EXPECT_EQ(report_.WriteBusinessIncome(nullptr, &entry_), 0);
    EXPECT_EQ(report_.WriteBusinessIncome(&xml_, nullptr), 0);
    EXPECT_THAT(Written(), IsEmpty());
}

}  // namespace
