#pragma once

// The breakdown lists as data: each list's item element, where its entries
// stand in the saved-statement block, and each child element with its field.
#include <cstddef>
#include <cstdint>

#include "hostapi/SavedStatementRecords.h"
#include "report/RecordFields.h"

namespace breakdown {

using record::AmountChild;
using record::Child;
using record::EmptyChild;
using record::IntegerChild;
using record::kKeyMoneyKind;
using record::kRenewalFeeKind;
using record::TextChild;

// One list: its item element, where its entries stand in the block, how many
// the writer allows, and the children of an item in order.
struct ListLayout {
    const char* item;
    std::size_t firstEntry;
    std::size_t entrySize;
    int entryLimit;
    std::span<const Child> children;
};

// Salaries.
constexpr Child kSalaryName =
    TextChild("SIMEI", offsetof(SalaryEntry, name), sizeof(SalaryEntry::name));
constexpr Child kSalaryAge = IntegerChild("NENREI", offsetof(SalaryEntry, age));
constexpr Child kSalaryMonths = IntegerChild("JUUJITUKISUU", offsetof(SalaryEntry, months));
constexpr Child kSalary = AmountChild("KYUURYOU", offsetof(SalaryEntry, salary));
constexpr Child kSalaryBonus = AmountChild("SYOUYO", offsetof(SalaryEntry, bonus));
constexpr Child kSalaryTax = AmountChild("GENSENZEIGAKU", offsetof(SalaryEntry, taxWithheld));
constexpr Child kSalaryChildren[] = {kSalaryName, kSalaryAge,   kSalaryMonths,
                                     kSalary,     kSalaryBonus, kSalaryTax};

// The others line: the number of persons, then the figures of the others entry.
constexpr char kOthersPersons[] = "SONOTA_NINBUN";
constexpr Child kOthersPersonsInEntry = IntegerChild(kOthersPersons, offsetof(SalaryEntry, age));
constexpr Child kOthersPersonsInBlock =
    IntegerChild(kOthersPersons, hostapi::realestate::kOtherEmployees);
constexpr Child kOthersMonths = IntegerChild("SONOTA_JUUJITUKISUU", offsetof(SalaryEntry, months));
constexpr Child kOthersSalary = AmountChild("SONOTA_KYUURYOU", offsetof(SalaryEntry, salary));
constexpr Child kOthersBonus = AmountChild("SONOTA_SYOUYO", offsetof(SalaryEntry, bonus));
constexpr Child kOthersTax =
    AmountChild("SONOTA_GENSENZEIGAKU", offsetof(SalaryEntry, taxWithheld));
constexpr Child kOthersFigures[] = {kOthersMonths, kOthersSalary, kOthersBonus, kOthersTax};

// Family employees; the white form has no amounts and puts the age before the relationship.
constexpr Child kFamilyName =
    TextChild("SIMEI", offsetof(FamilyEmployeeEntry, name), sizeof(FamilyEmployeeEntry::name));
constexpr Child kFamilyRelationship =
    TextChild("ZOKUGARA", offsetof(FamilyEmployeeEntry, relationship),
              sizeof(FamilyEmployeeEntry::relationship));
constexpr Child kFamilyAge = IntegerChild("NENREI", offsetof(FamilyEmployeeEntry, age));
constexpr Child kFamilyMonths = IntegerChild("JUUJITUKISUU", offsetof(FamilyEmployeeEntry, months));
constexpr Child kFamilySalary = AmountChild("KYUURYOU", offsetof(FamilyEmployeeEntry, salary));
constexpr Child kFamilyBonus = AmountChild("SYOUYO", offsetof(FamilyEmployeeEntry, bonus));
constexpr Child kFamilyTax =
    AmountChild("GENSENZEIGAKU", offsetof(FamilyEmployeeEntry, taxWithheld));
constexpr Child kBlueFamilyChildren[] = {kFamilyName,   kFamilyRelationship, kFamilyAge,
                                         kFamilyMonths, kFamilySalary,       kFamilyBonus,
                                         kFamilyTax};
constexpr Child kWhiteFamilyChildren[] = {kFamilyName, kFamilyAge, kFamilyRelationship,
                                          kFamilyMonths};

// Interest, loans and tax accountant's fees.
constexpr Child kCounterpartyAddress =
    TextChild("JUUSYO_SIMEI_JOUDAN", offsetof(CounterpartyEntry, address),
              sizeof(CounterpartyEntry::address));
constexpr Child kCounterpartyName = TextChild(
    "JUUSYO_SIMEI_GEDAN", offsetof(CounterpartyEntry, name), sizeof(CounterpartyEntry::name));
constexpr Child kInterestBorrowed =
    AmountChild("KARIIREKIN_KINGAKU", offsetof(CounterpartyEntry, amountA));
constexpr Child kInterestCharges =
    AmountChild("RISIWARIBIKIRYOU", offsetof(CounterpartyEntry, amountB));
constexpr Child kInterestExpense =
    AmountChild("HITUYOUKEIHIGAKU", offsetof(CounterpartyEntry, amountC));
constexpr Child kLoanBorrowed =
    AmountChild("KARIIREKIN_KINGAKU", offsetof(CounterpartyEntry, amountB));
constexpr Child kLoanInterest = AmountChild("KARIIREKINRISI", offsetof(CounterpartyEntry, amountA));
constexpr Child kFee = AmountChild("HOUSYUU_KINGAKU", offsetof(CounterpartyEntry, amountA));
constexpr Child kFeeExpense = AmountChild("HITUYOUKEIHIGAKU", offsetof(CounterpartyEntry, amountB));
constexpr Child kFeeTax = AmountChild("GENSENZEIGAKU", offsetof(CounterpartyEntry, amountC));
constexpr Child kInterestChildren[] = {kCounterpartyAddress, kCounterpartyName, kInterestBorrowed,
                                       kInterestCharges, kInterestExpense};
constexpr Child kLoanChildren[] = {kCounterpartyAddress, kCounterpartyName, kLoanBorrowed,
                                   kLoanInterest, kInterestExpense};
constexpr Child kTaxAccountantChildren[] = {kCounterpartyAddress, kCounterpartyName, kFee,
                                            kFeeExpense, kFeeTax};

// Land and house rent.
constexpr Child PaymentChild(const char* element, std::uint8_t kind) {
    return record::PaymentChild(element, offsetof(LandRentEntry, payment),
                                offsetof(LandRentEntry, paymentKind), kind);
}
constexpr Child kLandlordAddress = TextChild(
    "JUUSYO_SIMEI_JOUDAN", offsetof(LandRentEntry, address), sizeof(LandRentEntry::address));
constexpr Child kLandlordName =
    TextChild("JUUSYO_SIMEI_GEDAN", offsetof(LandRentEntry, name), sizeof(LandRentEntry::name));
constexpr Child kProperty = TextChild("TINSYAKUBUKKEN_JOUDAN", offsetof(LandRentEntry, property),
                                      sizeof(LandRentEntry::property));
constexpr Child kPropertyLower = EmptyChild("TINSYAKUBUKKEN_GEDAN");
constexpr Child kBlueLandlordAddress =
    TextChild("JUUSYO_SIMEI_1", offsetof(LandRentEntry, address), sizeof(LandRentEntry::address));
constexpr Child kBlueLandlordName =
    TextChild("JUUSYO_SIMEI_2", offsetof(LandRentEntry, name), sizeof(LandRentEntry::name));
constexpr Child kBlueLandlordLine3 = EmptyChild("JUUSYO_SIMEI_3");
constexpr Child kBlueLandlordLine4 = EmptyChild("JUUSYO_SIMEI_4");
constexpr Child kBlueProperty = TextChild("TINSYAKUBUKKEN_1", offsetof(LandRentEntry, property),
                                          sizeof(LandRentEntry::property));
constexpr Child kBluePropertyLine2 = EmptyChild("TINSYAKUBUKKEN_2");
constexpr Child kBluePropertyLine3 = EmptyChild("TINSYAKUBUKKEN_3");
constexpr Child kBluePropertyLine4 = EmptyChild("TINSYAKUBUKKEN_4");
constexpr Child kKeyMoney = PaymentChild("KENRIKIN", kKeyMoneyKind);
constexpr Child kRenewalFee = PaymentChild("KOUSINRYOU", kRenewalFeeKind);
constexpr Child kRent = AmountChild("TINSYAKURYOU", offsetof(LandRentEntry, rent));
constexpr Child kRentExpense =
    AmountChild("HITUYOUKEIHIGAKU", offsetof(LandRentEntry, expensePart));
constexpr Child kLandRentChildren[] = {kLandlordAddress, kLandlordName, kProperty, kPropertyLower,
                                       kKeyMoney,        kRenewalFee,   kRent,     kRentExpense};
constexpr Child kBlueRealEstateLandRentChildren[] = {kBlueLandlordAddress,
                                                     kBlueLandlordName,
                                                     kBlueLandlordLine3,
                                                     kBlueLandlordLine4,
                                                     kBlueProperty,
                                                     kBluePropertyLine2,
                                                     kBluePropertyLine3,
                                                     kBluePropertyLine4,
                                                     kKeyMoney,
                                                     kRenewalFee,
                                                     kRent,
                                                     kRentExpense};

// Sales customers and purchase suppliers.
constexpr Child kCustomerName =
    TextChild("URIAGESAKIMEI", offsetof(CustomerEntry, name), sizeof(CustomerEntry::name));
constexpr Child kSupplierName =
    TextChild("SIIRESAKIMEI", offsetof(CustomerEntry, name), sizeof(CustomerEntry::name));
constexpr Child kCounterpartyLocation =
    TextChild("SYOZAITI", offsetof(CustomerEntry, location), sizeof(CustomerEntry::location));
constexpr Child kSales = AmountChild("URIAGEKINGAKU", offsetof(CustomerEntry, amount));
constexpr Child kPurchases = AmountChild("SIIREKINGAKU", offsetof(CustomerEntry, amount));
constexpr Child kCustomerChildren[] = {kCustomerName, kCounterpartyLocation, kSales};
constexpr Child kSupplierChildren[] = {kSupplierName, kCounterpartyLocation, kPurchases};

// The two lines after the customer and supplier items, read from the whole block.
constexpr std::size_t CustomerEntryAmount(int entry) {
    return hostapi::general::kCustomers + static_cast<std::size_t>(entry) * sizeof(CustomerEntry) +
           offsetof(CustomerEntry, amount);
}
constexpr char kReducedRatePart[] = "UKINOUTI_KEIGENZEIRITU";
constexpr Child kOtherCustomers = AmountChild(
    "JOUKIIGAI_URIAGESAKIKEI", CustomerEntryAmount(hostapi::general::kOtherCustomersEntry));
constexpr Child kReducedRateSales =
    AmountChild(kReducedRatePart, hostapi::general::kCustomersReducedRateSales);
constexpr Child kOtherSuppliers = AmountChild(
    "JOUKIIGAI_SIIRESAKIKEI", CustomerEntryAmount(hostapi::general::kOtherSuppliersEntry));
constexpr Child kReducedRatePurchases =
    AmountChild(kReducedRatePart, hostapi::general::kCustomersReducedRatePurchases);
constexpr Child kCustomerTotals[] = {kOtherCustomers, kReducedRateSales};
constexpr Child kSupplierTotals[] = {kOtherSuppliers, kReducedRatePurchases};

// Repairs.
constexpr Child kPayeeAddress =
    TextChild("JUUSYO_SIMEI_JOUDAN", offsetof(RepairEntry, address), sizeof(RepairEntry::address));
constexpr Child kPayeeName =
    TextChild("JUUSYO_SIMEI_GEDAN", offsetof(RepairEntry, name), sizeof(RepairEntry::name));
constexpr Child kWork =
    TextChild("KOUJIMEI_SIZAIMEI_JOUDAN", offsetof(RepairEntry, work), sizeof(RepairEntry::work));
constexpr Child kWorkLower = EmptyChild("KOUJIMEI_SIZAIMEI_GEDAN");
constexpr Child kPaymentDate = IntegerChild("SIHARAINENGAPPI", offsetof(RepairEntry, date));
constexpr Child kRepairAmount = AmountChild("SIHARAIKINGAKU", offsetof(RepairEntry, amount));
constexpr Child kRepairExpense =
    AmountChild("HITUYOUKEIHIGAKU", offsetof(RepairEntry, expensePart));
constexpr Child kRepairChildren[] = {kPayeeAddress, kPayeeName,    kWork,         kWorkLower,
                                     kPaymentDate,  kRepairAmount, kRepairExpense};

constexpr std::size_t EntryAt(std::size_t first, int index, std::size_t entrySize) {
    return first + static_cast<std::size_t>(index) * entrySize;
}

constexpr char kSalaryItem[] = "KYUURYOU_UTIWAKE";
constexpr char kFamilyItem[] = "SENJUUSYA_UTIWAKE";
constexpr char kTaxAccountantItem[] = "ZEIRISI_UTIWAKE";
constexpr char kLandRentItem[] = "TIDAI_UTIWAKE";

// The salary list allows the items before its others entry.
constexpr ListLayout kSalaries{kSalaryItem, hostapi::general::kSalaries, sizeof(SalaryEntry),
                               hostapi::general::kSalaryCount - 1, kSalaryChildren};
constexpr ListLayout kRealEstateSalaries{kSalaryItem, hostapi::realestate::kSalaries,
                                         sizeof(SalaryEntry), hostapi::realestate::kSalaryCount,
                                         kSalaryChildren};

constexpr ListLayout FamilyEmployees(std::size_t first, int count, bool blue) {
    return {kFamilyItem, first, sizeof(FamilyEmployeeEntry), count,
            blue ? std::span<const Child>(kBlueFamilyChildren)
                 : std::span<const Child>(kWhiteFamilyChildren)};
}

constexpr ListLayout kInterest{
    "RISI_UTIWAKE",
    EntryAt(hostapi::general::kCounterparties, hostapi::general::kInterestFirst,
            sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    hostapi::general::kTaxAccountantFirst - hostapi::general::kInterestFirst, kInterestChildren};
constexpr ListLayout kTaxAccountant{
    kTaxAccountantItem,
    EntryAt(hostapi::general::kCounterparties, hostapi::general::kTaxAccountantFirst,
            sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    hostapi::general::kCounterpartyCount - hostapi::general::kTaxAccountantFirst,
    kTaxAccountantChildren};
constexpr ListLayout kLoans{"KARIIRE_UTIWAKE",
                            EntryAt(hostapi::realestate::kCounterparties,
                                    hostapi::realestate::kLoansFirst, sizeof(CounterpartyEntry)),
                            sizeof(CounterpartyEntry), hostapi::realestate::kLoanCount,
                            kLoanChildren};
constexpr ListLayout kRealEstateTaxAccountant{
    kTaxAccountantItem,
    EntryAt(hostapi::realestate::kCounterparties, hostapi::realestate::kTaxAccountantFirst,
            sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    hostapi::realestate::kCounterpartyCount - hostapi::realestate::kTaxAccountantFirst,
    kTaxAccountantChildren};

constexpr ListLayout LandRents(std::size_t first, int count, bool blueRealEstate) {
    return {kLandRentItem, first, sizeof(LandRentEntry), count,
            blueRealEstate ? std::span<const Child>(kBlueRealEstateLandRentChildren)
                           : std::span<const Child>(kLandRentChildren)};
}

constexpr ListLayout kCustomers{
    "URIAGE_UTIWAKE",
    EntryAt(hostapi::general::kCustomers, hostapi::general::kCustomersFirst, sizeof(CustomerEntry)),
    sizeof(CustomerEntry), hostapi::general::kNamedCustomerCount, kCustomerChildren};
constexpr ListLayout kSuppliers{
    "SIIRE_UTIWAKE",
    EntryAt(hostapi::general::kCustomers, hostapi::general::kSuppliersFirst, sizeof(CustomerEntry)),
    sizeof(CustomerEntry), hostapi::general::kNamedCustomerCount, kSupplierChildren};
constexpr ListLayout kRepairs{"SYUUZENHI_UTIWAKE", hostapi::realestate::kRepairs,
                              sizeof(RepairEntry), hostapi::realestate::kRepairCount,
                              kRepairChildren};

}  // namespace breakdown
