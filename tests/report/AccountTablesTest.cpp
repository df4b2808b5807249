#include "report/AccountTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "aggregation/CollectedData.h"
#include "hostapi/SavedStatementRecords.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using reporttest::kYen;
using reporttest::SplitLines;
using reporttest::Value;

using testsupport::Sjis;

// A report over collected data the test fills in, writing into a scratch file.
class AccountTableTest : public reporttest::SectionWriterTest {
protected:
    void AddRow(std::int32_t code, std::string_view name, std::int64_t opening,
                std::int64_t closing) {
        auto row = std::make_unique<StAOSUMINFO>();
        *row = StAOSUMINFO{};
        row->code = code;
        std::memcpy(row->name, name.data(), std::min(name.size(), sizeof row->name));
        row->openingAmount = opening;
        row->closingAmount = closing;
        collected_.rows.push_back(std::move(row));
    }
};

TEST(AccountTableAmount, WholeYenTruncatedTowardZero) {
    EXPECT_EQ(ReportWriter::FormatAmount(9999), "");
    EXPECT_EQ(ReportWriter::FormatAmount(-9999), "");
    EXPECT_EQ(ReportWriter::FormatAmount(-10000), "-1");
    EXPECT_EQ(ReportWriter::FormatAmount(0), "");
    EXPECT_EQ(ReportWriter::FormatAmount(10000), "1");
    EXPECT_EQ(ReportWriter::FormatAmount(123455000), "12345");
    EXPECT_EQ(ReportWriter::FormatAmount(-123459999), "-12345");
    EXPECT_EQ(ReportWriter::FormatAmount(30000000000000), "3000000000");
    EXPECT_EQ(ReportWriter::FormatAmount(INT64_MAX), "922337203685477");
    EXPECT_EQ(ReportWriter::FormatAmount(INT64_MIN), "-922337203685477");
}

TEST(AccountTableName, MarkersAreRemoved) {
    std::string out;
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis("【交通費】"), out), 1);
    EXPECT_EQ(out, Sjis("交通費"));
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis("旅費　交通費"), out), 1);
    EXPECT_EQ(out, Sjis("旅費交通費"));
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis("(製)外注 工賃"), out), 1);
    EXPECT_EQ(out, Sjis("外注工賃"));
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis("《研究》（開発）［費］"), out), 1);
    EXPECT_EQ(out, Sjis("研究開発費"));
    // Only the whole marker goes; its parts stay.
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis("(製造)製)"), out), 1);
    EXPECT_EQ(out, Sjis("(製造)製)"));
}

TEST(AccountTableName, OnlyMarkersGiveAnEmptyName) {
    std::string out = "earlier";
    EXPECT_EQ(ReportWriter::CleanAccountName(Sjis(" 　【】《》（）［］(製)"), out), 1);
    EXPECT_EQ(out, "");
}

TEST(AccountTableName, EmptyNameLeavesTheOutputAlone) {
    std::string out = "earlier";
    EXPECT_EQ(ReportWriter::CleanAccountName("", out), 0);
    EXPECT_EQ(ReportWriter::CleanAccountName(std::string_view("\0abc", 4), out), 0);
    EXPECT_EQ(out, "earlier");
}

TEST(AccountTableName, StopsAtTheNul) {
    std::string out;
    EXPECT_EQ(ReportWriter::CleanAccountName(std::string_view("ab\0cd", 5), out), 1);
    EXPECT_EQ(out, "ab");
}

TEST(AccountTableName, MarkerBytesAcrossTwoCharactersAreLeftAlone) {
    // メ is 0x83 0x81; after it, "y" and "@" make 0x81 0x79 (【) and 0x81 0x40
    // (the full-width space) from the trail byte of メ and the next character.
    const std::string bracket = Sjis("メy");
    ASSERT_EQ(bracket, "\x83\x81\x79");
    ASSERT_EQ(bracket.find(Sjis("【")), 1u);
    const std::string space = Sjis("メ@");
    ASSERT_EQ(space.find(Sjis("　")), 1u);
    const std::string name = Sjis("【メy】メ@");
    std::string out;
    EXPECT_EQ(ReportWriter::CleanAccountName(name, out), 1);
    EXPECT_EQ(out, Sjis("メyメ@"));
    EXPECT_EQ(ReportWriter::CleanAccountName(bracket, out), 1);
    EXPECT_EQ(out, bracket);
}

TEST(AccountTableName, BytesThatAreNoCharacterAreDroppedBeforeMarkers) {
    const struct {
        std::string_view name;
        std::string_view cleaned;
    } cases[] = {
        {"ab\x81", "ab"},                                  // a lead byte at the end
        {"\x41\x82\x20\x42", "AB"},                        // a lead byte before a space
        {"\x83\x41\x85\x40\x83\x42", "\x83\x41\x83\x42"},  // 85 40 is no character
        {"\xEA\xEA\x81\x40\x98\x80", ""},                  // neither is EA EA nor 98 80
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(ReportWriter::CleanAccountName(c.name, out), 1);
        EXPECT_EQ(out, c.cleaned) << testing::PrintToString(std::string(c.name));
    }
}

TEST_F(AccountTableTest, SpareNamesWithBrokenBytesStayText) {
    AddRow(7, "\x41\x82\x20\x42", 0, 10000);
    AddRow(8, "\x83\x41\xFC\xFC\x83\x42", 0, 20000);
    const AmountTableRow table[] = {{"KEIHI_YOBI1", 7, 1}, {"KEIHI_YOBI2", 8, 1}};
    EXPECT_EQ(report_.WriteAmountTable(&xml_, table), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           Value("KEIHI_YOBI1_KAMOKU", "AB"),
                           Value("KEIHI_YOBI1", "1"),
                           Value("KEIHI_YOBI2_KAMOKU", "\x83\x41\x83\x42"),
                           Value("KEIHI_YOBI2", "2"),
                       }));
}

TEST_F(AccountTableTest, AmountRowsWithUserNamedRows) {
    AddRow(7, Sjis("【研修費】"), 0, 1234567);
    AddRow(5, "", 0, 50000);
    AddRow(99, "not in the table", 0, 990000);
    const AmountTableRow table[] = {{"PLAIN", 5, 0}, {"NAMED", 7, 1}, {"MISSING", 8, 1}};
    EXPECT_EQ(report_.WriteAmountTable(&xml_, table), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           Value("PLAIN", "5"),
                           Value("NAMED_KAMOKU", Sjis("研修費")),
                           Value("NAMED", "123"),
                           Value("MISSING_KAMOKU", ""),
                           Value("MISSING", ""),
                       }));
}

TEST_F(AccountTableTest, NameFillingItsWholeField) {
    // 64 characters of 2 bytes, no NUL; the opening amount after it is "ZZZZZZZZ".
    std::string name;
    for (int i = 0; i < 64; ++i) {
        name += Sjis("ア");
    }
    ASSERT_EQ(name.size(), sizeof StAOSUMINFO{}.name);
    AddRow(3, name, 0x5A5A5A5A5A5A5A5A, 10000);
    std::string ending = name.substr(0, 126) + Sjis("】");
    AddRow(4, ending, 0x5A5A5A5A5A5A5A5A, 20000);
    const AmountTableRow table[] = {{"FULL", 3, 1}, {"ENDING", 4, 1}};
    EXPECT_EQ(report_.WriteAmountTable(&xml_, table), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           Value("FULL_KAMOKU", name),
                           Value("FULL", "1"),
                           Value("ENDING_KAMOKU", name.substr(0, 126)),
                           Value("ENDING", "2"),
                       }));
}

TEST_F(AccountTableTest, WithoutRowsEveryElementIsEmpty) {
    const AmountTableRow amounts[] = {{"A", 1, 1}};
    const BalanceTableRow balances[] = {{"B_KAMOKU", 3, 2, 1}, {"B_KISYU", 0, 2, 0}};
    EXPECT_EQ(report_.WriteAmountTable(&xml_, amounts), 1);
    EXPECT_EQ(report_.WriteBalanceTable(&xml_, balances), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("A_KAMOKU", ""), Value("A", ""),
                                                 Value("B_KAMOKU", ""), Value("B_KISYU", "")}));
}

TEST_F(AccountTableTest, BalanceRowsByKind) {
    AddRow(217, Sjis("（車両）"), 1500000, -20000);
    AddRow(217, Sjis("二つ目"), 7770000, 8880000);
    AddRow(201, "", 10000, 0);
    const BalanceTableRow table[] = {
        {"SPARE_KAMOKU", kAccountNameRow, 217, 1},   {"SPARE_KISYU", kOpeningAmountRow, 217, 0},
        {"SPARE_KIMATU", kClosingAmountRow, 217, 0}, {"CASH_KISYU", kOpeningAmountRow, 201, 0},
        {"CASH_KIMATU", kClosingAmountRow, 201, 0},  {"SPARE_KIMATU", kClosingAmountRow, 217, 0},
        {"NONE_KIMATU", kClosingAmountRow, 300, 0},
    };
    EXPECT_EQ(report_.WriteBalanceTable(&xml_, table), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           Value("SPARE_KAMOKU", Sjis("車両")),
                           Value("SPARE_KISYU", "150"),
                           Value("SPARE_KIMATU", "-2"),
                           Value("CASH_KISYU", "1"),
                           Value("CASH_KIMATU", ""),
                           Value("SPARE_KIMATU", "-2"),
                           Value("NONE_KIMATU", ""),
                       }));
}

TEST_F(AccountTableTest, MonthlyOrderAndReducedRateAmounts) {
    for (int slot = 0; slot < 28; ++slot) {
        collected_.monthly.amounts[slot] = (slot + 1) * kYen;
    }
    unsigned char* notes = GeneralBlock(5, hostapi::general::kBlockSize[5]);
    const std::int64_t sales = 12345 * kYen + 9999;
    const std::int64_t purchases = -5 * kYen;
    std::memcpy(notes + hostapi::general::kNotesReducedRateSales, &sales, sizeof sales);
    std::memcpy(notes + hostapi::general::kNotesReducedRatePurchases, &purchases, sizeof purchases);

    EXPECT_EQ(report_.WriteMonthly(&xml_), 1);
    std::vector<std::string> expected;
    for (int month = 1; month <= 12; ++month) {
        expected.push_back(Value("URIAGEKINGAKU" + std::to_string(month), std::to_string(month)));
    }
    expected.push_back(Value("KAJISYOUHI", "13"));
    expected.push_back(Value("ZATUSYUNYU", "14"));
    expected.push_back(Value("URIAGE_UTI_KEIGENZEIRITU", "12345"));
    for (int month = 1; month <= 12; ++month) {
        expected.push_back(
            Value("SIIREKINGAKU" + std::to_string(month), std::to_string(month + 15)));
    }
    expected.push_back(Value("SIIRE_UTI_KEIGENZEIRITU", "-5"));
    EXPECT_EQ(Lines(), expected);
}

TEST_F(AccountTableTest, MonthlyWithoutTheReducedRateBlock) {
    collected_.monthly.amounts[14] = 77 * kYen;
    collected_.monthly.amounts[27] = 88 * kYen;
    EXPECT_EQ(report_.WriteMonthly(&xml_), 1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[14], Value("URIAGE_UTI_KEIGENZEIRITU", ""));
    EXPECT_EQ(lines[27], Value("SIIRE_UTI_KEIGENZEIRITU", ""));
}

TEST_F(AccountTableTest, MonthlyReadsNoReducedRateAmountPastTheBlock) {
    // Room for the sales amount only.
    unsigned char* notes = GeneralBlock(5, hostapi::general::kNotesReducedRatePurchases);
    const std::int64_t sales = 3 * kYen;
    std::memcpy(notes + hostapi::general::kNotesReducedRateSales, &sales, sizeof sales);
    EXPECT_EQ(report_.WriteMonthly(&xml_), 1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[14], Value("URIAGE_UTI_KEIGENZEIRITU", "3"));
    EXPECT_EQ(lines[27], Value("SIIRE_UTI_KEIGENZEIRITU", ""));
}

TEST_F(AccountTableTest, MonthlyWithoutAnyMonthlyRecord) {
    EXPECT_EQ(report_.WriteMonthly(&xml_), 1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], Value("URIAGEKINGAKU1", ""));
    EXPECT_EQ(lines[27], Value("SIIRE_UTI_KEIGENZEIRITU", ""));
}

}  // namespace
