#include "reportformat/Sections.h"

#include "reportformat/Elements.h"

namespace reportformat {

namespace {

using C = Content;

constexpr std::string_view kProfitAndLoss = "損益計算書";
constexpr std::string_view kWhiteProfitAndLoss = "収支内訳書";
constexpr std::string_view kSalaries = "給料賃金の内訳";
constexpr std::string_view kFamily = "専従者給与の内訳";
constexpr std::string_view kLandRents = "地代家賃の内訳";
constexpr std::string_view kTaxAccountant = "税理士・弁護士等の報酬・料金の内訳";
constexpr std::string_view kNotes = "本年中における特殊事情";
constexpr std::string_view kBalanceSheet = "貸借対照表（資産負債調）";
constexpr std::string_view kInterest = "利子割引料の内訳（金融機関を除く）";
constexpr std::string_view kWhiteFamily = "専従者の内訳";
constexpr std::string_view kOther = "その他";
constexpr std::string_view kRentals = "不動産所得の収入の内訳";
constexpr std::string_view kLoans = "借入金利子の内訳（金融機関を除く）";

constexpr SectionSpec Notes(int lineLength, int lineCount) {
    return {section::kSpecialNotes, C::SpecialNotes, kNotes, nullptr, 0, {}, lineLength, lineCount};
}

// The lists' beside lines come from another file: the table is made on first use.
std::span<const SectionSpec> BlueBusiness() {
    static const SectionSpec sections[] = {
        {section::kProfitAndLoss, C::ProfitAndLoss, kProfitAndLoss},
        {section::kMonthly, C::Monthly, "月別売上（収入）金額及び仕入金額"},
        {section::kSalaries, C::Salaries, kSalaries, &kSalaryList, 5, SalaryOthers(false)},
        {section::kFamilyEmployees, C::FamilyEmployees, kFamily, &kBlueFamilyList, 5},
        {section::kBadDebtReserve, C::BadDebtReserve, "貸倒引当金繰入額の計算"},
        {section::kBlueDeduction, C::BlueDeduction, "青色申告特別控除額の計算"},
        {section::kInterest, C::Interest, kInterest, &kInterestList, 2},
        {section::kLandRents, C::LandRents, kLandRents, &kLandRentList, 2},
        {section::kTaxAccountant, C::TaxAccountant, kTaxAccountant, &kTaxAccountantList, 2},
        Notes(60, 5),
        {section::kBalanceSheet, C::BalanceSheet, kBalanceSheet},
        // Written for every blue return: without manufacturing rows its values are empty.
        {section::kManufacturing, C::ManufacturingCost, "製造原価の計算"},
        {section::kOther, C::Association, kOther},
    };
    return sections;
}

std::span<const SectionSpec> WhiteBusiness() {
    static const SectionSpec sections[] = {
        {section::kProfitAndLoss, C::ProfitAndLoss, kWhiteProfitAndLoss},
        {section::kSalaries, C::Salaries, kSalaries, &kSalaryList, 3, SalaryOthers(false)},
        {section::kFamilyEmployees, C::FamilyEmployees, kWhiteFamily, &kWhiteFamilyList, 3},
        {section::kInterest, C::Interest, kInterest, &kInterestList, 2},
        {section::kLandRents, C::LandRents, kLandRents, &kLandRentList, 2},
        {section::kTaxAccountant, C::TaxAccountant, kTaxAccountant, &kTaxAccountantList, 2},
        Notes(60, 9),
        {section::kCustomers, C::Customers, "売上（収入）金額の明細", &kCustomerList, 4,
         CustomerTotals()},
        {section::kSuppliers, C::Suppliers, "仕入金額の明細", &kSupplierList, 4, SupplierTotals()},
        {section::kOther, C::Association, kOther},
    };
    return sections;
}

std::span<const SectionSpec> BlueRealEstate() {
    static const SectionSpec sections[] = {
        {section::kProfitAndLoss, C::ProfitAndLoss, kProfitAndLoss},
        {section::kRentals, C::Rentals, kRentals, &kRentalList, 9999},
        {section::kSalaries, C::Salaries, kSalaries, &kRealEstateSalaryList, 2},
        {section::kFamilyEmployees, C::FamilyEmployees, kFamily, &kRealEstateBlueFamilyList, 1},
        {section::kLandRents, C::LandRents, kLandRents, &kRealEstateBlueLandRentList, 2},
        {section::kLoans, C::Loans, kLoans, &kLoanList, 3},
        {section::kTaxAccountant, C::TaxAccountant, kTaxAccountant, &kRealEstateTaxAccountantList,
         2},
        {section::kBalanceSheet, C::BalanceSheet, kBalanceSheet},
        {section::kSpecialNotes,
         C::SpecialNotes,
         "本年中における特殊事情・保証金等の運用状況",
         nullptr,
         0,
         {},
         30,
         25},
    };
    return sections;
}

std::span<const SectionSpec> WhiteRealEstate() {
    static const SectionSpec sections[] = {
        {section::kProfitAndLoss, C::ProfitAndLoss, kWhiteProfitAndLoss},
        {section::kRentals, C::Rentals, kRentals, &kRentalList, 9999},
        {section::kSalaries, C::Salaries, kSalaries, &kRealEstateSalaryList, 1, SalaryOthers(true)},
        {section::kFamilyEmployees, C::FamilyEmployees, kWhiteFamily, &kRealEstateWhiteFamilyList,
         2},
        {section::kLandRents, C::LandRents, kLandRents, &kRealEstateWhiteLandRentList, 2},
        {section::kLoans, C::Loans, kLoans, &kLoanList, 2},
        {section::kTaxAccountant, C::TaxAccountant, kTaxAccountant, &kRealEstateTaxAccountantList,
         2},
        Notes(60, 7),
        {section::kRepairs, C::Repairs, "修繕費の内訳", &kRepairList, 3},
        {section::kRentalUse, C::RentalUse, "貸付不動産の用途別内訳"},
    };
    return sections;
}

}  // namespace

std::span<const SectionSpec> SectionsOf(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return BlueBusiness();
        case Form::WhiteBusiness:
            return WhiteBusiness();
        case Form::BlueRealEstate:
            return BlueRealEstate();
        case Form::WhiteRealEstate:
            return WhiteRealEstate();
    }
    return {};
}

std::string_view FormTitle(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return "所得税青色申告決算書（一般用）";
        case Form::WhiteBusiness:
            return "収支内訳書（一般用）";
        case Form::BlueRealEstate:
            return "所得税青色申告決算書（不動産所得用）";
        case Form::WhiteRealEstate:
            return "収支内訳書（不動産所得用）";
    }
    return {};
}

std::span<const std::string_view> DepreciationColumns() {
    static constexpr std::string_view kColumns[] = {"減価償却資産の名称等",
                                                    "面積又は数量",
                                                    "取得年月",
                                                    "取得価額（償却保証額）",
                                                    "償却の基礎になる金額",
                                                    "償却方法",
                                                    "耐用年数",
                                                    "償却率又は改定償却率",
                                                    "本年中の償却期間",
                                                    "本年分の普通償却費",
                                                    "特別償却費",
                                                    "本年分の償却費合計",
                                                    "事業専用割合",
                                                    "本年分の必要経費算入額",
                                                    "未償却残高（期末残高）",
                                                    "摘要"};
    return kColumns;
}

const SectionSpec* FindSection(Form form, std::string_view tag) {
    for (const SectionSpec& spec : SectionsOf(form)) {
        if (spec.tag == tag) {
            return &spec;
        }
    }
    return nullptr;
}

}  // namespace reportformat
