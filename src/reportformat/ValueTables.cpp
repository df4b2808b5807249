#include "reportformat/ValueTables.h"

#include "hostapi/SavedStatementRecords.h"
#include "reportformat/Elements.h"

namespace reportformat {

namespace {

// Sales by month, what the monthly record holds after them, purchases by month.
constexpr MonthlyRun kMonthly[] = {
    {monthly::kSales, kMonths, "売上"},
    {monthly::kHouseholdUse, 0, "家事消費等"},
    {monthly::kMiscellaneousIncome, 0, "雑収入"},
    {monthly::kReducedRateSales, 0, "売上のうち軽減税率対象"},
    {monthly::kPurchases, kMonths, "仕入"},
    {monthly::kReducedRatePurchases, 0, "仕入のうち軽減税率対象"},
};

constexpr ValueLine kBadDebt[] = {
    {baddebt::kIndividual, Holds::Yen, "個別評価による本年分繰入額", hostapi::general::kBadDebt[0]},
    {baddebt::kReceivables, Holds::Yen, "一括評価による貸金の合計額",
     hostapi::general::kBadDebt[1]},
    {baddebt::kRate, Holds::Code, "繰入率（%）"},
    {baddebt::kLimit, Holds::Yen, "一括評価による繰入限度額", hostapi::general::kBadDebt[2]},
    {baddebt::kCollective, Holds::Yen, "一括評価による本年分繰入額", hostapi::general::kBadDebt[3]},
};

constexpr ValueLine kDeduction[] = {
    {deduction::kRealEstateIncome, Holds::Yen, "不動産所得の金額"},
    {deduction::kIncomeBefore, Holds::Yen, "青色申告特別控除前の所得金額"},
    {deduction::kChoice, Holds::Code, "控除の選択"},
    {deduction::kBlueAmount, Holds::Yen, "青色申告特別控除額"},
    {deduction::kOtherAmount, Holds::Yen, "上記以外の青色申告特別控除額"},
};

constexpr ValueLine kAssociation = {notes::kAssociation, Holds::Text, "加入団体名"};

constexpr DeductionChoice kChoices[] = {
    {1, "1", 650000, deduction::kBlueAmount, "65万円"},
    {2, "3", 550000, deduction::kBlueAmount, "55万円"},
    {0, "2", 100000, deduction::kOtherAmount, "10万円"},
};

}  // namespace

std::span<const MonthlyRun> MonthlyTable() {
    return kMonthly;
}

std::span<const ValueLine> BadDebtReserve() {
    return kBadDebt;
}

std::span<const ValueLine> BlueDeductionLines() {
    return kDeduction;
}

const ValueLine& AssociationName() {
    return kAssociation;
}

std::span<const DeductionChoice> DeductionChoices() {
    return kChoices;
}

const DeductionChoice* FindDeductionChoice(std::uint8_t hostChoice) {
    for (const DeductionChoice& choice : kChoices) {
        if (choice.hostChoice == hostChoice) {
            return &choice;
        }
    }
    return nullptr;
}

const DeductionChoice* DeductionChoiceOf(std::string_view code) {
    for (const DeductionChoice& choice : kChoices) {
        if (choice.code == code) {
            return &choice;
        }
    }
    return nullptr;
}

}  // namespace reportformat
