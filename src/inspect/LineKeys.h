#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "inspect/Report.h"

// How a line of a statement is known in two years' reports: the form's own
// lines by their element, the lines the user names by the account name they
// carry, so that an account keeps its history when it moves to another spare
// line from one year to the next.
namespace inspect {

// The key of each amount line of a section: the element for the form's own
// lines (and for a spare line without a name), the account name for a named
// one; for the balance sheet by account, its stem. A name the section holds
// twice keys its second line by its element.
std::map<std::string, std::string> LinesByKey(const Section& section);

// The key of one line of the section (an element, or a balance-sheet stem).
std::string KeyOf(const Section& section, std::string_view line);

// The line of `other` (an element, or a balance-sheet stem) that holds what
// `line` of `section` holds; nothing when `other` has none.
std::optional<std::string> MatchingLine(const Section& section, std::string_view line,
                                        const Section& other);

}  // namespace inspect
