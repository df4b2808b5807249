// The lists as the forms print them (their columns, the row of the other
// employees, the lines after the entries and the 計 row), the monthly table,
// the notes and the header of the form.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/Labels.h"
#include "inspect/ShowLayout.h"
#include "reportformat/Elements.h"
#include "reportformat/Records.h"
#include "reportformat/Sections.h"
#include "reportformat/ValueTables.h"

namespace inspect::layout {

namespace {

using reportformat::BesideRow;
using reportformat::ListPrint;
using reportformat::PrintColumn;

// The list of the section on the form, else on another form that has it.
const reportformat::ListLayout* LayoutOf(Form form, const std::string& section) {
    const reportformat::SectionSpec* own = reportformat::FindSection(form, section);
    if (own != nullptr && own->list != nullptr) {
        return own->list;
    }
    for (const Form each : reportformat::kForms) {
        const reportformat::SectionSpec* spec = reportformat::FindSection(each, section);
        if (spec != nullptr && spec->list != nullptr) {
            return spec->list;
        }
    }
    return nullptr;
}

std::string HeadingOf(Form form, const std::string& section, const PrintColumn& column,
                      const Fields& fields) {
    if (!column.label.empty()) {
        return std::string(column.label);
    }
    return LabelOf(form, section, column.element, fields);
}

bool Numeric(Form form, const std::string& section, const PrintColumn& column) {
    if (column.added[0] != nullptr) {
        return true;
    }
    const Holds holds = HoldsOf(form, section, column.element);
    return holds == Holds::Yen || holds == Holds::Integer || holds == Holds::Area;
}

// The cell of a column for an entry, and the yen it adds to the 計 row.
struct Cell {
    std::string text;
    std::int64_t yen = 0;
};

// The amounts a column adds up, in the others row by the others' elements.
Cell AddedCell(const ListPrint& print, const PrintColumn& column, const Fields& entry,
               bool others) {
    std::int64_t sum = 0;
    bool any = false;
    for (const char* added : column.added) {
        const char* element = added;
        for (const PrintColumn& each : print.columns) {
            if (others && added != nullptr && each.element != nullptr &&
                std::string_view(each.element) == added) {
                element = each.others;
            }
        }
        if (element != nullptr && !entry.Text(element).empty()) {
            sum += entry.Yen(element);
            any = true;
        }
    }
    return {any ? WithSeparators(sum) : std::string(), sum};
}

Cell CellOf(Form form, const std::string& section, const PrintColumn& column, const Fields& entry,
            const char* element) {
    if (element == nullptr) {
        return {};
    }
    const std::string text = entry.Text(element);
    const Holds holds = HoldsOf(form, section, element);
    if (column.period) {
        const std::string to = entry.Text(column.below);
        return {text.empty() && to.empty() ? std::string() : DateText(text) + "～" + DateText(to)};
    }
    std::string shown = Shown(element, text, holds);
    if (column.below != nullptr && !entry.Text(column.below).empty()) {
        shown += (shown.empty() ? "" : "\n") +
                 Shown(column.below, entry.Text(column.below), Holds::Text);
    }
    return {shown, holds == Holds::Yen ? entry.Yen(element) : 0};
}

// A row of a list: the cells of each column, their yen added to `totals`.
Row EntryRow(Form form, const Section& section, const ListPrint& print, const Fields& entry,
             std::string first, bool others, std::vector<std::int64_t>& totals) {
    Row row;
    row.cells.push_back(std::move(first));
    for (std::size_t c = 0; c < print.columns.size(); ++c) {
        const PrintColumn& column = print.columns[c];
        const char* element = others ? column.others : column.element;
        Cell cell = column.added[0] != nullptr ? AddedCell(print, column, entry, others)
                                               : CellOf(form, section.tag, column, entry, element);
        totals[c] += column.totalled ? cell.yen : 0;
        row.cells.push_back(std::move(cell.text));
    }
    return row;
}

void AddBeside(Block& block, const Fields& fields, std::span<const BesideRow> rows,
               std::vector<std::int64_t>& totals) {
    for (const BesideRow& beside : rows) {
        Row row;
        row.tag = beside.element;
        row.cells.assign(block.header.size(), "");
        row.cells[1] = std::string(beside.label);
        const std::int64_t yen = fields.Yen(beside.element);
        if (!fields.Text(beside.element).empty()) {
            row.cells[beside.column + 1] = WithSeparators(yen);
        }
        if (beside.inTotal) {
            totals[beside.column] += yen;
        }
        block.rows.push_back(std::move(row));
    }
}

// A list the vocabulary knows no print of (a section an edited report added):
// a column for each element its entries hold.
Block PlainList(Form form, const Section& section) {
    Block block;
    std::vector<std::string> tags;
    for (const Item& item : section.items) {
        for (const Field& field : item.fields) {
            if (std::find(tags.begin(), tags.end(), field.tag) == tags.end()) {
                tags.push_back(field.tag);
            }
        }
    }
    block.header.push_back("No.");
    block.numeric.push_back(true);
    for (const std::string& tag : tags) {
        block.header.push_back(LabelOf(form, section.tag, tag, section));
        block.numeric.push_back(HoldsOf(form, section.tag, tag) == Holds::Yen);
    }
    for (const Item& item : section.items) {
        Row row;
        row.cells.push_back(std::to_string(item.count));
        for (const std::string& tag : tags) {
            row.cells.push_back(Shown(tag, item.Text(tag), HoldsOf(form, section.tag, tag)));
        }
        block.rows.push_back(std::move(row));
    }
    return block;
}

}  // namespace

Block List(Form form, const Section& section) {
    const reportformat::ListLayout* layout = LayoutOf(form, section.tag);
    const ListPrint* print = layout ? layout->print : nullptr;
    Block block = print ? Block{} : PlainList(form, section);
    block.id = section.tag;
    block.section = section.tag;
    block.list = true;
    if (print == nullptr) {
        return block;
    }
    block.formRows = static_cast<std::size_t>(print->formRows);
    block.header.push_back("No.");
    block.shortHeader.push_back("No.");
    block.groups.push_back("");
    block.numeric.push_back(true);
    for (const PrintColumn& column : print->columns) {
        block.header.push_back(HeadingOf(form, section.tag, column, section));
        const reportformat::Child* child = column.element != nullptr && column.below == nullptr
                                               ? reportformat::ChildOf(*layout, column.element)
                                               : nullptr;
        block.shortHeader.push_back(child != nullptr && !child->label.empty()
                                        ? std::string(child->label)
                                        : block.header.back());
        block.groups.push_back(std::string(column.group));
        block.numeric.push_back(Numeric(form, section.tag, column));
    }
    std::vector<std::int64_t> totals(print->columns.size(), 0);
    for (const Item& item : section.items) {
        block.rows.push_back(
            EntryRow(form, section, *print, item, std::to_string(item.count), false, totals));
    }
    // A list of one entry holds its entry's lines in the section itself.
    if (section.items.empty() && section.Find(print->columns.front().element) != nullptr) {
        block.rows.push_back(EntryRow(form, section, *print, section, "1", false, totals));
    }
    if (print->othersPersons != nullptr) {
        const std::string persons = section.Text(print->othersPersons);
        std::string label(print->othersLabel);
        label.replace(label.find("{}"), 2, persons.empty() ? "　" : persons);
        Row others = EntryRow(form, section, *print, section, "", true, totals);
        others.cells[1] = label;
        others.tag = print->othersPersons;
        block.rows.push_back(std::move(others));
    }
    AddBeside(block, section, print->beside, totals);
    if (print->total) {
        Row total;
        total.total = true;
        total.cells = {"", "計"};
        for (std::size_t c = 1; c < print->columns.size(); ++c) {
            total.cells.push_back(print->columns[c].totalled ? WithSeparators(totals[c]) : "");
        }
        block.rows.push_back(std::move(total));
    }
    AddBeside(block, section, print->after, totals);
    return block;
}

Block MonthlyTable(const Section& section) {
    namespace monthly = reportformat::monthly;
    Block block;
    block.id = section.tag;
    block.section = section.tag;
    block.header = {"月", "売上（収入）金額", "仕入金額"};
    block.numeric = {false, true, true};
    std::int64_t sales = 0, purchases = 0;
    const auto amount = [&section](const std::string& tag) {
        return section.Text(tag).empty() ? std::string() : WithSeparators(section.Yen(tag));
    };
    for (int month = 1; month <= reportformat::kMonths; ++month) {
        const std::string sale = monthly::kSales + std::to_string(month);
        const std::string purchase = monthly::kPurchases + std::to_string(month);
        Row row;
        row.tag = sale;
        row.cells = {std::to_string(month) + "月", amount(sale), amount(purchase)};
        block.rows.push_back(std::move(row));
        sales += section.Yen(sale);
        purchases += section.Yen(purchase);
    }
    for (const char* tag : {monthly::kHouseholdUse, monthly::kMiscellaneousIncome}) {
        Row row;
        row.tag = tag;
        row.cells = {LabelOf(Form::BlueBusiness, section.tag, tag, section), amount(tag), ""};
        block.rows.push_back(std::move(row));
        sales += section.Yen(tag);
    }
    Row total;
    total.total = true;
    total.cells = {"計", WithSeparators(sales), WithSeparators(purchases)};
    block.rows.push_back(std::move(total));
    Row reduced;
    reduced.tag = monthly::kReducedRateSales;
    reduced.cells = {"うち軽減税率対象", amount(monthly::kReducedRateSales),
                     amount(monthly::kReducedRatePurchases)};
    block.rows.push_back(std::move(reduced));
    return block;
}

Block Notes(const Section& section) {
    Block block;
    block.id = section.tag;
    block.section = section.tag;
    std::size_t last = 0;
    for (std::size_t i = 0; i < section.fields.size(); ++i) {
        if (!section.fields[i].text.empty()) {
            last = i + 1;
        }
    }
    for (std::size_t i = 0; i < last; ++i) {
        Row row;
        row.tag = section.fields[i].tag;
        row.cells = {Shown(row.tag, section.fields[i].text, Holds::Text)};
        block.rows.push_back(std::move(row));
    }
    block.header = {"記載事項"};
    block.numeric = {false};
    return block;
}

Block HeaderBlock(const Report& report) {
    namespace basic = reportformat::basic;
    const Form form = FormOf(report);
    Block block;
    block.id = "#header";
    block.section = reportformat::envelope::kBasic;
    const std::string from = report.basic.Text(basic::kPeriodFrom);
    const int year = from.size() == 8 ? std::stoi(from.substr(0, 4)) : 0;
    block.title = (year > 2018 ? "令和" + std::to_string(year - 2018) + "年分 " : std::string()) +
                  std::string(reportformat::FormTitle(form));
    block.header = {"項目", "内容"};
    block.numeric = {false, false};
    const Section* other = report.Find(reportformat::section::kOther);
    const std::vector<std::string> heading = Heading(report);
    const std::pair<const char*, std::string> lines[] = {
        {"住所", ""},
        {"事業所所在地", ""},
        {"業種名", ""},
        {"屋号・氏名", Shown({}, heading[0], Holds::Text)},
        {"電話番号", ""},
        {"加入団体名", other
                           ? Shown({}, other->Text(reportformat::notes::kAssociation), Holds::Text)
                           : std::string()},
        {"依頼税理士等", ""},
        {"期間", heading[1]},
        {"申告と所得の種類", heading[2]},
    };
    for (const auto& [label, text] : lines) {
        Row row;
        row.cells = {label, text};
        block.rows.push_back(std::move(row));
    }
    block.note = "住所、事業所所在地、業種名、電話番号、依頼税理士等は出力ファイルにありません。";
    return block;
}

}  // namespace inspect::layout
