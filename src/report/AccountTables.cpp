#include "report/AccountTables.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "platform/text/Cp932.h"
#include "report/XmlWriter.h"

namespace {

constexpr int kValueLevel = 4;
// The block of the saved general statement with the reduced-rate amounts.
constexpr int kReducedRateBlock = 5;
constexpr char kNameSuffix[] = "_KAMOKU";
constexpr char kOpeningSuffix[] = "_KISYU";
constexpr char kClosingSuffix[] = "_KIMATU";

// Tried in this order at the start of each character.
constexpr std::string_view kNameMarkers[] = {
    " ", "　", "【", "】", "《", "》", "（", "）", "［", "］", "(製)",
};

// The whole name field: the name ends at its NUL, or with the field when the
// host filled it.
std::string CleanedNameOf(const StAOSUMINFO& row) {
    std::string cleaned;
    ReportWriter::CleanAccountName(std::string_view(row.name, sizeof row.name), cleaned);
    return cleaned;
}

// A zeroed row when there is none, so that its elements come out empty.
StAOSUMINFO RowWithCode(const SummationRows* rows, std::int32_t code) {
    StAOSUMINFO row{};
    FindRowByCode(*rows, code, &row);
    return row;
}

// The amount of a block field; empty when the block or the field is absent.
std::string FormattedField(const hostapi::BlockView& block, std::size_t offset) {
    const std::optional<std::int64_t> amount = block.Int64(offset);
    return amount ? ReportWriter::FormatAmount(*amount) : std::string();
}

}  // namespace

BalanceSheetTable::BalanceSheetTable(std::span<const BalanceAccount> accounts) {
    struct Pending {
        std::uint8_t kind;
        std::int32_t code;
    };
    std::vector<Pending> pending;
    const auto add = [&](const std::string& stem, const char* suffix, std::uint8_t kind,
                         std::int32_t code) {
        tags_.push_back(stem + suffix);
        pending.push_back({kind, code});
    };
    for (const BalanceAccount& account : accounts) {
        const int count = account.spares > 0 ? account.spares : 1;
        for (int n = 0; n < count; ++n) {
            const std::string stem = account.spares > 0
                                         ? account.stem + std::to_string(account.firstSpare + n)
                                         : std::string(account.stem);
            const std::int32_t code = account.code + n;
            if (account.rows == BalanceRows::NameOpeningClosing) {
                add(stem, kNameSuffix, kAccountNameRow, code);
            }
            if (account.rows != BalanceRows::Closing) {
                add(stem, kOpeningSuffix, kOpeningAmountRow, code);
            }
            add(stem, kClosingSuffix, kClosingAmountRow, code);
        }
    }
    // The tags are complete, so the pointers into them stay valid.
    rows_.reserve(tags_.size());
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        const std::int32_t flag = pending[i].kind == kAccountNameRow ? 1 : 0;
        rows_.push_back({tags_[i].c_str(), pending[i].kind, pending[i].code, flag});
    }
}

int ReportWriter::WriteAmountTable(XmlWriter* writer, std::span<const AmountTableRow> table) {
    if (writer == nullptr) {
        return 0;
    }
    std::string line;
    for (const AmountTableRow& entry : table) {
        const StAOSUMINFO row = RowWithCode(rows, entry.code);
        if (entry.flag == 1 && !writer->ValueElement(line, std::string(entry.tag) + kNameSuffix,
                                                     CleanedNameOf(row), kValueLevel)) {
            return 0;
        }
        if (!writer->ValueElement(line, entry.tag, FormatAmount(row.closingAmount), kValueLevel)) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteBalanceTable(XmlWriter* writer, std::span<const BalanceTableRow> table) {
    if (writer == nullptr) {
        return 0;
    }
    std::string line;
    // The rows of one account follow each other and share one lookup.
    std::int32_t lastCode = -1;
    StAOSUMINFO row{};
    for (const BalanceTableRow& entry : table) {
        if (entry.code != lastCode) {
            row = RowWithCode(rows, entry.code);
            lastCode = entry.code;
        }
        std::string value;
        if (entry.kind == kAccountNameRow) {
            value = CleanedNameOf(row);
        } else if (entry.kind == kOpeningAmountRow) {
            value = FormatAmount(row.openingAmount);
        } else if (entry.kind == kClosingAmountRow) {
            value = FormatAmount(row.closingAmount);
        }
        if (!writer->ValueElement(line, entry.tag, value, kValueLevel)) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteMonthly(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const hostapi::BlockView notes =
        hostapi::BlockView::OfTaskMemory(general->blocks[kReducedRateBlock]);
    std::string line;
    const std::span<const std::string> tags = MonthlyTags();
    for (std::size_t slot = 0; slot < tags.size(); ++slot) {
        // The two slots the host leaves unused carry the reduced-rate amounts.
        std::string value;
        if (slot == static_cast<std::size_t>(hostapi::kMonthlySlot14)) {
            value = FormattedField(notes, hostapi::general::kNotesReducedRateSales);
        } else if (slot == static_cast<std::size_t>(hostapi::kMonthlySlot27)) {
            value = FormattedField(notes, hostapi::general::kNotesReducedRatePurchases);
        } else {
            value = FormatAmount(monthly->amounts[slot]);
        }
        if (!writer->ValueElement(line, tags[slot], value, kValueLevel)) {
            return 0;
        }
    }
    return 1;
}

std::string ReportWriter::FormatAmount(std::int64_t amount) {
    constexpr std::int64_t kUnitsPerYen = 10000;
    const std::int64_t yen = amount / kUnitsPerYen;
    return yen == 0 ? std::string() : std::to_string(yen);
}

int ReportWriter::CleanAccountName(std::string_view name, std::string& out) {
    name = name.substr(0, name.find('\0'));
    if (name.empty()) {
        return 0;
    }
    // Markers are taken out of whole characters only: a lead byte left
    // before a removed space would glue itself to the next byte.
    const std::string whole = platform::cp932::WholeCharacters(name);
    const std::string_view text = whole;
    std::string cleaned;
    std::size_t i = 0;
    while (i < text.size()) {
        bool skipped = false;
        for (std::string_view marker : kNameMarkers) {
            if (text.substr(i).starts_with(marker)) {
                i += marker.size();
                skipped = true;
                break;
            }
        }
        if (!skipped) {
            const std::size_t width = platform::cp932::CharLengthAt(text, i);
            cleaned.append(text.substr(i, width));
            i += width;
        }
    }
    out = std::move(cleaned);
    return 1;
}
