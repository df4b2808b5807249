#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "host/HostTestSupport.h"
#include "hostapi/ClRuleAo.h"
#include "hostapi/SummationRecords.h"

// The summation rules: which statement each walk reads, the walk's results,
// the delivered rows and the monthly sums.

namespace {

using hosttest::OneEntry;

// One row of each statement, its code naming the statement, and as many rows
// as the number in the code.
constexpr const char* kEveryStatement = R"(
    "blue": {
        "business": {"pl": [{"code": 1}], "assets": [{"code": 2}, {}],
                     "liabilities": [{"code": 3}, {}, {}], "manufacturing": [{"code": 4}, {}, {}, {}]},
        "realEstate": {"pl": [{"code": 5}, {}, {}, {}, {}], "assets": [{"code": 6}, {}, {}, {}, {}, {}],
                       "liabilities": [{"code": 7}, {}, {}, {}, {}, {}, {}]}},
    "white": {"business": {"pl": [{"code": 8}, {}, {}, {}, {}, {}, {}, {}]},
              "realEstate": {"pl": [{"code": 9}, {}, {}, {}, {}, {}, {}, {}, {}]}})";

struct Walk {
    std::string name;
    std::function<int(ClRuleAo&, ClRuleSiro&)> count;
    std::function<int(ClRuleAo&, ClRuleSiro&, StAOSUMINFO*)> first;
    std::function<int(ClRuleAo&, ClRuleSiro&, StAOSUMINFO*)> next;
};

std::vector<Walk> Walks() {
    constexpr auto kBusiness = RuleAoSumType_Business;
    constexpr auto kRealEstate = RuleAoSumType_RealEstate;
    return {
        {"blue.business.pl", [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_PL(kBusiness); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveFirst_PL(r, kBusiness); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveNext_PL(r, kBusiness); }},
        {"blue.business.assets",
         [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_BS_Shisan(kBusiness); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveFirst_BS_Shisan(r, kBusiness);
         },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveNext_BS_Shisan(r, kBusiness);
         }},
        {"blue.business.liabilities",
         [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_BS_FusaiShihon(kBusiness); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveFirst_BS_FusaiShihon(r, kBusiness);
         },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveNext_BS_FusaiShihon(r, kBusiness);
         }},
        {"blue.business.manufacturing",
         [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_SeizoGenka(); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveFirst_SeizoGenka(r); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveNext_SeizoGenka(r); }},
        {"blue.realEstate.pl", [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_PL(kRealEstate); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveFirst_PL(r, kRealEstate); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) { return b.MoveNext_PL(r, kRealEstate); }},
        {"blue.realEstate.assets",
         [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_BS_Shisan(kRealEstate); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveFirst_BS_Shisan(r, kRealEstate);
         },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveNext_BS_Shisan(r, kRealEstate);
         }},
        {"blue.realEstate.liabilities",
         [](ClRuleAo& b, ClRuleSiro&) { return b.GetCount_BS_FusaiShihon(kRealEstate); },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveFirst_BS_FusaiShihon(r, kRealEstate);
         },
         [](ClRuleAo& b, ClRuleSiro&, StAOSUMINFO* r) {
             return b.MoveNext_BS_FusaiShihon(r, kRealEstate);
         }},
        {"white.business.pl",
         [](ClRuleAo&, ClRuleSiro& w) { return w.GetCount_PL(RuleSiroSumType_Business); },
         [](ClRuleAo&, ClRuleSiro& w, StAOSUMINFO* r) {
             return w.MoveFirst_PL(r, RuleSiroSumType_Business);
         },
         [](ClRuleAo&, ClRuleSiro& w, StAOSUMINFO* r) {
             return w.MoveNext_PL(r, RuleSiroSumType_Business);
         }},
        {"white.realEstate.pl",
         [](ClRuleAo&, ClRuleSiro& w) { return w.GetCount_PL(RuleSiroSumType_RealEstate); },
         [](ClRuleAo&, ClRuleSiro& w, StAOSUMINFO* r) {
             return w.MoveFirst_PL(r, RuleSiroSumType_RealEstate);
         },
         [](ClRuleAo&, ClRuleSiro& w, StAOSUMINFO* r) {
             return w.MoveNext_PL(r, RuleSiroSumType_RealEstate);
         }},
    };
}

class HostSummation : public hosttest::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        blue.SetCurDataID("D1");
        white.SetCurDataID("D1");
    }

    // A row buffer whose every byte shows whether a call wrote it.
    static StAOSUMINFO Untouched() {
        StAOSUMINFO row;
        std::memset(&row, 0x77, sizeof row);
        return row;
    }

    int PlFirst(StAOSUMINFO* row) { return blue.MoveFirst_PL(row, RuleAoSumType_Business); }
    int PlNext(StAOSUMINFO* row) { return blue.MoveNext_PL(row, RuleAoSumType_Business); }

    ClRuleAo blue;
    ClRuleSiro white;
};

TEST_F(HostSummation, EachStatementAnswersItsOwnWalk) {
    Books(OneEntry(kEveryStatement));
    int code = 0;
    for (const Walk& walk : Walks()) {
        ++code;
        SCOPED_TRACE(walk.name);
        EXPECT_EQ(walk.count(blue, white), code);
        StAOSUMINFO row = Untouched();
        EXPECT_EQ(walk.first(blue, white, &row), 0);
        EXPECT_EQ(hosttest::Unpacked(row.code), code);
        int delivered = 1;
        while (walk.next(blue, white, &row) == 0) {
            ++delivered;
        }
        EXPECT_EQ(delivered, code);
    }
}

TEST_F(HostSummation, MissingStatementsAreEmpty) {
    Books(OneEntry(""));
    for (const Walk& walk : Walks()) {
        SCOPED_TRACE(walk.name);
        StAOSUMINFO row = Untouched();
        EXPECT_EQ(walk.count(blue, white), 0);
        EXPECT_EQ(walk.first(blue, white, &row), 5000);
        EXPECT_EQ(walk.next(blue, white, &row), 5000);
        EXPECT_EQ(hosttest::Unpacked(row.itemNo), 0x77777777);
    }
}

TEST_F(HostSummation, UnknownDataIdMakesEveryStatementEmpty) {
    Books(OneEntry(kEveryStatement));
    blue.SetCurDataID("D2");
    white.SetCurDataID("D2");
    for (const Walk& walk : Walks()) {
        SCOPED_TRACE(walk.name);
        StAOSUMINFO row{};
        EXPECT_EQ(walk.count(blue, white), 0);
        EXPECT_EQ(walk.first(blue, white, &row), 5000);
    }
}

TEST_F(HostSummation, RowFillsTheWholeRecord) {
    Books(OneEntry(R"("blue": {"business": {"pl": [
        {"itemNo": 17, "code": -3, "name": "売上(収入)金額", "opening": "1.5", "closing": -42}]}})"));
    StAOSUMINFO row = Untouched();
    ASSERT_EQ(PlFirst(&row), 0);
    StAOSUMINFO expected{};
    expected.itemNo = 17;
    expected.code = -3;
    const char name[] = "\x94\x84\x8F\xE3\x28\x8E\xFB\x93\xFC\x29\x8B\xE0\x8A\x7A";
    std::memcpy(expected.name, name, sizeof name);
    expected.openingAmount = 15000;
    expected.closingAmount = -420000;
    EXPECT_EQ(std::memcmp(&row, &expected, sizeof row), 0);
}

TEST_F(HostSummation, RowNamesAreCutAtTheirWidth) {
    std::string kana;
    for (int i = 0; i < 64; ++i) {
        kana += "あ";
    }
    Books(OneEntry(R"("blue": {"business": {"pl": [{"name": ")" + kana + R"("}, {"name": "a)" +
                   kana + R"("}, {"name": {"hex": ")" + std::string(256, 'A') + R"("}}]}})"));
    StAOSUMINFO row{};
    ASSERT_EQ(PlFirst(&row), 0);
    EXPECT_EQ(std::strlen(row.name), 126u);  // the 64th character would end past byte 127
    ASSERT_EQ(PlNext(&row), 0);
    EXPECT_EQ(std::strlen(row.name), 127u);
    EXPECT_EQ(hosttest::Unpacked(row.name[126]), '\xA0');
    ASSERT_EQ(PlNext(&row), 0);
    EXPECT_EQ(std::string(row.name, sizeof row.name), std::string(128, '\xAA'));  // no NUL inside
    EXPECT_EQ(hosttest::Unpacked(row.openingAmount), 0);
}

TEST_F(HostSummation, CountMayClaimOtherThanTheRows) {
    Books(OneEntry(
        R"("blue": {"business": {"pl": {"rows": [{"code": 1}, {"code": 2}], "count": 5}}})"));
    EXPECT_EQ(blue.GetCount_PL(RuleAoSumType_Business), 5);
    StAOSUMINFO row{};
    EXPECT_EQ(PlFirst(&row), 0);
    EXPECT_EQ(PlNext(&row), 0);
    EXPECT_EQ(PlNext(&row), 5000);
}

TEST_F(HostSummation, FirstResultAnswersAnEmptyStatement) {
    Books(OneEntry(R"("blue": {"business": {"pl": {"rows": [], "firstResult": 7},
                                            "assets": {"firstResult": 8, "count": 2},
                                            "liabilities": {"rows": [{"code": 1}], "firstResult": 9},
                                            "manufacturing": []}})"));
    StAOSUMINFO row = Untouched();
    EXPECT_EQ(PlFirst(&row), 7);
    EXPECT_EQ(blue.MoveFirst_BS_Shisan(&row, RuleAoSumType_Business), 8);
    EXPECT_EQ(blue.GetCount_BS_Shisan(RuleAoSumType_Business), 2);
    EXPECT_EQ(blue.MoveFirst_SeizoGenka(&row), 5000);
    EXPECT_EQ(hosttest::Unpacked(row.code), 0x77777777);
    // With rows, the first row is delivered whatever firstResult says.
    EXPECT_EQ(blue.MoveFirst_BS_FusaiShihon(&row, RuleAoSumType_Business), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 1);
}

TEST_F(HostSummation, FaultMarkersFailTheCallThatReachesThem) {
    Books(OneEntry(
        R"("blue": {"business": {"pl": [{"code": 1}, {"result": 3}, {"code": 2}, {"result": -1}]}})"));
    EXPECT_EQ(blue.GetCount_PL(RuleAoSumType_Business), 4);
    StAOSUMINFO row{};
    EXPECT_EQ(PlFirst(&row), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 1);
    row = Untouched();
    EXPECT_EQ(PlNext(&row), 3);
    EXPECT_EQ(hosttest::Unpacked(row.code), 0x77777777);
    EXPECT_EQ(PlNext(&row), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 2);
    EXPECT_EQ(PlNext(&row), -1);
    EXPECT_EQ(PlNext(&row), 5000);
    EXPECT_EQ(PlNext(&row), 5000);
    // MoveFirst starts over.
    EXPECT_EQ(PlFirst(&row), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 1);
}

TEST_F(HostSummation, FaultMarkerMayFailTheFirstCall) {
    Books(OneEntry(R"("white": {"business": {"pl": [{"result": 12}, {"code": 5}]}})"));
    StAOSUMINFO row = Untouched();
    EXPECT_EQ(white.MoveFirst_PL(&row, RuleSiroSumType_Business), 12);
    EXPECT_EQ(hosttest::Unpacked(row.code), 0x77777777);
    EXPECT_EQ(white.MoveNext_PL(&row, RuleSiroSumType_Business), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 5);
}

TEST_F(HostSummation, EveryWalkKeepsItsOwnPosition) {
    Books(OneEntry(R"("blue": {"business": {"pl": [{"code": 1}, {"code": 2}]},
                               "realEstate": {"pl": [{"code": 11}, {"code": 12}]}})"));
    ClRuleAo other;
    other.SetCurDataID("D1");
    StAOSUMINFO row{};
    ASSERT_EQ(PlFirst(&row), 0);
    ASSERT_EQ(blue.MoveFirst_PL(&row, RuleAoSumType_RealEstate), 0);
    ASSERT_EQ(other.MoveFirst_PL(&row, RuleAoSumType_Business), 0);
    ASSERT_EQ(other.MoveNext_PL(&row, RuleAoSumType_Business), 0);
    ASSERT_EQ(PlNext(&row), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 2);
    ASSERT_EQ(blue.MoveNext_PL(&row, RuleAoSumType_RealEstate), 0);
    EXPECT_EQ(hosttest::Unpacked(row.code), 12);
}

TEST_F(HostSummation, UnknownSumTypeIsAnEmptyStatement) {
    Books(OneEntry(kEveryStatement));
    StAOSUMINFO row{};
    EXPECT_EQ(blue.GetCount_PL(static_cast<_RuleAoSumType>(2)), 0);
    EXPECT_EQ(blue.MoveFirst_PL(&row, static_cast<_RuleAoSumType>(2)), 5000);
    EXPECT_EQ(white.GetCount_PL(static_cast<_RuleSiroSumType>(-1)), 0);
}

TEST_F(HostSummation, ReadyWantsEveryStatementAndNothingElse) {
    Books(OneEntry(""));
    StAOSUMCONDITION condition{};
    condition.bytes[0] = 0xFF;
    EXPECT_EQ(blue.Ready(&condition), 0);
    condition.bytes[15] = 1;
    EXPECT_NE(blue.Ready(&condition), 0);
    condition = {};
    EXPECT_NE(blue.Ready(&condition), 0);
    EXPECT_NE(blue.Ready(nullptr), 0);
    EXPECT_EQ(white.Ready(), 0);
}

TEST_F(HostSummation, ResultsOverrideReady) {
    Books(
        R"({"format": "books/1", "entries": [], "results": {"ClRuleAo::Ready": 4, "ClRuleSiro::Ready": -2}})");
    StAOSUMCONDITION condition{};
    condition.bytes[0] = 0xFF;
    EXPECT_EQ(blue.Ready(&condition), 4);
    EXPECT_EQ(white.Ready(), -2);
}

TEST_F(HostSummation, MonthlySumsFillTheirSlots) {
    Books(OneEntry(R"("blue": {"monthly": {
        "sales": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, "12.5"], "householdConsumption": 13, "miscIncome": 14,
        "slot14": 15, "purchases": [16, 17], "slot27": 28}})"));
    StAOSUMINFO_TSUKIBETSU monthly;
    std::memset(&monthly, 0x77, sizeof monthly);
    ASSERT_EQ(blue.GetTsukibetsuUriageShiire(&monthly), 0);
    for (int slot = 0; slot < 11; ++slot) {
        EXPECT_EQ(hosttest::Unpacked(monthly.amounts[slot]), (slot + 1) * 10000) << slot;
    }
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[11]), 125000);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[12]), 130000);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[13]), 140000);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[14]), 150000);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[15]), 160000);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[16]), 170000);
    for (int slot = 17; slot < 27; ++slot) {
        EXPECT_EQ(hosttest::Unpacked(monthly.amounts[slot]), 0) << slot;
    }
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[27]), 280000);
}

TEST_F(HostSummation, MonthlySumsWithoutBooksAreZero) {
    Books(OneEntry(""));
    StAOSUMINFO_TSUKIBETSU monthly;
    std::memset(&monthly, 0x77, sizeof monthly);
    ASSERT_EQ(blue.GetTsukibetsuUriageShiire(&monthly), 0);
    const StAOSUMINFO_TSUKIBETSU zero{};
    EXPECT_EQ(std::memcmp(&monthly, &zero, sizeof zero), 0);
}

TEST_F(HostSummation, FailedMonthlySumsFillNothing) {
    Books(R"({"format": "books/1", "results": {"GetTsukibetsuUriageShiire": 6},
              "entries": [{"dataId": "D1", "blue": {"monthly": {"sales": [1]}}}]})");
    StAOSUMINFO_TSUKIBETSU monthly;
    std::memset(&monthly, 0x77, sizeof monthly);
    EXPECT_EQ(blue.GetTsukibetsuUriageShiire(&monthly), 6);
    EXPECT_EQ(hosttest::Unpacked(monthly.amounts[0]), 0x7777777777777777);
}

TEST_F(HostSummation, RulesObjectsAreMadeWithoutThrowing) {
    auto* blueRules = new (std::nothrow) ClRuleAo;
    ASSERT_NE(blueRules, nullptr);
    EXPECT_EQ(blueRules->AttachSetMgr(nullptr), 0);
    EXPECT_EQ(blueRules->AttachOptLink(nullptr), 0);
    delete blueRules;
    auto* whiteRules = new (std::nothrow) ClRuleSiro;
    ASSERT_NE(whiteRules, nullptr);
    EXPECT_EQ(whiteRules->AttachSetMgr(nullptr), 0);
    delete whiteRules;
}

}  // namespace
