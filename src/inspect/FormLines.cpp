#include <algorithm>
#include <iterator>

#include "inspect/Labels.h"

// The statements as the forms print them: every line in the form's order
// with its number, the sums the form prints where it prints them, and the
// lines the user names (text empty: the report carries the name).
namespace inspect {

namespace {

// 青色申告決算書（一般用）: 損益計算書 ①～㊺.
constexpr FormLine kBlueBusiness[] = {
    {{"SONEKIKEISANSYO", "URIAGEKINGAKU", "売上（収入）金額（雑収入を含む）", true, "①"}, ""},
    {{"SONEKIKEISANSYO", "KISYUSYOHINTANAOROSIDAKA", "期首商品（製品）棚卸高", true, "②"}, ""},
    {{"SONEKIKEISANSYO", "SIIREKINGAKU", "仕入金額（製品製造原価）", true, "③"}, ""},
    {{"SONEKIKEISANSYO", "", "小計", true, "④"}, "②+③"},
    {{"SONEKIKEISANSYO", "KIMATUSYOHINTANAOROSIDAKA", "期末商品（製品）棚卸高", true, "⑤"}, ""},
    {{"SONEKIKEISANSYO", "", "差引原価", true, "⑥"}, "④-⑤"},
    {{"SONEKIKEISANSYO", "", "差引金額", true, "⑦"}, "①-⑥"},
    {{"SONEKIKEISANSYO", "SOZEIKOUKA", "租税公課", true, "⑧"}, ""},
    {{"SONEKIKEISANSYO", "NIZUKURIUNTIN", "荷造運賃", true, "⑨"}, ""},
    {{"SONEKIKEISANSYO", "SUIDOUKOUNETUHI", "水道光熱費", true, "⑩"}, ""},
    {{"SONEKIKEISANSYO", "RYOHIKOUTUUHI", "旅費交通費", true, "⑪"}, ""},
    {{"SONEKIKEISANSYO", "TUUSINHI", "通信費", true, "⑫"}, ""},
    {{"SONEKIKEISANSYO", "KOUKOKUSENDENHI", "広告宣伝費", true, "⑬"}, ""},
    {{"SONEKIKEISANSYO", "SETTAIKOUSAIHI", "接待交際費", true, "⑭"}, ""},
    {{"SONEKIKEISANSYO", "SONGAIHOKENRYOU", "損害保険料", true, "⑮"}, ""},
    {{"SONEKIKEISANSYO", "SYUUZENHI", "修繕費", true, "⑯"}, ""},
    {{"SONEKIKEISANSYO", "SYOUMOUHINHI", "消耗品費", true, "⑰"}, ""},
    {{"SONEKIKEISANSYO", "GENKASHOUKYAKUHI", "減価償却費", true, "⑱"}, ""},
    {{"SONEKIKEISANSYO", "FUKURIKOUSEIHI", "福利厚生費", true, "⑲"}, ""},
    {{"SONEKIKEISANSYO", "KYUURYOUTINGIN", "給料賃金", true, "⑳"}, ""},
    {{"SONEKIKEISANSYO", "GAICHUUKOUTIN", "外注工賃", true, "㉑"}, ""},
    {{"SONEKIKEISANSYO", "RISIWARIBIKIRYOU", "利子割引料", true, "㉒"}, ""},
    {{"SONEKIKEISANSYO", "TIDAIYATIN", "地代家賃", true, "㉓"}, ""},
    {{"SONEKIKEISANSYO", "KASIDAOREKIN", "貸倒金", true, "㉔"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI1", "", true, "㉕"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI2", "", true, "㉖"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI3", "", true, "㉗"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI4", "", true, "㉘"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI5", "", true, "㉙"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI6", "", true, "㉚"}, ""},
    {{"SONEKIKEISANSYO", "ZAPPI", "雑費", true, "㉛"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "㉜"}, "⑧~㉛"},
    {{"SONEKIKEISANSYO", "", "差引金額", true, "㉝"}, "⑦-㉜"},
    {{"SONEKIKEISANSYO", "", "繰戻額等", true, ""}, ""},
    {{"SONEKIKEISANSYO", "KURIMODOSI_KASIDAOREHIKIATEKIN", "貸倒引当金", true, "㉞"}, ""},
    {{"SONEKIKEISANSYO", "KURIMODOSI_YOBI1", "", true, "㉟"}, ""},
    {{"SONEKIKEISANSYO", "KURIMODOSI_YOBI2", "", true, "㊱"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "㊲"}, "㉞~㊱"},
    {{"SONEKIKEISANSYO", "", "繰入額等", true, ""}, ""},
    {{"SONEKIKEISANSYO", "SENJYUUSYAKYUUYO", "専従者給与", true, "㊳"}, ""},
    {{"SONEKIKEISANSYO", "KURIIRE_KASIDAOREHIKIATEKIN", "貸倒引当金", true, "㊴"}, ""},
    {{"SONEKIKEISANSYO", "KURIIRE_YOBI1", "", true, "㊵"}, ""},
    {{"SONEKIKEISANSYO", "KURIIRE_YOBI2", "", true, "㊶"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "㊷"}, "㊳~㊶"},
    {{"SONEKIKEISANSYO", "", "青色申告特別控除前の所得金額", true, "㊸"}, "㉝+㊲-㊷"},
    {{"AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", "青色申告特別控除額", true, "㊹"}, ""},
    {{"SONEKIKEISANSYO", "", "所得金額", true, "㊺"}, "㊸-㊹"},
};

// 収支内訳書（一般用）: ①～㉑, その他の経費 イ～ソ.
constexpr FormLine kWhiteBusiness[] = {
    {{"SONEKIKEISANSYO", "SYUNYUGAKU", "売上（収入）金額", true, "①"}, ""},
    {{"SONEKIKEISANSYO", "KAJISYOUHI", "家事消費", true, "②"}, ""},
    {{"SONEKIKEISANSYO", "SONOTASYUNYU", "その他の収入", true, "③"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "④"}, "①~③"},
    {{"SONEKIKEISANSYO", "KISYUSYOHINTANAOROSIDAKA", "期首商品（製品）棚卸高", true, "⑤"}, ""},
    {{"SONEKIKEISANSYO", "SIIREKINGAKU", "仕入金額", true, "⑥"}, ""},
    {{"SONEKIKEISANSYO", "", "小計", true, "⑦"}, "⑤+⑥"},
    {{"SONEKIKEISANSYO", "KIMATUSYOHINTANAOROSIDAKA", "期末商品（製品）棚卸高", true, "⑧"}, ""},
    {{"SONEKIKEISANSYO", "", "差引原価", true, "⑨"}, "⑦-⑧"},
    {{"SONEKIKEISANSYO", "", "差引金額", true, "⑩"}, "④-⑨"},
    {{"SONEKIKEISANSYO", "KYUURYOUTINGIN", "給料賃金", true, "⑪"}, ""},
    {{"SONEKIKEISANSYO", "GAICHUUKOUTIN", "外注工賃", true, "⑫"}, ""},
    {{"SONEKIKEISANSYO", "GENKASHOUKYAKUHI", "減価償却費", true, "⑬"}, ""},
    {{"SONEKIKEISANSYO", "KASIDAOREKIN", "貸倒金", true, "⑭"}, ""},
    {{"SONEKIKEISANSYO", "TIDAIYATIN", "地代家賃", true, "⑮"}, ""},
    {{"SONEKIKEISANSYO", "RISIWARIBIKIRYOU", "利子割引料", true, "⑯"}, ""},
    {{"SONEKIKEISANSYO", "", "その他の経費", true, "⑰"}, ""},
    {{"SONEKIKEISANSYO", "SOZEIKOUKA", "租税公課", true, "イ"}, ""},
    {{"SONEKIKEISANSYO", "NIZUKURIUNTIN", "荷造運賃", true, "ロ"}, ""},
    {{"SONEKIKEISANSYO", "SUIDOUKOUNETUHI", "水道光熱費", true, "ハ"}, ""},
    {{"SONEKIKEISANSYO", "RYOHIKOUTUUHI", "旅費交通費", true, "ニ"}, ""},
    {{"SONEKIKEISANSYO", "TUUSINHI", "通信費", true, "ホ"}, ""},
    {{"SONEKIKEISANSYO", "KOUKOKUSENDENHI", "広告宣伝費", true, "ヘ"}, ""},
    {{"SONEKIKEISANSYO", "SETTAIKOUSAIHI", "接待交際費", true, "ト"}, ""},
    {{"SONEKIKEISANSYO", "SONGAIHOKENRYOU", "損害保険料", true, "チ"}, ""},
    {{"SONEKIKEISANSYO", "SYUUZENHI", "修繕費", true, "リ"}, ""},
    {{"SONEKIKEISANSYO", "SYOUMOUHINHI", "消耗品費", true, "ヌ"}, ""},
    {{"SONEKIKEISANSYO", "FUKURIKOUSEIHI", "福利厚生費", true, "ル"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI1", "", true, "ヲ"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI2", "", true, "ワ"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI3", "", true, "カ"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI4", "", true, "ヨ"}, ""},
    {{"SONEKIKEISANSYO", "KEIHI_YOBI5", "", true, "タ"}, ""},
    {{"SONEKIKEISANSYO", "ZAPPI", "雑費", true, "レ"}, ""},
    {{"SONEKIKEISANSYO", "", "小計", true, "ソ"}, "イ~レ"},
    {{"SONEKIKEISANSYO", "", "経費計", true, "⑱"}, "⑪~⑯+ソ"},
    {{"SONEKIKEISANSYO", "", "専従者控除前の所得金額", true, "⑲"}, "⑩-⑱"},
    {{"SONEKIKEISANSYO", "SENJYUSYAKOUJYO", "専従者控除", true, "⑳"}, ""},
    {{"SONEKIKEISANSYO", "", "所得金額", true, "㉑"}, "⑲-⑳"},
};

// 青色申告決算書（不動産所得用）: 損益計算書 ①～㉑ and the notes beside it.
constexpr FormLine kBlueRealEstate[] = {
    {{"SONEKIKEISANSYO", "TINTAIRYO", "賃貸料", true, "①"}, ""},
    {{"SONEKIKEISANSYO", "REIKIN_KENRIKIN_KOUSINRYOU", "礼金・権利金・更新料", true, "②"}, ""},
    {{"SONEKIKEISANSYO", "SYUUNYUUKINGAKU_YOBI", "", true, "③"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "④"}, "①~③"},
    {{"SONEKIKEISANSYO", "SOZEIKOUKA", "租税公課", true, "⑤"}, ""},
    {{"SONEKIKEISANSYO", "SONGAIHOKENRYOU", "損害保険料", true, "⑥"}, ""},
    {{"SONEKIKEISANSYO", "SYUUZENHI", "修繕費", true, "⑦"}, ""},
    {{"SONEKIKEISANSYO", "GENKASHOUKYAKUHI", "減価償却費", true, "⑧"}, ""},
    {{"SONEKIKEISANSYO", "SYAKUNYUUKINRISI", "借入金利子", true, "⑨"}, ""},
    {{"SONEKIKEISANSYO", "TIDAIYATIN", "地代家賃", true, "⑩"}, ""},
    {{"SONEKIKEISANSYO", "KYUURYOUTINGIN", "給料賃金", true, "⑪"}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI1", "", true, "⑫"}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI2", "", true, "⑬"}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI3", "", true, "⑭"}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI4", "", true, "⑮"}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI5", "", true, "⑯"}, ""},
    {{"SONEKIKEISANSYO", "SONOTANOKEIHI", "その他の経費", true, "⑰"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "⑱"}, "⑤~⑰"},
    {{"SONEKIKEISANSYO", "", "差引金額", true, "⑲"}, "④-⑱"},
    {{"SONEKIKEISANSYO", "SENJYUUSYAKYUUYO", "専従者給与", true, "⑳"}, ""},
    {{"SONEKIKEISANSYO", "", "青色申告特別控除前の所得金額", true, "㉑"}, "⑲-⑳"},
    {{"SONEKIKEISANSYO", "AOIROKOUJO_SENTAKU", "青色申告特別控除", false, ""}, ""},
    {{"SONEKIKEISANSYO", "FUSAIRISIGAKU", "土地等を取得するための負債の利子", true, ""}, ""},
};

// 収支内訳書（不動産所得用）: ①～⑭.
constexpr FormLine kWhiteRealEstate[] = {
    {{"SONEKIKEISANSYO", "TINTAIRYO", "賃貸料", true, "①"}, ""},
    {{"SONEKIKEISANSYO", "REIKIN_KENRIKIN_KOUSINRYOU", "礼金・権利金・更新料", true, "②"}, ""},
    {{"SONEKIKEISANSYO", "MEIGIKAKIKAERYOU_SONOTA", "名義書換料その他", true, "③"}, ""},
    {{"SONEKIKEISANSYO", "", "計", true, "④"}, "①~③"},
    {{"SONEKIKEISANSYO", "KYUURYOUTINGIN", "給料賃金", true, "⑤"}, ""},
    {{"SONEKIKEISANSYO", "GENKASHOUKYAKUHI", "減価償却費", true, "⑥"}, ""},
    {{"SONEKIKEISANSYO", "KASIDAOREKIN", "貸倒金", true, "⑦"}, ""},
    {{"SONEKIKEISANSYO", "TIDAIYATIN", "地代家賃", true, "⑧"}, ""},
    {{"SONEKIKEISANSYO", "SYAKUNYUUKINRISI", "借入金利子", true, "⑨"}, ""},
    {{"SONEKIKEISANSYO", "SOZEIKOUKA", "租税公課", true, ""}, ""},
    {{"SONEKIKEISANSYO", "SONGAIHOKENRYOU", "損害保険料", true, ""}, ""},
    {{"SONEKIKEISANSYO", "SYUUZENHI", "修繕費", true, ""}, ""},
    {{"SONEKIKEISANSYO", "HITUYOUKEIHI_YOBI", "", true, ""}, ""},
    {{"SONEKIKEISANSYO", "ZAPPI", "雑費", true, ""}, ""},
    {{"SONEKIKEISANSYO", "", "その他の経費", true, "⑩"}, "SOZEIKOUKA~ZAPPI"},
    {{"SONEKIKEISANSYO", "", "計", true, "⑪"}, "⑤~⑨+⑩"},
    {{"SONEKIKEISANSYO", "", "差引金額", true, "⑫"}, "④-⑪"},
    {{"SONEKIKEISANSYO", "SENJYUSYAKOUJYO", "専従者控除", true, "⑬"}, ""},
    {{"SONEKIKEISANSYO", "", "所得金額", true, "⑭"}, "⑫-⑬"},
    {{"SONEKIKEISANSYO", "FUSAIRISIGAKU", "土地等を取得するための負債の利子", true, ""}, ""},
};

// 青色申告決算書（一般用）: 製造原価の計算 ①～㉖.
constexpr FormLine kManufacturingCost[] = {
    {{"SEIZOUGENKA", "KISYUGENZAIRYOUTANAOROSIDAKA", "期首原材料棚卸高", true, "①"}, ""},
    {{"SEIZOUGENKA", "GENZAIRYOUSIIREDAKA", "原材料仕入高", true, "②"}, ""},
    {{"SEIZOUGENKA", "", "小計", true, "③"}, "①+②"},
    {{"SEIZOUGENKA", "KIMATUGENZAIRYOUTANAOROSIDAKA", "期末原材料棚卸高", true, "④"}, ""},
    {{"SEIZOUGENKA", "", "差引原材料費", true, "⑤"}, "③-④"},
    {{"SEIZOUGENKA", "ROUMUHI", "労務費", true, "⑥"}, ""},
    {{"SEIZOUGENKA", "", "その他の製造経費", true, ""}, ""},
    {{"SEIZOUGENKA", "GAICHUUKOUTIN", "外注工賃", true, "⑦"}, ""},
    {{"SEIZOUGENKA", "DENNRYOKUHI", "電力費", true, "⑧"}, ""},
    {{"SEIZOUGENKA", "SUIDOUKOUNETUHI", "水道光熱費", true, "⑨"}, ""},
    {{"SEIZOUGENKA", "SYUZENHI", "修繕費", true, "⑩"}, ""},
    {{"SEIZOUGENKA", "GENKASYOUKYAKUHI", "減価償却費", true, "⑪"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI1", "", true, "⑫"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI2", "", true, "⑬"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI3", "", true, "⑭"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI4", "", true, "⑮"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI5", "", true, "⑯"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI6", "", true, "⑰"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI7", "", true, "⑱"}, ""},
    {{"SEIZOUGENKA", "SEIZOUKEIHI_YOBI8", "", true, "⑲"}, ""},
    {{"SEIZOUGENKA", "ZAPPI", "雑費", true, "⑳"}, ""},
    {{"SEIZOUGENKA", "", "計", true, "㉑"}, "⑦~⑳"},
    {{"SEIZOUGENKA", "", "総製造費", true, "㉒"}, "⑤+⑥+㉑"},
    {{"SEIZOUGENKA", "KISYUHANSEIHIN", "期首半製品・仕掛品棚卸高", true, "㉓"}, ""},
    {{"SEIZOUGENKA", "", "小計", true, "㉔"}, "㉒+㉓"},
    {{"SEIZOUGENKA", "KIMATUHANSEIHIN", "期末半製品・仕掛品棚卸高", true, "㉕"}, ""},
    {{"SEIZOUGENKA", "", "製品製造原価", true, "㉖"}, "㉔-㉕"},
};

}  // namespace

std::span<const FormLine> ProfitAndLossLines(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return kBlueBusiness;
        case Form::WhiteBusiness:
            return kWhiteBusiness;
        case Form::BlueRealEstate:
            return kBlueRealEstate;
        case Form::WhiteRealEstate:
            return kWhiteRealEstate;
    }
    return {};
}

std::span<const FormLine> ManufacturingCostLines(Form form) {
    return form == Form::BlueBusiness ? std::span<const FormLine>(kManufacturingCost)
                                      : std::span<const FormLine>();
}

}  // namespace inspect
