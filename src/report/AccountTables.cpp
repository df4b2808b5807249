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
#include "reportformat/Elements.h"

namespace {

// The block of the saved general statement with the reduced-rate amounts.
constexpr int kReducedRateBlock = 5;

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

int ReportWriter::WriteAmountTable(XmlWriter* writer, std::span<const AmountTableRow> table) {
    if (writer == nullptr) {
        return 0;
    }
    for (const AmountTableRow& entry : table) {
        const StAOSUMINFO row = RowWithCode(rows, entry.code);
        if (entry.flag == 1 && !writer->Value(std::string(entry.tag) + reportformat::suffix::kName,
                                              CleanedNameOf(row))) {
            return 0;
        }
        if (!writer->Value(entry.tag, FormatAmount(row.closingAmount))) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteBalanceTable(XmlWriter* writer, std::span<const BalanceTableRow> table) {
    if (writer == nullptr) {
        return 0;
    }
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
        if (!writer->Value(entry.tag, value)) {
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
        if (!writer->Value(tags[slot], value)) {
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
