#include "report/RecordFields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace record {
namespace {

using reportformat::Child;
using reportformat::Format;

// Contract dates keep year and month: the day digits are dropped.
constexpr std::int32_t kDayDivisor = 100;
constexpr int kAreaFractionDigits = 2;

std::string TextOf(const hostapi::BlockView& block, std::size_t at, const Child& child) {
    const std::string_view text = block.Text(at, child.width).value_or(std::string_view());
    return child.limit > 0 ? ReportWriter::CopyTruncated(text, child.limit) : std::string(text);
}

}  // namespace

int WriteChild(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
               const Child& child) {
    const std::size_t at = entry + child.offset;
    std::string value;
    switch (child.format) {
        case Format::Text:
            value = TextOf(block, at, child);
            break;
        case Format::Integer:
        case Format::Date:
            value = ReportWriter::FormatInteger(block.Int32(at).value_or(0));
            break;
        case Format::Amount:
            value = ReportWriter::FormatAmount(block.Int64(at).value_or(0));
            break;
        case Format::Empty:
            break;
        case Format::Payment: {
            const std::optional<std::uint8_t> kind = block.Uint8(entry + child.kindOffset);
            if (kind && *kind != reportformat::kKeyMoneyKind &&
                *kind != reportformat::kRenewalFeeKind) {
                return 1;
            }
            if (kind == child.kind) {
                value = ReportWriter::FormatAmount(block.Int64(at).value_or(0));
            }
            break;
        }
        case Format::Month:
            value = ReportWriter::FormatInteger(block.Int32(at).value_or(0) / kDayDivisor);
            break;
        case Format::Area: {
            const std::int64_t area = block.Int64(at).value_or(0);
            value = area == 0 ? std::string() : ReportWriter::FormatArea(area, kAreaFractionDigits);
            break;
        }
    }
    return writer.Value(child.element, value);
}

int WriteChildren(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
                  std::span<const Child> children) {
    for (const Child& child : children) {
        if (!WriteChild(writer, block, entry, child)) {
            return 0;
        }
    }
    return 1;
}

}  // namespace record
