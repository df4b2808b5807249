#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A report as the tax-return program would import it, read back into typed
// parts. Texts are UTF-8; amounts whole yen.
namespace inspect {

struct Field {
    std::string tag;
    std::string text;
    int line = 0;
};

// The most digits an amount has: the most whole yen the host's
// ten-thousandths hold in 64 bits.
inline constexpr std::size_t kMostAmountDigits = 15;

// Amount of a value text as the export writes it: empty is zero, otherwise an
// optional minus and at most kMostAmountDigits digits; nothing for anything else.
std::optional<std::int64_t> ParseAmount(std::string_view text);

// a + b, or nothing when the sum does not fit 64 bits.
std::optional<std::int64_t> AddYen(std::int64_t a, std::int64_t b);

// Value elements in file order, with look-up by tag.
struct Fields {
    std::vector<Field> fields;

    const Field* Find(std::string_view tag) const;
    std::string Text(std::string_view tag) const;
    // Nothing when the element is missing or not an amount.
    std::optional<std::int64_t> Amount(std::string_view tag) const;
    // A missing line counts as zero; the reader lets no malformed amount through.
    std::int64_t Yen(std::string_view tag) const { return Amount(tag).value_or(0); }
};

// One entry of a breakdown list (an element with a COUNT attribute).
struct Item : Fields {
    std::string tag;
    int count = 0;
    int line = 0;
};

// A section of the income element: a table of values, a list of items, or both
// (a list with its others line).
struct Section : Fields {
    std::string tag;
    int line = 0;
    std::vector<Item> items;
};

enum class IncomeKind { Business = 1, Other = 2, RealEstate = 3 };
enum class ReturnForm { Blue = 1, White = 2 };

struct Report {
    std::string name;  // the file, for messages
    Fields system;
    Fields basic;
    ReturnForm form = ReturnForm::Blue;
    IncomeKind kind = IncomeKind::Business;
    std::string incomeTag;  // EIGYOUSYOTOKU, SONOTASYOTOKU or FUDOUSANSYOTOKU
    int incomeLine = 0;
    std::vector<Section> sections;

    const Section* Find(std::string_view tag) const;
    bool Blue() const { return form == ReturnForm::Blue; }
    bool RealEstate() const { return kind == IncomeKind::RealEstate; }
};

// Why a file is no report, in the form's words in both languages; the
// element at fault and the reader's own account of it only for JSON.
struct ReadError {
    std::string file;
    int line = 0;         // 1-based; 0 when the file could not be read at all
    std::string message;  // English
    std::string japanese;
    std::string element;  // the element at fault; empty when none is
    std::string detail;   // what the reader expected, by element names

    // "FILE:LINE: MESSAGE" and "FILE（LINE 行目）: 日本語"
    std::string Text() const;
    std::string JapaneseText() const;
};

struct ReadResult {
    std::optional<Report> report;
    ReadError error;  // when there is no report
};

// Reads the bytes of a report file; `name` appears in the error. Never throws.
// Only what the export can write reads: amounts as ParseAmount takes them, no
// control characters but tab, CR and LF, no character references, and amounts
// whose magnitudes add up far inside 64 bits, so that no sum the checks form
// can overflow.
ReadResult ReadReport(std::string_view bytes, std::string_view name);

}  // namespace inspect
