#include "inspect/ShowLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/Labels.h"

namespace inspect::layout {

namespace {

// A total row of the balance sheet: both sides' sums at the start and the end.
Row SumRow(const char* label, std::int64_t opening, std::int64_t closing) {
    Row sum;
    sum.cells = {label, WithSeparators(opening), WithSeparators(closing)};
    sum.total = true;
    return sum;
}

bool IsAmountText(const std::string& text) {
    return !text.empty() && ParseAmount(text).has_value();
}

std::string Shown(const std::string& text, bool yen) {
    if (yen && IsAmountText(text)) {
        return WithSeparators(*ParseAmount(text));
    }
    return text;
}

std::string LabelOf(const std::string& section, const std::string& tag, const Fields& fields) {
    // Lines the user named carry their account name in a _KAMOKU element.
    if (const Field* named = fields.Find(tag + "_KAMOKU"); named != nullptr) {
        return named->text.empty() ? "（" + tag + "）" : named->text;
    }
    for (const char* monthly : {"URIAGEKINGAKU", "SIIREKINGAKU"}) {
        const std::string prefix = monthly;
        if (section == "TUKIBETUURIAGESHIIRE" && tag.size() > prefix.size() &&
            tag.compare(0, prefix.size(), prefix) == 0 && IsAmountText(tag.substr(prefix.size()))) {
            return tag.substr(prefix.size()) + "月 " +
                   (prefix == "URIAGEKINGAKU" ? "売上" : "仕入");
        }
    }
    if (section == "TOKUSYUJIJOU") {
        return "";
    }
    const Label* label = FindLabel(section, tag);
    return label ? std::string(label->text) : tag;
}

bool IsYen(const std::string& section, const std::string& tag) {
    const Label* label = FindLabel(section, tag);
    if (label != nullptr) {
        return label->yen;
    }
    // Monthly figures and the user-named lines are all amounts.
    return section == "SONEKIKEISANSYO" || section == "TUKIBETUURIAGESHIIRE" ||
           section == "SEIZOUGENKA" || section == "TAISYAKUTAISYOUHYO";
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

Row TotalRow(std::string label, std::int64_t yen) {
    Row row;
    row.cells = {std::move(label), WithSeparators(yen)};
    row.total = true;
    return row;
}

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

Block Lines(const Section& section) {
    Block block;
    for (const Field& field : section.fields) {
        if (field.tag.ends_with("_KAMOKU")) {
            continue;
        }
        if (Unused(section, field.tag)) {
            continue;
        }
        Row row;
        row.tag = field.tag;
        row.cells = {LabelOf(section.tag, field.tag, section),
                     Shown(field.text, IsYen(section.tag, field.tag))};
        block.rows.push_back(std::move(row));
    }
    return block;
}

Block BalanceSheet(const Section& section) {
    Block block;
    block.header = {"科目", "期首", "期末"};
    block.numeric = {false, true, true};
    std::vector<std::string> stems;
    for (const Field& field : section.fields) {
        for (const char* suffix : {"_KISYU", "_KIMATU"}) {
            if (field.tag.ends_with(suffix)) {
                const std::string stem =
                    field.tag.substr(0, field.tag.size() - std::string(suffix).size());
                if (std::find(stems.begin(), stems.end(), stem) == stems.end()) {
                    stems.push_back(stem);
                }
            }
        }
    }
    const BalanceTotals totals = BalanceSheetTotals(section);
    for (const std::string& stem : stems) {
        const Field* opening = section.Find(stem + "_KISYU");
        const Field* closing = section.Find(stem + "_KIMATU");
        if (stem == "JIGYOUNUSIKASI") {
            // The form prints 事業主貸 at the foot of the assets column.
            Row row;
            row.tag = stem + "_KIMATU";
            row.cells = {LabelOf(section.tag, stem, section), "",
                         closing ? Shown(closing->text, true) : ""};
            block.rows.push_back(std::move(row));
            block.rows.push_back(SumRow("資産合計", totals.assetsOpening, totals.assetsClosing));
            continue;
        }
        if (Unused(section, stem)) {
            continue;
        }
        Row row;
        row.tag = closing && stem == "KOUJYOMAESYOTOKUKINNGAKU" ? closing->tag : stem + "_KISYU";
        if (stem == "MOTOIREKIN") {
            row.tag = "MOTOIREKIN_KISYU";
        }
        row.cells = {LabelOf(section.tag, stem, section), opening ? Shown(opening->text, true) : "",
                     closing ? Shown(closing->text, true) : ""};
        block.rows.push_back(std::move(row));
    }
    block.rows.push_back(
        SumRow("負債・資本合計", totals.liabilitiesOpening, totals.liabilitiesClosing));
    return block;
}

Block List(const Section& section) {
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
        block.header.push_back(LabelOf(section.tag, tag, section));
        block.numeric.push_back(IsYen(section.tag, tag));
    }
    for (const Item& item : section.items) {
        Row row;
        row.cells.push_back(item.count > 0 ? std::to_string(item.count) : "");
        bool any = false;
        for (const std::string& tag : tags) {
            const std::string text = item.Text(tag);
            any = any || !text.empty();
            row.cells.push_back(Shown(text, IsYen(section.tag, tag)));
        }
        if (any) {  // the form's empty rows stay off the page
            block.rows.push_back(std::move(row));
        }
    }
    // Fields beside the items: the others line and the list totals.
    for (const Field& field : section.fields) {
        if (field.text.empty()) {
            continue;
        }
        Row row;
        row.tag = field.tag;
        row.cells.assign(block.header.size(), "");
        row.cells[0] = "";
        const std::string label = LabelOf(section.tag, field.tag, section);
        row.cells[std::min<std::size_t>(1, row.cells.size() - 1)] =
            label + " " + Shown(field.text, IsYen(section.tag, field.tag));
        block.rows.push_back(std::move(row));
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

std::string KindName(const Report& report) {
    switch (report.kind) {
        case IncomeKind::Business:
            return "事業所得（営業等）";
        case IncomeKind::Other:
            return "事業所得（農業・その他）";
        case IncomeKind::RealEstate:
            return "不動産所得";
    }
    return "";
}

}  // namespace

std::vector<Block> LayOut(const Report& report, const CheckResult& checks) {
    std::vector<Block> blocks;
    for (const Section& section : report.sections) {
        Block block;
        if (section.tag == "TAISYAKUTAISYOUHYO") {
            block = BalanceSheet(section);
        } else if (section.tag == "TOKUSYUJIJOU") {
            block = Notes(section);
        } else if (!section.items.empty() || section.tag == "FUDOUSANSYUUNYUU") {
            block = List(section);
        } else {
            block = Lines(section);
            if (section.tag == "SONEKIKEISANSYO") {
                const IncomeTotals t = ProfitAndLossTotals(section);
                block.rows.push_back(TotalRow("収入金額 計", t.revenue));
                if (!report.RealEstate()) {
                    block.rows.push_back(TotalRow("売上原価", t.costOfSales));
                    block.rows.push_back(TotalRow("差引金額", t.revenue - t.costOfSales));
                }
                block.rows.push_back(TotalRow("経費 計", t.expenses));
                if (t.reversals != 0) {
                    block.rows.push_back(TotalRow("繰戻額等 計", t.reversals));
                }
                block.rows.push_back(TotalRow("繰入額等・専従者 計", t.provisions));
                block.rows.push_back(TotalRow(
                    report.Blue() ? "青色申告特別控除前の所得金額" : "所得金額", t.income));
            } else if (section.tag == "SEIZOUGENKA") {
                const std::int64_t materials = section.Yen("KISYUGENZAIRYOUTANAOROSIDAKA") +
                                               section.Yen("GENZAIRYOUSIIREDAKA") -
                                               section.Yen("KIMATUGENZAIRYOUTANAOROSIDAKA");
                std::int64_t others = 0;
                for (const Field& field : section.fields) {
                    const std::string& tag = field.tag;
                    if (tag.ends_with("_KAMOKU") || tag.find("GENZAIRYOU") != std::string::npos ||
                        tag == "ROUMUHI" || tag.find("HANSEIHIN") != std::string::npos) {
                        continue;
                    }
                    others += ParseAmount(field.text).value_or(0);
                }
                const std::int64_t total = materials + section.Yen("ROUMUHI") + others;
                block.rows.push_back(TotalRow("原材料費", materials));
                block.rows.push_back(TotalRow("その他の製造経費 計", others));
                block.rows.push_back(TotalRow("総製造費", total));
                block.rows.push_back(TotalRow(
                    "製品製造原価",
                    total + section.Yen("KISYUHANSEIHIN") - section.Yen("KIMATUHANSEIHIN")));
            } else if (section.tag == "TUKIBETUURIAGESHIIRE") {
                std::int64_t sales = 0, purchases = 0;
                for (int m = 1; m <= 12; ++m) {
                    sales += section.Yen("URIAGEKINGAKU" + std::to_string(m));
                    purchases += section.Yen("SIIREKINGAKU" + std::to_string(m));
                }
                block.rows.push_back(
                    TotalRow("売上 計（家事消費・雑収入を含む）",
                             sales + section.Yen("KAJISYOUHI") + section.Yen("ZATUSYUNYU")));
                block.rows.push_back(TotalRow("仕入 計", purchases));
            }
        }
        block.tag = section.tag;
        block.title = std::string(SectionTitle(section.tag, report.RealEstate()));
        Attach(block, checks);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::string Heading(const Report& report) {
    return report.basic.Text("KOMONSAKINAME") + "　" + KindName(report) + "　" +
           (report.Blue() ? "青色申告" : "白色申告") + "　" + report.basic.Text("JIGYOUNENDOFROM") +
           "–" + report.basic.Text("JIGYOUNENDOTO");
}

}  // namespace inspect::layout
