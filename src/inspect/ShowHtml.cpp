#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/Show.h"
#include "inspect/ShowLayout.h"
#include "platform/text/Markup.h"
#include "reportformat/Elements.h"

namespace inspect {

using layout::Block;
using layout::Row;
using platform::markup::Escape;

namespace {

// A4 portrait; lists of many columns on landscape pages of their own. Words
// are never broken inside (keep-all: a Japanese name or address is one
// word), so a cell is as wide as its longest word.
constexpr const char* kStyle = R"(
@page { size: A4 portrait; margin: 12mm 10mm; }
@page wide { size: A4 landscape; margin: 10mm; }
body { font-family: "IPAGothic", "IPAexGothic", "Noto Sans CJK JP", sans-serif; margin: 1.5em; color: #111; }
h1 { font-size: 1.2em; border-bottom: 2px solid #333; padding-bottom: .3em; }
h2 { font-size: 1.05em; margin: 1.4em 0 .4em; }
section.statement { break-before: page; }
section.statement:first-of-type { break-before: auto; }
section.wide { page: wide; }
section.short { break-inside: avoid; }
table { border-collapse: collapse; margin-bottom: .5em; }
thead { display: table-header-group; }
table.part { break-inside: avoid; }
tr { break-inside: avoid; }
th, td { border: 1px solid #999; padding: .1em .4em; font-size: 9pt; word-break: keep-all; overflow-wrap: normal; }
section.wide th, section.wide td { font-size: 8pt; padding: .05em .3em; }
th { background: #eee; font-weight: normal; }
td.num { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
td.no { text-align: center; white-space: nowrap; }
tr.total td { font-weight: bold; border-top: 2px solid #333; }
tr.heading td { background: #f6f6f6; }
tr.warning td { background: #fff4cc; }
tr.error td { background: #ffd6d6; }
tr.moved td.change { background: #dde8ff; font-weight: bold; }
td.note { border: none; font-size: .8em; color: #7a4b00; }
tr.error td.note { color: #a00000; }
ul.findings { font-size: .85em; margin: .2em 0 1em; }
li.error { color: #a00000; }
li.warning { color: #7a4b00; }
p.legend { font-size: .85em; }
span.moved { background: #dde8ff; font-weight: bold; padding: 0 .3em; }
svg text { font-size: 11px; }
@media print { body { margin: 0; } * { -webkit-print-color-adjust: exact; print-color-adjust: exact; } }
)";

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

std::string Cells(const Block& block, const Row& row, bool numbered) {
    std::string out = numbered ? "<td class=\"no\">" + Escape(row.number) + "</td>" : "";
    if (row.heading || (block.list && row.total)) {
        const std::size_t span = block.header.size() - (row.cells.size() > 1 ? 1 : 0);
        out += "<td colspan=\"" + std::to_string(span) + "\">" + Escape(row.cells[0]) + "</td>";
        if (row.cells.size() > 1) {
            out += "<td class=\"num\">" + Escape(row.cells[1]) + "</td>";
        }
        return out;
    }
    // The change and its rate, when compared: the last two columns.
    const std::size_t change = block.list ? block.header.size() : block.header.size() - 2;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        const bool numeric = c < block.numeric.size() && block.numeric[c];
        const bool changed = block.header.size() > 3 && c >= change && !block.list;
        out += std::string(numeric ? (changed ? "<td class=\"num change\">" : "<td class=\"num\">")
                                   : "<td>") +
               Escape(row.cells[c]) + "</td>";
    }
    if (!row.findings.empty()) {
        out += "<td class=\"note\">";
        for (const Finding* f : row.findings) {
            out += Escape(f->rule) + " ";
        }
        out += "</td>";
    }
    return out;
}

// Entries of a list per table: a long list is printed as tables of this
// many entries, each kept on one page with its header, since one table of
// thousands of rows is more than a browser paginates in reasonable time.
constexpr std::size_t kEntriesPerTable = 30;

std::string Table(const Block& block) {
    const bool numbered = std::any_of(block.rows.begin(), block.rows.end(),
                                      [](const Row& r) { return !r.number.empty(); });
    std::string head;
    if (!block.header.empty()) {
        head = "<thead><tr>" + std::string(numbered ? "<th>No.</th>" : "");
        for (const std::string& cell : block.header) {
            head += "<th>" + Escape(cell) + "</th>";
        }
        head += "</tr></thead>\n";
    }
    const std::size_t perTable = block.list ? kEntriesPerTable : block.rows.size();
    std::string out;
    std::size_t at = 0;
    do {
        const std::size_t end = std::min(block.rows.size(), at + perTable);
        out +=
            std::string(block.list ? "<table class=\"part\">\n" : "<table>\n") + head + "<tbody>\n";
        for (; at < end; ++at) {
            const Row& row = block.rows[at];
            out += "<tr" +
                   (row.tag.empty() ? std::string() : " data-tag=\"" + Escape(row.tag) + "\"") +
                   RowClass(row) + ">" + Cells(block, row, numbered) + "</tr>\n";
        }
        out += "</tbody>\n</table>\n";
    } while (at < block.rows.size());
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

// Bars of `figures` (twelve per series), side by side in each month; heights
// in proportion to the yen, from one baseline, losses below it.
std::string Chart(const layout::Monthly& now, const layout::Monthly* before) {
    struct Series {
        const std::int64_t* yen;
        const char* name;
        const char* colour;
    };
    std::vector<Series> series = {{now.sales, "売上（本年）", "#2f6db5"}};
    if (before != nullptr) {
        series.push_back({before->sales, "売上（前年）", "#9cbce3"});
    }
    series.push_back({now.purchases, "仕入（本年）", "#c0702a"});
    if (before != nullptr) {
        series.push_back({before->purchases, "仕入（前年）", "#ecc29b"});
    }
    std::int64_t top = 1, bottom = 0;
    for (const Series& s : series) {
        for (int m = 0; m < 12; ++m) {
            top = std::max(top, s.yen[m]);
            bottom = std::min(bottom, s.yen[m]);
        }
    }
    const int width = 720, plot = 200, left = 20, slot = 56;
    const double scale = static_cast<double>(plot) / static_cast<double>(top - bottom);
    const int baseline = 30 + static_cast<int>(static_cast<double>(top) * scale);
    const int bar = (slot - 8) / static_cast<int>(series.size());
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(plot + 70) +
                      "\" role=\"img\">\n";
    for (std::size_t k = 0; k < series.size(); ++k) {
        const int x = left + static_cast<int>(k) * 150;
        out += "<rect x=\"" + std::to_string(x) + "\" y=\"6\" width=\"10\" height=\"10\" fill=\"" +
               series[k].colour + "\"/><text x=\"" + std::to_string(x + 14) + "\" y=\"15\">" +
               Escape(series[k].name) + "</text>\n";
    }
    for (int m = 0; m < 12; ++m) {
        const int x0 = left + m * slot;
        for (std::size_t k = 0; k < series.size(); ++k) {
            const std::int64_t yen = series[k].yen[m];
            const double h = static_cast<double>(yen < 0 ? -yen : yen) * scale;
            const double y = yen < 0 ? baseline : baseline - h;
            out += "<rect class=\"bar\" data-yen=\"" + std::to_string(yen) + "\" x=\"" +
                   std::to_string(x0 + static_cast<int>(k) * bar) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(bar - 1) + "\" height=\"" + std::to_string(h) +
                   "\" fill=\"" + series[k].colour + "\"/>\n";
        }
        out += "<text x=\"" + std::to_string(x0 + 10) + "\" y=\"" + std::to_string(plot + 60) +
               "\">" + std::to_string(m + 1) + "月</text>\n";
    }
    out += "<line x1=\"" + std::to_string(left) + "\" x2=\"" + std::to_string(left + 12 * slot) +
           "\" y1=\"" + std::to_string(baseline) + "\" y2=\"" + std::to_string(baseline) +
           "\" stroke=\"#333\"/>\n";
    return out + "</svg>\n";
}

}  // namespace

std::string ShowHtml(const Report& report, const CheckResult& checks, const ShowOptions& options) {
    std::string heading;
    for (const std::string& part : layout::Heading(report)) {
        heading += (heading.empty() ? "" : "　") + part;
    }
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape(heading) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" +
        Escape(heading) + "</h1>\n";
    out += "<p class=\"summary\">チェック: エラー " +
           std::to_string(checks.Count(Severity::Error)) + " 件、警告 " +
           std::to_string(checks.Count(Severity::Warning)) + " 件</p>\n";
    if (options.previous != nullptr) {
        out += "<p class=\"legend\"><span class=\"moved\">増減</span> 前年から " +
               std::to_string(options.threshold) + "% を超えて増減した行</p>\n";
    }
    const std::optional<layout::Monthly> now = layout::MonthlyFigures(report);
    const std::optional<layout::Monthly> before =
        options.previous ? layout::MonthlyFigures(*options.previous) : std::nullopt;
    for (const Block& block : layout::LayOut(report, checks, options)) {
        const bool wide = block.list && block.header.size() > 8;
        const bool statement = !block.list && block.tag != reportformat::section::kSpecialNotes;
        std::string cls = wide ? "wide" : statement ? "statement" : "";
        if (block.rows.size() <= 40) {
            cls += cls.empty() ? "short" : " short";
        }
        out += "<section id=\"" + Escape(block.tag) + "\" class=\"" + cls + "\">\n<h2>" +
               Escape(block.title) + "</h2>\n";
        if (block.tag == reportformat::section::kMonthly && now) {
            out += Chart(*now, before ? &*before : nullptr);
        }
        out += Table(block) + Findings(block) + "</section>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace inspect
