#pragma once

#include <cstddef>
#include <cstdint>

// The host's record of one company data entry. Only the named fields are read
// by the program; the rest belongs to the host.
#pragma pack(push, 1)
struct StDATAINFO {
    char dataId[16];      // data identifier, NUL-terminated
    std::int32_t dataNo;  // number of the data entry
    char reserved20[4];
    char companyName[260];    // Shift_JIS, NUL-terminated
    std::int32_t periodFrom;  // yyyymmdd
    std::int32_t periodTo;    // yyyymmdd
    char reserved292[8];
    std::int32_t hasManufacturing;
    char reserved304[22];
    std::int16_t dataKind;  // 99 marks past-results data
    char reserved328[16];
    std::int8_t returnKind;  // 3 blue return, 4 white return
    char reserved345[602];
    std::int8_t businessKind;  // 1 business only, 2 real estate only, 3 both
    char reserved948[557];
};
#pragma pack(pop)

static_assert(sizeof(StDATAINFO) == 1505);
static_assert(offsetof(StDATAINFO, dataNo) == 16);
static_assert(offsetof(StDATAINFO, companyName) == 24);
static_assert(offsetof(StDATAINFO, periodFrom) == 284);
static_assert(offsetof(StDATAINFO, periodTo) == 288);
static_assert(offsetof(StDATAINFO, hasManufacturing) == 300);
static_assert(offsetof(StDATAINFO, dataKind) == 326);
static_assert(offsetof(StDATAINFO, returnKind) == 344);
static_assert(offsetof(StDATAINFO, businessKind) == 947);

namespace hostapi {
inline constexpr std::int16_t kPastResultsDataKind = 99;
inline constexpr std::int8_t kBlueReturn = 3;
inline constexpr std::int8_t kWhiteReturn = 4;
}  // namespace hostapi
