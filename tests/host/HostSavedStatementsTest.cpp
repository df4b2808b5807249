#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/HostTestSupport.h"
#include "hostapi/BlockView.h"
#include "hostapi/ClSaveAoSiro.h"
#include "hostapi/SavedStatementRecords.h"

// The saved statements: each block at the size the host allocates, its values
// at the offsets of the host's records, and the ways a host delivers less.

namespace {

using hostapi::BlockView;
using hosttest::GeneralBlocks;
using hosttest::OneEntry;
using hosttest::RealEstateBlocks;

template <typename Entry>
Entry EntryAt(const BlockView& block, std::size_t offset) {
    const std::optional<Entry> entry = block.Read<Entry>(offset);
    EXPECT_TRUE(entry.has_value()) << "no entry at " << offset;
    return entry.value_or(Entry{});
}

std::string_view TextAt(const BlockView& block, std::size_t offset, std::size_t width) {
    return block.Text(offset, width).value_or("(absent)");
}

bool AllZero(const BlockView& block) {
    for (std::size_t i = 0; i < block.Size(); ++i) {
        if (block.Uint8(i) != 0) {
            return false;
        }
    }
    return true;
}

class HostSavedStatements : public hosttest::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        saved.SetCurDataID("D1");
    }

    ClSaveAoSiro saved;
};

TEST_F(HostSavedStatements, General0) {
    Books(OneEntry(R"("general": {"0": {"associationName": "青色申告会", "blueDeductionChoice": 2,
                                        "realEstateIncome": "-123.4"}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(0);
    EXPECT_EQ(block.Size(), 542u);
    EXPECT_EQ(TextAt(block, 349, 41), "\x90\xC2\x90\x46\x90\x5C\x8D\x90\x89\xEF");
    EXPECT_EQ(block.Uint8(521), 2);
    EXPECT_EQ(block.Int64(534), -1234000);
    for (int i = 1; i < 7; ++i) {
        EXPECT_EQ(blocks.info.blocks[i], nullptr) << i;
    }
}

TEST_F(HostSavedStatements, General1BadDebtAndFamilyEmployees) {
    Books(OneEntry(R"("general": {"1": {"badDebt": [1, 2, 3, "4.0004"],
        "familyEmployees": [{"name": "Hanako", "relationship": "wife", "age": 45, "months": 12,
                             "salary": 1200000, "bonus": 300000, "taxWithheld": "1.5"},
                            {}, {}, {}, {"name": "Fifth"}]}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(1);
    EXPECT_EQ(block.Size(), 448u);
    EXPECT_EQ(block.Int64(16), 10000);
    EXPECT_EQ(block.Int64(24), 20000);
    EXPECT_EQ(block.Int64(32), 30000);
    EXPECT_EQ(block.Int64(40), 40004);
    const auto first = EntryAt<FamilyEmployeeEntry>(block, 48);
    EXPECT_STREQ(first.name, "Hanako");
    EXPECT_STREQ(first.relationship, "wife");
    EXPECT_EQ(hosttest::Unpacked(first.age), 45);
    EXPECT_EQ(hosttest::Unpacked(first.months), 12);
    EXPECT_EQ(hosttest::Unpacked(first.salary), 12000000000);
    EXPECT_EQ(hosttest::Unpacked(first.bonus), 3000000000);
    EXPECT_EQ(hosttest::Unpacked(first.taxWithheld), 15000);
    EXPECT_TRUE(AllZero(block.Sub(48 + 80, 3 * 80)));
    EXPECT_STREQ(EntryAt<FamilyEmployeeEntry>(block, 48 + 4 * 80).name, "Fifth");
}

TEST_F(HostSavedStatements, General2Salaries) {
    Books(OneEntry(R"("general": {"2": {"salaries": [
        {"name": "Taro", "age": 30, "months": 11, "salary": 1, "bonus": 2, "taxWithheld": 3},
        {}, {}, {}, {}, {"name": "Others", "age": 4}]}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(2);
    EXPECT_EQ(block.Size(), 480u);
    const auto first = EntryAt<SalaryEntry>(block, 0);
    EXPECT_STREQ(first.name, "Taro");
    EXPECT_EQ(hosttest::Unpacked(first.age), 30);
    EXPECT_EQ(hosttest::Unpacked(first.months), 11);
    EXPECT_EQ(hosttest::Unpacked(first.salary), 10000);
    EXPECT_EQ(hosttest::Unpacked(first.bonus), 20000);
    EXPECT_EQ(hosttest::Unpacked(first.taxWithheld), 30000);
    const auto others = EntryAt<SalaryEntry>(block, 400);
    EXPECT_STREQ(others.name, "Others");
    EXPECT_EQ(hosttest::Unpacked(others.age), 4);
}

TEST_F(HostSavedStatements, General3InterestAndTaxAccountant) {
    Books(OneEntry(R"("general": {"3": {
        "interest": [{"address": "Osaka", "name": "Bank", "amountA": 1, "amountB": 2, "amountC": 3}, {"name": "I2"}],
        "taxAccountant": [{"name": "T1"}, {"name": "T2", "amountC": 5}]}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(3);
    EXPECT_EQ(block.Size(), 448u);
    const auto bank = EntryAt<CounterpartyEntry>(block, 0);
    EXPECT_STREQ(bank.address, "Osaka");
    EXPECT_STREQ(bank.name, "Bank");
    EXPECT_EQ(hosttest::Unpacked(bank.amountA), 10000);
    EXPECT_EQ(hosttest::Unpacked(bank.amountB), 20000);
    EXPECT_EQ(hosttest::Unpacked(bank.amountC), 30000);
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 112).name, "I2");
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 224).name, "T1");
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 336).name, "T2");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CounterpartyEntry>(block, 336).amountC), 50000);
}

TEST_F(HostSavedStatements, General4LandRents) {
    Books(OneEntry(R"("general": {"4": {"landRents": [
        {"address": "Kyoto", "name": "Owner", "property": "Lot 3", "paymentKind": 1,
         "payment": 100, "rent": 200, "expensePart": 150}, {"name": "L2"}]}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(4);
    EXPECT_EQ(block.Size(), 256u);
    const auto rent = EntryAt<LandRentEntry>(block, 0);
    EXPECT_STREQ(rent.address, "Kyoto");
    EXPECT_STREQ(rent.name, "Owner");
    EXPECT_STREQ(rent.property, "Lot 3");
    EXPECT_EQ(hosttest::Unpacked(rent.paymentKind), 1);
    EXPECT_EQ(hosttest::Unpacked(rent.payment), 1000000);
    EXPECT_EQ(hosttest::Unpacked(rent.rent), 2000000);
    EXPECT_EQ(hosttest::Unpacked(rent.expensePart), 1500000);
    EXPECT_STREQ(EntryAt<LandRentEntry>(block, 128).name, "L2");
}

TEST_F(HostSavedStatements, General5Notes) {
    Books(OneEntry(R"("general": {"5": {"notes": "開業3年目\r\n店舗改装", "reducedRateSales": 8,
                                        "reducedRatePurchases": 9}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(5);
    EXPECT_EQ(block.Size(), 979u);
    EXPECT_EQ(TextAt(block, 0, 961),
              "\x8A\x4A\x8B\xC6\x33\x94\x4E\x96\xDA\r\n\x93\x58\x95\xDC\x89\xFC\x91\x95");
    EXPECT_EQ(block.Int64(963), 80000);
    EXPECT_EQ(block.Int64(971), 90000);
}

TEST_F(HostSavedStatements, General6CustomersAndSuppliers) {
    Books(OneEntry(R"("general": {"6": {
        "customers": [{"name": "C1", "location": "Nagoya", "amount": 1}, {}, {}, {"name": "C4"}],
        "otherCustomersAmount": 5,
        "suppliers": [{"name": "S1", "amount": 6}, {}, {}, {"name": "S4", "amount": 9}],
        "otherSuppliersAmount": 10, "reducedRateSales": 11, "reducedRatePurchases": 12}})"));
    GeneralBlocks blocks;
    ASSERT_EQ(saved.GetDataIppan(&blocks.info), 0);
    const BlockView block = blocks.View(6);
    EXPECT_EQ(block.Size(), 738u);
    const auto first = EntryAt<CustomerEntry>(block, 0);
    EXPECT_STREQ(first.name, "C1");
    EXPECT_STREQ(first.location, "Nagoya");
    EXPECT_EQ(hosttest::Unpacked(first.amount), 10000);
    EXPECT_STREQ(EntryAt<CustomerEntry>(block, 3 * 72).name, "C4");
    const auto otherCustomers = EntryAt<CustomerEntry>(block, 4 * 72);
    EXPECT_STREQ(otherCustomers.name, "");
    EXPECT_EQ(hosttest::Unpacked(otherCustomers.amount), 50000);
    EXPECT_STREQ(EntryAt<CustomerEntry>(block, 360).name, "S1");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CustomerEntry>(block, 360).amount), 60000);
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CustomerEntry>(block, 360 + 3 * 72).amount), 90000);
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CustomerEntry>(block, 9 * 72).amount), 100000);
    EXPECT_EQ(block.Int64(722), 110000);
    EXPECT_EQ(block.Int64(730), 120000);
}

TEST_F(HostSavedStatements, RealEstate0DebtInterest) {
    Books(OneEntry(R"("realEstate": {"0": {"debtInterest": "0.0001"}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(0);
    EXPECT_EQ(block.Size(), 360u);
    EXPECT_EQ(block.Int64(352), 1);
    EXPECT_TRUE(AllZero(block.Sub(0, 352)));
}

TEST_F(HostSavedStatements, RealEstate1RentalsEndWithAMarkerEntry) {
    Books(OneEntry(R"("realEstate": {"1": {"rentals": [
        {"tenantName": "Tenant", "location": "Kobe", "tenantAddress": "Kobe 1", "houseOrLand": "House",
         "use": "Residence", "contractFrom": 20200401, "contractTo": 20220331, "area": "45.25",
         "monthlyRent": 80000, "yearlyRent": 960000, "gratuity": 1, "keyMoney": 2, "renewalFee": 3,
         "transferFeeOther": 4, "deposit": 5},
        {"tenantName": "Second"}]}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(1);
    EXPECT_EQ(block.Size(), 3u * 236);
    const auto first = EntryAt<RentalEntry>(block, 0);
    EXPECT_EQ(hosttest::Unpacked(first.endMarker), 0);
    EXPECT_STREQ(first.tenantName, "Tenant");
    EXPECT_STREQ(first.location, "Kobe");
    EXPECT_STREQ(first.tenantAddress, "Kobe 1");
    EXPECT_STREQ(first.houseOrLand, "House");
    EXPECT_STREQ(first.use, "Residence");
    EXPECT_EQ(hosttest::Unpacked(first.contractFrom), 20200401);
    EXPECT_EQ(hosttest::Unpacked(first.contractTo), 20220331);
    EXPECT_EQ(hosttest::Unpacked(first.area), 452500);
    EXPECT_EQ(hosttest::Unpacked(first.monthlyRent), 800000000);
    EXPECT_EQ(hosttest::Unpacked(first.yearlyRent), 9600000000);
    EXPECT_EQ(hosttest::Unpacked(first.gratuity), 10000);
    EXPECT_EQ(hosttest::Unpacked(first.keyMoney), 20000);
    EXPECT_EQ(hosttest::Unpacked(first.renewalFee), 30000);
    EXPECT_EQ(hosttest::Unpacked(first.transferFeeOther), 40000);
    EXPECT_EQ(hosttest::Unpacked(first.deposit), 50000);
    EXPECT_STREQ(EntryAt<RentalEntry>(block, 236).tenantName, "Second");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<RentalEntry>(block, 236).endMarker), 0);
    EXPECT_EQ(block.Int32(2 * 236 + 4), -1);
    EXPECT_EQ(block.Int32(2 * 236), 0);
    EXPECT_TRUE(AllZero(block.Sub(2 * 236 + 8, 236 - 8)));
}

TEST_F(HostSavedStatements, RealEstate1WithoutEndMarker) {
    Books(OneEntry(
        R"("realEstate": {"1": {"rentals": [{}, {"tenantName": "Last"}], "endMarker": false}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(1);
    EXPECT_EQ(block.Size(), 2u * 236);
    EXPECT_STREQ(EntryAt<RentalEntry>(block, 236).tenantName, "Last");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<RentalEntry>(block, 236).endMarker), 0);
}

TEST_F(HostSavedStatements, RealEstate1WithNoRentalsIsTheMarkerAlone) {
    Books(OneEntry(R"("realEstate": {"1": {}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(1);
    EXPECT_EQ(block.Size(), 236u);
    EXPECT_EQ(block.Int32(4), -1);
}

TEST_F(HostSavedStatements, RealEstate1MayBeAnEmptyBlock) {
    Books(OneEntry(R"("realEstate": {"1": {"endMarker": false}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    ASSERT_NE(blocks.info.blocks[1], nullptr);  // a block of its own, of no bytes
    EXPECT_EQ(blocks.View(1).Size(), 0u);
}

TEST_F(HostSavedStatements, RealEstate2LoansAndTaxAccountant) {
    Books(OneEntry(R"("realEstate": {"2": {
        "loans": [{"name": "Bank", "amountA": 1}, {}, {"name": "L3", "amountB": 2}],
        "taxAccountant": [{"name": "T1"}, {"address": "Sendai", "name": "T2", "amountC": 3}]}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(2);
    EXPECT_EQ(block.Size(), 560u);
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 0).name, "Bank");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CounterpartyEntry>(block, 0).amountA), 10000);
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 224).name, "L3");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<CounterpartyEntry>(block, 224).amountB), 20000);
    EXPECT_STREQ(EntryAt<CounterpartyEntry>(block, 336).name, "T1");
    const auto second = EntryAt<CounterpartyEntry>(block, 448);
    EXPECT_STREQ(second.address, "Sendai");
    EXPECT_STREQ(second.name, "T2");
    EXPECT_EQ(hosttest::Unpacked(second.amountC), 30000);
}

TEST_F(HostSavedStatements, RealEstate3Employees) {
    Books(OneEntry(R"("realEstate": {"3": {
        "salaries": [{"name": "S1"}, {"name": "S2", "taxWithheld": 7}], "otherEmployees": 3,
        "familyEmployees": [{"name": "F1"}, {"name": "F2", "relationship": "son"}]}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(3);
    EXPECT_EQ(block.Size(), 328u);
    EXPECT_STREQ(EntryAt<SalaryEntry>(block, 0).name, "S1");
    EXPECT_EQ(hosttest::Unpacked(EntryAt<SalaryEntry>(block, 80).taxWithheld), 70000);
    EXPECT_EQ(block.Int32(160), 3);
    EXPECT_STREQ(EntryAt<FamilyEmployeeEntry>(block, 168).name, "F1");
    EXPECT_STREQ(EntryAt<FamilyEmployeeEntry>(block, 248).relationship, "son");
}

TEST_F(HostSavedStatements, RealEstate4To6) {
    Books(OneEntry(R"("realEstate": {
        "4": {"landRents": [{}, {"name": "L2", "rent": 1}]},
        "5": {"notes": "Repaired the roof"},
        "6": {"repairs": [{"address": "A", "name": "N", "work": "Roof", "date": 20210615, "amount": 2,
                           "expensePart": 1}, {}, {"work": "Wall"}]}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    EXPECT_EQ(blocks.View(4).Size(), 256u);
    EXPECT_STREQ(EntryAt<LandRentEntry>(blocks.View(4), 128).name, "L2");
    EXPECT_EQ(EntryAt<LandRentEntry>(blocks.View(4), 128).rent, 10000);
    EXPECT_EQ(blocks.View(5).Size(), 961u);
    EXPECT_EQ(TextAt(blocks.View(5), 0, 961), "Repaired the roof");
    const BlockView repairs = blocks.View(6);
    EXPECT_EQ(repairs.Size(), 384u);
    const auto roof = EntryAt<RepairEntry>(repairs, 0);
    EXPECT_STREQ(roof.address, "A");
    EXPECT_STREQ(roof.name, "N");
    EXPECT_STREQ(roof.work, "Roof");
    EXPECT_EQ(hosttest::Unpacked(roof.date), 20210615);
    EXPECT_EQ(hosttest::Unpacked(roof.amount), 20000);
    EXPECT_EQ(hosttest::Unpacked(roof.expensePart), 10000);
    EXPECT_STREQ(EntryAt<RepairEntry>(repairs, 256).work, "Wall");
}

TEST_F(HostSavedStatements, RealEstate7RentalUses) {
    Books(OneEntry(R"("realEstate": {"7": {
        "housingDetached": 1, "housingOtherBuildings": 2, "housingLandContracts": 3, "housingLandArea": "4.5",
        "otherDetached": 5, "otherBuildings": 6, "otherLandContracts": 7, "otherLandArea": 8,
        "parkingRoofed": 9, "parkingOpen": 10}})"));
    RealEstateBlocks blocks;
    ASSERT_EQ(saved.GetDataFudousan(&blocks.info), 0);
    const BlockView block = blocks.View(7);
    EXPECT_EQ(block.Size(), 56u);
    EXPECT_EQ(block.Int32(4), 1);
    EXPECT_EQ(block.Int32(8), 2);
    EXPECT_EQ(block.Int32(12), 3);
    EXPECT_EQ(block.Int64(16), 45000);
    EXPECT_EQ(block.Int32(24), 0);
    EXPECT_EQ(block.Int32(28), 5);
    EXPECT_EQ(block.Int32(32), 6);
    EXPECT_EQ(block.Int32(36), 7);
    EXPECT_EQ(block.Int64(40), 80000);
    EXPECT_EQ(block.Int32(48), 9);
    EXPECT_EQ(block.Int32(52), 10);
}

TEST_F(HostSavedStatements, NullOrMissingKeysGiveNoBlockAndEmptyObjectsZeroBlocks) {
    Books(OneEntry(R"("general": {"0": null, "1": {}}, "realEstate": {"5": {}})"));
    GeneralBlocks general;
    ASSERT_EQ(saved.GetDataIppan(&general.info), 0);
    EXPECT_EQ(general.info.blocks[0], nullptr);
    EXPECT_EQ(general.View(1).Size(), 448u);
    EXPECT_TRUE(AllZero(general.View(1)));
    for (int i = 2; i < 7; ++i) {
        EXPECT_EQ(general.info.blocks[i], nullptr) << i;
    }
    RealEstateBlocks realEstate;
    ASSERT_EQ(saved.GetDataFudousan(&realEstate.info), 0);
    EXPECT_EQ(realEstate.View(5).Size(), 961u);
    EXPECT_TRUE(AllZero(realEstate.View(5)));
    EXPECT_EQ(realEstate.info.blocks[1], nullptr);
}

TEST_F(HostSavedStatements, EntryWithoutSavedStatementsGivesNoBlocks) {
    Books(OneEntry(""));
    GeneralBlocks general;
    EXPECT_EQ(saved.GetDataIppan(&general.info), 0);
    for (void* block : general.info.blocks) {
        EXPECT_EQ(block, nullptr);
    }
}

TEST_F(HostSavedStatements, SizeDeliversOnlyTheFirstBytes) {
    Books(OneEntry(
        R"("general": {"0": {"associationName": "Assoc", "realEstateIncome": 1, "size": 540}},
                      "realEstate": {"1": {"rentals": [{"tenantName": "T"}, {}], "size": 300},
                                     "7": {"size": 0}})"));
    GeneralBlocks general;
    ASSERT_EQ(saved.GetDataIppan(&general.info), 0);
    const BlockView block = general.View(0);
    EXPECT_EQ(block.Size(), 540u);
    EXPECT_EQ(TextAt(block, 349, 41), "Assoc");
    EXPECT_FALSE(block.Int64(534));  // cut short: the field does not fit whole

    RealEstateBlocks realEstate;
    ASSERT_EQ(saved.GetDataFudousan(&realEstate.info), 0);
    EXPECT_EQ(realEstate.View(1).Size(), 300u);
    EXPECT_STREQ(EntryAt<RentalEntry>(realEstate.View(1), 0).tenantName, "T");
    EXPECT_FALSE(realEstate.View(1).Int32(2 * 236 + 4));
    ASSERT_NE(realEstate.info.blocks[7], nullptr);
    EXPECT_EQ(realEstate.View(7).Size(), 0u);
}

TEST_F(HostSavedStatements, FailingLoadsStillFillTheirBlocks) {
    Books(R"({"format": "books/1", "results": {"GetDataIppan": 3, "GetDataFudousan": -4},
              "entries": [{"dataId": "D1", "general": {"2": {"salaries": [{"name": "Taro"}]}},
                           "realEstate": {"0": {"debtInterest": 1}}}]})");
    GeneralBlocks general;
    EXPECT_EQ(saved.GetDataIppan(&general.info), 3);
    EXPECT_STREQ(EntryAt<SalaryEntry>(general.View(2), 0).name, "Taro");
    RealEstateBlocks realEstate;
    EXPECT_EQ(saved.GetDataFudousan(&realEstate.info), -4);
    EXPECT_EQ(realEstate.View(0).Int64(352), 10000);
}

TEST_F(HostSavedStatements, UnknownDataIdFailsAndFillsNothing) {
    Books(OneEntry(R"("general": {"0": {}}, "realEstate": {"0": {}})"));
    saved.SetCurDataID("D2");
    StAOSIROSAVEINFO_IPPAN general{};
    StAOSIROSAVEINFO_FUDOUSAN realEstate{};
    void* const marker = &general;  // never freed: it must come back unchanged
    general.blocks[0] = marker;
    realEstate.blocks[0] = marker;
    EXPECT_EQ(saved.GetDataIppan(&general), 1);
    EXPECT_EQ(saved.GetDataFudousan(&realEstate), 1);
    EXPECT_EQ(general.blocks[0], marker);
    EXPECT_EQ(realEstate.blocks[0], marker);
}

TEST_F(HostSavedStatements, EveryLoadHandsOutNewBlocks) {
    Books(OneEntry(R"("general": {"0": {"realEstateIncome": 1}})"));
    GeneralBlocks first;
    GeneralBlocks second;
    ASSERT_EQ(saved.GetDataIppan(&first.info), 0);
    ASSERT_EQ(saved.GetDataIppan(&second.info), 0);
    EXPECT_NE(first.info.blocks[0], second.info.blocks[0]);
    EXPECT_EQ(second.View(0).Int64(534), 10000);
}

}  // namespace
