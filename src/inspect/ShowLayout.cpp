#include "inspect/ShowLayout.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "inspect/Labels.h"

namespace inspect::layout {

bool IsAmountText(const std::string& text) {
    return !text.empty() && ParseAmount(text).has_value();
}

// Dates and codes are shown as the dialog writes them; amounts with separators.
std::string Shown(const std::string& tag, const std::string& text, bool yen) {
    if (yen && IsAmountText(text)) {
        return WithSeparators(*ParseAmount(text));
    }
    if (const std::string_view meaning = CodeMeaning(tag, text); !meaning.empty()) {
        return std::string(meaning);
    }
    if (tag.starts_with("KEIYAKUKIKAN_") || tag == "SIHARAINENGAPPI" ||
        tag.starts_with("JIGYOUNENDO")) {
        return DateText(text);
    }
    return text;
}

std::string LabelOf(const std::string& section, const std::string& tag, const Fields& fields) {
    // Lines the user named carry their account name in a _KAMOKU element.
    if (const Field* named = fields.Find(tag + "_KAMOKU"); named != nullptr) {
        return named->text.empty() ? "（科目名なし）" : named->text;
    }
    if (std::string month = MonthLineName(section, tag); !month.empty()) {
        return month;
    }
    if (section == "TOKUSYUJIJOU") {
        return "";
    }
    const Label* label = FindLabel(section, tag);
    return label ? std::string(label->text) : tag;
}

// A line the user could have named but did not: no name, no amounts.
bool Unused(const Section& section, const std::string& stem) {
    const Field* named = section.Find(stem + "_KAMOKU");
    if (named == nullptr || !named->text.empty()) {
        return false;
    }
    for (const char* suffix : {"", "_KISYU", "_KIMATU"}) {
        if (!section.Text(stem + suffix).empty()) {
            return false;
        }
    }
    return true;
}

Row AmountRow(std::string tag, std::string label, const std::string& text, bool yen) {
    Row row;
    row.cells = {std::move(label), Shown(tag, text, yen)};
    if (yen) {
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
    FormStatement(const Report& report, const Section& section, std::span<const FormLine> lines)
        : report_(report), section_(section), lines_(lines), values_(lines.size()) {}

    Block Build() {
        Block block;
        block.header = {"科目", "金額"};
        block.numeric = {false, true};
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const Label& label = lines_[i].label;
            if (!lines_[i].sum.empty()) {
                if (SumShown(lines_[i].sum)) {
                    values_[i] = Sum(lines_[i].sum);
                    block.rows.push_back(
                        SumRow(std::string(label.number), std::string(label.text), *values_[i]));
                }
            } else if (label.tag.empty()) {
                Row heading;
                heading.number = std::string(label.number);
                heading.cells = {std::string(label.text)};
                heading.heading = true;
                block.rows.push_back(std::move(heading));
            } else if (std::optional<Row> row = LineRow(label)) {
                values_[i] = row->amount.value_or(0);
                block.rows.push_back(std::move(*row));
            }
        }
        for (const Field& field : section_.fields) {
            if (!field.tag.ends_with("_KAMOKU") && Index(field.tag) == lines_.size()) {
                block.rows.push_back(AmountRow(field.tag,
                                               LabelOf(section_.tag, field.tag, section_),
                                               field.text, HoldsYen(section_.tag, field.tag)));
            }
        }
        return block;
    }

private:
    std::optional<Row> LineRow(const Label& label) const {
        const Section* from =
            label.section == section_.tag ? &section_ : report_.Find(label.section);
        const std::string tag(label.tag);
        const Field* field = from ? from->Find(tag) : nullptr;
        if (field == nullptr || Unused(*from, tag)) {
            return std::nullopt;
        }
        const std::string text =
            label.text.empty() ? LabelOf(from->tag, tag, *from) : std::string(label.text);
        Row row = AmountRow(tag, text, field->text, label.yen);
        row.number = std::string(label.number);
        return row;
    }

    // The line named by a number or a tag; lines_.size() when none.
    std::size_t Index(std::string_view name) const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].label.number == name ||
                (lines_[i].sum.empty() && lines_[i].label.tag == name)) {
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
                if (lines_[i].sum.empty()) {
                    total += sign * values_[i].value_or(0);
                }
            }
        });
        return total;
    }

    const Report& report_;
    const Section& section_;
    std::span<const FormLine> lines_;
    std::vector<std::optional<std::int64_t>> values_;
};

Block Lines(const Section& section) {
    Block block;
    block.header = {"科目", "金額"};
    block.numeric = {false, true};
    for (const Field& field : section.fields) {
        if (!field.tag.ends_with("_KAMOKU") && !Unused(section, field.tag)) {
            block.rows.push_back(AmountRow(field.tag, LabelOf(section.tag, field.tag, section),
                                           field.text, HoldsYen(section.tag, field.tag)));
        }
    }
    if (section.tag == "TUKIBETUURIAGESHIIRE") {
        std::int64_t sales = 0, purchases = 0;
        for (int m = 1; m <= 12; ++m) {
            sales += section.Yen("URIAGEKINGAKU" + std::to_string(m));
            purchases += section.Yen("SIIREKINGAKU" + std::to_string(m));
        }
        block.rows.push_back(SumRow("", "売上 計（家事消費・雑収入を含む）",
                                    sales + section.Yen("KAJISYOUHI") + section.Yen("ZATUSYUNYU")));
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
        if (section.tag == "TAISYAKUTAISYOUHYO") {
            block = BalanceSheet(section);
        } else if (section.tag == "TOKUSYUJIJOU") {
            block = Notes(section);
        } else if (!section.items.empty() || section.tag == "FUDOUSANSYUUNYUU") {
            block = List(section);
        } else if (section.tag == "SONEKIKEISANSYO") {
            block = FormStatement(report, section, ProfitAndLossLines(form)).Build();
        } else if (section.tag == "SEIZOUGENKA" && !ManufacturingCostLines(form).empty()) {
            block = FormStatement(report, section, ManufacturingCostLines(form)).Build();
        } else {
            block = Lines(section);
        }
        block.tag = section.tag;
        block.title = std::string(SectionTitle(section.tag, report.RealEstate()));
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
    return {report.basic.Text("KOMONSAKINAME"),
            DateText(report.basic.Text("JIGYOUNENDOFROM")) + "～" +
                DateText(report.basic.Text("JIGYOUNENDOTO")),
            std::string(report.Blue() ? "青色申告" : "白色申告") + "・" +
                (kind >= 1 && kind <= 3 ? kinds[kind] : "")};
}

std::optional<Monthly> MonthlyFigures(const Report& report) {
    const Section* monthly = report.Find("TUKIBETUURIAGESHIIRE");
    if (monthly == nullptr) {
        return std::nullopt;
    }
    Monthly figures;
    for (int m = 0; m < 12; ++m) {
        figures.sales[m] = monthly->Yen("URIAGEKINGAKU" + std::to_string(m + 1));
        figures.purchases[m] = monthly->Yen("SIIREKINGAKU" + std::to_string(m + 1));
    }
    return figures;
}

}  // namespace inspect::layout
