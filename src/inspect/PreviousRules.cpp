// Last year's report: the same company's, closing where this year opens.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/PreviousIdentity.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"

namespace inspect::rules {

Reason Checker::PreviousBalances() {
    if (previous_ == nullptr) {
        return {"前年分の報告書の指定がありません（--previous）。",
                "no previous year's report given (--previous)"};
    }
    if (const std::optional<Mismatch> mismatch = PreviousMismatch(r_, *previous_)) {
        Add(Severity::Error, {reportformat::envelope::kBasic, {}, "前年分の報告書（--previous）"},
            {}, mismatch->japanese, mismatch->english);
        return {};
    }
    const Section* sheet = BalanceSheet();
    if (sheet == nullptr) {
        return BalanceSkipped();
    }
    const Section* last = previous_->Find(kBalanceSheet);
    if (last == nullptr) {
        return {"前年分の報告書に貸借対照表がありません。",
                "last year's report has no balance sheet"};
    }
    namespace bs = reportformat::bs;
    using reportformat::LineOf;
    using reportformat::Period;
    const auto closingOf = [last](std::string_view stem) {
        return last->Yen(LineOf(stem, Period::Closing));
    };
    for (const Field& field : sheet->fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        if (!line || line->period != Period::Opening) {
            continue;
        }
        const std::string stem(line->stem);
        CutSum closing;
        closing.Add(closingOf(stem));
        Place place = AtBalance(field.tag);
        std::string whatJa = place.where + "と前年の期末";
        std::string whatEn = place.where + " against last year's closing balance";
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
                     Yen(contributions) + " − 事業主貸 " + Yen(drawings) + " ＝ " +
                     Yen(closing.yen) + "）";
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
    return {};
}

}  // namespace inspect::rules
