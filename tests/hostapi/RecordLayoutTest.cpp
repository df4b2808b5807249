#include <gtest/gtest.h>

#include <cstring>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "hostapi/SummationRecords.h"

namespace {

// The compile-time checks in the headers pin sizes and offsets; this checks
// that the entry arrays the block tables describe fit the blocks' sizes.
TEST(RecordLayout, EntryArraysFitTheirBlocks) {
    namespace g = hostapi::general;
    namespace r = hostapi::realestate;
    EXPECT_EQ(g::kFamilyEmployees + g::kFamilyEmployeeCount * sizeof(FamilyEmployeeEntry),
              g::kBlockSize[1]);
    EXPECT_EQ(g::kSalaries + g::kSalaryCount * sizeof(SalaryEntry), g::kBlockSize[2]);
    EXPECT_EQ(g::kCounterparties + g::kCounterpartyCount * sizeof(CounterpartyEntry),
              g::kBlockSize[3]);
    EXPECT_EQ(g::kLandRents + g::kLandRentCount * sizeof(LandRentEntry), g::kBlockSize[4]);
    EXPECT_EQ(g::kNotesReducedRatePurchases + 8, g::kBlockSize[5]);
    EXPECT_EQ(g::kCustomersReducedRatePurchases + 8, g::kBlockSize[6]);
    EXPECT_LE(g::kCustomers + g::kCustomerEntryCount * sizeof(CustomerEntry),
              g::kCustomersReducedRateSales);
    EXPECT_EQ(g::kRealEstateIncome + 8, g::kBlockSize[0]);

    EXPECT_EQ(r::kDebtInterest + 8, r::kBlockSize[0]);
    EXPECT_EQ(r::kCounterparties + r::kCounterpartyCount * sizeof(CounterpartyEntry),
              r::kBlockSize[2]);
    EXPECT_EQ(r::kFamilyEmployees + r::kFamilyEmployeeCount * sizeof(FamilyEmployeeEntry),
              r::kBlockSize[3]);
    EXPECT_EQ(r::kLandRents + r::kLandRentCount * sizeof(LandRentEntry), r::kBlockSize[4]);
    EXPECT_EQ(r::kNotesWidth, r::kBlockSize[5]);
    EXPECT_EQ(r::kRepairs + r::kRepairCount * sizeof(RepairEntry), r::kBlockSize[6]);
    EXPECT_EQ(sizeof(RentalUseSummary), r::kBlockSize[7]);
}

TEST(RecordLayout, PackedFieldsLandAtTheirOffsets) {
    StDATAINFO entry{};
    entry.returnKind = 4;
    entry.businessKind = 3;
    entry.dataKind = 99;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
    EXPECT_EQ(bytes[344], 4);
    EXPECT_EQ(bytes[947], 3);
    EXPECT_EQ(bytes[326], 99);

    RentalEntry rental{};
    rental.endMarker = -1;
    rental.deposit = 0x1122334455667788LL;
    const auto* rentalBytes = reinterpret_cast<const unsigned char*>(&rental);
    EXPECT_EQ(rentalBytes[4], 0xFF);
    EXPECT_EQ(rentalBytes[228], 0x88);
    EXPECT_EQ(rentalBytes[235], 0x11);
}

}  // namespace
