#pragma once

#include <string>
#include <string_view>

#include "inspect/Report.h"

// Japanese labels of the report's sections and lines, as the forms print them.
namespace inspect {

struct Label {
    std::string_view section;  // empty: any section
    std::string_view tag;      // balance-sheet lines by account, without _KISYU/_KIMATU
    std::string_view text;
    bool yen;  // the value is an amount in yen (else a count, a date or a text)
};

// The label of a line; the tag itself when the table has none.
const Label* FindLabel(std::string_view section, std::string_view tag);
// The title of a section, by income kind where the forms differ.
std::string_view SectionTitle(std::string_view section, bool realEstate);

// The line's label as the form prints it; the tag when unknown.
std::string FormLineName(std::string_view section, std::string_view tag);
// FormLineName, with what the report itself says for lines the form leaves
// open: the account name the user gave a line, a month of the monthly table.
std::string LineName(const Fields& fields, std::string_view section, std::string_view tag);
// Whether the line holds an amount in yen (the balance sheet's by account,
// with or without _KISYU/_KIMATU).
bool HoldsYen(std::string_view section, std::string_view tag);

}  // namespace inspect
