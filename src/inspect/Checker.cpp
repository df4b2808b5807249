#include "inspect/Checker.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "inspect/Labels.h"
#include "reportformat/BalanceSheets.h"

namespace inspect {

// Beside its callers Yen and YenEn: GCC 12 gives a false -Wrestrict on the
// insert below in some translation units (Checks.cpp among them).
std::string WithSeparators(std::int64_t yen) {
    // Unsigned, so that the most negative amount has a magnitude too.
    const std::uint64_t magnitude =
        yen < 0 ? 0 - static_cast<std::uint64_t>(yen) : static_cast<std::uint64_t>(yen);
    std::string digits = std::to_string(magnitude);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return yen < 0 ? "-" + digits : digits;
}

}  // namespace inspect

namespace inspect::rules {

std::string Yen(std::int64_t yen) {
    return WithSeparators(yen) + "円";
}
std::string YenEn(std::int64_t yen) {
    return WithSeparators(yen) + " yen";
}

Reason NoProfitAndLoss() {
    return {"損益計算書がありません。", "the report has no profit-and-loss statement"};
}

template <typename F>
void Checker::Rule(const char* id, F body) {
    rule_ = id;
    RuleRun run;
    run.rule = id;
    Reason reason = body();
    run.ran = reason.english.empty();
    run.reason = std::move(reason.english);
    run.reasonJapanese = std::move(reason.japanese);
    result_.rules.push_back(std::move(run));
}

Checker::Checker(const Report& report, const Report* previous)
    : r_(report), previous_(previous), form_(FormOf(report)) {}

CheckResult Checker::Run() {
    Rule("BS-LINES", [this] { return BalanceLines(); });
    Rule("BS-OPENING", [this] { return BalanceOpening(); });
    Rule("BS-CLOSING", [this] { return BalanceClosing(); });
    Rule("PL-INCOME", [this] { return Income(); });
    Rule("MONTHLY-SALES", [this] { return MonthlySales(); });
    Rule("MONTHLY-PURCHASES", [this] { return MonthlyPurchases(); });
    Rule("MANUFACTURING-COST", [this] { return Manufacturing(); });
    Rule("BLUE-DEDUCTION", [this] { return BlueDeduction(); });
    Rule("BAD-DEBT-RESERVE", [this] { return BadDebtReserve(); });
    Rule("FAMILY-DEDUCTION", [this] { return FamilyDeduction(); });
    Rule("LIST-SALARIES", [this] { return Salaries(); });
    Rule("LIST-FAMILY-EMPLOYEES", [this] { return FamilyEmployees(); });
    Rule("LIST-LAND-RENT", [this] { return LandRent(); });
    Rule("LIST-INTEREST", [this] { return Interest(); });
    Rule("LIST-TAX-ACCOUNTANT", [this] { return TaxAccountant(); });
    Rule("LIST-CUSTOMERS", [this] { return Customers(); });
    Rule("LIST-SUPPLIERS", [this] { return Suppliers(); });
    Rule("LIST-REPAIRS", [this] { return Repairs(); });
    Rule("RENTAL-INCOME", [this] { return Rentals(); });
    Rule("PREVIOUS-BALANCES", [this] { return PreviousBalances(); });
    return std::move(result_);
}

Place Checker::At(std::string_view section, std::string_view tag) const {
    const Section* s = r_.Find(section);
    const std::string line =
        s ? LineName(form_, *s, section, tag) : FormLineName(form_, section, tag);
    return {std::string(section), {std::string(tag)}, SectionTitle(form_, section) + " " + line};
}

Place Checker::AtBalance(std::string_view tag) const {
    const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(tag);
    const bool opening = line && line->period == reportformat::Period::Opening;
    const std::string_view stem = line ? line->stem : tag;
    static const Fields kNone;
    const Section* s = r_.Find(kBalanceSheet);
    return {std::string(kBalanceSheet),
            {std::string(tag)},
            SectionTitle(form_, kBalanceSheet) + (opening ? " 期首 " : " 期末 ") +
                AccountName(form_, s ? *s : kNone, stem)};
}

Finding& Checker::Add(Severity severity, Place place, std::vector<Figure> figures,
                      std::string japanese, std::string english) {
    Finding f;
    f.rule = rule_;
    f.severity = severity;
    f.section = std::move(place.section);
    f.tags = std::move(place.tags);
    f.where = std::move(place.where);
    f.figures = std::move(figures);
    f.japanese = std::move(japanese);
    f.english = std::move(english);
    result_.findings.push_back(std::move(f));
    return result_.findings.back();
}

// Every amount is cut to whole yen from the host's ten-thousandths, so a
// stated figure may differ from the sum of its lines, but only within what
// the cutting of each line and of the figure itself can explain.
void Checker::Compare(Place place, const CutSum& sum, std::int64_t stated, Written written,
                      const std::string& whatJa, const std::string& whatEn,
                      const std::vector<Search>& search) {
    const bool loss = written == Written::Rounded && sum.yen < 0;
    const std::int64_t expected = loss ? 0 : sum.yen;
    if (stated == expected) {
        return;
    }
    const std::int64_t low = sum.yen - sum.below;
    const std::int64_t high = sum.yen + sum.above;
    std::int64_t least = 0, most = 0;
    if (written == Written::Rounded) {
        least = std::max<std::int64_t>(low, 0);
        most = std::max<std::int64_t>(high, 0);
    } else {
        least = sum.below == 0 ? sum.yen : (low >= 0 ? low : low + 1);
        most = sum.above == 0 ? sum.yen : (high > 0 ? high - 1 : high);
    }
    const bool rounding = stated >= least && stated <= most;
    const std::int64_t off = stated - expected;
    const std::int64_t by = off < 0 ? -off : off;
    const Reason ending = Ending(rounding, off > 0 ? most - expected : expected - least);
    const Reason hints = Hints(by, search);
    Add(rounding ? Severity::Warning : Severity::Error, std::move(place),
        {{"sum of the lines", sum.yen}, {"stated", stated}, {"difference", sum.yen - stated}},
        whatJa + ": 記載額 " + Yen(stated) + " は計算した額 " + Yen(expected) +
            (loss ? "（損失 " + Yen(sum.yen) + " は 0円と記載）" : "") + " より " + Yen(by) +
            (off > 0 ? " 多い" : " 少ない") + ending.japanese + hints.japanese,
        whatEn + ": the report states " + YenEn(stated) + ", " + YenEn(by) +
            (off > 0 ? " more" : " less") + " than the " + YenEn(expected) + " computed" +
            (loss ? " (a loss of " + YenEn(sum.yen) + " is written as 0)" : "") + ending.english +
            hints.english);
}

// A difference the cutting explains says how much the cutting could make:
// each line it moves moves by under a yen, so n lines by at most n - 1 yen,
// and books kept in whole yen move none.
Reason Ending(bool rounding, std::int64_t most) {
    if (!rounding) {
        return {"。", "."};
    }
    const std::string lines = std::to_string(most + 1);
    return {"（金額の円未満切り捨てで生じうる差）。切り捨てでこの向きの差を生じうる行は " + lines +
                " 行で、差は最大 " + Yen(most) + " です。円単位で付けた帳簿からは生じません。",
            ", which cutting the amounts to whole yen can explain. " + lines +
                " of the lines compared can move it this way, by at most " + YenEn(most) +
                " together; books kept in whole yen cannot produce it."};
}

// The checks an accountant does by hand on a difference: a line of that
// amount left out or counted twice, a line of half of it on the wrong side,
// two digits swapped.
Reason Checker::Hints(std::int64_t difference, const std::vector<Search>& search) const {
    if (difference <= 0) {
        return {};
    }
    std::string sameJa, halfJa;
    int same = 0, half = 0;
    for (const Search& s : search) {
        if (s.section == nullptr) {
            continue;
        }
        auto visit = [&](const Fields& fields) {
            for (const Field& field : fields.fields) {
                const std::int64_t yen = ParseAmount(field.text).value_or(0);
                const std::int64_t size = yen < 0 ? -yen : yen;
                if (yen == 0 || !field.tag.ends_with(s.end) ||
                    !HoldsYen(form_, s.section->tag, field.tag)) {
                    continue;
                }
                const bool balance = s.section->tag == kBalanceSheet;
                const std::string name =
                    (balance ? AtBalance(field.tag) : At(s.section->tag, field.tag)).where;
                if (size == difference && same++ < 3) {
                    sameJa += (sameJa.empty() ? "" : "、") + name + "（" + Yen(yen) + "）";
                } else if (difference % 2 == 0 && size == difference / 2 && half++ < 3) {
                    halfJa += (halfJa.empty() ? "" : "、") + name + "（" + Yen(yen) + "）";
                }
            }
        };
        visit(*s.section);
        for (const Item& item : s.section->items) {
            visit(item);
        }
    }
    Reason out;
    if (!sameJa.empty()) {
        out.japanese += " 差額と同じ金額の行: " + sameJa + "。";
        out.english += " Lines of the difference's amount: " + sameJa + ".";
    }
    if (!halfJa.empty()) {
        out.japanese += " 差額の半分の金額の行（反対側への記入？）: " + halfJa + "。";
        out.english +=
            " Lines of half the difference (entered on the wrong side?): " + halfJa + ".";
    }
    if (difference % 9 == 0) {
        out.japanese += " 差額は 9 の倍数です（数字の入れ替わり？）。";
        out.english += " The difference is a multiple of 9 (two digits swapped?).";
    }
    return out;
}

}  // namespace inspect::rules
