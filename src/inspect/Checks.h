#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inspect/Report.h"

// Rule checks of a report: whether its statements add up as the forms require.
namespace inspect {

enum class Severity { Warning, Error };

struct Figure {
    std::string name;  // English, stable: "assets", "sum of the lines", a tag
    std::int64_t yen = 0;
};

struct Finding {
    std::string rule;  // stable id, e.g. BS-CLOSING
    Severity severity = Severity::Error;
    std::string section;            // the section concerned, e.g. TAISYAKUTAISYOUHYO
    std::vector<std::string> tags;  // the lines concerned in that section
    std::vector<Figure> figures;
    std::string japanese;  // one line each
    std::string english;
};

struct RuleRun {
    std::string rule;
    bool ran = false;
    std::string reason;  // why the rule did not apply
};

struct CheckResult {
    std::vector<RuleRun> rules;  // every rule, run or skipped, in a fixed order
    std::vector<Finding> findings;

    int Count(Severity severity) const;
};

// `previous` is last year's report of the same company and kind, or null.
CheckResult RunChecks(const Report& report, const Report* previous);

// What the rules compute, shared with the statements shown.
struct BalanceTotals {
    std::int64_t assetsOpening = 0, assetsClosing = 0;
    std::int64_t liabilitiesOpening = 0, liabilitiesClosing = 0;
};
// The balance sheet's sides: 事業主貸 counts with the assets although the table
// lists it after them; the rest of the table after it stands with the
// liabilities and capital (貸倒引当金 and the year's income included).
BalanceTotals BalanceSheetTotals(const Section& balanceSheet);

struct IncomeTotals {
    std::int64_t revenue = 0;
    std::int64_t costOfSales = 0;  // business only
    std::int64_t expenses = 0;
    std::int64_t reversals = 0;   // business only: reserves and allowances taken back
    std::int64_t provisions = 0;  // family employees' salaries, reserves set aside
    std::int64_t income = 0;
    int lines = 0;  // amounts added up
};
// The profit-and-loss statement added up as the form does, either form.
IncomeTotals ProfitAndLossTotals(const Section& profitAndLoss);

// "1,234,567" / "-1,234".
std::string WithSeparators(std::int64_t yen);

}  // namespace inspect
