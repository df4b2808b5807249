#pragma once

// Records of the saved statements as data: each element the report writes
// from a record, how its value is formed, where it stands and what the form
// calls it. The breakdown lists and the rental list are written and read back
// by such tables.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "reportformat/Statements.h"

namespace reportformat {

enum class Format : std::uint8_t {
    Text,     // Shift_JIS text up to its NUL, never past the field; cut to `limit` bytes if set
    Integer,  // int32 by FormatInteger
    Date,     // int32 of a date's digits, by FormatInteger
    Amount,   // int64 in 1/10000 yen by FormatAmount
    Empty,    // a line of the form that the host does not store
    Payment,  // int64 written only under the element its kind byte selects
    Month,    // int32 date without its day
    Area,     // int64 in 1/10000 square metres, two decimals; empty for exactly 0
};

// One element and where its value stands in the record; a text also has its
// field's width. A payment names the kind byte and the kind that selects it.
struct Child {
    const char* element;
    Format format;
    std::size_t offset = 0;
    std::size_t width = 0;
    std::size_t limit = 0;
    std::size_t kindOffset = 0;
    std::uint8_t kind = 0;
    std::string_view label = {};  // the form's heading of the column (UTF-8)
};

Holds HoldsOf(const Child& child);

// The kinds of a payment's kind byte; with any other kind its elements are left out.
inline constexpr std::uint8_t kKeyMoneyKind = 0;
inline constexpr std::uint8_t kRenewalFeeKind = 1;

// One list: its entries' element, where they stand in the block, how many the
// writer allows, and the children of an entry in order.
struct ListLayout {
    const char* item;
    std::size_t firstEntry;
    std::size_t entrySize;
    int entryLimit;
    std::span<const Child> children;
};

constexpr std::size_t EntryAt(std::size_t first, int index, std::size_t entrySize) {
    return first + static_cast<std::size_t>(index) * entrySize;
}

// The lists of the general statement (business and other income) and of the
// real-estate statement.
extern const ListLayout kSalaryList;
extern const ListLayout kRealEstateSalaryList;
extern const ListLayout kBlueFamilyList;
extern const ListLayout kWhiteFamilyList;
extern const ListLayout kRealEstateBlueFamilyList;
extern const ListLayout kRealEstateWhiteFamilyList;
extern const ListLayout kInterestList;
extern const ListLayout kLoanList;
extern const ListLayout kTaxAccountantList;
extern const ListLayout kRealEstateTaxAccountantList;
extern const ListLayout kLandRentList;
extern const ListLayout kRealEstateBlueLandRentList;
extern const ListLayout kRealEstateWhiteLandRentList;
extern const ListLayout kCustomerList;
extern const ListLayout kSupplierList;
extern const ListLayout kRepairList;
extern const ListLayout kRentalList;

// The others line of a salary list: the number of persons (in the others
// entry, or for real estate in the block), then the figures of the others entry.
std::span<const Child> SalaryOthers(bool realEstate);
// The lines after the customer and the supplier entries, read from the whole block.
std::span<const Child> CustomerTotals();
std::span<const Child> SupplierTotals();
// The use of the rented property, from its summary record.
std::span<const Child> RentalUse();

}  // namespace reportformat
