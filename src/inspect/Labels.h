#pragma once

#include <span>
#include <string>
#include <string_view>

#include "inspect/Report.h"

// Japanese labels of the report's sections and lines, as the forms print them.
namespace inspect {

struct Label {
    std::string_view section;  // empty: any section
    std::string_view tag;      // balance-sheet lines by account, without _KISYU/_KIMATU
    std::string_view text;
    bool yen;                      // the value is an amount in yen (else a count, a date or a text)
    std::string_view number = {};  // the form's line number as printed ("㊸", "イ"); empty: none
};

// The label of a line; the tag itself when the table has none. Lines of the
// profit-and-loss statement are looked up on the blue business form first.
const Label* FindLabel(std::string_view section, std::string_view tag);
// The title of a section, by income kind where the forms differ.
std::string_view SectionTitle(std::string_view section, bool realEstate);

// The four statements of income a report can hold.
enum class Form { BlueBusiness, WhiteBusiness, BlueRealEstate, WhiteRealEstate };
Form FormOf(const Report& report);

// One line of a statement as its form prints it: a line of the report
// (label.tag, in label.section), a heading (no tag, no sum) or a sum the form
// prints (no tag). A sum adds and subtracts lines by number: "②+③", "④-⑤";
// "⑧~㉛" is every line of the report from ⑧ to ㉛ in the form's order.
struct FormLine {
    Label label;
    std::string_view sum = {};
};
// The profit-and-loss statement of the form, and its manufacturing cost
// (empty where the form has none).
std::span<const FormLine> ProfitAndLossLines(Form form);
std::span<const FormLine> ManufacturingCostLines(Form form);

// "㊸ 青色申告特別控除前の所得金額": the form's number and label; the
// label alone where the form numbers no line; the tag when unknown. Without
// the form, a number is given only where every form that holds the line
// prints the same one.
std::string FormLineName(std::string_view section, std::string_view tag);
std::string FormLineName(Form form, std::string_view section, std::string_view tag);

// What a coded value means ("1" of AOIROKOUJO_SENTAKU: "65万円"); empty
// when the tag holds no code or the code is unknown.
std::string_view CodeMeaning(std::string_view tag, std::string_view code);
// "3月 売上": a line of the monthly table by its month; empty for any other.
std::string MonthLineName(std::string_view section, std::string_view tag);
// FormLineName, with what the report itself says for lines the form leaves
// open: the account name the user gave a line, a month of the monthly table.
std::string LineName(Form form, const Fields& fields, std::string_view section,
                     std::string_view tag);
// Whether the line holds an amount in yen (the balance sheet's by account,
// with or without _KISYU/_KIMATU).
bool HoldsYen(std::string_view section, std::string_view tag);

}  // namespace inspect
