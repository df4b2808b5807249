#pragma once

#include <string>
#include <string_view>

#include "inspect/Report.h"
#include "reportformat/Schema.h"

// The report's sections and lines in the forms' words, looked up in the
// report's vocabulary for a report read back.
namespace inspect {

using reportformat::Form;

Form FormOf(const Report& report);

// What the vocabulary knows of an element (reportformat::FindElement).
const reportformat::ElementSpec* ElementOf(Form form, std::string_view section,
                                           std::string_view tag);

// The title of a section as the form prints it: for a section the form lacks,
// the other return form's of the same income; else the tag.
std::string SectionTitle(Form form, std::string_view section);

// "㊸ 青色申告特別控除前の所得金額": the form's number and printed name; the
// name alone where the form numbers no line or another form holds the line;
// UnnamedLine() for a line the user names; the tag when no form has it.
std::string FormLineName(Form form, std::string_view section, std::string_view tag);
// FormLineName, with what the report says of the lines the form leaves open:
// the account name the user gave a line, a month of the monthly table.
std::string LineName(Form form, const Fields& fields, std::string_view section,
                     std::string_view tag);
// A balance-sheet account by its stem: the name the user gave it, else the
// form's; the stem when unknown.
std::string AccountName(Form form, const Fields& fields, std::string_view stem);
// What stands for the name of a line the user could name and did not.
std::string_view UnnamedLine();

// What a coded value means ("1" of the deduction's choice: "65万円"); empty
// when the element holds no code or the code is unknown.
std::string_view CodeMeaning(std::string_view tag, std::string_view code);
// "3月 売上": a line of the monthly table by its month; empty for any other.
std::string MonthLineName(std::string_view section, std::string_view tag);

// Whether the line holds an amount in yen; one no form has does where the
// section is a statement of amounts.
bool HoldsYen(Form form, std::string_view section, std::string_view tag);

}  // namespace inspect
