#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "report/Amount4.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace {

// Blocks of the saved general statement.
constexpr int kDeductionBlock = 0;
constexpr int kBadDebtBlock = 1;

// The business income before the deduction is the closing amount of this row.
constexpr int kBusinessIncomeRow = 43;

hostapi::BlockView GeneralBlock(const StAOSIROSAVEINFO_IPPAN* general, int block) {
    return hostapi::BlockView::OfTaskMemory(general->blocks[block]);
}

// An income in whole yen, half up; a loss counts as none. Host amounts stay
// far below the 10^18 yen at which rounding overflows.
Amount4 IncomeInYen(std::int64_t scaled) {
    Amount4 income(scaled < 0 ? 0 : scaled);
    income.Round(0, 1);
    return income;
}

// Whole yen, "0" for zero.
std::string YenText(Amount4 amount) {
    return amount.ToText(0, 0);
}

}  // namespace

int ReportWriter::WriteBadDebtReserve(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const hostapi::BlockView block = GeneralBlock(general, kBadDebtBlock);
    // The rate has no field of its own.
    for (const reportformat::ValueLine& element : reportformat::BadDebtReserve()) {
        std::string value = reportformat::kBadDebtRateCode;
        if (element.field) {
            const std::optional<std::int64_t> amount = block.Int64(*element.field);
            value = amount ? FormatAmount(*amount) : std::string();
        }
        if (!writer->Value(element.tag, value)) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteBlueDeduction(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    namespace element = reportformat::deduction;
    const hostapi::BlockView block = GeneralBlock(general, kDeductionBlock);

    const Amount4 realEstateIncome =
        IncomeInYen(block.Int64(hostapi::general::kRealEstateIncome).value_or(0));
    if (!writer->Value(element::kRealEstateIncome, YenText(realEstateIncome))) {
        return 0;
    }

    StAOSUMINFO row{};
    if (!FindRowAt(*rows, kBusinessIncomeRow, &row)) {
        return 0;
    }
    const Amount4 business = IncomeInYen(row.closingAmount);
    if (!writer->Value(element::kIncomeBefore, YenText(business))) {
        return 0;
    }

    // An absent block leaves the choice unknown, which fails like an unknown byte.
    const std::optional<std::uint8_t> chosen = block.Uint8(hostapi::general::kBlueDeductionChoice);
    const reportformat::DeductionChoice* choice =
        chosen ? reportformat::FindDeductionChoice(*chosen) : nullptr;
    if (choice == nullptr) {
        return 0;
    }
    if (!writer->Value(element::kChoice, choice->code)) {
        return 0;
    }

    // The real-estate income takes up the limit first; the rest, up to the
    // business income, is the deduction here.
    const Amount4 limit(choice->limitYen, 0);
    const Amount4 taken = Amount4::IsLess(realEstateIncome, limit) ? realEstateIncome : limit;
    Amount4 deduction = Amount4::Subtract(limit, taken);
    if (Amount4::IsGreater(deduction, business)) {
        deduction = business;
    }
    const std::string text = YenText(deduction);
    const bool blue = std::string_view(choice->amountTag) == element::kBlueAmount;
    if (!writer->Value(element::kBlueAmount, blue ? text : std::string()) ||
        !writer->Value(element::kOtherAmount, blue ? std::string() : text)) {
        return 0;
    }
    return 1;
}
