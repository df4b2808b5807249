#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "reportformat/Statements.h"

// The pages of each form as the tax office prints them (the 2021 editions,
// every page A4 landscape): which blocks stand where.
namespace inspect::pages {

// A block of the layout, or the part of a statement from the line numbered
// `from` (with the group labels just above it) up to the line numbered `to`.
struct Part {
    std::string_view block;
    std::string_view from = {};
    std::string_view to = {};
};

// Blocks across the top, then columns side by side, then across the foot.
struct Page {
    std::vector<Part> top;
    std::vector<std::vector<Part>> columns;
    std::vector<Part> bottom;
};

std::span<const Page> FormPages(reportformat::Form form);

// The ids of the form's blocks that are not sections of the report.
inline constexpr std::string_view kHeader = "#header";
inline constexpr std::string_view kDepreciation = "#depreciation";
inline constexpr std::string_view kAssets = "#assets";
inline constexpr std::string_view kLiabilities = "#liabilities";

}  // namespace inspect::pages
