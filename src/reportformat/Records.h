#pragma once

// Records of the saved statements as data: each element the report writes
// from a record, how its value is formed, where it stands and what the form
// calls it. The breakdown lists and the rental list are written and read back
// by such tables.
#include <array>
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

// A column of a list as the form prints it. Its heading (the element's label
// where empty) over the value of `element`, with `below`'s value under it in
// the same cell (a name under an address), or both joined as a period
// (`period`); or the sum of the amounts `added` (合計). `others` is its value
// in the row of the other employees; `totalled`, whether the 計 row adds the
// column up; `group`, a heading over a run of columns.
struct PrintColumn {
    std::string_view label = {};
    const char* element = nullptr;
    const char* below = nullptr;
    bool period = false;
    std::array<const char*, 3> added = {};
    const char* others = nullptr;
    bool totalled = false;
    std::string_view group = {};
};

// A line after a list's entries: its label over the first columns and the
// element whose amount stands in `column`; `inTotal`, whether the 計 row
// counts it.
struct BesideRow {
    std::string_view label;
    const char* element;
    std::size_t column;
    bool inTotal;
};

// A list as the form prints it: its columns; the row of the other employees
// ("その他（{}人分）", {} the number in `othersPersons`); lines after the
// entries, before and after the 計 row, if the form has one; and the rows the
// form has for entries (0: as many as there are), the rest continuing on
// continuation sheets.
struct ListPrint {
    std::span<const PrintColumn> columns;
    std::string_view othersLabel = {};
    const char* othersPersons = nullptr;
    std::span<const BesideRow> beside = {};
    bool total = false;
    std::span<const BesideRow> after = {};
    int formRows = 0;
};

// One list: its entries' element, where they stand in the block, how many the
// writer allows, the children of an entry in order, and how the form prints it.
struct ListLayout {
    const char* item;
    std::size_t firstEntry;
    std::size_t entrySize;
    int entryLimit;
    std::span<const Child> children;
    const ListPrint* print = nullptr;
};

// The child of `element` among a list's; null when it has none.
const Child* ChildOf(const ListLayout& list, std::string_view element);

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
