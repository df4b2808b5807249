#include "inspect/ShowLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/FormPages.h"
#include "inspect/Labels.h"
#include "reportformat/Elements.h"
#include "reportformat/Sections.h"
#include "reportformat/ValueTables.h"

namespace inspect::layout {

namespace section = reportformat::section;

bool IsAmountText(const std::string& text) {
    return !text.empty() && ParseAmount(text).has_value();
}

Holds HoldsOf(Form form, const std::string& sectionTag, const std::string& tag) {
    if (const reportformat::ElementSpec* element = ElementOf(form, sectionTag, tag)) {
        return element->holds;
    }
    return HoldsYen(form, sectionTag, tag) ? Holds::Yen : Holds::Text;
}

namespace {

// A line break inside a text shows as a mark: it never starts a line of its own.
std::string Visible(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "↵";
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string Shown(const std::string& tag, const std::string& text, Holds holds) {
    switch (holds) {
        case Holds::Yen:
            return IsAmountText(text) ? WithSeparators(*ParseAmount(text)) : Visible(text);
        case Holds::Code: {
            const std::string_view meaning = CodeMeaning(tag, text);
            return meaning.empty() ? Visible(text) : std::string(meaning);
        }
        case Holds::Date:
        case Holds::Month:
            return DateText(text);
        case Holds::Integer:
        case Holds::Text:
        case Holds::Area:
            break;
    }
    return Visible(text);
}

std::string LabelOf(Form form, const std::string& sectionTag, const std::string& tag,
                    const Fields& fields) {
    // Lines the user named carry their account name beside them.
    if (const Field* named = fields.Find(tag + reportformat::suffix::kName); named != nullptr) {
        return named->text.empty() ? "（科目名なし）" : Visible(named->text);
    }
    if (std::string month = MonthLineName(sectionTag, tag); !month.empty()) {
        return month;
    }
    if (sectionTag == section::kSpecialNotes) {
        return "";
    }
    if (sectionTag == section::kBalanceSheet) {
        return Visible(AccountName(form, fields, tag));
    }
    const reportformat::ElementSpec* element = ElementOf(form, sectionTag, tag);
    return element ? std::string(element->name) : tag;
}

// A line the user could have named but did not: no name, no amounts.
bool Unused(const Section& section, const std::string& stem) {
    const Field* named = section.Find(stem + reportformat::suffix::kName);
    if (named == nullptr || !named->text.empty()) {
        return false;
    }
    for (const char* suffix :
         {"", reportformat::suffix::kOpening, reportformat::suffix::kClosing}) {
        if (!section.Text(stem + suffix).empty()) {
            return false;
        }
    }
    return true;
}

Row AmountRow(std::string tag, std::string label, const std::string& text, Holds holds) {
    Row row;
    row.cells = {std::move(label), Shown(tag, text, holds)};
    if (holds == Holds::Yen) {
        row.amount = ParseAmount(text).value_or(0);
    }
    row.tag = std::move(tag);
    return row;
}

Row SumRow(std::string number, std::string label, std::int64_t yen) {
    Row row;
    row.number = std::move(number);
    row.cells = {std::move(label), WithSeparators(yen)};
    row.total = true;
    row.amount = yen;
    return row;
}

Row HeadingRow(std::string label) {
    Row heading;
    heading.cells = {std::move(label)};
    heading.heading = true;
    return heading;
}

Block Lines(Form form, const Section& section) {
    Block block;
    block.id = section.tag;
    block.section = section.tag;
    block.header = {"科目", "金額"};
    block.numeric = {false, true};
    for (const Field& field : section.fields) {
        if (!field.tag.ends_with(reportformat::suffix::kName) && !Unused(section, field.tag)) {
            block.rows.push_back(AmountRow(field.tag,
                                           LabelOf(form, section.tag, field.tag, section),
                                           field.text, HoldsOf(form, section.tag, field.tag)));
        }
    }
    return block;
}

const Block* Layout::Find(std::string_view id) const {
    for (const Block& block : blocks) {
        if (block.id == id) {
            return &block;
        }
    }
    return nullptr;
}

namespace {

void Attach(Block& block, const CheckResult& checks) {
    for (const Finding& finding : checks.findings) {
        if (finding.section != block.section) {
            continue;
        }
        block.findings.push_back(&finding);
        for (Row& row : block.rows) {
            if (!row.tag.empty() && std::find(finding.tags.begin(), finding.tags.end(), row.tag) !=
                                        finding.tags.end()) {
                row.findings.push_back(&finding);
            }
        }
    }
}

// The blocks of one section of the report.
std::vector<Block> BlocksOf(const Report& report, const Section& s, const Statements& statements) {
    const Form form = FormOf(report);
    for (const Block& statement : statements.blocks) {
        if (statement.id == s.tag) {
            return {statement};
        }
    }
    if (s.tag == section::kBalanceSheet) {
        const std::string mark = statements.footnotes.empty() ? "" : statements.footnotes[0].mark;
        return BalanceSheet(report, s, mark);
    }
    if (s.tag == section::kOther) {
        return {};  // the association's name stands in the header
    }
    if (s.tag == section::kSpecialNotes) {
        return {Notes(s)};
    }
    if (s.tag == section::kMonthly) {
        return {MonthlyTable(s)};
    }
    if (s.tag == section::kBadDebtReserve || s.tag == section::kBlueDeduction) {
        return {Calculation(report, s, statements.blocks)};
    }
    const reportformat::SectionSpec* spec = reportformat::FindSection(form, s.tag);
    if (!s.items.empty() || (spec != nullptr && spec->list != nullptr)) {
        return {List(form, s)};
    }
    return {Lines(form, s)};
}

// The form's depreciation schedule, drawn empty: the report carries nothing for it.
Block Depreciation() {
    Block block;
    block.id = std::string(pages::kDepreciation);
    block.title = "減価償却費の計算";
    block.list = true;
    for (const std::string_view column : reportformat::DepreciationColumns()) {
        block.header.emplace_back(column);
        block.numeric.push_back(false);
    }
    block.rows.resize(3);
    for (Row& row : block.rows) {
        row.cells.assign(block.header.size(), "");
    }
    Row total;
    total.total = true;
    total.cells.assign(block.header.size(), "");
    total.cells[0] = "計";
    block.rows.push_back(std::move(total));
    block.note =
        "減価償却費の計算は出力ファイルにありません。会計ソフトの決算書で確かめてください。";
    return block;
}

// Where a block stands among the form's pages; past them all when it stands on none.
std::size_t PlaceOf(Form form, const std::string& id) {
    std::size_t place = 0;
    for (const pages::Page& page : pages::FormPages(form)) {
        for (const auto* run : {&page.top, &page.bottom}) {
            for (const pages::Part& part : *run) {
                if (part.block == id) {
                    return place;
                }
            }
        }
        for (const std::vector<pages::Part>& column : page.columns) {
            for (const pages::Part& part : column) {
                if (part.block == id) {
                    return place;
                }
                ++place;
            }
        }
        ++place;
    }
    return place;
}

}  // namespace

Layout LayOut(const Report& report, const CheckResult& checks, const ShowOptions& options) {
    Layout layout;
    const Form form = FormOf(report);
    Statements statements = StatementBlocks(report);
    layout.footnotes = statements.footnotes;
    layout.blocks.push_back(HeaderBlock(report));
    layout.blocks.push_back(Depreciation());
    for (const Section& s : report.sections) {
        std::vector<Block> blocks = BlocksOf(report, s, statements);
        for (Block& block : blocks) {
            if (block.title.empty()) {
                block.title = SectionTitle(form, s.tag);
            }
            Attach(block, checks);
            // A section shown as two blocks (the balance sheet's sides) lists
            // its findings under the last.
            if (&block != &blocks.back()) {
                block.findings.clear();
            }
            layout.blocks.push_back(std::move(block));
        }
    }
    std::stable_sort(layout.blocks.begin(), layout.blocks.end(),
                     [form](const Block& a, const Block& b) {
                         return PlaceOf(form, a.id) < PlaceOf(form, b.id);
                     });
    if (options.previous != nullptr) {
        const Layout last = LayOut(*options.previous, CheckResult{}, {});
        layout.comparison = Compare(layout.blocks, report, last, *options.previous, options);
    }
    return layout;
}

std::string DateText(const std::string& digits) {
    const bool allDigits =
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits || (digits.size() != 8 && digits.size() != 6)) {
        return digits;
    }
    std::string text = digits.substr(0, 4) + "/" + digits.substr(4, 2);
    return digits.size() == 8 ? text + "/" + digits.substr(6, 2) : text;
}

std::vector<std::string> Heading(const Report& report) {
    namespace basic = reportformat::basic;
    const char* kinds[] = {"", "営業所得用（一般用）", "その他所得用（一般用）", "不動産所得用"};
    const int kind = static_cast<int>(report.kind);
    return {Shown({}, report.basic.Text(basic::kCompany), Holds::Text),
            DateText(report.basic.Text(basic::kPeriodFrom)) + "～" +
                DateText(report.basic.Text(basic::kPeriodTo)),
            std::string(report.Blue() ? "青色申告" : "白色申告") + "・" +
                (kind >= 1 && kind <= 3 ? kinds[kind] : "")};
}

std::optional<Monthly> MonthlyFigures(const Report& report) {
    const Section* monthly = report.Find(section::kMonthly);
    if (monthly == nullptr) {
        return std::nullopt;
    }
    Monthly figures;
    for (int m = 0; m < reportformat::kMonths; ++m) {
        figures.sales[m] = monthly->Yen(reportformat::monthly::kSales + std::to_string(m + 1));
        figures.purchases[m] =
            monthly->Yen(reportformat::monthly::kPurchases + std::to_string(m + 1));
    }
    return figures;
}

}  // namespace inspect::layout
