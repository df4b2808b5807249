#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

namespace tobra::books {

// How a books-file value becomes bytes of a host record.
enum class FieldKind {
    Text,  // CP932, cut to the width minus one and NUL-terminated; or raw hex bytes
    Int8,
    Uint8,
    Int16,
    Int32,
    Amount,  // int64 in ten-thousandths
};

struct FieldLayout {
    std::string_view key;
    std::size_t offset;
    FieldKind kind;
    std::size_t width;
};

struct RecordLayout;

// A JSON array packed into consecutive slots: entries of a record, or numbers
// of one kind when `entry` is null.
struct ListLayout {
    std::string_view key;
    std::size_t offset;
    std::size_t slots;
    const RecordLayout* entry;
    FieldKind scalar = FieldKind::Amount;
};

struct RecordLayout {
    std::size_t size;
    std::span<const FieldLayout> fields;
    std::span<const ListLayout> lists = {};
};

constexpr std::size_t WidthOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Int8:
        case FieldKind::Uint8:
            return 1;
        case FieldKind::Int16:
            return 2;
        case FieldKind::Int32:
            return 4;
        case FieldKind::Amount:
            return 8;
        case FieldKind::Text:
            break;
    }
    return 0;
}

constexpr FieldLayout TextField(std::string_view key, std::size_t offset, std::size_t width) {
    return {key, offset, FieldKind::Text, width};
}

constexpr FieldLayout AmountField(std::string_view key, std::size_t offset) {
    return {key, offset, FieldKind::Amount, WidthOf(FieldKind::Amount)};
}

template <typename T>
constexpr FieldLayout IntegerField(std::string_view key, std::size_t offset) {
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4);
    constexpr FieldKind kind = sizeof(T) == 4        ? FieldKind::Int32
                               : sizeof(T) == 2      ? FieldKind::Int16
                               : std::is_signed_v<T> ? FieldKind::Int8
                                                     : FieldKind::Uint8;
    static_assert(sizeof(T) == 1 || std::is_signed_v<T>);
    return {key, offset, kind, sizeof(T)};
}

constexpr std::size_t SlotWidth(const ListLayout& list) {
    return list.entry != nullptr ? list.entry->size : WidthOf(list.scalar);
}

}  // namespace tobra::books
