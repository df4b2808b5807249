#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/Report.h"
#include "inspect/Show.h"
#include "reportformat/Statements.h"

// Internal to Show: the statements laid out once, then written for a terminal
// (ShowText.cpp) or as a page (ShowHtml.cpp).
namespace inspect::layout {

// One printed line of a statement: a label and its values (the balance
// sheet's start and end of period; last year's figure and the change when
// compared), or the cells of a list row.
struct Row {
    std::string tag;
    std::string number;                  // the form's line number, where it prints one
    std::vector<std::string> cells;      // first cell: the label
    bool total = false;                  // a sum the form prints
    bool heading = false;                // a heading inside the statement (繰戻額等)
    bool moved = false;                  // moved from last year by more than the share set
    std::optional<std::int64_t> amount;  // the figure compared with last year
    std::vector<const Finding*> findings;
};

struct Block {
    std::string tag;
    std::string title;
    std::vector<std::string> header;  // the columns' names; first: the label's
    std::vector<bool> numeric;        // per column: right-aligned
    bool list = false;                // entries of a breakdown list, not labelled lines
    std::vector<Row> rows;
    std::vector<const Finding*> findings;  // all findings of the section
};

// One block per section of the report, in its order, with the findings
// attached and, with options.previous, last year's figures beside them.
std::vector<Block> LayOut(const Report& report, const CheckResult& checks,
                          const ShowOptions& options = {});
// Company, period, blue or white, income kind: the parts of the heading.
std::vector<std::string> Heading(const Report& report);
// "2021/01/01", "2021/04": dates as the dialog writes them; other text unchanged.
std::string DateText(const std::string& digits);
// The figures of last year's sales and purchases by month, for the chart.
struct Monthly {
    std::int64_t sales[12] = {}, purchases[12] = {};
};
std::optional<Monthly> MonthlyFigures(const Report& report);

// Shared by the statements' builders.
using reportformat::Form;
using reportformat::Holds;
bool IsAmountText(const std::string& text);
// What a line holds; one no form has holds yen in the statements of amounts, else text.
Holds HoldsOf(Form form, const std::string& section, const std::string& tag);
std::string Shown(const std::string& tag, const std::string& text, Holds holds);
std::string LabelOf(Form form, const std::string& section, const std::string& tag,
                    const Fields& fields);
bool Unused(const Section& section, const std::string& stem);
Row AmountRow(std::string tag, std::string label, const std::string& text, Holds holds);
Row SumRow(std::string number, std::string label, std::int64_t yen);
Block BalanceSheet(Form form, const Section& section);
Block List(Form form, const Section& section);
Block Notes(const Section& section);
// Last year's figure, the change and its rate beside every line that has a
// figure; lines that moved by more than `threshold` percent are marked.
void Compare(std::vector<Block>& blocks, const std::vector<Block>& last, int threshold);

}  // namespace inspect::layout
