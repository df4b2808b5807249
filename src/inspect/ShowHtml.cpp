#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/FormPages.h"
#include "inspect/Labels.h"
#include "inspect/Show.h"
#include "inspect/ShowChart.h"
#include "inspect/ShowLayout.h"
#include "platform/text/Markup.h"
#include "reportformat/Elements.h"
#include "reportformat/Sections.h"

namespace inspect {

using layout::Block;
using layout::Row;
using platform::markup::Escape;

namespace {

// Every page of the forms is A4 landscape, its blocks where the form has
// them; continuation sheets likewise; the comparison with last year follows
// on portrait pages. Words are never broken inside a cell (keep-all: a
// Japanese name or address is one word).
constexpr const char* kStyle = R"(
@page { size: A4 landscape; margin: 8mm 9mm; }
@page comparison { size: A4 portrait; margin: 10mm; }
body { font-family: "IPAGothic", "IPAexGothic", "Noto Sans CJK JP", sans-serif; margin: 0; color: #111; }
section.page { break-after: page; }
section.page:last-of-type { break-after: auto; }
section.comparison { page: comparison; }
header.form { display: flex; justify-content: space-between; align-items: baseline; border-bottom: 2px solid #333; margin-bottom: 2mm; }
header.form h1 { font-size: 11pt; margin: 0; }
header.form span { font-size: 8pt; }
div.columns { display: grid; grid-auto-flow: column; grid-auto-columns: minmax(0, auto); gap: 4mm; align-items: start; }
div.block { break-inside: avoid; margin-bottom: 2.5mm; }
h2 { font-size: 8.5pt; margin: 0 0 .6mm; }
table { border-collapse: collapse; width: 100%; }
thead { display: table-header-group; }
tr { break-inside: avoid; }
th, td { border: 1px solid #777; padding: .2mm 1mm; font-size: 7pt; line-height: 1.25; word-break: keep-all; overflow-wrap: normal; }
th { background: #eee; font-weight: normal; }
table.header th { width: 7em; text-align: left; }
table.header td { width: 22%; }
td:empty::after { content: "\00a0"; }
td.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.no { text-align: center; white-space: nowrap; width: 1.6em; }
tr.total td { font-weight: bold; border-top: 1.5px solid #333; }
tr.heading td { background: #f4f4f4; }
tr.warning td { background: #fff4cc; }
tr.error td { background: #ffd6d6; }
tr.moved td.change { background: #dde8ff; font-weight: bold; }
span.mark { font-size: 6.5pt; color: #7a4b00; margin-right: .3em; }
p.note, p.footnote { font-size: 6.5pt; margin: .4mm 0 0; color: #444; }
ul.findings { font-size: 6.5pt; margin: .5mm 0 0; padding-left: 4mm; }
li.error { color: #a00000; }
li.warning { color: #7a4b00; }
p.legend { font-size: 8pt; }
svg text { font-size: 10px; }
@media print { * { -webkit-print-color-adjust: exact; print-color-adjust: exact; } }
)";

// Entries of a list per continuation sheet.
constexpr std::size_t kEntriesPerSheet = 30;

std::string RowClass(const Row& row) {
    std::string cls = row.total ? "total" : row.heading ? "heading" : "";
    std::string finding;
    for (const Finding* f : row.findings) {
        finding =
            f->severity == Severity::Error ? "error" : (finding == "error" ? finding : "warning");
    }
    for (const std::string& more : {finding, std::string(row.moved ? "moved" : "")}) {
        if (!more.empty()) {
            cls += (cls.empty() ? "" : " ") + more;
        }
    }
    return cls.empty() ? "" : " class=\"" + cls + "\"";
}

// A cell's text, its lines kept.
std::string Lines(const std::string& text) {
    std::string out = Escape(text);
    for (std::size_t at = out.find('\n'); at != std::string::npos; at = out.find('\n', at)) {
        out.replace(at, 1, "<br>");
    }
    return out;
}

bool Numbered(const Block& block) {
    return std::any_of(block.rows.begin(), block.rows.end(),
                       [](const Row& r) { return !r.number.empty(); });
}

std::string Head(const Block& block) {
    if (block.header.empty()) {
        return "";
    }
    const std::string number = Numbered(block) ? "<th>No.</th>" : "";
    const bool grouped = std::any_of(block.groups.begin(), block.groups.end(),
                                     [](const std::string& g) { return !g.empty(); });
    std::string out = "<thead>";
    if (grouped) {
        out += "<tr>" + number;
        for (std::size_t c = 0; c < block.header.size();) {
            std::size_t end = c + 1;
            const std::string group = c < block.groups.size() ? block.groups[c] : "";
            while (!group.empty() && end < block.groups.size() && block.groups[end] == group) {
                ++end;
            }
            out += group.empty() ? "<th rowspan=\"2\">" + Escape(block.header[c]) + "</th>"
                                 : "<th colspan=\"" + std::to_string(end - c) + "\">" +
                                       Escape(group) + "</th>";
            c = end;
        }
        out += "</tr><tr>";
        for (std::size_t c = 0; c < block.header.size(); ++c) {
            if (c < block.groups.size() && !block.groups[c].empty()) {
                out += "<th>" + Escape(block.header[c]) + "</th>";
            }
        }
        return out + "</tr></thead>\n";
    }
    out += "<tr>" + number;
    for (const std::string& cell : block.header) {
        out += "<th>" + Escape(cell) + "</th>";
    }
    return out + "</tr></thead>\n";
}

std::string Cells(const Block& block, const Row& row, bool numbered) {
    std::string out = numbered ? "<td class=\"no\">" + Escape(row.number) + "</td>" : "";
    if (row.heading) {
        return out + "<td colspan=\"" + std::to_string(block.header.size()) + "\">" +
               Escape(row.cells.empty() ? "" : row.cells[0]) +
               (row.cells.size() > 1 ? "　" + Escape(row.cells[1]) : "") + "</td>";
    }
    // The change and its rate, when compared: the last two columns.
    const bool compared = block.header.size() == 5 && !block.list;
    for (std::size_t c = 0; c < block.header.size(); ++c) {
        const std::string text = c < row.cells.size() ? row.cells[c] : "";
        const bool numeric = c < block.numeric.size() && block.numeric[c];
        const bool change = compared && c >= 3;
        const std::string mark = numeric && c == 1 && !row.mark.empty()
                                     ? "<span class=\"mark\">" + Escape(row.mark) + "</span>"
                                     : "";
        out += std::string(numeric ? (change ? "<td class=\"num change\">" : "<td class=\"num\">")
                                   : "<td>") +
               mark + Lines(text) + "</td>";
    }
    return out;
}

std::string Rows(const Block& block, std::size_t from, std::size_t to) {
    const bool numbered = Numbered(block);
    std::string out;
    for (std::size_t at = from; at < to && at < block.rows.size(); ++at) {
        const Row& row = block.rows[at];
        out += "<tr" + (row.tag.empty() ? std::string() : " data-tag=\"" + Escape(row.tag) + "\"") +
               RowClass(row) + ">" + Cells(block, row, numbered) + "</tr>\n";
    }
    return out;
}

std::string Findings(const Block& block) {
    if (block.findings.empty()) {
        return "";
    }
    std::string out = "<ul class=\"findings\">\n";
    for (const Finding* f : block.findings) {
        const char* severity = f->severity == Severity::Error ? "error" : "warning";
        out += std::string("<li class=\"") + severity + "\">[" + Escape(f->rule) + "] " +
               Escape(f->japanese) + "<br>" + Escape(f->english) + "</li>\n";
    }
    return out + "</ul>\n";
}

// An entry of a list (not the others, a line after the entries or the 計).
bool IsEntry(const Row& row) {
    return !row.total && row.tag.empty() && !row.heading;
}

std::size_t EntriesOf(const Block& block) {
    std::size_t n = 0;
    while (n < block.rows.size() && IsEntry(block.rows[n])) {
        ++n;
    }
    return n;
}

// A block, or the rows of a statement from one line to another: the form's
// rows of a long list, the rest continuing on sheets of their own.
std::string BlockHtml(const Block& block, const pages::Part& part, bool findings) {
    std::size_t from = 0, to = block.rows.size();
    const auto indexOf = [&block](std::string_view number) {
        std::size_t at = 0;
        while (at < block.rows.size() && block.rows[at].number != number) {
            ++at;
        }
        // The group labels just above a line go with it.
        while (at > 0 && at < block.rows.size() && block.rows[at - 1].heading) {
            --at;
        }
        return at;
    };
    if (!part.from.empty()) {
        from = indexOf(part.from);
    }
    if (!part.to.empty()) {
        to = indexOf(part.to);
    }
    std::string body;
    std::string note = block.note;
    const std::size_t entries = EntriesOf(block);
    if (block.formRows > 0 && entries > block.formRows) {
        body = Rows(block, 0, block.formRows) + Rows(block, entries, block.rows.size());
        note = "（" + std::to_string(entries - block.formRows) + " 件は別紙に続きます）";
    } else {
        body = Rows(block, from, to);
    }
    std::string out = "<div class=\"block\" id=\"" + Escape(block.id) +
                      (part.from.empty() ? "" : "-" + Escape(part.from)) + "\">\n";
    if (part.from.empty()) {
        out += "<h2>" + Escape(block.title) + "</h2>\n";
    }
    if (!block.rows.empty()) {
        out += "<table>\n" + Head(block) + "<tbody>\n" + body + "</tbody>\n</table>\n";
    }
    if (!note.empty() && part.to.empty()) {
        out += "<p class=\"note\">" + Escape(note) + "</p>\n";
    }
    return out + (findings && part.to.empty() ? Findings(block) : "") + "</div>\n";
}

std::string PageHeader(const layout::Layout& laid, const Report& report, std::size_t page,
                       const std::string& extra) {
    const Block* header = laid.Find(pages::kHeader);
    return "<header class=\"form\"><h1>" + Escape(header ? header->title : "") + "</h1><span>" +
           Escape(layout::Heading(report)[0]) + "　" + std::to_string(page) + "ページ" + extra +
           "</span></header>\n";
}

// The header of the form: its fields three to a row.
std::string HeaderHtml(const Block& block) {
    std::string out =
        "<div class=\"block\" id=\"" + Escape(block.id) + "\">\n<table class=\"header\">\n";
    constexpr std::size_t kPerRow = 3;
    for (std::size_t at = 0; at < block.rows.size(); at += kPerRow) {
        out += "<tr>";
        for (std::size_t k = at; k < at + kPerRow; ++k) {
            const Row* row = k < block.rows.size() ? &block.rows[k] : nullptr;
            out += "<th>" + Escape(row ? row->cells[0] : "") + "</th><td>" +
                   Escape(row ? row->cells[1] : "") + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n<p class=\"note\">" + Escape(block.note) + "</p>\n</div>\n";
}

std::string Parts(const layout::Layout& laid, const std::vector<pages::Part>& parts) {
    std::string out;
    for (const pages::Part& part : parts) {
        if (const Block* block = laid.Find(part.block)) {
            out += block->id == pages::kHeader ? HeaderHtml(*block) : BlockHtml(*block, part, true);
        }
    }
    return out;
}

std::string FormPage(const layout::Layout& laid, const Report& report, const pages::Page& page,
                     std::size_t number, const std::string& summary) {
    std::string out = "<section class=\"page\" id=\"page-" + std::to_string(number) + "\">\n" +
                      PageHeader(laid, report, number, number == 1 ? summary : "") +
                      Parts(laid, page.top);
    if (!page.columns.empty()) {
        out += "<div class=\"columns\">\n";
        for (const std::vector<pages::Part>& column : page.columns) {
            out += "<div class=\"column\">\n" + Parts(laid, column) + "</div>\n";
        }
        out += "</div>\n";
    }
    out += Parts(laid, page.bottom);
    if (number == 1) {
        for (const layout::Footnote& note : laid.footnotes) {
            out += "<p class=\"footnote\">" + Escape(note.mark + " " + note.text) + "</p>\n";
        }
    }
    return out + "</section>\n";
}

// The entries past the form's rows, on sheets of their own.
std::string ContinuationSheets(const Block& block) {
    const std::size_t entries = EntriesOf(block);
    std::string out;
    int sheet = 0;
    for (std::size_t at = block.formRows; block.formRows > 0 && at < entries;
         at += kEntriesPerSheet) {
        out += "<section class=\"page continuation\">\n<div class=\"block\">\n<h2>" +
               Escape(block.title + "（別紙 " + std::to_string(++sheet) + "）") +
               "</h2>\n<table>\n" + Head(block) + "<tbody>\n" +
               Rows(block, at, std::min(entries, at + kEntriesPerSheet)) +
               "</tbody>\n</table>\n</div>\n</section>\n";
    }
    return out;
}

std::string ComparisonPages(const layout::Layout& laid, const Report& report,
                            const ShowOptions& options) {
    std::string out;
    const std::string legend = "<p class=\"legend\">前年分の出力ファイル（" +
                               Escape(layout::Heading(*options.previous)[1]) +
                               "）と比べた増減。色の付いた増減は前年から " +
                               std::to_string(options.threshold) + "% 以上かつ " +
                               WithSeparators(options.minChange) + "円 以上（または " +
                               WithSeparators(10 * options.minChange) + "円 以上）の増減。</p>\n";
    for (const Block& block : laid.comparison) {
        out += "<section class=\"page comparison\" id=\"compare-" + Escape(block.id) + "\">\n" +
               "<header class=\"form\"><h1>前年比較</h1><span>" +
               Escape(layout::Heading(report)[0]) + "</span></header>\n" + legend;
        if (block.id == reportformat::section::kMonthly) {
            const std::optional<layout::Monthly> now = layout::MonthlyFigures(report);
            const std::optional<layout::Monthly> before = layout::MonthlyFigures(*options.previous);
            if (now && before) {
                out += layout::Chart(*now, *before);
            }
        }
        out += BlockHtml(block, {}, false) + "</section>\n";
    }
    return out;
}

}  // namespace

std::string ShowHtml(const Report& report, const CheckResult& checks, const ShowOptions& options) {
    const layout::Layout laid = layout::LayOut(report, checks, options);
    std::string heading;
    for (const std::string& part : layout::Heading(report)) {
        heading += (heading.empty() ? "" : "　") + part;
    }
    const std::string summary = "　確認: エラー " + std::to_string(checks.Count(Severity::Error)) +
                                " 件、警告 " + std::to_string(checks.Count(Severity::Warning)) +
                                " 件";
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape(heading) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    std::size_t number = 0;
    for (const pages::Page& page : pages::FormPages(FormOf(report))) {
        out += FormPage(laid, report, page, ++number, summary);
    }
    for (const Block& block : laid.blocks) {
        out += ContinuationSheets(block);
    }
    if (options.previous != nullptr) {
        out += ComparisonPages(laid, report, options);
    }
    return out + "</body>\n</html>\n";
}

}  // namespace inspect
