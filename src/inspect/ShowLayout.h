#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/Report.h"
#include "inspect/Show.h"
#include "reportformat/Statements.h"

// Internal to Show: the statements laid out once, as the form's blocks, then
// written for a terminal (ShowText.cpp) or as the form's pages (ShowHtml.cpp).
namespace inspect::layout {

using reportformat::Form;
using reportformat::Holds;

// One printed line of a block: a label and its values, or the cells of a
// list's entry.
struct Row {
    std::string tag;                 // the element shown: findings and last year find it by this
    std::string number;              // the form's line number, where it prints one
    std::vector<std::string> cells;  // first cell: the label
    std::string shortLabel;          // the form's shorter name, for a narrow view
    bool total = false;              // a sum the form prints, or a 計 row
    bool heading = false;            // a group label of the form (売上原価, 繰戻額等)
    bool moved = false;              // moved from last year by more than the threshold
    bool fresh = false;              // an account new this year, or gone since
    std::string mark;                // the mark of a footnote on the figure
    std::optional<std::int64_t> amount;  // the figure compared with last year
    std::vector<const Finding*> findings;
};

struct Block {
    std::string id;       // the section's element, or the form's own: "#header", "#depreciation"
    std::string section;  // the section whose findings it shows
    std::string title;
    std::vector<std::string> header;       // the columns' names; first: the label's
    std::vector<std::string> shortHeader;  // the same, shorter where a list's are long
    std::vector<std::string> groups;  // per column: the heading a run of columns shares, if any
    std::vector<bool> numeric;        // per column: right-aligned
    bool list = false;                // entries of a list, not labelled lines
    std::vector<Row> rows;
    std::string note;          // said under the block: a block the report carries nothing for
    std::size_t formRows = 0;  // a list's rows on the form; the rest continue on their own sheets
    std::vector<const Finding*> findings;  // all findings of the section
};

struct Footnote {
    std::string mark;
    std::string text;
};

struct Layout {
    std::vector<Block> blocks;  // the form's, in its order
    // With last year's report: each statement with this year's and last
    // year's figures, the change and its rate.
    std::vector<Block> comparison;
    std::vector<Footnote> footnotes;

    const Block* Find(std::string_view id) const;
};

Layout LayOut(const Report& report, const CheckResult& checks, const ShowOptions& options = {});

// Company, period, blue or white, income kind: the parts of the heading.
std::vector<std::string> Heading(const Report& report);
// "2021/01/01", "2021/04": dates as the dialog writes them; other text unchanged.
std::string DateText(const std::string& digits);
// The figures of the sales and purchases by month, for the chart.
struct Monthly {
    std::int64_t sales[12] = {}, purchases[12] = {};
};
std::optional<Monthly> MonthlyFigures(const Report& report);

// Shared by the blocks' builders.
bool IsAmountText(const std::string& text);
// What a line holds; one no form has holds yen in the statements of amounts, else text.
Holds HoldsOf(Form form, const std::string& section, const std::string& tag);
// A value as the form prints it: amounts with separators, dates as the dialog
// writes them, codes by their meaning, line breaks as a visible mark.
std::string Shown(const std::string& tag, const std::string& text, Holds holds);
std::string LabelOf(Form form, const std::string& section, const std::string& tag,
                    const Fields& fields);
bool Unused(const Section& section, const std::string& stem);
Row AmountRow(std::string tag, std::string label, const std::string& text, Holds holds);
Row SumRow(std::string number, std::string label, std::int64_t yen);
Row HeadingRow(std::string label);

// The blocks of a form, by the kind of section: statements and calculations
// (ShowStatements.cpp), lists and schedules (ShowLists.cpp), the balance sheet
// (ShowBalance.cpp), lines of a section the form has no other print for
// (ShowLayout.cpp).
struct Statements {
    std::vector<Block> blocks;
    std::vector<Footnote> footnotes;
};
Statements StatementBlocks(const Report& report);
// The profit and loss of a report of the other return form, laid out in this
// form's lines, with the lines that form splits carried into this form's
// (reportformat::CarriedLines): last year's white return beside a blue one.
// Nothing where no carried line joins the two forms.
std::optional<Block> ProfitAndLossAs(const Report& report, Form form);
Block Calculation(const Report& report, const Section& section,
                  const std::vector<Block>& statements);
Block List(Form form, const Section& section);
Block MonthlyTable(const Section& section);
Block Notes(const Section& section);
Block Lines(Form form, const Section& section);
Block HeaderBlock(const Report& report);
// 資産の部 and 負債・資本の部; the year's income marked as the statement marks it.
std::vector<Block> BalanceSheet(const Report& report, const Section& section,
                                const std::string& incomeMark);
// Last year's figures, the change and its rate beside every line of each
// statement that has a figure; lines that moved by more than the options allow
// are marked (ShowCompare.cpp).
std::vector<Block> Compare(const std::vector<Block>& blocks, const Report& report,
                           const Layout& last, const Report& lastReport,
                           const ShowOptions& options);

}  // namespace inspect::layout
