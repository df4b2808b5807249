#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/SavedStatementRecords.h"
#include "hostapi/StDATAINFO.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/RunParts.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using reporttest::kYen;
using testsupport::Sjis;

// A line of a value element at `level`.
std::string Value(int level, const std::string& name, const std::string& text = {}) {
    return std::string(static_cast<std::size_t>(level), '\t') + "<" + name + ">" + text + "</" +
           name + ">\r\n";
}

// Empty value elements, one per name.
std::string Empties(int level, const std::vector<std::string>& names) {
    std::string lines;
    for (const std::string& name : names) {
        lines += Value(level, name);
    }
    return lines;
}

// An item of a list at level 4 with its children.
std::string Item(const std::string& name, int count, const std::string& children) {
    return "\t\t\t\t<" + name + " COUNT=\"" + std::to_string(count) + "\">\r\n" + children +
           "\t\t\t\t</" + name + ">\r\n";
}

void CopyText(char* field, std::size_t width, const std::string& text) {
    std::memcpy(field, text.data(), std::min(width, text.size()));
}

const std::vector<std::string> kSalaryChildren = {"SIMEI",    "NENREI", "JUUJITUKISUU",
                                                  "KYUURYOU", "SYOUYO", "GENSENZEIGAKU"};
const std::vector<std::string> kOthersLine = {"SONOTA_NINBUN", "SONOTA_JUUJITUKISUU",
                                              "SONOTA_KYUURYOU", "SONOTA_SYOUYO",
                                              "SONOTA_GENSENZEIGAKU"};

// Blocks of the saved statements in task memory, freed when the test ends,
// and a report writer whose lists write into memory.
class BreakdownListTest : public testsupport::RunPartsTest {
protected:
    BreakdownListTest() {
        entry_.returnKind = hostapi::kBlueReturn;
        Inside(4);
    }

    unsigned char* General(int block) { return GeneralBlock(block); }
    unsigned char* RealEstate(int block) { return RealEstateBlock(block); }

    template <typename Entry>
    static void Put(unsigned char* block, std::size_t first, int index, const Entry& entry) {
        std::memcpy(block + first + static_cast<std::size_t>(index) * sizeof(Entry), &entry,
                    sizeof entry);
    }
};

TEST(BreakdownListFormat, IntegersAreDecimalAndEmptyForZero) {
    EXPECT_EQ(ReportWriter::FormatInteger(0), "");
    EXPECT_EQ(ReportWriter::FormatInteger(12), "12");
    EXPECT_EQ(ReportWriter::FormatInteger(-5), "-5");
    EXPECT_EQ(ReportWriter::FormatInteger(20210315), "20210315");
    EXPECT_EQ(ReportWriter::FormatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST_F(BreakdownListTest, EmptyEntriesGiveCompleteItemsWithOrdinals) {
    General(2);
    std::string expected;
    for (int n = 1; n <= 5; ++n) {
        expected += Item("KYUURYOU_UTIWAKE", n, Empties(5, kSalaryChildren));
    }
    expected += Empties(4, kOthersLine);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 5, 1), 1);
    EXPECT_EQ(Written(), expected);
}

TEST_F(BreakdownListTest, AbsentBlockWritesTheSameEmptyItems) {
    std::string expected;
    for (int n = 1; n <= 3; ++n) {
        expected += Item("KYUURYOU_UTIWAKE", n, Empties(5, kSalaryChildren));
    }
    expected += Empties(4, kOthersLine);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 3, 1), 1);
    EXPECT_EQ(Written(), expected);
}

TEST_F(BreakdownListTest, SalaryValuesAndTheOthersEntryAfterTheNamedOnes) {
    unsigned char* block = General(2);
    SalaryEntry second{};
    CopyText(second.name, sizeof second.name, Sjis("山田&<太郎>"));
    second.age = 0;
    second.months = 12;
    second.salary = 9999;
    second.bonus = 0;
    second.taxWithheld = -25000;
    Put(block, hostapi::general::kSalaries, 1, second);
    SalaryEntry others{};
    CopyText(others.name, sizeof others.name, "not written");
    others.age = 4;
    others.months = 6;
    others.salary = 1200000 * kYen + 9999;
    others.bonus = -1 * kYen;
    others.taxWithheld = 35 * kYen;
    Put(block, hostapi::general::kSalaries, 3, others);

    EXPECT_EQ(report_.WriteSalaryList(&xml_, 3, 1), 1);
    const std::string expected =
        Item("KYUURYOU_UTIWAKE", 1, Empties(5, kSalaryChildren)) +
        Item("KYUURYOU_UTIWAKE", 2,
             Value(5, "SIMEI", Sjis("山田&amp;&lt;太郎&gt;")) + Value(5, "NENREI") +
                 Value(5, "JUUJITUKISUU", "12") + Value(5, "KYUURYOU") + Value(5, "SYOUYO") +
                 Value(5, "GENSENZEIGAKU", "-2")) +
        Item("KYUURYOU_UTIWAKE", 3, Empties(5, kSalaryChildren)) + Value(4, "SONOTA_NINBUN", "4") +
        Value(4, "SONOTA_JUUJITUKISUU", "6") + Value(4, "SONOTA_KYUURYOU", "1200000") +
        Value(4, "SONOTA_SYOUYO", "-1") + Value(4, "SONOTA_GENSENZEIGAKU", "35");
    EXPECT_EQ(Written(), expected);
}

TEST_F(BreakdownListTest, MonthsAreWrittenWhateverTheAge) {
    unsigned char* block = General(2);
    SalaryEntry first{};
    first.age = 37;
    Put(block, hostapi::general::kSalaries, 0, first);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 1, 0), 1);
    EXPECT_EQ(Written(),
              Item("KYUURYOU_UTIWAKE", 1,
                   Value(5, "SIMEI") + Value(5, "NENREI", "37") +
                       Empties(5, {"JUUJITUKISUU", "KYUURYOU", "SYOUYO", "GENSENZEIGAKU"})));
}

TEST_F(BreakdownListTest, TextsStopAtTheirFieldWidth) {
    unsigned char* block = General(2);
    SalaryEntry first{};
    std::memset(first.name, 'N', sizeof first.name);
    first.age = 0x41414141;  // bytes that would continue the name
    Put(block, hostapi::general::kSalaries, 0, first);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 1, 0), 1);
    EXPECT_NE(Written().find(Value(5, "SIMEI", std::string(41, 'N'))), std::string::npos);
}

TEST_F(BreakdownListTest, FieldsOutsideASmallBlockAreEmpty) {
    // The second entry's name and age fit; its months and amounts do not.
    const std::size_t size = sizeof(SalaryEntry) + offsetof(SalaryEntry, months);
    unsigned char* block = GeneralBlock(2, size);
    SalaryEntry second{};
    CopyText(second.name, sizeof second.name, "Kato");
    second.age = 30;
    std::memcpy(block + sizeof(SalaryEntry), &second, size - sizeof(SalaryEntry));
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 3, 1), 1);
    EXPECT_EQ(Written(),
              Item("KYUURYOU_UTIWAKE", 1, Empties(5, kSalaryChildren)) +
                  Item("KYUURYOU_UTIWAKE", 2,
                       Value(5, "SIMEI", "Kato") + Value(5, "NENREI", "30") +
                           Empties(5, {"JUUJITUKISUU", "KYUURYOU", "SYOUYO", "GENSENZEIGAKU"})) +
                  Item("KYUURYOU_UTIWAKE", 3, Empties(5, kSalaryChildren)) +
                  Empties(4, kOthersLine));
}

TEST_F(BreakdownListTest, WritersGuardTheirBounds) {
    General(2);
    General(6);
    RealEstate(2);
    RealEstate(6);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 6, 0), 0);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 4, 1), 0);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 0, 1), 0);
    EXPECT_EQ(report_.WriteSalesCustomerList(&xml_, 5), 0);
    EXPECT_EQ(report_.WritePurchaseSupplierList(&xml_, 5), 0);
    EXPECT_EQ(report_.WriteLoanList(&xml_, 4), 0);
    EXPECT_EQ(report_.WriteRepairList(&xml_, 4), 0);
    EXPECT_EQ(report_.WriteRealEstateSalaryList(&xml_, 0, 1), 0);
    EXPECT_EQ(report_.WriteSalaryList(nullptr, 5, 1), 0);

    EXPECT_EQ(report_.WriteSalaryList(&xml_, 4, 0), 1);
    EXPECT_EQ(report_.WriteLoanList(&xml_, 3), 1);
    EXPECT_EQ(report_.WriteRepairList(&xml_, 3), 1);
    EXPECT_EQ(report_.WriteRealEstateSalaryList(&xml_, 0, 0), 1);
}

TEST_F(BreakdownListTest, TheSixthSalaryItemFailsAfterTheFirstFive) {
    General(2);
    EXPECT_EQ(report_.WriteSalaryList(&xml_, 6, 1), 0);
    std::string expected;
    for (int n = 1; n <= 5; ++n) {
        expected += Item("KYUURYOU_UTIWAKE", n, Empties(5, kSalaryChildren));
    }
    EXPECT_EQ(Written(), expected);
}

TEST_F(BreakdownListTest, CountBelowOneWritesNoItems) {
    EXPECT_EQ(report_.WriteInterestList(&xml_, 0), 1);
    EXPECT_EQ(report_.WriteFamilyEmployeeList(&xml_, &entry_, -1), 1);
    EXPECT_EQ(report_.WriteSalesCustomerList(&xml_, 0), 1);
    EXPECT_EQ(Written(), Empties(4, {"JOUKIIGAI_URIAGESAKIKEI", "UKINOUTI_KEIGENZEIRITU"}));
}

TEST_F(BreakdownListTest, BlueAndWhiteFamilyEmployees) {
    unsigned char* block = General(1);
    FamilyEmployeeEntry second{};
    CopyText(second.name, sizeof second.name, Sjis("鈴木花子"));
    CopyText(second.relationship, sizeof second.relationship, Sjis("妻"));
    second.age = 45;
    second.months = 12;
    second.salary = 1800000 * kYen;
    second.bonus = 9999;
    second.taxWithheld = 0;
    Put(block, hostapi::general::kFamilyEmployees, 1, second);

    EXPECT_EQ(report_.WriteFamilyEmployeeList(&xml_, &entry_, 2), 1);
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(report_.WriteFamilyEmployeeList(&xml_, &entry_, 2), 1);
    EXPECT_EQ(report_.WriteFamilyEmployeeList(&xml_, nullptr, 2), 0);

    const std::string blue =
        Item("SENJUUSYA_UTIWAKE", 1,
             Empties(5, {"SIMEI", "ZOKUGARA", "NENREI", "JUUJITUKISUU", "KYUURYOU", "SYOUYO",
                         "GENSENZEIGAKU"})) +
        Item("SENJUUSYA_UTIWAKE", 2,
             Value(5, "SIMEI", Sjis("鈴木花子")) + Value(5, "ZOKUGARA", Sjis("妻")) +
                 Value(5, "NENREI", "45") + Value(5, "JUUJITUKISUU", "12") +
                 Value(5, "KYUURYOU", "1800000") + Value(5, "SYOUYO") + Value(5, "GENSENZEIGAKU"));
    const std::string white =
        Item("SENJUUSYA_UTIWAKE", 1, Empties(5, {"SIMEI", "NENREI", "ZOKUGARA", "JUUJITUKISUU"})) +
        Item("SENJUUSYA_UTIWAKE", 2,
             Value(5, "SIMEI", Sjis("鈴木花子")) + Value(5, "NENREI", "45") +
                 Value(5, "ZOKUGARA", Sjis("妻")) + Value(5, "JUUJITUKISUU", "12"));
    EXPECT_EQ(Written(), blue + white);
}

TEST_F(BreakdownListTest, RealEstateSalaryListWithOneItemHasNoItemElement) {
    unsigned char* block = RealEstate(3);
    SalaryEntry first{};
    CopyText(first.name, sizeof first.name, "Ito");
    first.age = 51;
    first.months = 10;
    first.salary = 2500000 * kYen;
    Put(block, hostapi::realestate::kSalaries, 0, first);
    SalaryEntry second{};
    CopyText(second.name, sizeof second.name, "unused");
    second.age = 99;
    second.months = 3;
    second.salary = 400000 * kYen;
    second.bonus = 50000 * kYen;
    second.taxWithheld = 1000 * kYen;
    Put(block, hostapi::realestate::kSalaries, 1, second);
    const std::int32_t otherEmployees = 2;
    std::memcpy(block + hostapi::realestate::kOtherEmployees, &otherEmployees,
                sizeof otherEmployees);

    EXPECT_EQ(report_.WriteRealEstateSalaryList(&xml_, 1, 1), 1);
    EXPECT_EQ(Written(),
              Value(4, "SIMEI", "Ito") + Value(4, "NENREI", "51") + Value(4, "JUUJITUKISUU", "10") +
                  Value(4, "KYUURYOU", "2500000") + Value(4, "SYOUYO") + Value(4, "GENSENZEIGAKU") +
                  Value(4, "SONOTA_NINBUN", "2") + Value(4, "SONOTA_JUUJITUKISUU", "3") +
                  Value(4, "SONOTA_KYUURYOU", "400000") + Value(4, "SONOTA_SYOUYO", "50000") +
                  Value(4, "SONOTA_GENSENZEIGAKU", "1000"));
}

TEST_F(BreakdownListTest, RealEstateListsWithTwoItemsHaveItemElements) {
    unsigned char* block = RealEstate(3);
    FamilyEmployeeEntry family{};
    CopyText(family.name, sizeof family.name, "Mori");
    Put(block, hostapi::realestate::kFamilyEmployees, 1, family);

    EXPECT_EQ(report_.WriteRealEstateSalaryList(&xml_, 2, 0), 1);
    EXPECT_EQ(report_.WriteRealEstateFamilyEmployeeList(&xml_, &entry_, 1), 1);
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(report_.WriteRealEstateFamilyEmployeeList(&xml_, &entry_, 2), 1);

    const std::vector<std::string> white = {"SIMEI", "NENREI", "ZOKUGARA", "JUUJITUKISUU"};
    EXPECT_EQ(Written(), Item("KYUURYOU_UTIWAKE", 1, Empties(5, kSalaryChildren)) +
                             Item("KYUURYOU_UTIWAKE", 2, Empties(5, kSalaryChildren)) +
                             Empties(4, {"SIMEI", "ZOKUGARA", "NENREI", "JUUJITUKISUU", "KYUURYOU",
                                         "SYOUYO", "GENSENZEIGAKU"}) +
                             Item("SENJUUSYA_UTIWAKE", 1, Empties(5, white)) +
                             Item("SENJUUSYA_UTIWAKE", 2,
                                  Value(5, "SIMEI", "Mori") +
                                      Empties(5, {"NENREI", "ZOKUGARA", "JUUJITUKISUU"})));
}

TEST_F(BreakdownListTest, CounterpartyListsReadTheirAmountsInTheirOwnOrder) {
    unsigned char* general = General(3);
    CounterpartyEntry lender{};
    CopyText(lender.address, sizeof lender.address, "Kyoto");
    CopyText(lender.name, sizeof lender.name, "Bank & Trust");
    lender.amountA = 1 * kYen;
    lender.amountB = 2 * kYen;
    lender.amountC = 3 * kYen;
    Put(general, hostapi::general::kCounterparties, hostapi::general::kInterestFirst, lender);
    CounterpartyEntry accountant = lender;
    std::memset(accountant.name, 0, sizeof accountant.name);
    CopyText(accountant.name, sizeof accountant.name, "Tax Office");
    Put(general, hostapi::general::kCounterparties, hostapi::general::kTaxAccountantFirst + 1,
        accountant);
    unsigned char* realEstate = RealEstate(2);
    Put(realEstate, hostapi::realestate::kCounterparties, hostapi::realestate::kLoansFirst + 2,
        lender);
    Put(realEstate, hostapi::realestate::kCounterparties, hostapi::realestate::kTaxAccountantFirst,
        accountant);

    EXPECT_EQ(report_.WriteInterestList(&xml_, 1), 1);
    EXPECT_EQ(report_.WriteTaxAccountantList(&xml_, 2), 1);
    EXPECT_EQ(report_.WriteLoanList(&xml_, 3), 1);
    EXPECT_EQ(report_.WriteRealEstateTaxAccountantList(&xml_, 1), 1);

    const std::string names = Value(5, "JUUSYO_SIMEI_JOUDAN", "Kyoto") +
                              Value(5, "JUUSYO_SIMEI_GEDAN", "Bank &amp; Trust");
    const std::string accountantNames =
        Value(5, "JUUSYO_SIMEI_JOUDAN", "Kyoto") + Value(5, "JUUSYO_SIMEI_GEDAN", "Tax Office");
    const std::vector<std::string> fee = {"JUUSYO_SIMEI_JOUDAN", "JUUSYO_SIMEI_GEDAN",
                                          "HOUSYUU_KINGAKU", "HITUYOUKEIHIGAKU", "GENSENZEIGAKU"};
    const std::vector<std::string> loan = {"JUUSYO_SIMEI_JOUDAN", "JUUSYO_SIMEI_GEDAN",
                                           "KARIIREKIN_KINGAKU", "KARIIREKINRISI",
                                           "HITUYOUKEIHIGAKU"};
    const std::string feeValues = Value(5, "HOUSYUU_KINGAKU", "1") +
                                  Value(5, "HITUYOUKEIHIGAKU", "2") +
                                  Value(5, "GENSENZEIGAKU", "3");
    EXPECT_EQ(Written(),
              Item("RISI_UTIWAKE", 1,
                   names + Value(5, "KARIIREKIN_KINGAKU", "1") + Value(5, "RISIWARIBIKIRYOU", "2") +
                       Value(5, "HITUYOUKEIHIGAKU", "3")) +
                  Item("ZEIRISI_UTIWAKE", 1, Empties(5, fee)) +
                  Item("ZEIRISI_UTIWAKE", 2, accountantNames + feeValues) +
                  Item("KARIIRE_UTIWAKE", 1, Empties(5, loan)) +
                  Item("KARIIRE_UTIWAKE", 2, Empties(5, loan)) +
                  Item("KARIIRE_UTIWAKE", 3,
                       names + Value(5, "KARIIREKIN_KINGAKU", "2") +
                           Value(5, "KARIIREKINRISI", "1") + Value(5, "HITUYOUKEIHIGAKU", "3")) +
                  Item("ZEIRISI_UTIWAKE", 1, accountantNames + feeValues));
}

LandRentEntry Rent(std::uint8_t kind) {
    LandRentEntry rent{};
    CopyText(rent.address, sizeof rent.address, "Osaka");
    CopyText(rent.name, sizeof rent.name, "Owner");
    CopyText(rent.property, sizeof rent.property, "Lot 5");
    rent.paymentKind = kind;
    rent.payment = 300000 * kYen;
    rent.rent = 1200000 * kYen;
    rent.expensePart = 600000 * kYen;
    return rent;
}

TEST_F(BreakdownListTest, LandRentPaymentPairFollowsTheKind) {
    unsigned char* block = General(4);
    Put(block, hostapi::general::kLandRents, 0, Rent(0));
    Put(block, hostapi::general::kLandRents, 1, Rent(1));
    EXPECT_EQ(report_.WriteLandRentList(&xml_, 2), 1);
    Put(block, hostapi::general::kLandRents, 0, Rent(2));
    EXPECT_EQ(report_.WriteLandRentList(&xml_, 1), 1);

    const std::string head =
        Value(5, "JUUSYO_SIMEI_JOUDAN", "Osaka") + Value(5, "JUUSYO_SIMEI_GEDAN", "Owner") +
        Value(5, "TINSYAKUBUKKEN_JOUDAN", "Lot 5") + Value(5, "TINSYAKUBUKKEN_GEDAN");
    const std::string tail =
        Value(5, "TINSYAKURYOU", "1200000") + Value(5, "HITUYOUKEIHIGAKU", "600000");
    EXPECT_EQ(Written(),
              Item("TIDAI_UTIWAKE", 1,
                   head + Value(5, "KENRIKIN", "300000") + Value(5, "KOUSINRYOU") + tail) +
                  Item("TIDAI_UTIWAKE", 2,
                       head + Value(5, "KENRIKIN") + Value(5, "KOUSINRYOU", "300000") + tail) +
                  Item("TIDAI_UTIWAKE", 1, head + tail));
}

TEST_F(BreakdownListTest, RealEstateLandRentByReturnForm) {
    unsigned char* block = RealEstate(4);
    Put(block, hostapi::realestate::kLandRents, 1, Rent(0));
    EXPECT_EQ(report_.WriteRealEstateLandRentList(&xml_, &entry_, 2), 1);
    entry_.returnKind = hostapi::kWhiteReturn;
    EXPECT_EQ(report_.WriteRealEstateLandRentList(&xml_, &entry_, 1), 1);
    entry_.returnKind = 5;
    EXPECT_EQ(report_.WriteRealEstateLandRentList(&xml_, &entry_, 1), 0);

    const std::vector<std::string> blue = {
        "JUUSYO_SIMEI_1",   "JUUSYO_SIMEI_2",   "JUUSYO_SIMEI_3",   "JUUSYO_SIMEI_4",
        "TINSYAKUBUKKEN_1", "TINSYAKUBUKKEN_2", "TINSYAKUBUKKEN_3", "TINSYAKUBUKKEN_4",
        "KENRIKIN",         "KOUSINRYOU",       "TINSYAKURYOU",     "HITUYOUKEIHIGAKU"};
    EXPECT_EQ(
        Written(),
        Item("TIDAI_UTIWAKE", 1, Empties(5, blue)) +
            Item("TIDAI_UTIWAKE", 2,
                 Value(5, "JUUSYO_SIMEI_1", "Osaka") + Value(5, "JUUSYO_SIMEI_2", "Owner") +
                     Empties(5, {"JUUSYO_SIMEI_3", "JUUSYO_SIMEI_4"}) +
                     Value(5, "TINSYAKUBUKKEN_1", "Lot 5") +
                     Empties(5, {"TINSYAKUBUKKEN_2", "TINSYAKUBUKKEN_3", "TINSYAKUBUKKEN_4"}) +
                     Value(5, "KENRIKIN", "300000") + Value(5, "KOUSINRYOU") +
                     Value(5, "TINSYAKURYOU", "1200000") + Value(5, "HITUYOUKEIHIGAKU", "600000")) +
            Item("TIDAI_UTIWAKE", 1,
                 Empties(5, {"JUUSYO_SIMEI_JOUDAN", "JUUSYO_SIMEI_GEDAN", "TINSYAKUBUKKEN_JOUDAN",
                             "TINSYAKUBUKKEN_GEDAN", "KENRIKIN", "KOUSINRYOU", "TINSYAKURYOU",
                             "HITUYOUKEIHIGAKU"})));
}

TEST_F(BreakdownListTest, CustomersAndSuppliersWithTheirTotals) {
    unsigned char* block = General(6);
    CustomerEntry customer{};
    CopyText(customer.name, sizeof customer.name, Sjis("丸山商店"));
    CopyText(customer.location, sizeof customer.location, "Nara");
    customer.amount = 5000 * kYen;
    Put(block, hostapi::general::kCustomers, hostapi::general::kCustomersFirst + 1, customer);
    customer.amount = 7000 * kYen;
    Put(block, hostapi::general::kCustomers, hostapi::general::kOtherCustomersEntry, customer);
    customer.amount = 11 * kYen;
    Put(block, hostapi::general::kCustomers, hostapi::general::kSuppliersFirst, customer);
    customer.amount = -13 * kYen;
    Put(block, hostapi::general::kCustomers, hostapi::general::kOtherSuppliersEntry, customer);
    const std::int64_t reducedSales = 800 * kYen;
    const std::int64_t reducedPurchases = 900 * kYen;
    std::memcpy(block + hostapi::general::kCustomersReducedRateSales, &reducedSales,
                sizeof reducedSales);
    std::memcpy(block + hostapi::general::kCustomersReducedRatePurchases, &reducedPurchases,
                sizeof reducedPurchases);

    EXPECT_EQ(report_.WriteSalesCustomerList(&xml_, 2), 1);
    EXPECT_EQ(report_.WritePurchaseSupplierList(&xml_, 1), 1);
    EXPECT_EQ(
        Written(),
        Item("URIAGE_UTIWAKE", 1, Empties(5, {"URIAGESAKIMEI", "SYOZAITI", "URIAGEKINGAKU"})) +
            Item("URIAGE_UTIWAKE", 2,
                 Value(5, "URIAGESAKIMEI", Sjis("丸山商店")) + Value(5, "SYOZAITI", "Nara") +
                     Value(5, "URIAGEKINGAKU", "5000")) +
            Value(4, "JOUKIIGAI_URIAGESAKIKEI", "7000") +
            Value(4, "UKINOUTI_KEIGENZEIRITU", "800") +
            Item("SIIRE_UTIWAKE", 1,
                 Value(5, "SIIRESAKIMEI", Sjis("丸山商店")) + Value(5, "SYOZAITI", "Nara") +
                     Value(5, "SIIREKINGAKU", "11")) +
            Value(4, "JOUKIIGAI_SIIRESAKIKEI", "-13") + Value(4, "UKINOUTI_KEIGENZEIRITU", "900"));
}

TEST_F(BreakdownListTest, RepairsWithTheirPaymentDate) {
    unsigned char* block = RealEstate(6);
    RepairEntry repair{};
    CopyText(repair.address, sizeof repair.address, "Kobe");
    CopyText(repair.name, sizeof repair.name, "Builder <Ltd>");
    CopyText(repair.work, sizeof repair.work, "Roof");
    repair.date = 20210315;
    repair.amount = 250000 * kYen;
    repair.expensePart = 125000 * kYen;
    Put(block, hostapi::realestate::kRepairs, 0, repair);

    EXPECT_EQ(report_.WriteRepairList(&xml_, 2), 1);
    EXPECT_EQ(
        Written(),
        Item("SYUUZENHI_UTIWAKE", 1,
             Value(5, "JUUSYO_SIMEI_JOUDAN", "Kobe") +
                 Value(5, "JUUSYO_SIMEI_GEDAN", "Builder &lt;Ltd&gt;") +
                 Value(5, "KOUJIMEI_SIZAIMEI_JOUDAN", "Roof") +
                 Value(5, "KOUJIMEI_SIZAIMEI_GEDAN") + Value(5, "SIHARAINENGAPPI", "20210315") +
                 Value(5, "SIHARAIKINGAKU", "250000") + Value(5, "HITUYOUKEIHIGAKU", "125000")) +
            Item("SYUUZENHI_UTIWAKE", 2,
                 Empties(5, {"JUUSYO_SIMEI_JOUDAN", "JUUSYO_SIMEI_GEDAN",
                             "KOUJIMEI_SIZAIMEI_JOUDAN", "KOUJIMEI_SIZAIMEI_GEDAN",
                             "SIHARAINENGAPPI", "SIHARAIKINGAKU", "HITUYOUKEIHIGAKU"})));
}

}  // namespace
