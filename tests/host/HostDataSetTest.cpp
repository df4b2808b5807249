#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/HostTestSupport.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClSetData.h"
#include "hostapi/StDATAINFO.h"

// The set of company data entries: the walk and the user's selected entry.

namespace {

class HostDataSet : public hosttest::HostTest {
protected:
    static ClSetData* Entries() { return ClDataMgr::Inst()->GetSetObject(5, 1); }

    // The dataNo of every entry a walk on a new cursor delivers.
    static std::vector<std::int32_t> Walk() {
        ClSetData::Cursor cursor = 0;
        EXPECT_EQ(Entries()->GetDatCursor(&cursor), 0);
        EXPECT_EQ(Entries()->ReadyDat(cursor, 0), 0);
        std::vector<std::int32_t> numbers;
        StDATAINFO entry{};
        while (Entries()->WalkDat(&entry, cursor) == 0) {
            numbers.push_back(hosttest::Unpacked(entry.dataNo));
        }
        EXPECT_EQ(Entries()->ReleaseDatCursor(cursor), 0);
        return numbers;
    }

    static constexpr const char* kThreeEntries =
        R"({"format": "books/1", "selection": [1, 30], "entries": [
        {"dataId": "A", "dataNo": 20, "companyName": "First"},
        {"dataId": "B", "dataNo": 10},
        {"dataId": "C", "dataNo": 30, "companyName": "Third"}]})";
};

TEST_F(HostDataSet, WalkDeliversTheEntriesInFileOrder) {
    Books(kThreeEntries);
    EXPECT_EQ(Walk(), (std::vector<std::int32_t>{20, 10, 30}));
}

TEST_F(HostDataSet, WalkKeepsFailingAfterTheLastEntry) {
    Books(kThreeEntries);
    ClSetData::Cursor cursor = 0;
    ASSERT_EQ(Entries()->GetDatCursor(&cursor), 0);
    StDATAINFO entry{};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(Entries()->WalkDat(&entry, cursor), 0);
    }
    std::memset(&entry, 0x5A, sizeof entry);
    EXPECT_NE(Entries()->WalkDat(&entry, cursor), 0);
    EXPECT_NE(Entries()->WalkDat(&entry, cursor), 0);
    EXPECT_EQ(hosttest::Unpacked(entry.dataNo), 0x5A5A5A5A);  // nothing delivered

    EXPECT_EQ(Entries()->ReadyDat(cursor, 0), 0);  // starts over
    EXPECT_EQ(Entries()->WalkDat(&entry, cursor), 0);
    EXPECT_EQ(hosttest::Unpacked(entry.dataNo), 20);
    EXPECT_EQ(Entries()->ReleaseDatCursor(cursor), 0);
}

TEST_F(HostDataSet, CursorsWalkIndependently) {
    Books(kThreeEntries);
    ClSetData::Cursor one = 0;
    ClSetData::Cursor two = 0;
    ASSERT_EQ(Entries()->GetDatCursor(&one), 0);
    ASSERT_EQ(Entries()->GetDatCursor(&two), 0);
    EXPECT_NE(one, two);
    StDATAINFO entry{};
    ASSERT_EQ(Entries()->WalkDat(&entry, one), 0);
    ASSERT_EQ(Entries()->WalkDat(&entry, one), 0);
    ASSERT_EQ(Entries()->WalkDat(&entry, two), 0);
    EXPECT_EQ(hosttest::Unpacked(entry.dataNo), 20);
    EXPECT_EQ(Entries()->ReleaseDatCursor(one), 0);
    EXPECT_EQ(Entries()->ReleaseDatCursor(two), 0);
    // A released cursor is gone.
    EXPECT_NE(Entries()->WalkDat(&entry, one), 0);
    EXPECT_NE(Entries()->ReleaseDatCursor(one), 0);
    EXPECT_NE(Entries()->ReadyDat(one, 0), 0);
}

TEST_F(HostDataSet, WithoutBooksTheWalkIsEmpty) {
    EXPECT_TRUE(Walk().empty());
}

TEST_F(HostDataSet, SelectedInfoIsTheEntryWithTheSelectedDataNo) {
    Books(kThreeEntries);
    const StDATAINFO* selected = Entries()->GetSelectedInfo();
    ASSERT_NE(selected, nullptr);
    EXPECT_STREQ(selected->dataId, "C");
    EXPECT_STREQ(selected->companyName, "Third");
}

TEST_F(HostDataSet, SelectedInfoDefaultsToTheFirstEntry) {
    Books(
        R"({"format": "books/1", "entries": [{"dataId": "A", "dataNo": 20}, {"dataId": "B", "dataNo": 10}]})");
    EXPECT_STREQ(Entries()->GetSelectedInfo()->dataId, "A");
}

TEST_F(HostDataSet, SelectedInfoIsZeroFilledWithoutAMatch) {
    Books(
        R"({"format": "books/1", "selection": [0, 99], "entries": [{"dataId": "A", "dataNo": 20}]})");
    const StDATAINFO* selected = Entries()->GetSelectedInfo();
    ASSERT_NE(selected, nullptr);
    const StDATAINFO zero{};
    EXPECT_EQ(std::memcmp(selected, &zero, sizeof zero), 0);
}

}  // namespace
