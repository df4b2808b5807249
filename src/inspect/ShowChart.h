#pragma once

#include <string>

#include "inspect/ShowLayout.h"

namespace inspect::layout {

// This year's and last year's sales and purchases by month as an inline SVG
// bar chart: heights in proportion to the yen, from one baseline, losses below it.
std::string Chart(const Monthly& now, const Monthly& before);

}  // namespace inspect::layout
