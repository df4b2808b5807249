#include "report/AccountTables.h"

namespace {

// Codes of the blue real-estate summation.
constexpr AmountTableRow kBlueRealEstateProfitAndLoss[] = {
    {"TINTAIRYO", 101, 0},
    {"REIKIN_KENRIKIN_KOUSINRYOU", 102, 0},
    {"SYUUNYUUKINGAKU_YOBI", 103, 1},
    {"SOZEIKOUKA", 105, 0},
    {"SONGAIHOKENRYOU", 106, 0},
    {"SYUUZENHI", 107, 0},
    {"GENKASHOUKYAKUHI", 108, 0},
    {"SYAKUNYUUKINRISI", 109, 0},
    {"TIDAIYATIN", 110, 0},
    {"KYUURYOUTINGIN", 111, 0},
    {"HITUYOUKEIHI_YOBI1", 112, 1},
    {"HITUYOUKEIHI_YOBI2", 113, 1},
    {"HITUYOUKEIHI_YOBI3", 114, 1},
    {"HITUYOUKEIHI_YOBI4", 115, 1},
    {"HITUYOUKEIHI_YOBI5", 116, 1},
    {"SONOTANOKEIHI", 117, 0},
    {"SENJYUUSYAKYUUYO", 120, 0},
};

// Codes of the white real-estate summation; 998 is the family-employee deduction row.
constexpr AmountTableRow kWhiteRealEstateProfitAndLoss[] = {
    {"TINTAIRYO", 1, 0},
    {"REIKIN_KENRIKIN_KOUSINRYOU", 2, 0},
    {"MEIGIKAKIKAERYOU_SONOTA", 3, 0},
    {"KYUURYOUTINGIN", 6, 0},
    {"GENKASHOUKYAKUHI", 7, 0},
    {"KASIDAOREKIN", 8, 0},
    {"TIDAIYATIN", 9, 0},
    {"SYAKUNYUUKINRISI", 10, 0},
    {"SOZEIKOUKA", 21, 0},
    {"SONGAIHOKENRYOU", 22, 0},
    {"SYUUZENHI", 23, 0},
    {"HITUYOUKEIHI_YOBI", 24, 1},
    {"ZAPPI", 25, 0},
    {"SENJYUSYAKOUJYO", 998, 0},
};

// Assets first, then liabilities and capital. 999 is the income before the
// blue special deduction, which the aggregation gives its own code.
constexpr BalanceAccount kBlueRealEstateAccounts[] = {
    {201, "GENKIN", BalanceRows::OpeningClosing},
    {202, "FUTUUYOKIN", BalanceRows::OpeningClosing},
    {203, "TEIKIYOKIN", BalanceRows::OpeningClosing},
    {204, "SONOTANOYOKIN", BalanceRows::OpeningClosing},
    {205, "UKETORITEGATA", BalanceRows::OpeningClosing},
    {206, "MISYUUTINTAIRYO", BalanceRows::OpeningClosing},
    {207, "MISYUUKIN", BalanceRows::OpeningClosing},
    {208, "YUUKASYOUKEN", BalanceRows::OpeningClosing},
    {209, "MAEBARAIKIN", BalanceRows::OpeningClosing},
    {210, "KASITUKEKIN", BalanceRows::OpeningClosing},
    {211, "TATEMONO", BalanceRows::OpeningClosing},
    {212, "TATEMONOFUZOKUSETUBI", BalanceRows::OpeningClosing},
    {213, "KOUTIKUBUTU", BalanceRows::OpeningClosing},
    {214, "SENPAKU", BalanceRows::OpeningClosing},
    {215, "KOUGUKIGUBIHIN", BalanceRows::OpeningClosing},
    {216, "TOTI", BalanceRows::OpeningClosing},
    {217, "SYAKUTIKEN", BalanceRows::OpeningClosing},
    {218, "KOUKYOUSISETUFUTANKIN", BalanceRows::OpeningClosing},
    {219, "SISAN_YOBI", BalanceRows::NameOpeningClosing, 5},
    {224, "JIGYOUNUSIKASI", BalanceRows::Closing},
    {225, "SYUKUNYUUKIN", BalanceRows::OpeningClosing},
    {226, "MIBARAIKIN", BalanceRows::OpeningClosing},
    {227, "HOSYOUKIN_SIKIKIN", BalanceRows::OpeningClosing},
    {228, "FUSAISIHON_YOBI", BalanceRows::NameOpeningClosing, 18},
    {246, "JIGYOUNUSIKARI", BalanceRows::Closing},
    {247, "MOTOIREKIN", BalanceRows::OpeningClosing},
    {999, "KOUJYOMAESYOTOKUKINNGAKU", BalanceRows::Closing},
};

}  // namespace

std::span<const AmountTableRow> BlueRealEstateProfitAndLoss() {
    return kBlueRealEstateProfitAndLoss;
}

std::span<const AmountTableRow> WhiteRealEstateProfitAndLoss() {
    return kWhiteRealEstateProfitAndLoss;
}

std::span<const BalanceTableRow> BlueRealEstateBalanceSheet() {
    static const BalanceSheetTable table(kBlueRealEstateAccounts);
    return table.Rows();
}
