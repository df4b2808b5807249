// Every section writer stops at the first write that fails and reports it;
// without an XML writer it writes nothing and fails.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "report/ReportTestSupport.h"
#include "support/FailingSink.h"

namespace {

using Section = std::function<int(ReportWriter&, XmlWriter*, const StDATAINFO*)>;

struct SectionCase {
    const char* name;
    Section write;
};

const AmountTableRow kAmounts[] = {{"A", 1, 1}, {"B", 2, 0}};
const BalanceTableRow kBalances[] = {{"C_KISYU", 0, 1, 0}, {"C_KIMATU", 1, 1, 0}};

const std::vector<SectionCase> kSections = {
    {"amount table", [](auto& r, auto* x, auto*) { return r.WriteAmountTable(x, kAmounts); }},
    {"balance table", [](auto& r, auto* x, auto*) { return r.WriteBalanceTable(x, kBalances); }},
    {"monthly", [](auto& r, auto* x, auto*) { return r.WriteMonthly(x); }},
    {"blue deduction", [](auto& r, auto* x, auto*) { return r.WriteBlueDeduction(x); }},
    {"bad-debt reserve", [](auto& r, auto* x, auto*) { return r.WriteBadDebtReserve(x); }},
    {"salaries", [](auto& r, auto* x, auto*) { return r.WriteSalaryList(x, 5, 1); }},
    {"interest", [](auto& r, auto* x, auto*) { return r.WriteInterestList(x, 2); }},
    {"special notes",
     [](auto& r, auto* x, auto*) { return r.WriteSpecialNotes(x, "A\r\nB\r\nC", 60, 5); }},
    {"rentals", [](auto& r, auto* x, auto*) { return r.WriteRentalList(x, 9999); }},
    {"rental use", [](auto& r, auto* x, auto*) { return r.WriteRentalUse(x); }},
    {"business income", [](auto& r, auto* x, auto* e) { return r.WriteBusinessIncome(x, e); }},
    {"real-estate income", [](auto& r, auto* x, auto* e) { return r.WriteRealEstateIncome(x, e); }},
};

// A blue report with the rows and blocks every section reads: the deduction
// choice set, three rentals.
class SectionFailureTest : public reporttest::SectionWriterTest {
protected:
    void SetUp() override {
        for (int row = 0; row < 43; ++row) {
            collected_.rows.push_back(std::make_unique<StAOSUMINFO>());
        }
        for (int block = 0; block < hostapi::general::kBlockCount; ++block) {
            GeneralBlock(block);
        }
        SetChoice(1);
        RealEstateBlock(1, 3 * sizeof(RentalEntry));
        entry_.returnKind = hostapi::kBlueReturn;
    }
};

TEST_F(SectionFailureTest, TheFirstFailedWriteEndsTheSection) {
    for (const SectionCase& section : kSections) {
        SCOPED_TRACE(section.name);
        testsupport::FailingSink counting(0);
        XmlWriter whole;
        whole.Open(&counting);
        ASSERT_EQ(section.write(report_, &whole, &entry_), 1);
        for (const int failing : {1, (counting.writes + 1) / 2, counting.writes}) {
            testsupport::FailingSink sink(failing);
            XmlWriter xml;
            xml.Open(&sink);
            EXPECT_EQ(section.write(report_, &xml, &entry_), 0) << "write " << failing;
            EXPECT_EQ(sink.writes, failing);
        }
        EXPECT_EQ(section.write(report_, nullptr, &entry_), 0);
    }
}

}  // namespace
