#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Report.h"
#include "reportformat/Statements.h"

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
    std::string
        where;  // the same as the form prints it: 損益計算書 所得金額, 貸借対照表 期首 資産合計
    std::vector<Figure> figures;
    std::string japanese;  // one line each
    std::string english;
};

struct RuleRun {
    std::string rule;
    bool ran = false;
    std::string reason;          // why the rule did not apply
    std::string reasonJapanese;  // the same in Japanese
};

struct CheckResult {
    std::vector<RuleRun> rules;  // every rule, run or skipped, in a fixed order
    std::vector<Finding> findings;

    int Count(Severity severity) const;
};

// `previous` is what the user gave as last year's report, or null.
CheckResult RunChecks(const Report& report, const Report* previous);

// A sum of amounts the export cut to whole yen (towards zero), and where the
// exact sum can lie: below yen + above and above yen - below, or at yen when
// both are 0. Each amount the cutting lowered counts one yen above, each it
// raised one below.
struct CutSum {
    std::int64_t yen = 0;
    int above = 0;
    int below = 0;

    // Adds or (sign -1) subtracts an amount.
    void Add(std::int64_t amount, int sign = 1);
    // Whether the exact sums of this and `other` can be the same.
    bool CanEqual(const CutSum& other) const;
};

// What the rules compute, shared with the statements shown.
struct BalanceTotals {
    std::int64_t assetsOpening = 0, assetsClosing = 0;
    std::int64_t liabilitiesOpening = 0, liabilitiesClosing = 0;
};
// The balance sheet's sides, each line by what it is wherever it stands:
// 事業主貸 with the assets, 貸倒引当金 and the year's income with the
// liabilities and capital. Lines of neither side count on none.
BalanceTotals BalanceSheetTotals(reportformat::Form form, const Section& balanceSheet);
struct BalanceSides {
    CutSum assetsOpening, assetsClosing;
    CutSum liabilitiesOpening, liabilitiesClosing;
};
BalanceSides BalanceSheetSides(reportformat::Form form, const Section& balanceSheet);

enum class Side { Assets, LiabilitiesAndCapital, None };
// By the account of a balance-sheet line; a numbered spare account the form
// has not as many of counts on its account's side.
Side SideOf(reportformat::Form form, std::string_view tag);

struct IncomeTotals {
    std::int64_t revenue = 0;
    std::int64_t costOfSales = 0;  // business only
    std::int64_t expenses = 0;
    std::int64_t reversals = 0;   // business only: reserves and allowances taken back
    std::int64_t provisions = 0;  // family employees' salaries, reserves set aside
    std::int64_t income = 0;
    // Each amount is cut to whole yen, so the exact income lies below
    // income + above and above income - below (it is income when both are 0):
    // the count of amounts whose cutting lowered, or raised, the income.
    int above = 0;
    int below = 0;
};
// The profit-and-loss statement added up as the form does.
IncomeTotals ProfitAndLossTotals(reportformat::Form form, const Section& profitAndLoss);

// "1,234,567" / "-1,234".
std::string WithSeparators(std::int64_t yen);

}  // namespace inspect
