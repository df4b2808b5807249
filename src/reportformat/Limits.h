#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Figures of the law a report is held against. A tax reform changes them
// here, not in the rules that read them. Printed names are UTF-8 and
// defined in Limits.cpp only.
namespace reportformat {

// The family-employee deduction of white returns: each family employee
// deducts the lesser of an amount set by the relationship and the income
// before the deduction shared among the employees and the proprietor.
enum class Relationship : std::uint8_t { Spouse, OtherRelative, Unknown };

struct FamilyDeductionLimit {
    Relationship relationship;
    std::int64_t yen;
    std::string_view name;  // what the law calls the relationship
};

// The relationship that a family-employee list's relationship names
// (spaces around it ignored); Unknown where the text does not tell.
Relationship RelationshipOf(std::string_view relationship);
// The amount for a relationship; for Unknown the highest, which the list
// cannot rule out.
const FamilyDeductionLimit& FamilyDeductionLimitOf(Relationship relationship);

// The bad-debt reserve's collective limit: the receivables at the year's end
// times the rate of the main business, in thousandths; highest rate first.
struct BadDebtRate {
    int perThousand;
    std::string_view business;  // the business the rate is for
    std::string_view printed;   // the rate as the form prints it
};
std::span<const BadDebtRate> BadDebtRates();

}  // namespace reportformat
