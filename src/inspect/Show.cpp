#include "inspect/Show.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/Labels.h"

namespace inspect {

namespace {

// One printed line of a statement: a label and up to two values (the balance
// sheet's start and end of period), or the cells of a list row.
struct Row {
    std::string tag;
    std::vector<std::string> cells;  // first cell: the label
    bool total = false;
    std::vector<const Finding*> findings;
};

struct Block {
    std::string tag;
    std::string title;
    std::vector<std::string> header;  // empty: a statement of labelled lines
    std::vector<bool> numeric;        // per column: right-aligned
    std::vector<Row> rows;
    std::vector<const Finding*> findings;  // all findings of the section
};

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
            Row sum;
            sum.cells = {"資産合計", WithSeparators(totals.assetsOpening),
                         WithSeparators(totals.assetsClosing)};
            sum.total = true;
            block.rows.push_back(std::move(sum));
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
    Row sum;
    sum.cells = {"負債・資本合計", WithSeparators(totals.liabilitiesOpening),
                 WithSeparators(totals.liabilitiesClosing)};
    sum.total = true;
    block.rows.push_back(std::move(sum));
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

std::string Heading(const Report& report) {
    return report.basic.Text("KOMONSAKINAME") + "　" + KindName(report) + "　" +
           (report.Blue() ? "青色申告" : "白色申告") + "　" + report.basic.Text("JIGYOUNENDOFROM") +
           "–" + report.basic.Text("JIGYOUNENDOTO");
}

// Columns a terminal gives a character: East Asian wide and full-width forms take two.
int DisplayWidth(const std::string& text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = b;
        int length = 1;
        if (b >= 0xF0) {
            length = 4;
            cp = b & 0x07u;
        } else if (b >= 0xE0) {
            length = 3;
            cp = b & 0x0Fu;
        } else if (b >= 0xC0) {
            length = 2;
            cp = b & 0x1Fu;
        }
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            cp = (cp << 6) |
                 (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        }
        i += static_cast<std::size_t>(length);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000 ||
                          (cp >= 0x2460 && cp <= 0x24FF) || (cp >= 0x3000 && cp <= 0x303F);
        width += wide ? 2 : 1;
    }
    return width;
}

std::string Pad(const std::string& text, int width, bool right) {
    const int gap = std::max(0, width - DisplayWidth(text));
    return right ? std::string(static_cast<std::size_t>(gap), ' ') + text
                 : text + std::string(static_cast<std::size_t>(gap), ' ');
}

const char* Mark(const Finding& f) {
    return f.severity == Severity::Error ? "!!" : "!";
}

}  // namespace

std::string ShowText(const Report& report, const CheckResult& checks) {
    std::string out = Heading(report) + "\n";
    for (const Block& block : LayOut(report, checks)) {
        out += "\n■ " + block.title + "\n";
        const std::size_t columns = block.header.empty() ? 2 : block.header.size();
        std::vector<int> widths(columns, 0);
        auto measure = [&widths](const std::vector<std::string>& cells) {
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
            }
        };
        if (!block.header.empty()) {
            measure(block.header);
        }
        for (const Row& row : block.rows) {
            // Lines beside a list span the table; they do not widen its columns.
            if (block.header.empty() || row.tag.empty() || block.header.size() <= 3) {
                measure(row.cells);
            }
        }
        auto print = [&](const std::vector<std::string>& cells, bool total) {
            std::string line = "  ";
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                const bool right = block.header.empty() ? c > 0 : block.numeric[c];
                line += (c > 0 ? "  " : "") + Pad(cells[c], widths[c], right);
            }
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            return (total ? "  " + line.substr(2) : line);
        };
        if (!block.header.empty()) {
            out += print(block.header, false) + "\n";
        }
        for (const Row& row : block.rows) {
            std::string line = print(row.cells, row.total);
            for (const Finding* f : row.findings) {
                line += "  " + std::string(Mark(*f)) + " " + f->rule;
            }
            out += line + "\n";
        }
        for (const Finding* f : block.findings) {
            out += std::string("  ") + Mark(*f) + " " +
                   (f->severity == Severity::Error ? "エラー" : "警告") + " [" + f->rule + "] " +
                   f->japanese + "\n";
        }
    }
    return out;
}

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

constexpr const char* kStyle = R"(
body { font-family: "IPAGothic", "IPAexGothic", "Noto Sans CJK JP", sans-serif; margin: 1.5em; color: #111; }
h1 { font-size: 1.2em; border-bottom: 2px solid #333; padding-bottom: .3em; }
h2 { font-size: 1.05em; margin: 1.4em 0 .4em; }
section { break-inside: avoid; page-break-inside: avoid; }
table { border-collapse: collapse; margin-bottom: .5em; }
th, td { border: 1px solid #999; padding: .15em .5em; font-size: .9em; }
th { background: #eee; font-weight: normal; }
td.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
tr.total td { font-weight: bold; border-top: 2px solid #333; }
tr.warning td { background: #fff4cc; }
tr.error td { background: #ffd6d6; }
td.note { border: none; font-size: .8em; color: #7a4b00; }
tr.error td.note { color: #a00000; }
ul.findings { font-size: .85em; margin: .2em 0 1em; }
li.error { color: #a00000; }
li.warning { color: #7a4b00; }
@media print { body { margin: 0; } tr.warning td, tr.error td { -webkit-print-color-adjust: exact; print-color-adjust: exact; } }
)";

}  // namespace

std::string ShowHtml(const Report& report, const CheckResult& checks) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape(Heading(report)) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" +
        Escape(Heading(report)) + "</h1>\n";
    out += "<p class=\"summary\">チェック: エラー " +
           std::to_string(checks.Count(Severity::Error)) + " 件、警告 " +
           std::to_string(checks.Count(Severity::Warning)) + " 件</p>\n";
    for (const Block& block : LayOut(report, checks)) {
        out += "<section id=\"" + Escape(block.tag) + "\">\n<h2>" + Escape(block.title) +
               "</h2>\n<table>\n";
        if (!block.header.empty()) {
            out += "<tr>";
            for (const std::string& cell : block.header) {
                out += "<th>" + Escape(cell) + "</th>";
            }
            out += "</tr>\n";
        }
        for (const Row& row : block.rows) {
            std::string cls = row.total ? "total" : "";
            for (const Finding* f : row.findings) {
                cls = f->severity == Severity::Error ? "error" : (cls == "error" ? cls : "warning");
            }
            out += "<tr" +
                   (row.tag.empty() ? std::string() : " data-tag=\"" + Escape(row.tag) + "\"") +
                   (cls.empty() ? std::string() : " class=\"" + cls + "\"") + ">";
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                const bool numeric =
                    block.header.empty() ? c > 0 : c < block.numeric.size() && block.numeric[c];
                out += std::string(numeric ? "<td class=\"num\">" : "<td>") + Escape(row.cells[c]) +
                       "</td>";
            }
            if (!row.findings.empty()) {
                out += "<td class=\"note\">";
                for (const Finding* f : row.findings) {
                    out += Escape(f->rule) + " ";
                }
                out += "</td>";
            }
            out += "</tr>\n";
        }
        out += "</table>\n";
        if (!block.findings.empty()) {
            out += "<ul class=\"findings\">\n";
            for (const Finding* f : block.findings) {
                const char* severity = f->severity == Severity::Error ? "error" : "warning";
                out += std::string("<li class=\"") + severity + "\">[" + Escape(f->rule) + "] " +
                       Escape(f->japanese) + "<br>" + Escape(f->english) + "</li>\n";
            }
            out += "</ul>\n";
        }
        out += "</section>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace inspect
