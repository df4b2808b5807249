// The statements of the forms as they print them: the profit and loss, the
// manufacturing cost and the calculations of the bad-debt reserve and of the
// blue-return deduction, each line by the form's number, its sums by the
// form's formulas from the figures printed, and a sum the report states
// printed as the report states it.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "inspect/Labels.h"
#include "inspect/ShowLayout.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace inspect::layout {

namespace {

namespace section = reportformat::section;
namespace deduction = reportformat::deduction;
using reportformat::Rule;
using reportformat::StatementLine;

// A figure another statement printed, which a line of this one repeats.
struct Printed {
    std::int64_t yen = 0;
    std::string mark;
};

class FormStatement {
public:
    FormStatement(const Report& report, const Section& section,
                  std::span<const StatementLine> lines, std::map<std::string, Printed> printed)
        : report_(report),
          form_(FormOf(report)),
          section_(section),
          lines_(lines),
          printed_(std::move(printed)),
          values_(lines.size()) {}

    Block Build(std::vector<Footnote>& footnotes) {
        Block block;
        block.id = section_.tag;
        block.section = section_.tag;
        block.header = {"科目", "金額"};
        block.numeric = {false, true};
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (std::optional<Row> row = RowOf(i, footnotes)) {
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
    std::optional<Row> RowOf(std::size_t i, std::vector<Footnote>& footnotes) {
        const StatementLine& line = lines_[i];
        if (line.IsHeading()) {
            Row heading = HeadingRow(line.PrintedName());
            heading.number = std::string(line.number);
            return heading;
        }
        if (!line.IsSum()) {
            return LineRow(i);
        }
        if (!Printable(line)) {
            return std::nullopt;
        }
        std::optional<std::int64_t> value =
            line.rule == Rule::DeductionTaken ? Taken(line) : Sum(line.sum);
        std::string name = line.PrintedName();
        if (line.rule == Rule::DeductionTaken) {
            const reportformat::DeductionChoice* choice = Chosen();
            if (choice != nullptr && line.branch == nullptr) {
                name += "（" + std::string(choice->meaning) + "）";
            }
            if (!value || (line.branch != nullptr && choice != nullptr &&
                           std::string_view(line.branch) != choice->amountTag)) {
                Row row = SumRow(std::string(line.number), name, 0);
                row.cells[1].clear();
                row.amount.reset();
                return row;
            }
        }
        Row row = SumRow(std::string(line.number), name, *value);
        if (const std::optional<std::int64_t> stated = Stated(line)) {
            row = SumRow(std::string(line.number), name, *stated);
            row.mark = MarkFor(line, *value, *stated, footnotes);
            value = stated;
        }
        values_[i] = value;
        return row;
    }

    std::optional<Row> LineRow(std::size_t i) {
        const StatementLine& line = lines_[i];
        if (line.holds == Holds::Code) {
            return CodeRow(line);
        }
        if (line.statedIn != nullptr) {
            // A figure of another statement, as that one printed it.
            const auto printed = printed_.find(std::string(line.stated));
            if (printed == printed_.end()) {
                return std::nullopt;
            }
            Row row = SumRow(std::string(line.number), line.PrintedName(), printed->second.yen);
            row.total = false;
            row.tag = line.Tag();
            row.mark = printed->second.mark;
            values_[i] = printed->second.yen;
            return row;
        }
        std::string tag = line.Tag();
        const Section* from = line.section == nullptr ? &section_ : report_.Find(line.section);
        // ㊹ is the deduction chosen, under whichever element the choice writes it.
        if (from != nullptr && from->tag == section::kBlueDeduction &&
            tag == deduction::kBlueAmount) {
            if (const reportformat::DeductionChoice* choice = Chosen()) {
                tag = choice->amountTag;
            }
        }
        const Field* field = from ? from->Find(tag) : nullptr;
        if (field == nullptr || Unused(*from, tag)) {
            return std::nullopt;
        }
        const std::string text =
            line.name.empty() ? LabelOf(form_, from->tag, tag, *from) : line.PrintedName();
        const bool other = line.branch != nullptr && Chosen() != nullptr &&
                           std::string_view(line.branch) != Chosen()->amountTag;
        Row row = AmountRow(tag, text, other ? std::string() : field->text, line.holds);
        row.number = std::string(line.number);
        row.shortLabel = std::string(line.shortName);
        values_[i] = row.amount.value_or(0);
        return row;
    }

    // A code prints its meaning: the deduction chosen; a rate, as the figures
    // imply it; nothing where they imply none.
    std::optional<Row> CodeRow(const StatementLine& line) const {
        if (line.tag == std::string_view(reportformat::baddebt::kRate)) {
            const std::int64_t receivables = section_.Yen(reportformat::baddebt::kReceivables);
            const std::int64_t limit = section_.Yen(reportformat::baddebt::kLimit);
            if (receivables <= 0 || limit <= 0) {
                return std::nullopt;
            }
            const std::int64_t thousandths = (limit * 10000 / receivables + 5) / 10;
            Row row;
            row.tag = line.tag;
            row.cells = {std::string(line.name), std::to_string(thousandths / 10) + "." +
                                                     std::to_string(thousandths % 10) + "%"};
            return row;
        }
        if (section_.tag != section::kBlueDeduction) {
            return std::nullopt;  // the choice beside the real-estate statement prints with ㉒
        }
        const reportformat::DeductionChoice* choice = Chosen();
        Row row = HeadingRow(std::string(line.name) + "　" +
                             (choice ? std::string(choice->meaning) : std::string("（不明）")));
        row.tag = line.tag;
        return row;
    }

    // The deduction the report says was chosen, where it says so.
    const reportformat::DeductionChoice* Chosen() const {
        for (const Section* s : {&section_, report_.Find(section::kBlueDeduction)}) {
            if (s != nullptr && s->Find(deduction::kChoice) != nullptr) {
                return reportformat::DeductionChoiceOf(s->Text(deduction::kChoice));
            }
        }
        return nullptr;
    }

    std::optional<std::int64_t> Taken(const StatementLine& line) const {
        const reportformat::DeductionChoice* choice = Chosen();
        const std::size_t term = Index(line.sum);
        if (choice == nullptr || term >= lines_.size() || !values_[term]) {
            return std::nullopt;
        }
        return std::min<std::int64_t>(choice->limitYen, std::max<std::int64_t>(*values_[term], 0));
    }

    std::optional<std::int64_t> Stated(const StatementLine& line) const {
        if (line.statedIn == nullptr) {
            return std::nullopt;
        }
        const Section* in = report_.Find(line.statedIn);
        const std::string tag =
            line.statedIn == std::string_view(section::kBalanceSheet)
                ? reportformat::LineOf(line.stated, reportformat::Period::Closing)
                : std::string(line.stated);
        if (in == nullptr || in->Find(tag) == nullptr) {
            return std::nullopt;
        }
        return in->Amount(tag);
    }

    // One mark for the figure wherever it prints, and one footnote saying how
    // it differs from what its lines add up to.
    std::string MarkFor(const StatementLine& line, std::int64_t computed, std::int64_t stated,
                        std::vector<Footnote>& footnotes) const {
        const std::string mark = "※" + std::to_string(footnotes.size() + 1);
        const std::int64_t by = computed - stated;
        std::string text = std::string(line.number) + " は貸借対照表の記載額 " +
                           WithSeparators(stated) + "円です。";
        if (by != 0) {
            text += "損益計算書の各行から計算すると " + WithSeparators(computed) + "円（" +
                    WithSeparators(by < 0 ? -by : by) + "円" + (by > 0 ? "多い" : "少ない") +
                    "）で、各行の金額を円未満切り捨てで記載するため差が生じます。";
        }
        if (const Section* d = report_.Find(section::kBlueDeduction);
            d != nullptr && d->Find(deduction::kIncomeBefore) != nullptr &&
            d->Yen(deduction::kIncomeBefore) != stated) {
            text += "青色申告特別控除額の計算の記載額は " +
                    WithSeparators(d->Yen(deduction::kIncomeBefore)) +
                    "円で、控除額の計算では円未満を四捨五入し、損失を 0 円とします。";
        }
        if (by == 0 && text.find("四捨五入") == std::string::npos) {
            return {};
        }
        footnotes.push_back({mark, text});
        return mark;
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

    // A sum prints where every line it names by number printed.
    bool Printable(const StatementLine& line) const {
        bool shown = true;
        Terms(line.sum, [&](std::string_view term, int) {
            if (term.find('~') == std::string_view::npos) {
                const std::size_t at = Index(term);
                shown = shown && at < lines_.size() && values_[at].has_value();
            }
        });
        return shown;
    }

    std::optional<std::int64_t> Sum(std::string_view sum) const {
        std::int64_t total = 0;
        bool known = true;
        Terms(sum, [&](std::string_view term, int sign) {
            const std::size_t tilde = term.find('~');
            if (tilde == std::string_view::npos) {
                const std::size_t at = Index(term);
                known = known && at < lines_.size() && values_[at].has_value();
                total += sign * (at < lines_.size() ? values_[at].value_or(0) : 0);
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
        return known ? std::optional<std::int64_t>(total) : std::nullopt;
    }

    const Report& report_;
    const Form form_;
    const Section& section_;
    std::span<const StatementLine> lines_;
    std::map<std::string, Printed> printed_;
    std::vector<std::optional<std::int64_t>> values_;
};

}  // namespace

Statements StatementBlocks(const Report& report) {
    Statements statements;
    const Form form = FormOf(report);
    for (const auto& [tag, lines] :
         {std::pair{section::kProfitAndLoss, reportformat::ProfitAndLoss(form)},
          std::pair{section::kManufacturing, reportformat::ManufacturingCost(form)}}) {
        const Section* found = report.Find(tag);
        if (found != nullptr && !lines.empty()) {
            statements.blocks.push_back(
                FormStatement(report, *found, lines, {}).Build(statements.footnotes));
        }
    }
    return statements;
}

std::optional<Block> ProfitAndLossAs(const Report& report, Form form) {
    const Section* found = report.Find(section::kProfitAndLoss);
    bool joined = false;
    if (found == nullptr) {
        return std::nullopt;
    }
    Section carried = *found;
    for (const reportformat::CarriedLine& line : reportformat::CarriedLines()) {
        if (line.to != form || line.from != FormOf(report)) {
            continue;
        }
        joined = true;
        std::int64_t yen = 0;
        for (const char* part : line.parts) {
            yen += found->Yen(part);
            std::erase_if(carried.fields, [part](const Field& field) { return field.tag == part; });
        }
        carried.fields.push_back({line.tag, std::to_string(yen), 0});
    }
    if (!joined) {
        return std::nullopt;
    }
    std::vector<Footnote> none;
    return FormStatement(report, carried, reportformat::ProfitAndLoss(form), {}).Build(none);
}

Block Calculation(const Report& report, const Section& found,
                  const std::vector<Block>& statements) {
    // The figures of the profit and loss that the calculation repeats.
    std::map<std::string, Printed> printed;
    for (const Block& block : statements) {
        for (const Row& row : block.rows) {
            if (block.id == section::kProfitAndLoss && !row.number.empty() && row.amount) {
                printed[row.number] = {*row.amount, row.mark};
            }
        }
    }
    std::vector<Footnote> none;
    const std::span<const StatementLine> lines = found.tag == section::kBadDebtReserve
                                                     ? reportformat::BadDebtCalculation()
                                                     : reportformat::DeductionCalculation();
    return FormStatement(report, found, lines, std::move(printed)).Build(none);
}

}  // namespace inspect::layout
