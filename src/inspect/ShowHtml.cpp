#include "inspect/Show.h"

#include <string>

#include "inspect/ShowLayout.h"
#include "platform/text/Markup.h"

namespace inspect {

using layout::Block;
using layout::Row;
using platform::markup::Escape;

namespace {

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
        Escape(layout::Heading(report)) + "</title>\n<style>" + kStyle +
        "</style>\n</head>\n<body>\n<h1>" + Escape(layout::Heading(report)) + "</h1>\n";
    out += "<p class=\"summary\">チェック: エラー " +
           std::to_string(checks.Count(Severity::Error)) + " 件、警告 " +
           std::to_string(checks.Count(Severity::Warning)) + " 件</p>\n";
    for (const Block& block : layout::LayOut(report, checks)) {
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
