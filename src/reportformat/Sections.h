#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "reportformat/Records.h"
#include "reportformat/Statements.h"

// The sections of each form's income element, in the report's order: what
// each holds, what the form calls it, and the counts the writer is given.
namespace reportformat {

enum class Content : std::uint8_t {
    ProfitAndLoss,
    Monthly,
    Salaries,
    FamilyEmployees,
    BadDebtReserve,
    BlueDeduction,
    Interest,
    LandRents,
    TaxAccountant,
    SpecialNotes,
    BalanceSheet,
    ManufacturingCost,
    Association,
    Customers,
    Suppliers,
    Rentals,
    Loans,
    Repairs,
    RentalUse,
};

struct SectionSpec {
    const char* tag;
    Content content;
    std::string_view title;  // as the form prints it (UTF-8)
    // A list's entries: their layout and how many the section writes (the
    // most, for the rentals), and the lines after them.
    const ListLayout* list = nullptr;
    int items = 0;
    std::span<const Child> beside = {};
    // The special notes: bytes a line holds and how many lines.
    int lineLength = 0;
    int lineCount = 0;
};

std::span<const SectionSpec> SectionsOf(Form form);
// The form's title: 「所得税青色申告決算書（一般用）」.
std::string_view FormTitle(Form form);
// The columns of the form's 減価償却費の計算, which the report carries nothing for.
std::span<const std::string_view> DepreciationColumns();
// The section of the form; null when the form has none of that name.
const SectionSpec* FindSection(Form form, std::string_view tag);

}  // namespace reportformat
