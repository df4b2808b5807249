#include <iterator>
#include <string>
#include <vector>

#include "report/AccountTables.h"

namespace {

constexpr AmountTableRow kBlueBusinessProfitAndLoss[] = {
    {"URIAGEKINGAKU", 101, 0},
    {"KISYUSYOHINTANAOROSIDAKA", 104, 0},
    {"SIIREKINGAKU", 105, 0},
    {"KIMATUSYOHINTANAOROSIDAKA", 106, 0},
    {"SOZEIKOUKA", 108, 0},
    {"NIZUKURIUNTIN", 109, 0},
    {"SUIDOUKOUNETUHI", 110, 0},
    {"RYOHIKOUTUUHI", 111, 0},
    {"TUUSINHI", 112, 0},
    {"KOUKOKUSENDENHI", 113, 0},
    {"SETTAIKOUSAIHI", 114, 0},
    {"SONGAIHOKENRYOU", 115, 0},
    {"SYUUZENHI", 116, 0},
    {"SYOUMOUHINHI", 117, 0},
    {"GENKASHOUKYAKUHI", 118, 0},
    {"FUKURIKOUSEIHI", 119, 0},
    {"KYUURYOUTINGIN", 120, 0},
    {"GAICHUUKOUTIN", 121, 0},
    {"RISIWARIBIKIRYOU", 122, 0},
    {"TIDAIYATIN", 123, 0},
    {"KASIDAOREKIN", 124, 0},
    {"KEIHI_YOBI1", 125, 1},
    {"KEIHI_YOBI2", 126, 1},
    {"KEIHI_YOBI3", 127, 1},
    {"KEIHI_YOBI4", 128, 1},
    {"KEIHI_YOBI5", 129, 1},
    {"KEIHI_YOBI6", 130, 1},
    {"ZAPPI", 131, 0},
    {"KURIMODOSI_KASIDAOREHIKIATEKIN", 135, 0},
    {"KURIMODOSI_YOBI1", 136, 1},
    {"KURIMODOSI_YOBI2", 137, 1},
    {"SENJYUUSYAKYUUYO", 140, 0},
    {"KURIIRE_KASIDAOREHIKIATEKIN", 141, 0},
    {"KURIIRE_YOBI1", 142, 1},
    {"KURIIRE_YOBI2", 143, 1},
};

// Codes of the white summation; 998 is the family-employee deduction row.
constexpr AmountTableRow kWhiteProfitAndLoss[] = {
    {"SYUNYUGAKU", 1, 0},
    {"KAJISYOUHI", 2, 0},
    {"SONOTASYUNYU", 3, 0},
    {"KISYUSYOHINTANAOROSIDAKA", 5, 0},
    {"SIIREKINGAKU", 6, 0},
    {"KIMATUSYOHINTANAOROSIDAKA", 8, 0},
    {"KYUURYOUTINGIN", 11, 0},
    {"GAICHUUKOUTIN", 12, 0},
    {"GENKASHOUKYAKUHI", 13, 0},
    {"KASIDAOREKIN", 14, 0},
    {"TIDAIYATIN", 15, 0},
    {"RISIWARIBIKIRYOU", 16, 0},
    {"SOZEIKOUKA", 21, 0},
    {"NIZUKURIUNTIN", 22, 0},
    {"SUIDOUKOUNETUHI", 23, 0},
    {"RYOHIKOUTUUHI", 24, 0},
    {"TUUSINHI", 25, 0},
    {"KOUKOKUSENDENHI", 26, 0},
    {"SETTAIKOUSAIHI", 27, 0},
    {"SONGAIHOKENRYOU", 28, 0},
    {"SYUUZENHI", 29, 0},
    {"SYOUMOUHINHI", 30, 0},
    {"FUKURIKOUSEIHI", 31, 0},
    {"KEIHI_YOBI1", 32, 1},
    {"KEIHI_YOBI2", 33, 1},
    {"KEIHI_YOBI3", 34, 1},
    {"KEIHI_YOBI4", 35, 1},
    {"KEIHI_YOBI5", 36, 1},
    {"ZAPPI", 37, 0},
    {"SENJYUSYAKOUJYO", 998, 0},
};

constexpr AmountTableRow kManufacturingCost[] = {
    {"KISYUGENZAIRYOUTANAOROSIDAKA", 301, 0},
    {"GENZAIRYOUSIIREDAKA", 302, 0},
    {"KIMATUGENZAIRYOUTANAOROSIDAKA", 304, 0},
    {"ROUMUHI", 306, 0},
    {"GAICHUUKOUTIN", 307, 0},
    {"DENNRYOKUHI", 308, 0},
    {"SUIDOUKOUNETUHI", 309, 0},
    {"SYUZENHI", 310, 0},
    {"GENKASYOUKYAKUHI", 311, 0},
    {"SEIZOUKEIHI_YOBI1", 312, 1},
    {"SEIZOUKEIHI_YOBI2", 313, 1},
    {"SEIZOUKEIHI_YOBI3", 314, 1},
    {"SEIZOUKEIHI_YOBI4", 315, 1},
    {"SEIZOUKEIHI_YOBI5", 316, 1},
    {"SEIZOUKEIHI_YOBI6", 317, 1},
    {"SEIZOUKEIHI_YOBI7", 318, 1},
    {"SEIZOUKEIHI_YOBI8", 319, 1},
    {"ZAPPI", 320, 0},
    {"KISYUHANSEIHIN", 323, 0},
    {"KIMATUHANSEIHIN", 325, 0},
};

// Assets first, then liabilities and capital. 999 is the income before the
// blue special deduction, which the aggregation gives its own code.
constexpr BalanceAccount kBlueBusinessAccounts[] = {
    {201, "GENKIN", BalanceRows::OpeningClosing},
    {202, "TOUZAYOKIN", BalanceRows::OpeningClosing},
    {203, "TEIKIYOKIN", BalanceRows::OpeningClosing},
    {204, "SONOTANOYOKIN", BalanceRows::OpeningClosing},
    {205, "UKETORITEGATA", BalanceRows::OpeningClosing},
    {206, "URIKAKEKIN", BalanceRows::OpeningClosing},
    {207, "YUUKASYOUKEN", BalanceRows::OpeningClosing},
    {208, "TANAOROSISISAN", BalanceRows::OpeningClosing},
    {209, "MAEBARAIKIN", BalanceRows::OpeningClosing},
    {210, "KASITUKEKIN", BalanceRows::OpeningClosing},
    {211, "TATEMONO", BalanceRows::OpeningClosing},
    {212, "TATEMONOFUZOKUSETUBI", BalanceRows::OpeningClosing},
    {213, "KIKAISOUTI", BalanceRows::OpeningClosing},
    {214, "SYARYOUUNPANGU", BalanceRows::OpeningClosing},
    {215, "KOUGUKIGUBIHIN", BalanceRows::OpeningClosing},
    {216, "TOTI", BalanceRows::OpeningClosing},
    {217, "SISAN_YOBI", BalanceRows::NameOpeningClosing, 7},
    {224, "JIGYOUNUSIKASI", BalanceRows::Closing},
    {225, "SIHARAITEGATA", BalanceRows::OpeningClosing},
    {226, "KAIKAKEKIN", BalanceRows::OpeningClosing},
    {227, "SYUKUNYUUKIN", BalanceRows::OpeningClosing},
    {228, "MIBARAIKIN", BalanceRows::OpeningClosing},
    {229, "MAIUKEKIN", BalanceRows::OpeningClosing},
    {230, "AZUKARIKIN", BalanceRows::OpeningClosing},
    {231, "FUSAISIHON_YOBI", BalanceRows::NameOpeningClosing, 7},
    {238, "KASIDAOREHIKIATEKIN", BalanceRows::OpeningClosing},
    {239, "FUSAISIHON_YOBI", BalanceRows::NameOpeningClosing, 7, 8},
    {246, "JIGYOUNUSIKARI", BalanceRows::Closing},
    {247, "MOTOIREKIN", BalanceRows::OpeningClosing},
    {999, "KOUJYOMAESYOTOKUKINNGAKU", BalanceRows::Closing},
};

// Sales and purchases by month, each followed by what the monthly record
// holds after its months.
constexpr int kMonths = 12;
constexpr const char* kAfterSales[] = {"KAJISYOUHI", "ZATUSYUNYU", "URIAGE_UTI_KEIGENZEIRITU"};
constexpr const char* kAfterPurchases[] = {"SIIRE_UTI_KEIGENZEIRITU"};

std::vector<std::string> BuildMonthlyTags() {
    std::vector<std::string> tags;
    const auto addMonths = [&tags](const std::string& stem) {
        for (int month = 1; month <= kMonths; ++month) {
            tags.push_back(stem + std::to_string(month));
        }
    };
    addMonths("URIAGEKINGAKU");
    tags.insert(tags.end(), std::begin(kAfterSales), std::end(kAfterSales));
    addMonths("SIIREKINGAKU");
    tags.insert(tags.end(), std::begin(kAfterPurchases), std::end(kAfterPurchases));
    return tags;
}

}  // namespace

std::span<const AmountTableRow> BlueBusinessProfitAndLoss() {
    return kBlueBusinessProfitAndLoss;
}

std::span<const AmountTableRow> WhiteProfitAndLoss() {
    return kWhiteProfitAndLoss;
}

std::span<const AmountTableRow> ManufacturingCost() {
    return kManufacturingCost;
}

std::span<const BalanceTableRow> BlueBusinessBalanceSheet() {
    static const BalanceSheetTable table(kBlueBusinessAccounts);
    return table.Rows();
}

std::span<const std::string> MonthlyTags() {
    static const std::vector<std::string> tags = BuildMonthlyTags();
    return tags;
}
