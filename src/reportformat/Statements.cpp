#include "reportformat/Statements.h"

#include "reportformat/Elements.h"

namespace reportformat {

std::string StatementLine::PrintedName() const {
    std::string printed(name);
    if (rule != Rule::Formula || sum.empty() || sum.find('~') != std::string_view::npos) {
        return printed;
    }
    printed += "（";
    for (const char c : sum) {
        printed += c == '+' ? std::string("＋") : c == '-' ? std::string("－") : std::string(1, c);
    }
    return printed + "）";
}

std::string StatementLine::Tag() const {
    if (tag == nullptr) {
        return {};
    }
    return spare > 0 ? tag + std::to_string(spare) : std::string(tag);
}

namespace {

constexpr StatementLine Line(const char* tag, std::int32_t code, Counts counts,
                             std::string_view number, std::string_view name) {
    StatementLine line;
    line.tag = tag;
    line.code = code;
    line.counts = counts;
    line.number = number;
    line.name = name;
    return line;
}

// A line the user names: the stem with the spare's number.
constexpr StatementLine Spare(const char* stem, int spare, std::int32_t code, Counts counts,
                              std::string_view number) {
    StatementLine line = Line(stem, code, counts, number, {});
    line.spare = spare;
    line.named = true;
    return line;
}

constexpr StatementLine Sum(std::string_view number, std::string_view name,
                            std::string_view formula) {
    StatementLine line;
    line.number = number;
    line.name = name;
    line.sum = formula;
    return line;
}

constexpr StatementLine Heading(std::string_view number, std::string_view name) {
    StatementLine line;
    line.number = number;
    line.name = name;
    return line;
}

// A sum the report states too, under `tag` of `section`.
constexpr StatementLine StatedSum(std::string_view number, std::string_view name,
                                  std::string_view formula, const char* section, const char* tag) {
    StatementLine line = Sum(number, name, formula);
    line.statedIn = section;
    line.stated = tag;
    return line;
}

using C = Counts;

// 青色申告決算書（一般用）: 損益計算書 ①～㊺. The codes are those of the blue summation.
constexpr StatementLine kBlueBusiness[] = {
    [] {
        StatementLine sales =
            Line(pl::kSales, 101, C::Revenue, "①", "売上（収入）金額（雑収入を含む）");
        sales.shortName = "売上（収入）金額";
        return sales;
    }(),
    Heading("", "売上原価"),
    Line(pl::kOpeningStock, 104, C::Cost, "②", "期首商品（製品）棚卸高"),
    Line(pl::kPurchases, 105, C::Cost, "③", "仕入金額（製品製造原価）"),
    Sum("④", "小計", "②+③"),
    Line(pl::kClosingStock, 106, C::ClosingStock, "⑤", "期末商品（製品）棚卸高"),
    Sum("⑥", "差引原価", "④-⑤"),
    Sum("⑦", "差引金額", "①-⑥"),
    Heading("", "経費"),
    Line(pl::kTaxes, 108, C::Expense, "⑧", "租税公課"),
    Line(pl::kPacking, 109, C::Expense, "⑨", "荷造運賃"),
    Line(pl::kUtilities, 110, C::Expense, "⑩", "水道光熱費"),
    Line(pl::kTravel, 111, C::Expense, "⑪", "旅費交通費"),
    Line(pl::kCommunication, 112, C::Expense, "⑫", "通信費"),
    Line(pl::kAdvertising, 113, C::Expense, "⑬", "広告宣伝費"),
    Line(pl::kEntertainment, 114, C::Expense, "⑭", "接待交際費"),
    Line(pl::kInsurance, 115, C::Expense, "⑮", "損害保険料"),
    Line(pl::kRepairs, 116, C::Expense, "⑯", "修繕費"),
    Line(pl::kSupplies, 117, C::Expense, "⑰", "消耗品費"),
    Line(pl::kDepreciation, 118, C::Expense, "⑱", "減価償却費"),
    Line(pl::kWelfare, 119, C::Expense, "⑲", "福利厚生費"),
    Line(pl::kSalaries, 120, C::Expense, "⑳", "給料賃金"),
    Line(pl::kOutsourcing, 121, C::Expense, "㉑", "外注工賃"),
    Line(pl::kInterest, 122, C::Expense, "㉒", "利子割引料"),
    Line(pl::kRent, 123, C::Expense, "㉓", "地代家賃"),
    Line(pl::kBadDebts, 124, C::Expense, "㉔", "貸倒金"),
    Spare(pl::kSpareExpense, 1, 125, C::Expense, "㉕"),
    Spare(pl::kSpareExpense, 2, 126, C::Expense, "㉖"),
    Spare(pl::kSpareExpense, 3, 127, C::Expense, "㉗"),
    Spare(pl::kSpareExpense, 4, 128, C::Expense, "㉘"),
    Spare(pl::kSpareExpense, 5, 129, C::Expense, "㉙"),
    Spare(pl::kSpareExpense, 6, 130, C::Expense, "㉚"),
    Line(pl::kMiscellaneous, 131, C::Expense, "㉛", "雑費"),
    Sum("㉜", "計", "⑧~㉛"),
    Sum("㉝", "差引金額", "⑦-㉜"),
    Heading("", "各種引当金・準備金等"),
    Heading("", "繰戻額等"),
    Line(pl::kReserveReversal, 135, C::Reversal, "㉞", "貸倒引当金"),
    Spare(pl::kSpareReversal, 1, 136, C::Reversal, "㉟"),
    Spare(pl::kSpareReversal, 2, 137, C::Reversal, "㊱"),
    Sum("㊲", "計", "㉞~㊱"),
    Heading("", "繰入額等"),
    Line(pl::kFamilySalaries, 140, C::Provision, "㊳", "専従者給与"),
    Line(pl::kReserveProvision, 141, C::Provision, "㊴", "貸倒引当金"),
    Spare(pl::kSpareProvision, 1, 142, C::Provision, "㊵"),
    Spare(pl::kSpareProvision, 2, 143, C::Provision, "㊶"),
    Sum("㊷", "計", "㊳~㊶"),
    StatedSum("㊸", "青色申告特別控除前の所得金額", "㉝+㊲-㊷", section::kBalanceSheet,
              bs::kIncomeBeforeDeduction),
    [] {
        StatementLine deduction =
            Line(deduction::kBlueAmount, kNoCode, C::Apart, "㊹", "青色申告特別控除額");
        deduction.section = section::kBlueDeduction;
        return deduction;
    }(),
    Sum("㊺", "所得金額", "㊸-㊹"),
};

// 収支内訳書（一般用）: ①～㉑, その他の経費 イ～ソ. Codes of the white
// summation; 998 is the row the aggregation gives the family-employee deduction.
constexpr StatementLine kWhiteBusiness[] = {
    Heading("", "収入金額"),
    Line(pl::kWhiteSales, 1, C::Revenue, "①", "売上（収入）金額"),
    Line(pl::kHouseholdUse, 2, C::Revenue, "②", "家事消費"),
    Line(pl::kOtherRevenue, 3, C::Revenue, "③", "その他の収入"),
    Sum("④", "計", "①~③"),
    Heading("", "売上原価"),
    Line(pl::kOpeningStock, 5, C::Cost, "⑤", "期首商品（製品）棚卸高"),
    Line(pl::kPurchases, 6, C::Cost, "⑥", "仕入金額"),
    Sum("⑦", "小計", "⑤+⑥"),
    Line(pl::kClosingStock, 8, C::ClosingStock, "⑧", "期末商品（製品）棚卸高"),
    Sum("⑨", "差引原価", "⑦-⑧"),
    Sum("⑩", "差引金額", "④-⑨"),
    Heading("", "経費"),
    Line(pl::kSalaries, 11, C::Expense, "⑪", "給料賃金"),
    Line(pl::kOutsourcing, 12, C::Expense, "⑫", "外注工賃"),
    Line(pl::kDepreciation, 13, C::Expense, "⑬", "減価償却費"),
    Line(pl::kBadDebts, 14, C::Expense, "⑭", "貸倒金"),
    Line(pl::kRent, 15, C::Expense, "⑮", "地代家賃"),
    Line(pl::kInterest, 16, C::Expense, "⑯", "利子割引料"),
    Heading("⑰", "その他の経費"),
    Line(pl::kTaxes, 21, C::Expense, "イ", "租税公課"),
    Line(pl::kPacking, 22, C::Expense, "ロ", "荷造運賃"),
    Line(pl::kUtilities, 23, C::Expense, "ハ", "水道光熱費"),
    Line(pl::kTravel, 24, C::Expense, "ニ", "旅費交通費"),
    Line(pl::kCommunication, 25, C::Expense, "ホ", "通信費"),
    Line(pl::kAdvertising, 26, C::Expense, "ヘ", "広告宣伝費"),
    Line(pl::kEntertainment, 27, C::Expense, "ト", "接待交際費"),
    Line(pl::kInsurance, 28, C::Expense, "チ", "損害保険料"),
    Line(pl::kRepairs, 29, C::Expense, "リ", "修繕費"),
    Line(pl::kSupplies, 30, C::Expense, "ヌ", "消耗品費"),
    Line(pl::kWelfare, 31, C::Expense, "ル", "福利厚生費"),
    Spare(pl::kSpareExpense, 1, 32, C::Expense, "ヲ"),
    Spare(pl::kSpareExpense, 2, 33, C::Expense, "ワ"),
    Spare(pl::kSpareExpense, 3, 34, C::Expense, "カ"),
    Spare(pl::kSpareExpense, 4, 35, C::Expense, "ヨ"),
    Spare(pl::kSpareExpense, 5, 36, C::Expense, "タ"),
    Line(pl::kMiscellaneous, 37, C::Expense, "レ", "雑費"),
    Sum("ソ", "小計", "イ~レ"),
    Sum("⑱", "経費計", "⑪~⑯+ソ"),
    Sum("⑲", "専従者控除前の所得金額", "⑩-⑱"),
    Line(pl::kFamilyDeduction, 998, C::Provision, "⑳", "専従者控除"),
    Sum("㉑", "所得金額", "⑲-⑳"),
};

// 青色申告決算書（不動産所得用）: 損益計算書 ①～㉑ and the notes beside it.
// Codes of the blue real-estate summation.
constexpr StatementLine kBlueRealEstate[] = {
    Heading("", "収入金額"),
    Line(pl::kRents, 101, C::Revenue, "①", "賃貸料"),
    Line(pl::kKeyMoney, 102, C::Revenue, "②", "礼金・権利金・更新料"),
    Spare(pl::kSpareRevenue, 0, 103, C::Revenue, "③"),
    Sum("④", "計", "①~③"),
    Heading("", "必要経費"),
    Line(pl::kTaxes, 105, C::Expense, "⑤", "租税公課"),
    Line(pl::kInsurance, 106, C::Expense, "⑥", "損害保険料"),
    Line(pl::kRepairs, 107, C::Expense, "⑦", "修繕費"),
    Line(pl::kDepreciation, 108, C::Expense, "⑧", "減価償却費"),
    Line(pl::kLoanInterest, 109, C::Expense, "⑨", "借入金利子"),
    Line(pl::kRent, 110, C::Expense, "⑩", "地代家賃"),
    Line(pl::kSalaries, 111, C::Expense, "⑪", "給料賃金"),
    Spare(pl::kSpareNecessaryExpense, 1, 112, C::Expense, "⑫"),
    Spare(pl::kSpareNecessaryExpense, 2, 113, C::Expense, "⑬"),
    Spare(pl::kSpareNecessaryExpense, 3, 114, C::Expense, "⑭"),
    Spare(pl::kSpareNecessaryExpense, 4, 115, C::Expense, "⑮"),
    Spare(pl::kSpareNecessaryExpense, 5, 116, C::Expense, "⑯"),
    Line(pl::kOtherExpenses, 117, C::Expense, "⑰", "その他の経費"),
    Sum("⑱", "計", "⑤~⑰"),
    Sum("⑲", "差引金額", "④-⑱"),
    Line(pl::kFamilySalaries, 120, C::Provision, "⑳", "専従者給与"),
    StatedSum("㉑", "青色申告特別控除前の所得金額", "⑲-⑳", section::kBalanceSheet,
              bs::kIncomeBeforeDeduction),
    // The deduction is taken from the real-estate income first: the chosen
    // limit, up to the income.
    [] {
        StatementLine deduction = Sum("㉒", "青色申告特別控除額", "㉑");
        deduction.rule = Rule::DeductionTaken;
        return deduction;
    }(),
    Sum("㉓", "所得金額", "㉑-㉒"),
    // The report notes which deduction was chosen; it prints with ㉒.
    [] {
        StatementLine choice = Line(deduction::kChoice, kNoCode, C::Apart, "", "青色申告特別控除");
        choice.holds = Holds::Code;
        return choice;
    }(),
    Line(pl::kLandDebtInterest, kNoCode, C::Apart, "",
         "土地等を取得するために要した負債の利子の額"),
};

// 収支内訳書（不動産所得用）: ①～⑭. Codes of the white real-estate summation;
// 998 is the family-employee deduction's row.
constexpr StatementLine kWhiteRealEstate[] = {
    Heading("", "収入金額"),
    Line(pl::kRents, 1, C::Revenue, "①", "賃貸料"),
    Line(pl::kKeyMoney, 2, C::Revenue, "②", "礼金・権利金・更新料"),
    Line(pl::kTransferFees, 3, C::Revenue, "③", "名義書換料その他"),
    Sum("④", "計", "①~③"),
    Heading("", "必要経費"),
    Line(pl::kSalaries, 6, C::Expense, "⑤", "給料賃金"),
    Line(pl::kDepreciation, 7, C::Expense, "⑥", "減価償却費"),
    Line(pl::kBadDebts, 8, C::Expense, "⑦", "貸倒金"),
    Line(pl::kRent, 9, C::Expense, "⑧", "地代家賃"),
    Line(pl::kLoanInterest, 10, C::Expense, "⑨", "借入金利子"),
    Line(pl::kTaxes, 21, C::Expense, "", "租税公課"),
    Line(pl::kInsurance, 22, C::Expense, "", "損害保険料"),
    Line(pl::kRepairs, 23, C::Expense, "", "修繕費"),
    Spare(pl::kSpareNecessaryExpense, 0, 24, C::Expense, ""),
    Line(pl::kMiscellaneous, 25, C::Expense, "", "雑費"),
    Sum("⑩", "その他の経費", "租税公課~雑費"),
    Sum("⑪", "計", "⑤~⑨+⑩"),
    Sum("⑫", "差引金額", "④-⑪"),
    Line(pl::kFamilyDeduction, 998, C::Provision, "⑬", "専従者控除"),
    Sum("⑭", "所得金額", "⑫-⑬"),
    Line(pl::kLandDebtInterest, kNoCode, C::Apart, "",
         "土地等を取得するために要した負債の利子の額"),
};

// 青色申告決算書（一般用）: 製造原価の計算 ①～㉖.
constexpr StatementLine kManufacturingCost[] = {
    Heading("", "原材料費"),
    Line(manufacturing::kOpeningMaterials, 301, C::Cost, "①", "期首原材料棚卸高"),
    Line(manufacturing::kMaterialPurchases, 302, C::Cost, "②", "原材料仕入高"),
    Sum("③", "小計", "①+②"),
    Line(manufacturing::kClosingMaterials, 304, C::ClosingStock, "④", "期末原材料棚卸高"),
    Sum("⑤", "差引原材料費", "③-④"),
    Line(manufacturing::kLabour, 306, C::Cost, "⑥", "労務費"),
    Heading("", "その他の製造経費"),
    Line(manufacturing::kOutsourcing, 307, C::Cost, "⑦", "外注工賃"),
    Line(manufacturing::kPower, 308, C::Cost, "⑧", "電力費"),
    Line(manufacturing::kUtilities, 309, C::Cost, "⑨", "水道光熱費"),
    Line(manufacturing::kRepairs, 310, C::Cost, "⑩", "修繕費"),
    Line(manufacturing::kDepreciation, 311, C::Cost, "⑪", "減価償却費"),
    Spare(manufacturing::kSpareExpense, 1, 312, C::Cost, "⑫"),
    Spare(manufacturing::kSpareExpense, 2, 313, C::Cost, "⑬"),
    Spare(manufacturing::kSpareExpense, 3, 314, C::Cost, "⑭"),
    Spare(manufacturing::kSpareExpense, 4, 315, C::Cost, "⑮"),
    Spare(manufacturing::kSpareExpense, 5, 316, C::Cost, "⑯"),
    Spare(manufacturing::kSpareExpense, 6, 317, C::Cost, "⑰"),
    Spare(manufacturing::kSpareExpense, 7, 318, C::Cost, "⑱"),
    Spare(manufacturing::kSpareExpense, 8, 319, C::Cost, "⑲"),
    Line(manufacturing::kMiscellaneous, 320, C::Cost, "⑳", "雑費"),
    Sum("㉑", "計", "⑦~⑳"),
    Sum("㉒", "総製造費", "⑤+⑥+㉑"),
    Line(manufacturing::kOpeningWork, 323, C::Cost, "㉓", "期首半製品・仕掛品棚卸高"),
    Sum("㉔", "小計", "㉒+㉓"),
    Line(manufacturing::kClosingWork, 325, C::ClosingStock, "㉕", "期末半製品・仕掛品棚卸高"),
    Sum("㉖", "製品製造原価", "㉔-㉕"),
};

}  // namespace

std::span<const CarriedLine> CarriedLines() {
    static constexpr CarriedLine kCarried[] = {
        {Form::BlueBusiness,
         Form::WhiteBusiness,
         pl::kSales,
         {pl::kWhiteSales, pl::kHouseholdUse, pl::kOtherRevenue}},
    };
    return kCarried;
}

std::span<const StatementLine> ProfitAndLoss(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return kBlueBusiness;
        case Form::WhiteBusiness:
            return kWhiteBusiness;
        case Form::BlueRealEstate:
            return kBlueRealEstate;
        case Form::WhiteRealEstate:
            return kWhiteRealEstate;
    }
    return {};
}

std::span<const StatementLine> ManufacturingCost(Form form) {
    return form == Form::BlueBusiness ? std::span<const StatementLine>(kManufacturingCost)
                                      : std::span<const StatementLine>();
}

}  // namespace reportformat
