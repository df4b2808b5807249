#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reportformat/BalanceSheets.h"
#include "reportformat/Sections.h"
#include "reportformat/Statements.h"

// Every element a form's report holds, section by section, as the tables of
// this folder describe it: what the read-back looks an element up in.
namespace reportformat {

struct ElementSpec {
    std::string tag;
    Holds holds = Holds::Text;
    std::string_view name;    // as the form prints it; empty where the user names the line
    std::string_view number;  // the form's number of the line, where it prints one
    const StatementLine* line = nullptr;
    const BalanceAccount* account = nullptr;  // with `period`, for balance-sheet lines
    Period period = Period::Closing;
};

struct SectionSchema {
    const SectionSpec* spec;
    // The section's own elements, in the report's order, and the children of
    // its list's entries.
    std::vector<ElementSpec> values;
    std::vector<ElementSpec> entries;

    // Among the section's own elements, then the entries' children.
    const ElementSpec* Find(std::string_view tag) const;
};

struct Schema {
    std::vector<SectionSchema> sections;

    const SectionSchema* Find(std::string_view section) const;
};

const Schema& SchemaOf(Form form);

// The element as the vocabulary knows it: in the form's section of that
// name, else in that section of another form, else in any section; null
// for an element no form has.
const ElementSpec* FindElement(Form form, std::string_view section, std::string_view tag);

}  // namespace reportformat
