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

void CutSum::Add(std::int64_t amount, int sign) {
    const std::int64_t signedYen = sign < 0 ? -amount : amount;
    yen += signedYen;
    above += signedYen > 0 ? 1 : 0;
    below += signedYen < 0 ? 1 : 0;
}

namespace {

struct Account {
    std::string_view stem;
    Side side;
};

// Written once: every balance-sheet account of both forms; the user-named
// lines by their prefix below.
constexpr std::array kAccounts = {
    Account{"GENKIN", Side::Assets},
    Account{"TOUZAYOKIN", Side::Assets},
    Account{"FUTUUYOKIN", Side::Assets},
    Account{"TEIKIYOKIN", Side::Assets},
    Account{"SONOTANOYOKIN", Side::Assets},
    Account{"UKETORITEGATA", Side::Assets},
    Account{"URIKAKEKIN", Side::Assets},
    Account{"MISYUUTINTAIRYO", Side::Assets},
    Account{"MISYUUKIN", Side::Assets},
    Account{"YUUKASYOUKEN", Side::Assets},
    Account{"TANAOROSISISAN", Side::Assets},
    Account{"MAEBARAIKIN", Side::Assets},
    Account{"KASITUKEKIN", Side::Assets},
    Account{"TATEMONO", Side::Assets},
    Account{"TATEMONOFUZOKUSETUBI", Side::Assets},
    Account{"KOUTIKUBUTU", Side::Assets},
    Account{"KIKAISOUTI", Side::Assets},
    Account{"SENPAKU", Side::Assets},
    Account{"SYARYOUUNPANGU", Side::Assets},
    Account{"KOUGUKIGUBIHIN", Side::Assets},
    Account{"TOTI", Side::Assets},
    Account{"SYAKUTIKEN", Side::Assets},
    Account{"KOUKYOUSISETUFUTANKIN", Side::Assets},
    Account{"JIGYOUNUSIKASI", Side::Assets},
    Account{"SIHARAITEGATA", Side::LiabilitiesAndCapital},
    Account{"KAIKAKEKIN", Side::LiabilitiesAndCapital},
    Account{"SYUKUNYUUKIN", Side::LiabilitiesAndCapital},
    Account{"MIBARAIKIN", Side::LiabilitiesAndCapital},
    Account{"MAIUKEKIN", Side::LiabilitiesAndCapital},
    Account{"AZUKARIKIN", Side::LiabilitiesAndCapital},
    Account{"HOSYOUKIN_SIKIKIN", Side::LiabilitiesAndCapital},
    Account{"KASIDAOREHIKIATEKIN", Side::LiabilitiesAndCapital},
    Account{"JIGYOUNUSIKARI", Side::LiabilitiesAndCapital},
    Account{"MOTOIREKIN", Side::LiabilitiesAndCapital},
    Account{"KOUJYOMAESYOTOKUKINNGAKU", Side::LiabilitiesAndCapital},
};

// A user-named line: the prefix and one to two digits.
bool Named(std::string_view stem, std::string_view prefix) {
    if (!stem.starts_with(prefix)) {
        return false;
    }
    const std::string_view number = stem.substr(prefix.size());
    return !number.empty() && number.size() <= 2 &&
           number.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

Side SideOf(std::string_view tag) {
    for (const std::string_view end : {"_KISYU", "_KIMATU"}) {
        if (tag.ends_with(end)) {
            tag.remove_suffix(end.size());
            break;
        }
    }
    for (const Account& account : kAccounts) {
        if (account.stem == tag) {
            return account.side;
        }
    }
    if (Named(tag, "SISAN_YOBI")) {
        return Side::Assets;
    }
    return Named(tag, "FUSAISIHON_YOBI") ? Side::LiabilitiesAndCapital : Side::None;
}

BalanceSides BalanceSheetSides(const Section& balanceSheet) {
    BalanceSides sides;
    for (const Field& field : balanceSheet.fields) {
        const Side side = SideOf(field.tag);
        const bool opening = rules::EndsWith(field.tag, "_KISYU");
        if (side == Side::None || (!opening && !rules::EndsWith(field.tag, "_KIMATU"))) {
            continue;
        }
        const bool assets = side == Side::Assets;
        (opening ? (assets ? sides.assetsOpening : sides.liabilitiesOpening)
                 : (assets ? sides.assetsClosing : sides.liabilitiesClosing))
            .Add(ParseAmount(field.text).value_or(0));
    }
    return sides;
}

BalanceTotals BalanceSheetTotals(const Section& balanceSheet) {
    const BalanceSides s = BalanceSheetSides(balanceSheet);
    return {s.assetsOpening.yen, s.assetsClosing.yen, s.liabilitiesOpening.yen,
            s.liabilitiesClosing.yen};
}

bool CutSum::CanEqual(const CutSum& other) const {
    // Each exact sum lies in [yen - below, yen + above], open at an end that counts.
    auto meets = [](const CutSum& low, const CutSum& high) {
        const std::int64_t bottom = low.yen - low.below;
        const std::int64_t top = high.yen + high.above;
        return bottom < top || (bottom == top && low.below == 0 && high.above == 0);
    };
    return meets(*this, other) && meets(other, *this);
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
    CutSum income;
    for (const Field& field : profitAndLoss.fields) {
        const std::string_view tag = field.tag;
        // The choice of deduction and the land-debt interest are notes beside the statement.
        if (rules::EndsWith(tag, "_KAMOKU") || tag == "AOIROKOUJO_SENTAKU" ||
            tag == "FUSAIRISIGAKU") {
            continue;
        }
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        int sign = -1;  // how the line counts in the income
        if (std::find(kRevenue.begin(), kRevenue.end(), tag) != kRevenue.end()) {
            t.revenue += yen;
            sign = 1;
        } else if (tag == "KISYUSYOHINTANAOROSIDAKA" || tag == "SIIREKINGAKU") {
            t.costOfSales += yen;
        } else if (tag == "KIMATUSYOHINTANAOROSIDAKA") {
            t.costOfSales -= yen;
            sign = 1;
        } else if (tag.starts_with("KURIMODOSI_")) {
            t.reversals += yen;
            sign = 1;
        } else if (tag.starts_with("KURIIRE_") || tag == "SENJYUUSYAKYUUYO" ||
                   tag == "SENJYUSYAKOUJYO") {
            t.provisions += yen;
        } else {
            t.expenses += yen;
        }
        income.Add(yen, sign);
    }
    t.income = income.yen;
    t.above = income.above;
    t.below = income.below;
    return t;
}

CheckResult RunChecks(const Report& report, const Report* previous) {
    return rules::Checker(report, previous).Run();
}

}  // namespace inspect
