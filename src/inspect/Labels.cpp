#include "inspect/Labels.h"

#include <algorithm>
#include <array>
#include <utility>

namespace inspect {

namespace {

struct Title {
    std::string_view section;
    std::string_view business;
    std::string_view realEstate;
};

constexpr std::array kTitles = {
    Title{"SONEKIKEISANSYO", "損益計算書", "損益計算書（不動産所得）"},
    Title{"TUKIBETUURIAGESHIIRE", "月別売上（収入）金額及び仕入金額", ""},
    Title{"KYUURYOUTINGIN", "給料賃金の内訳", "給料賃金の内訳"},
    Title{"SENJUUSYA", "専従者給与の内訳", "専従者給与の内訳"},
    Title{"KASIDAOREKURIIRE", "貸倒引当金繰入額の計算", ""},
    Title{"AOIROKOUJO", "青色申告特別控除額の計算", ""},
    Title{"RISIWARIBIKIRYOU", "利子割引料の内訳", ""},
    Title{"TIDAIYATIN", "地代家賃の内訳", "地代家賃の内訳"},
    Title{"KARIIREKINRISI", "", "借入金利子の内訳"},
    Title{"ZEIRISIHOUSYUU", "税理士・弁護士等の報酬・料金の内訳",
          "税理士・弁護士等の報酬・料金の内訳"},
    Title{"TOKUSYUJIJOU", "本年中における特殊事情", "本年中における特殊事情"},
    Title{"TAISYAKUTAISYOUHYO", "貸借対照表（資産負債調）", "貸借対照表（資産負債調）"},
    Title{"SEIZOUGENKA", "製造原価の計算", ""},
    Title{"URIAGEMEISAI", "売上先明細", ""},
    Title{"SIIREMEISAI", "仕入先明細", ""},
    Title{"FUDOUSANSYUUNYUU", "", "不動産所得の収入の内訳"},
    Title{"SYUUZENHI", "", "修繕費の内訳"},
    Title{"KASITUKEFUDOUSAN", "", "貸付不動産の用途別内訳"},
    Title{"OTHER", "その他", "その他"},
};

// Written once: every line the report writer produces. Lines the user names
// (…_YOBIn) show the account name the report carries beside them.
constexpr std::array kLabels = {
    // Monthly sales and purchases.
    Label{"TUKIBETUURIAGESHIIRE", "KAJISYOUHI", "家事消費等", true},
    Label{"TUKIBETUURIAGESHIIRE", "ZATUSYUNYU", "雑収入", true},
    Label{"TUKIBETUURIAGESHIIRE", "URIAGE_UTI_KEIGENZEIRITU", "売上のうち軽減税率対象", true},
    Label{"TUKIBETUURIAGESHIIRE", "SIIRE_UTI_KEIGENZEIRITU", "仕入のうち軽減税率対象", true},
    // Bad-debt reserve and the blue-return deduction.
    Label{"KASIDAOREKURIIRE", "KOBETU_KURIIREGAKU", "個別評価による本年分繰入額", true},
    Label{"KASIDAOREKURIIRE", "IKKATU_KURIIREGOUKEIGAKU", "一括評価による貸金の合計額", true},
    Label{"KASIDAOREKURIIRE", "IKKATU_KURIIRERITU", "繰入率（%）", false},
    Label{"KASIDAOREKURIIRE", "IKKATU_KURIIREGENDOGAKU", "一括評価による繰入限度額", true},
    Label{"KASIDAOREKURIIRE", "IKKATU_KURIIREGAKU", "一括評価による本年分繰入額", true},
    Label{"AOIROKOUJO", "FUDOUSANSYOTOKU", "不動産所得の金額", true},
    Label{"AOIROKOUJO", "AOIROKOUJOMAESYOTOKU", "青色申告特別控除前の所得金額", true},
    Label{"AOIROKOUJO", "AOIROKOUJO_SENTAKU", "控除の選択", false},
    Label{"AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", "青色申告特別控除額", true},
    Label{"AOIROKOUJO", "JOUKIIGAI_KOUJYOGAKU", "上記以外の青色申告特別控除額", true},
    // Balance sheet accounts (both kinds).
    Label{"TAISYAKUTAISYOUHYO", "GENKIN", "現金", true},
    Label{"TAISYAKUTAISYOUHYO", "TOUZAYOKIN", "当座預金", true},
    Label{"TAISYAKUTAISYOUHYO", "FUTUUYOKIN", "普通預金", true},
    Label{"TAISYAKUTAISYOUHYO", "TEIKIYOKIN", "定期預金", true},
    Label{"TAISYAKUTAISYOUHYO", "SONOTANOYOKIN", "その他の預金", true},
    Label{"TAISYAKUTAISYOUHYO", "UKETORITEGATA", "受取手形", true},
    Label{"TAISYAKUTAISYOUHYO", "URIKAKEKIN", "売掛金", true},
    Label{"TAISYAKUTAISYOUHYO", "MISYUUTINTAIRYO", "未収賃貸料", true},
    Label{"TAISYAKUTAISYOUHYO", "MISYUUKIN", "未収金", true},
    Label{"TAISYAKUTAISYOUHYO", "YUUKASYOUKEN", "有価証券", true},
    Label{"TAISYAKUTAISYOUHYO", "TANAOROSISISAN", "棚卸資産", true},
    Label{"TAISYAKUTAISYOUHYO", "MAEBARAIKIN", "前払金", true},
    Label{"TAISYAKUTAISYOUHYO", "KASITUKEKIN", "貸付金", true},
    Label{"TAISYAKUTAISYOUHYO", "TATEMONO", "建物", true},
    Label{"TAISYAKUTAISYOUHYO", "TATEMONOFUZOKUSETUBI", "建物附属設備", true},
    Label{"TAISYAKUTAISYOUHYO", "KOUTIKUBUTU", "構築物", true},
    Label{"TAISYAKUTAISYOUHYO", "KIKAISOUTI", "機械装置", true},
    Label{"TAISYAKUTAISYOUHYO", "SENPAKU", "船舶", true},
    Label{"TAISYAKUTAISYOUHYO", "SYARYOUUNPANGU", "車両運搬具", true},
    Label{"TAISYAKUTAISYOUHYO", "KOUGUKIGUBIHIN", "工具 器具 備品", true},
    Label{"TAISYAKUTAISYOUHYO", "TOTI", "土地", true},
    Label{"TAISYAKUTAISYOUHYO", "SYAKUTIKEN", "借地権", true},
    Label{"TAISYAKUTAISYOUHYO", "KOUKYOUSISETUFUTANKIN", "公共施設負担金", true},
    Label{"TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI", "事業主貸", true},
    Label{"TAISYAKUTAISYOUHYO", "SIHARAITEGATA", "支払手形", true},
    Label{"TAISYAKUTAISYOUHYO", "KAIKAKEKIN", "買掛金", true},
    Label{"TAISYAKUTAISYOUHYO", "SYUKUNYUUKIN", "借入金", true},
    Label{"TAISYAKUTAISYOUHYO", "MIBARAIKIN", "未払金", true},
    Label{"TAISYAKUTAISYOUHYO", "MAIUKEKIN", "前受金", true},
    Label{"TAISYAKUTAISYOUHYO", "AZUKARIKIN", "預り金", true},
    Label{"TAISYAKUTAISYOUHYO", "HOSYOUKIN_SIKIKIN", "保証金・敷金", true},
    Label{"TAISYAKUTAISYOUHYO", "KASIDAOREHIKIATEKIN", "貸倒引当金", true},
    Label{"TAISYAKUTAISYOUHYO", "JIGYOUNUSIKARI", "事業主借", true},
    Label{"TAISYAKUTAISYOUHYO", "MOTOIREKIN", "元入金", true},
    Label{"TAISYAKUTAISYOUHYO", "KOUJYOMAESYOTOKUKINNGAKU", "青色申告特別控除前の所得金額", true},
    // Columns of the breakdown lists.
    Label{"", "SIMEI", "氏名", false},
    Label{"", "NENREI", "年齢", false},
    Label{"", "ZOKUGARA", "続柄", false},
    Label{"", "JUUJITUKISUU", "従事月数", false},
    Label{"", "KYUURYOU", "給料賃金", true},
    Label{"", "SYOUYO", "賞与", true},
    Label{"", "GENSENZEIGAKU", "源泉徴収税額", true},
    Label{"", "SONOTA_NINBUN", "その他 人数", false},
    Label{"", "SONOTA_JUUJITUKISUU", "その他 延べ従事月数", false},
    Label{"", "SONOTA_KYUURYOU", "その他 給料賃金", true},
    Label{"", "SONOTA_SYOUYO", "その他 賞与", true},
    Label{"", "SONOTA_GENSENZEIGAKU", "その他 源泉徴収税額", true},
    Label{"", "JUUSYO_SIMEI_JOUDAN", "支払先の住所", false},
    Label{"", "JUUSYO_SIMEI_GEDAN", "支払先の氏名", false},
    Label{"", "JUUSYO_SIMEI_1", "支払先の住所", false},
    Label{"", "JUUSYO_SIMEI_2", "支払先の氏名", false},
    Label{"", "JUUSYO_SIMEI_3", "支払先（続き）", false},
    Label{"", "JUUSYO_SIMEI_4", "支払先（続き）", false},
    Label{"", "KARIIREKIN_KINGAKU", "期末現在の借入金等", true},
    Label{"RISIWARIBIKIRYOU", "RISIWARIBIKIRYOU", "本年中の利子割引料", true},
    Label{"KARIIREKINRISI", "KARIIREKINRISI", "本年中の借入金利子", true},
    Label{"", "HITUYOUKEIHIGAKU", "左のうち必要経費算入額", true},
    Label{"", "TINSYAKUBUKKEN_JOUDAN", "賃借物件", false},
    Label{"", "TINSYAKUBUKKEN_GEDAN", "賃借物件（続き）", false},
    Label{"", "TINSYAKUBUKKEN_1", "賃借物件", false},
    Label{"", "TINSYAKUBUKKEN_2", "賃借物件（続き）", false},
    Label{"", "TINSYAKUBUKKEN_3", "賃借物件（続き）", false},
    Label{"", "TINSYAKUBUKKEN_4", "賃借物件（続き）", false},
    Label{"", "KENRIKIN", "権利金", true},
    Label{"", "KOUSINRYOU", "更新料", true},
    Label{"", "TINSYAKURYOU", "賃借料", true},
    Label{"", "HOUSYUU_KINGAKU", "報酬等の金額", true},
    Label{"", "URIAGESAKIMEI", "売上先名", false},
    Label{"", "SIIRESAKIMEI", "仕入先名", false},
    Label{"", "SYOZAITI", "所在地", false},
    Label{"URIAGEMEISAI", "URIAGEKINGAKU", "売上金額", true},
    Label{"SIIREMEISAI", "SIIREKINGAKU", "仕入金額", true},
    Label{"", "JOUKIIGAI_URIAGESAKIKEI", "上記以外の売上先の計", true},
    Label{"", "JOUKIIGAI_SIIRESAKIKEI", "上記以外の仕入先の計", true},
    Label{"", "UKINOUTI_KEIGENZEIRITU", "うち軽減税率対象", true},
    Label{"", "KASIYA_KASITI", "貸家貸地等", false},
    Label{"", "YOUTO", "用途", false},
    Label{"", "SYOZAITI_JOUDAN", "不動産の所在地", false},
    Label{"", "SYOZAITI_GEDAN", "所在地（続き）", false},
    Label{"", "KEIYAKUKIKAN_FROM", "契約期間 自", false},
    Label{"", "KEIYAKUKIKAN_TO", "契約期間 至", false},
    Label{"", "KASITUKEMENSEKI", "貸付面積（㎡）", false},
    Label{"", "TINTAIRYOU_TUKIGAKU", "賃貸料 月額", true},
    Label{"", "TINTAIRYOU_NENGAKU", "賃貸料 年額", true},
    Label{"", "REIKIN", "礼金", true},
    Label{"", "MEIGISYOKANRYOU_SONOTA", "名義書換料その他", true},
    Label{"", "HOSYOUKIN_SIKIKIN", "保証金・敷金", true},
    Label{"", "KOUJIMEI_SIZAIMEI_JOUDAN", "工事名・資材名", false},
    Label{"", "KOUJIMEI_SIZAIMEI_GEDAN", "工事名・資材名（続き）", false},
    Label{"", "SIHARAINENGAPPI", "支払年月日", false},
    Label{"", "SIHARAIKINGAKU", "支払金額", true},
    Label{"", "JUUTAKU_TATEMONO_IKKODATE", "住宅用 建物 一戸建", false},
    Label{"", "JUUTAKU_TATEMONO_IKKODATEIGAI", "住宅用 建物 一戸建以外", false},
    Label{"", "JUUTAKU_TOTI_KEIYAKU", "住宅用 土地 契約件数", false},
    Label{"", "JUUTAKU_TOTI_SOUMENSEKI", "住宅用 土地 総面積（㎡）", false},
    Label{"", "JUUTAKUIGAI_TATEMONO_IKKODATE", "住宅用以外 建物 一戸建", false},
    Label{"", "JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", "住宅用以外 建物 一戸建以外", false},
    Label{"", "JUUTAKUIGAI_TOTI_KEIYAKU", "住宅用以外 土地 契約件数", false},
    Label{"", "JUUTAKUIGAI_TOTI_SOUMENSEKI", "住宅用以外 土地 総面積（㎡）", false},
    Label{"", "CHUUSYAJOU_YANETUKI", "駐車場 屋根付", false},
    Label{"", "CHUUSYAJOU_AOZORA", "駐車場 青空", false},
    Label{"", "KANYUUDANTAIMEI", "加入団体名", false},
};

constexpr std::array kForms = {Form::BlueBusiness, Form::WhiteBusiness, Form::BlueRealEstate,
                               Form::WhiteRealEstate};

struct Code {
    std::string_view tag, code, meaning;
};

constexpr std::array kCodes = {
    Code{"AOIROKOUJO_SENTAKU", "1", "65万円"},
    Code{"AOIROKOUJO_SENTAKU", "3", "55万円"},
    Code{"AOIROKOUJO_SENTAKU", "2", "10万円"},
};

const Label* FindFormLabel(Form form, std::string_view section, std::string_view tag) {
    for (const auto lines : {ProfitAndLossLines(form), ManufacturingCostLines(form)}) {
        for (const FormLine& line : lines) {
            if (!tag.empty() && line.label.tag == tag && line.label.section == section) {
                return &line.label;
            }
        }
    }
    return nullptr;
}

std::string Named(const Label& label) {
    const std::string text = label.text.empty() ? std::string(label.tag) : std::string(label.text);
    return label.number.empty() ? text : std::string(label.number) + " " + text;
}

}  // namespace

const Label* FindLabel(std::string_view section, std::string_view tag) {
    const Label* any = nullptr;
    for (const Label& label : kLabels) {
        if (label.tag != tag) {
            continue;
        }
        if (label.section == section) {
            return &label;
        }
        if (label.section.empty()) {
            any = &label;
        }
    }
    for (const Form form : kForms) {
        if (const Label* label = FindFormLabel(form, section, tag); label != nullptr) {
            return label;
        }
    }
    return any;
}

std::string MonthLineName(std::string_view section, std::string_view tag) {
    for (const auto& [prefix, what] :
         {std::pair<std::string_view, std::string_view>{"URIAGEKINGAKU", "売上"},
          {"SIIREKINGAKU", "仕入"}}) {
        const std::string_view month = tag.substr(std::min(prefix.size(), tag.size()));
        if (section == "TUKIBETUURIAGESHIIRE" && tag.starts_with(prefix) && !month.empty() &&
            month.find_first_not_of("0123456789") == std::string_view::npos) {
            return std::string(month) + "月 " + std::string(what);
        }
    }
    return {};
}

std::string LineName(Form form, const Fields& fields, std::string_view section,
                     std::string_view tag) {
    const std::string stem(tag);
    if (const Field* named = fields.Find(stem + "_KAMOKU");
        named != nullptr && !named->text.empty()) {
        return named->text;
    }
    if (std::string month = MonthLineName(section, tag); !month.empty()) {
        return month;
    }
    return FormLineName(form, section, tag);
}

bool HoldsYen(std::string_view section, std::string_view tag) {
    if (tag.ends_with("_KAMOKU")) {
        return false;
    }
    if (section == "TAISYAKUTAISYOUHYO") {
        for (const std::string_view end : {"_KISYU", "_KIMATU"}) {
            if (tag.ends_with(end)) {
                tag.remove_suffix(end.size());
            }
        }
    }
    if (const Label* label = FindLabel(section, tag); label != nullptr) {
        return label->yen;
    }
    // The monthly figures and the lines the user names are all amounts.
    return section == "SONEKIKEISANSYO" || section == "TUKIBETUURIAGESHIIRE" ||
           section == "SEIZOUGENKA" || section == "TAISYAKUTAISYOUHYO";
}

std::string_view SectionTitle(std::string_view section, bool realEstate) {
    for (const Title& title : kTitles) {
        if (title.section == section) {
            const std::string_view text = realEstate ? title.realEstate : title.business;
            return text.empty() ? section : text;
        }
    }
    return section;
}

}  // namespace inspect

namespace inspect {

Form FormOf(const Report& report) {
    if (report.RealEstate()) {
        return report.Blue() ? Form::BlueRealEstate : Form::WhiteRealEstate;
    }
    return report.Blue() ? Form::BlueBusiness : Form::WhiteBusiness;
}

std::string FormLineName(Form form, std::string_view section, std::string_view tag) {
    if (const Label* label = FindFormLabel(form, section, tag); label != nullptr) {
        return Named(*label);
    }
    return FormLineName(section, tag);
}

std::string FormLineName(std::string_view section, std::string_view tag) {
    const Label* label = FindLabel(section, tag);
    if (label == nullptr) {
        return std::string(tag);
    }
    for (const Form form : kForms) {
        const Label* other = FindFormLabel(form, section, tag);
        if (other != nullptr && other->number != label->number) {
            return std::string(label->text.empty() ? tag : label->text);
        }
    }
    return Named(*label);
}

std::string_view CodeMeaning(std::string_view tag, std::string_view code) {
    for (const Code& known : kCodes) {
        if (known.tag == tag && known.code == code) {
            return known.meaning;
        }
    }
    return {};
}

}  // namespace inspect
