#include "books/HostRecordLayouts.h"

#include <cstddef>
#include <cstdint>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "hostapi/SummationRecords.h"

namespace tobra::books::layouts {
namespace {

namespace g = hostapi::general;
namespace r = hostapi::realestate;

constexpr FieldLayout kDataInfoFields[] = {
    TextField("dataId", offsetof(StDATAINFO, dataId), sizeof(StDATAINFO::dataId)),
    IntegerField<std::int32_t>("dataNo", offsetof(StDATAINFO, dataNo)),
    TextField("companyName", offsetof(StDATAINFO, companyName), sizeof(StDATAINFO::companyName)),
    IntegerField<std::int32_t>("periodFrom", offsetof(StDATAINFO, periodFrom)),
    IntegerField<std::int32_t>("periodTo", offsetof(StDATAINFO, periodTo)),
    IntegerField<std::int32_t>("hasManufacturing", offsetof(StDATAINFO, hasManufacturing)),
    IntegerField<std::int16_t>("dataKind", offsetof(StDATAINFO, dataKind)),
    IntegerField<std::int8_t>("returnKind", offsetof(StDATAINFO, returnKind)),
    IntegerField<std::int8_t>("businessKind", offsetof(StDATAINFO, businessKind)),
};
constexpr RecordLayout kDataInfo{sizeof(StDATAINFO), kDataInfoFields};

constexpr FieldLayout kRowFields[] = {
    IntegerField<std::int32_t>("itemNo", offsetof(StAOSUMINFO, itemNo)),
    IntegerField<std::int32_t>("code", offsetof(StAOSUMINFO, code)),
    TextField("name", offsetof(StAOSUMINFO, name), sizeof(StAOSUMINFO::name)),
    AmountField("opening", offsetof(StAOSUMINFO, openingAmount)),
    AmountField("closing", offsetof(StAOSUMINFO, closingAmount)),
};
constexpr RecordLayout kRow{sizeof(StAOSUMINFO), kRowFields};

constexpr std::size_t MonthlySlot(int slot) {
    return offsetof(StAOSUMINFO_TSUKIBETSU, amounts) +
           static_cast<std::size_t>(slot) * sizeof(std::int64_t);
}
constexpr FieldLayout kMonthlyFields[] = {
    AmountField("householdConsumption", MonthlySlot(hostapi::kMonthlyHouseholdConsumption)),
    AmountField("miscIncome", MonthlySlot(hostapi::kMonthlyMiscIncome)),
    AmountField("slot14", MonthlySlot(hostapi::kMonthlySlot14)),
    AmountField("slot27", MonthlySlot(hostapi::kMonthlySlot27)),
};
constexpr ListLayout kMonthlyLists[] = {
    {"sales", MonthlySlot(hostapi::kMonthlySalesFirst),
     hostapi::kMonthlyHouseholdConsumption - hostapi::kMonthlySalesFirst, nullptr},
    {"purchases", MonthlySlot(hostapi::kMonthlyPurchasesFirst),
     hostapi::kMonthlySlot27 - hostapi::kMonthlyPurchasesFirst, nullptr},
};
constexpr RecordLayout kMonthly{sizeof(StAOSUMINFO_TSUKIBETSU), kMonthlyFields, kMonthlyLists};

// The entry records the blocks are made of.

constexpr FieldLayout kSalaryFields[] = {
    TextField("name", offsetof(SalaryEntry, name), sizeof(SalaryEntry::name)),
    IntegerField<std::int32_t>("age", offsetof(SalaryEntry, age)),
    IntegerField<std::int32_t>("months", offsetof(SalaryEntry, months)),
    AmountField("salary", offsetof(SalaryEntry, salary)),
    AmountField("bonus", offsetof(SalaryEntry, bonus)),
    AmountField("taxWithheld", offsetof(SalaryEntry, taxWithheld)),
};
constexpr RecordLayout kSalary{sizeof(SalaryEntry), kSalaryFields};

constexpr FieldLayout kFamilyEmployeeFields[] = {
    TextField("name", offsetof(FamilyEmployeeEntry, name), sizeof(FamilyEmployeeEntry::name)),
    TextField("relationship", offsetof(FamilyEmployeeEntry, relationship),
              sizeof(FamilyEmployeeEntry::relationship)),
    IntegerField<std::int32_t>("age", offsetof(FamilyEmployeeEntry, age)),
    IntegerField<std::int32_t>("months", offsetof(FamilyEmployeeEntry, months)),
    AmountField("salary", offsetof(FamilyEmployeeEntry, salary)),
    AmountField("bonus", offsetof(FamilyEmployeeEntry, bonus)),
    AmountField("taxWithheld", offsetof(FamilyEmployeeEntry, taxWithheld)),
};
constexpr RecordLayout kFamilyEmployee{sizeof(FamilyEmployeeEntry), kFamilyEmployeeFields};

constexpr FieldLayout kCounterpartyFields[] = {
    TextField("address", offsetof(CounterpartyEntry, address), sizeof(CounterpartyEntry::address)),
    TextField("name", offsetof(CounterpartyEntry, name), sizeof(CounterpartyEntry::name)),
    AmountField("amountA", offsetof(CounterpartyEntry, amountA)),
    AmountField("amountB", offsetof(CounterpartyEntry, amountB)),
    AmountField("amountC", offsetof(CounterpartyEntry, amountC)),
};
constexpr RecordLayout kCounterparty{sizeof(CounterpartyEntry), kCounterpartyFields};

constexpr FieldLayout kLandRentFields[] = {
    TextField("address", offsetof(LandRentEntry, address), sizeof(LandRentEntry::address)),
    TextField("name", offsetof(LandRentEntry, name), sizeof(LandRentEntry::name)),
    TextField("property", offsetof(LandRentEntry, property), sizeof(LandRentEntry::property)),
    IntegerField<std::uint8_t>("paymentKind", offsetof(LandRentEntry, paymentKind)),
    AmountField("payment", offsetof(LandRentEntry, payment)),
    AmountField("rent", offsetof(LandRentEntry, rent)),
    AmountField("expensePart", offsetof(LandRentEntry, expensePart)),
};
constexpr RecordLayout kLandRent{sizeof(LandRentEntry), kLandRentFields};

constexpr FieldLayout kCustomerFields[] = {
    TextField("name", offsetof(CustomerEntry, name), sizeof(CustomerEntry::name)),
    TextField("location", offsetof(CustomerEntry, location), sizeof(CustomerEntry::location)),
    AmountField("amount", offsetof(CustomerEntry, amount)),
};
constexpr RecordLayout kCustomer{sizeof(CustomerEntry), kCustomerFields};

constexpr FieldLayout kRepairFields[] = {
    TextField("address", offsetof(RepairEntry, address), sizeof(RepairEntry::address)),
    TextField("name", offsetof(RepairEntry, name), sizeof(RepairEntry::name)),
    TextField("work", offsetof(RepairEntry, work), sizeof(RepairEntry::work)),
    IntegerField<std::int32_t>("date", offsetof(RepairEntry, date)),
    AmountField("amount", offsetof(RepairEntry, amount)),
    AmountField("expensePart", offsetof(RepairEntry, expensePart)),
};
constexpr RecordLayout kRepair{sizeof(RepairEntry), kRepairFields};

constexpr FieldLayout kRentalFields[] = {
    TextField("tenantName", offsetof(RentalEntry, tenantName), sizeof(RentalEntry::tenantName)),
    TextField("location", offsetof(RentalEntry, location), sizeof(RentalEntry::location)),
    TextField("tenantAddress", offsetof(RentalEntry, tenantAddress),
              sizeof(RentalEntry::tenantAddress)),
    TextField("houseOrLand", offsetof(RentalEntry, houseOrLand), sizeof(RentalEntry::houseOrLand)),
    TextField("use", offsetof(RentalEntry, use), sizeof(RentalEntry::use)),
    IntegerField<std::int32_t>("contractFrom", offsetof(RentalEntry, contractFrom)),
    IntegerField<std::int32_t>("contractTo", offsetof(RentalEntry, contractTo)),
    AmountField("area", offsetof(RentalEntry, area)),
    AmountField("monthlyRent", offsetof(RentalEntry, monthlyRent)),
    AmountField("yearlyRent", offsetof(RentalEntry, yearlyRent)),
    AmountField("gratuity", offsetof(RentalEntry, gratuity)),
    AmountField("keyMoney", offsetof(RentalEntry, keyMoney)),
    AmountField("renewalFee", offsetof(RentalEntry, renewalFee)),
    AmountField("transferFeeOther", offsetof(RentalEntry, transferFeeOther)),
    AmountField("deposit", offsetof(RentalEntry, deposit)),
};
constexpr RecordLayout kRental{sizeof(RentalEntry), kRentalFields};

// Slots first to first + count of an entry array that starts at `base`.
constexpr ListLayout EntryList(std::string_view key, std::size_t base, const RecordLayout& entry,
                               int first, int count) {
    return {key, base + static_cast<std::size_t>(first) * entry.size,
            static_cast<std::size_t>(count), &entry};
}

constexpr std::size_t EntryField(std::size_t base, const RecordLayout& entry, int index,
                                 std::size_t offset) {
    return base + static_cast<std::size_t>(index) * entry.size + offset;
}

// The general family (StAOSIROSAVEINFO_IPPAN).

constexpr FieldLayout kGeneral0Fields[] = {
    TextField("associationName", g::kAssociationName, g::kAssociationNameWidth),
    IntegerField<std::uint8_t>("blueDeductionChoice", g::kBlueDeductionChoice),
    AmountField("realEstateIncome", g::kRealEstateIncome),
};

static_assert(g::kBadDebt[1] - g::kBadDebt[0] == sizeof(std::int64_t) &&
              g::kBadDebt[3] - g::kBadDebt[2] == sizeof(std::int64_t) &&
              g::kBadDebt[2] - g::kBadDebt[1] == sizeof(std::int64_t));
constexpr ListLayout kGeneral1Lists[] = {
    {"badDebt", g::kBadDebt[0], g::kBadDebt.size(), nullptr},
    EntryList("familyEmployees", g::kFamilyEmployees, kFamilyEmployee, 0, g::kFamilyEmployeeCount),
};

constexpr ListLayout kGeneral2Lists[] = {
    EntryList("salaries", g::kSalaries, kSalary, 0, g::kSalaryCount),
};

constexpr ListLayout kGeneral3Lists[] = {
    EntryList("interest", g::kCounterparties, kCounterparty, g::kInterestFirst,
              g::kTaxAccountantFirst - g::kInterestFirst),
    EntryList("taxAccountant", g::kCounterparties, kCounterparty, g::kTaxAccountantFirst,
              g::kCounterpartyCount - g::kTaxAccountantFirst),
};

constexpr ListLayout kGeneral4Lists[] = {
    EntryList("landRents", g::kLandRents, kLandRent, 0, g::kLandRentCount),
};

constexpr FieldLayout kGeneral5Fields[] = {
    TextField("notes", g::kNotes, g::kNotesWidth),
    AmountField("reducedRateSales", g::kNotesReducedRateSales),
    AmountField("reducedRatePurchases", g::kNotesReducedRatePurchases),
};

constexpr FieldLayout kGeneral6Fields[] = {
    AmountField("otherCustomersAmount",
                EntryField(g::kCustomers, kCustomer, g::kOtherCustomersEntry,
                           offsetof(CustomerEntry, amount))),
    AmountField("otherSuppliersAmount",
                EntryField(g::kCustomers, kCustomer, g::kOtherSuppliersEntry,
                           offsetof(CustomerEntry, amount))),
    AmountField("reducedRateSales", g::kCustomersReducedRateSales),
    AmountField("reducedRatePurchases", g::kCustomersReducedRatePurchases),
};
constexpr ListLayout kGeneral6Lists[] = {
    EntryList("customers", g::kCustomers, kCustomer, g::kCustomersFirst, g::kNamedCustomerCount),
    EntryList("suppliers", g::kCustomers, kCustomer, g::kSuppliersFirst, g::kNamedCustomerCount),
};

constexpr RecordLayout kGeneralBlocks[g::kBlockCount] = {
    {g::kBlockSize[0], kGeneral0Fields},
    {g::kBlockSize[1], {}, kGeneral1Lists},
    {g::kBlockSize[2], {}, kGeneral2Lists},
    {g::kBlockSize[3], {}, kGeneral3Lists},
    {g::kBlockSize[4], {}, kGeneral4Lists},
    {g::kBlockSize[5], kGeneral5Fields},
    {g::kBlockSize[6], kGeneral6Fields, kGeneral6Lists},
};

// The real-estate family (StAOSIROSAVEINFO_FUDOUSAN).

constexpr FieldLayout kRealEstate0Fields[] = {
    AmountField("debtInterest", r::kDebtInterest),
};

constexpr ListLayout kRealEstate2Lists[] = {
    EntryList("loans", r::kCounterparties, kCounterparty, r::kLoansFirst, r::kLoanCount),
    EntryList("taxAccountant", r::kCounterparties, kCounterparty, r::kTaxAccountantFirst,
              r::kCounterpartyCount - r::kTaxAccountantFirst),
};

constexpr FieldLayout kRealEstate3Fields[] = {
    IntegerField<std::int32_t>("otherEmployees", r::kOtherEmployees),
};
constexpr ListLayout kRealEstate3Lists[] = {
    EntryList("salaries", r::kSalaries, kSalary, 0, r::kSalaryCount),
    EntryList("familyEmployees", r::kFamilyEmployees, kFamilyEmployee, 0, r::kFamilyEmployeeCount),
};

constexpr ListLayout kRealEstate4Lists[] = {
    EntryList("landRents", r::kLandRents, kLandRent, 0, r::kLandRentCount),
};

constexpr FieldLayout kRealEstate5Fields[] = {
    TextField("notes", r::kNotes, r::kNotesWidth),
};

constexpr ListLayout kRealEstate6Lists[] = {
    EntryList("repairs", r::kRepairs, kRepair, 0, r::kRepairCount),
};

constexpr FieldLayout kRealEstate7Fields[] = {
    IntegerField<std::int32_t>("housingDetached", offsetof(RentalUseSummary, housingDetached)),
    IntegerField<std::int32_t>("housingOtherBuildings",
                               offsetof(RentalUseSummary, housingOtherBuildings)),
    IntegerField<std::int32_t>("housingLandContracts",
                               offsetof(RentalUseSummary, housingLandContracts)),
    AmountField("housingLandArea", offsetof(RentalUseSummary, housingLandArea)),
    IntegerField<std::int32_t>("otherDetached", offsetof(RentalUseSummary, otherDetached)),
    IntegerField<std::int32_t>("otherBuildings", offsetof(RentalUseSummary, otherBuildings)),
    IntegerField<std::int32_t>("otherLandContracts",
                               offsetof(RentalUseSummary, otherLandContracts)),
    AmountField("otherLandArea", offsetof(RentalUseSummary, otherLandArea)),
    IntegerField<std::int32_t>("parkingRoofed", offsetof(RentalUseSummary, parkingRoofed)),
    IntegerField<std::int32_t>("parkingOpen", offsetof(RentalUseSummary, parkingOpen)),
};

constexpr RecordLayout kRealEstateBlocks[r::kBlockCount] = {
    {r::kBlockSize[0], kRealEstate0Fields},
    {r::kBlockSize[1], {}},
    {r::kBlockSize[2], {}, kRealEstate2Lists},
    {r::kBlockSize[3], kRealEstate3Fields, kRealEstate3Lists},
    {r::kBlockSize[4], {}, kRealEstate4Lists},
    {r::kBlockSize[5], kRealEstate5Fields},
    {r::kBlockSize[6], {}, kRealEstate6Lists},
    {r::kBlockSize[7], kRealEstate7Fields},
};

}  // namespace

const RecordLayout& DataInfo() {
    return kDataInfo;
}
const RecordLayout& SummationRow() {
    return kRow;
}
const RecordLayout& MonthlySums() {
    return kMonthly;
}
const RecordLayout& RentalEntryRecord() {
    return kRental;
}
const RecordLayout& GeneralBlock(int block) {
    return kGeneralBlocks[block];
}
const RecordLayout& RealEstateBlock(int block) {
    return kRealEstateBlocks[block];
}

}  // namespace tobra::books::layouts
