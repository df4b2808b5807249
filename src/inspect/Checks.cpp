#include "inspect/Checks.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "reportformat/Elements.h"

namespace inspect {

int CheckResult::Count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const Finding& f) { return f.severity == severity; }));
}

void CutSum::Add(std::int64_t amount, int sign) {
    const std::int64_t signedYen = sign < 0 ? -amount : amount;
    yen += signedYen;
    above += signedYen > 0 ? 1 : 0;
    below += signedYen < 0 ? 1 : 0;
}

namespace {

// A spare account numbered past the form's spares: the stem and one or two digits.
bool NumberedFrom(std::string_view stem, std::string_view spareStem) {
    if (!stem.starts_with(spareStem)) {
        return false;
    }
    const std::string_view number = stem.substr(spareStem.size());
    return !number.empty() && number.size() <= 2 &&
           number.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

Side SideOf(reportformat::Form form, std::string_view tag) {
    const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(tag);
    if (line && line->period == reportformat::Period::AccountName) {
        return Side::None;
    }
    const std::string_view stem = line ? line->stem : tag;
    const std::string closing = reportformat::LineOf(stem, reportformat::Period::Closing);
    const reportformat::ElementSpec* element =
        ElementOf(form, reportformat::section::kBalanceSheet, closing);
    const auto sideOf = [](const reportformat::BalanceAccount& account) {
        return account.side == reportformat::Side::Assets ? Side::Assets
                                                          : Side::LiabilitiesAndCapital;
    };
    if (element != nullptr && element->account != nullptr) {
        return sideOf(*element->account);
    }
    for (const reportformat::Form each : reportformat::kForms) {
        for (const reportformat::BalanceAccount& account : reportformat::BalanceSheet(each)) {
            if (account.spares > 0 && NumberedFrom(stem, account.stem)) {
                return sideOf(account);
            }
        }
    }
    return Side::None;
}

BalanceSides BalanceSheetSides(reportformat::Form form, const Section& balanceSheet) {
    BalanceSides sides;
    for (const Field& field : balanceSheet.fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        const Side side = SideOf(form, field.tag);
        if (side == Side::None || !line || line->period == reportformat::Period::AccountName) {
            continue;
        }
        const bool opening = line->period == reportformat::Period::Opening;
        const bool assets = side == Side::Assets;
        (opening ? (assets ? sides.assetsOpening : sides.liabilitiesOpening)
                 : (assets ? sides.assetsClosing : sides.liabilitiesClosing))
            .Add(ParseAmount(field.text).value_or(0));
    }
    return sides;
}

BalanceTotals BalanceSheetTotals(reportformat::Form form, const Section& balanceSheet) {
    const BalanceSides s = BalanceSheetSides(form, balanceSheet);
    return {s.assetsOpening.yen, s.assetsClosing.yen, s.liabilitiesOpening.yen,
            s.liabilitiesClosing.yen};
}

bool CutSum::CanEqual(const CutSum& other) const {
    // Each exact sum lies in [yen - below, yen + above], open at an end that counts.
    auto meets = [](const CutSum& low, const CutSum& high) {
        const std::int64_t bottom = low.yen - low.below;
        const std::int64_t top = high.yen + high.above;
        return bottom < top || (bottom == top && low.below == 0 && high.above == 0);
    };
    return meets(*this, other) && meets(other, *this);
}

IncomeTotals ProfitAndLossTotals(reportformat::Form form, const Section& profitAndLoss) {
    using reportformat::Counts;
    IncomeTotals t;
    CutSum income;
    for (const Field& field : profitAndLoss.fields) {
        const reportformat::ElementSpec* element =
            ElementOf(form, reportformat::section::kProfitAndLoss, field.tag);
        // Names and codes count in nothing, nor do the notes beside the statement.
        if (!HoldsYen(form, reportformat::section::kProfitAndLoss, field.tag)) {
            continue;
        }
        // A line no form has counts as an expense.
        const Counts counts = element && element->line ? element->line->counts : Counts::Expense;
        const int sign = reportformat::SignOf(counts);
        if (sign == 0) {
            continue;
        }
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        switch (counts) {
            case Counts::Revenue:
                t.revenue += yen;
                break;
            case Counts::Cost:
                t.costOfSales += yen;
                break;
            case Counts::ClosingStock:
                t.costOfSales -= yen;
                break;
            case Counts::Reversal:
                t.reversals += yen;
                break;
            case Counts::Provision:
                t.provisions += yen;
                break;
            case Counts::Expense:
            case Counts::Apart:
                t.expenses += yen;
                break;
        }
        income.Add(yen, sign);
    }
    t.income = income.yen;
    t.above = income.above;
    t.below = income.below;
    return t;
}

CheckResult RunChecks(const Report& report, const Report* previous) {
    return rules::Checker(report, previous).Run();
}

}  // namespace inspect
