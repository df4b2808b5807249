#pragma once

// Records of the saved statements as data: each element the report writes
// from a record, how its value is formatted and where it stands. The
// breakdown lists and the rental lists are written from such tables.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "hostapi/BlockView.h"

class XmlWriter;

namespace record {

enum class Format : std::uint8_t {
    Text,     // Shift_JIS text up to its NUL, never past the field; cut to `limit` bytes if set
    Integer,  // int32 by FormatInteger
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
};

// The kinds of a payment's kind byte; with any other kind its elements are left out.
constexpr std::uint8_t kKeyMoneyKind = 0;
constexpr std::uint8_t kRenewalFeeKind = 1;

constexpr Child TextChild(const char* element, std::size_t offset, std::size_t width,
                          std::size_t limit = 0) {
    return {element, Format::Text, offset, width, limit};
}
constexpr Child IntegerChild(const char* element, std::size_t offset) {
    return {element, Format::Integer, offset};
}
constexpr Child AmountChild(const char* element, std::size_t offset) {
    return {element, Format::Amount, offset};
}
constexpr Child EmptyChild(const char* element) {
    return {element, Format::Empty};
}
constexpr Child MonthChild(const char* element, std::size_t offset) {
    return {element, Format::Month, offset};
}
constexpr Child AreaChild(const char* element, std::size_t offset) {
    return {element, Format::Area, offset};
}
constexpr Child PaymentChild(const char* element, std::size_t offset, std::size_t kindOffset,
                             std::uint8_t kind) {
    return {element, Format::Payment, offset, 0, 0, kindOffset, kind};
}

// Writes the children of the record at `entry` in the block, each a value
// element at `level`; a field the block does not hold whole reads as absent
// and gives an empty element. 1 when every line was written.
int WriteChild(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
               const Child& child, int level);
int WriteChildren(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
                  std::span<const Child> children, int level);

}  // namespace record
