#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "aggregation/CollectedData.h"
#include "hostapi/SavedStatementRecords.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/FailingFileSystem.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using reporttest::kRentalBlock;
using reporttest::Occurrences;
using ::testing::HasSubstr;
using ::testing::Not;
using testsupport::Sjis;

constexpr int kUseBlock = 7;

template <std::size_t N>
void SetText(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N);
}

std::string ValueLine(std::string_view tag, std::string_view text, int level = 5) {
    return std::string(static_cast<std::size_t>(level), '\t') + "<" + std::string(tag) + ">" +
           std::string(text) + "</" + std::string(tag) + ">\r\n";
}

// The real-estate statement in collected data, and the report's lines in memory.
class RentalTest : public reporttest::SectionWriterTest {
protected:
    // Block 1 with `count` zeroed entries; the caller sets an end marker where it wants one.
    RentalEntry* Rentals(std::size_t count) {
        return reinterpret_cast<RentalEntry*>(
            RealEstateBlock(kRentalBlock, count * sizeof(RentalEntry)));
    }

    // The text of `tag` in the first rental item.
    std::string FirstValueOf(std::string_view tag) {
        const std::string text = Written();
        const std::string start = "<" + std::string(tag) + ">";
        const std::size_t from = text.find(start);
        const std::size_t to = text.find("</" + std::string(tag) + ">");
        if (from == std::string::npos || to == std::string::npos) {
            ADD_FAILURE() << tag << " not written";
            return "(missing)";
        }
        return text.substr(from + start.size(), to - from - start.size());
    }
};

TEST_F(RentalTest, RentalListEndMarkerFirstWritesNothing) {
    Rentals(1)[0].endMarker = hostapi::realestate::kRentalEndMarker;
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    EXPECT_EQ(Written(), "");
}

TEST_F(RentalTest, RentalListWithoutBlockOrRoomWritesNothing) {
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    Rentals(2);
    EXPECT_EQ(report_.WriteRentalList(&xml_, 0), 1);
    EXPECT_EQ(report_.WriteRentalList(&xml_, -1), 1);
    EXPECT_EQ(Written(), "");
}

TEST_F(RentalTest, RentalListItemHasEveryValueInOrder) {
    RentalEntry* entries = Rentals(2);
    RentalEntry& flat = entries[0];
    SetText(flat.houseOrLand, Sjis("貸家"));
    SetText(flat.use, Sjis("住宅"));
    SetText(flat.location, Sjis("東京都中野区1-2"));
    SetText(flat.tenantAddress, Sjis("東京都杉並区3-4"));
    SetText(flat.tenantName, Sjis("山田 & 子"));
    flat.contractFrom = 20210401;
    flat.contractTo = 20230331;
    flat.area = 1234567;
    flat.monthlyRent = 80000 * 10000LL;
    flat.yearlyRent = 960000 * 10000LL;
    flat.gratuity = 9999;
    flat.keyMoney = -25000;
    flat.renewalFee = 0;
    flat.transferFeeOther = 1;
    flat.deposit = 160000 * 10000LL + 5000;
    entries[1].endMarker = hostapi::realestate::kRentalEndMarker;

    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    EXPECT_EQ(Written(),
              "\t\t\t\t<FUDOUSAN_UTIWAKE COUNT=\"1\">\r\n" +
                  ValueLine("KASIYA_KASITI", Sjis("貸家")) + ValueLine("YOUTO", Sjis("住宅")) +
                  ValueLine("SYOZAITI_JOUDAN", Sjis("東京都中野区1-2")) +
                  ValueLine("SYOZAITI_GEDAN", "") +
                  ValueLine("JUUSYO_SIMEI_JOUDAN", Sjis("東京都杉並区3-4")) +
                  ValueLine("JUUSYO_SIMEI_GEDAN", Sjis("山田 &amp; 子")) +
                  ValueLine("KEIYAKUKIKAN_FROM", "202104") +
                  ValueLine("KEIYAKUKIKAN_TO", "202303") + ValueLine("KASITUKEMENSEKI", "123.46") +
                  ValueLine("TINTAIRYOU_TUKIGAKU", "80000") +
                  ValueLine("TINTAIRYOU_NENGAKU", "960000") + ValueLine("REIKIN", "") +
                  ValueLine("KENRIKIN", "-2") + ValueLine("KOUSINRYOU", "") +
                  ValueLine("MEIGISYOKANRYOU_SONOTA", "") +
                  ValueLine("HOSYOUKIN_SIKIKIN", "160000") + "\t\t\t\t</FUDOUSAN_UTIWAKE>\r\n");
}

TEST_F(RentalTest, RentalListCountsItemsUpToTheMarker) {
    RentalEntry* entries = Rentals(4);
    entries[2].endMarker = hostapi::realestate::kRentalEndMarker;
    entries[3].contractFrom = 20990101;
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    EXPECT_EQ(Occurrences(text, "<FUDOUSAN_UTIWAKE COUNT="), 2u);
    EXPECT_THAT(text, HasSubstr("<FUDOUSAN_UTIWAKE COUNT=\"2\">"));
    EXPECT_THAT(text, Not(HasSubstr("209901")));
}

TEST_F(RentalTest, RentalListTextsAreCutWithoutSplittingACharacter) {
    RentalEntry* entries = Rentals(3);
    SetText(entries[0].location, std::string(35, 'L'));
    SetText(entries[0].tenantAddress, std::string(29, 'A') + Sjis("あいう"));
    SetText(entries[0].tenantName, std::string(28, 'N') + Sjis("あいう"));
    SetText(entries[0].houseOrLand, std::string(9, 'H') + Sjis("家"));
    SetText(entries[0].use, std::string(11, 'U') + Sjis("用途"));
    // No NUL in the whole field: the text ends with the field.
    std::memset(entries[1].location, 'X', sizeof entries[1].location);
    entries[2].endMarker = hostapi::realestate::kRentalEndMarker;

    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    EXPECT_THAT(text, HasSubstr(ValueLine("SYOZAITI_JOUDAN", std::string(30, 'L'))));
    EXPECT_THAT(text, HasSubstr(ValueLine("JUUSYO_SIMEI_JOUDAN", std::string(29, 'A'))));
    EXPECT_THAT(text,
                HasSubstr(ValueLine("JUUSYO_SIMEI_GEDAN", std::string(28, 'N') + Sjis("あ"))));
    EXPECT_THAT(text, HasSubstr(ValueLine("KASIYA_KASITI", std::string(9, 'H'))));
    EXPECT_THAT(text, HasSubstr(ValueLine("YOUTO", std::string(11, 'U'))));
    EXPECT_THAT(text, HasSubstr(ValueLine("SYOZAITI_JOUDAN", std::string(30, 'X'))));
}

TEST_F(RentalTest, RentalListContractMonthsDropTheDay) {
    const std::int32_t starts[] = {1231, 99, 0, -99, -1231, 20211231};
    RentalEntry* entries = Rentals(std::size(starts) + 1);
    for (std::size_t i = 0; i < std::size(starts); ++i) {
        entries[i].contractFrom = starts[i];
        entries[i].contractTo = starts[i];
    }
    entries[std::size(starts)].endMarker = hostapi::realestate::kRentalEndMarker;
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    std::string expected;
    for (const char* month : {"12", "", "", "", "-12", "202112"}) {
        expected += ValueLine("KEIYAKUKIKAN_FROM", month) + ValueLine("KEIYAKUKIKAN_TO", month);
    }
    std::string months;
    for (std::size_t at = text.find("\t<KEIYAKUKIKAN_"); at != std::string::npos;
         at = text.find("\t<KEIYAKUKIKAN_", at + 1)) {
        const std::size_t lineStart = text.rfind('\n', at) + 1;
        months += text.substr(lineStart, text.find('\n', at) + 1 - lineStart);
    }
    EXPECT_EQ(months, expected);
}

TEST_F(RentalTest, RentalListAreasAndNegativeAmounts) {
    const std::int64_t areas[] = {0, 1, 1234567, -125000};
    RentalEntry* entries = Rentals(std::size(areas) + 1);
    for (std::size_t i = 0; i < std::size(areas); ++i) {
        entries[i].area = areas[i];
        entries[i].yearlyRent = -1200000 * 10000LL;
    }
    entries[std::size(areas)].endMarker = hostapi::realestate::kRentalEndMarker;
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    std::size_t at = 0;
    for (const char* area : {"", "0.00", "123.46", "-12.50"}) {
        at = text.find(ValueLine("KASITUKEMENSEKI", area), at);
        ASSERT_NE(at, std::string::npos) << "area " << area;
        ++at;
    }
    EXPECT_EQ(Occurrences(text, ValueLine("TINTAIRYOU_NENGAKU", "-1200000")), std::size(areas));
}

TEST_F(RentalTest, RentalListWithoutMarkerEndsWithTheBlock) {
    // Two whole entries and part of a third: the part is never read.
    RealEstateBlock(kRentalBlock, 2 * sizeof(RentalEntry) + 100);
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    EXPECT_EQ(Occurrences(text, "<FUDOUSAN_UTIWAKE COUNT="), 2u);
    EXPECT_EQ(Occurrences(text, "</FUDOUSAN_UTIWAKE>"), 2u);
}

TEST_F(RentalTest, RentalListStopsAtTheMaximum) {
    Rentals(10000);
    EXPECT_EQ(report_.WriteRentalList(&xml_, 9999), 1);
    const std::string text = Written();
    EXPECT_EQ(Occurrences(text, "</FUDOUSAN_UTIWAKE>"), 9999u);
    EXPECT_THAT(text, HasSubstr("<FUDOUSAN_UTIWAKE COUNT=\"9999\">"));
    EXPECT_THAT(text, Not(HasSubstr("COUNT=\"10000\"")));
}

TEST_F(RentalTest, RentalUseWritesTheTenValues) {
    auto* use =
        reinterpret_cast<RentalUseSummary*>(RealEstateBlock(kUseBlock, sizeof(RentalUseSummary)));
    use->reserved0 = 77;
    use->housingDetached = 2;
    use->housingOtherBuildings = 0;
    use->housingLandContracts = -3;
    use->housingLandArea = 1234567;
    use->reserved24 = 88;
    use->otherDetached = 4;
    use->otherBuildings = 5;
    use->otherLandContracts = 6;
    use->otherLandArea = 0;
    use->parkingRoofed = 7;
    use->parkingOpen = 12;
    EXPECT_EQ(report_.WriteRentalUse(&xml_), 1);
    EXPECT_EQ(Written(), ValueLine("JUUTAKU_TATEMONO_IKKODATE", "2", 4) +
                             ValueLine("JUUTAKU_TATEMONO_IKKODATEIGAI", "", 4) +
                             ValueLine("JUUTAKU_TOTI_KEIYAKU", "-3", 4) +
                             ValueLine("JUUTAKU_TOTI_SOUMENSEKI", "123.46", 4) +
                             ValueLine("JUUTAKUIGAI_TATEMONO_IKKODATE", "4", 4) +
                             ValueLine("JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", "5", 4) +
                             ValueLine("JUUTAKUIGAI_TOTI_KEIYAKU", "6", 4) +
                             ValueLine("JUUTAKUIGAI_TOTI_SOUMENSEKI", "", 4) +
                             ValueLine("CHUUSYAJOU_YANETUKI", "7", 4) +
                             ValueLine("CHUUSYAJOU_AOZORA", "12", 4));
}

std::string EmptyUse() {
    std::string text;
    for (const char* tag :
         {"JUUTAKU_TATEMONO_IKKODATE", "JUUTAKU_TATEMONO_IKKODATEIGAI", "JUUTAKU_TOTI_KEIYAKU",
          "JUUTAKU_TOTI_SOUMENSEKI", "JUUTAKUIGAI_TATEMONO_IKKODATE",
          "JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", "JUUTAKUIGAI_TOTI_KEIYAKU",
          "JUUTAKUIGAI_TOTI_SOUMENSEKI", "CHUUSYAJOU_YANETUKI", "CHUUSYAJOU_AOZORA"}) {
        text += ValueLine(tag, "", 4);
    }
    return text;
}

TEST_F(RentalTest, RentalUseWithoutBlockWritesTenEmptyValues) {
    EXPECT_EQ(report_.WriteRentalUse(&xml_), 1);
    EXPECT_EQ(Written(), EmptyUse());
}

TEST_F(RentalTest, RentalUseOfAShortBlockLeavesWhatItLacksEmpty) {
    // Room for the three counts but not the whole area after them.
    auto* bytes = static_cast<unsigned char*>(RealEstateBlock(kUseBlock, 20));
    const std::int32_t detached = 9;
    std::memcpy(bytes + offsetof(RentalUseSummary, housingDetached), &detached, sizeof detached);
    EXPECT_EQ(report_.WriteRentalUse(&xml_), 1);
    std::string expected = EmptyUse();
    const std::string empty = ValueLine("JUUTAKU_TATEMONO_IKKODATE", "", 4);
    expected.replace(0, empty.size(), ValueLine("JUUTAKU_TATEMONO_IKKODATE", "9", 4));
    EXPECT_EQ(Written(), expected);
}

TEST(FormatArea, RoundsHalfAwayFromZeroToTwoDecimals) {
    EXPECT_EQ(ReportWriter::FormatArea(1, 2), "0.00");
    EXPECT_EQ(ReportWriter::FormatArea(40, 2), "0.00");
    EXPECT_EQ(ReportWriter::FormatArea(-40, 2), "0.00");
    EXPECT_EQ(ReportWriter::FormatArea(50, 2), "0.01");
    EXPECT_EQ(ReportWriter::FormatArea(-50, 2), "-0.01");
    EXPECT_EQ(ReportWriter::FormatArea(1234567, 2), "123.46");
    EXPECT_EQ(ReportWriter::FormatArea(-125000, 2), "-12.50");
    EXPECT_EQ(ReportWriter::FormatArea(99995, 2), "10.00");
    EXPECT_EQ(ReportWriter::FormatArea(123456789012345678LL, 2), "12345678901234.57");
    EXPECT_EQ(ReportWriter::FormatArea(1234567, 0), "123");
    EXPECT_EQ(ReportWriter::FormatArea(1234567, 4), "123.4567");
}

}  // namespace
