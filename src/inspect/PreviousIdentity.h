#pragma once

#include <optional>
#include <string>

#include "inspect/Report.h"

namespace inspect {

// Why `previous` is not last year's report of the same company, return
// kind and income kind (another company, another year, ...): one
// sentence in Japanese and one in English. Nothing when it is; a blue
// return may have a white one before it.
struct Mismatch {
    std::string japanese, english;
};
std::optional<Mismatch> PreviousMismatch(const Report& report, const Report& previous);

}  // namespace inspect
