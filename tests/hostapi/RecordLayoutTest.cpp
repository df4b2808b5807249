#include <gtest/gtest.h>

#include <cstring>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "hostapi/SummationRecords.h"

namespace {

// The compile-time checks in the headers pin sizes and offsets; these pin the
// entry arrays the block tables describe to the blocks' sizes.
namespace g = hostapi::general;
namespace r = hostapi::realestate;
static_assert(g::kFamilyEmployees + g::kFamilyEmployeeCount * sizeof(FamilyEmployeeEntry) ==
              g::kBlockSize[1]);
static_assert(g::kSalaries + g::kSalaryCount * sizeof(SalaryEntry) == g::kBlockSize[2]);
static_assert(g::kCounterparties + g::kCounterpartyCount * sizeof(CounterpartyEntry) ==
              g::kBlockSize[3]);
static_assert(g::kLandRents + g::kLandRentCount * sizeof(LandRentEntry) == g::kBlockSize[4]);
static_assert(g::kNotesReducedRatePurchases + 8 == g::kBlockSize[5]);
static_assert(g::kCustomersReducedRatePurchases + 8 == g::kBlockSize[6]);
static_assert(g::kCustomers + g::kCustomerEntryCount * sizeof(CustomerEntry) <=
              g::kCustomersReducedRateSales);
static_assert(g::kRealEstateIncome + 8 == g::kBlockSize[0]);
static_assert(r::kDebtInterest + 8 == r::kBlockSize[0]);
static_assert(r::kCounterparties + r::kCounterpartyCount * sizeof(CounterpartyEntry) ==
              r::kBlockSize[2]);
static_assert(r::kFamilyEmployees + r::kFamilyEmployeeCount * sizeof(FamilyEmployeeEntry) ==
              r::kBlockSize[3]);
static_assert(r::kLandRents + r::kLandRentCount * sizeof(LandRentEntry) == r::kBlockSize[4]);
static_assert(r::kNotesWidth == r::kBlockSize[5]);
static_assert(r::kRepairs + r::kRepairCount * sizeof(RepairEntry) == r::kBlockSize[6]);
static_assert(sizeof(RentalUseSummary) == r::kBlockSize[7]);

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
