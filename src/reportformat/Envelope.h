#pragma once

#include <optional>
#include <string_view>

#include "reportformat/Elements.h"
#include "reportformat/Statements.h"

// The codes of the report's header and the income element they choose.
namespace reportformat {

// AOSIROKUBUN: the return form.
inline constexpr char kBlueCode[] = "1";
inline constexpr char kWhiteCode[] = "2";

// SYOTOKUSYURUI: 1 business, 2 other, 3 real-estate income; the income
// element of each, null for any other kind.
constexpr const char* IncomeElementOf(int kind) {
    switch (kind) {
        case 1:
            return envelope::kBusinessIncome;
        case 2:
            return envelope::kOtherIncome;
        case 3:
            return envelope::kRealEstateIncome;
        default:
            return nullptr;
    }
}

// The statement of a report's return form and income kind.
constexpr Form FormOf(bool blue, int kind) {
    const bool realEstate = kind == 3;
    if (blue) {
        return realEstate ? Form::BlueRealEstate : Form::BlueBusiness;
    }
    return realEstate ? Form::WhiteRealEstate : Form::WhiteBusiness;
}

}  // namespace reportformat
