#include "inspect/Checks.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "inspect/Checker.h"

namespace inspect {

int CheckResult::Count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const Finding& f) { return f.severity == severity; }));
}

BalanceTotals BalanceSheetTotals(const Section& balanceSheet) {
    BalanceTotals totals;
    bool liabilities = false;
    for (const Field& field : balanceSheet.fields) {
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        const bool opening = rules::EndsWith(field.tag, "_KISYU");
        const bool closing = rules::EndsWith(field.tag, "_KIMATU");
        if (field.tag == "JIGYOUNUSIKASI_KIMATU") {
            totals.assetsClosing += yen;
            liabilities = true;
            continue;
        }
        if (opening) {
            (liabilities ? totals.liabilitiesOpening : totals.assetsOpening) += yen;
        } else if (closing) {
            (liabilities ? totals.liabilitiesClosing : totals.assetsClosing) += yen;
        }
    }
    return totals;
}

IncomeTotals ProfitAndLossTotals(const Section& profitAndLoss) {
    static constexpr std::array<std::string_view, 8> kRevenue = {"URIAGEKINGAKU",
                                                                 "SYUNYUGAKU",
                                                                 "KAJISYOUHI",
                                                                 "SONOTASYUNYU",
                                                                 "TINTAIRYO",
                                                                 "REIKIN_KENRIKIN_KOUSINRYOU",
                                                                 "SYUUNYUUKINGAKU_YOBI",
                                                                 "MEIGIKAKIKAERYOU_SONOTA"};
    IncomeTotals t;
    for (const Field& field : profitAndLoss.fields) {
        const std::string_view tag = field.tag;
        // The choice of deduction and the land-debt interest are notes beside the statement.
        if (rules::EndsWith(tag, "_KAMOKU") || tag == "AOIROKOUJO_SENTAKU" ||
            tag == "FUSAIRISIGAKU") {
            continue;
        }
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        ++t.lines;
        if (std::find(kRevenue.begin(), kRevenue.end(), tag) != kRevenue.end()) {
            t.revenue += yen;
        } else if (tag == "KISYUSYOHINTANAOROSIDAKA" || tag == "SIIREKINGAKU") {
            t.costOfSales += yen;
        } else if (tag == "KIMATUSYOHINTANAOROSIDAKA") {
            t.costOfSales -= yen;
        } else if (tag.starts_with("KURIMODOSI_")) {
            t.reversals += yen;
        } else if (tag.starts_with("KURIIRE_") || tag == "SENJYUUSYAKYUUYO" ||
                   tag == "SENJYUSYAKOUJYO") {
            t.provisions += yen;
        } else {
            t.expenses += yen;
        }
    }
    t.income = t.revenue - t.costOfSales - t.expenses + t.reversals - t.provisions;
    return t;
}

CheckResult RunChecks(const Report& report, const Report* previous) {
    return rules::Checker(report, previous).Run();
}

}  // namespace inspect
