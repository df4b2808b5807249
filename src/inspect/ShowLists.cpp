#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "inspect/Labels.h"
#include "inspect/ShowLayout.h"

namespace inspect::layout {

namespace {

Row BalanceSum(const char* label, std::int64_t opening, std::int64_t closing) {
    Row sum;
    sum.cells = {label, WithSeparators(opening), WithSeparators(closing)};
    sum.total = true;
    sum.amount = closing;
    return sum;
}

Row BalanceLine(const Section& section, const std::string& stem) {
    const Field* opening = section.Find(stem + "_KISYU");
    const Field* closing = section.Find(stem + "_KIMATU");
    Row row;
    row.tag = stem == "JIGYOUNUSIKASI" || stem == "KOUJYOMAESYOTOKUKINNGAKU" ? stem + "_KIMATU"
                                                                             : stem + "_KISYU";
    row.cells = {LabelOf(section.tag, stem, section),
                 opening ? Shown(stem, opening->text, true) : "",
                 closing ? Shown(stem, closing->text, true) : ""};
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

Block BalanceSheet(const Section& section) {
    Block block;
    block.header = {"科目", "期首", "期末"};
    block.numeric = {false, true, true};
    std::vector<std::string> stems;
    for (const Field& field : section.fields) {
        for (const std::string suffix : {"_KISYU", "_KIMATU"}) {
            if (field.tag.ends_with(suffix)) {
                const std::string stem = field.tag.substr(0, field.tag.size() - suffix.size());
                if (std::find(stems.begin(), stems.end(), stem) == stems.end()) {
                    stems.push_back(stem);
                }
            }
        }
    }
    const BalanceTotals totals = BalanceSheetTotals(section);
    for (const std::string& stem : stems) {
        if (stem != "JIGYOUNUSIKASI" && Unused(section, stem)) {
            continue;
        }
        block.rows.push_back(BalanceLine(section, stem));
        if (stem == "JIGYOUNUSIKASI") {
            // The form prints 事業主貸 at the foot of the assets column.
            block.rows.push_back(
                BalanceSum("資産合計", totals.assetsOpening, totals.assetsClosing));
        }
    }
    block.rows.push_back(
        BalanceSum("負債・資本合計", totals.liabilitiesOpening, totals.liabilitiesClosing));
    return block;
}

Block List(const Section& section) {
    Block block;
    block.list = true;
    std::vector<std::string> tags;
    for (const Item& item : section.items) {
        for (const Field& field : item.fields) {
            // The contract's start and end make one column: 2021/04～2023/03.
            if (field.tag != "KEIYAKUKIKAN_TO" &&
                std::find(tags.begin(), tags.end(), field.tag) == tags.end()) {
                tags.push_back(field.tag);
            }
        }
    }
    // Columns no entry fills stay off, as the form's empty rows do.
    std::erase_if(tags, [&section](const std::string& tag) {
        return std::none_of(section.items.begin(), section.items.end(), [&tag](const Item& item) {
            return !item.Text(tag).empty() ||
                   (tag == "KEIYAKUKIKAN_FROM" && !item.Text("KEIYAKUKIKAN_TO").empty());
        });
    });
    block.header.push_back("No.");
    block.numeric.push_back(true);
    for (const std::string& tag : tags) {
        block.header.push_back(tag == "KEIYAKUKIKAN_FROM" ? "契約期間"
                                                          : LabelOf(section.tag, tag, section));
        block.numeric.push_back(HoldsYen(section.tag, tag));
    }
    for (const Item& item : section.items) {
        Row row;
        row.cells.push_back(item.count > 0 ? std::to_string(item.count) : "");
        bool any = false;
        for (const std::string& tag : tags) {
            std::string text = item.Text(tag);
            any = any || !text.empty();
            if (tag == "KEIYAKUKIKAN_FROM") {
                const std::string to = item.Text("KEIYAKUKIKAN_TO");
                any = any || !to.empty();
                text = text.empty() && to.empty() ? "" : DateText(text) + "～" + DateText(to);
            } else {
                text = Shown(tag, text, HoldsYen(section.tag, tag));
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
            Row row = AmountRow(field.tag, LabelOf(section.tag, field.tag, section), field.text,
                                HoldsYen(section.tag, field.tag));
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
        if (block.list || block.header.size() < 2 || block.tag == "TOKUSYUJIJOU") {
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
