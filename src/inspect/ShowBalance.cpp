// The balance sheet as the form prints it: 資産の部 and 負債・資本の部 side by
// side, each account on its own side with its opening and closing amounts.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "inspect/Labels.h"
#include "inspect/ShowLayout.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"

namespace inspect::layout {

namespace {

using reportformat::LineOf;
using reportformat::Period;

// "12月31日（期末）" from a date of the report.
std::string DayOf(const std::string& digits, const char* which) {
    if (digits.size() != 8) {
        return which;
    }
    return std::to_string(std::stoi(digits.substr(4, 2))) + "月" +
           std::to_string(std::stoi(digits.substr(6, 2))) + "日（" + which + "）";
}

Row AccountRow(Form form, const Section& section, const std::string& stem) {
    const Field* opening = section.Find(LineOf(stem, Period::Opening));
    const Field* closing = section.Find(LineOf(stem, Period::Closing));
    Row row;
    // Findings on an account are on its opening amount, or its only one.
    row.tag = LineOf(stem, opening ? Period::Opening : Period::Closing);
    row.cells = {LabelOf(form, section.tag, stem, section),
                 opening ? Shown(stem, opening->text, Holds::Yen) : "",
                 closing ? Shown(stem, closing->text, Holds::Yen) : ""};
    if (closing != nullptr) {
        row.amount = ParseAmount(closing->text).value_or(0);
    }
    return row;
}

Row TotalRow(std::int64_t opening, std::int64_t closing) {
    Row sum;
    sum.cells = {"合計", WithSeparators(opening), WithSeparators(closing)};
    sum.total = true;
    sum.amount = closing;
    return sum;
}

}  // namespace

std::vector<Block> BalanceSheet(const Report& report, const Section& section,
                                const std::string& incomeMark) {
    const Form form = FormOf(report);
    const std::string opening = DayOf(report.basic.Text(reportformat::basic::kPeriodFrom), "期首");
    const std::string closing = DayOf(report.basic.Text(reportformat::basic::kPeriodTo), "期末");
    std::vector<Block> sides(2);
    const char* names[] = {"資産の部", "負債・資本の部"};
    for (int side = 0; side < 2; ++side) {
        Block& block = sides[static_cast<std::size_t>(side)];
        block.id = section.tag + (side == 0 ? "#assets" : "#liabilities");
        block.section = section.tag;
        block.numeric = {false, true, true};
        block.header = {"科目", opening, closing};
        block.title = SectionTitle(form, section.tag) + "　" + names[side];
    }
    std::vector<std::string> stems;
    for (const Field& field : section.fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        if (line && line->period != Period::AccountName &&
            std::find(stems.begin(), stems.end(), line->stem) == stems.end()) {
            stems.emplace_back(line->stem);
        }
    }
    const BalanceTotals totals = BalanceSheetTotals(form, section);
    for (const std::string& stem : stems) {
        if (stem != reportformat::bs::kOwnerDrawings && Unused(section, stem)) {
            continue;
        }
        Row row = AccountRow(form, section, stem);
        // The year's income is the statement's stated figure, marked as it is there.
        if (stem == reportformat::bs::kIncomeBeforeDeduction) {
            row.mark = incomeMark;
        }
        const Side side = SideOf(form, row.tag);
        sides[side == Side::Assets ? 0 : 1].rows.push_back(std::move(row));
    }
    sides[0].rows.push_back(TotalRow(totals.assetsOpening, totals.assetsClosing));
    sides[1].rows.push_back(TotalRow(totals.liabilitiesOpening, totals.liabilitiesClosing));
    return sides;
}

}  // namespace inspect::layout
