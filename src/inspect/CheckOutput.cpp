#include "inspect/CheckOutput.h"

#include <nlohmann/json.hpp>

#include "core/ConsoleTexts.h"

namespace inspect {

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// Texts that are not UTF-8 cannot reach here (the reader decoded them), but
// a JSON writer must never throw out of this subsystem.
std::string Dump(const nlohmann::ordered_json& doc) {
    return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace

// Element names stay out of the text: the findings say where in the form's
// words; --json carries the names beside them.
// Each line indented by two.
std::string Indented(const std::string& text, std::string_view indent) {
    std::string out(indent);
    for (const char c : text) {
        out += c;
        if (c == '\n') {
            out += indent;
        }
    }
    return out + "\n";
}

std::string CheckText(const Report& report, const CheckResult& result) {
    std::string out;
    for (const Finding& f : result.findings) {
        out += report.name + ": " + core::ConsoleLine(SeverityName(f.severity)) + " [" + f.rule +
               "] " + f.where + "\n" +
               Indented(core::InConsoleLanguage(f.japanese, f.english), "  ");
    }
    // The rules run, wrapped to fit 80 columns.
    std::string ran = " ", skipped;
    std::size_t column = 2;
    for (const RuleRun& rule : result.rules) {
        if (rule.ran) {
            const bool first = ran.size() == 1;
            if (!first && column + rule.rule.size() + 2 > 78) {
                ran += ",\n ";
                column = 2;
            } else if (!first) {
                ran += ",";
                ++column;
            }
            ran += " " + rule.rule;
            column += rule.rule.size() + 1;
        } else {
            skipped += "  " + rule.rule + ":\n" +
                       Indented(core::InConsoleLanguage(rule.reasonJapanese, rule.reason), "    ");
        }
    }
    out += core::ConsoleLine("rules run:") + "\n" + ran + "\n";
    if (!skipped.empty()) {
        out += core::ConsoleLine("rules skipped:") + "\n" + skipped;
    }
    const std::string errors = std::to_string(result.Count(Severity::Error));
    const std::string warnings = std::to_string(result.Count(Severity::Warning));
    out += core::ConsoleLine("{} error(s), {} warning(s)", {errors, warnings}) + "\n";
    return out;
}

std::string CheckJson(const Report& report, const CheckResult& result) {
    nlohmann::ordered_json doc;
    doc["file"] = report.name;
    doc["errors"] = result.Count(Severity::Error);
    doc["warnings"] = result.Count(Severity::Warning);
    doc["findings"] = nlohmann::ordered_json::array();
    for (const Finding& f : result.findings) {
        nlohmann::ordered_json finding;
        finding["rule"] = f.rule;
        finding["severity"] = SeverityName(f.severity);
        finding["section"] = f.section;
        finding["tags"] = f.tags;
        finding["where"] = f.where;
        nlohmann::ordered_json figures = nlohmann::ordered_json::object();
        for (const Figure& figure : f.figures) {
            figures[figure.name] = figure.yen;
        }
        finding["figures"] = figures;
        finding["ja"] = f.japanese;
        finding["en"] = f.english;
        doc["findings"].push_back(finding);
    }
    doc["rules"] = nlohmann::ordered_json::array();
    for (const RuleRun& rule : result.rules) {
        nlohmann::ordered_json entry;
        entry["rule"] = rule.rule;
        entry["ran"] = rule.ran;
        if (!rule.ran) {
            entry["reason"] = rule.reason;
            entry["reason_ja"] = rule.reasonJapanese;
        }
        doc["rules"].push_back(entry);
    }
    return Dump(doc);
}

std::string UnreadableJson(const ReadError& error) {
    nlohmann::ordered_json doc;
    doc["file"] = error.file;
    doc["unreadable"] = true;
    doc["line"] = error.line;
    doc["error"] = error.message;
    doc["error_ja"] = error.japanese;
    if (!error.element.empty()) {
        doc["element"] = error.element;
    }
    if (!error.detail.empty()) {
        doc["detail"] = error.detail;
    }
    return Dump(doc);
}

}  // namespace inspect
