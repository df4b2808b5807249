#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/IncomeKind.h"

// The records of the settings file: one line per user and selected data,
// "<user>/<no1>/<no2>:<first>/<second>/<kind>/<path>" ended by a line feed.
namespace settings_file {

inline constexpr std::size_t kMaxKeyBytes = 50;
inline constexpr std::size_t kMaxRecordBytes = 511;

std::string KeyOf(const char* userId, std::int32_t selectedNo1, std::int32_t selectedNo2);

// The whole record line, line feed included.
std::string RecordOf(std::string_view key, std::int16_t first, std::int16_t second, IncomeKind kind,
                     std::string_view path);

struct Remembered {
    IncomeKind kind = income_kind::kNone;
    std::string path;
};

// The record of this key; nothing when no line of the content is one. Only a
// line that begins with the key, has a slash in its value and ends with a
// line feed counts.
std::optional<Remembered> Find(std::string_view content, std::string_view key);

// The content with the key's records removed and `record` appended as the last
// record; every other line stays as it was, in place, and a last line without
// its line feed stays after the record.
std::string Replace(std::string_view content, std::string_view key, std::string_view record);

}  // namespace settings_file
