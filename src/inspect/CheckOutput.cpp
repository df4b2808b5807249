#include "inspect/CheckOutput.h"

#include <nlohmann/json.hpp>

namespace inspect {

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

}  // namespace

std::string CheckText(const Report& report, const CheckResult& result) {
    std::string out;
    for (const Finding& f : result.findings) {
        out += report.name + ": " + SeverityName(f.severity) + " [" + f.rule + "] " + f.section;
        for (const std::string& tag : f.tags) {
            out += " " + tag;
        }
        out += "\n  " + f.japanese + "\n  " + f.english + "\n";
    }
    std::string ran, skipped;
    for (const RuleRun& rule : result.rules) {
        if (rule.ran) {
            ran += (ran.empty() ? "" : ", ") + rule.rule;
        } else {
            skipped += "  " + rule.rule + ": " + rule.reason + "\n";
        }
    }
    out += "rules run: " + ran + "\n";
    if (!skipped.empty()) {
        out += "rules skipped:\n" + skipped;
    }
    out += std::to_string(result.Count(Severity::Error)) + " error(s), " +
           std::to_string(result.Count(Severity::Warning)) + " warning(s)\n";
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
        }
        doc["rules"].push_back(entry);
    }
    // Texts that are not UTF-8 cannot reach here (the reader decoded them), but
    // a JSON writer must never throw out of this subsystem.
    return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace inspect
