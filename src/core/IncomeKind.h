#pragma once

#include <cstdint>

// The income kind of a report: chooses the DATA section and the aggregation.
// 0 occurs only as "nothing remembered".
using IncomeKind = std::int16_t;

namespace income_kind {
inline constexpr IncomeKind kNone = 0;
inline constexpr IncomeKind kBusiness = 1;
inline constexpr IncomeKind kOther = 2;
inline constexpr IncomeKind kRealEstate = 3;
}  // namespace income_kind
