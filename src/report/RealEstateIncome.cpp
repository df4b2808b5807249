#include <cstdint>
#include <optional>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace {
constexpr int kInterestBlock = 0;
constexpr int kDeductionBlock = 0;
}  // namespace

int ReportWriter::WriteDebtInterest(XmlWriter* writer) {
    if (!writer) {
        return 0;
    }
    // Without the statement block the interest is unknown and written empty.
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(realEstate->blocks[kInterestBlock]);
    return writer->Value(reportformat::pl::kLandDebtInterest,
                         FormatAmount(block.Int64(hostapi::realestate::kDebtInterest).value_or(0)));
}

// AOIROKOUJO_SENTAKU from the deduction chosen in the host. Without the
// general statement the choice is unknown, which fails like a byte that names
// no choice.
int ReportWriter::WriteDeductionChoice(XmlWriter* writer) {
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(general->blocks[kDeductionBlock]);
    const std::optional<std::uint8_t> byte = block.Uint8(hostapi::general::kBlueDeductionChoice);
    const reportformat::DeductionChoice* choice =
        byte ? reportformat::FindDeductionChoice(*byte) : nullptr;
    return choice ? writer->Value(reportformat::deduction::kChoice, choice->code) : 0;
}
