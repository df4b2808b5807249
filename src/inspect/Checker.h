#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/Report.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"

// Internal to the checks. One Checker runs every rule; its members are spread
// over files by the statements they read, so each file stays short.
namespace inspect::rules {

inline constexpr std::string_view kProfitAndLoss = reportformat::section::kProfitAndLoss;
inline constexpr std::string_view kBalanceSheet = reportformat::section::kBalanceSheet;

std::string Yen(std::int64_t yen);
std::string YenEn(std::int64_t yen);

// Why a rule did not apply, in both languages; empty when it ran.
struct Reason {
    std::string japanese;
    std::string english;
};

// Where a finding lies: the section and lines, and the same as the form prints them.
struct Place {
    std::string section;
    std::vector<std::string> tags;
    std::string where;
};

// How the export wrote a figure the rules compare with a sum.
enum class Written {
    Cut,      // cut to whole yen towards zero
    Rounded,  // rounded half up to whole yen, a loss written as 0
};

// Lines to search for the amount a difference could come from.
struct Search {
    const Section* section;
    std::string_view end;  // only lines whose tag ends so ("" for all)
};

class Checker {
public:
    Checker(const Report& report, const Report* previous);

    CheckResult Run();

private:
    // Running rules, places and findings: Checker.cpp.
    template <typename F>
    void Rule(const char* id, F body);
    Place At(std::string_view section, std::string_view tag) const;
    Place AtBalance(std::string_view tag) const;  // 貸借対照表 期首/期末 and the account
    Finding& Add(Severity severity, Place place, std::vector<Figure> figures, std::string japanese,
                 std::string english);
    void Compare(Place place, const CutSum& sum, std::int64_t stated, Written written,
                 const std::string& whatJa, const std::string& whatEn,
                 const std::vector<Search>& search);
    Reason Hints(std::int64_t difference, const std::vector<Search>& search) const;

    // Balance sheet, income, monthly sales, blue-return deduction: StatementRules.cpp.
    const Section* BalanceSheet() const;
    std::vector<std::string> MissingBalanceLines(const Section& sheet,
                                                 std::optional<reportformat::Period> period) const;
    Reason BalanceSkipped() const;
    void Balance(bool opening, const CutSum& assets, const CutSum& right, const Section& bs);
    Reason BalanceLines();
    Reason BalanceOpening();
    Reason BalanceClosing();
    Reason Income();
    const Section* MonthlyTable(const std::string& whatJa, const std::string& whatEn,
                                Reason& why) const;
    Reason MonthlySales();

    // Manufacturing cost, monthly purchases: CostRules.cpp.
    const Section* ManufacturingCost() const;  // null where nothing is made
    Reason Manufacturing();
    Reason MonthlyPurchases();
    Reason BlueDeduction();

    // Limits of the law: LimitRules.cpp.
    Reason BadDebtReserve();
    Reason FamilyDeduction();

    // Breakdown lists, rentals: BreakdownRules.cpp.
    Reason NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
                    const CutSum& line, std::vector<std::string> lineTags,
                    const std::string& whatJa, const std::string& whatEn);
    Reason Whole(std::string_view listTag, const std::vector<std::string>& amountTags,
                 std::string_view lineTag, const std::string& whatJa, const std::string& whatEn);
    void FeesElsewhere(const Section& list, const CutSum& sum, const CutSum& fees,
                       std::vector<std::string> feeTags, const CutSum& all);
    Reason Salaries();
    Reason FamilyEmployees();
    Reason LandRent();
    Reason Interest();
    Reason TaxAccountant();
    Reason Customers();
    Reason Suppliers();
    Reason Repairs();
    Reason Rentals();

    // Last year's report: PreviousRules.cpp.
    Reason PreviousBalances();
    void Opening(const Section& sheet, const Section& last, const Field& field);
    void Gone(const Section& sheet, const Section& last);

    const Report& r_;
    const Report* previous_;
    const reportformat::Form form_;
    CheckResult result_;
    std::string rule_;
};

Reason NoProfitAndLoss();
// The monthly table's run of twelve months under `stem`, added up.
CutSum MonthsOf(const Section& monthly, const char* stem);
// How a difference's sentence ends: for one the cutting explains (`rounding`),
// that it does and the most it can make, `most` yen.
Reason Ending(bool rounding, std::int64_t most);

}  // namespace inspect::rules
