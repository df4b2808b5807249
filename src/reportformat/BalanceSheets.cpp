#include "reportformat/BalanceSheets.h"

#include "reportformat/Elements.h"

namespace reportformat {

namespace {

using R = BalanceRows;
constexpr Side kAsset = Side::Assets;
constexpr Side kLiability = Side::LiabilitiesAndCapital;

// 999 is the income before the blue special deduction, which the aggregation
// gives a code of its own.
constexpr BalanceAccount kBusiness[] = {
    {201, bs::kCash, R::OpeningClosing, kAsset, "現金"},
    {202, bs::kCurrentDeposits, R::OpeningClosing, kAsset, "当座預金"},
    {203, bs::kTimeDeposits, R::OpeningClosing, kAsset, "定期預金"},
    {204, bs::kOtherDeposits, R::OpeningClosing, kAsset, "その他の預金"},
    {205, bs::kNotesReceivable, R::OpeningClosing, kAsset, "受取手形"},
    {206, bs::kReceivables, R::OpeningClosing, kAsset, "売掛金"},
    {207, bs::kSecurities, R::OpeningClosing, kAsset, "有価証券"},
    {208, bs::kInventory, R::OpeningClosing, kAsset, "棚卸資産"},
    {209, bs::kAdvances, R::OpeningClosing, kAsset, "前払金"},
    {210, bs::kLoansReceivable, R::OpeningClosing, kAsset, "貸付金"},
    {211, bs::kBuildings, R::OpeningClosing, kAsset, "建物"},
    {212, bs::kBuildingFixtures, R::OpeningClosing, kAsset, "建物附属設備"},
    {213, bs::kMachinery, R::OpeningClosing, kAsset, "機械装置"},
    {214, bs::kVehicles, R::OpeningClosing, kAsset, "車両運搬具"},
    {215, bs::kTools, R::OpeningClosing, kAsset, "工具 器具 備品"},
    {216, bs::kLand, R::OpeningClosing, kAsset, "土地"},
    {217, bs::kSpareAsset, R::NameOpeningClosing, kAsset, "", 7},
    {224, bs::kOwnerDrawings, R::Closing, kAsset, "事業主貸"},
    {225, bs::kNotesPayable, R::OpeningClosing, kLiability, "支払手形"},
    {226, bs::kPayables, R::OpeningClosing, kLiability, "買掛金"},
    {227, bs::kBorrowings, R::OpeningClosing, kLiability, "借入金"},
    {228, bs::kOtherPayables, R::OpeningClosing, kLiability, "未払金"},
    {229, bs::kAdvancesReceived, R::OpeningClosing, kLiability, "前受金"},
    {230, bs::kDepositsReceived, R::OpeningClosing, kLiability, "預り金"},
    {231, bs::kSpareLiability, R::NameOpeningClosing, kLiability, "", 7},
    {238, bs::kBadDebtReserve, R::OpeningClosing, kLiability, "貸倒引当金"},
    {239, bs::kSpareLiability, R::NameOpeningClosing, kLiability, "", 7, 8},
    {246, bs::kOwnerContributions, R::Closing, kLiability, "事業主借"},
    {247, bs::kCapital, R::OpeningClosing, kLiability, "元入金"},
    {999, bs::kIncomeBeforeDeduction, R::Closing, kLiability, "青色申告特別控除前の所得金額"},
};

constexpr BalanceAccount kRealEstate[] = {
    {201, bs::kCash, R::OpeningClosing, kAsset, "現金"},
    {202, bs::kOrdinaryDeposits, R::OpeningClosing, kAsset, "普通預金"},
    {203, bs::kTimeDeposits, R::OpeningClosing, kAsset, "定期預金"},
    {204, bs::kOtherDeposits, R::OpeningClosing, kAsset, "その他の預金"},
    {205, bs::kNotesReceivable, R::OpeningClosing, kAsset, "受取手形"},
    {206, bs::kRentsReceivable, R::OpeningClosing, kAsset, "未収賃貸料"},
    {207, bs::kOtherReceivables, R::OpeningClosing, kAsset, "未収金"},
    {208, bs::kSecurities, R::OpeningClosing, kAsset, "有価証券"},
    {209, bs::kAdvances, R::OpeningClosing, kAsset, "前払金"},
    {210, bs::kLoansReceivable, R::OpeningClosing, kAsset, "貸付金"},
    {211, bs::kBuildings, R::OpeningClosing, kAsset, "建物"},
    {212, bs::kBuildingFixtures, R::OpeningClosing, kAsset, "建物附属設備"},
    {213, bs::kStructures, R::OpeningClosing, kAsset, "構築物"},
    {214, bs::kShips, R::OpeningClosing, kAsset, "船舶"},
    {215, bs::kTools, R::OpeningClosing, kAsset, "工具 器具 備品"},
    {216, bs::kLand, R::OpeningClosing, kAsset, "土地"},
    {217, bs::kLeaseholds, R::OpeningClosing, kAsset, "借地権"},
    {218, bs::kPublicFacilityCharges, R::OpeningClosing, kAsset, "公共施設負担金"},
    {219, bs::kSpareAsset, R::NameOpeningClosing, kAsset, "", 5},
    {224, bs::kOwnerDrawings, R::Closing, kAsset, "事業主貸"},
    {225, bs::kBorrowings, R::OpeningClosing, kLiability, "借入金"},
    {226, bs::kOtherPayables, R::OpeningClosing, kLiability, "未払金"},
    {227, bs::kGuaranteeDeposits, R::OpeningClosing, kLiability, "保証金・敷金"},
    {228, bs::kSpareLiability, R::NameOpeningClosing, kLiability, "", 18},
    {246, bs::kOwnerContributions, R::Closing, kLiability, "事業主借"},
    {247, bs::kCapital, R::OpeningClosing, kLiability, "元入金"},
    {999, bs::kIncomeBeforeDeduction, R::Closing, kLiability, "青色申告特別控除前の所得金額"},
};

constexpr std::string_view kSuffixes[] = {suffix::kOpening, suffix::kClosing, suffix::kName};

}  // namespace

std::span<const BalanceAccount> BalanceSheet(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return kBusiness;
        case Form::BlueRealEstate:
            return kRealEstate;
        case Form::WhiteBusiness:
        case Form::WhiteRealEstate:
            break;
    }
    return {};
}

std::string LineOf(std::string_view stem, Period period) {
    return std::string(stem).append(kSuffixes[static_cast<int>(period)]);
}

std::vector<BalanceLine> BalanceLines(std::span<const BalanceAccount> accounts) {
    std::vector<BalanceLine> lines;
    for (const BalanceAccount& account : accounts) {
        const int count = account.spares > 0 ? account.spares : 1;
        for (int n = 0; n < count; ++n) {
            const std::string stem = account.spares > 0
                                         ? account.stem + std::to_string(account.firstSpare + n)
                                         : std::string(account.stem);
            const auto add = [&](Period period) {
                lines.push_back({&account, LineOf(stem, period), period, account.code + n});
            };
            if (account.rows == BalanceRows::NameOpeningClosing) {
                add(Period::AccountName);
            }
            if (account.rows != BalanceRows::Closing) {
                add(Period::Opening);
            }
            add(Period::Closing);
        }
    }
    return lines;
}

std::optional<AccountLine> AccountOf(std::string_view tag) {
    for (const Period period : {Period::Opening, Period::Closing, Period::AccountName}) {
        const std::string_view end = kSuffixes[static_cast<int>(period)];
        if (tag.size() > end.size() && tag.ends_with(end)) {
            return AccountLine{tag.substr(0, tag.size() - end.size()), period};
        }
    }
    return std::nullopt;
}

}  // namespace reportformat
