// The rules on the limits the law sets: the bad-debt reserve of blue returns
// and the family-employee deduction of white returns.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "reportformat/Elements.h"
#include "reportformat/Limits.h"

namespace inspect::rules {

namespace {

namespace baddebt = reportformat::baddebt;
namespace list = reportformat::list;
namespace pl = reportformat::pl;
constexpr std::string_view kReserve = reportformat::section::kBadDebtReserve;

// "6.20%": what part of `whole` the `part` is.
std::string Percent(std::int64_t part, std::int64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%",
                  100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

// The entries of a list that are filled in: its items, or the section itself
// where the form's one entry stands without an item element.
std::vector<const Fields*> Filled(const Section* list) {
    std::vector<const Fields*> entries;
    if (list == nullptr) {
        return entries;
    }
    const auto filled = [](const Fields& fields) {
        return std::any_of(fields.fields.begin(), fields.fields.end(),
                           [](const Field& f) { return !f.text.empty(); });
    };
    for (const Item& item : list->items) {
        if (filled(item)) {
            entries.push_back(&item);
        }
    }
    if (list->items.empty() && list->Find(list::kName) != nullptr && filled(*list)) {
        entries.push_back(list);
    }
    return entries;
}

// The form's line of the income before a line: the sum the form prints above it.
std::string LineBefore(reportformat::Form form, std::string_view tag) {
    std::string before;
    for (const reportformat::StatementLine& line : reportformat::ProfitAndLoss(form)) {
        if (line.tag != nullptr && line.Tag() == tag) {
            return before;
        }
        before = line.IsSum() ? std::string(line.number) + " " + std::string(line.name) : "";
    }
    return before;
}

// What the family-employee deduction is held against.
struct FamilyLimits {
    std::int64_t deduction = 0;
    std::int64_t byRelationship = 0;  // the amounts for the relationships
    std::int64_t byIncome = 0;        // each the lesser of that and the share
    std::int64_t byIncomeAtMost = 0;  // the same of the most the exact income can be
    std::int64_t income = 0;          // before the deduction
    std::int64_t share = 0;
    std::int64_t count = 0;
    std::string each, eachEn;  // every employee with the amount for the relationship
    bool unknown = false;      // a relationship that does not tell
};

FamilyLimits FamilyLimitsOf(reportformat::Form form, const Section& statement,
                            const Section* list) {
    FamilyLimits limits;
    limits.deduction = statement.Yen(pl::kFamilyDeduction);
    // The income as the form adds it up, without the deduction; the exact
    // income lies below the upper end of the cut lines.
    const IncomeTotals totals = ProfitAndLossTotals(form, statement);
    limits.income = totals.income + limits.deduction;
    const std::int64_t atMost = limits.income + totals.above - (limits.deduction < 0 ? 1 : 0);
    const std::vector<const Fields*> employees = Filled(list);
    limits.count = static_cast<std::int64_t>(employees.size());
    limits.share = std::max<std::int64_t>(limits.income, 0) / (limits.count + 1);
    const std::int64_t shareAtMost = std::max<std::int64_t>(atMost, 0) / (limits.count + 1);
    for (const Fields* employee : employees) {
        const std::string relationship = employee->Text(list::kRelationship);
        const reportformat::FamilyDeductionLimit& limit =
            reportformat::FamilyDeductionLimitOf(reportformat::RelationshipOf(relationship));
        limits.byRelationship += limit.yen;
        limits.byIncome += std::min(limit.yen, limits.share);
        limits.byIncomeAtMost += std::min(limit.yen, shareAtMost);
        const std::string who = (relationship.empty() ? "（続柄なし）" : relationship) + " " +
                                employee->Text(list::kName) + " ";
        limits.each += (limits.each.empty() ? "" : "、") + who + Yen(limit.yen);
        limits.eachEn += (limits.eachEn.empty() ? "" : ", ") + who + YenEn(limit.yen);
        limits.unknown =
            limits.unknown || limit.relationship == reportformat::Relationship::Unknown;
    }
    return limits;
}

Reason OverRelationship(const FamilyLimits& limits) {
    using reportformat::Relationship;
    const reportformat::FamilyDeductionLimit& spouse =
        reportformat::FamilyDeductionLimitOf(Relationship::Spouse);
    const reportformat::FamilyDeductionLimit& other =
        reportformat::FamilyDeductionLimitOf(Relationship::OtherRelative);
    const std::int64_t over = limits.deduction - limits.byRelationship;
    const std::string each = limits.count > 0 ? limits.each : "専従者の内訳に記載がありません";
    const std::string eachEn =
        limits.count > 0 ? limits.eachEn : "the family-employee list holds no one";
    return {"専従者控除 " + Yen(limits.deduction) + " は専従者ごとの限度額の合計 " +
                Yen(limits.byRelationship) + " より " + Yen(over) + " 多い（" + each + "。" +
                std::string(spouse.name) + " " + Yen(spouse.yen) + "、" + std::string(other.name) +
                " " + Yen(other.yen) +
                (limits.unknown ? "。続柄から配偶者かどうか判断できない人は高い方の額" : "") +
                "）。",
            "The family-employee deduction of " + YenEn(limits.deduction) + " is " + YenEn(over) +
                " more than the sum of the limits by relationship, " +
                YenEn(limits.byRelationship) + " (" + eachEn + "; " + YenEn(spouse.yen) +
                " for a spouse, " + YenEn(other.yen) + " for another relative" +
                (limits.unknown ? ", the higher one where the relationship does not tell whether "
                                  "it is the spouse"
                                : "") +
                ")."};
}

Reason OverIncome(const FamilyLimits& limits, const std::string& before, bool realEstate) {
    const std::int64_t over = limits.deduction - limits.byIncome;
    const std::string persons = std::to_string(limits.count);
    return {"専従者控除 " + Yen(limits.deduction) + " は所得による限度額の合計 " +
                Yen(limits.byIncome) + " より " + Yen(over) + " 多い: " + before + " " +
                Yen(limits.income) + " ÷（専従者 " + persons + " 人 ＋ 1）＝ " + Yen(limits.share) +
                " が一人当たりの上限です。この所得はこの出力ファイルの所得だけから計算しています。"
                "法令では同じ納税者の" +
                (realEstate ? "事業所得・山林所得" : "不動産所得・山林所得") +
                "も合わせて計算するので、それらがあれば限度額は大きくなります。",
            "The family-employee deduction of " + YenEn(limits.deduction) + " is " + YenEn(over) +
                " more than the limits by income, " + YenEn(limits.byIncome) + ": " + before +
                " of " + YenEn(limits.income) + " / (family employees " + persons +
                " + 1) = " + YenEn(limits.share) +
                " per person. That income is this report's alone; the law adds the same "
                "taxpayer's " +
                (realEstate ? "business and forestry" : "real-estate and forestry") +
                " income, which would raise the limit."};
}

}  // namespace

// The collective provision stays within its limit, the limit within the
// receivables times the statutory rate, and both provisions are ㊴ of the
// profit and loss. The report does not say whether the business is finance,
// so a limit above the highest rate is a warning.
Reason Checker::BadDebtReserve() {
    if (!r_.Blue() || r_.RealEstate()) {
        return {
            "貸倒引当金繰入額の計算は青色申告の営業所得用・その他所得用の出力ファイルだけにあります"
            "。",
            "only the blue returns of business or other income calculate a bad-debt reserve"};
    }
    const Section* reserve = r_.Find(kReserve);
    const Section* statement = r_.Find(kProfitAndLoss);
    if (reserve == nullptr || statement == nullptr) {
        return {"貸倒引当金繰入額の計算がありません。",
                "the report has no bad-debt reserve calculation"};
    }
    const std::int64_t individual = reserve->Yen(baddebt::kIndividual);
    const std::int64_t receivables = reserve->Yen(baddebt::kReceivables);
    const std::int64_t limit = reserve->Yen(baddebt::kLimit);
    const std::int64_t collective = reserve->Yen(baddebt::kCollective);
    // Both are cut from exact amounts: a collective provision above the limit is above it.
    if (collective > limit) {
        Add(Severity::Error, At(kReserve, baddebt::kCollective),
            {{"collective provision", collective}, {"limit", limit}},
            "一括評価による本年分繰入額 " + Yen(collective) + " は繰入限度額 " + Yen(limit) +
                " より " + Yen(collective - limit) + " 多い。",
            "The collective provision of " + YenEn(collective) + " is " +
                YenEn(collective - limit) + " more than its limit of " + YenEn(limit) + ".");
    }
    // The limit, cut from receivables times the rate, lies below the next yen of receivables.
    const reportformat::BadDebtRate& top = reportformat::BadDebtRates().front();
    if (limit > 0 && limit * 1000 >= (receivables + 1) * top.perThousand) {
        const std::int64_t most = receivables * top.perThousand / 1000;
        const std::string rate = receivables > 0 ? Percent(limit, receivables) : "—";
        std::string rates;
        for (const reportformat::BadDebtRate& each : reportformat::BadDebtRates()) {
            rates += (rates.empty() ? "" : "、") + std::string(each.business) + " " +
                     std::string(each.printed);
        }
        Add(Severity::Warning, At(kReserve, baddebt::kLimit),
            {{"limit", limit}, {"receivables", receivables}, {"limit at the highest rate", most}},
            "繰入限度額 " + Yen(limit) + " は貸金の合計額 " + Yen(receivables) + " の " + rate +
                " にあたり、最も高い繰入率で計算した " + Yen(most) + "（" +
                std::string(top.printed) + "）を超えます。繰入率は主たる事業で決まります（" +
                rates + "）。出力ファイルには業種がないため警告とします。",
            "The limit of " + YenEn(limit) + " is " + rate + " of the receivables of " +
                YenEn(receivables) + ", above the " + YenEn(most) + " of the highest rate (" +
                std::string(top.printed) +
                "); the rate is the main business's, which the report does not state.");
    }
    CutSum provisions;
    provisions.Add(individual);
    provisions.Add(collective);
    Compare(At(kProfitAndLoss, pl::kReserveProvision), provisions,
            statement->Yen(pl::kReserveProvision), Written::Cut,
            "貸倒引当金の繰入額と個別評価・一括評価による本年分繰入額の合計",
            "The bad-debt provision against the individual and collective provisions",
            {{reserve, ""}});
    return {};
}

// A white return deducts for each family employee the lesser of the amount
// for the relationship and the income before the deduction shared among the
// employees and the proprietor. The share is taken over this report's
// income; the law adds the taxpayer's other such income, which only raises it.
Reason Checker::FamilyDeduction() {
    if (r_.Blue()) {
        return {"青色申告は専従者給与を差し引きます（LIST-FAMILY-EMPLOYEES）。",
                "blue returns deduct the family employees' salaries (LIST-FAMILY-EMPLOYEES)"};
    }
    const Section* statement = r_.Find(kProfitAndLoss);
    if (statement == nullptr) {
        return NoProfitAndLoss();
    }
    if (statement->Find(pl::kFamilyDeduction) == nullptr) {
        return {"専従者控除の行がありません。", "the statement has no family-employee deduction"};
    }
    const FamilyLimits limits =
        FamilyLimitsOf(form_, *statement, r_.Find(reportformat::section::kFamilyEmployees));
    const std::vector<Figure> figures = {{"deduction", limits.deduction},
                                         {"limit by relationship", limits.byRelationship},
                                         {"limit by income", limits.byIncome},
                                         {"income before the deduction", limits.income},
                                         {"family employees", limits.count}};
    if (limits.deduction > limits.byRelationship) {
        const Reason texts = OverRelationship(limits);
        Add(Severity::Error, At(kProfitAndLoss, pl::kFamilyDeduction), figures, texts.japanese,
            texts.english);
    } else if (limits.deduction > limits.byIncomeAtMost) {
        const Reason texts =
            OverIncome(limits, LineBefore(form_, pl::kFamilyDeduction), r_.RealEstate());
        Add(Severity::Warning, At(kProfitAndLoss, pl::kFamilyDeduction), figures, texts.japanese,
            texts.english);
    }
    return {};
}

}  // namespace inspect::rules
