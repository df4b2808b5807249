#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "host/HostTestSupport.h"
#include "hostapi/ClAccConnect.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClFileMgr.h"
#include "hostapi/ClRuleAo.h"
#include "hostapi/ClSetData.h"
#include "hostapi/ClSysUser.h"
#include "hostapi/StDATAINFO.h"
#include "hostapi/SummationRecords.h"

// What a books file sets up, read back through the host's own calls.

namespace {

using hosttest::OneEntry;

class BooksLoad : public hosttest::HostTest {
protected:
    static std::string User() {
        char user[65];
        std::memset(user, 'x', sizeof user);
        EXPECT_EQ(ClDataMgr::Inst()->GetSysUserObject()->GetCurUserID(user), 0);
        return user;
    }

    static std::pair<std::int32_t, std::int32_t> Selection() {
        std::int32_t first = -1;
        std::int32_t second = -1;
        EXPECT_EQ(ClDataMgr::Inst()->GetSysUserObject()->GetSelectedNo("USER", &first, &second), 0);
        return {first, second};
    }

    static StDATAINFO FirstEntry() {
        ClSetData* entries = ClDataMgr::Inst()->GetSetObject(5, 1);
        ClSetData::Cursor cursor = 0;
        StDATAINFO entry;
        std::memset(&entry, 0x55, sizeof entry);
        EXPECT_EQ(entries->GetDatCursor(&cursor), 0);
        EXPECT_EQ(entries->WalkDat(&entry, cursor), 0);
        entries->ReleaseDatCursor(cursor);
        return entry;
    }

    // The closing amounts of the rows of the blue business P/L.
    static std::vector<std::int64_t> ClosingAmounts(std::size_t count) {
        ClRuleAo rules;
        rules.SetCurDataID("D1");
        std::vector<std::int64_t> amounts;
        StAOSUMINFO row{};
        for (int result = rules.MoveFirst_PL(&row, RuleAoSumType_Business);
             result == 0 && amounts.size() < count;
             result = rules.MoveNext_PL(&row, RuleAoSumType_Business)) {
            amounts.push_back(hosttest::Unpacked(row.closingAmount));
        }
        return amounts;
    }
};

TEST_F(BooksLoad, DefaultsFillWhatTheFileLeavesOut) {
    Books(R"({"format": "books/1", "entries": [{"dataNo": 7}, {"dataNo": 8}]})");
    EXPECT_EQ(User(), "USER");
    EXPECT_EQ(Selection(), std::make_pair(0, 7));  // the first entry's dataNo
    // Both folders default to the books file's folder.
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "Z:\\books\\");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(1), "Z:\\books\\");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(2), "");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(-1), "");
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    EXPECT_EQ(ClAccConnect::Inst()->ExpSysLink(), 0);
}

TEST_F(BooksLoad, NoEntriesSelectNothing) {
    Books(R"({"format": "books/1", "entries": []})");
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
}

TEST_F(BooksLoad, TopLevelFieldsAnswerTheirCalls) {
    Books(R"({"format": "books/1", "user": "経理担当", "selection": [3, -12],
              "appFolders": ["C:\\Tellary\\", "D:\\共有\\env\\"], "entries": []})");
    EXPECT_EQ(User(), "\x8C\x6F\x97\x9D\x92\x53\x93\x96");
    EXPECT_EQ(Selection(), std::make_pair(3, -12));
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "C:\\Tellary\\");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(1), "D:\\\x8B\xA4\x97\x4C\\env\\");
}

TEST_F(BooksLoad, UserMayTakeAllSixtyFourBytes) {
    const std::string user(64, 'u');
    Books(R"({"format": "books/1", "entries": [], "user": ")" + user + "\"}");
    EXPECT_EQ(User(), user);
}

TEST_F(BooksLoad, DefaultFoldersAreTheFolderOfTheFileName) {
    // 0x5C is also the second byte of a double-byte character: the folder
    // ends at the last backslash that is a character of its own.
    const std::string name = "Z:\\data\\\x95\x5C\\Books.json";
    ASSERT_EQ(tobra::books::InstallText(R"({"format": "books/1", "entries": []})", name), "");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "Z:\\data\\\x95\x5C\\");

    ASSERT_EQ(tobra::books::InstallText(R"({"format": "books/1", "entries": []})", "\x95\x5C.json"),
              "");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(1), "");
}

TEST_F(BooksLoad, EntryIsAZeroFilledRecordWithItsFields) {
    Books(R"({"format": "books/1", "entries": [{
        "dataId": "D12", "dataNo": 12, "companyName": "ｻﾝﾌﾟﾙ商店",
        "periodFrom": 20210101, "periodTo": 20211231, "hasManufacturing": 1,
        "dataKind": 99, "returnKind": 3, "businessKind": 2}]})");
    StDATAINFO expected{};
    std::memcpy(expected.dataId, "D12", 3);
    expected.dataNo = 12;
    std::memcpy(expected.companyName, "\xBB\xDD\xCC\xDF\xD9\x8F\xA4\x93\x58", 9);
    expected.periodFrom = 20210101;
    expected.periodTo = 20211231;
    expected.hasManufacturing = 1;
    expected.dataKind = 99;
    expected.returnKind = 3;
    expected.businessKind = 2;
    const StDATAINFO entry = FirstEntry();
    EXPECT_EQ(std::memcmp(&entry, &expected, sizeof entry), 0);
}

TEST_F(BooksLoad, IntegersTakeTheWholeRangeOfTheirField) {
    Books(OneEntry(R"("dataNo": -2147483648, "periodTo": 2147483647, "dataKind": -32768,
                      "returnKind": -128, "businessKind": 127)"));
    const StDATAINFO entry = FirstEntry();
    EXPECT_EQ(hosttest::Unpacked(entry.dataNo), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(hosttest::Unpacked(entry.periodTo), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(hosttest::Unpacked(entry.dataKind), -32768);
    EXPECT_EQ(hosttest::Unpacked(entry.returnKind), -128);
    EXPECT_EQ(hosttest::Unpacked(entry.businessKind), 127);
}

TEST_F(BooksLoad, AmountsAreExactTenThousandths) {
    Books(OneEntry(R"("blue": {"business": {"pl": [
        {"closing": 12}, {"closing": -5}, {"closing": "-12345.6789"}, {"closing": "0.5"},
        {"closing": "7"}, {"closing": "-0.0001"}, {"closing": 922337203685477},
        {"closing": "922337203685477.5807"}, {"closing": "-922337203685477.5808"}]}})"));
    EXPECT_EQ(
        ClosingAmounts(9),
        (std::vector<std::int64_t>{
            120000, -50000, -123456789, 5000, 70000, -1, 922337203685477 * 10000,
            std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}));
}

TEST_F(BooksLoad, LongTextsAreCutWithoutSplittingACharacter) {
    // companyName is char[260]: at most 259 bytes and the NUL.
    const std::string ascii(300, 'a');
    std::string kana;  // あ is two bytes: 130 of them are 260
    for (int i = 0; i < 130; ++i) {
        kana += "あ";
    }
    const std::string halfWidth(300, 'x');

    Books(OneEntry(R"("companyName": ")" + ascii + "\""));
    EXPECT_EQ(std::string(FirstEntry().companyName), std::string(259, 'a'));

    // The 259th byte would be the first half of a character: the cut drops the whole character.
    Books(OneEntry(R"("companyName": ")" + kana + "\""));
    std::string expected;
    for (int i = 0; i < 129; ++i) {
        expected += "\x82\xA0";
    }
    EXPECT_EQ(std::string(FirstEntry().companyName), expected);

    // One single-byte character first: the 259th byte ends a character, so it stays.
    Books(OneEntry(R"("companyName": "ｱ)" + kana + "\""));
    EXPECT_EQ(std::string(FirstEntry().companyName), "\xB1" + expected);
}

TEST_F(BooksLoad, HexTextsPlaceRawBytes) {
    // All 16 bytes of the identifier: no room for a NUL, none needed.
    Books(OneEntry(R"("dataId": {"hex": "4441544130313233343536373839414A"},
                      "companyName": {"hex": "82a0FF00"})"));
    const StDATAINFO entry = FirstEntry();
    EXPECT_EQ(std::string(entry.dataId, sizeof entry.dataId), "DATA0123456789AJ");
    EXPECT_EQ(std::string(entry.companyName, 5), std::string("\x82\xA0\xFF\0\0", 5));
}

TEST_F(BooksLoad, HexUserAndFoldersAreTakenAsTheyAre) {
    Books(R"({"format": "books/1", "entries": [], "user": {"hex": "8E8D"},
              "appFolders": [{"hex": "433A5C"}, ""]})");
    EXPECT_EQ(User(), "\x8E\x8D");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "C:\\");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(1), "");
}

TEST_F(BooksLoad, FileIsReadThroughThePlatformFiles) {
    hosttest::TempBooksFile file(OneEntry(R"("companyName": "店")"));
    const tobra::books::LoadResult loaded = tobra::books::LoadFile(file.Path());
    ASSERT_TRUE(loaded.books) << loaded.error;
    EXPECT_EQ(loaded.books->booksFile, file.Path());
    EXPECT_EQ(std::string(loaded.books->entries.at(0).info.companyName), "\x93\x58");
    EXPECT_EQ(loaded.books->appFolders[0], platform::Files().TempFolder());
}

}  // namespace
