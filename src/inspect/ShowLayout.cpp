#include "inspect/ShowLayout.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "inspect/Labels.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace inspect::layout {

namespace section = reportformat::section;
using reportformat::StatementLine;

bool IsAmountText(const std::string& text) {
    return !text.empty() && ParseAmount(text).has_value();
}

Holds HoldsOf(Form form, const std::string& sectionTag, const std::string& tag) {
    if (const reportformat::ElementSpec* element = ElementOf(form, sectionTag, tag)) {
        return element->holds;
    }
    return HoldsYen(form, sectionTag, tag) ? Holds::Yen : Holds::Text;
}

// Dates and codes are shown as the dialog writes them; amounts with separators.
std::string Shown(const std::string& tag, const std::string& text, Holds holds) {
    switch (holds) {
        case Holds::Yen:
            return IsAmountText(text) ? WithSeparators(*ParseAmount(text)) : text;
        case Holds::Code: {
            const std::string_view meaning = CodeMeaning(tag, text);
            return meaning.empty() ? text : std::string(meaning);
        }
        case Holds::Date:
        case Holds::Month:
            return DateText(text);
        case Holds::Integer:
        case Holds::Text:
        case Holds::Area:
            break;
    }
    return text;
}

std::string LabelOf(Form form, const std::string& sectionTag, const std::string& tag,
                    const Fields& fields) {
    // Lines the user named carry their account name beside them.
    if (const Field* named = fields.Find(tag + reportformat::suffix::kName); named != nullptr) {
        return named->text.empty() ? "（科目名なし）" : named->text;
    }
    if (std::string month = MonthLineName(sectionTag, tag); !month.empty()) {
        return month;
    }
    if (sectionTag == section::kSpecialNotes) {
        return "";
    }
    if (sectionTag == section::kBalanceSheet) {
        return AccountName(form, fields, tag);
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

namespace {

void Attach(Block& block, const CheckResult& checks) {
    for (const Finding& finding : checks.findings) {
        if (finding.section != block.tag) {
            continue;
        }
        block.findings.push_back(&finding);
        for (Row& row : block.rows) {
            if (std::find(finding.tags.begin(), finding.tags.end(), row.tag) !=
                finding.tags.end()) {
                row.findings.push_back(&finding);
            }
        }
    }
}

// A statement as its form prints it: the report's lines by number, the
// sums where the form puts them, then whatever the form does not place.
class FormStatement {
public:
    FormStatement(const Report& report, const Section& section,
                  std::span<const StatementLine> lines)
        : report_(report),
          form_(FormOf(report)),
          section_(section),
          lines_(lines),
          values_(lines.size()) {}

    Block Build() {
        Block block;
        block.header = {"科目", "金額"};
        block.numeric = {false, true};
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const StatementLine& line = lines_[i];
            if (line.IsSum()) {
                if (SumShown(line.sum)) {
                    values_[i] = Sum(line.sum);
                    block.rows.push_back(
                        SumRow(std::string(line.number), std::string(line.name), *values_[i]));
                }
            } else if (line.IsHeading()) {
                Row heading;
                heading.number = std::string(line.number);
                heading.cells = {std::string(line.name)};
                heading.heading = true;
                block.rows.push_back(std::move(heading));
            } else if (std::optional<Row> row = LineRow(line)) {
                values_[i] = row->amount.value_or(0);
                block.rows.push_back(std::move(*row));
            }
        }
        for (const Field& field : section_.fields) {
            if (!field.tag.ends_with(reportformat::suffix::kName) && !Placed(field.tag)) {
                block.rows.push_back(
                    AmountRow(field.tag, LabelOf(form_, section_.tag, field.tag, section_),
                              field.text, HoldsOf(form_, section_.tag, field.tag)));
            }
        }
        return block;
    }

private:
    std::optional<Row> LineRow(const StatementLine& line) const {
        const Section* from = line.section == nullptr ? &section_ : report_.Find(line.section);
        const std::string tag = line.Tag();
        const Field* field = from ? from->Find(tag) : nullptr;
        if (field == nullptr || Unused(*from, tag)) {
            return std::nullopt;
        }
        const std::string text =
            line.name.empty() ? LabelOf(form_, from->tag, tag, *from) : std::string(line.name);
        Row row = AmountRow(tag, text, field->text, line.holds);
        row.number = std::string(line.number);
        return row;
    }

    // Whether a line of the form is the section's element of that name.
    bool Placed(const std::string& tag) const {
        return std::any_of(lines_.begin(), lines_.end(), [&tag](const StatementLine& line) {
            return line.tag != nullptr && line.section == nullptr && line.Tag() == tag;
        });
    }

    // The line named by its number or, unnumbered, by its printed name;
    // lines_.size() when none.
    std::size_t Index(std::string_view name) const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].number == name || (!lines_[i].IsSum() && lines_[i].name == name)) {
                return i;
            }
        }
        return lines_.size();
    }

    // Calls `term` with each term of a sum and its sign.
    template <typename Term>
    static void Terms(std::string_view sum, Term term) {
        int sign = 1;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= sum.size(); ++i) {
            if (i == sum.size() || sum[i] == '+' || sum[i] == '-') {
                term(sum.substr(start, i - start), sign);
                sign = i < sum.size() && sum[i] == '-' ? -1 : 1;
                start = i + 1;
            }
        }
    }

    bool SumShown(std::string_view sum) const {
        bool shown = true;
        Terms(sum, [&](std::string_view term, int) {
            if (term.find('~') == std::string_view::npos) {
                const std::size_t at = Index(term);
                shown = shown && at < lines_.size() && values_[at].has_value();
            }
        });
        return shown;
    }

    std::int64_t Sum(std::string_view sum) const {
        std::int64_t total = 0;
        Terms(sum, [&](std::string_view term, int sign) {
            const std::size_t tilde = term.find('~');
            if (tilde == std::string_view::npos) {
                total += sign * values_[Index(term)].value_or(0);
                return;
            }
            const std::size_t last = Index(term.substr(tilde + 1));
            for (std::size_t i = Index(term.substr(0, tilde)); i <= last && i < lines_.size();
                 ++i) {
                if (!lines_[i].IsSum()) {
                    total += sign * values_[i].value_or(0);
                }
            }
        });
        return total;
    }

    const Report& report_;
    const Form form_;
    const Section& section_;
    std::span<const StatementLine> lines_;
    std::vector<std::optional<std::int64_t>> values_;
};

Block Lines(Form form, const Section& section) {
    Block block;
    block.header = {"科目", "金額"};
    block.numeric = {false, true};
    for (const Field& field : section.fields) {
        if (!field.tag.ends_with(reportformat::suffix::kName) && !Unused(section, field.tag)) {
            block.rows.push_back(AmountRow(field.tag,
                                           LabelOf(form, section.tag, field.tag, section),
                                           field.text, HoldsOf(form, section.tag, field.tag)));
        }
    }
    if (section.tag == section::kMonthly) {
        namespace monthly = reportformat::monthly;
        std::int64_t sales = 0, purchases = 0;
        for (int m = 1; m <= reportformat::kMonths; ++m) {
            sales += section.Yen(monthly::kSales + std::to_string(m));
            purchases += section.Yen(monthly::kPurchases + std::to_string(m));
        }
        block.rows.push_back(SumRow("", "売上 計（家事消費・雑収入を含む）",
                                    sales + section.Yen(monthly::kHouseholdUse) +
                                        section.Yen(monthly::kMiscellaneousIncome)));
        block.rows.push_back(SumRow("", "仕入 計", purchases));
    }
    return block;
}

}  // namespace

std::vector<Block> LayOut(const Report& report, const CheckResult& checks,
                          const ShowOptions& options) {
    std::vector<Block> blocks;
    const Form form = FormOf(report);
    for (const Section& section : report.sections) {
        Block block;
        if (section.tag == section::kBalanceSheet) {
            block = BalanceSheet(form, section);
        } else if (section.tag == section::kSpecialNotes) {
            block = Notes(section);
        } else if (!section.items.empty() || section.tag == section::kRentals) {
            block = List(form, section);
        } else if (section.tag == section::kProfitAndLoss) {
            block = FormStatement(report, section, reportformat::ProfitAndLoss(form)).Build();
        } else if (section.tag == section::kManufacturing &&
                   !reportformat::ManufacturingCost(form).empty()) {
            block = FormStatement(report, section, reportformat::ManufacturingCost(form)).Build();
        } else {
            block = Lines(form, section);
        }
        block.tag = section.tag;
        block.title = SectionTitle(form, section.tag);
        Attach(block, checks);
        blocks.push_back(std::move(block));
    }
    if (options.previous != nullptr) {
        Compare(blocks, LayOut(*options.previous, CheckResult{}, {}), options.threshold);
    }
    return blocks;
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
    const char* kinds[] = {"", "事業所得（営業等）", "事業所得（農業・その他）", "不動産所得"};
    const int kind = static_cast<int>(report.kind);
    namespace basic = reportformat::basic;
    return {report.basic.Text(basic::kCompany),
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
