#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The statements of income as data: for each form its lines in the form's
// order, each with the element it is written under, the host's summary code
// that fills it, how it counts in the statement's result, and the form's
// number, printed name and formula. The writer writes the report from these
// rows; the read-back checks and shows it by the same rows.
//
// Printed names are UTF-8. They are defined in this folder's sources only
// (compiled as UTF-8), never in a header, since the writer's sources turn
// narrow literals into code page 932.
namespace reportformat {

// The four statements of income a report can hold.
enum class Form : std::uint8_t { BlueBusiness, WhiteBusiness, BlueRealEstate, WhiteRealEstate };
inline constexpr Form kForms[] = {Form::BlueBusiness, Form::WhiteBusiness, Form::BlueRealEstate,
                                  Form::WhiteRealEstate};
constexpr bool IsBlue(Form form) {
    return form == Form::BlueBusiness || form == Form::BlueRealEstate;
}
constexpr bool IsRealEstate(Form form) {
    return form == Form::BlueRealEstate || form == Form::WhiteRealEstate;
}

// What a value element holds.
enum class Holds : std::uint8_t {
    Yen,      // whole yen: an optional minus and digits; empty for zero
    Integer,  // a count: persons, months, an age
    Text,
    Code,   // a code whose meaning the vocabulary gives
    Date,   // yyyymmdd
    Month,  // yyyymm
    Area,   // square metres with two decimals
};

// How a line counts in the result of its statement.
enum class Counts : std::uint8_t {
    Revenue,       // added
    Cost,          // cost of sales: subtracted
    ClosingStock,  // taken off the cost of sales: added
    Expense,       // subtracted
    Reversal,      // reserves taken back: added
    Provision,     // reserves set aside, the family employees: subtracted
    Apart,         // a note beside the statement: counted in nothing
};

// The sign with which a line of the kind adds to the result; 0 for none.
constexpr int SignOf(Counts counts) {
    switch (counts) {
        case Counts::Revenue:
        case Counts::ClosingStock:
        case Counts::Reversal:
            return 1;
        case Counts::Cost:
        case Counts::Expense:
        case Counts::Provision:
            return -1;
        case Counts::Apart:
            return 0;
    }
    return 0;
}

// The host gives no summary code: the line is written from elsewhere.
inline constexpr std::int32_t kNoCode = 0;

// How a sum the form prints is formed.
enum class Rule : std::uint8_t {
    Formula,         // the terms of `sum`
    DeductionTaken,  // the chosen deduction's limit, up to the one term of `sum` (a loss as 0)
};

// One line of a statement as its form prints it: a line of the report
// (`tag`), a sum the form prints (`sum`: terms joined by + and -, each a
// line's number, or a range "⑧~㉛" of every report line from one to the
// other in the form's order; a range may name unnumbered lines by their
// printed names), or a heading (neither).
struct StatementLine {
    const char* tag = nullptr;  // with `spare` above 0, the stem the number follows
    int spare = 0;
    std::int32_t code = kNoCode;
    Counts counts = Counts::Apart;
    bool named = false;  // the user names the account: its name is written too
    std::string_view number;
    std::string_view name;  // empty for a line the user names
    std::string_view sum;
    const char* section = nullptr;  // another section's line the form prints here
    Holds holds = Holds::Yen;
    // A sum the report also states, as this element of that section (of the
    // balance sheet: the account whose closing amount it is); for a line of
    // the deduction's calculation, the line of that statement it prints.
    const char* statedIn = nullptr;
    const char* stated = nullptr;
    // A line of one kind of deduction: it holds a figure only when the chosen
    // deduction is written under this element.
    const char* branch = nullptr;
    Rule rule = Rule::Formula;
    std::string_view shortName = {};  // where the form's name is too long for a narrow view

    // The element's name: the tag, or the stem and the spare's number.
    std::string Tag() const;
    bool IsSum() const { return !sum.empty(); }
    bool IsHeading() const { return tag == nullptr && sum.empty(); }
    // The name as the form prints it, with the formula of a sum of separate
    // lines: 「小計（②＋③）」.
    std::string PrintedName() const;
};

// The profit-and-loss statement of a form, and the manufacturing cost of the
// blue business form (empty for the others).
std::span<const StatementLine> ProfitAndLoss(Form form);

// A line of one form's profit and loss that the other return form splits
// into lines of its own: what last year's return of that form holds for it,
// when this year's form is compared with it (the white business form's
// ①～③ are the blue form's ①, sales with household use and other income).
struct CarriedLine {
    Form to;
    Form from;
    const char* tag;
    std::array<const char*, 3> parts;
};
std::span<const CarriedLine> CarriedLines();
std::span<const StatementLine> ManufacturingCost(Form form);
// The bad-debt reserve's and the blue-return deduction's calculations as the
// blue business form prints them (lines of the reserve's and the deduction's sections).
std::span<const StatementLine> BadDebtCalculation();
std::span<const StatementLine> DeductionCalculation();

}  // namespace reportformat
