#include "dialog/SettingsFile.h"

#include <cstdio>

namespace settings_file {

namespace {

struct Line {
    std::string_view text;  // without the line feed
    bool terminated;        // ended by a line feed
};

// The line that starts at `from`.
Line LineAt(std::string_view content, std::size_t from) {
    const std::size_t end = content.find('\n', from);
    if (end == std::string_view::npos) {
        return {content.substr(from), false};
    }
    return {content.substr(from, end - from), true};
}

// The value of a record line of this key; nothing for any other line.
std::optional<std::string_view> ValueOf(const Line& line, std::string_view key) {
    if (!line.terminated || !line.text.starts_with(key)) {
        return std::nullopt;
    }
    const std::string_view value = line.text.substr(key.size());
    if (value.find('/') == std::string_view::npos) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string KeyOf(const char* userId, std::int32_t selectedNo1, std::int32_t selectedNo2) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "/%d/%d:", static_cast<int>(selectedNo1),
                  static_cast<int>(selectedNo2));
    return std::string(userId) + numbers;
}

std::string RecordOf(std::string_view key, std::int16_t first, std::int16_t second, IncomeKind kind,
                     std::string_view path) {
    char fields[32];
    std::snprintf(fields, sizeof fields, "%d/%d/%d/", first, second, kind);
    std::string record(key);
    record += fields;
    record += path;
    record += '\n';
    return record;
}

std::optional<Remembered> Find(std::string_view content, std::string_view key) {
    for (std::size_t at = 0; at < content.size();) {
        const Line line = LineAt(content, at);
        if (const std::optional<std::string_view> value = ValueOf(line, key)) {
            // Paths hold no slash: the last one ends the kind.
            const std::size_t slash = value->rfind('/');
            Remembered remembered;
            remembered.path = std::string(value->substr(slash + 1));
            if (slash > 0 && (*value)[slash - 1] >= '0' && (*value)[slash - 1] <= '9') {
                remembered.kind = static_cast<IncomeKind>((*value)[slash - 1] - '0');
            }
            return remembered;
        }
        at += line.text.size() + 1;
    }
    return std::nullopt;
}

std::string Replace(std::string_view content, std::string_view key, std::string_view record) {
    std::string replaced;
    replaced.reserve(content.size() + record.size());
    std::string_view unterminated;
    for (std::size_t at = 0; at < content.size();) {
        const Line line = LineAt(content, at);
        if (!line.terminated) {
            unterminated = line.text;
        } else if (!ValueOf(line, key)) {
            replaced += line.text;
            replaced += '\n';
        }
        at += line.text.size() + 1;
    }
    replaced += record;
    // A last line without its line feed stays last and unchanged: ending it
    // would turn it into a record.
    replaced += unterminated;
    return replaced;
}

}  // namespace settings_file
