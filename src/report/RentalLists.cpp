#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hostapi/BlockView.h"
#include "report/Amount4.h"
#include "report/RecordFields.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Elements.h"
#include "reportformat/Records.h"

namespace {

constexpr int kRentalBlock = 1;
constexpr int kUseBlock = 7;
constexpr int kHalfUp = 0;

}  // namespace

int ReportWriter::WriteRentalList(XmlWriter* writer, int maxItems) {
    if (!writer) {
        return 0;
    }
    // An absent statement has no properties; a block the host ended without
    // its marker ends with the last entry it holds whole.
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(realEstate->blocks[kRentalBlock]);
    for (int n = 1; n <= maxItems; ++n) {
        const hostapi::BlockView entry =
            block.Sub(static_cast<std::size_t>(n - 1) * sizeof(RentalEntry), sizeof(RentalEntry));
        if (!entry.IsPresent() || entry.Int32(offsetof(RentalEntry, endMarker)) ==
                                      hostapi::realestate::kRentalEndMarker) {
            return 1;
        }
        const std::string count = std::to_string(n);
        const reportformat::ListLayout& rentals = reportformat::kRentalList;
        if (!writer->Start(rentals.item, reportformat::envelope::kCount, count.c_str()) ||
            !record::WriteChildren(*writer, entry, 0, rentals.children) || !writer->End()) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteRentalUse(XmlWriter* writer) {
    if (!writer) {
        return 0;
    }
    // Whatever the block does not hold, or all of it when it is absent, is written empty.
    return record::WriteChildren(*writer,
                                 hostapi::BlockView::OfTaskMemory(realEstate->blocks[kUseBlock]), 0,
                                 reportformat::RentalUse());
}

std::string ReportWriter::FormatArea(std::int64_t area, int fractionDigits) {
    Amount4 value(area);
    const char* text = value.ToText(fractionDigits, kHalfUp);
    return text ? std::string(text) : std::string();
}
