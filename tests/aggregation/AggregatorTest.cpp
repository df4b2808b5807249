#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "aggregation/AggregationFixture.h"
#include "hostapi/BlockView.h"
#include "support/Sjis.h"

namespace {

using ::testing::ElementsAre;
using testsupport::AggregationTest;
using testsupport::Sjis;

// Rows are told apart by their codes: 1xxx profit and loss, 2xxx assets,
// 3xxx liabilities, 4xxx manufacturing; +500 for the real-estate statements.
constexpr char kBlueBooks[] = R"("blue": {
    "business": {
        "pl": [{"itemNo": 1, "code": 1001}, {"itemNo": 2, "code": 1002}],
        "assets": [{"itemNo": 1, "code": 2001}],
        "liabilities": [{"itemNo": 23, "code": 3023}, {"itemNo": 24, "code": 3024}],
        "manufacturing": [{"itemNo": 1, "code": 4001}]
    },
    "realEstate": {
        "pl": [{"itemNo": 1, "code": 1501}, {"itemNo": 21, "code": 1521, "closing": "800000.5"}],
        "assets": [{"itemNo": 1, "code": 2501}],
        "liabilities": [{"itemNo": 24, "code": 3524}]
    },
    "monthly": {"sales": [1, 2, 3], "purchases": [4]}
},
"general": {"0": {"realEstateIncome": 123}, "5": {}},
"realEstate": {"0": {}})";

constexpr char kWhiteBooks[] = R"("white": {
    "business": {"pl": [{"itemNo": 19, "code": 19}, {"itemNo": 37, "code": 37}]},
    "realEstate": {"pl": [{"itemNo": 19, "code": 519}, {"itemNo": 37, "code": 537}]}
},
"general": {"0": {}}, "realEstate": {"0": {}})";

std::int64_t RealEstateIncome(const CollectedData& collected) {
    return hostapi::BlockView::OfTaskMemory(collected.general.blocks[0])
        .Int64(hostapi::general::kRealEstateIncome)
        .value_or(-1);
}

TEST_F(AggregationTest, BlueBusinessCollectsFourStatementsInOrderWithRewrites) {
    Books(3, 3, kBlueBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 1);
    // Item 1 of the profit and loss becomes 101, item 24 of the liabilities 999.
    EXPECT_THAT(Codes(), ElementsAre(101, 1002, 2001, 3023, 999, 4001));
    EXPECT_EQ(collected_.monthly.amounts[2], 30000);
    EXPECT_EQ(collected_.monthly.amounts[15], 40000);
    EXPECT_EQ(RealEstateIncome(collected_), 8000005000);
    EXPECT_NE(collected_.realEstate.blocks[0], nullptr);
    // 201 + 101 + 101 steps, and the caption at 50 %.
    EXPECT_EQ(OverallSteps(), 403);
    EXPECT_EQ(progressWindow_->captions.back(), Sjis("集計中 50％"));
}

TEST_F(AggregationTest, OtherIncomeAggregatesLikeBusinessIncome) {
    Books(3, 1, kBlueBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 2), 1);
    EXPECT_THAT(Codes(), ElementsAre(101, 1002, 2001, 3023, 999, 4001));
}

TEST_F(AggregationTest, BlueRealEstateCollectsThreeStatementsWithoutTheSalesRewrite) {
    Books(3, 3, kBlueBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 3), 1);
    EXPECT_THAT(Codes(), ElementsAre(1501, 1521, 2501, 999));
    EXPECT_EQ(collected_.monthly.amounts[2], 0);  // no monthly figures for real estate
    EXPECT_EQ(RealEstateIncome(collected_), 1230000);
    EXPECT_EQ(OverallSteps(), 403);
}

TEST_F(AggregationTest, WhiteReturnsRewriteTheFamilyEmployeeDeductionOfTheirStatement) {
    Books(4, 3, kWhiteBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 1);
    EXPECT_THAT(Codes(), ElementsAre(19, 998));
    EXPECT_NE(collected_.general.blocks[0], nullptr);
    EXPECT_NE(collected_.realEstate.blocks[0], nullptr);
}

TEST_F(AggregationTest, WhiteRealEstateRewritesItem19) {
    Books(4, 3, kWhiteBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 3), 1);
    EXPECT_THAT(Codes(), ElementsAre(998, 537));
}

TEST_F(AggregationTest, EmptyStatementsAreNoErrorWhateverMoveFirstReturns) {
    Books(3, 1, R"("blue": {"business": {
        "pl": {"rows": [], "firstResult": 0},
        "assets": {"rows": [], "firstResult": 5000},
        "liabilities": [{"itemNo": 24}],
        "manufacturing": []}})");
    EXPECT_EQ(aggregator_.SumBlueBusiness(), 1);
    EXPECT_THAT(Codes(), ElementsAre(999));
}

TEST_F(AggregationTest, WhiteStatementWithCountZeroStillAdvancesToFiftyPercent) {
    Books(4, 2, R"("white": {"realEstate": {"pl": {"rows": [{"itemNo": 1}], "count": 0}}})");
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 3), 1);
    EXPECT_TRUE(collected_.rows.empty());
    EXPECT_EQ(OverallSteps(), 403);
    EXPECT_EQ(progressWindow_->captions.back(), Sjis("集計中 50％"));
}

TEST_F(AggregationTest, WalkTakesNoMoreRowsThanCountedAndEndsEarlyAtNoMoreRows) {
    Books(3, 1, R"("blue": {"business": {
        "pl": {"rows": [{"code": 1}, {"code": 2}, {"code": 3}], "count": 2},
        "assets": {"rows": [{"code": 4}], "count": 5}}})");
    EXPECT_EQ(aggregator_.SumBlueBusiness(), 1);
    EXPECT_THAT(Codes(), ElementsAre(1, 2, 4));
}

TEST_F(AggregationTest, CountWithoutADeliveredRowAppendsNothing) {
    Books(3, 1, R"("blue": {"business": {"pl": {"rows": [], "count": 3, "firstResult": 5000}}})");
    EXPECT_EQ(aggregator_.SumBlueBusiness(), 1);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, FailureMidWalkStopsTheSummationKeepsRowsAndSkipsTheChain) {
    Books(3, 3, R"("blue": {
        "business": {
            "pl": [{"code": 11}],
            "assets": [{"code": 21}, {"result": 7}, {"code": 22}],
            "liabilities": [{"code": 31}]},
        "realEstate": {"pl": [{"itemNo": 21, "closing": 500}]},
        "monthly": {"sales": [9]}},
        "general": {"0": {"realEstateIncome": 123}})");
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 1);
    EXPECT_THAT(Codes(), ElementsAre(11, 21));
    EXPECT_EQ(collected_.monthly.amounts[0], 0);
    EXPECT_EQ(RealEstateIncome(collected_), 1230000);
    EXPECT_EQ(OverallSteps(), 302);  // stopped before the last step
}

TEST_F(AggregationTest, FailingMoveFirstEndsTheOperation) {
    Books(4, 1, R"("white": {"business": {"pl": {"rows": [], "firstResult": 12}}})");
    EXPECT_EQ(aggregator_.SumWhite(RuleSiroSumType_Business), 0);
}

TEST_F(AggregationTest, MonthlyFailureSkipsTheRealEstateIncome) {
    Books(3, 3, R"("blue": {"realEstate": {"pl": [{"itemNo": 21, "closing": 500}]}},
                   "general": {"0": {"realEstateIncome": 7}})",
          R"({"GetTsukibetsuUriageShiire": 2})");
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 1);
    EXPECT_EQ(RealEstateIncome(collected_), 70000);
}

TEST_F(AggregationTest, OnlyCompaniesWithBothIncomesFetchTheRealEstateIncome) {
    for (int businessKind : {1, 2}) {
        SCOPED_TRACE(businessKind);
        Books(3, businessKind, kBlueBooks);
        Aggregator aggregator(collected_, progress_);
        EXPECT_EQ(aggregator.Aggregate(&entry_, 1), 1);
        EXPECT_EQ(RealEstateIncome(collected_), 1230000);
        collected_.Release();
    }
}

TEST_F(AggregationTest, RealEstateIncomeIsNotStoredWithoutRoomForIt) {
    for (const char* block0 : {R"("0": null)", R"("0": {"size": 541})"}) {
        SCOPED_TRACE(block0);
        Books(3, 3,
              std::string(R"("blue": {"realEstate": {"pl": [{"itemNo": 21, "closing": 500}]}},
                                   "general": {)") +
                  block0 + "}");
        Aggregator aggregator(collected_, progress_);
        EXPECT_EQ(aggregator.FetchRealEstateIncome(), 1);
        EXPECT_EQ(RealEstateIncome(collected_), -1);
        collected_.Release();
    }
}

TEST_F(AggregationTest, RealEstateIncomeWalkStopsAtItsRowAndReportsHostFailures) {
    Books(
        3, 3,
        R"("blue": {"realEstate": {"pl": [{"itemNo": 20}, {"result": 3}]}}, "general": {"0": {}})");
    EXPECT_EQ(aggregator_.FetchRealEstateIncome(), 0);
    Books(3, 3, R"("blue": {"realEstate": {"pl": [{"itemNo": 21, "closing": 2}, {"result": 3}]}},
                   "general": {"0": {}})");
    EXPECT_EQ(aggregator_.FetchRealEstateIncome(), 1);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, IncomeKindOutsideTheThreeLoadsStatementsOnly) {
    for (IncomeKind kind : {0, 4, -1}) {
        Books(3, 3, kBlueBooks);
        Aggregator aggregator(collected_, progress_);
        EXPECT_EQ(aggregator.Aggregate(&entry_, kind), 1);
        EXPECT_TRUE(collected_.rows.empty());
        EXPECT_NE(collected_.general.blocks[0], nullptr);
        EXPECT_EQ(OverallSteps(), 0);
        collected_.Release();
    }
}

TEST_F(AggregationTest, FailingGeneralLoadDoesNotRequestTheRealEstateStatement) {
    Books(3, 1, R"("general": {"1": {}}, "realEstate": {"0": {}})", R"({"GetDataIppan": 9})");
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 0);
    EXPECT_NE(collected_.general.blocks[1], nullptr);  // a failing host still fills, and we free
    EXPECT_EQ(collected_.realEstate.blocks[0], nullptr);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, FailingRealEstateLoadFailsTheAggregation) {
    Books(4, 1, kWhiteBooks, R"({"GetDataFudousan": 1})");
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 0);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, UnknownReturnKindFailsAfterLoadingTheStatements) {
    Books(5, 3, kBlueBooks);
    EXPECT_EQ(aggregator_.Aggregate(&entry_, 1), 0);
    EXPECT_NE(collected_.general.blocks[0], nullptr);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, MissingEntryFailsAtOnce) {
    Books(3, 1, kBlueBooks);
    EXPECT_EQ(aggregator_.Aggregate(nullptr, 1), 0);
    EXPECT_EQ(collected_.general.blocks[0], nullptr);
}

TEST_F(AggregationTest, ReadyRefusedStopsBeforeAnyRow) {
    Books(3, 3, kBlueBooks, R"({"ClRuleAo::Ready": 4})");
    EXPECT_EQ(aggregator_.SumBlueBusiness(), 0);
    EXPECT_EQ(aggregator_.SumBlueMonthly(), 0);
    EXPECT_TRUE(collected_.rows.empty());
    EXPECT_EQ(OverallSteps(), 201);
}

TEST_F(AggregationTest, WhiteReadyRefusedStopsBeforeAnyRow) {
    Books(4, 3, kWhiteBooks, R"({"ClRuleSiro::Ready": 4})");
    EXPECT_EQ(aggregator_.SumWhite(RuleSiroSumType_Business), 0);
    EXPECT_TRUE(collected_.rows.empty());
}

TEST_F(AggregationTest, UnselectedDataLeavesEveryStatementEmptyAndLoadsFail) {
    Books(3, 3, kBlueBooks);
    // The selection names no entry: the host's selected record is all zero.
    ASSERT_EQ(
        tobra::books::InstallText(
            R"({"format": "books/1", "selection": [0, 99], "entries": [{"dataId": "D1", "dataNo": 1}]})"),
        "");
    EXPECT_EQ(aggregator_.LoadGeneralStatement(), 0);
    EXPECT_EQ(aggregator_.SumBlueBusiness(), 1);
    EXPECT_TRUE(collected_.rows.empty());
}

}  // namespace
