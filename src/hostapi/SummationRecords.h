#pragma once

#include <cstddef>
#include <cstdint>

// Records of the host's summation rules. Amounts are int64 in 1/10000 yen.
#pragma pack(push, 1)

// One summed row of a statement, as both rule classes deliver it.
struct StAOSUMINFO {
    std::int32_t itemNo;         // the host's item number within its statement
    std::int32_t code;           // summary code the report's tables key on
    char name[128];              // account name, Shift_JIS, NUL-terminated
    std::int64_t openingAmount;  // balance sheet: start of the period
    std::int64_t closingAmount;  // end of the period, or the period's amount
    char reserved152[4];
};

// The white-return rules deliver the same layout.
using StSIROSUMINFO = StAOSUMINFO;

// Monthly sales and purchases: 28 consecutive amounts.
struct StAOSUMINFO_TSUKIBETSU {
    std::int64_t amounts[28];
};

// Condition record of ClRuleAo::Ready.
struct StAOSUMCONDITION {
    std::uint8_t bytes[16];
};

#pragma pack(pop)

static_assert(sizeof(StAOSUMINFO) == 156);
static_assert(offsetof(StAOSUMINFO, code) == 4);
static_assert(offsetof(StAOSUMINFO, name) == 8);
static_assert(offsetof(StAOSUMINFO, openingAmount) == 136);
static_assert(offsetof(StAOSUMINFO, closingAmount) == 144);
static_assert(sizeof(StAOSUMINFO_TSUKIBETSU) == 28 * 8);
static_assert(sizeof(StAOSUMCONDITION) == 16);

namespace hostapi {

// Slots of StAOSUMINFO_TSUKIBETSU.
inline constexpr int kMonthlySalesFirst = 0;  // months 1 to 12: slots 0 to 11
inline constexpr int kMonthlyHouseholdConsumption = 12;
inline constexpr int kMonthlyMiscIncome = 13;
inline constexpr int kMonthlySlot14 = 14;
inline constexpr int kMonthlyPurchasesFirst = 15;  // months 1 to 12: slots 15 to 26
inline constexpr int kMonthlySlot27 = 27;

// Result codes of the host's walks.
inline constexpr int kHostOk = 0;
inline constexpr int kHostNoMoreRows = 5000;

}  // namespace hostapi

// Which statement a blue-rule walk sums.
enum _RuleAoSumType : int {
    RuleAoSumType_Business = 0,
    RuleAoSumType_RealEstate = 1,
};

// Which statement a white-rule walk sums.
enum _RuleSiroSumType : int {
    RuleSiroSumType_Business = 0,
    RuleSiroSumType_RealEstate = 1,
};
