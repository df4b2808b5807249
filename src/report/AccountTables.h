#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "report/ReportWriter.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Statements.h"

// Kinds of a balance-sheet row.
inline constexpr std::uint8_t kOpeningAmountRow = 0;
inline constexpr std::uint8_t kClosingAmountRow = 1;
inline constexpr std::uint8_t kAccountNameRow = 3;

// The mapping rows the table writers iterate, derived once from the
// vocabulary's statements; each owns the tags its rows point at.
class AmountTable {
public:
    explicit AmountTable(std::span<const reportformat::StatementLine> lines);
    AmountTable(const AmountTable&) = delete;
    AmountTable& operator=(const AmountTable&) = delete;

    std::span<const AmountTableRow> Rows() const { return rows_; }

private:
    std::vector<std::string> tags_;
    std::vector<AmountTableRow> rows_;
};

class BalanceSheetTable {
public:
    explicit BalanceSheetTable(std::span<const reportformat::BalanceAccount> accounts);
    BalanceSheetTable(const BalanceSheetTable&) = delete;
    BalanceSheetTable& operator=(const BalanceSheetTable&) = delete;

    std::span<const BalanceTableRow> Rows() const { return rows_; }

private:
    std::vector<std::string> tags_;
    std::vector<BalanceTableRow> rows_;
};

// The lines of the form's profit-and-loss statement that the host's
// summation fills, and of the manufacturing cost (blue business only).
std::span<const AmountTableRow> ProfitAndLossRows(reportformat::Form form);
std::span<const AmountTableRow> ManufacturingCostRows();
std::span<const BalanceTableRow> BalanceSheetRows(reportformat::Form form);
// The 28 tags of the monthly sales and purchases; the tag at a slot of the
// monthly record that the host leaves unused names a reduced-rate amount.
std::span<const std::string> MonthlyTags();
