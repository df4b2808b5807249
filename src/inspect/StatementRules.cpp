// The rules on the statements themselves: the balance sheet, the income, the
// monthly sales and the blue-return deduction.
#include <algorithm>
#include <string>
#include <vector>

#include "inspect/Checker.h"

namespace inspect::rules {

const Section* Checker::BalanceSheet() const {
    return r_.Blue() ? r_.Find(kBalanceSheet) : nullptr;
}

std::string Checker::BalanceSkipped() const {
    if (!r_.Blue()) {
        return "white returns have no balance sheet";
    }
    return "the report has no balance sheet";
}

// The balance sheet adds up exactly: its sides are the same books.
void Checker::Balance(const char* when, const char* whenJa, std::int64_t assets, std::int64_t right,
                      std::vector<std::string> tags) {
    if (assets == right) {
        return;
    }
    Add(Severity::Error, std::string(kBalanceSheet), std::move(tags),
        {{"assets", assets}, {"liabilities and capital", right}, {"difference", assets - right}},
        std::string(whenJa) + "の資産合計 " + Yen(assets) + " と負債・資本合計 " + Yen(right) +
            " が一致しません（差額 " + Yen(assets - right) + "）。",
        std::string("Balance sheet at the ") + when + ": assets " + YenEn(assets) +
            " differ from liabilities and capital " + YenEn(right) + " by " +
            YenEn(assets - right) + ".");
}

std::string Checker::BalanceOpening() {
    const Section* bs = BalanceSheet();
    if (bs == nullptr) {
        return BalanceSkipped();
    }
    const BalanceTotals t = BalanceSheetTotals(*bs);
    Balance("start of the period", "期首", t.assetsOpening, t.liabilitiesOpening,
            {"MOTOIREKIN_KISYU"});
    return {};
}

std::string Checker::BalanceClosing() {
    const Section* bs = BalanceSheet();
    if (bs == nullptr) {
        return BalanceSkipped();
    }
    if (bs->Find("JIGYOUNUSIKASI_KIMATU") == nullptr) {
        return "the balance sheet has no 事業主貸 line";
    }
    const BalanceTotals t = BalanceSheetTotals(*bs);
    Balance("end of the period", "期末", t.assetsClosing, t.liabilitiesClosing,
            {"KOUJYOMAESYOTOKUKINNGAKU_KIMATU"});
    return {};
}

std::string Checker::Income() {
    if (!r_.Blue()) {
        return "white returns state no income before the deduction";
    }
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return "the report has no profit-and-loss statement";
    }
    const IncomeTotals t = ProfitAndLossTotals(*pl);
    bool compared = false;
    if (const Section* bs = r_.Find(kBalanceSheet);
        bs != nullptr && bs->Find("KOUJYOMAESYOTOKUKINNGAKU_KIMATU") != nullptr) {
        Equal(std::string(kBalanceSheet), {"KOUJYOMAESYOTOKUKINNGAKU_KIMATU"}, t.income, t.lines,
              bs->Yen("KOUJYOMAESYOTOKUKINNGAKU_KIMATU"),
              "損益計算書の所得金額と貸借対照表の青色申告特別控除前の所得金額",
              "Income before the blue-return deduction (balance sheet)");
        compared = true;
    }
    if (const Section* d = r_.Find("AOIROKOUJO");
        d != nullptr && d->Find("AOIROKOUJOMAESYOTOKU") != nullptr) {
        Equal("AOIROKOUJO", {"AOIROKOUJOMAESYOTOKU"}, t.income, t.lines,
              d->Yen("AOIROKOUJOMAESYOTOKU"), "損益計算書の所得金額と青色申告特別控除前の所得金額",
              "Income before the blue-return deduction (deduction section)");
        compared = true;
    }
    return compared ? std::string() : "the report states no income before the deduction";
}

std::string Checker::MonthlySales() {
    if (r_.RealEstate()) {
        return "real-estate income has no monthly sales";
    }
    const Section* monthly = r_.Find("TUKIBETUURIAGESHIIRE");
    const Section* pl = r_.Find(kProfitAndLoss);
    if (monthly == nullptr || pl == nullptr) {
        return r_.Blue() ? "the report has no monthly sales"
                         : "white returns have no monthly sales";
    }
    std::int64_t sum = 0;
    int lines = 0;
    for (int month = 1; month <= 12; ++month) {
        sum += monthly->Yen("URIAGEKINGAKU" + std::to_string(month));
        ++lines;
    }
    sum += monthly->Yen("KAJISYOUHI") + monthly->Yen("ZATUSYUNYU");
    lines += 2;
    Equal(std::string(kProfitAndLoss), {"URIAGEKINGAKU"}, sum, lines, pl->Yen("URIAGEKINGAKU"),
          "月別売上（家事消費・雑収入を含む）と売上金額",
          "Monthly sales with household consumption and miscellaneous income against the "
          "year's sales");
    return {};
}

std::string Checker::BlueDeduction() {
    if (!r_.Blue()) {
        return "white returns have no blue-return deduction";
    }
    if (r_.RealEstate()) {
        return "the deduction is stated with the business or other income";
    }
    const Section* d = r_.Find("AOIROKOUJO");
    if (d == nullptr) {
        return "the report has no blue-return deduction";
    }
    const std::string choice = d->Text("AOIROKOUJO_SENTAKU");
    std::int64_t limit = 0;
    std::string amountTag;
    if (choice == "1") {
        limit = 650000;
        amountTag = "AOIROKOUJO_KOUJYOGAKU";
    } else if (choice == "3") {
        limit = 550000;
        amountTag = "AOIROKOUJO_KOUJYOGAKU";
    } else if (choice == "2") {
        limit = 100000;
        amountTag = "JOUKIIGAI_KOUJYOGAKU";
    } else {
        Add(Severity::Error, "AOIROKOUJO", {"AOIROKOUJO_SENTAKU"}, {},
            "青色申告特別控除の選択 \"" + choice + "\" は 1、2、3 のいずれでもありません。",
            "The blue-return deduction choice \"" + choice + "\" is none of 1, 2 and 3.");
        return {};
    }
    const std::int64_t deduction = d->Yen(amountTag);
    const std::int64_t realEstate = std::max<std::int64_t>(d->Yen("FUDOUSANSYOTOKU"), 0);
    const std::int64_t income = std::max<std::int64_t>(d->Yen("AOIROKOUJOMAESYOTOKU"), 0);
    // The real-estate income takes up the limit first; what is left, capped by this income.
    const std::int64_t allowed = std::min(std::max<std::int64_t>(limit - realEstate, 0), income);
    if (deduction < 0 || deduction > allowed) {
        const std::int64_t excess = deduction < 0 ? deduction : deduction - allowed;
        // Two amounts rounded to whole yen meet here: one yen over is rounding.
        Add(deduction >= 0 && excess < 2 ? Severity::Warning : Severity::Error, "AOIROKOUJO",
            {amountTag},
            {{"deduction", deduction},
             {"limit", limit},
             {"real-estate income", realEstate},
             {"income before the deduction", income},
             {"allowed", allowed}},
            "青色申告特別控除額 " + Yen(deduction) + " が限度額 " + Yen(limit) + "（不動産所得 " +
                Yen(realEstate) + " を差し引き、所得 " + Yen(income) + " まで）による上限 " +
                Yen(allowed) + " を超えています。",
            "The blue-return deduction " + YenEn(deduction) + " exceeds " + YenEn(allowed) +
                ", what its limit of " + YenEn(limit) + " leaves after the real-estate income of " +
                YenEn(realEstate) + ", capped by the income of " + YenEn(income) + ".");
    }
    return {};
}

}  // namespace inspect::rules
