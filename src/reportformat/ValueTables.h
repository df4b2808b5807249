#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "reportformat/Statements.h"

// The sections that are a fixed row of values: the monthly sales and
// purchases, the bad-debt reserve and the blue-return deduction; and the
// deduction's choices.
namespace reportformat {

// One value of such a section.
struct ValueLine {
    const char* tag;
    Holds holds;
    std::string_view name;                  // as the form prints it (UTF-8)
    std::optional<std::size_t> field = {};  // where the host keeps it, if it keeps it
};

// The monthly table: runs of `months` elements (the tag followed by 1 to 12),
// or with 0 one element of the tag itself, in the report's order.
inline constexpr int kMonths = 12;
struct MonthlyRun {
    const char* tag;
    int months;
    std::string_view name;
};
std::span<const MonthlyRun> MonthlyTable();

std::span<const ValueLine> BadDebtReserve();
// What the report writes under the collective rate: the code of the statutory rate.
inline constexpr char kBadDebtRateCode[] = "1";

std::span<const ValueLine> BlueDeductionLines();
// The one line of OTHER.
const ValueLine& AssociationName();

// A blue special deduction the user may choose in the host: the byte of the
// saved general statement, the code the report writes, the limit, the
// element that holds the amount and what the form calls it.
struct DeductionChoice {
    std::uint8_t hostChoice;
    const char* code;
    std::int32_t limitYen;
    const char* amountTag;
    std::string_view meaning;
};
std::span<const DeductionChoice> DeductionChoices();
// Null for a byte, or a code, that names no choice.
const DeductionChoice* FindDeductionChoice(std::uint8_t hostChoice);
const DeductionChoice* DeductionChoiceOf(std::string_view code);

}  // namespace reportformat
