#include "inspect/Checks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

namespace inspect {

int CheckResult::Count(Severity severity) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const Finding& f) { return f.severity == severity; }));
}

std::string WithSeparators(std::int64_t yen) {
    const bool negative = yen < 0;
    std::string digits = std::to_string(negative ? -yen : yen);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return negative ? "-" + digits : digits;
}

namespace {

bool EndsWith(std::string_view s, std::string_view end) {
    return s.ends_with(end);
}

}  // namespace

BalanceTotals BalanceSheetTotals(const Section& balanceSheet) {
    BalanceTotals totals;
    bool liabilities = false;
    for (const Field& field : balanceSheet.fields) {
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        const bool opening = EndsWith(field.tag, "_KISYU");
        const bool closing = EndsWith(field.tag, "_KIMATU");
        if (field.tag == "JIGYOUNUSIKASI_KIMATU") {
            totals.assetsClosing += yen;
            liabilities = true;
            continue;
        }
        if (opening) {
            (liabilities ? totals.liabilitiesOpening : totals.assetsOpening) += yen;
        } else if (closing) {
            (liabilities ? totals.liabilitiesClosing : totals.assetsClosing) += yen;
        }
    }
    return totals;
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
    for (const Field& field : profitAndLoss.fields) {
        const std::string_view tag = field.tag;
        // The choice of deduction and the land-debt interest are notes beside the statement.
        if (EndsWith(tag, "_KAMOKU") || tag == "AOIROKOUJO_SENTAKU" || tag == "FUSAIRISIGAKU") {
            continue;
        }
        const std::int64_t yen = ParseAmount(field.text).value_or(0);
        ++t.lines;
        if (std::find(kRevenue.begin(), kRevenue.end(), tag) != kRevenue.end()) {
            t.revenue += yen;
        } else if (tag == "KISYUSYOHINTANAOROSIDAKA" || tag == "SIIREKINGAKU") {
            t.costOfSales += yen;
        } else if (tag == "KIMATUSYOHINTANAOROSIDAKA") {
            t.costOfSales -= yen;
        } else if (tag.starts_with("KURIMODOSI_")) {
            t.reversals += yen;
        } else if (tag.starts_with("KURIIRE_") || tag == "SENJYUUSYAKYUUYO" ||
                   tag == "SENJYUSYAKOUJYO") {
            t.provisions += yen;
        } else {
            t.expenses += yen;
        }
    }
    t.income = t.revenue - t.costOfSales - t.expenses + t.reversals - t.provisions;
    return t;
}

namespace {

constexpr std::string_view kProfitAndLoss = "SONEKIKEISANSYO";
constexpr std::string_view kBalanceSheet = "TAISYAKUTAISYOUHYO";

std::string Yen(std::int64_t yen) {
    return WithSeparators(yen) + "円";
}
std::string YenEn(std::int64_t yen) {
    return WithSeparators(yen) + " yen";
}

class Checker {
public:
    Checker(const Report& report, const Report* previous) : r_(report), previous_(previous) {}

    CheckResult Run() {
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

private:
    // A rule returns why it did not apply, or an empty text when it ran.
    template <typename F>
    void Rule(const char* id, F body) {
        rule_ = id;
        RuleRun run;
        run.rule = id;
        run.reason = body();
        run.ran = run.reason.empty();
        result_.rules.push_back(std::move(run));
    }

    Finding& Add(Severity severity, std::string section, std::vector<std::string> tags,
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
    static Severity ForDifference(std::int64_t difference, int lines) {
        return std::llabs(difference) < lines ? Severity::Warning : Severity::Error;
    }

    const Section* BalanceSheet() const { return r_.Blue() ? r_.Find(kBalanceSheet) : nullptr; }

    std::string BalanceSkipped() const {
        if (!r_.Blue()) {
            return "white returns have no balance sheet";
        }
        return "the report has no balance sheet";
    }

    // The balance sheet adds up exactly: its sides are the same books.
    void Balance(const char* when, const char* whenJa, std::int64_t assets, std::int64_t right,
                 std::vector<std::string> tags) {
        if (assets == right) {
            return;
        }
        Add(Severity::Error, std::string(kBalanceSheet), std::move(tags),
            {{"assets", assets},
             {"liabilities and capital", right},
             {"difference", assets - right}},
            std::string(whenJa) + "の資産合計 " + Yen(assets) + " と負債・資本合計 " + Yen(right) +
                " が一致しません（差額 " + Yen(assets - right) + "）。",
            std::string("Balance sheet at the ") + when + ": assets " + YenEn(assets) +
                " differ from liabilities and capital " + YenEn(right) + " by " +
                YenEn(assets - right) + ".");
    }

    std::string BalanceOpening() {
        const Section* bs = BalanceSheet();
        if (bs == nullptr) {
            return BalanceSkipped();
        }
        const BalanceTotals t = BalanceSheetTotals(*bs);
        Balance("start of the period", "期首", t.assetsOpening, t.liabilitiesOpening,
                {"MOTOIREKIN_KISYU"});
        return {};
    }

    std::string BalanceClosing() {
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

    void Equal(std::string section, std::vector<std::string> tags, std::int64_t sum, int lines,
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
            whatEn + ": the lines add up to " + YenEn(sum) + ", the report states " +
                YenEn(stated) + ", a difference of " + YenEn(difference) + roundingEn + ".");
    }

    std::string Income() {
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
            Equal(std::string(kBalanceSheet), {"KOUJYOMAESYOTOKUKINNGAKU_KIMATU"}, t.income,
                  t.lines, bs->Yen("KOUJYOMAESYOTOKUKINNGAKU_KIMATU"),
                  "損益計算書の所得金額と貸借対照表の青色申告特別控除前の所得金額",
                  "Income before the blue-return deduction (balance sheet)");
            compared = true;
        }
        if (const Section* d = r_.Find("AOIROKOUJO");
            d != nullptr && d->Find("AOIROKOUJOMAESYOTOKU") != nullptr) {
            Equal("AOIROKOUJO", {"AOIROKOUJOMAESYOTOKU"}, t.income, t.lines,
                  d->Yen("AOIROKOUJOMAESYOTOKU"),
                  "損益計算書の所得金額と青色申告特別控除前の所得金額",
                  "Income before the blue-return deduction (deduction section)");
            compared = true;
        }
        return compared ? std::string() : "the report states no income before the deduction";
    }

    std::string MonthlySales() {
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

    std::string BlueDeduction() {
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
        const std::int64_t allowed =
            std::min(std::max<std::int64_t>(limit - realEstate, 0), income);
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
                "青色申告特別控除額 " + Yen(deduction) + " が限度額 " + Yen(limit) +
                    "（不動産所得 " + Yen(realEstate) + " を差し引き、所得 " + Yen(income) +
                    " まで）による上限 " + Yen(allowed) + " を超えています。",
                "The blue-return deduction " + YenEn(deduction) + " exceeds " + YenEn(allowed) +
                    ", what its limit of " + YenEn(limit) +
                    " leaves after the real-estate income of " + YenEn(realEstate) +
                    ", capped by the income of " + YenEn(income) + ".");
        }
        return {};
    }

    // A breakdown list may hold less than its profit-and-loss line (small
    // items stay off the list) but never more.
    std::string NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
                         std::int64_t line, const std::vector<std::string>& lineTags,
                         const std::string& whatJa, const std::string& whatEn) {
        const Section* list = r_.Find(listTag);
        if (list == nullptr) {
            return "the report has no " + std::string(listTag) + " list";
        }
        std::int64_t sum = 0;
        int lines = 0;
        auto add = [&](const Fields& fields) {
            for (const std::string& tag : amountTags) {
                if (fields.Find(tag) != nullptr) {
                    sum += fields.Yen(tag);
                    ++lines;
                }
            }
        };
        add(*list);
        for (const Item& item : list->items) {
            add(item);
        }
        const std::int64_t excess = sum - line;
        if (excess > 0) {
            const Severity severity = ForDifference(excess, std::max(lines, 1));
            Add(severity, std::string(listTag), lineTags,
                {{"list total", sum}, {"profit-and-loss line", line}, {"excess", excess}},
                whatJa + "の内訳の合計 " + Yen(sum) + " が損益計算書の金額 " + Yen(line) + " を " +
                    Yen(excess) + " 超えています" +
                    (severity == Severity::Warning ? "（端数処理の範囲）。" : "。"),
                "The " + whatEn + " breakdown adds up to " + YenEn(sum) +
                    ", more than the profit-and-loss line of " + YenEn(line) + " by " +
                    YenEn(excess) + (severity == Severity::Warning ? " (within rounding)." : "."));
        }
        return {};
    }

    std::string Salaries() {
        const Section* pl = r_.Find(kProfitAndLoss);
        if (pl == nullptr) {
            return "the report has no profit-and-loss statement";
        }
        std::int64_t line = pl->Yen("KYUURYOUTINGIN");
        std::vector<std::string> tags = {"KYUURYOUTINGIN"};
        std::string whatJa = "給料賃金";
        // Wages of the workshop stand in the manufacturing cost, the breakdown lists them too.
        if (const Section* cost = r_.Find("SEIZOUGENKA"); cost != nullptr) {
            line += cost->Yen("ROUMUHI");
            whatJa = "給料賃金（製造原価の労務費を含む）";
        }
        return NotAbove("KYUURYOUTINGIN",
                        {"KYUURYOU", "SYOUYO", "SONOTA_KYUURYOU", "SONOTA_SYOUYO"}, line, tags,
                        whatJa, "salaries and wages");
    }

    std::string LandRent() {
        const Section* pl = r_.Find(kProfitAndLoss);
        if (pl == nullptr) {
            return "the report has no profit-and-loss statement";
        }
        return NotAbove("TIDAIYATIN", {"HITUYOUKEIHIGAKU"}, pl->Yen("TIDAIYATIN"),
                        {"HITUYOUKEIHIGAKU"}, "地代家賃", "land and house rent");
    }

    std::string Interest() {
        const Section* pl = r_.Find(kProfitAndLoss);
        if (pl == nullptr) {
            return "the report has no profit-and-loss statement";
        }
        if (r_.RealEstate()) {
            return NotAbove("KARIIREKINRISI", {"HITUYOUKEIHIGAKU"}, pl->Yen("SYAKUNYUUKINRISI"),
                            {"HITUYOUKEIHIGAKU"}, "借入金利子", "interest on borrowings");
        }
        return NotAbove("RISIWARIBIKIRYOU", {"HITUYOUKEIHIGAKU"}, pl->Yen("RISIWARIBIKIRYOU"),
                        {"HITUYOUKEIHIGAKU"}, "利子割引料", "interest and discount");
    }

    // The form has no line of its own for the tax accountant: the fee stands
    // on a line the user named (報酬, 税理士), else among the named lines and
    // the miscellaneous expenses.
    std::string TaxAccountant() {
        const Section* pl = r_.Find(kProfitAndLoss);
        if (pl == nullptr) {
            return "the report has no profit-and-loss statement";
        }
        std::int64_t named = 0, fees = 0;
        bool feeLine = false;
        for (const Field& field : pl->fields) {
            if (!EndsWith(field.tag, "_KAMOKU") || field.tag.starts_with("KURI") ||
                field.tag.starts_with("SYUUNYUUKINGAKU")) {
                continue;
            }
            const std::string amountTag = field.tag.substr(0, field.tag.size() - 7);
            const std::int64_t yen = pl->Yen(amountTag);
            named += yen;
            if (field.text.find("報酬") != std::string::npos ||
                field.text.find("税理士") != std::string::npos) {
                fees += yen;
                feeLine = true;
            }
        }
        const std::int64_t line =
            feeLine ? fees : named + pl->Yen("ZAPPI") + pl->Yen("SONOTANOKEIHI");
        return NotAbove("ZEIRISIHOUSYUU", {"HITUYOUKEIHIGAKU"}, line, {"HITUYOUKEIHIGAKU"},
                        feeLine ? "税理士等の報酬" : "税理士等の報酬（科目設定経費と雑費）",
                        "tax accountant's fee");
    }

    std::string Rentals() {
        if (!r_.RealEstate()) {
            return "only real-estate income has a rental list";
        }
        const Section* list = r_.Find("FUDOUSANSYUUNYUU");
        const Section* pl = r_.Find(kProfitAndLoss);
        if (list == nullptr || pl == nullptr) {
            return "the report has no rental list";
        }
        auto total = [list](std::initializer_list<const char*> tags) {
            std::int64_t sum = 0;
            for (const Item& item : list->items) {
                for (const char* tag : tags) {
                    sum += item.Yen(tag);
                }
            }
            return sum;
        };
        const int n = static_cast<int>(list->items.size());
        Equal(std::string(kProfitAndLoss), {"TINTAIRYO"}, total({"TINTAIRYOU_NENGAKU"}),
              std::max(n, 1), pl->Yen("TINTAIRYO"),
              "不動産所得の収入の内訳の賃貸料（年額）と賃貸料",
              "Yearly rents of the rental list against the rental income");
        Equal(std::string(kProfitAndLoss), {"REIKIN_KENRIKIN_KOUSINRYOU"},
              total({"REIKIN", "KENRIKIN", "KOUSINRYOU"}), std::max(3 * n, 1),
              pl->Yen("REIKIN_KENRIKIN_KOUSINRYOU"), "内訳の礼金・権利金・更新料と損益計算書",
              "Key money, gratuities and renewal fees of the rental list against the statement");
        if (pl->Find("MEIGIKAKIKAERYOU_SONOTA") != nullptr) {
            Equal(std::string(kProfitAndLoss), {"MEIGIKAKIKAERYOU_SONOTA"},
                  total({"MEIGISYOKANRYOU_SONOTA"}), std::max(n, 1),
                  pl->Yen("MEIGIKAKIKAERYOU_SONOTA"), "内訳の名義書換料その他と損益計算書",
                  "Name-transfer and other fees of the rental list against the statement");
        }
        return {};
    }

    std::string PreviousBalances() {
        if (previous_ == nullptr) {
            return "no previous year's report given (--previous)";
        }
        const Section* bs = BalanceSheet();
        if (bs == nullptr) {
            return BalanceSkipped();
        }
        const Section* last = previous_->Blue() ? previous_->Find(kBalanceSheet) : nullptr;
        if (last == nullptr || previous_->kind != r_.kind) {
            return "the previous report has no balance sheet of the same income kind";
        }
        for (const Field& field : bs->fields) {
            if (!EndsWith(field.tag, "_KISYU")) {
                continue;
            }
            const std::string stem = field.tag.substr(0, field.tag.size() - 6);
            const std::int64_t opening = ParseAmount(field.text).value_or(0);
            std::int64_t closing = last->Yen(stem + "_KIMATU");
            // Capital carries the year's income and the owner's drawings and contributions over.
            if (stem == "MOTOIREKIN") {
                closing += last->Yen("KOUJYOMAESYOTOKUKINNGAKU_KIMATU") +
                           last->Yen("JIGYOUNUSIKARI_KIMATU") - last->Yen("JIGYOUNUSIKASI_KIMATU");
            }
            if (opening == closing) {
                continue;
            }
            Add(Severity::Error, std::string(kBalanceSheet), {field.tag},
                {{field.tag, opening},
                 {"previous end of period", closing},
                 {"difference", opening - closing}},
                field.tag + " の期首 " + Yen(opening) + " が前年の期末 " + Yen(closing) +
                    " と一致しません。",
                field.tag + " opens at " + YenEn(opening) + " but last year closed at " +
                    YenEn(closing) + ".");
        }
        return {};
    }

    const Report& r_;
    const Report* previous_;
    CheckResult result_;
    std::string rule_;
};

}  // namespace

CheckResult RunChecks(const Report& report, const Report* previous) {
    return Checker(report, previous).Run();
}

}  // namespace inspect
