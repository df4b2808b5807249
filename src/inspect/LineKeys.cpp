#include "inspect/LineKeys.h"

#include <set>

#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"

namespace inspect {

namespace {

// A name is never an element's name: element names are ASCII capitals.
constexpr std::string_view kNamed = "name:";

bool IsBalanceSheet(const Section& section) {
    return section.tag == reportformat::section::kBalanceSheet;
}

// The lines of a section that hold amounts, in order: elements, or for the
// balance sheet its accounts' stems; with the name each was given, if any.
template <typename Visit>
void ForEachLine(const Section& section, Visit visit) {
    std::set<std::string> seen;
    for (const Field& field : section.fields) {
        std::string line;
        std::string name;
        if (IsBalanceSheet(section)) {
            const std::optional<reportformat::AccountLine> account =
                reportformat::AccountOf(field.tag);
            if (!account || account->period == reportformat::Period::AccountName) {
                continue;
            }
            line = std::string(account->stem);
            name = section.Text(reportformat::LineOf(line, reportformat::Period::AccountName));
        } else {
            if (field.tag.ends_with(reportformat::suffix::kName)) {
                continue;
            }
            line = field.tag;
            name = section.Text(line + reportformat::suffix::kName);
        }
        if (seen.insert(line).second) {
            visit(line, name);
        }
    }
}

}  // namespace

std::map<std::string, std::string> LinesByKey(const Section& section) {
    std::map<std::string, std::string> lines;
    ForEachLine(section, [&lines](const std::string& line, const std::string& name) {
        if (name.empty() || !lines.emplace(std::string(kNamed) + name, line).second) {
            lines.emplace(line, line);
        }
    });
    return lines;
}

std::string KeyOf(const Section& section, std::string_view line) {
    for (const auto& [key, each] : LinesByKey(section)) {
        if (each == line) {
            return key;
        }
    }
    return std::string(line);
}

std::optional<std::string> MatchingLine(const Section& section, std::string_view line,
                                        const Section& other) {
    const std::map<std::string, std::string> lines = LinesByKey(other);
    const auto found = lines.find(KeyOf(section, line));
    if (found == lines.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace inspect
