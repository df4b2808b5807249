// The rules on the statements themselves: the balance sheet, the income, the
// monthly sales and the blue-return deduction.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace inspect::rules {

namespace {

namespace bs = reportformat::bs;
namespace deduction = reportformat::deduction;
using reportformat::LineOf;
using reportformat::Period;

}  // namespace

// The export writes every amount line of the form's balance sheet: one the
// report lacks was lost from the file, for one period or for both.
std::vector<std::string> Checker::MissingBalanceLines(const Section& sheet,
                                                      std::optional<Period> period) const {
    std::vector<std::string> missing;
    const reportformat::SectionSchema* form = reportformat::SchemaOf(form_).Find(kBalanceSheet);
    if (form == nullptr) {
        return missing;
    }
    for (const reportformat::ElementSpec& element : form->values) {
        if (element.account != nullptr && element.period != Period::AccountName &&
            (!period || element.period == *period) && sheet.Find(element.tag) == nullptr) {
            missing.push_back(element.tag);
        }
    }
    return missing;
}

const Section* Checker::BalanceSheet() const {
    return r_.Blue() ? r_.Find(kBalanceSheet) : nullptr;
}

Reason Checker::BalanceSkipped() const {
    if (!r_.Blue()) {
        return {"白色申告には貸借対照表がありません。", "white returns have no balance sheet"};
    }
    return {"貸借対照表がありません（BS-LINES のエラー）。",
            "the report has no balance sheet (the error of BS-LINES)"};
}

// A blue return states its balance sheet, every line by its account.
Reason Checker::BalanceLines() {
    if (!r_.Blue()) {
        return BalanceSkipped();
    }
    const std::string title = SectionTitle(form_, kBalanceSheet);
    const Section* sheet = BalanceSheet();
    if (sheet == nullptr) {
        Add(Severity::Error, {std::string(kBalanceSheet), {}, title}, {},
            "青色申告の出力ファイルに" + title + "がありません。",
            "The blue return has no balance sheet (" + title + ").");
        return {};
    }
    for (const std::string& tag : MissingBalanceLines(*sheet, std::nullopt)) {
        Place place = AtBalance(tag);
        const std::string where = place.where;
        Add(Severity::Error, std::move(place), {}, where + " の行がありません。",
            "The balance sheet has no line " + where + ".");
    }
    for (const Field& field : sheet->fields) {
        const std::optional<reportformat::AccountLine> line = reportformat::AccountOf(field.tag);
        const bool amount = line && line->period != Period::AccountName;
        if (amount && SideOf(form_, field.tag) == Side::None) {
            Add(Severity::Error, {std::string(kBalanceSheet), {field.tag}, title + " " + field.tag},
                {},
                title + "に様式にない行 " + field.tag +
                    " があります（資産・負債のどちらにも数えません）。",
                "The balance sheet holds the line " + field.tag +
                    ", which the form does not have (counted on neither side).");
        }
    }
    return {};
}

// The balance sheet's sides are the same books: they differ by no more than
// cutting their lines to whole yen explains.
void Checker::Balance(bool opening, const CutSum& left, const CutSum& right, const Section& bs) {
    const std::int64_t assets = left.yen;
    if (assets == right.yen) {
        return;
    }
    const bool rounding = left.CanEqual(right);
    const std::string when = opening ? "期首" : "期末";
    const std::string whenEn = opening ? "start" : "end";
    const std::int64_t off = assets - right.yen;
    const std::int64_t by = off < 0 ? -off : off;
    const Reason ending =
        Ending(rounding, (off > 0 ? left.below + right.above : left.above + right.below) - 1);
    // A line lost from the file explains the difference better than any line of its amount.
    Reason hints;
    for (const std::string& tag :
         MissingBalanceLines(bs, opening ? Period::Opening : Period::Closing)) {
        const std::string where = AtBalance(tag).where;
        hints.japanese += (hints.japanese.empty() ? " この表にない行: " : "、") + where;
        hints.english += (hints.english.empty() ? " Lines the sheet lacks: " : ", ") + where;
    }
    if (hints.english.empty()) {
        hints = Hints(
            by, {{&bs, opening ? reportformat::suffix::kOpening : reportformat::suffix::kClosing}});
    } else {
        hints.japanese += "。";
        hints.english += ".";
    }
    Add(rounding ? Severity::Warning : Severity::Error,
        {std::string(kBalanceSheet),
         {},
         SectionTitle(form_, kBalanceSheet) + " " + when + " 資産合計・負債資本合計"},
        {{"assets", assets}, {"liabilities and capital", right.yen}, {"difference", off}},
        when + "の資産合計 " + Yen(assets) + " は負債・資本合計 " + Yen(right.yen) + " より " +
            Yen(by) + (off > 0 ? " 多い" : " 少ない") + ending.japanese + hints.japanese,
        "Balance sheet at the " + whenEn + " of the period: the assets of " + YenEn(assets) +
            " are " + YenEn(by) + (off > 0 ? " more" : " less") +
            " than the liabilities and capital of " + YenEn(right.yen) + ending.english +
            hints.english);
}

Reason Checker::BalanceOpening() {
    const Section* sheet = BalanceSheet();
    if (sheet == nullptr) {
        return BalanceSkipped();
    }
    const BalanceSides t = BalanceSheetSides(form_, *sheet);
    Balance(true, t.assetsOpening, t.liabilitiesOpening, *sheet);
    return {};
}

Reason Checker::BalanceClosing() {
    const Section* sheet = BalanceSheet();
    if (sheet == nullptr) {
        return BalanceSkipped();
    }
    const BalanceSides t = BalanceSheetSides(form_, *sheet);
    Balance(false, t.assetsClosing, t.liabilitiesClosing, *sheet);
    return {};
}

// The balance sheet keeps the income's sign; the deduction's calculation
// starts from the income, a loss counting as none.
Reason Checker::Income() {
    if (!r_.Blue()) {
        return {"白色申告には青色申告特別控除前の所得金額がありません。",
                "white returns state no income before the deduction"};
    }
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return NoProfitAndLoss();
    }
    const IncomeTotals t = ProfitAndLossTotals(form_, *pl);
    const CutSum income{t.income, t.above, t.below};
    bool compared = false;
    const std::string stated = LineOf(bs::kIncomeBeforeDeduction, Period::Closing);
    if (const Section* sheet = r_.Find(kBalanceSheet);
        sheet != nullptr && sheet->Find(stated) != nullptr) {
        Compare(AtBalance(stated), income, sheet->Yen(stated), Written::Cut,
                "貸借対照表の青色申告特別控除前の所得金額",
                "Income before the blue-return deduction on the balance sheet",
                {{pl, ""}, {sheet, stated}});
        compared = true;
    }
    if (const Section* d = r_.Find(reportformat::section::kBlueDeduction);
        d != nullptr && d->Find(deduction::kIncomeBefore) != nullptr) {
        Compare(At(reportformat::section::kBlueDeduction, deduction::kIncomeBefore), income,
                d->Yen(deduction::kIncomeBefore), Written::Rounded,
                "青色申告特別控除額の計算の控除前の所得金額",
                "Income before the deduction in its calculation", {{pl, ""}});
        compared = true;
    }
    if (compared) {
        return {};
    }
    return {"青色申告特別控除前の所得金額の記載がありません。",
            "the report states no income before the deduction"};
}

// The monthly table, or why the report has none: the column `whatJa`/`whatEn`
// names (売上, sales) is missing with it.
const Section* Checker::MonthlyTable(const std::string& whatJa, const std::string& whatEn,
                                     Reason& why) const {
    const Section* monthly = r_.Find(reportformat::section::kMonthly);
    if (r_.RealEstate()) {
        why = {"不動産所得には月別" + whatJa + "がありません。",
               "real-estate income has no monthly " + whatEn};
    } else if (monthly == nullptr || r_.Find(kProfitAndLoss) == nullptr) {
        why = r_.Blue() ? Reason{"月別" + whatJa + "がありません。",
                                 "the report has no monthly " + whatEn}
                        : Reason{"白色申告には月別" + whatJa + "がありません。",
                                 "white returns have no monthly " + whatEn};
    } else {
        return monthly;
    }
    return nullptr;
}

CutSum MonthsOf(const Section& monthly, const char* stem) {
    CutSum sum;
    for (int month = 1; month <= reportformat::kMonths; ++month) {
        sum.Add(monthly.Yen(stem + std::to_string(month)));
    }
    return sum;
}

Reason Checker::MonthlySales() {
    Reason why;
    const Section* monthly = MonthlyTable("売上", "sales", why);
    if (monthly == nullptr) {
        return why;
    }
    const Section* pl = r_.Find(kProfitAndLoss);
    namespace monthlyTable = reportformat::monthly;
    CutSum sum = MonthsOf(*monthly, monthlyTable::kSales);
    sum.Add(monthly->Yen(monthlyTable::kHouseholdUse));
    sum.Add(monthly->Yen(monthlyTable::kMiscellaneousIncome));
    Compare(At(kProfitAndLoss, reportformat::pl::kSales), sum, pl->Yen(reportformat::pl::kSales),
            Written::Cut, "売上（収入）金額と月別売上（家事消費・雑収入を含む）",
            "Sales against the monthly sales with household consumption and miscellaneous income",
            {{monthly, ""}});
    return {};
}

Reason Checker::BlueDeduction() {
    if (!r_.Blue()) {
        return {"白色申告には青色申告特別控除がありません。",
                "white returns have no blue-return deduction"};
    }
    if (r_.RealEstate()) {
        return {"控除は営業所得用・その他所得用の出力ファイルで計算します。",
                "the deduction is stated with the business or other income"};
    }
    const std::string_view section = reportformat::section::kBlueDeduction;
    const Section* d = r_.Find(section);
    if (d == nullptr) {
        return {"青色申告特別控除額の計算がありません。",
                "the report has no blue-return deduction"};
    }
    const std::string choice = d->Text(deduction::kChoice);
    const reportformat::DeductionChoice* chosen = reportformat::DeductionChoiceOf(choice);
    if (chosen == nullptr) {
        std::vector<std::string> codes;
        for (const reportformat::DeductionChoice& each : reportformat::DeductionChoices()) {
            codes.emplace_back(each.code);
        }
        std::sort(codes.begin(), codes.end());
        std::string ja, en;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            ja += (i == 0 ? "" : "、") + codes[i];
            en += (i == 0 ? "" : i + 1 == codes.size() ? " and " : ", ") + codes[i];
        }
        Add(Severity::Error, At(section, deduction::kChoice), {},
            "青色申告特別控除の選択 \"" + choice + "\" は " + ja + " のいずれでもありません。",
            "The blue-return deduction choice \"" + choice + "\" is none of " + en + ".");
        return {};
    }
    const std::int64_t limit = chosen->limitYen;
    const std::string amountTag = chosen->amountTag;
    const std::string otherTag =
        amountTag == deduction::kBlueAmount ? deduction::kOtherAmount : deduction::kBlueAmount;
    if (const std::int64_t other = d->Yen(otherTag); other != 0) {
        const std::string named = At(section, amountTag).where;
        Place place = At(section, otherTag);
        place.tags.push_back(amountTag);
        const std::string where = place.where;
        Add(Severity::Error, std::move(place), {{"deduction", other}},
            "選択 " + choice + " の控除額は " + named + " に記載しますが、" + where + " に " +
                Yen(other) + " があります。",
            "Choice " + choice + " puts the deduction in " + named + ", but " + where + " holds " +
                YenEn(other) + ".");
    }
    const std::int64_t deduction = d->Yen(amountTag);
    const std::int64_t realEstate = std::max<std::int64_t>(d->Yen(deduction::kRealEstateIncome), 0);
    const std::int64_t income = std::max<std::int64_t>(d->Yen(deduction::kIncomeBefore), 0);
    // Whole yen on both sides: the real-estate income takes up the limit
    // first; what is left, capped by this income, is the most it can be.
    const std::int64_t allowed = std::min(std::max<std::int64_t>(limit - realEstate, 0), income);
    if (deduction >= 0 && deduction <= allowed) {
        return {};
    }
    const std::int64_t off = deduction < 0 ? deduction : deduction - allowed;
    Add(Severity::Error, At(section, amountTag),
        {{"deduction", deduction},
         {"limit", limit},
         {"real-estate income", realEstate},
         {"income before the deduction", income},
         {"allowed", allowed}},
        "青色申告特別控除額 " + Yen(deduction) + " は、限度額 " + Yen(limit) + " から不動産所得 " +
            Yen(realEstate) + " を差し引き所得 " + Yen(income) + " までとした上限 " + Yen(allowed) +
            (deduction < 0 ? " に対し負の額です。" : " より " + Yen(off) + " 多い。"),
        "The blue-return deduction of " + YenEn(deduction) +
            (deduction < 0 ? " is negative"
                           : " is " + YenEn(off) + " more than " + YenEn(allowed)) +
            ", what its limit of " + YenEn(limit) + " leaves after the real-estate income of " +
            YenEn(realEstate) + ", capped by the income of " + YenEn(income) + ".");
    return {};
}

}  // namespace inspect::rules
