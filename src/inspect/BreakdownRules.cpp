// The rules on the breakdown lists and the rental list.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "reportformat/Elements.h"

namespace inspect::rules {

namespace pl = reportformat::pl;
namespace list = reportformat::list;
namespace section = reportformat::section;

// A breakdown list may hold less than its profit-and-loss line (small
// items stay off the list) but never more: cutting its amounts to whole yen
// only lowers its sum. The line, cut from one exact amount, can lie up to a
// yen below it, and one more for each further line it is the sum of.
Reason Checker::NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
                         const CutSum& line, std::vector<std::string> lineTags,
                         const std::string& whatJa, const std::string& whatEn) {
    const Section* list = r_.Find(listTag);
    if (list == nullptr) {
        const std::string title = SectionTitle(form_, listTag);
        return {title + "がありません。", "the report has no list " + title};
    }
    CutSum sum;
    auto add = [&](const Fields& fields) {
        for (const std::string& tag : amountTags) {
            sum.Add(fields.Yen(tag));
        }
    };
    add(*list);
    for (const Item& item : list->items) {
        add(item);
    }
    const std::int64_t excess = sum.yen - line.yen;
    if (excess <= 0) {
        return {};
    }
    const std::int64_t allowed = std::max(line.above - 1, 0) + sum.below;
    const bool rounding = excess <= allowed;
    const Reason ending = Ending(rounding, allowed);
    const Reason hints = Hints(excess, {{list, ""}});
    Place place = At(kProfitAndLoss, lineTags.front());
    place.section = std::string(listTag);
    place.tags = std::move(lineTags);
    Add(rounding ? Severity::Warning : Severity::Error, std::move(place),
        {{"list total", sum.yen}, {"profit-and-loss line", line.yen}, {"excess", excess}},
        SectionTitle(form_, listTag) + "の合計 " + Yen(sum.yen) + " は" + whatJa + " " +
            Yen(line.yen) + " より " + Yen(excess) + " 多い" + ending.japanese + hints.japanese,
        "The " + whatEn + " breakdown adds up to " + YenEn(sum.yen) + ", " + YenEn(excess) +
            " more than the profit-and-loss line of " + YenEn(line.yen) + ending.english +
            hints.english);
    return {};
}

namespace {

CutSum Line(std::int64_t yen) {
    CutSum line;
    line.Add(yen);
    return line;
}

}  // namespace

Reason Checker::Salaries() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    CutSum line = Line(pl->Yen(pl::kSalaries));
    std::string whatJa = "損益計算書の給料賃金";
    // Wages of the workshop stand in the manufacturing cost, the breakdown lists them too.
    if (const Section* cost = r_.Find(section::kManufacturing); cost != nullptr) {
        line.Add(cost->Yen(reportformat::manufacturing::kLabour));
        whatJa = "損益計算書の給料賃金と製造原価の労務費の合計";
    }
    return NotAbove(section::kSalaries,
                    {list::kSalary, list::kBonus, list::kOthersSalary, list::kOthersBonus}, line,
                    {pl::kSalaries}, whatJa, "salaries and wages");
}

// Blue returns deduct what the family employees were paid; white returns a
// fixed amount per person, which the list does not add up to.
Reason Checker::FamilyEmployees() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    if (pl->Find(pl::kFamilySalaries) == nullptr) {
        return {"専従者給与の行がありません（白色申告は専従者控除）。",
                "the statement has no family employees' salaries (white returns deduct a fixed "
                "amount)"};
    }
    return NotAbove(section::kFamilyEmployees, {list::kSalary, list::kBonus},
                    Line(pl->Yen(pl::kFamilySalaries)), {pl::kFamilySalaries},
                    "損益計算書の専従者給与", "family employees' salaries");
}

Reason Checker::LandRent() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    return NotAbove(section::kLandRents, {list::kExpensePart}, Line(pl->Yen(pl::kRent)),
                    {pl::kRent}, "損益計算書の地代家賃", "land and house rent");
}

Reason Checker::Interest() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    if (r_.RealEstate()) {
        return NotAbove(section::kLoans, {list::kExpensePart}, Line(pl->Yen(pl::kLoanInterest)),
                        {pl::kLoanInterest}, "損益計算書の借入金利子", "interest on borrowings");
    }
    return NotAbove(section::kInterest, {list::kExpensePart}, Line(pl->Yen(pl::kInterest)),
                    {pl::kInterest}, "損益計算書の利子割引料", "interest and discount");
}

// The form has no line of its own for the tax accountant: the fee stands
// on a line the user named (報酬, 税理士), else among the named lines and
// the miscellaneous expenses.
Reason Checker::TaxAccountant() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    CutSum named, fees;
    std::vector<std::string> namedTags, feeTags;
    const std::string_view nameSuffix = reportformat::suffix::kName;
    for (const Field& field : pl->fields) {
        if (!field.tag.ends_with(nameSuffix)) {
            continue;
        }
        // The expense lines the user named; not the revenue, reserve or provision ones.
        const std::string amountTag = field.tag.substr(0, field.tag.size() - nameSuffix.size());
        const reportformat::ElementSpec* element = ElementOf(form_, kProfitAndLoss, amountTag);
        if (element == nullptr || element->line == nullptr ||
            element->line->counts != reportformat::Counts::Expense) {
            continue;
        }
        const std::int64_t yen = pl->Yen(amountTag);
        named.Add(yen);
        namedTags.push_back(amountTag);
        if (field.text.find("報酬") != std::string::npos ||
            field.text.find("税理士") != std::string::npos) {
            fees.Add(yen);
            feeTags.push_back(amountTag);
        }
    }
    if (!feeTags.empty()) {
        return NotAbove(section::kTaxAccountant, {list::kExpensePart}, fees, feeTags,
                        "損益計算書の報酬の行", "tax accountant's fee");
    }
    named.Add(pl->Yen(pl::kMiscellaneous));
    named.Add(pl->Yen(pl::kOtherExpenses));
    namedTags.insert(namedTags.begin(),
                     pl->Find(pl::kMiscellaneous) ? pl::kMiscellaneous : pl::kOtherExpenses);
    return NotAbove(section::kTaxAccountant, {list::kExpensePart}, named, namedTags,
                    "損益計算書の雑費と科目設定の経費の合計", "tax accountant's fee");
}

Reason Checker::Rentals() {
    if (!r_.RealEstate()) {
        return {"賃貸の内訳は不動産所得だけにあります。",
                "only real-estate income has a rental list"};
    }
    const Section* rentals = r_.Find(section::kRentals);
    const Section* pl = r_.Find(kProfitAndLoss);
    if (rentals == nullptr || pl == nullptr) {
        return {"不動産所得の収入の内訳がありません。", "the report has no rental list"};
    }
    namespace rental = reportformat::rental;
    auto total = [rentals](std::initializer_list<const char*> tags) {
        CutSum sum;
        for (const Item& item : rentals->items) {
            for (const char* tag : tags) {
                sum.Add(item.Yen(tag));
            }
        }
        return sum;
    };
    const std::vector<Search> search = {{rentals, ""}};
    Compare(At(kProfitAndLoss, pl::kRents), total({rental::kYearlyRent}), pl->Yen(pl::kRents),
            Written::Cut, "賃貸料と収入の内訳の賃貸料（年額）",
            "Rental income against the yearly rents of the rental list", search);
    Compare(At(kProfitAndLoss, pl::kKeyMoney),
            total({rental::kGratuity, list::kKeyMoney, list::kRenewalFee}), pl->Yen(pl::kKeyMoney),
            Written::Cut, "礼金・権利金・更新料と収入の内訳",
            "Key money, gratuities and renewal fees against the rental list", search);
    if (pl->Find(pl::kTransferFees) != nullptr) {
        Compare(At(kProfitAndLoss, pl::kTransferFees), total({rental::kTransferFee}),
                pl->Yen(pl::kTransferFees), Written::Cut, "名義書換料・その他と収入の内訳",
                "Name-transfer and other fees against the rental list", search);
    }
    return {};
}

}  // namespace inspect::rules
