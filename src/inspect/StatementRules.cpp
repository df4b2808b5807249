// The rules on the statements themselves: the balance sheet, the income, the
// monthly sales and the blue-return deduction.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checker.h"
#include "inspect/Labels.h"

namespace inspect::rules {

namespace {

// The lines the balance rules and last year's balances cannot do without.
constexpr std::array<std::string_view, 5> kRequiredBalanceLines = {
    "JIGYOUNUSIKASI_KIMATU", "JIGYOUNUSIKARI_KIMATU", "MOTOIREKIN_KISYU", "MOTOIREKIN_KIMATU",
    "KOUJYOMAESYOTOKUKINNGAKU_KIMATU"};

}  // namespace

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
    const std::string title(SectionTitle(kBalanceSheet, r_.RealEstate()));
    const Section* bs = BalanceSheet();
    if (bs == nullptr) {
        Add(Severity::Error, {std::string(kBalanceSheet), {}, title}, {},
            "青色申告の報告書に" + title + "がありません。",
            "The blue return has no balance sheet (" + title + ").");
        return {};
    }
    for (const std::string_view tag : kRequiredBalanceLines) {
        if (bs->Find(tag) == nullptr) {
            Place place = AtBalance(tag);
            const std::string where = place.where;
            Add(Severity::Error, std::move(place), {}, where + " の行がありません。",
                "The balance sheet has no line " + where + ".");
        }
    }
    for (const Field& field : bs->fields) {
        const bool amount = EndsWith(field.tag, "_KISYU") || EndsWith(field.tag, "_KIMATU");
        if (amount && SideOf(field.tag) == Side::None) {
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
    const Reason hints = rounding ? Reason{} : Hints(by, {{&bs, opening ? "_KISYU" : "_KIMATU"}});
    Add(rounding ? Severity::Warning : Severity::Error,
        {std::string(kBalanceSheet),
         {},
         std::string(SectionTitle(kBalanceSheet, r_.RealEstate())) + " " + when +
             " 資産合計・負債資本合計"},
        {{"assets", assets}, {"liabilities and capital", right.yen}, {"difference", off}},
        when + "の資産合計 " + Yen(assets) + " は負債・資本合計 " + Yen(right.yen) + " より " +
            Yen(by) + (off > 0 ? " 多い" : " 少ない") +
            (rounding ? "（金額の円未満切り捨てで生じうる差）。" : "。") + hints.japanese,
        "Balance sheet at the " + whenEn + " of the period: the assets of " + YenEn(assets) +
            " are " + YenEn(by) + (off > 0 ? " more" : " less") +
            " than the liabilities and capital of " + YenEn(right.yen) +
            (rounding ? ", which cutting the amounts to whole yen can explain." : ".") +
            hints.english);
}

Reason Checker::BalanceOpening() {
    const Section* bs = BalanceSheet();
    if (bs == nullptr) {
        return BalanceSkipped();
    }
    const BalanceSides t = BalanceSheetSides(*bs);
    Balance(true, t.assetsOpening, t.liabilitiesOpening, *bs);
    return {};
}

Reason Checker::BalanceClosing() {
    const Section* bs = BalanceSheet();
    if (bs == nullptr) {
        return BalanceSkipped();
    }
    const BalanceSides t = BalanceSheetSides(*bs);
    Balance(false, t.assetsClosing, t.liabilitiesClosing, *bs);
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
    const IncomeTotals t = ProfitAndLossTotals(*pl);
    const CutSum income{t.income, t.above, t.below};
    bool compared = false;
    if (const Section* bs = r_.Find(kBalanceSheet);
        bs != nullptr && bs->Find("KOUJYOMAESYOTOKUKINNGAKU_KIMATU") != nullptr) {
        Compare(AtBalance("KOUJYOMAESYOTOKUKINNGAKU_KIMATU"), income,
                bs->Yen("KOUJYOMAESYOTOKUKINNGAKU_KIMATU"), Written::Cut,
                "貸借対照表の青色申告特別控除前の所得金額",
                "Income before the blue-return deduction on the balance sheet",
                {{pl, ""}, {bs, "KOUJYOMAESYOTOKUKINNGAKU_KIMATU"}});
        compared = true;
    }
    if (const Section* d = r_.Find("AOIROKOUJO");
        d != nullptr && d->Find("AOIROKOUJOMAESYOTOKU") != nullptr) {
        Compare(At("AOIROKOUJO", "AOIROKOUJOMAESYOTOKU"), income, d->Yen("AOIROKOUJOMAESYOTOKU"),
                Written::Rounded, "青色申告特別控除額の計算の控除前の所得金額",
                "Income before the deduction in its calculation", {{pl, ""}});
        compared = true;
    }
    if (compared) {
        return {};
    }
    return {"青色申告特別控除前の所得金額の記載がありません。",
            "the report states no income before the deduction"};
}

Reason Checker::MonthlySales() {
    if (r_.RealEstate()) {
        return {"不動産所得には月別売上がありません。", "real-estate income has no monthly sales"};
    }
    const Section* monthly = r_.Find("TUKIBETUURIAGESHIIRE");
    const Section* pl = r_.Find(kProfitAndLoss);
    if (monthly == nullptr || pl == nullptr) {
        if (r_.Blue()) {
            return {"月別売上がありません。", "the report has no monthly sales"};
        }
        return {"白色申告には月別売上がありません。", "white returns have no monthly sales"};
    }
    CutSum sum;
    for (int month = 1; month <= 12; ++month) {
        sum.Add(monthly->Yen("URIAGEKINGAKU" + std::to_string(month)));
    }
    sum.Add(monthly->Yen("KAJISYOUHI"));
    sum.Add(monthly->Yen("ZATUSYUNYU"));
    Compare(At(kProfitAndLoss, "URIAGEKINGAKU"), sum, pl->Yen("URIAGEKINGAKU"), Written::Cut,
            "売上（収入）金額と月別売上（家事消費・雑収入を含む）",
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
        return {"控除は事業所得・その他の所得の報告書で計算します。",
                "the deduction is stated with the business or other income"};
    }
    const Section* d = r_.Find("AOIROKOUJO");
    if (d == nullptr) {
        return {"青色申告特別控除額の計算がありません。",
                "the report has no blue-return deduction"};
    }
    const std::string choice = d->Text("AOIROKOUJO_SENTAKU");
    if (choice != "1" && choice != "2" && choice != "3") {
        Add(Severity::Error, At("AOIROKOUJO", "AOIROKOUJO_SENTAKU"), {},
            "青色申告特別控除の選択 \"" + choice + "\" は 1、2、3 のいずれでもありません。",
            "The blue-return deduction choice \"" + choice + "\" is none of 1, 2 and 3.");
        return {};
    }
    const std::int64_t limit = choice == "1" ? 650000 : choice == "3" ? 550000 : 100000;
    const std::string amountTag = choice == "2" ? "JOUKIIGAI_KOUJYOGAKU" : "AOIROKOUJO_KOUJYOGAKU";
    const std::string otherTag = choice == "2" ? "AOIROKOUJO_KOUJYOGAKU" : "JOUKIIGAI_KOUJYOGAKU";
    if (const std::int64_t other = d->Yen(otherTag); other != 0) {
        const std::string named = At("AOIROKOUJO", amountTag).where;
        Place place = At("AOIROKOUJO", otherTag);
        place.tags.push_back(amountTag);
        const std::string where = place.where;
        Add(Severity::Error, std::move(place), {{"deduction", other}},
            "選択 " + choice + " の控除額は " + named + " に記載しますが、" + where + " に " +
                Yen(other) + " があります。",
            "Choice " + choice + " puts the deduction in " + named + ", but " + where + " holds " +
                YenEn(other) + ".");
    }
    const std::int64_t deduction = d->Yen(amountTag);
    const std::int64_t realEstate = std::max<std::int64_t>(d->Yen("FUDOUSANSYOTOKU"), 0);
    const std::int64_t income = std::max<std::int64_t>(d->Yen("AOIROKOUJOMAESYOTOKU"), 0);
    // Whole yen on both sides: the real-estate income takes up the limit
    // first; what is left, capped by this income, is the most it can be.
    const std::int64_t allowed = std::min(std::max<std::int64_t>(limit - realEstate, 0), income);
    if (deduction >= 0 && deduction <= allowed) {
        return {};
    }
    const std::int64_t off = deduction < 0 ? deduction : deduction - allowed;
    Add(Severity::Error, At("AOIROKOUJO", amountTag),
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
