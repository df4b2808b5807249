#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "report/ReportWriter.h"

// Kinds of a balance-sheet row.
inline constexpr std::uint8_t kOpeningAmountRow = 0;
inline constexpr std::uint8_t kClosingAmountRow = 1;
inline constexpr std::uint8_t kAccountNameRow = 3;

// Which rows a balance-sheet account gets, in this order.
enum class BalanceRows : std::uint8_t {
    Closing,             // _KIMATU
    OpeningClosing,      // _KISYU, _KIMATU
    NameOpeningClosing,  // _KAMOKU, _KISYU, _KIMATU: a user-named account
};

// One account of a balance sheet, or a run of numbered spare accounts: with
// `spares` above 0 the accounts stem + firstSpare, stem + firstSpare + 1, ...
// take the consecutive codes from `code`.
struct BalanceAccount {
    std::int32_t code;
    const char* stem;
    BalanceRows rows;
    int spares = 0;
    int firstSpare = 1;
};

// The rows of a balance sheet, derived once from its accounts; owns the tags
// its rows point at.
class BalanceSheetTable {
public:
    explicit BalanceSheetTable(std::span<const BalanceAccount> accounts);
    BalanceSheetTable(const BalanceSheetTable&) = delete;
    BalanceSheetTable& operator=(const BalanceSheetTable&) = delete;

    std::span<const BalanceTableRow> Rows() const { return rows_; }

private:
    std::vector<std::string> tags_;
    std::vector<BalanceTableRow> rows_;
};

// Business and other income.
std::span<const AmountTableRow> BlueBusinessProfitAndLoss();
std::span<const AmountTableRow> WhiteProfitAndLoss();
std::span<const AmountTableRow> ManufacturingCost();
std::span<const BalanceTableRow> BlueBusinessBalanceSheet();
// The 28 tags of the monthly sales and purchases; the tag at a slot of the
// monthly record that the host leaves unused names a reduced-rate amount.
std::span<const std::string> MonthlyTags();

// Real-estate income.
std::span<const AmountTableRow> BlueRealEstateProfitAndLoss();
std::span<const AmountTableRow> WhiteRealEstateProfitAndLoss();
std::span<const BalanceTableRow> BlueRealEstateBalanceSheet();

// The blue special deduction the user chose in the host.
struct BlueDeductionChoice {
    std::uint8_t hostChoice;  // byte of the saved general statement
    const char* code;         // AOIROKOUJO_SENTAKU
    std::int32_t limitYen;
    bool otherThanBlue;  // written under JOUKIIGAI_KOUJYOGAKU, not AOIROKOUJO_KOUJYOGAKU
};

// Null for a byte that names no choice.
const BlueDeductionChoice* FindBlueDeductionChoice(std::uint8_t hostChoice);
