#pragma once

#include <string>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/Report.h"

// Internal to Show: the statements laid out once, then written for a terminal
// (ShowText.cpp) or as a page (ShowHtml.cpp).
namespace inspect::layout {

// One printed line of a statement: a label and up to two values (the balance
// sheet's start and end of period), or the cells of a list row.
struct Row {
    std::string tag;
    std::vector<std::string> cells;  // first cell: the label
    bool total = false;
    std::vector<const Finding*> findings;
};

struct Block {
    std::string tag;
    std::string title;
    std::vector<std::string> header;  // empty: a statement of labelled lines
    std::vector<bool> numeric;        // per column: right-aligned
    std::vector<Row> rows;
    std::vector<const Finding*> findings;  // all findings of the section
};

// One block per section of the report, in its order, with the findings attached.
std::vector<Block> LayOut(const Report& report, const CheckResult& checks);
// Company, income kind, blue or white, period.
std::string Heading(const Report& report);

}  // namespace inspect::layout
