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

// The tables as they must read: amount rows by position.
void ExpectAmountRow(std::span<const AmountTableRow> table, std::size_t position,
                     std::string_view tag, std::int32_t code, std::int32_t flag) {
    ASSERT_LT(position - 1, table.size());
    const AmountTableRow row = table[position - 1];
    EXPECT_EQ(std::string_view(row.tag), tag) << "row " << position;
    EXPECT_EQ(row.code, code) << "row " << position;
    EXPECT_EQ(row.flag, flag) << "row " << position;
}

TEST(AccountTableContents, ProfitAndLossAndManufacturing) {
    ASSERT_EQ(BlueBusinessProfitAndLoss().size(), 35u);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 1, "URIAGEKINGAKU", 101, 0);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 15, "GENKASHOUKYAKUHI", 118, 0);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 22, "KEIHI_YOBI1", 125, 1);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 29, "KURIMODOSI_KASIDAOREHIKIATEKIN", 135, 0);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 32, "SENJYUUSYAKYUUYO", 140, 0);
    ExpectAmountRow(BlueBusinessProfitAndLoss(), 35, "KURIIRE_YOBI2", 143, 1);

    ASSERT_EQ(WhiteProfitAndLoss().size(), 30u);
    ExpectAmountRow(WhiteProfitAndLoss(), 1, "SYUNYUGAKU", 1, 0);
    ExpectAmountRow(WhiteProfitAndLoss(), 13, "SOZEIKOUKA", 21, 0);
    ExpectAmountRow(WhiteProfitAndLoss(), 28, "KEIHI_YOBI5", 36, 1);
    ExpectAmountRow(WhiteProfitAndLoss(), 30, "SENJYUSYAKOUJYO", 998, 0);

    ASSERT_EQ(ManufacturingCost().size(), 20u);
    ExpectAmountRow(ManufacturingCost(), 1, "KISYUGENZAIRYOUTANAOROSIDAKA", 301, 0);
    ExpectAmountRow(ManufacturingCost(), 6, "DENNRYOKUHI", 308, 0);
    ExpectAmountRow(ManufacturingCost(), 8, "SYUZENHI", 310, 0);
    ExpectAmountRow(ManufacturingCost(), 17, "SEIZOUKEIHI_YOBI8", 319, 1);
    ExpectAmountRow(ManufacturingCost(), 20, "KIMATUHANSEIHIN", 325, 0);

    ASSERT_EQ(BlueRealEstateProfitAndLoss().size(), 17u);
    ExpectAmountRow(BlueRealEstateProfitAndLoss(), 1, "TINTAIRYO", 101, 0);
    ExpectAmountRow(BlueRealEstateProfitAndLoss(), 3, "SYUUNYUUKINGAKU_YOBI", 103, 1);
    ExpectAmountRow(BlueRealEstateProfitAndLoss(), 4, "SOZEIKOUKA", 105, 0);
    ExpectAmountRow(BlueRealEstateProfitAndLoss(), 15, "HITUYOUKEIHI_YOBI5", 116, 1);
    ExpectAmountRow(BlueRealEstateProfitAndLoss(), 17, "SENJYUUSYAKYUUYO", 120, 0);

    ASSERT_EQ(WhiteRealEstateProfitAndLoss().size(), 14u);
    ExpectAmountRow(WhiteRealEstateProfitAndLoss(), 1, "TINTAIRYO", 1, 0);
    ExpectAmountRow(WhiteRealEstateProfitAndLoss(), 4, "KYUURYOUTINGIN", 6, 0);
    ExpectAmountRow(WhiteRealEstateProfitAndLoss(), 12, "HITUYOUKEIHI_YOBI", 24, 1);
    ExpectAmountRow(WhiteRealEstateProfitAndLoss(), 14, "SENJYUSYAKOUJYO", 998, 0);
}

TEST(AccountTableContents, UserNamedRowsAreTheSpareAccounts) {
    for (auto table : {BlueBusinessProfitAndLoss(), WhiteProfitAndLoss(), ManufacturingCost(),
                       BlueRealEstateProfitAndLoss(), WhiteRealEstateProfitAndLoss()}) {
        for (const AmountTableRow& row : table) {
            const bool spare = std::string_view(row.tag).find("YOBI") != std::string_view::npos;
            EXPECT_EQ(row.flag, spare ? 1 : 0) << row.tag;
        }
    }
}

// One account as listed: its stem and the suffixes of its rows.
struct ListedAccount {
    std::int32_t code;
    std::string stem;
    std::vector<std::string> suffixes;
};

const std::vector<std::string> kPair = {"_KISYU", "_KIMATU"};
const std::vector<std::string> kNamed = {"_KAMOKU", "_KISYU", "_KIMATU"};
const std::vector<std::string> kClosing = {"_KIMATU"};

void ExpectBalanceSheet(std::span<const BalanceTableRow> table,
                        const std::vector<ListedAccount>& accounts) {
    std::size_t i = 0;
    for (const ListedAccount& account : accounts) {
        for (const std::string& suffix : account.suffixes) {
            ASSERT_LT(i, table.size()) << account.stem;
            const BalanceTableRow row = table[i++];
            const std::uint8_t kind = suffix == "_KAMOKU" ? 3 : suffix == "_KISYU" ? 0 : 1;
            EXPECT_EQ(std::string_view(row.tag), account.stem + suffix) << "row " << i;
            EXPECT_EQ(row.kind, kind) << "row " << i;
            EXPECT_EQ(row.code, account.code) << "row " << i;
            EXPECT_EQ(row.flag, kind == 3 ? 1 : 0) << "row " << i;
        }
    }
    EXPECT_EQ(i, table.size());
}

TEST(AccountTableContents, BlueBusinessBalanceSheet) {
    ASSERT_EQ(BlueBusinessBalanceSheet().size(), 114u);
    ExpectBalanceSheet(BlueBusinessBalanceSheet(), {
                                                       {201, "GENKIN", kPair},
                                                       {202, "TOUZAYOKIN", kPair},
                                                       {203, "TEIKIYOKIN", kPair},
                                                       {204, "SONOTANOYOKIN", kPair},
                                                       {205, "UKETORITEGATA", kPair},
                                                       {206, "URIKAKEKIN", kPair},
                                                       {207, "YUUKASYOUKEN", kPair},
                                                       {208, "TANAOROSISISAN", kPair},
                                                       {209, "MAEBARAIKIN", kPair},
                                                       {210, "KASITUKEKIN", kPair},
                                                       {211, "TATEMONO", kPair},
                                                       {212, "TATEMONOFUZOKUSETUBI", kPair},
                                                       {213, "KIKAISOUTI", kPair},
                                                       {214, "SYARYOUUNPANGU", kPair},
                                                       {215, "KOUGUKIGUBIHIN", kPair},
                                                       {216, "TOTI", kPair},
                                                       {217, "SISAN_YOBI1", kNamed},
                                                       {218, "SISAN_YOBI2", kNamed},
                                                       {219, "SISAN_YOBI3", kNamed},
                                                       {220, "SISAN_YOBI4", kNamed},
                                                       {221, "SISAN_YOBI5", kNamed},
                                                       {222, "SISAN_YOBI6", kNamed},
                                                       {223, "SISAN_YOBI7", kNamed},
                                                       {224, "JIGYOUNUSIKASI", kClosing},
                                                       {225, "SIHARAITEGATA", kPair},
                                                       {226, "KAIKAKEKIN", kPair},
                                                       {227, "SYUKUNYUUKIN", kPair},
                                                       {228, "MIBARAIKIN", kPair},
                                                       {229, "MAIUKEKIN", kPair},
                                                       {230, "AZUKARIKIN", kPair},
                                                       {231, "FUSAISIHON_YOBI1", kNamed},
                                                       {232, "FUSAISIHON_YOBI2", kNamed},
                                                       {233, "FUSAISIHON_YOBI3", kNamed},
                                                       {234, "FUSAISIHON_YOBI4", kNamed},
                                                       {235, "FUSAISIHON_YOBI5", kNamed},
                                                       {236, "FUSAISIHON_YOBI6", kNamed},
                                                       {237, "FUSAISIHON_YOBI7", kNamed},
                                                       {238, "KASIDAOREHIKIATEKIN", kPair},
                                                       {239, "FUSAISIHON_YOBI8", kNamed},
                                                       {240, "FUSAISIHON_YOBI9", kNamed},
                                                       {241, "FUSAISIHON_YOBI10", kNamed},
                                                       {242, "FUSAISIHON_YOBI11", kNamed},
                                                       {243, "FUSAISIHON_YOBI12", kNamed},
                                                       {244, "FUSAISIHON_YOBI13", kNamed},
                                                       {245, "FUSAISIHON_YOBI14", kNamed},
                                                       {246, "JIGYOUNUSIKARI", kClosing},
                                                       {247, "MOTOIREKIN", kPair},
                                                       {999, "KOUJYOMAESYOTOKUKINNGAKU", kClosing},
                                                   });
    EXPECT_STREQ(BlueBusinessBalanceSheet().front().tag, "GENKIN_KISYU");
    EXPECT_STREQ(BlueBusinessBalanceSheet()[32].tag, "SISAN_YOBI1_KAMOKU");
    EXPECT_STREQ(BlueBusinessBalanceSheet().back().tag, "KOUJYOMAESYOTOKUKINNGAKU_KIMATU");
}

TEST(AccountTableContents, BlueRealEstateBalanceSheet) {
    std::vector<ListedAccount> accounts = {
        {201, "GENKIN", kPair},         {202, "FUTUUYOKIN", kPair},
        {203, "TEIKIYOKIN", kPair},     {204, "SONOTANOYOKIN", kPair},
        {205, "UKETORITEGATA", kPair},  {206, "MISYUUTINTAIRYO", kPair},
        {207, "MISYUUKIN", kPair},      {208, "YUUKASYOUKEN", kPair},
        {209, "MAEBARAIKIN", kPair},    {210, "KASITUKEKIN", kPair},
        {211, "TATEMONO", kPair},       {212, "TATEMONOFUZOKUSETUBI", kPair},
        {213, "KOUTIKUBUTU", kPair},    {214, "SENPAKU", kPair},
        {215, "KOUGUKIGUBIHIN", kPair}, {216, "TOTI", kPair},
        {217, "SYAKUTIKEN", kPair},     {218, "KOUKYOUSISETUFUTANKIN", kPair},
    };
    for (int n = 1; n <= 5; ++n) {
        accounts.push_back({218 + n, "SISAN_YOBI" + std::to_string(n), kNamed});
    }
    accounts.push_back({224, "JIGYOUNUSIKASI", kClosing});
    accounts.push_back({225, "SYUKUNYUUKIN", kPair});
    accounts.push_back({226, "MIBARAIKIN", kPair});
    accounts.push_back({227, "HOSYOUKIN_SIKIKIN", kPair});
    for (int n = 1; n <= 18; ++n) {
        accounts.push_back({227 + n, "FUSAISIHON_YOBI" + std::to_string(n), kNamed});
    }
    accounts.push_back({246, "JIGYOUNUSIKARI", kClosing});
    accounts.push_back({247, "MOTOIREKIN", kPair});
    accounts.push_back({999, "KOUJYOMAESYOTOKUKINNGAKU", kClosing});

    ASSERT_EQ(BlueRealEstateBalanceSheet().size(), 116u);
    ExpectBalanceSheet(BlueRealEstateBalanceSheet(), accounts);
    const auto table = BlueRealEstateBalanceSheet();
    EXPECT_STREQ(table[36].tag, "SISAN_YOBI1_KAMOKU");  // row 37
    EXPECT_STREQ(table[51].tag, "JIGYOUNUSIKASI_KIMATU");
    EXPECT_STREQ(table[58].tag, "FUSAISIHON_YOBI1_KAMOKU");
    EXPECT_STREQ(table[111].tag, "FUSAISIHON_YOBI18_KIMATU");
    EXPECT_STREQ(table[112].tag, "JIGYOUNUSIKARI_KIMATU");
    EXPECT_STREQ(table[115].tag, "KOUJYOMAESYOTOKUKINNGAKU_KIMATU");
}

TEST(AccountTableContents, TheSameTableEveryCall) {
    EXPECT_EQ(BlueBusinessBalanceSheet().data(), BlueBusinessBalanceSheet().data());
    EXPECT_EQ(BlueRealEstateBalanceSheet().data(), BlueRealEstateBalanceSheet().data());
    EXPECT_EQ(MonthlyTags().data(), MonthlyTags().data());
}

TEST(AccountTableContents, MonthlyTags) {
    const auto tags = MonthlyTags();
    ASSERT_EQ(tags.size(), 28u);
    EXPECT_EQ(tags[0], "URIAGEKINGAKU1");
    EXPECT_EQ(tags[11], "URIAGEKINGAKU12");
    EXPECT_EQ(tags[12], "KAJISYOUHI");
    EXPECT_EQ(tags[13], "ZATUSYUNYU");
    EXPECT_EQ(tags[14], "URIAGE_UTI_KEIGENZEIRITU");
    EXPECT_EQ(tags[15], "SIIREKINGAKU1");
    EXPECT_EQ(tags[26], "SIIREKINGAKU12");
    EXPECT_EQ(tags[27], "SIIRE_UTI_KEIGENZEIRITU");
}

TEST_F(AccountTableTest, WholeBusinessBalanceSheetFromRows) {
    AddRow(217, Sjis("【ソフト】"), 10000, 20000);
    AddRow(999, "", 0, 5 * kYen);
    EXPECT_EQ(report_.WriteBalanceTable(&xml_, BlueBusinessBalanceSheet()), 1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 114u);
    EXPECT_EQ(lines[0], Value("GENKIN_KISYU", ""));
    EXPECT_EQ(lines[32], Value("SISAN_YOBI1_KAMOKU", Sjis("ソフト")));
    EXPECT_EQ(lines[33], Value("SISAN_YOBI1_KISYU", "1"));
    EXPECT_EQ(lines[34], Value("SISAN_YOBI1_KIMATU", "2"));
    EXPECT_EQ(lines[113], Value("KOUJYOMAESYOTOKUKINNGAKU_KIMATU", "5"));
}

}  // namespace
