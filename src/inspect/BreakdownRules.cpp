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

namespace {

CutSum ListTotal(const Section& list, const std::vector<std::string>& amountTags) {
    CutSum sum;
    auto add = [&](const Fields& fields) {
        for (const std::string& tag : amountTags) {
            sum.Add(fields.Yen(tag));
        }
    };
    add(list);
    for (const Item& item : list.items) {
        add(item);
    }
    return sum;
}

// A list cut to whole yen only falls below its exact sum; the line, cut from
// one exact amount, can lie up to a yen below it, and one more for each
// further line it is the sum of.
std::int64_t CuttingAllows(const CutSum& sum, const CutSum& line) {
    return std::max(line.above - 1, 0) + sum.below;
}

// The lines that can hold a fee, in the words of the findings.
constexpr char kAllFeeLines[] = "雑費と科目設定の経費の合計";

// A list that holds no amount was not filled in.
bool Empty(const CutSum& sum) {
    return sum.above == 0 && sum.below == 0;
}

}  // namespace

// A breakdown list may hold less than its profit-and-loss line (small items
// stay off the list) but never more; an empty list is above no line, a
// negative one included.
Reason Checker::NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
                         const CutSum& line, std::vector<std::string> lineTags,
                         const std::string& whatJa, const std::string& whatEn) {
    const Section* list = r_.Find(listTag);
    if (list == nullptr) {
        const std::string title = SectionTitle(form_, listTag);
        return {title + "がありません。", "the report has no list " + title};
    }
    const CutSum sum = ListTotal(*list, amountTags);
    const std::int64_t excess = sum.yen - line.yen;
    if (excess <= 0 || Empty(sum)) {
        return {};
    }
    const std::int64_t allowed = CuttingAllows(sum, line);
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

// A list that names its largest entries and adds the rest in one line is
// the whole of its profit-and-loss line; one not filled in says nothing.
Reason Checker::Whole(std::string_view listTag, const std::vector<std::string>& amountTags,
                      std::string_view lineTag, const std::string& whatJa,
                      const std::string& whatEn) {
    // Named as the one form that has it prints it.
    const std::string title = SectionTitle(reportformat::Form::WhiteBusiness, listTag);
    if (form_ != reportformat::Form::WhiteBusiness) {
        return {title + "は白色申告の営業所得用・その他所得用の出力ファイルだけにあります。",
                "only the white returns of business or other income have the list " + title};
    }
    const Section* list = r_.Find(listTag);
    const Section* pl = r_.Find(kProfitAndLoss);
    if (list == nullptr || pl == nullptr) {
        return {title + "がありません。", "the report has no list " + title};
    }
    if (const CutSum sum = ListTotal(*list, amountTags); !Empty(sum)) {
        Compare(At(kProfitAndLoss, lineTag), sum, pl->Yen(lineTag), Written::Cut, whatJa, whatEn,
                {{list, ""}});
    }
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

// The form has no line of its own for the tax accountant: the fee stands on
// the lines the user named (one named for it, 報酬 or 税理士, or a plain
// one such as 支払手数料), on 雑費 or, for real estate, その他の経費. The list
// stays within all of them; above the lines named for fees but within them
// all, part of the fee may be booked elsewhere, which is worth a look only.
Reason Checker::TaxAccountant() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    CutSum all, fees;
    std::vector<std::string> allTags, feeTags;
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
        // A line below zero holds no fee.
        const std::int64_t yen = std::max<std::int64_t>(pl->Yen(amountTag), 0);
        all.Add(yen);
        allTags.push_back(amountTag);
        if (field.text.find("報酬") != std::string::npos ||
            field.text.find("税理士") != std::string::npos) {
            fees.Add(yen);
            feeTags.push_back(amountTag);
        }
    }
    for (const char* tag : {pl::kMiscellaneous, pl::kOtherExpenses}) {
        all.Add(std::max<std::int64_t>(pl->Yen(tag), 0));
    }
    allTags.insert(allTags.begin(),
                   pl->Find(pl::kMiscellaneous) ? pl::kMiscellaneous : pl::kOtherExpenses);
    const Section* list = r_.Find(section::kTaxAccountant);
    if (list != nullptr && !feeTags.empty()) {
        const CutSum sum = ListTotal(*list, {list::kExpensePart});
        if (sum.yen - fees.yen > CuttingAllows(sum, fees) &&
            sum.yen - all.yen <= CuttingAllows(sum, all)) {
            FeesElsewhere(*list, sum, fees, feeTags, all);
            return {};
        }
    }
    return NotAbove(section::kTaxAccountant, {list::kExpensePart}, all, allTags,
                    std::string("損益計算書の") + kAllFeeLines, "tax accountant's fee");
}

void Checker::FeesElsewhere(const Section& list, const CutSum& sum, const CutSum& fees,
                            std::vector<std::string> feeTags, const CutSum& all) {
    const Section& pl = *r_.Find(kProfitAndLoss);
    std::string named, namedEn;
    for (const std::string& tag : feeTags) {
        const std::string name = LineName(form_, pl, kProfitAndLoss, tag);
        named += (named.empty() ? "" : "、") + name + " " + Yen(pl.Yen(tag));
        namedEn += (namedEn.empty() ? "" : ", ") + name + " " + YenEn(pl.Yen(tag));
    }
    const std::int64_t excess = sum.yen - fees.yen;
    Place place = At(kProfitAndLoss, feeTags.front());
    place.section = list.tag;
    place.tags = std::move(feeTags);
    Add(Severity::Warning, std::move(place),
        {{"list total", sum.yen}, {"fee lines", fees.yen}, {"lines that can hold fees", all.yen}},
        SectionTitle(form_, list.tag) + "の合計 " + Yen(sum.yen) + " は損益計算書の報酬の行（" +
            named + "）より " + Yen(excess) + " 多いが、" + kAllFeeLines + " " + Yen(all.yen) +
            " の範囲内です。報酬の一部をほかの行に計上していれば正しい額です。",
        "The tax accountant's fee breakdown adds up to " + YenEn(sum.yen) + ", " + YenEn(excess) +
            " more than the lines named for fees (" + namedEn + "), but within the " +
            YenEn(all.yen) +
            " of the miscellaneous and user-named expenses; it is right if part of the fees "
            "is booked on those.");
}

Reason Checker::Rentals() {
    if (!r_.RealEstate()) {
        return {"不動産所得の収入の内訳は不動産所得用の出力ファイルだけにあります。",
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

// The white return's customer and supplier lists, and the repairs of white real estate.
Reason Checker::Customers() {
    return Whole(section::kCustomers, {list::kSales, list::kOtherCustomers}, pl::kWhiteSales,
                 "売上（収入）金額と売上先明細の計", "Sales against the customer list's total");
}

Reason Checker::Suppliers() {
    return Whole(section::kSuppliers, {list::kPurchases, list::kOtherSuppliers}, pl::kPurchases,
                 "仕入金額と仕入先明細の計", "Purchases against the supplier list's total");
}

Reason Checker::Repairs() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (r_.Blue() || !r_.RealEstate() || pl == nullptr) {
        return {"修繕費の内訳は白色申告の不動産所得用の出力ファイルだけにあります。",
                "only the white returns of real-estate income have a repairs list"};
    }
    return NotAbove(section::kRepairs, {list::kExpensePart}, Line(pl->Yen(pl::kRepairs)),
                    {pl::kRepairs}, "損益計算書の修繕費", "repairs");
}

}  // namespace inspect::rules
