#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "report/AccountTables.h"
#include "report/Amount4.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"

namespace {

constexpr int kValueLevel = 4;
// Blocks of the saved general statement.
constexpr int kDeductionBlock = 0;
constexpr int kBadDebtBlock = 1;

constexpr BlueDeductionChoice kBlueDeductionChoices[] = {
    {1, "1", 650000, false},
    {2, "3", 550000, false},
    {0, "2", 100000, true},
};

// The business income before the deduction is the closing amount of this row.
constexpr int kBusinessIncomeRow = 43;

// The bad-debt amounts of the saved general statement in the order written; the
// rate has no field of its own.
struct BadDebtElement {
    const char* tag;
    std::optional<std::size_t> offset;
};
constexpr BadDebtElement kBadDebtElements[] = {
    {"KOBETU_KURIIREGAKU", hostapi::general::kBadDebt[0]},
    {"IKKATU_KURIIREGOUKEIGAKU", hostapi::general::kBadDebt[1]},
    {"IKKATU_KURIIRERITU", std::nullopt},
    {"IKKATU_KURIIREGENDOGAKU", hostapi::general::kBadDebt[2]},
    {"IKKATU_KURIIREGAKU", hostapi::general::kBadDebt[3]},
};
constexpr char kBadDebtRate[] = "1";

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

const BlueDeductionChoice* FindBlueDeductionChoice(std::uint8_t hostChoice) {
    for (const BlueDeductionChoice& choice : kBlueDeductionChoices) {
        if (choice.hostChoice == hostChoice) {
            return &choice;
        }
    }
    return nullptr;
}

int ReportWriter::WriteBadDebtReserve(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const hostapi::BlockView block = GeneralBlock(general, kBadDebtBlock);
    std::string line;
    for (const BadDebtElement& element : kBadDebtElements) {
        std::string value = kBadDebtRate;
        if (element.offset) {
            const std::optional<std::int64_t> amount = block.Int64(*element.offset);
            value = amount ? FormatAmount(*amount) : std::string();
        }
        if (!writer->ValueElement(line, element.tag, value, kValueLevel)) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteBlueDeduction(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const hostapi::BlockView block = GeneralBlock(general, kDeductionBlock);
    std::string line;

    const Amount4 realEstateIncome =
        IncomeInYen(block.Int64(hostapi::general::kRealEstateIncome).value_or(0));
    if (!writer->ValueElement(line, "FUDOUSANSYOTOKU", YenText(realEstateIncome), kValueLevel)) {
        return 0;
    }

    StAOSUMINFO row{};
    if (!FindRowAt(*rows, kBusinessIncomeRow, &row)) {
        return 0;
    }
    const Amount4 business = IncomeInYen(row.closingAmount);
    if (!writer->ValueElement(line, "AOIROKOUJOMAESYOTOKU", YenText(business), kValueLevel)) {
        return 0;
    }

    // An absent block leaves the choice unknown, which fails like an unknown byte.
    const std::optional<std::uint8_t> chosen = block.Uint8(hostapi::general::kBlueDeductionChoice);
    const BlueDeductionChoice* choice = chosen ? FindBlueDeductionChoice(*chosen) : nullptr;
    if (choice == nullptr) {
        return 0;
    }
    if (!writer->ValueElement(line, "AOIROKOUJO_SENTAKU", choice->code, kValueLevel)) {
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
    const std::string blue = choice->otherThanBlue ? std::string() : text;
    const std::string other = choice->otherThanBlue ? text : std::string();
    if (!writer->ValueElement(line, "AOIROKOUJO_KOUJYOGAKU", blue, kValueLevel) ||
        !writer->ValueElement(line, "JOUKIIGAI_KOUJYOGAKU", other, kValueLevel)) {
        return 0;
    }
    return 1;
}
