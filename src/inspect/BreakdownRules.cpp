// The rules on the breakdown lists, the rental list and last year's balances.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Checker.h"

namespace inspect::rules {

// A breakdown list may hold less than its profit-and-loss line (small
// items stay off the list) but never more.
std::string Checker::NotAbove(std::string_view listTag, const std::vector<std::string>& amountTags,
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
                ", more than the profit-and-loss line of " + YenEn(line) + " by " + YenEn(excess) +
                (severity == Severity::Warning ? " (within rounding)." : "."));
    }
    return {};
}

std::string Checker::Salaries() {
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
    return NotAbove("KYUURYOUTINGIN", {"KYUURYOU", "SYOUYO", "SONOTA_KYUURYOU", "SONOTA_SYOUYO"},
                    line, tags, whatJa, "salaries and wages");
}

std::string Checker::LandRent() {
    const Section* pl = r_.Find(kProfitAndLoss);
    if (pl == nullptr) {
        return "the report has no profit-and-loss statement";
    }
    return NotAbove("TIDAIYATIN", {"HITUYOUKEIHIGAKU"}, pl->Yen("TIDAIYATIN"), {"HITUYOUKEIHIGAKU"},
                    "地代家賃", "land and house rent");
}

std::string Checker::Interest() {
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
std::string Checker::TaxAccountant() {
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
    const std::int64_t line = feeLine ? fees : named + pl->Yen("ZAPPI") + pl->Yen("SONOTANOKEIHI");
    return NotAbove("ZEIRISIHOUSYUU", {"HITUYOUKEIHIGAKU"}, line, {"HITUYOUKEIHIGAKU"},
                    feeLine ? "税理士等の報酬" : "税理士等の報酬（科目設定経費と雑費）",
                    "tax accountant's fee");
}

std::string Checker::Rentals() {
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
    Equal(std::string(kProfitAndLoss), {"TINTAIRYO"}, total({"TINTAIRYOU_NENGAKU"}), std::max(n, 1),
          pl->Yen("TINTAIRYO"), "不動産所得の収入の内訳の賃貸料（年額）と賃貸料",
          "Yearly rents of the rental list against the rental income");
    Equal(std::string(kProfitAndLoss), {"REIKIN_KENRIKIN_KOUSINRYOU"},
          total({"REIKIN", "KENRIKIN", "KOUSINRYOU"}), std::max(3 * n, 1),
          pl->Yen("REIKIN_KENRIKIN_KOUSINRYOU"), "内訳の礼金・権利金・更新料と損益計算書",
          "Key money, gratuities and renewal fees of the rental list against the statement");
    if (pl->Find("MEIGIKAKIKAERYOU_SONOTA") != nullptr) {
        Equal(std::string(kProfitAndLoss), {"MEIGIKAKIKAERYOU_SONOTA"},
              total({"MEIGISYOKANRYOU_SONOTA"}), std::max(n, 1), pl->Yen("MEIGIKAKIKAERYOU_SONOTA"),
              "内訳の名義書換料その他と損益計算書",
              "Name-transfer and other fees of the rental list against the statement");
    }
    return {};
}

std::string Checker::PreviousBalances() {
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

}  // namespace inspect::rules
