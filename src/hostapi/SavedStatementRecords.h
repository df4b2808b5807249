#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The host's saved statements. The host fills the two records with pointers to
// blocks it allocates with COM task memory; the blocks are byte-packed host
// records (64-bit values at unaligned offsets), amounts in 1/10000 yen.
struct StAOSIROSAVEINFO_IPPAN {
    void* blocks[7];
};

struct StAOSIROSAVEINFO_FUDOUSAN {
    void* blocks[8];
};

#pragma pack(push, 1)

struct SalaryEntry {
    char reserved0[7];
    char name[41];
    std::int32_t age;  // in the others entry: the number of persons
    std::int32_t months;
    std::int64_t salary;
    std::int64_t bonus;
    std::int64_t taxWithheld;
};

struct FamilyEmployeeEntry {
    char name[41];
    char relationship[7];
    std::int32_t age;
    std::int32_t months;
    std::int64_t salary;
    std::int64_t bonus;
    std::int64_t taxWithheld;
};

// Interest, loans and tax accountant's fees; the meaning of A, B and C depends on the list.
struct CounterpartyEntry {
    char reserved0[6];
    char address[41];
    char name[41];
    std::int64_t amountA;
    std::int64_t amountB;
    std::int64_t amountC;
};

struct LandRentEntry {
    char address[41];
    char name[41];
    char property[21];
    std::uint8_t paymentKind;  // 0 key money, 1 renewal fee
    std::int64_t payment;
    std::int64_t rent;
    std::int64_t expensePart;
};

struct CustomerEntry {
    char reserved0[2];
    char name[21];
    char location[41];
    std::int64_t amount;
};

struct RepairEntry {
    char reserved0[5];
    char address[41];
    char name[41];
    char work[21];
    std::int32_t date;
    std::int64_t amount;
    std::int64_t expensePart;
};

struct RentalEntry {
    char reserved0[4];
    std::int32_t endMarker;  // -1 in the entry after the last property
    char tenantName[41];
    char location[41];
    char tenantAddress[41];
    char houseOrLand[11];
    char use[22];
    std::int32_t contractFrom;
    std::int32_t contractTo;
    std::int64_t area;  // square metres, four fraction digits
    std::int64_t monthlyRent;
    std::int64_t yearlyRent;
    std::int64_t gratuity;
    std::int64_t keyMoney;
    std::int64_t renewalFee;
    std::int64_t transferFeeOther;
    std::int64_t deposit;
};

struct RentalUseSummary {
    std::int32_t reserved0;
    std::int32_t housingDetached;
    std::int32_t housingOtherBuildings;
    std::int32_t housingLandContracts;
    std::int64_t housingLandArea;
    std::int32_t reserved24;
    std::int32_t otherDetached;
    std::int32_t otherBuildings;
    std::int32_t otherLandContracts;
    std::int64_t otherLandArea;
    std::int32_t parkingRoofed;
    std::int32_t parkingOpen;
};

#pragma pack(pop)

static_assert(sizeof(SalaryEntry) == 80 && offsetof(SalaryEntry, name) == 7 &&
              offsetof(SalaryEntry, age) == 48 && offsetof(SalaryEntry, taxWithheld) == 72);
static_assert(sizeof(FamilyEmployeeEntry) == 80 &&
              offsetof(FamilyEmployeeEntry, relationship) == 41 &&
              offsetof(FamilyEmployeeEntry, age) == 48 &&
              offsetof(FamilyEmployeeEntry, salary) == 56);
static_assert(sizeof(CounterpartyEntry) == 112 && offsetof(CounterpartyEntry, address) == 6 &&
              offsetof(CounterpartyEntry, name) == 47 &&
              offsetof(CounterpartyEntry, amountA) == 88);
static_assert(sizeof(LandRentEntry) == 128 && offsetof(LandRentEntry, property) == 82 &&
              offsetof(LandRentEntry, paymentKind) == 103 &&
              offsetof(LandRentEntry, payment) == 104 &&
              offsetof(LandRentEntry, expensePart) == 120);
static_assert(sizeof(CustomerEntry) == 72 && offsetof(CustomerEntry, name) == 2 &&
              offsetof(CustomerEntry, location) == 23 && offsetof(CustomerEntry, amount) == 64);
static_assert(sizeof(RepairEntry) == 128 && offsetof(RepairEntry, address) == 5 &&
              offsetof(RepairEntry, name) == 46 && offsetof(RepairEntry, work) == 87 &&
              offsetof(RepairEntry, date) == 108 && offsetof(RepairEntry, amount) == 112);
static_assert(sizeof(RentalEntry) == 236 && offsetof(RentalEntry, endMarker) == 4 &&
              offsetof(RentalEntry, tenantName) == 8 && offsetof(RentalEntry, location) == 49 &&
              offsetof(RentalEntry, tenantAddress) == 90 &&
              offsetof(RentalEntry, houseOrLand) == 131 && offsetof(RentalEntry, use) == 142 &&
              offsetof(RentalEntry, contractFrom) == 164 && offsetof(RentalEntry, area) == 172 &&
              offsetof(RentalEntry, deposit) == 228);
static_assert(sizeof(RentalUseSummary) == 56 && offsetof(RentalUseSummary, housingLandArea) == 16 &&
              offsetof(RentalUseSummary, otherDetached) == 28 &&
              offsetof(RentalUseSummary, otherLandArea) == 40 &&
              offsetof(RentalUseSummary, parkingOpen) == 52);

// Where things stand inside the blocks. Block sizes are what the host
// allocates; readers never rely on them and check every field against the
// size the task allocator reports.
namespace hostapi::general {

inline constexpr int kBlockCount = 7;
inline constexpr std::array<std::size_t, kBlockCount> kBlockSize = {542, 448, 480, 448,
                                                                    256, 979, 738};

// block 0
inline constexpr std::size_t kAssociationName = 349;  // char[41]
inline constexpr std::size_t kAssociationNameWidth = 41;
inline constexpr std::size_t kBlueDeductionChoice =
    521;  // uint8: 0 = 100,000, 1 = 650,000, 2 = 550,000 yen
inline constexpr std::size_t kRealEstateIncome = 534;  // int64, written by the aggregation
// block 1
inline constexpr std::array<std::size_t, 4> kBadDebt = {16, 24, 32, 40};
inline constexpr std::size_t kFamilyEmployees = 48;  // 5 FamilyEmployeeEntry
inline constexpr int kFamilyEmployeeCount = 5;
// block 2
inline constexpr std::size_t kSalaries = 0;  // 6 SalaryEntry
inline constexpr int kSalaryCount = 6;
// block 3: entries 0-1 interest, 2-3 tax accountant
inline constexpr std::size_t kCounterparties = 0;
inline constexpr int kCounterpartyCount = 4;
inline constexpr int kInterestFirst = 0;
inline constexpr int kTaxAccountantFirst = 2;
// block 4
inline constexpr std::size_t kLandRents = 0;  // 2 LandRentEntry
inline constexpr int kLandRentCount = 2;
// block 5
inline constexpr std::size_t kNotes = 0;  // char[961]
inline constexpr std::size_t kNotesWidth = 961;
inline constexpr std::size_t kNotesReducedRateSales = 963;
inline constexpr std::size_t kNotesReducedRatePurchases = 971;
// block 6: entries 0-3 customers, 4 all other customers, 5-8 suppliers, 9 all other suppliers
inline constexpr std::size_t kCustomers = 0;
inline constexpr int kCustomerEntryCount = 10;
inline constexpr int kCustomersFirst = 0;
inline constexpr int kOtherCustomersEntry = 4;
inline constexpr int kSuppliersFirst = 5;
inline constexpr int kOtherSuppliersEntry = 9;
inline constexpr int kNamedCustomerCount = 4;
inline constexpr std::size_t kCustomersReducedRateSales = 722;
inline constexpr std::size_t kCustomersReducedRatePurchases = 730;

}  // namespace hostapi::general

namespace hostapi::realestate {

inline constexpr int kBlockCount = 8;
// Block 1 holds as many rental entries as the host delivers, so it has no fixed size.
inline constexpr std::array<std::size_t, kBlockCount> kBlockSize = {360, 0,   560, 328,
                                                                    256, 961, 384, 56};

// block 0
inline constexpr std::size_t kDebtInterest = 352;  // int64
// block 1: RentalEntry array ended by an entry whose endMarker is -1
inline constexpr std::int32_t kRentalEndMarker = -1;
// block 2: entries 0-2 loans, 3-4 tax accountant
inline constexpr std::size_t kCounterparties = 0;
inline constexpr int kCounterpartyCount = 5;
inline constexpr int kLoansFirst = 0;
inline constexpr int kLoanCount = 3;
inline constexpr int kTaxAccountantFirst = 3;
// block 3
inline constexpr std::size_t kSalaries = 0;  // 2 SalaryEntry
inline constexpr int kSalaryCount = 2;
inline constexpr std::size_t kOtherEmployees = 160;   // int32
inline constexpr std::size_t kFamilyEmployees = 168;  // 2 FamilyEmployeeEntry
inline constexpr int kFamilyEmployeeCount = 2;
// block 4
inline constexpr std::size_t kLandRents = 0;
inline constexpr int kLandRentCount = 2;
// block 5
inline constexpr std::size_t kNotes = 0;
inline constexpr std::size_t kNotesWidth = 961;
// block 6
inline constexpr std::size_t kRepairs = 0;  // 3 RepairEntry
inline constexpr int kRepairCount = 3;
// block 7: RentalUseSummary

}  // namespace hostapi::realestate
