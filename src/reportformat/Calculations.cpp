#include "reportformat/Elements.h"
#include "reportformat/Statements.h"

// The calculations of the bad-debt reserve and of the blue-return deduction,
// on the second page of the blue business form.
namespace reportformat {

namespace {

constexpr StatementLine Line(const char* tag, std::string_view number, std::string_view name,
                             Holds holds = Holds::Yen) {
    StatementLine line;
    line.tag = tag;
    line.number = number;
    line.name = name;
    line.holds = holds;
    return line;
}

constexpr StatementLine Heading(std::string_view name) {
    StatementLine line;
    line.name = name;
    return line;
}

// The part of the chosen deduction the real-estate income takes, when the
// deduction chosen is written under `branch`.
constexpr StatementLine Taken(std::string_view number, std::string_view name, const char* branch) {
    StatementLine line;
    line.number = number;
    line.name = name;
    line.sum = "⑥";
    line.rule = Rule::DeductionTaken;
    line.branch = branch;
    return line;
}

// A deduction amount, shown where the choice writes the deduction under it.
constexpr StatementLine Chosen(const char* tag, std::string_view number, std::string_view name) {
    StatementLine line = Line(tag, number, name);
    line.branch = tag;
    return line;
}

constexpr StatementLine kBadDebt[] = {
    Line(baddebt::kIndividual, "①", "個別評価による本年分繰入額"),
    Heading("一括評価による本年分繰入額"),
    Line(baddebt::kReceivables, "②", "年末における一括評価による貸金の合計額"),
    Line(baddebt::kRate, "", "繰入率", Holds::Code),
    Line(baddebt::kLimit, "③", "本年分繰入限度額（②×繰入率）"),
    Line(baddebt::kCollective, "④", "本年分繰入額"),
    [] {
        StatementLine total;
        total.number = "⑤";
        total.name = "本年分の貸倒引当金繰入額";
        total.sum = "①+④";
        return total;
    }(),
};

constexpr StatementLine kDeduction[] = {
    Line(deduction::kChoice, "", "控除の選択", Holds::Code),
    Line(deduction::kRealEstateIncome, "⑥",
         "本年分の不動産所得の金額（青色申告特別控除額を差し引く前の金額）"),
    [] {
        StatementLine income =
            Line(deduction::kIncomeBefore, "⑦",
                 "青色申告特別控除前の所得金額（1ページの「損益計算書」の㊸欄の金額）");
        income.statedIn = section::kProfitAndLoss;
        income.stated = "㊸";
        return income;
    }(),
    Heading("65万円又は55万円の青色申告特別控除を受ける場合"),
    Taken("⑧",
          "65万円又は55万円と⑥のいずれか少ない方の金額（不動産所得から差し引かれる青色申告特別控除"
          "額）",
          deduction::kBlueAmount),
    Chosen(deduction::kBlueAmount, "⑨",
           "青色申告特別控除額（「65万円又は55万円－⑧」と⑦のいずれか少ない方の金額）"),
    Heading("上記以外の場合"),
    Taken("⑩", "10万円と⑥のいずれか少ない方の金額（不動産所得から差し引かれる青色申告特別控除額）",
          deduction::kOtherAmount),
    Chosen(deduction::kOtherAmount, "⑪",
           "青色申告特別控除額（「10万円－⑩」と⑦のいずれか少ない方の金額）"),
};

}  // namespace

std::span<const StatementLine> BadDebtCalculation() {
    return kBadDebt;
}

std::span<const StatementLine> DeductionCalculation() {
    return kDeduction;
}

}  // namespace reportformat
