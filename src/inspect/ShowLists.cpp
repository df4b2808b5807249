#include <algorithm>
#include <cstdint>
#include <cstdlib>
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
namespace rental = reportformat::rental;

Row BalanceSum(const char* label, std::int64_t opening, std::int64_t closing) {
    Row sum;
    sum.cells = {label, WithSeparators(opening), WithSeparators(closing)};
    sum.total = true;
    sum.amount = closing;
    return sum;
}

// The account of a line, wherever the vocabulary knows it.
const reportformat::BalanceAccount* KnownAccount(Form form, const std::string& stem) {
    const reportformat::ElementSpec* element =
        ElementOf(form, reportformat::section::kBalanceSheet, LineOf(stem, Period::Closing));
    return element ? element->account : nullptr;
}

// An account with a closing amount only (事業主貸, 事業主借, the year's income).
bool ClosingOnly(Form form, const std::string& stem) {
    const reportformat::BalanceAccount* account = KnownAccount(form, stem);
    return account != nullptr && account->rows == reportformat::BalanceRows::Closing;
}

Row BalanceLine(Form form, const Section& section, const std::string& stem) {
    const Field* opening = section.Find(LineOf(stem, Period::Opening));
    const Field* closing = section.Find(LineOf(stem, Period::Closing));
    Row row;
    // Findings on an account are on its opening amount, or its only one.
    row.tag = LineOf(stem, ClosingOnly(form, stem) ? Period::Closing : Period::Opening);
    row.cells = {LabelOf(form, section.tag, stem, section),
                 opening ? Shown(stem, opening->text, Holds::Yen) : "",
                 closing ? Shown(stem, closing->text, Holds::Yen) : ""};
    if (closing != nullptr) {
        row.amount = ParseAmount(closing->text).value_or(0);
    }
    return row;
}

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

std::string KeyOf(const Row& row) {
    return row.tag.empty() ? row.number + "|" + (row.cells.empty() ? "" : row.cells[0]) : row.tag;
}

}  // namespace

Block BalanceSheet(Form form, const Section& section) {
    Block block;
    block.header = {"科目", "期首", "期末"};
    block.numeric = {false, true, true};
    std::vector<std::string> stems;
    for (const Field& field : section.fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        if (line && line->period != Period::AccountName) {
            const std::string stem(line->stem);
            if (std::find(stems.begin(), stems.end(), stem) == stems.end()) {
                stems.push_back(stem);
            }
        }
    }
    const BalanceTotals totals = BalanceSheetTotals(form, section);
    for (const std::string& stem : stems) {
        const bool drawings = stem == reportformat::bs::kOwnerDrawings;
        if (!drawings && Unused(section, stem)) {
            continue;
        }
        block.rows.push_back(BalanceLine(form, section, stem));
        if (drawings) {
            // The form prints 事業主貸 at the foot of the assets column.
            block.rows.push_back(
                BalanceSum("資産合計", totals.assetsOpening, totals.assetsClosing));
        }
    }
    block.rows.push_back(
        BalanceSum("負債・資本合計", totals.liabilitiesOpening, totals.liabilitiesClosing));
    return block;
}

Block List(Form form, const Section& section) {
    Block block;
    block.list = true;
    std::vector<std::string> tags;
    for (const Item& item : section.items) {
        for (const Field& field : item.fields) {
            // The contract's start and end make one column: 2021/04～2023/03.
            if (field.tag != rental::kContractTo &&
                std::find(tags.begin(), tags.end(), field.tag) == tags.end()) {
                tags.push_back(field.tag);
            }
        }
    }
    // Columns no entry fills stay off, as the form's empty rows do.
    std::erase_if(tags, [&section](const std::string& tag) {
        return std::none_of(section.items.begin(), section.items.end(), [&tag](const Item& item) {
            return !item.Text(tag).empty() ||
                   (tag == rental::kContractFrom && !item.Text(rental::kContractTo).empty());
        });
    });
    block.header.push_back("No.");
    block.numeric.push_back(true);
    for (const std::string& tag : tags) {
        block.header.push_back(
            tag == rental::kContractFrom ? "契約期間" : LabelOf(form, section.tag, tag, section));
        block.numeric.push_back(HoldsOf(form, section.tag, tag) == Holds::Yen);
    }
    for (const Item& item : section.items) {
        Row row;
        row.cells.push_back(item.count > 0 ? std::to_string(item.count) : "");
        bool any = false;
        for (const std::string& tag : tags) {
            std::string text = item.Text(tag);
            any = any || !text.empty();
            if (tag == rental::kContractFrom) {
                const std::string to = item.Text(rental::kContractTo);
                any = any || !to.empty();
                text = text.empty() && to.empty() ? "" : DateText(text) + "～" + DateText(to);
            } else {
                text = Shown(tag, text, HoldsOf(form, section.tag, tag));
            }
            row.cells.push_back(std::move(text));
        }
        if (any) {  // the form's empty rows stay off the page
            block.rows.push_back(std::move(row));
        }
    }
    // Fields beside the items: the others line and the list totals.
    for (const Field& field : section.fields) {
        if (!field.text.empty()) {
            Row row = AmountRow(field.tag, LabelOf(form, section.tag, field.tag, section),
                                field.text, HoldsOf(form, section.tag, field.tag));
            row.total = true;
            block.rows.push_back(std::move(row));
        }
    }
    if (block.rows.empty() && tags.empty()) {
        block.header.clear();
        block.numeric.clear();
    }
    return block;
}

Block Notes(const Section& section) {
    Block block;
    std::size_t last = 0;
    for (std::size_t i = 0; i < section.fields.size(); ++i) {
        if (!section.fields[i].text.empty()) {
            last = i + 1;
        }
    }
    for (std::size_t i = 0; i < last; ++i) {
        Row row;
        row.tag = section.fields[i].tag;
        row.cells = {section.fields[i].text};
        block.rows.push_back(std::move(row));
    }
    block.header = {"記載事項"};
    block.numeric = {false};
    return block;
}

void Compare(std::vector<Block>& blocks, const std::vector<Block>& last, int threshold) {
    for (Block& block : blocks) {
        const auto before = std::find_if(last.begin(), last.end(),
                                         [&](const Block& b) { return b.tag == block.tag; });
        static const std::vector<Row> kNone;
        const std::vector<Row>& lastRows = before == last.end() ? kNone : before->rows;
        if (block.list || block.header.size() < 2 ||
            block.tag == reportformat::section::kSpecialNotes) {
            continue;
        }
        block.header.insert(block.header.end(),
                            {block.header.size() > 2 ? "前年期末" : "前年", "増減", "増減率"});
        block.numeric.insert(block.numeric.end(), {true, true, true});
        for (Row& row : block.rows) {
            if (!row.amount) {
                continue;
            }
            const Row* match = nullptr;
            for (const Row& other : lastRows) {
                if (other.amount && KeyOf(other) == KeyOf(row)) {
                    match = &other;
                }
            }
            row.cells.resize(block.header.size() - 3);
            if (match == nullptr) {
                row.cells.insert(row.cells.end(), {"", "", ""});
                continue;
            }
            const std::int64_t now = *row.amount, then = *match->amount;
            row.cells.insert(row.cells.end(),
                             {WithSeparators(then), WithSeparators(now - then), Rate(now, then)});
            row.moved =
                then == 0 ? now != 0 : std::llabs(now - then) * 100 > threshold * std::llabs(then);
        }
    }
}

}  // namespace inspect::layout
