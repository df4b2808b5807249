#include <gtest/gtest.h>

#include <string>

#include "books/BooksLoader.h"
#include "hostapi/SavedStatementRecords.h"

namespace {

using tobra::books::Installation;
using tobra::books::StatementKind;

Installation LoadSample(const std::string& name) {
    const auto loaded =
        tobra::books::LoadFile(std::string(BRENLO_SOURCE_DIR) + "\\samples\\" + name);
    EXPECT_EQ(loaded.error, "");
    return loaded.books.value_or(Installation{});
}

int Count(const tobra::books::Entry& entry, StatementKind kind) {
    return entry.StatementOf(kind).Count();
}

template <std::size_t N>
bool AllPresent(const std::array<tobra::books::SavedBlock, N>& blocks) {
    for (const auto& block : blocks) {
        if (!block) {
            return false;
        }
    }
    return true;
}

TEST(SampleBooks, BlueCompanyHasEveryStatementAndBlock) {
    const Installation books = LoadSample("Books-blue.json");
    ASSERT_EQ(books.entries.size(), 1u);
    const auto& entry = books.entries[0];
    EXPECT_EQ(books.selection[1], entry.info.dataNo);
    EXPECT_EQ(entry.info.returnKind, 3);
    EXPECT_EQ(entry.info.businessKind, 3);
    EXPECT_NE(entry.info.hasManufacturing, 0);
    // Row 43 of the profit and loss is the income before the blue deduction.
    EXPECT_GE(Count(entry, StatementKind::BlueBusinessPl), 45);
    for (StatementKind kind :
         {StatementKind::BlueBusinessAssets, StatementKind::BlueBusinessLiabilities,
          StatementKind::BlueManufacturing, StatementKind::BlueRealEstatePl,
          StatementKind::BlueRealEstateAssets, StatementKind::BlueRealEstateLiabilities}) {
        EXPECT_GT(Count(entry, kind), 0) << static_cast<int>(kind);
    }
    EXPECT_TRUE(AllPresent(entry.general));
    EXPECT_TRUE(AllPresent(entry.realEstate));
    // Four rentals and the end-marker entry.
    EXPECT_EQ(entry.realEstate[1]->size(), 5 * sizeof(RentalEntry));
}

TEST(SampleBooks, WhiteCompanyHasBothStatementsAndEveryBlock) {
    const Installation books = LoadSample("Books-white.json");
    ASSERT_EQ(books.entries.size(), 1u);
    const auto& entry = books.entries[0];
    EXPECT_EQ(books.selection[1], entry.info.dataNo);
    EXPECT_EQ(entry.info.returnKind, 4);
    EXPECT_EQ(entry.info.businessKind, 3);
    EXPECT_GT(Count(entry, StatementKind::WhiteBusinessPl), 37);
    EXPECT_GT(Count(entry, StatementKind::WhiteRealEstatePl), 19);
    EXPECT_TRUE(AllPresent(entry.general));
    EXPECT_TRUE(AllPresent(entry.realEstate));
}

}  // namespace
