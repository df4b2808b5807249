// Last year's report: the same company's, closing where this year opens.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "inspect/LineKeys.h"
#include "inspect/PreviousIdentity.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"

namespace inspect::rules {

namespace {

namespace bs = reportformat::bs;
using reportformat::LineOf;
using reportformat::Period;

}  // namespace

Reason Checker::PreviousBalances() {
    if (previous_ == nullptr) {
        return {"前年分の出力ファイルの指定がありません（--previous）。",
                "no previous year's report given (--previous)"};
    }
    if (const std::optional<Mismatch> mismatch = PreviousMismatch(r_, *previous_)) {
        Add(Severity::Error,
            {reportformat::envelope::kBasic, {}, "前年分の出力ファイル（--previous）"}, {},
            mismatch->japanese, mismatch->english);
        return {};
    }
    const Section* sheet = BalanceSheet();
    if (sheet == nullptr) {
        return BalanceSkipped();
    }
    if (!previous_->Blue()) {
        return {
            "前年分は白色申告の出力ファイルで、貸借対照表がないため期首残高と比べる期末残高がありま"
            "せん"
            "（損益計算書は比べられます）。",
            "last year's report is a white return: it has no balance sheet whose closing "
            "balances this year's could open with (its profit and loss compares)"};
    }
    const Section* last = previous_->Find(kBalanceSheet);
    if (last == nullptr) {
        return {"前年分の出力ファイルに貸借対照表がありません。",
                "last year's report has no balance sheet"};
    }
    for (const Field& field : sheet->fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        if (line && line->period == Period::Opening) {
            Opening(*sheet, *last, field);
        }
    }
    Gone(*sheet, *last);
    return {};
}

// An account opens with last year's closing balance of the same account,
// wherever each year's report puts it.
void Checker::Opening(const Section& sheet, const Section& last, const Field& field) {
    const std::string stem(reportformat::AccountOf(field.tag)->stem);
    const std::optional<std::string> lastStem = MatchingLine(sheet, stem, last);
    const auto closingOf = [&last](std::string_view account) {
        return last.Yen(LineOf(account, Period::Closing));
    };
    CutSum closing;
    closing.Add(lastStem ? closingOf(*lastStem) : 0);
    Place place = AtBalance(field.tag);
    std::string whatJa = place.where + "と前年の期末" + (lastStem ? "" : "（前年にない科目）");
    std::string whatEn = place.where + " against last year's closing balance" +
                         (lastStem ? "" : " (an account last year did not have)");
    // Capital carries the year's income and the owner's drawings and contributions over.
    if (stem == bs::kCapital) {
        const std::int64_t capital = closingOf(bs::kCapital);
        const std::int64_t income = closingOf(bs::kIncomeBeforeDeduction);
        const std::int64_t contributions = closingOf(bs::kOwnerContributions);
        const std::int64_t drawings = closingOf(bs::kOwnerDrawings);
        closing.Add(income);
        closing.Add(contributions);
        closing.Add(drawings, -1);
        whatJa = place.where + "と前年の期末（元入金 " + Yen(capital) +
                 " ＋ 青色申告特別控除前の所得金額 " + Yen(income) + " ＋ 事業主借 " +
                 Yen(contributions) + " − 事業主貸 " + Yen(drawings) + " ＝ " + Yen(closing.yen) +
                 "）";
        whatEn = place.where + " against last year's 元入金 " + YenEn(capital) + " + income " +
                 YenEn(income) + " + 事業主借 " + YenEn(contributions) + " - 事業主貸 " +
                 YenEn(drawings) + " = " + YenEn(closing.yen);
    }
    const std::size_t before = result_.findings.size();
    const std::int64_t opening = ParseAmount(field.text).value_or(0);
    Compare(std::move(place), closing, opening, Written::Cut, whatJa, whatEn, {});
    if (result_.findings.size() > before) {
        result_.findings.back().figures = {{field.tag, opening},
                                           {"previous end of period", closing.yen},
                                           {"difference", opening - closing.yen}};
    }
}

// An account that closed last year with a balance opens this year: one this
// year's balance sheet does not hold lost its balance.
void Checker::Gone(const Section& sheet, const Section& last) {
    for (const Field& field : last.fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        const std::int64_t closing = ParseAmount(field.text).value_or(0);
        if (!line || line->period != Period::Closing || closing == 0 ||
            ElementOf(form_, kBalanceSheet, LineOf(line->stem, Period::Opening)) == nullptr ||
            MatchingLine(last, line->stem, sheet)) {
            continue;
        }
        const std::string name = AccountName(FormOf(*previous_), last, line->stem);
        const std::string title = SectionTitle(form_, kBalanceSheet);
        Add(Severity::Error, {std::string(kBalanceSheet), {field.tag}, title + " 期首 " + name},
            {{"previous end of period", closing}},
            "前年の期末に " + Yen(closing) + " あった " + name + " が本年の" + title +
                "にありません（期首に引き継がれていません）。",
            "Last year closed " + name + " with " + YenEn(closing) +
                ", which this year's balance sheet does not hold: it opens nowhere.");
    }
}

}  // namespace inspect::rules
