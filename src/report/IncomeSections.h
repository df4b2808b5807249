#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

class XmlWriter;

// Section elements of the income content, each at level 3 inside the income
// element; names shared by the business and real-estate content are spelled here once.
namespace section {
inline constexpr char kProfitAndLoss[] = "SONEKIKEISANSYO";
inline constexpr char kSalaries[] = "KYUURYOUTINGIN";
inline constexpr char kFamilyEmployees[] = "SENJUUSYA";
inline constexpr char kLandRents[] = "TIDAIYATIN";
inline constexpr char kTaxAccountant[] = "ZEIRISIHOUSYUU";
inline constexpr char kSpecialNotes[] = "TOKUSYUJIJOU";
inline constexpr char kBalanceSheet[] = "TAISYAKUTAISYOUHYO";
}  // namespace section

// One section: its element and the writer of its content.
struct IncomeSection {
    const char* name;
    std::function<int()> writeContent;
};

// Each section in order as start element, content and end element; 0 at the
// first failure, leaving that section open and the rest unwritten.
int WriteIncomeSections(XmlWriter& writer, std::span<const IncomeSection> sections);

// The notes text at the start of a statement block: up to its NUL, within the
// notes field and the block the host delivered; empty for an absent block.
std::string_view NotesText(const void* block, std::size_t offset, std::size_t width);
