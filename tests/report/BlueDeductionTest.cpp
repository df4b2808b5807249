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
#include "report/AccountTables.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/TempFolder.h"

namespace {

using reporttest::kYen;
using reporttest::SplitLines;
using reporttest::Value;

namespace general = hostapi::general;

constexpr int kBusinessIncomeRow = 43;

// A blue report over collected data the test fills in, writing into a scratch file.
class BlueDeductionTest : public reporttest::SectionWriterTest {
protected:
    // Rows up to the one with the business income; the others carry amounts that must not show.
    void AddRows(int count, std::int64_t businessIncome) {
        for (int n = 1; n <= count; ++n) {
            auto row = std::make_unique<StAOSUMINFO>();
            *row = StAOSUMINFO{};
            row->code = n == kBusinessIncomeRow ? 999 : 200 + n;
            row->closingAmount = n == kBusinessIncomeRow ? businessIncome : 777 * kYen;
            collected_.rows.push_back(std::move(row));
        }
    }

    void SetUpDeduction(std::int64_t realEstateIncome, std::uint8_t choice) {
        unsigned char* block = GeneralBlock(0, general::kBlockSize[0]);
        std::memcpy(block + general::kRealEstateIncome, &realEstateIncome, sizeof realEstateIncome);
        SetChoice(choice);
    }
};

std::vector<std::string> Deduction(std::string_view realEstate, std::string_view business,
                                   std::string_view choice, std::string_view blue,
                                   std::string_view other) {
    return {Value("FUDOUSANSYOTOKU", realEstate), Value("AOIROKOUJOMAESYOTOKU", business),
            Value("AOIROKOUJO_SENTAKU", choice), Value("AOIROKOUJO_KOUJYOGAKU", blue),
            Value("JOUKIIGAI_KOUJYOGAKU", other)};
}

TEST_F(BlueDeductionTest, RealEstateIncomeTakesUpTheWholeLimit) {
    SetUpDeduction(800000 * kYen, 1);
    AddRows(45, 3000000 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("800000", "3000000", "1", "0", ""));
}

TEST_F(BlueDeductionTest, RestOfTheLimitIsTheDeduction) {
    SetUpDeduction(200000 * kYen, 2);
    AddRows(43, 3000000 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("200000", "3000000", "3", "350000", ""));
}

TEST_F(BlueDeductionTest, SmallerDeductionIsCappedByTheBusinessIncome) {
    SetUpDeduction(0, 0);
    AddRows(43, 40000 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("0", "40000", "2", "", "40000"));
}

TEST_F(BlueDeductionTest, LossesCountAsNone) {
    SetUpDeduction(-300000 * kYen, 1);
    AddRows(43, -5 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("0", "0", "1", "0", ""));
}

TEST_F(BlueDeductionTest, IncomesAreRoundedHalfUpToWholeYen) {
    SetUpDeduction(649999 * kYen + 5000, 1);
    AddRows(43, 12345 * kYen + 5000);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("650000", "12346", "1", "0", ""));
}

TEST_F(BlueDeductionTest, BusinessIncomeJustBelowHalfAYen) {
    SetUpDeduction(0, 1);
    AddRows(43, 12345 * kYen + 4999);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("0", "12345", "1", "12345", ""));
}

TEST_F(BlueDeductionTest, BusinessIncomeIsFoundByPosition) {
    SetUpDeduction(0, 2);
    AddRows(43, 1000000 * kYen);
    // A row with the same code earlier in the list does not count.
    collected_.rows[0]->code = 999;
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("0", "1000000", "3", "550000", ""));
}

TEST_F(BlueDeductionTest, FewerThanFortyThreeRowsFailAfterTheRealEstateIncome) {
    SetUpDeduction(100 * kYen, 1);
    AddRows(42, 0);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("FUDOUSANSYOTOKU", "100")}));
}

TEST_F(BlueDeductionTest, UnknownChoiceFailsAfterTheIncomes) {
    SetUpDeduction(100 * kYen, 3);
    AddRows(43, 200 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("FUDOUSANSYOTOKU", "100"),
                                                 Value("AOIROKOUJOMAESYOTOKU", "200")}));
}

TEST_F(BlueDeductionTest, AbsentStatementLeavesTheChoiceUnknown) {
    AddRows(43, 200 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("FUDOUSANSYOTOKU", "0"),
                                                 Value("AOIROKOUJOMAESYOTOKU", "200")}));
}

TEST_F(BlueDeductionTest, BlockTooShortForTheChoiceLeavesItUnknown) {
    GeneralBlock(0, general::kBlueDeductionChoice);
    AddRows(43, 200 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("FUDOUSANSYOTOKU", "0"),
                                                 Value("AOIROKOUJOMAESYOTOKU", "200")}));
}

TEST_F(BlueDeductionTest, BlockTooShortForTheRealEstateIncomeCountsItAsNone) {
    // The income would end 7 bytes past this block.
    unsigned char* block = GeneralBlock(0, general::kRealEstateIncome + 1);
    block[general::kBlueDeductionChoice] = 2;
    block[general::kRealEstateIncome] = 0x7F;
    AddRows(43, 1000000 * kYen);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 1);
    EXPECT_EQ(Lines(), Deduction("0", "1000000", "3", "550000", ""));
}

TEST_F(BlueDeductionTest, NoRowsAtAll) {
    SetUpDeduction(0, 1);
    EXPECT_EQ(report_.WriteBlueDeduction(&xml_), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{Value("FUDOUSANSYOTOKU", "0")}));
}

std::vector<std::string> BadDebt(std::string_view individual, std::string_view total,
                                 std::string_view limit, std::string_view provision) {
    return {Value("KOBETU_KURIIREGAKU", individual), Value("IKKATU_KURIIREGOUKEIGAKU", total),
            Value("IKKATU_KURIIRERITU", "1"), Value("IKKATU_KURIIREGENDOGAKU", limit),
            Value("IKKATU_KURIIREGAKU", provision)};
}

TEST_F(BlueDeductionTest, BadDebtReserveAllZero) {
    GeneralBlock(1, general::kBlockSize[1]);
    EXPECT_EQ(report_.WriteBadDebtReserve(&xml_), 1);
    EXPECT_EQ(Lines(), BadDebt("", "", "", ""));
}

TEST_F(BlueDeductionTest, BadDebtReserveAmounts) {
    unsigned char* block = GeneralBlock(1, general::kBlockSize[1]);
    const std::int64_t amounts[] = {120000 * kYen + 9999, 3000000 * kYen, 165000 * kYen, -2 * kYen};
    for (std::size_t i = 0; i < general::kBadDebt.size(); ++i) {
        std::memcpy(block + general::kBadDebt[i], &amounts[i], sizeof amounts[i]);
    }
    EXPECT_EQ(report_.WriteBadDebtReserve(&xml_), 1);
    EXPECT_EQ(Lines(), BadDebt("120000", "3000000", "165000", "-2"));
}

TEST_F(BlueDeductionTest, BadDebtReserveWithoutItsBlock) {
    EXPECT_EQ(report_.WriteBadDebtReserve(&xml_), 1);
    EXPECT_EQ(Lines(), BadDebt("", "", "", ""));
}

TEST_F(BlueDeductionTest, BadDebtReserveReadsNothingPastTheBlock) {
    // Room for the first two amounts only.
    unsigned char* block = GeneralBlock(1, general::kBadDebt[2]);
    const std::int64_t amount = 5 * kYen;
    std::memcpy(block + general::kBadDebt[0], &amount, sizeof amount);
    std::memcpy(block + general::kBadDebt[1], &amount, sizeof amount);
    EXPECT_EQ(report_.WriteBadDebtReserve(&xml_), 1);
    EXPECT_EQ(Lines(), BadDebt("5", "5", "", ""));
}

}  // namespace
