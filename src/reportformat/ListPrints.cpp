#include "reportformat/ListPrints.h"

#include "reportformat/Elements.h"

namespace reportformat {

namespace {

constexpr std::string_view kPaid = "支給額";
constexpr std::string_view kPayee = "支払先の住所・氏名";
constexpr std::string_view kWithheld = "所得税及び復興特別所得税の源泉徴収税額";
constexpr std::string_view kExpensePart = "左のうち必要経費算入額";

constexpr PrintColumn Column(const char* element, std::string_view label = {}) {
    PrintColumn column;
    column.element = element;
    column.label = label;
    return column;
}

constexpr PrintColumn Totalled(PrintColumn column) {
    column.totalled = true;
    return column;
}

constexpr PrintColumn Joined(std::string_view label, const char* element, const char* below) {
    PrintColumn column = Column(element, label);
    column.below = below;
    return column;
}

constexpr PrintColumn Grouped(std::string_view group, PrintColumn column) {
    column.group = group;
    return column;
}

constexpr PrintColumn Others(PrintColumn column, const char* others) {
    column.others = others;
    return column;
}

// 給料賃金と賞与の合計.
constexpr PrintColumn PaidInAll(const char* salary, const char* bonus) {
    PrintColumn column;
    column.label = "合計";
    column.added = {salary, bonus, nullptr};
    column.totalled = true;
    column.group = kPaid;
    return column;
}

constexpr PrintColumn kSalaryColumns[] = {
    Column(list::kName),
    Column(list::kAge),
    Others(Column(list::kMonths), list::kOthersMonths),
    Grouped(kPaid, Totalled(Others(Column(list::kSalary), list::kOthersSalary))),
    Grouped(kPaid, Totalled(Others(Column(list::kBonus), list::kOthersBonus))),
    PaidInAll(list::kSalary, list::kBonus),
    Totalled(Others(Column(list::kTaxWithheld, kWithheld), list::kOthersTax)),
};

constexpr PrintColumn kBlueFamilyColumns[] = {
    Column(list::kName),
    Column(list::kRelationship),
    Column(list::kAge),
    Column(list::kMonths),
    Grouped(kPaid, Totalled(Column(list::kSalary))),
    Grouped(kPaid, Totalled(Column(list::kBonus))),
    PaidInAll(list::kSalary, list::kBonus),
    Totalled(Column(list::kTaxWithheld, kWithheld)),
};

constexpr PrintColumn kWhiteFamilyColumns[] = {
    Column(list::kName),
    Column(list::kAge),
    Column(list::kRelationship),
    Column(list::kMonths),
};

constexpr PrintColumn kInterestColumns[] = {
    Joined(kPayee, list::kAddress, list::kPayee),
    Column(list::kBorrowed, "期末現在の借入金等の金額"),
    Column(list::kInterestCharges),
    Column(list::kExpensePart, kExpensePart),
};

constexpr PrintColumn kLoanColumns[] = {
    Joined(kPayee, list::kAddress, list::kPayee),
    Column(list::kBorrowed, "期末現在の借入金等の金額"),
    Column(list::kLoanInterest),
    Column(list::kExpensePart, kExpensePart),
};

constexpr PrintColumn kTaxAccountantColumns[] = {
    Joined(kPayee, list::kAddress, list::kPayee),
    Column(list::kFee, "本年中の報酬等の金額"),
    Column(list::kExpensePart, kExpensePart),
    Column(list::kTaxWithheld, kWithheld),
};

constexpr std::string_view kRentPaid = "本年中の賃借料・権利金等";

constexpr PrintColumn kLandRentColumns[] = {
    Joined("支払先の住所・氏名", list::kAddress, list::kPayee),
    Joined("賃借物件", list::kProperty, list::kPropertyLower),
    Grouped(kRentPaid, Column(list::kKeyMoney)),
    Grouped(kRentPaid, Column(list::kRenewalFee)),
    Grouped(kRentPaid, Column(list::kRent)),
    Column(list::kExpensePart, "左の賃借料のうち必要経費算入額"),
};

constexpr PrintColumn kRealEstateBlueLandRentColumns[] = {
    Joined("支払先の住所・氏名", list::kAddressLine1, list::kAddressLine2),
    Column(list::kPropertyLine1, "賃借物件"),
    Grouped(kRentPaid, Column(list::kKeyMoney)),
    Grouped(kRentPaid, Column(list::kRenewalFee)),
    Grouped(kRentPaid, Column(list::kRent)),
    Column(list::kExpensePart, "左の賃借料のうち必要経費算入額"),
};

constexpr PrintColumn kCustomerColumns[] = {
    Column(list::kCustomer),
    Column(list::kLocation),
    Totalled(Column(list::kSales, "売上（収入）金額")),
};
constexpr BesideRow kOtherCustomers[] = {{"上記以外の売上先の計", list::kOtherCustomers, 2, true}};
constexpr BesideRow kReducedRateSales[] = {{"うち軽減税率対象", list::kReducedRatePart, 2, false}};

constexpr PrintColumn kSupplierColumns[] = {
    Column(list::kSupplier),
    Column(list::kLocation),
    Totalled(Column(list::kPurchases)),
};
constexpr BesideRow kOtherSuppliers[] = {{"上記以外の仕入先の計", list::kOtherSuppliers, 2, true}};
constexpr BesideRow kReducedRatePurchases[] = {
    {"うち軽減税率対象", list::kReducedRatePart, 2, false}};

constexpr PrintColumn kRepairColumns[] = {
    Joined(kPayee, list::kAddress, list::kPayee),
    Joined("工事名・資材名", list::kWork, list::kWorkLower),
    Column(list::kPaymentDate),
    Totalled(Column(list::kPaid)),
    Totalled(Column(list::kExpensePart, kExpensePart)),
};

constexpr std::string_view kIncome = "本年中の収入金額";

constexpr PrintColumn kRentalColumns[] = {
    Column(rental::kHouseOrLand, "貸家貸地等の別"),
    Column(rental::kUse),
    Joined("不動産の所在地", rental::kLocation, rental::kLocationLower),
    Joined("賃借人の住所・氏名", list::kAddress, list::kPayee),
    [] {
        PrintColumn period = Joined("賃貸契約期間", rental::kContractFrom, rental::kContractTo);
        period.period = true;
        return period;
    }(),
    Column(rental::kArea),
    Grouped(kIncome, Column(rental::kMonthlyRent, "賃貸料 月額")),
    Grouped(kIncome, Totalled(Column(rental::kYearlyRent, "賃貸料 年額"))),
    [] {
        PrintColumn fees;
        fees.label = "礼金・権利金・更新料";
        fees.added = {rental::kGratuity, list::kKeyMoney, list::kRenewalFee};
        fees.totalled = true;
        fees.group = kIncome;
        return fees;
    }(),
    Grouped(kIncome, Totalled(Column(rental::kTransferFee))),
    Totalled(Column(rental::kDeposit, "保証金・敷金（期末残高）")),
};

}  // namespace

const ListPrint kSalaryPrint{kSalaryColumns, "その他（{}人分）", list::kOthersPersons, {}, true};
const ListPrint kBlueFamilyPrint{kBlueFamilyColumns, {}, nullptr, {}, true};
const ListPrint kWhiteFamilyPrint{kWhiteFamilyColumns};
const ListPrint kInterestPrint{kInterestColumns};
const ListPrint kLoanPrint{kLoanColumns};
const ListPrint kTaxAccountantPrint{kTaxAccountantColumns};
const ListPrint kLandRentPrint{kLandRentColumns};
const ListPrint kRealEstateBlueLandRentPrint{kRealEstateBlueLandRentColumns};
const ListPrint kCustomerPrint{kCustomerColumns, {},   nullptr,
                               kOtherCustomers,  true, kReducedRateSales};
const ListPrint kSupplierPrint{kSupplierColumns, {},   nullptr,
                               kOtherSuppliers,  true, kReducedRatePurchases};
const ListPrint kRepairPrint{kRepairColumns, {}, nullptr, {}, true};
// The form has ten rows for the properties; more continue on sheets of their own.
const ListPrint kRentalPrint{kRentalColumns, {}, nullptr, {}, true, {}, 10};

}  // namespace reportformat
