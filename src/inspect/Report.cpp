#include "inspect/Report.h"

namespace inspect {

std::optional<std::int64_t> ParseAmount(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const bool negative = text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > kMostAmountDigits) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> AddYen(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

const Field* Fields::Find(std::string_view tag) const {
    for (const Field& field : fields) {
        if (field.tag == tag) {
            return &field;
        }
    }
    return nullptr;
}

std::string Fields::Text(std::string_view tag) const {
    const Field* field = Find(tag);
    return field ? field->text : std::string();
}

std::optional<std::int64_t> Fields::Amount(std::string_view tag) const {
    const Field* field = Find(tag);
    return field ? ParseAmount(field->text) : std::nullopt;
}

const Section* Report::Find(std::string_view tag) const {
    for (const Section& section : sections) {
        if (section.tag == tag) {
            return &section;
        }
    }
    return nullptr;
}

std::string ReadError::Text() const {
    std::string text = file;
    if (line > 0) {
        text += ":" + std::to_string(line);
    }
    return text + ": " + message;
}

std::string ReadError::JapaneseText() const {
    std::string text = file;
    if (line > 0) {
        text += "（" + std::to_string(line) + " 行目）";
    }
    return text + ": " + japanese;
}

}  // namespace inspect
