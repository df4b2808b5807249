#include "reportformat/Records.h"

#include "hostapi/SavedStatementRecords.h"
#include "reportformat/Elements.h"
#include "reportformat/ListPrints.h"

namespace reportformat {

Holds HoldsOf(const Child& child) {
    switch (child.format) {
        case Format::Amount:
        case Format::Payment:
            return Holds::Yen;
        case Format::Integer:
            return Holds::Integer;
        case Format::Date:
            return Holds::Date;
        case Format::Month:
            return Holds::Month;
        case Format::Area:
            return Holds::Area;
        case Format::Text:
        case Format::Empty:
            break;
    }
    return Holds::Text;
}

namespace {

constexpr Child TextChild(const char* element, std::size_t offset, std::size_t width,
                          std::string_view label, std::size_t limit = 0) {
    return {element, Format::Text, offset, width, limit, 0, 0, label};
}
constexpr Child IntegerChild(const char* element, std::size_t offset, std::string_view label) {
    return {element, Format::Integer, offset, 0, 0, 0, 0, label};
}
constexpr Child AmountChild(const char* element, std::size_t offset, std::string_view label) {
    return {element, Format::Amount, offset, 0, 0, 0, 0, label};
}
constexpr Child EmptyChild(const char* element, std::string_view label) {
    return {element, Format::Empty, 0, 0, 0, 0, 0, label};
}
constexpr Child MonthChild(const char* element, std::size_t offset, std::string_view label) {
    return {element, Format::Month, offset, 0, 0, 0, 0, label};
}
constexpr Child AreaChild(const char* element, std::size_t offset, std::string_view label) {
    return {element, Format::Area, offset, 0, 0, 0, 0, label};
}
constexpr Child PaymentChild(const char* element, std::uint8_t kind, std::string_view label) {
    return {element,
            Format::Payment,
            offsetof(LandRentEntry, payment),
            0,
            0,
            offsetof(LandRentEntry, paymentKind),
            kind,
            label};
}

#define BRENLO_FIELD(Record, member) offsetof(Record, member), sizeof(Record::member)

// Salaries, and their others line.
constexpr Child kSalaryChildren[] = {
    TextChild(list::kName, BRENLO_FIELD(SalaryEntry, name), "氏名"),
    IntegerChild(list::kAge, offsetof(SalaryEntry, age), "年齢"),
    IntegerChild(list::kMonths, offsetof(SalaryEntry, months), "従事月数"),
    AmountChild(list::kSalary, offsetof(SalaryEntry, salary), "給料賃金"),
    AmountChild(list::kBonus, offsetof(SalaryEntry, bonus), "賞与"),
    AmountChild(list::kTaxWithheld, offsetof(SalaryEntry, taxWithheld), "源泉徴収税額"),
};
constexpr Child kOthersMonths =
    IntegerChild(list::kOthersMonths, offsetof(SalaryEntry, months), "その他 延べ従事月数");
constexpr Child kOthersSalary =
    AmountChild(list::kOthersSalary, offsetof(SalaryEntry, salary), "その他 給料賃金");
constexpr Child kOthersBonus =
    AmountChild(list::kOthersBonus, offsetof(SalaryEntry, bonus), "その他 賞与");
constexpr Child kOthersTax =
    AmountChild(list::kOthersTax, offsetof(SalaryEntry, taxWithheld), "その他 源泉徴収税額");
constexpr Child kBusinessOthers[] = {
    IntegerChild(list::kOthersPersons, offsetof(SalaryEntry, age), "その他 人数"), kOthersMonths,
    kOthersSalary, kOthersBonus, kOthersTax};
constexpr Child kRealEstateOthers[] = {
    IntegerChild(list::kOthersPersons, hostapi::realestate::kOtherEmployees, "その他 人数"),
    kOthersMonths, kOthersSalary, kOthersBonus, kOthersTax};

// Family employees; the white form has no amounts and puts the age before the relationship.
constexpr Child kFamilyName =
    TextChild(list::kName, BRENLO_FIELD(FamilyEmployeeEntry, name), "氏名");
constexpr Child kFamilyRelationship =
    TextChild(list::kRelationship, BRENLO_FIELD(FamilyEmployeeEntry, relationship), "続柄");
constexpr Child kFamilyAge = IntegerChild(list::kAge, offsetof(FamilyEmployeeEntry, age), "年齢");
constexpr Child kFamilyMonths =
    IntegerChild(list::kMonths, offsetof(FamilyEmployeeEntry, months), "従事月数");
constexpr Child kBlueFamilyChildren[] = {
    kFamilyName,
    kFamilyRelationship,
    kFamilyAge,
    kFamilyMonths,
    AmountChild(list::kSalary, offsetof(FamilyEmployeeEntry, salary), "給料賃金"),
    AmountChild(list::kBonus, offsetof(FamilyEmployeeEntry, bonus), "賞与"),
    AmountChild(list::kTaxWithheld, offsetof(FamilyEmployeeEntry, taxWithheld), "源泉徴収税額"),
};
constexpr Child kWhiteFamilyChildren[] = {kFamilyName, kFamilyAge, kFamilyRelationship,
                                          kFamilyMonths};

// Interest, loans and tax accountant's fees.
constexpr Child kCounterpartyAddress =
    TextChild(list::kAddress, BRENLO_FIELD(CounterpartyEntry, address), "支払先の住所");
constexpr Child kCounterpartyName =
    TextChild(list::kPayee, BRENLO_FIELD(CounterpartyEntry, name), "支払先の氏名");
constexpr Child kInterestExpense =
    AmountChild(list::kExpensePart, offsetof(CounterpartyEntry, amountC), "左のうち必要経費算入額");
constexpr Child kInterestChildren[] = {
    kCounterpartyAddress,
    kCounterpartyName,
    AmountChild(list::kBorrowed, offsetof(CounterpartyEntry, amountA), "期末現在の借入金等"),
    AmountChild(list::kInterestCharges, offsetof(CounterpartyEntry, amountB), "本年中の利子割引料"),
    kInterestExpense,
};
constexpr Child kLoanChildren[] = {
    kCounterpartyAddress,
    kCounterpartyName,
    AmountChild(list::kBorrowed, offsetof(CounterpartyEntry, amountB), "期末現在の借入金等"),
    AmountChild(list::kLoanInterest, offsetof(CounterpartyEntry, amountA), "本年中の借入金利子"),
    kInterestExpense,
};
constexpr Child kTaxAccountantChildren[] = {
    kCounterpartyAddress,
    kCounterpartyName,
    AmountChild(list::kFee, offsetof(CounterpartyEntry, amountA), "報酬等の金額"),
    AmountChild(list::kExpensePart, offsetof(CounterpartyEntry, amountB), "左のうち必要経費算入額"),
    AmountChild(list::kTaxWithheld, offsetof(CounterpartyEntry, amountC), "源泉徴収税額"),
};

// Land and house rent.
constexpr Child kKeyMoney = PaymentChild(list::kKeyMoney, kKeyMoneyKind, "権利金");
constexpr Child kRenewalFee = PaymentChild(list::kRenewalFee, kRenewalFeeKind, "更新料");
constexpr Child kRent = AmountChild(list::kRent, offsetof(LandRentEntry, rent), "賃借料");
constexpr Child kRentExpense =
    AmountChild(list::kExpensePart, offsetof(LandRentEntry, expensePart), "左のうち必要経費算入額");
constexpr Child kLandRentChildren[] = {
    TextChild(list::kAddress, BRENLO_FIELD(LandRentEntry, address), "支払先の住所"),
    TextChild(list::kPayee, BRENLO_FIELD(LandRentEntry, name), "支払先の氏名"),
    TextChild(list::kProperty, BRENLO_FIELD(LandRentEntry, property), "賃借物件"),
    EmptyChild(list::kPropertyLower, "賃借物件（続き）"),
    kKeyMoney,
    kRenewalFee,
    kRent,
    kRentExpense};
constexpr Child kBlueRealEstateLandRentChildren[] = {
    TextChild(list::kAddressLine1, BRENLO_FIELD(LandRentEntry, address), "支払先の住所"),
    TextChild(list::kAddressLine2, BRENLO_FIELD(LandRentEntry, name), "支払先の氏名"),
    EmptyChild(list::kAddressLine3, "支払先（続き）"),
    EmptyChild(list::kAddressLine4, "支払先（続き）"),
    TextChild(list::kPropertyLine1, BRENLO_FIELD(LandRentEntry, property), "賃借物件"),
    EmptyChild(list::kPropertyLine2, "賃借物件（続き）"),
    EmptyChild(list::kPropertyLine3, "賃借物件（続き）"),
    EmptyChild(list::kPropertyLine4, "賃借物件（続き）"),
    kKeyMoney,
    kRenewalFee,
    kRent,
    kRentExpense};

// Sales customers and purchase suppliers.
constexpr Child kCounterpartyLocation =
    TextChild(list::kLocation, BRENLO_FIELD(CustomerEntry, location), "所在地");
constexpr Child kCustomerChildren[] = {
    TextChild(list::kCustomer, BRENLO_FIELD(CustomerEntry, name), "売上先名"),
    kCounterpartyLocation, AmountChild(list::kSales, offsetof(CustomerEntry, amount), "売上金額")};
constexpr Child kSupplierChildren[] = {
    TextChild(list::kSupplier, BRENLO_FIELD(CustomerEntry, name), "仕入先名"),
    kCounterpartyLocation,
    AmountChild(list::kPurchases, offsetof(CustomerEntry, amount), "仕入金額")};

constexpr std::size_t CustomerEntryAmount(int entry) {
    return EntryAt(hostapi::general::kCustomers, entry, sizeof(CustomerEntry)) +
           offsetof(CustomerEntry, amount);
}
constexpr Child kCustomerTotals[] = {
    AmountChild(list::kOtherCustomers, CustomerEntryAmount(hostapi::general::kOtherCustomersEntry),
                "上記以外の売上先の計"),
    AmountChild(list::kReducedRatePart, hostapi::general::kCustomersReducedRateSales,
                "うち軽減税率対象")};
constexpr Child kSupplierTotals[] = {
    AmountChild(list::kOtherSuppliers, CustomerEntryAmount(hostapi::general::kOtherSuppliersEntry),
                "上記以外の仕入先の計"),
    AmountChild(list::kReducedRatePart, hostapi::general::kCustomersReducedRatePurchases,
                "うち軽減税率対象")};

// Repairs.
constexpr Child kRepairChildren[] = {
    TextChild(list::kAddress, BRENLO_FIELD(RepairEntry, address), "支払先の住所"),
    TextChild(list::kPayee, BRENLO_FIELD(RepairEntry, name), "支払先の氏名"),
    TextChild(list::kWork, BRENLO_FIELD(RepairEntry, work), "工事名・資材名"),
    EmptyChild(list::kWorkLower, "工事名・資材名（続き）"),
    {list::kPaymentDate, Format::Date, offsetof(RepairEntry, date), 0, 0, 0, 0, "支払年月日"},
    AmountChild(list::kPaid, offsetof(RepairEntry, amount), "支払金額"),
    AmountChild(list::kExpensePart, offsetof(RepairEntry, expensePart), "左のうち必要経費算入額"),
};

// The rented property and its tenants; texts cut to what the form's boxes hold.
constexpr Child kRentalChildren[] = {
    TextChild(rental::kHouseOrLand, BRENLO_FIELD(RentalEntry, houseOrLand), "貸家貸地等", 10),
    TextChild(rental::kUse, BRENLO_FIELD(RentalEntry, use), "用途", 12),
    TextChild(rental::kLocation, BRENLO_FIELD(RentalEntry, location), "不動産の所在地", 30),
    EmptyChild(rental::kLocationLower, "所在地（続き）"),
    TextChild(list::kAddress, BRENLO_FIELD(RentalEntry, tenantAddress), "支払先の住所", 30),
    TextChild(list::kPayee, BRENLO_FIELD(RentalEntry, tenantName), "支払先の氏名", 30),
    MonthChild(rental::kContractFrom, offsetof(RentalEntry, contractFrom), "契約期間 自"),
    MonthChild(rental::kContractTo, offsetof(RentalEntry, contractTo), "契約期間 至"),
    AreaChild(rental::kArea, offsetof(RentalEntry, area), "貸付面積（㎡）"),
    AmountChild(rental::kMonthlyRent, offsetof(RentalEntry, monthlyRent), "賃貸料 月額"),
    AmountChild(rental::kYearlyRent, offsetof(RentalEntry, yearlyRent), "賃貸料 年額"),
    AmountChild(rental::kGratuity, offsetof(RentalEntry, gratuity), "礼金"),
    AmountChild(list::kKeyMoney, offsetof(RentalEntry, keyMoney), "権利金"),
    AmountChild(list::kRenewalFee, offsetof(RentalEntry, renewalFee), "更新料"),
    AmountChild(rental::kTransferFee, offsetof(RentalEntry, transferFeeOther), "名義書換料その他"),
    AmountChild(rental::kDeposit, offsetof(RentalEntry, deposit), "保証金・敷金"),
};

constexpr Child kUseChildren[] = {
    IntegerChild(rental::kHousingDetached, offsetof(RentalUseSummary, housingDetached),
                 "住宅用 建物 一戸建"),
    IntegerChild(rental::kHousingOtherBuildings, offsetof(RentalUseSummary, housingOtherBuildings),
                 "住宅用 建物 一戸建以外"),
    IntegerChild(rental::kHousingLandContracts, offsetof(RentalUseSummary, housingLandContracts),
                 "住宅用 土地 契約件数"),
    AreaChild(rental::kHousingLandArea, offsetof(RentalUseSummary, housingLandArea),
              "住宅用 土地 総面積（㎡）"),
    IntegerChild(rental::kOtherDetached, offsetof(RentalUseSummary, otherDetached),
                 "住宅用以外 建物 一戸建"),
    IntegerChild(rental::kOtherBuildings, offsetof(RentalUseSummary, otherBuildings),
                 "住宅用以外 建物 一戸建以外"),
    IntegerChild(rental::kOtherLandContracts, offsetof(RentalUseSummary, otherLandContracts),
                 "住宅用以外 土地 契約件数"),
    AreaChild(rental::kOtherLandArea, offsetof(RentalUseSummary, otherLandArea),
              "住宅用以外 土地 総面積（㎡）"),
    IntegerChild(rental::kParkingRoofed, offsetof(RentalUseSummary, parkingRoofed),
                 "駐車場 屋根付"),
    IntegerChild(rental::kParkingOpen, offsetof(RentalUseSummary, parkingOpen), "駐車場 青空"),
};

#undef BRENLO_FIELD

namespace general = hostapi::general;
namespace realestate = hostapi::realestate;

}  // namespace

// The salary list allows the entries before its others entry.
const ListLayout kSalaryList{list::kSalaryItem,         general::kSalaries, sizeof(SalaryEntry),
                             general::kSalaryCount - 1, kSalaryChildren,    &kSalaryPrint};
const ListLayout kRealEstateSalaryList{list::kSalaryItem,   realestate::kSalaries,
                                       sizeof(SalaryEntry), realestate::kSalaryCount,
                                       kSalaryChildren,     &kSalaryPrint};
const ListLayout kBlueFamilyList{list::kFamilyItem,           general::kFamilyEmployees,
                                 sizeof(FamilyEmployeeEntry), general::kFamilyEmployeeCount,
                                 kBlueFamilyChildren,         &kBlueFamilyPrint};
const ListLayout kWhiteFamilyList{list::kFamilyItem,           general::kFamilyEmployees,
                                  sizeof(FamilyEmployeeEntry), general::kFamilyEmployeeCount,
                                  kWhiteFamilyChildren,        &kWhiteFamilyPrint};
const ListLayout kRealEstateBlueFamilyList{
    list::kFamilyItem,           realestate::kFamilyEmployees,
    sizeof(FamilyEmployeeEntry), realestate::kFamilyEmployeeCount,
    kBlueFamilyChildren,         &kBlueFamilyPrint};
const ListLayout kRealEstateWhiteFamilyList{
    list::kFamilyItem,           realestate::kFamilyEmployees,
    sizeof(FamilyEmployeeEntry), realestate::kFamilyEmployeeCount,
    kWhiteFamilyChildren,        &kWhiteFamilyPrint};
const ListLayout kInterestList{
    list::kInterestItem,
    EntryAt(general::kCounterparties, general::kInterestFirst, sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    general::kTaxAccountantFirst - general::kInterestFirst,
    kInterestChildren,
    &kInterestPrint};
const ListLayout kTaxAccountantList{
    list::kTaxAccountantItem,
    EntryAt(general::kCounterparties, general::kTaxAccountantFirst, sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    general::kCounterpartyCount - general::kTaxAccountantFirst,
    kTaxAccountantChildren,
    &kTaxAccountantPrint};
const ListLayout kLoanList{
    list::kLoanItem,
    EntryAt(realestate::kCounterparties, realestate::kLoansFirst, sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    realestate::kLoanCount,
    kLoanChildren,
    &kLoanPrint};
const ListLayout kRealEstateTaxAccountantList{
    list::kTaxAccountantItem,
    EntryAt(realestate::kCounterparties, realestate::kTaxAccountantFirst,
            sizeof(CounterpartyEntry)),
    sizeof(CounterpartyEntry),
    realestate::kCounterpartyCount - realestate::kTaxAccountantFirst,
    kTaxAccountantChildren,
    &kTaxAccountantPrint};
const ListLayout kLandRentList{list::kLandRentItem,     general::kLandRents, sizeof(LandRentEntry),
                               general::kLandRentCount, kLandRentChildren,   &kLandRentPrint};
const ListLayout kRealEstateBlueLandRentList{
    list::kLandRentItem,        realestate::kLandRents,          sizeof(LandRentEntry),
    realestate::kLandRentCount, kBlueRealEstateLandRentChildren, &kRealEstateBlueLandRentPrint};
const ListLayout kRealEstateWhiteLandRentList{list::kLandRentItem,   realestate::kLandRents,
                                              sizeof(LandRentEntry), realestate::kLandRentCount,
                                              kLandRentChildren,     &kLandRentPrint};
const ListLayout kCustomerList{
    list::kCustomerItem,
    EntryAt(general::kCustomers, general::kCustomersFirst, sizeof(CustomerEntry)),
    sizeof(CustomerEntry),
    general::kNamedCustomerCount,
    kCustomerChildren,
    &kCustomerPrint};
const ListLayout kSupplierList{
    list::kSupplierItem,
    EntryAt(general::kCustomers, general::kSuppliersFirst, sizeof(CustomerEntry)),
    sizeof(CustomerEntry),
    general::kNamedCustomerCount,
    kSupplierChildren,
    &kSupplierPrint};
const ListLayout kRepairList{list::kRepairItem,        realestate::kRepairs, sizeof(RepairEntry),
                             realestate::kRepairCount, kRepairChildren,      &kRepairPrint};
// The host ends the rentals with a marker; the section bounds their number.
const ListLayout kRentalList{rental::kItem, 0, sizeof(RentalEntry), 9999, kRentalChildren,
                             &kRentalPrint};

const Child* ChildOf(const ListLayout& list, std::string_view element) {
    for (const Child& child : list.children) {
        if (element == child.element) {
            return &child;
        }
    }
    return nullptr;
}

std::span<const Child> SalaryOthers(bool realEstate) {
    return realEstate ? std::span<const Child>(kRealEstateOthers)
                      : std::span<const Child>(kBusinessOthers);
}

std::span<const Child> CustomerTotals() {
    return kCustomerTotals;
}

std::span<const Child> SupplierTotals() {
    return kSupplierTotals;
}

std::span<const Child> RentalUse() {
    return kUseChildren;
}

}  // namespace reportformat
