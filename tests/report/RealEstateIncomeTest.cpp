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

using reporttest::kRentalBlock;
using reporttest::Occurrences;
using reporttest::SectionNames;

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// Every statement block delivered and zeroed, one rented property, a blue return.
class RealEstateIncomeTest : public testsupport::RunPartsTest {
protected:
    void SetUp() override {
        for (int index = 0; index < hostapi::general::kBlockCount; ++index) {
            GeneralBlock(index);
        }
        for (int index = 0; index < hostapi::realestate::kBlockCount; ++index) {
            if (index != kRentalBlock) {
                RealEstateBlock(index);
            }
        }
        auto* rentals =
            reinterpret_cast<RentalEntry*>(RealEstateBlock(kRentalBlock, 2 * sizeof(RentalEntry)));
        rentals[1].endMarker = hostapi::realestate::kRentalEndMarker;
        SetChoice(1);
        entry_.returnKind = hostapi::kBlueReturn;
    }

    void SetInterest(std::int64_t amount) {
        std::memcpy(static_cast<char*>(collected_.realEstate.blocks[0]) +
                        hostapi::realestate::kDebtInterest,
                    &amount, sizeof amount);
    }

    // The content written by one call, and its result.
    std::string Write(int expectedResult = 1) {
        platform::MemorySink sink;
        XmlWriter xml;
        xml.Open(&sink);
        const std::size_t skip = testsupport::StartEnclosing(xml, sink, 3);
        EXPECT_EQ(report_.WriteRealEstateIncome(&xml, &entry_), expectedResult);
        return sink.Bytes().substr(skip);
    }

    std::string DebtInterest() {
        platform::MemorySink sink;
        XmlWriter xml;
        xml.Open(&sink);
        const std::size_t skip = testsupport::StartEnclosing(xml, sink, 4);
        EXPECT_EQ(report_.WriteDebtInterest(&xml), 1);
        return sink.Bytes().substr(skip);
    }
};

TEST_F(RealEstateIncomeTest, BlueReturnWritesNineSectionsInOrder) {
    const std::string text = Write();
    EXPECT_THAT(SectionNames(text),
                ElementsAre("SONEKIKEISANSYO", "FUDOUSANSYUUNYUU", "KYUURYOUTINGIN", "SENJUUSYA",
                            "TIDAIYATIN", "KARIIREKINRISI", "ZEIRISIHOUSYUU", "TAISYAKUTAISYOUHYO",
                            "TOKUSYUJIJOU"));
    for (const char* whiteOnly : {"SYUUZENHI_UTIWAKE", "KASITUKEFUDOUSAN", "CHUUSYAJOU_AOZORA"}) {
        EXPECT_THAT(text, Not(HasSubstr(whiteOnly)));
    }
    // The table rows, then the deduction chosen, then the interest on debts.
    EXPECT_THAT(text, HasSubstr("\t\t\t<SONEKIKEISANSYO>\r\n\t\t\t\t<TINTAIRYO></TINTAIRYO>\r\n"));
    EXPECT_THAT(text, HasSubstr("\t\t\t\t<SENJYUUSYAKYUUYO></SENJYUUSYAKYUUYO>\r\n"
                                "\t\t\t\t<AOIROKOUJO_SENTAKU>1</AOIROKOUJO_SENTAKU>\r\n"
                                "\t\t\t\t<FUSAIRISIGAKU></FUSAIRISIGAKU>\r\n"
                                "\t\t\t</SONEKIKEISANSYO>\r\n"));
    EXPECT_THAT(text,
                HasSubstr("<KOUJYOMAESYOTOKUKINNGAKU_KIMATU></KOUJYOMAESYOTOKUKINNGAKU_KIMATU>"
                          "\r\n\t\t\t</TAISYAKUTAISYOUHYO>\r\n"));
}

TEST_F(RealEstateIncomeTest, WhiteReturnEndsWithRepairsAndUseAfterTheNotes) {
    entry_.returnKind = hostapi::kWhiteReturn;
    const std::string text = Write();
    EXPECT_THAT(SectionNames(text),
                ElementsAre("SONEKIKEISANSYO", "FUDOUSANSYUUNYUU", "KYUURYOUTINGIN", "SENJUUSYA",
                            "TIDAIYATIN", "KARIIREKINRISI", "ZEIRISIHOUSYUU", "TOKUSYUJIJOU",
                            "SYUUZENHI", "KASITUKEFUDOUSAN"));
    EXPECT_THAT(text, EndsWith("\t\t\t\t<CHUUSYAJOU_AOZORA></CHUUSYAJOU_AOZORA>\r\n"
                               "\t\t\t</KASITUKEFUDOUSAN>\r\n"));
    EXPECT_THAT(text, HasSubstr("\t\t\t\t<SENJYUSYAKOUJYO></SENJYUSYAKOUJYO>\r\n"
                                "\t\t\t\t<FUSAIRISIGAKU></FUSAIRISIGAKU>\r\n"
                                "\t\t\t</SONEKIKEISANSYO>\r\n"));
    for (const char* blueOnly : {"AOIROKOUJO_SENTAKU", "TAISYAKUTAISYOUHYO", "_KISYU"}) {
        EXPECT_THAT(text, Not(HasSubstr(blueOnly)));
    }
    for (const char* businessOnly :
         {"TUKIBETUURIAGESHIIRE", "KASIDAOREKURIIRE", "<AOIROKOUJO>", "SEIZOUGENKA", "URIAGEMEISAI",
          "SIIREMEISAI", "<OTHER>", "RISIWARIBIKIRYOU"}) {
        EXPECT_THAT(text, Not(HasSubstr(businessOnly)));
    }
}

TEST_F(RealEstateIncomeTest, DeductionChoiceIsWrittenAsItsCode) {
    const std::pair<std::uint8_t, const char*> choices[] = {{0, "2"}, {1, "1"}, {2, "3"}};
    for (const auto& [byte, code] : choices) {
        SetChoice(byte);
        EXPECT_THAT(Write(), HasSubstr("\t\t\t\t<AOIROKOUJO_SENTAKU>" + std::string(code) +
                                       "</AOIROKOUJO_SENTAKU>\r\n"))
            << int{byte};
    }
}

TEST_F(RealEstateIncomeTest, UnknownDeductionChoiceFailsAfterTheTable) {
    SetChoice(3);
    const std::string text = Write(0);
    EXPECT_THAT(text, EndsWith("\t\t\t\t<SENJYUUSYAKYUUYO></SENJYUUSYAKYUUYO>\r\n"));
    EXPECT_THAT(text, Not(HasSubstr("AOIROKOUJO_SENTAKU")));
    EXPECT_THAT(SectionNames(text), ElementsAre("SONEKIKEISANSYO"));
}

TEST_F(RealEstateIncomeTest, MissingGeneralStatementFailsLikeAnUnknownChoice) {
    platform::TaskMemoryAllocator().Free(collected_.general.blocks[0]);
    collected_.general.blocks[0] = nullptr;
    const std::string text = Write(0);
    EXPECT_THAT(text, Not(HasSubstr("AOIROKOUJO_SENTAKU")));
    EXPECT_THAT(text, Not(HasSubstr("FUDOUSANSYUUNYUU")));

    // A white return does not need the choice.
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(SectionNames(Write()).size(), 10u);
}

TEST_F(RealEstateIncomeTest, ListsAndNotesFollowTheReturnForm) {
    const std::string blue = Write();
    EXPECT_EQ(Occurrences(blue, "<FUDOUSAN_UTIWAKE COUNT="), 1u);
    EXPECT_EQ(Occurrences(blue, "</KYUURYOU_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(blue, "<SONOTA_NINBUN>"), 0u);
    EXPECT_EQ(Occurrences(blue, "SENJUUSYA_UTIWAKE"), 0u);
    EXPECT_EQ(Occurrences(blue, "</TIDAI_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(blue, "<JUUSYO_SIMEI_1>"), 2u);
    EXPECT_EQ(Occurrences(blue, "</KARIIRE_UTIWAKE>"), 3u);
    EXPECT_EQ(Occurrences(blue, "</ZEIRISI_UTIWAKE>"), 2u);
    EXPECT_THAT(blue, HasSubstr("<TOKUSYUJIJOU25></TOKUSYUJIJOU25>\r\n\t\t\t</TOKUSYUJIJOU>"));

    entry_.returnKind = hostapi::kWhiteReturn;
    const std::string white = Write();
    EXPECT_EQ(Occurrences(white, "<FUDOUSAN_UTIWAKE COUNT="), 1u);
    EXPECT_EQ(Occurrences(white, "KYUURYOU_UTIWAKE"), 0u);
    EXPECT_EQ(Occurrences(white, "<SONOTA_NINBUN>"), 1u);
    EXPECT_EQ(Occurrences(white, "</SENJUUSYA_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(white, "<JUUSYO_SIMEI_JOUDAN>"), 2u + 2u + 2u + 3u + 1u);
    EXPECT_EQ(Occurrences(white, "</KARIIRE_UTIWAKE>"), 2u);
    EXPECT_EQ(Occurrences(white, "</SYUUZENHI_UTIWAKE>"), 3u);
    EXPECT_THAT(white, HasSubstr("<TOKUSYUJIJOU7></TOKUSYUJIJOU7>\r\n\t\t\t</TOKUSYUJIJOU>"));
}

TEST_F(RealEstateIncomeTest, NotesComeFromTheRealEstateStatement) {
    std::memcpy(collected_.realEstate.blocks[5], "RENT\r\nNOTE", 10);
    std::memcpy(collected_.general.blocks[5], "BUSINESS", 8);
    const std::string text = Write();
    EXPECT_THAT(text, HasSubstr("<TOKUSYUJIJOU1>RENT</TOKUSYUJIJOU1>\r\n"
                                "\t\t\t\t<TOKUSYUJIJOU2>NOTE</TOKUSYUJIJOU2>\r\n"));
    EXPECT_THAT(text, Not(HasSubstr("BUSINESS")));
}

TEST_F(RealEstateIncomeTest, OtherReturnFormWritesNothing) {
    for (std::int8_t kind : {0, 1, 2, 5, -1}) {
        entry_.returnKind = kind;
        EXPECT_THAT(Write(), IsEmpty()) << int{kind};
    }
}

TEST_F(RealEstateIncomeTest, DebtInterestIsWholeYenAndEmptyForZero) {
    EXPECT_EQ(DebtInterest(), "\t\t\t\t<FUSAIRISIGAKU></FUSAIRISIGAKU>\r\n");
    SetInterest(123456 * 10000LL + 9999);
    EXPECT_EQ(DebtInterest(), "\t\t\t\t<FUSAIRISIGAKU>123456</FUSAIRISIGAKU>\r\n");
    SetInterest(-10000);
    EXPECT_EQ(DebtInterest(), "\t\t\t\t<FUSAIRISIGAKU>-1</FUSAIRISIGAKU>\r\n");

    RealEstateBlock(0, hostapi::realestate::kDebtInterest + 4);
    EXPECT_EQ(DebtInterest(), "\t\t\t\t<FUSAIRISIGAKU></FUSAIRISIGAKU>\r\n");
}

TEST_F(RealEstateIncomeTest, NullArgumentsFail) {
    XmlWriter xml;
    EXPECT_EQ(report_.WriteRealEstateIncome(nullptr, &entry_), 0);
    EXPECT_EQ(report_.WriteRealEstateIncome(&xml, nullptr), 0);
    EXPECT_EQ(report_.WriteDebtInterest(nullptr), 0);
}

}  // namespace
