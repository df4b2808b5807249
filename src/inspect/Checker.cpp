#include "inspect/Checker.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace inspect {

// Beside its callers Yen and YenEn: GCC 12 gives a false -Wrestrict on the
// insert below in some translation units (Checks.cpp among them).
std::string WithSeparators(std::int64_t yen) {
    const bool negative = yen < 0;
    std::string digits = std::to_string(negative ? -yen : yen);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return negative ? "-" + digits : digits;
}

}  // namespace inspect

namespace inspect::rules {

std::string Yen(std::int64_t yen) {
    return WithSeparators(yen) + "円";
}
std::string YenEn(std::int64_t yen) {
    return WithSeparators(yen) + " yen";
}

// A rule returns why it did not apply, or an empty text when it ran.
template <typename F>
void Checker::Rule(const char* id, F body) {
    rule_ = id;
    RuleRun run;
    run.rule = id;
    run.reason = body();
    run.ran = run.reason.empty();
    result_.rules.push_back(std::move(run));
}

CheckResult Checker::Run() {
    Rule("BS-OPENING", [this] { return BalanceOpening(); });
    Rule("BS-CLOSING", [this] { return BalanceClosing(); });
    Rule("PL-INCOME", [this] { return Income(); });
    Rule("MONTHLY-SALES", [this] { return MonthlySales(); });
    Rule("BLUE-DEDUCTION", [this] { return BlueDeduction(); });
    Rule("LIST-SALARIES", [this] { return Salaries(); });
    Rule("LIST-LAND-RENT", [this] { return LandRent(); });
    Rule("LIST-INTEREST", [this] { return Interest(); });
    Rule("LIST-TAX-ACCOUNTANT", [this] { return TaxAccountant(); });
    Rule("RENTAL-INCOME", [this] { return Rentals(); });
    Rule("PREVIOUS-BALANCES", [this] { return PreviousBalances(); });
    return std::move(result_);
}

Finding& Checker::Add(Severity severity, std::string section, std::vector<std::string> tags,
                      std::vector<Figure> figures, std::string japanese, std::string english) {
    Finding f;
    f.rule = rule_;
    f.severity = severity;
    f.section = std::move(section);
    f.tags = std::move(tags);
    f.figures = std::move(figures);
    f.japanese = std::move(japanese);
    f.english = std::move(english);
    result_.findings.push_back(std::move(f));
    return result_.findings.back();
}

// Every amount is cut to whole yen from the host's ten-thousandths, so a sum
// of n lines may differ from its total by less than n yen.
Severity Checker::ForDifference(std::int64_t difference, int lines) {
    return std::llabs(difference) < lines ? Severity::Warning : Severity::Error;
}

void Checker::Equal(std::string section, std::vector<std::string> tags, std::int64_t sum, int lines,
                    std::int64_t stated, const std::string& whatJa, const std::string& whatEn) {
    const std::int64_t difference = sum - stated;
    if (difference == 0) {
        return;
    }
    const Severity severity = ForDifference(difference, lines);
    const std::string roundingJa = severity == Severity::Warning ? "（端数処理の範囲）" : "";
    const std::string roundingEn = severity == Severity::Warning ? " (within rounding)" : "";
    Add(severity, std::move(section), std::move(tags),
        {{"sum of the lines", sum}, {"stated", stated}, {"difference", difference}},
        whatJa + ": 明細の合計 " + Yen(sum) + " と記載額 " + Yen(stated) + " の差額 " +
            Yen(difference) + roundingJa + "。",
        whatEn + ": the lines add up to " + YenEn(sum) + ", the report states " + YenEn(stated) +
            ", a difference of " + YenEn(difference) + roundingEn + ".");
}

}  // namespace inspect::rules
