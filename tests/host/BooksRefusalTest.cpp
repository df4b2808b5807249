#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostTestSupport.h"

// A books file that breaks the format is refused with a message naming the
// file, the JSON path of the field and what is wrong with it.

namespace {

using hosttest::OneEntry;
using hosttest::RefusalOf;

struct RefusalCase {
    std::string name;
    std::string json;
    std::string path;     // as the message names it
    std::string problem;  // part of the message that says what is wrong
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
    *out << refusal.json;
}

std::string WithTop(std::string_view members) {
    return R"({"format": "books/1", "entries": [], )" + std::string(members) + "}";
}

std::vector<RefusalCase> Cases() {
    return {
        // The frame of the file.
        {"NotJson", R"({"format": "books/1", "entries": [)", "", "not valid JSON"},
        {"NotAnObject", R"([])", "the top level", "expected an object, found an array"},
        {"MissingFormat", R"({"entries": []})", "format", "missing (expected \"books/1\")"},
        {"OtherFormat", R"({"format": "books/2", "entries": []})", "format",
         R"("books/2" is not a supported format)"},
        {"MissingEntries", R"({"format": "books/1"})", "entries", "missing"},
        {"EntriesNotAnArray", R"({"format": "books/1", "entries": {}})", "entries",
         "expected an array, found an object"},
        {"UnknownTopLevelKey", WithTop(R"("users": "A")"), "users",
         "unknown key (expected one of: format, user"},

        // Types and ranges.
        {"WrongType", OneEntry(R"("periodFrom": "20210101")"), "entries[0].periodFrom",
         "expected an integer, found a text"},
        {"FractionForInteger", OneEntry(R"("periodFrom": 1.5)"), "entries[0].periodFrom",
         "expected an integer, found a number with a fraction"},
        {"NullField", OneEntry(R"("companyName": null)"), "entries[0].companyName",
         "expected a text or {\"hex\": \"...\"}, found null"},
        {"Int8OutOfRange", OneEntry(R"("returnKind": 128)"), "entries[0].returnKind",
         "128 is outside the range of an int8 (-128 to 127)"},
        {"Int16OutOfRange", OneEntry(R"("dataKind": -32769)"), "entries[0].dataKind",
         "-32769 is outside the range of an int16"},
        {"Int32OutOfRange", OneEntry(R"("dataNo": 2147483648)"), "entries[0].dataNo",
         "2147483648 is outside the range of an int32"},
        {"Uint8Negative", OneEntry(R"("general": {"0": {"blueDeductionChoice": -1}})"),
         "entries[0].general.0.blueDeductionChoice",
         "-1 is outside the range of a uint8 (0 to 255)"},

        // Texts.
        {"TextNotInCodePage932", OneEntry(R"("companyName": "店😀")"), "entries[0].companyName",
         "the text has 😀 (U+1F600), which code page 932 lacks"},
        {"OddHex", OneEntry(R"("companyName": {"hex": "82A"})"), "entries[0].companyName.hex",
         "odd number of hex digits"},
        {"NonHexDigit", OneEntry(R"("companyName": {"hex": "82G0"})"), "entries[0].companyName.hex",
         "not a hex digit"},
        {"HexLongerThanField",
         OneEntry(R"("dataId": {"hex": "3031323334353637383930313233343536"})"),
         "entries[0].dataId.hex", "17 bytes do not fit the field's 16 bytes"},
        {"HexWithOtherKey", OneEntry(R"("dataId": {"hex": "30", "text": "0"})"),
         "entries[0].dataId.text", "unknown key (expected one of: hex)"},
        {"UserTooLong",
         WithTop(R"("user": "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむ")"),
         "user", "66 bytes in code page 932, longer than the host's 64"},

        // Amounts.
        {"FiveFractionDigits", OneEntry(R"("general": {"0": {"realEstateIncome": "1.23456"}})"),
         "entries[0].general.0.realEstateIncome",
         R"("1.23456" has more than four fraction digits)"},
        {"AmountNotANumber", OneEntry(R"("general": {"0": {"realEstateIncome": "12a"}})"),
         "entries[0].general.0.realEstateIncome", R"("12a" is not an amount)"},
        {"AmountWithExponent", OneEntry(R"("general": {"0": {"realEstateIncome": "1e5"}})"),
         "entries[0].general.0.realEstateIncome", R"("1e5" is not an amount)"},
        {"AmountWithoutDigits", OneEntry(R"("general": {"0": {"realEstateIncome": "-.5"}})"),
         "entries[0].general.0.realEstateIncome", R"("-.5" is not an amount)"},
        {"AmountTextOverflows",
         OneEntry(R"("general": {"0": {"realEstateIncome": "922337203685477.5808"}})"),
         "entries[0].general.0.realEstateIncome", "overflows an int64 of ten-thousandths"},
        {"AmountIntegerOverflows",
         OneEntry(R"("general": {"0": {"realEstateIncome": 922337203685478}})"),
         "entries[0].general.0.realEstateIncome",
         "922337203685478 overflows an int64 of ten-thousandths"},
        {"AmountAsFloat", OneEntry(R"("general": {"0": {"realEstateIncome": 1.5}})"),
         "entries[0].general.0.realEstateIncome", "expected an amount"},

        // Arrays.
        {"ArrayLongerThanItsSlots",
         OneEntry(R"("general": {"6": {"customers": [{}, {}, {}, {}, {"name": "E"}]}})"),
         "entries[0].general.6.customers[4]", "customers has 4 slots, the array has 5 elements"},
        {"MonthlyLongerThanTwelve",
         OneEntry(R"("blue": {"monthly": {"sales": [1,2,3,4,5,6,7,8,9,10,11,12,13]}})"),
         "entries[0].blue.monthly.sales[12]", "sales has 12 slots"},
        {"SelectionOfThree", WithTop(R"("selection": [1, 2, 3])"), "selection",
         "expected two int32 [first, second], found 3 elements"},
        {"SelectionOutOfRange", WithTop(R"("selection": [1, 4294967296])"), "selection[1]",
         "outside the range of an int32"},
        {"AppFoldersOfOne", WithTop(R"("appFolders": ["C:\\"])"), "appFolders",
         "expected two folder texts [type0, type1], found 1 elements"},
        {"AppFolderNotAText", WithTop(R"("appFolders": ["C:\\", 5])"), "appFolders[1]",
         "expected a text or {\"hex\": \"...\"}, found an integer"},

        // Unknown keys.
        {"UnknownEntryKey", OneEntry(R"("company": "A")"), "entries[0].company",
         "unknown key (expected one of: dataId, dataNo, companyName"},
        {"UnknownBlockKey", OneEntry(R"("general": {"7": {}})"), "entries[0].general.7",
         R"(unknown block (general has blocks "0" to "6"))"},
        {"UnknownRealEstateBlockKey", OneEntry(R"("realEstate": {"8": null})"),
         "entries[0].realEstate.8", R"(unknown block (realEstate has blocks "0" to "7"))"},
        {"UnknownFieldInBlock", OneEntry(R"("general": {"0": {"association": "A"}})"),
         "entries[0].general.0.association", "unknown key (expected one of: associationName"},
        {"UnknownFieldInBlockEntry", OneEntry(R"("general": {"2": {"salaries": [{"wage": 1}]}})"),
         "entries[0].general.2.salaries[0].wage",
         "unknown key (expected one of: name, age, months"},
        {"UnknownFieldInRental",
         OneEntry(R"("realEstate": {"1": {"rentals": [{"endMarker": -1}]}})"),
         "entries[0].realEstate.1.rentals[0].endMarker",
         "unknown key (expected one of: tenantName"},
        {"EndMarkerNotABoolean", OneEntry(R"("realEstate": {"1": {"endMarker": 0}})"),
         "entries[0].realEstate.1.endMarker", "expected true or false, found an integer"},
        {"UnknownBook", OneEntry(R"("blue": {"farming": {}})"), "entries[0].blue.farming",
         "unknown key (expected one of: business, realEstate, monthly)"},
        {"WhiteHasNoMonthly", OneEntry(R"("white": {"monthly": {}})"), "entries[0].white.monthly",
         "unknown key (expected one of: business, realEstate)"},
        {"UnknownStatement", OneEntry(R"("blue": {"business": {"cash": []}})"),
         "entries[0].blue.business.cash",
         "unknown key (expected one of: pl, assets, liabilities, manufacturing)"},
        {"NoRealEstateManufacturing", OneEntry(R"("blue": {"realEstate": {"manufacturing": []}})"),
         "entries[0].blue.realEstate.manufacturing",
         "unknown key (expected one of: pl, assets, liabilities)"},
        {"UnknownStatementKey", OneEntry(R"("white": {"business": {"pl": {"row": []}}})"),
         "entries[0].white.business.pl.row",
         "unknown key (expected one of: rows, count, firstResult)"},
        {"UnknownRowField",
         OneEntry(R"("white": {"business": {"pl": [{"code": 1, "amount": 5}]}})"),
         "entries[0].white.business.pl[0].amount",
         "unknown key (expected one of: itemNo, code, name"},
        {"FaultMarkerWithRowFields",
         OneEntry(R"("white": {"business": {"pl": {"rows": [{"result": 3, "code": 1}]}}})"),
         "entries[0].white.business.pl.rows[0].code",
         R"(a fault marker {"result": r} takes no other key)"},
        {"RowNotAnObject", OneEntry(R"("white": {"business": {"pl": [[]]}})"),
         "entries[0].white.business.pl[0]", "expected an object, found an array"},
        {"StatementNotArrayOrObject", OneEntry(R"("white": {"business": {"pl": 3}})"),
         "entries[0].white.business.pl", "expected an array of rows or {\"rows\""},
        {"UnknownMonthlyKey", OneEntry(R"("blue": {"monthly": {"slot13": 1}})"),
         "entries[0].blue.monthly.slot13", "unknown key (expected one of: householdConsumption"},
        {"UnknownOperation", WithTop(R"("results": {"ClRuleAo::Start": 1})"),
         "results.ClRuleAo::Start", "unknown key (expected one of: Initiate, ExpSysLink"},
        {"ResultNotAnInteger", WithTop(R"("results": {"ExpSysLink": "1"})"), "results.ExpSysLink",
         "expected an integer, found a text"},

        // Block sizes.
        {"SizeLargerThanBlock", OneEntry(R"("general": {"0": {"size": 543}})"),
         "entries[0].general.0.size", "size 543 is larger than the block's 542 bytes"},
        {"SizeLargerThanRentals",
         OneEntry(R"("realEstate": {"1": {"rentals": [{}], "size": 473}})"),
         "entries[0].realEstate.1.size", "size 473 is larger than the block's 472 bytes"},
        {"NegativeSize", OneEntry(R"("general": {"0": {"size": -1}})"), "entries[0].general.0.size",
         "a block size cannot be negative"},
        {"SecondEntry", R"({"format": "books/1", "entries": [{}, {"dataId": 1}]})",
         "entries[1].dataId", "expected a text"},
    };
}

class BooksRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BooksRefusal, NamesFilePathAndProblem) {
    const RefusalCase& c = GetParam();
    const std::string message = RefusalOf(c.json);
    const std::string prefix = "books file Z:\\books\\Books.json: ";
    ASSERT_EQ(message.substr(0, prefix.size()), prefix) << message;
    if (!c.path.empty()) {
        EXPECT_EQ(message.substr(prefix.size(), c.path.size() + 2), c.path + ": ") << message;
    }
    EXPECT_NE(message.find(c.problem), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(BooksFile, BooksRefusal, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<RefusalCase>& tested) {
                             return tested.param.name;
                         });

TEST(BooksRefusalMessage, NamesTheFileInUtf8) {
    const tobra::books::LoadResult loaded =
        tobra::books::LoadText("{}", "Z:\\\x95\x5C\\Books.json");
    EXPECT_EQ(loaded.error,
              "books file Z:\\表\\Books.json: format: missing (expected \"books/1\")");
}

TEST(BooksRefusalMessage, NamesAFileThatCannotBeOpened) {
    const std::string path = platform::Files().TempFolder() + "brenlo-no-such-books.json";
    EXPECT_EQ(tobra::books::LoadFile(path).error, "books file " + path + ": cannot be opened");
}

}  // namespace
