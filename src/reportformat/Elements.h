#pragma once

// Every element name of the report, each spelled here once: the writer writes
// them and the read-back reads them through these constants, so that the two
// cannot drift apart. The names are the fixed romanized tags the tax-return
// program imports; a name that stands for two things in the report (a section
// and a line of the same name) has one constant for each.
namespace reportformat {

// The envelope: the root, the link and the host product, the header, the
// data with its one income element.
namespace envelope {
inline constexpr char kReport[] = "REPORT";
inline constexpr char kSystem[] = "SYSTEM";
inline constexpr char kBasic[] = "BASIC";
inline constexpr char kData[] = "DATA";
inline constexpr char kBusinessIncome[] = "EIGYOUSYOTOKU";
inline constexpr char kOtherIncome[] = "SONOTASYOTOKU";
inline constexpr char kRealEstateIncome[] = "FUDOUSANSYOTOKU";
// The attribute that numbers the entries of a list from 1.
inline constexpr char kCount[] = "COUNT";
}  // namespace envelope

namespace system {
inline constexpr char kPrefix[] = "GYOUMUPREFIX";
inline constexpr char kVersion[] = "VERSION";
inline constexpr char kFunction[] = "FUNCTIONID";
inline constexpr char kProgramVersion[] = "CONNECTEDPROGRAMVER";
inline constexpr char kProductName[] = "PROGRAMNAME";
inline constexpr char kProductVersion[] = "PROGRAMVER";
}  // namespace system

namespace basic {
inline constexpr char kCompany[] = "KOMONSAKINAME";
inline constexpr char kReturnForm[] = "AOSIROKUBUN";
inline constexpr char kPeriodFrom[] = "JIGYOUNENDOFROM";
inline constexpr char kPeriodTo[] = "JIGYOUNENDOTO";
inline constexpr char kIncomeKind[] = "SYOTOKUSYURUI";
}  // namespace basic

// The sections of the income element, in no particular order.
namespace section {
inline constexpr char kProfitAndLoss[] = "SONEKIKEISANSYO";
inline constexpr char kMonthly[] = "TUKIBETUURIAGESHIIRE";
inline constexpr char kSalaries[] = "KYUURYOUTINGIN";
inline constexpr char kFamilyEmployees[] = "SENJUUSYA";
inline constexpr char kBadDebtReserve[] = "KASIDAOREKURIIRE";
inline constexpr char kBlueDeduction[] = "AOIROKOUJO";
inline constexpr char kInterest[] = "RISIWARIBIKIRYOU";
inline constexpr char kLandRents[] = "TIDAIYATIN";
inline constexpr char kTaxAccountant[] = "ZEIRISIHOUSYUU";
inline constexpr char kSpecialNotes[] = "TOKUSYUJIJOU";
inline constexpr char kBalanceSheet[] = "TAISYAKUTAISYOUHYO";
inline constexpr char kManufacturing[] = "SEIZOUGENKA";
inline constexpr char kOther[] = "OTHER";
inline constexpr char kCustomers[] = "URIAGEMEISAI";
inline constexpr char kSuppliers[] = "SIIREMEISAI";
inline constexpr char kRentals[] = "FUDOUSANSYUUNYUU";
inline constexpr char kLoans[] = "KARIIREKINRISI";
inline constexpr char kRepairs[] = "SYUUZENHI";
inline constexpr char kRentalUse[] = "KASITUKEFUDOUSAN";
}  // namespace section

// What follows an account's name: the name the user gave a line of a
// statement (…_YOBIn), and a balance-sheet account's opening and closing amounts.
namespace suffix {
inline constexpr char kName[] = "_KAMOKU";
inline constexpr char kOpening[] = "_KISYU";
inline constexpr char kClosing[] = "_KIMATU";
}  // namespace suffix

// Lines of the profit-and-loss statements (both forms, both kinds) and of the
// manufacturing cost.
namespace pl {
// Business, blue and white.
inline constexpr char kSales[] = "URIAGEKINGAKU";
inline constexpr char kWhiteSales[] = "SYUNYUGAKU";
inline constexpr char kHouseholdUse[] = "KAJISYOUHI";
inline constexpr char kOtherRevenue[] = "SONOTASYUNYU";
inline constexpr char kOpeningStock[] = "KISYUSYOHINTANAOROSIDAKA";
inline constexpr char kPurchases[] = "SIIREKINGAKU";
inline constexpr char kClosingStock[] = "KIMATUSYOHINTANAOROSIDAKA";
inline constexpr char kTaxes[] = "SOZEIKOUKA";
inline constexpr char kPacking[] = "NIZUKURIUNTIN";
inline constexpr char kUtilities[] = "SUIDOUKOUNETUHI";
inline constexpr char kTravel[] = "RYOHIKOUTUUHI";
inline constexpr char kCommunication[] = "TUUSINHI";
inline constexpr char kAdvertising[] = "KOUKOKUSENDENHI";
inline constexpr char kEntertainment[] = "SETTAIKOUSAIHI";
inline constexpr char kInsurance[] = "SONGAIHOKENRYOU";
inline constexpr char kRepairs[] = "SYUUZENHI";
inline constexpr char kSupplies[] = "SYOUMOUHINHI";
inline constexpr char kDepreciation[] = "GENKASHOUKYAKUHI";
inline constexpr char kWelfare[] = "FUKURIKOUSEIHI";
inline constexpr char kSalaries[] = "KYUURYOUTINGIN";
inline constexpr char kOutsourcing[] = "GAICHUUKOUTIN";
inline constexpr char kInterest[] = "RISIWARIBIKIRYOU";
inline constexpr char kRent[] = "TIDAIYATIN";
inline constexpr char kBadDebts[] = "KASIDAOREKIN";
inline constexpr char kSpareExpense[] = "KEIHI_YOBI";  // 1 to 6 (blue), 1 to 5 (white)
inline constexpr char kMiscellaneous[] = "ZAPPI";
inline constexpr char kReserveReversal[] = "KURIMODOSI_KASIDAOREHIKIATEKIN";
inline constexpr char kSpareReversal[] = "KURIMODOSI_YOBI";  // 1 and 2
inline constexpr char kFamilySalaries[] = "SENJYUUSYAKYUUYO";
inline constexpr char kReserveProvision[] = "KURIIRE_KASIDAOREHIKIATEKIN";
inline constexpr char kSpareProvision[] = "KURIIRE_YOBI";  // 1 and 2
inline constexpr char kFamilyDeduction[] = "SENJYUSYAKOUJYO";
// Real estate, blue and white.
inline constexpr char kRents[] = "TINTAIRYO";
inline constexpr char kKeyMoney[] = "REIKIN_KENRIKIN_KOUSINRYOU";
inline constexpr char kSpareRevenue[] = "SYUUNYUUKINGAKU_YOBI";
inline constexpr char kTransferFees[] = "MEIGIKAKIKAERYOU_SONOTA";
inline constexpr char kLoanInterest[] = "SYAKUNYUUKINRISI";
inline constexpr char kSpareNecessaryExpense[] =
    "HITUYOUKEIHI_YOBI";  // 1 to 5 (blue), none (white)
inline constexpr char kOtherExpenses[] = "SONOTANOKEIHI";
inline constexpr char kLandDebtInterest[] = "FUSAIRISIGAKU";
}  // namespace pl

namespace manufacturing {
inline constexpr char kOpeningMaterials[] = "KISYUGENZAIRYOUTANAOROSIDAKA";
inline constexpr char kMaterialPurchases[] = "GENZAIRYOUSIIREDAKA";
inline constexpr char kClosingMaterials[] = "KIMATUGENZAIRYOUTANAOROSIDAKA";
inline constexpr char kLabour[] = "ROUMUHI";
inline constexpr char kOutsourcing[] = "GAICHUUKOUTIN";
inline constexpr char kPower[] = "DENNRYOKUHI";
inline constexpr char kUtilities[] = "SUIDOUKOUNETUHI";
inline constexpr char kRepairs[] = "SYUZENHI";
inline constexpr char kDepreciation[] = "GENKASYOUKYAKUHI";
inline constexpr char kSpareExpense[] = "SEIZOUKEIHI_YOBI";  // 1 to 8
inline constexpr char kMiscellaneous[] = "ZAPPI";
inline constexpr char kOpeningWork[] = "KISYUHANSEIHIN";
inline constexpr char kClosingWork[] = "KIMATUHANSEIHIN";
}  // namespace manufacturing

// Balance-sheet accounts, each the stem of its lines.
namespace bs {
inline constexpr char kCash[] = "GENKIN";
inline constexpr char kCurrentDeposits[] = "TOUZAYOKIN";
inline constexpr char kOrdinaryDeposits[] = "FUTUUYOKIN";
inline constexpr char kTimeDeposits[] = "TEIKIYOKIN";
inline constexpr char kOtherDeposits[] = "SONOTANOYOKIN";
inline constexpr char kNotesReceivable[] = "UKETORITEGATA";
inline constexpr char kReceivables[] = "URIKAKEKIN";
inline constexpr char kRentsReceivable[] = "MISYUUTINTAIRYO";
inline constexpr char kOtherReceivables[] = "MISYUUKIN";
inline constexpr char kSecurities[] = "YUUKASYOUKEN";
inline constexpr char kInventory[] = "TANAOROSISISAN";
inline constexpr char kAdvances[] = "MAEBARAIKIN";
inline constexpr char kLoansReceivable[] = "KASITUKEKIN";
inline constexpr char kBuildings[] = "TATEMONO";
inline constexpr char kBuildingFixtures[] = "TATEMONOFUZOKUSETUBI";
inline constexpr char kStructures[] = "KOUTIKUBUTU";
inline constexpr char kMachinery[] = "KIKAISOUTI";
inline constexpr char kShips[] = "SENPAKU";
inline constexpr char kVehicles[] = "SYARYOUUNPANGU";
inline constexpr char kTools[] = "KOUGUKIGUBIHIN";
inline constexpr char kLand[] = "TOTI";
inline constexpr char kLeaseholds[] = "SYAKUTIKEN";
inline constexpr char kPublicFacilityCharges[] = "KOUKYOUSISETUFUTANKIN";
inline constexpr char kSpareAsset[] = "SISAN_YOBI";
inline constexpr char kOwnerDrawings[] = "JIGYOUNUSIKASI";
inline constexpr char kNotesPayable[] = "SIHARAITEGATA";
inline constexpr char kPayables[] = "KAIKAKEKIN";
inline constexpr char kBorrowings[] = "SYUKUNYUUKIN";
inline constexpr char kOtherPayables[] = "MIBARAIKIN";
inline constexpr char kAdvancesReceived[] = "MAIUKEKIN";
inline constexpr char kDepositsReceived[] = "AZUKARIKIN";
inline constexpr char kGuaranteeDeposits[] = "HOSYOUKIN_SIKIKIN";
inline constexpr char kSpareLiability[] = "FUSAISIHON_YOBI";
inline constexpr char kBadDebtReserve[] = "KASIDAOREHIKIATEKIN";
inline constexpr char kOwnerContributions[] = "JIGYOUNUSIKARI";
inline constexpr char kCapital[] = "MOTOIREKIN";
inline constexpr char kIncomeBeforeDeduction[] = "KOUJYOMAESYOTOKUKINNGAKU";
}  // namespace bs

// The monthly table: kSales and kPurchases followed by the month, 1 to 12.
namespace monthly {
inline constexpr char kSales[] = "URIAGEKINGAKU";
inline constexpr char kPurchases[] = "SIIREKINGAKU";
inline constexpr char kHouseholdUse[] = "KAJISYOUHI";
inline constexpr char kMiscellaneousIncome[] = "ZATUSYUNYU";
inline constexpr char kReducedRateSales[] = "URIAGE_UTI_KEIGENZEIRITU";
inline constexpr char kReducedRatePurchases[] = "SIIRE_UTI_KEIGENZEIRITU";
}  // namespace monthly

namespace baddebt {
inline constexpr char kIndividual[] = "KOBETU_KURIIREGAKU";
inline constexpr char kReceivables[] = "IKKATU_KURIIREGOUKEIGAKU";
inline constexpr char kRate[] = "IKKATU_KURIIRERITU";
inline constexpr char kLimit[] = "IKKATU_KURIIREGENDOGAKU";
inline constexpr char kCollective[] = "IKKATU_KURIIREGAKU";
}  // namespace baddebt

// The deduction's calculation; its choice is noted beside the blue real-estate
// statement too.
namespace deduction {
inline constexpr char kRealEstateIncome[] = "FUDOUSANSYOTOKU";
inline constexpr char kIncomeBefore[] = "AOIROKOUJOMAESYOTOKU";
inline constexpr char kChoice[] = "AOIROKOUJO_SENTAKU";
inline constexpr char kBlueAmount[] = "AOIROKOUJO_KOUJYOGAKU";
inline constexpr char kOtherAmount[] = "JOUKIIGAI_KOUJYOGAKU";
}  // namespace deduction

// The breakdown lists: their entries' elements and the lines beside them.
namespace list {
inline constexpr char kSalaryItem[] = "KYUURYOU_UTIWAKE";
inline constexpr char kFamilyItem[] = "SENJUUSYA_UTIWAKE";
inline constexpr char kInterestItem[] = "RISI_UTIWAKE";
inline constexpr char kLoanItem[] = "KARIIRE_UTIWAKE";
inline constexpr char kTaxAccountantItem[] = "ZEIRISI_UTIWAKE";
inline constexpr char kLandRentItem[] = "TIDAI_UTIWAKE";
inline constexpr char kCustomerItem[] = "URIAGE_UTIWAKE";
inline constexpr char kSupplierItem[] = "SIIRE_UTIWAKE";
inline constexpr char kRepairItem[] = "SYUUZENHI_UTIWAKE";

inline constexpr char kName[] = "SIMEI";
inline constexpr char kAge[] = "NENREI";
inline constexpr char kRelationship[] = "ZOKUGARA";
inline constexpr char kMonths[] = "JUUJITUKISUU";
inline constexpr char kSalary[] = "KYUURYOU";
inline constexpr char kBonus[] = "SYOUYO";
inline constexpr char kTaxWithheld[] = "GENSENZEIGAKU";
inline constexpr char kOthersPersons[] = "SONOTA_NINBUN";
inline constexpr char kOthersMonths[] = "SONOTA_JUUJITUKISUU";
inline constexpr char kOthersSalary[] = "SONOTA_KYUURYOU";
inline constexpr char kOthersBonus[] = "SONOTA_SYOUYO";
inline constexpr char kOthersTax[] = "SONOTA_GENSENZEIGAKU";
inline constexpr char kAddress[] = "JUUSYO_SIMEI_JOUDAN";
inline constexpr char kPayee[] = "JUUSYO_SIMEI_GEDAN";
inline constexpr char kAddressLine1[] = "JUUSYO_SIMEI_1";
inline constexpr char kAddressLine2[] = "JUUSYO_SIMEI_2";
inline constexpr char kAddressLine3[] = "JUUSYO_SIMEI_3";
inline constexpr char kAddressLine4[] = "JUUSYO_SIMEI_4";
inline constexpr char kBorrowed[] = "KARIIREKIN_KINGAKU";
inline constexpr char kInterestCharges[] = "RISIWARIBIKIRYOU";
inline constexpr char kLoanInterest[] = "KARIIREKINRISI";
inline constexpr char kExpensePart[] = "HITUYOUKEIHIGAKU";
inline constexpr char kFee[] = "HOUSYUU_KINGAKU";
inline constexpr char kProperty[] = "TINSYAKUBUKKEN_JOUDAN";
inline constexpr char kPropertyLower[] = "TINSYAKUBUKKEN_GEDAN";
inline constexpr char kPropertyLine1[] = "TINSYAKUBUKKEN_1";
inline constexpr char kPropertyLine2[] = "TINSYAKUBUKKEN_2";
inline constexpr char kPropertyLine3[] = "TINSYAKUBUKKEN_3";
inline constexpr char kPropertyLine4[] = "TINSYAKUBUKKEN_4";
inline constexpr char kKeyMoney[] = "KENRIKIN";
inline constexpr char kRenewalFee[] = "KOUSINRYOU";
inline constexpr char kRent[] = "TINSYAKURYOU";
inline constexpr char kCustomer[] = "URIAGESAKIMEI";
inline constexpr char kSupplier[] = "SIIRESAKIMEI";
inline constexpr char kLocation[] = "SYOZAITI";
inline constexpr char kSales[] = "URIAGEKINGAKU";
inline constexpr char kPurchases[] = "SIIREKINGAKU";
inline constexpr char kOtherCustomers[] = "JOUKIIGAI_URIAGESAKIKEI";
inline constexpr char kOtherSuppliers[] = "JOUKIIGAI_SIIRESAKIKEI";
inline constexpr char kReducedRatePart[] = "UKINOUTI_KEIGENZEIRITU";
inline constexpr char kWork[] = "KOUJIMEI_SIZAIMEI_JOUDAN";
inline constexpr char kWorkLower[] = "KOUJIMEI_SIZAIMEI_GEDAN";
inline constexpr char kPaymentDate[] = "SIHARAINENGAPPI";
inline constexpr char kPaid[] = "SIHARAIKINGAKU";
}  // namespace list

// The rental list and the use of the rented property.
namespace rental {
inline constexpr char kItem[] = "FUDOUSAN_UTIWAKE";
inline constexpr char kHouseOrLand[] = "KASIYA_KASITI";
inline constexpr char kUse[] = "YOUTO";
inline constexpr char kLocation[] = "SYOZAITI_JOUDAN";
inline constexpr char kLocationLower[] = "SYOZAITI_GEDAN";
inline constexpr char kContractFrom[] = "KEIYAKUKIKAN_FROM";
inline constexpr char kContractTo[] = "KEIYAKUKIKAN_TO";
inline constexpr char kArea[] = "KASITUKEMENSEKI";
inline constexpr char kMonthlyRent[] = "TINTAIRYOU_TUKIGAKU";
inline constexpr char kYearlyRent[] = "TINTAIRYOU_NENGAKU";
inline constexpr char kGratuity[] = "REIKIN";
inline constexpr char kTransferFee[] = "MEIGISYOKANRYOU_SONOTA";
inline constexpr char kDeposit[] = "HOSYOUKIN_SIKIKIN";

inline constexpr char kHousingDetached[] = "JUUTAKU_TATEMONO_IKKODATE";
inline constexpr char kHousingOtherBuildings[] = "JUUTAKU_TATEMONO_IKKODATEIGAI";
inline constexpr char kHousingLandContracts[] = "JUUTAKU_TOTI_KEIYAKU";
inline constexpr char kHousingLandArea[] = "JUUTAKU_TOTI_SOUMENSEKI";
inline constexpr char kOtherDetached[] = "JUUTAKUIGAI_TATEMONO_IKKODATE";
inline constexpr char kOtherBuildings[] = "JUUTAKUIGAI_TATEMONO_IKKODATEIGAI";
inline constexpr char kOtherLandContracts[] = "JUUTAKUIGAI_TOTI_KEIYAKU";
inline constexpr char kOtherLandArea[] = "JUUTAKUIGAI_TOTI_SOUMENSEKI";
inline constexpr char kParkingRoofed[] = "CHUUSYAJOU_YANETUKI";
inline constexpr char kParkingOpen[] = "CHUUSYAJOU_AOZORA";
}  // namespace rental

// The special notes are numbered lines: kLine followed by 1, 2, ...
namespace notes {
inline constexpr char kLine[] = "TOKUSYUJIJOU";
inline constexpr char kAssociation[] = "KANYUUDANTAIMEI";
}  // namespace notes

}  // namespace reportformat
