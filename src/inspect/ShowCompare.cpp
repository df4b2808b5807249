// Last year beside this year: each statement's lines with both years'
// figures, the change and its rate. The lines the user names are matched by
// their account name, the form's own by their element; a line of one year
// only is new or gone; a line empty in both years prints nothing.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "inspect/FormPages.h"
#include "inspect/Labels.h"
#include "inspect/LineKeys.h"
#include "inspect/ShowLayout.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"
#include "reportformat/Statements.h"
#include "reportformat/ValueTables.h"

namespace inspect::layout {

namespace {

namespace section = reportformat::section;

// "+12.5%": the change as a share of last year's figure, where both years
// have the same sign (a share of a loss turned into a profit means nothing).
std::string Rate(std::int64_t now, std::int64_t before) {
    if (before == 0 || (now != 0 && (now < 0) != (before < 0))) {
        return "";
    }
    const std::int64_t tenths =
        ((now - before) * 2000 / std::llabs(before) + (now >= before ? 1 : -1)) / 2;
    const std::int64_t whole = std::llabs(tenths);
    return (tenths > 0   ? "+"
            : tenths < 0 ? "-"
                         : "") +
           std::to_string(whole / 10) + "." + std::to_string(whole % 10) + "%";
}

bool Moved(std::int64_t now, std::int64_t then, const ShowOptions& options) {
    const std::int64_t change = std::llabs(now - then);
    if (change >= 10 * options.minChange) {
        return true;
    }
    return change >= options.minChange &&
           (then == 0 || change * 100 >= options.threshold * std::llabs(then));
}

// `known`: last year has the line, with the figure `then`.
Row Compared(const Row& now, bool known, std::int64_t then, const ShowOptions& options) {
    Row row = now;
    const std::int64_t figure = now.amount.value_or(0);
    row.cells.resize(1);
    row.cells.push_back(now.amount ? WithSeparators(figure) : "");
    if (known) {
        row.cells.insert(row.cells.end(),
                         {WithSeparators(then), WithSeparators(figure - then), Rate(figure, then)});
    } else {
        row.cells.insert(row.cells.end(), {"", WithSeparators(figure), "新"});
        row.fresh = true;
    }
    row.moved = Moved(figure, known ? then : 0, options);
    return row;
}

Row Gone(const Row& last, const ShowOptions& options) {
    Row row = last;
    row.findings.clear();
    const std::int64_t then = last.amount.value_or(0);
    row.cells.resize(1);
    row.cells.insert(row.cells.end(),
                     {"", WithSeparators(then), WithSeparators(-then), "前年のみ"});
    row.fresh = true;
    row.moved = Moved(0, then, options);
    return row;
}

// The line a row shows, as both years know it: a balance-sheet account by its
// stem, another element as itself; sums by their number, totals by their label.
std::string LineOfRow(const Row& row) {
    if (const std::optional<reportformat::AccountLine> account = reportformat::AccountOf(row.tag)) {
        return std::string(account->stem);
    }
    return row.tag;
}

class Comparison {
public:
    Comparison(const Report& report, const Report& last, const ShowOptions& options)
        : report_(report), last_(last), options_(options) {}

    // `sameLines`: both blocks are laid out in one form's lines.
    Block Of(const Block& now, const Block& then, bool sameLines) const {
        Block block = now;
        block.id = now.id;
        block.title = "前年比較　" + now.title;
        block.list = false;
        block.header = {now.header.empty() ? "科目" : now.header[0], "本年", "前年", "増減",
                        "増減率"};
        block.groups.clear();
        block.numeric = {false, true, true, true, true};
        block.rows.clear();
        block.note.clear();
        const Section* nowSection = report_.Find(now.section);
        const Section* thenSection = last_.Find(then.section);
        std::vector<bool> matched(then.rows.size(), false);
        for (const Row& row : now.rows) {
            if (row.heading) {
                block.rows.push_back(row);
                continue;
            }
            if (!row.amount) {
                continue;
            }
            const std::optional<std::size_t> at =
                Match(row, then, nowSection, thenSection, sameLines);
            if (at) {
                matched[*at] = true;
            }
            const bool known = at && then.rows[*at].amount.has_value();
            const std::int64_t figure = known ? *then.rows[*at].amount : 0;
            if (row.amount.value_or(0) == 0 && figure == 0) {
                continue;
            }
            block.rows.push_back(Compared(row, known, figure, options_));
        }
        for (std::size_t i = 0; i < then.rows.size(); ++i) {
            if (!matched[i] && then.rows[i].amount.value_or(0) != 0 && !then.rows[i].total) {
                block.rows.push_back(Gone(then.rows[i], options_));
            }
        }
        return block;
    }

private:
    std::optional<std::size_t> Match(const Row& row, const Block& then, const Section* nowSection,
                                     const Section* thenSection, bool sameLines) const {
        // A line of the statement's own section by what it holds; one the
        // statement repeats from another section (㊹) by its element.
        std::optional<std::string> line;
        if (!row.tag.empty()) {
            const bool own = nowSection != nullptr &&
                             LinesByKey(*nowSection).count(KeyOf(*nowSection, LineOfRow(row))) > 0;
            line = own && thenSection != nullptr
                       ? MatchingLine(*nowSection, LineOfRow(row), *thenSection)
                       : std::optional<std::string>(LineOfRow(row));
            // A line carried from the other form's lines is its own element there.
            if (!line && sameLines && Carried(row.tag)) {
                line = LineOfRow(row);
            }
            if (!line) {
                return std::nullopt;
            }
        }
        for (std::size_t i = 0; i < then.rows.size(); ++i) {
            const Row& other = then.rows[i];
            if (!other.amount) {
                continue;
            }
            if (line ? LineOfRow(other) == *line
                     : (other.tag.empty() && sameLines && other.number == row.number &&
                        (!row.number.empty() || other.cells[0] == row.cells[0]))) {
                return i;
            }
        }
        return std::nullopt;
    }

    bool Carried(const std::string& tag) const {
        for (const reportformat::CarriedLine& carried : reportformat::CarriedLines()) {
            if (carried.to == FormOf(report_) && carried.from == FormOf(last_) &&
                tag == carried.tag) {
                return true;
            }
        }
        return false;
    }

    const Report& report_;
    const Report& last_;
    const ShowOptions& options_;
};

// The monthly table as lines of their own: each month's sales, then purchases.
Block MonthlyLines(const Report& report) {
    namespace monthly = reportformat::monthly;
    Block block;
    block.id = section::kMonthly;
    block.section = section::kMonthly;
    block.title = SectionTitle(FormOf(report), section::kMonthly);
    const Section* s = report.Find(section::kMonthly);
    if (s == nullptr) {
        return block;
    }
    for (const char* stem : {monthly::kSales, monthly::kPurchases}) {
        for (int month = 1; month <= reportformat::kMonths; ++month) {
            const std::string tag = stem + std::to_string(month);
            block.rows.push_back(
                AmountRow(tag, MonthLineName(s->tag, tag), s->Text(tag), Holds::Yen));
        }
    }
    return block;
}

}  // namespace

std::vector<Block> Compare(const std::vector<Block>& blocks, const Report& report,
                           const Layout& last, const Report& lastReport,
                           const ShowOptions& options) {
    const Comparison comparison(report, lastReport, options);
    std::vector<Block> compared;
    bool balanceMissing = false;
    for (const Block& block : blocks) {
        const bool balance = block.section == section::kBalanceSheet;
        const bool statement = block.id == section::kProfitAndLoss ||
                               block.id == section::kManufacturing || balance ||
                               block.id == section::kMonthly;
        if (!statement) {
            continue;
        }
        const Block* then = last.Find(block.id);
        const bool sameForm = FormOf(report) == FormOf(lastReport);
        // Last year's white return in this year's lines, where the forms join.
        const std::optional<Block> carried = !sameForm && block.id == section::kProfitAndLoss
                                                 ? ProfitAndLossAs(lastReport, FormOf(report))
                                                 : std::nullopt;
        if (block.id == section::kMonthly) {
            compared.push_back(comparison.Of(MonthlyLines(report), MonthlyLines(lastReport), true));
        } else if (carried) {
            compared.push_back(comparison.Of(block, *carried, true));
        } else if (then != nullptr) {
            compared.push_back(comparison.Of(block, *then, sameForm));
        } else {
            balanceMissing = balanceMissing || balance;
        }
    }
    if (balanceMissing && !compared.empty()) {
        compared.front().note =
            "前年分の出力ファイルには貸借対照表がないため、貸借対照表は比べられません。";
    }
    return compared;
}

}  // namespace inspect::layout
