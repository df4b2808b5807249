#include "books/JsonValues.h"

#include <cstdio>
#include <limits>

#include <nlohmann/json.hpp>

#include "books/Refusal.h"
#include "platform/text/Cp932.h"

namespace tobra::books {
namespace {

std::string Described(const Json& value) {
    switch (value.type()) {
        case Json::value_t::null:
            return "null";
        case Json::value_t::object:
            return "an object";
        case Json::value_t::array:
            return "an array";
        case Json::value_t::string:
            return "a text";
        case Json::value_t::boolean:
            return "a boolean";
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
            return "an integer";
        case Json::value_t::number_float:
            return "a number with a fraction";
        default:
            return "an unsupported value";
    }
}

struct IntegerRange {
    FieldKind kind;
    std::string_view name;
    std::int64_t min;
    std::int64_t max;
};

constexpr IntegerRange kIntegerRanges[] = {
    {FieldKind::Int8, "an int8", std::numeric_limits<std::int8_t>::min(),
     std::numeric_limits<std::int8_t>::max()},
    {FieldKind::Uint8, "a uint8", 0, std::numeric_limits<std::uint8_t>::max()},
    {FieldKind::Int16, "an int16", std::numeric_limits<std::int16_t>::min(),
     std::numeric_limits<std::int16_t>::max()},
    {FieldKind::Int32, "an int32", std::numeric_limits<std::int32_t>::min(),
     std::numeric_limits<std::int32_t>::max()},
};

constexpr std::int64_t kAmountScale = 10000;
constexpr int kAmountFractionDigits = 4;
constexpr std::string_view kAmountForms = "an integer or a decimal text such as \"-12345.6789\"";

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t ParseAmountText(std::string_view text, const std::string& path) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) {
        ++i;
    }
    const std::size_t integerBegin = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    const std::string_view integerDigits = text.substr(integerBegin, i - integerBegin);
    std::string_view fractionDigits;
    bool wellFormed = !integerDigits.empty();
    if (wellFormed && i < text.size() && text[i] == '.') {
        const std::size_t fractionBegin = ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
        fractionDigits = text.substr(fractionBegin, i - fractionBegin);
        wellFormed = !fractionDigits.empty();
    }
    if (!wellFormed || i != text.size()) {
        Refuse(path,
               Quoted(text) + " is not an amount (expected " + std::string(kAmountForms) + ")");
    }
    if (fractionDigits.size() > kAmountFractionDigits) {
        Refuse(path, Quoted(text) + " has more than four fraction digits");
    }

    // Ten-thousandths are the digits with the fraction padded to four places;
    // the magnitude of the most negative int64 is one more than the largest.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    auto append = [&](char digit) {
        const auto d = static_cast<std::uint64_t>(digit - '0');
        if (magnitude > (limit - d) / 10) {
            Refuse(path, Quoted(text) + " overflows an int64 of ten-thousandths");
        }
        magnitude = magnitude * 10 + d;
    };
    for (char c : integerDigits) {
        append(c);
    }
    for (char c : fractionDigits) {
        append(c);
    }
    for (std::size_t k = fractionDigits.size(); k < kAmountFractionDigits; ++k) {
        append('0');
    }
    if (!negative) {
        return static_cast<std::int64_t>(magnitude);
    }
    return magnitude == limit ? std::numeric_limits<std::int64_t>::min()
                              : -static_cast<std::int64_t>(magnitude);
}

// The first character of a UTF-8 text that code page 932 lacks, for the message.
std::string MissingCharacter(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80          ? 1
                                   : (lead >> 5) == 0x6 ? 2
                                   : (lead >> 4) == 0xE ? 3
                                                        : 4;
        const std::string_view character = utf8.substr(i, length);
        if (!platform::cp932::FromUtf8(character)) {
            std::uint32_t codePoint = length == 1 ? lead : lead & (0xFFu >> (length + 1));
            for (std::size_t k = 1; k < character.size(); ++k) {
                codePoint = (codePoint << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
            }
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
            return std::string(character) + " (" + name + ")";
        }
        i += length;
    }
    return "a character";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

constexpr std::string_view kHexKeys[] = {"hex"};

std::string ReadHex(const Json& object, std::optional<std::size_t> width, const std::string& path) {
    ExpectKeys(object, path, kHexKeys);
    const std::string hexPath = MemberPath(path, "hex");
    const auto found = object.find("hex");
    if (found == object.end()) {
        Refuse(hexPath, "missing (a text is a string or {\"hex\": \"...\"})");
    }
    if (!found->is_string()) {
        RefuseType(*found, hexPath, "a text of hex digits");
    }
    const std::string& digits = found->get_ref<const std::string&>();
    if (digits.size() % 2 != 0) {
        Refuse(hexPath, Quoted(digits) + " has an odd number of hex digits");
    }
    std::string bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexDigit(digits[i]);
        const int low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0) {
            Refuse(hexPath, Quoted(digits) + " has a character that is not a hex digit");
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    if (width && bytes.size() > *width) {
        Refuse(hexPath, std::to_string(bytes.size()) + " bytes do not fit the field's " +
                            std::to_string(*width) + " bytes");
    }
    return bytes;
}

}  // namespace

void RefuseType(const Json& value, const std::string& path, std::string_view expected) {
    Refuse(path, "expected " + std::string(expected) + ", found " + Described(value));
}

void ExpectObject(const Json& value, const std::string& path) {
    if (!value.is_object()) {
        RefuseType(value, path, "an object");
    }
}

void ExpectArray(const Json& value, const std::string& path) {
    if (!value.is_array()) {
        RefuseType(value, path, "an array");
    }
}

std::string ListOf(std::span<const std::string_view> keys) {
    std::string list;
    for (std::string_view key : keys) {
        if (!list.empty()) {
            list += ", ";
        }
        list += key;
    }
    return list;
}

void ExpectKeys(const Json& object, const std::string& path,
                std::span<const std::string_view> keys) {
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (std::string_view allowed : keys) {
            known = known || key == allowed;
        }
        if (!known) {
            Refuse(MemberPath(path, key), "unknown key (expected one of: " + ListOf(keys) + ")");
        }
    }
}

std::int64_t ReadInteger(const Json& value, FieldKind kind, const std::string& path) {
    const IntegerRange* range = nullptr;
    for (const IntegerRange& candidate : kIntegerRanges) {
        if (candidate.kind == kind) {
            range = &candidate;
        }
    }
    if (range == nullptr || !value.is_number_integer()) {
        RefuseType(value, path, "an integer");
    }
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(range->max)
            : value.get<std::int64_t>() >= range->min && value.get<std::int64_t>() <= range->max;
    if (!inRange) {
        Refuse(path, value.dump() + " is outside the range of " + std::string(range->name) + " (" +
                         std::to_string(range->min) + " to " + std::to_string(range->max) + ")");
    }
    return value.get<std::int64_t>();
}

std::int32_t ReadInt32(const Json& value, const std::string& path) {
    return static_cast<std::int32_t>(ReadInteger(value, FieldKind::Int32, path));
}

std::int64_t ReadAmount(const Json& value, const std::string& path) {
    if (value.is_string()) {
        return ParseAmountText(value.get_ref<const std::string&>(), path);
    }
    if (!value.is_number_integer()) {
        RefuseType(value, path, "an amount: " + std::string(kAmountForms));
    }
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / kAmountScale;
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kLargest)
            : value.get<std::int64_t>() >= -kLargest && value.get<std::int64_t>() <= kLargest;
    if (!inRange) {
        Refuse(path, value.dump() + " overflows an int64 of ten-thousandths");
    }
    return value.get<std::int64_t>() * kAmountScale;
}

std::string ReadText(const Json& value, std::optional<std::size_t> width, const std::string& path) {
    if (value.is_object()) {
        return ReadHex(value, width, path);
    }
    if (!value.is_string()) {
        RefuseType(value, path, "a text or {\"hex\": \"...\"}");
    }
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::optional<std::string> bytes =
        utf8.empty() ? std::string() : platform::cp932::FromUtf8(utf8);
    if (!bytes) {
        Refuse(path, "the text has " + MissingCharacter(utf8) + ", which code page 932 lacks");
    }
    if (width && bytes->size() + 1 > *width) {
        std::size_t keep = *width - 1;
        if (platform::cp932::ClassAt(*bytes, keep) == platform::cp932::ByteClass::Trail) {
            --keep;
        }
        bytes->resize(keep);
    }
    return *std::move(bytes);
}

}  // namespace tobra::books
