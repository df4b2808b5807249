#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/Report.h"

// Internal to the checks. One Checker runs every rule; its members are spread
// over files by the statements they read, so each file stays short.
namespace inspect::rules {

inline constexpr std::string_view kProfitAndLoss = "SONEKIKEISANSYO";
inline constexpr std::string_view kBalanceSheet = "TAISYAKUTAISYOUHYO";

inline bool EndsWith(std::string_view s, std::string_view end) {
    return s.ends_with(end);
}
std::string Yen(std::int64_t yen);
std::string YenEn(std::int64_t yen);

class Checker {
public:
    Checker(const Report& report, const Report* previous) : r_(report), previous_(previous) {}

    CheckResult Run();

private:
    // Running rules and recording findings: Checker.cpp.
    template <typename F>
    void Rule(const char* id, F body);
    Finding& Add(Severity severity, std::string section, std::vector<std::string> tags,
                 std::vector<Figure> figures, std::string japanese, std::string english);
    static Severity ForDifference(std::int64_t difference, int lines);
    void Equal(std::string section, std::vector<std::string> tags, std::int64_t sum, int lines,
               std::int64_t stated, const std::string& whatJa, const std::string& whatEn);

    // Balance sheet, income, monthly sales, blue-return deduction: StatementRules.cpp.
    const Section* BalanceSheet() const;
    std::string BalanceSkipped() const;
    void Balance(const char* when, const char* whenJa, std::int64_t assets, std::int64_t right,
                 std::vector<std::string> tags);
    std::string BalanceOpening();
    std::string BalanceClosing();
    std::string Income();
    std::string MonthlySales();
    std::string BlueDeduction();

    // Breakdown lists, rentals, last year's balances: BreakdownRules.cpp.
    std::string NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
                         std::int64_t line, const std::vector<std::string>& lineTags,
                         const std::string& whatJa, const std::string& whatEn);
    std::string Salaries();
    std::string LandRent();
    std::string Interest();
    std::string TaxAccountant();
    std::string Rentals();
    std::string PreviousBalances();

    const Report& r_;
    const Report* previous_;
    CheckResult result_;
    std::string rule_;
};

}  // namespace inspect::rules
