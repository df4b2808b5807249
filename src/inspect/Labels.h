#pragma once

#include <string_view>

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

}  // namespace inspect
