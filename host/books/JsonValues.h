#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "books/RecordLayout.h"

// Reading single books-file values; each refuses a wrong value with its path.
namespace tobra::books {

using Json = nlohmann::json;

[[noreturn]] void RefuseType(const Json& value, const std::string& path, std::string_view expected);
void ExpectObject(const Json& value, const std::string& path);
void ExpectArray(const Json& value, const std::string& path);
// Refuses the first member whose key is not one of `keys`.
void ExpectKeys(const Json& object, const std::string& path,
                std::span<const std::string_view> keys);
// "a, b, c", for messages that list what is allowed.
std::string ListOf(std::span<const std::string_view> keys);

// An integer of an integer kind (Int8 to Int32), within its range.
std::int64_t ReadInteger(const Json& value, FieldKind kind, const std::string& path);
std::int32_t ReadInt32(const Json& value, const std::string& path);
// An amount in ten-thousandths: whole units, or a decimal text with up to four fraction digits.
std::int64_t ReadAmount(const Json& value, const std::string& path);
// The CP932 bytes of a text: a UTF-8 text converted, or {"hex": "..."}.
// With a width, a converted text is cut to width - 1 bytes at a character
// boundary, and hex bytes may fill the whole width.
std::string ReadText(const Json& value, std::optional<std::size_t> width, const std::string& path);

}  // namespace tobra::books
