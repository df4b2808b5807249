#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "inspect/InspectTestSupport.h"
#include "inspect/Report.h"

namespace {

using inspecttest::Golden;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The blue business report with its first cash balance written as `text`.
std::function<std::string(std::string)> Cash(std::string text) {
    return [text](std::string s) { return Replace(s, ">186420<", ">" + text + "<"); };
}

struct ReadCase {
    const char* what;
    const char* golden;
    std::function<std::string(std::string)> damage;
    int errorLine;               // 0: reads
    const char* says = nullptr;  // what the message must quote, or the element at fault
};

const ReadCase kReadCases[] = {
    {"blue business", "blue-business", [](std::string s) { return s; }, 0},
    {"blue other", "blue-other", [](std::string s) { return s; }, 0},
    {"blue real estate", "blue-real-estate", [](std::string s) { return s; }, 0},
    {"white business", "white-business", [](std::string s) { return s; }, 0},
    {"white other", "white-other", [](std::string s) { return s; }, 0},
    {"white real estate", "white-real-estate", [](std::string s) { return s; }, 0},
    {"empty file", "blue-business", [](std::string) { return std::string(); }, 1},
    {"truncated in the balance sheet", "blue-business",
     [](std::string s) { return s.substr(0, 12000); }, -1},
    {"wrong root", "white-business",
     [](std::string s) {
         return Replace(Replace(s, "<REPORT>", "<RECORD>"), "</REPORT>", "</RECORD>");
     },
     2},
    {"broken bytes in a name", "blue-business",
     [](std::string s) { return Replace(s, "<SIMEI>", "<SIMEI>\x81\x7f"); }, 99},
    {"income kind against the data", "white-business",
     [](std::string s) { return Replace(s, "<SYOTOKUSYURUI>1<", "<SYOTOKUSYURUI>3<"); }, 19},
    {"return form unknown", "blue-business",
     [](std::string s) { return Replace(s, "<AOSIROKUBUN>1<", "<AOSIROKUBUN>7<"); }, 13},
    {"section missing", "blue-business",
     [](std::string s) {
         return Replace(Replace(s, "<BASIC>", "<BASIS>"), "</BASIC>", "</BASIS>");
     },
     11},
    {"item count not a number", "blue-business",
     [](std::string s) { return Replace(s, "COUNT=\"2\"", "COUNT=\"two\""); }, 106},
    {"value element nested", "blue-business",
     [](std::string s) { return Replace(s, "<GENKIN_KISYU>186420<", "<GENKIN_KISYU><X>1</X><"); },
     267},
    {"mismatched end tag", "white-real-estate",
     [](std::string s) { return Replace(s, "</TINTAIRYO>", "</TINTAIRYOU>"); }, 21},
    {"other encoding declared", "blue-business",
     [](std::string s) { return Replace(s, "Shift_JIS", "EUC-JP"); }, 1},
    // Amounts only as the export writes them: an optional minus and at most 15 digits.
    {"15 digits and a minus", "blue-business", Cash("-999999999999999"), 0},
    {"thousands separators", "blue-business", Cash("1,000"), 267, "現金（期首） holds \"1,000\""},
    {"plus sign", "blue-business", Cash("+186420"), 267, "\"+186420\""},
    {"blanks around", "blue-business", Cash(" 186420 "), 267, "\" 186420 \""},
    {"full-width digits", "blue-business", Cash("\x82\x50\x82\x57\x82\x55"), 267, "\"１８６\""},
    {"fraction", "blue-business", Cash("186420.5"), 267, "\"186420.5\""},
    {"letter", "blue-business", Cash("12a"), 267, "\"12a\""},
    {"16 digits", "blue-business", Cash("1000000000000000"), 267, "\"1000000000000000\""},
    {"minus alone", "blue-business", Cash("-"), 267, "\"-\""},
    {"control character", "blue-business",
     [](std::string s) { return Replace(s, "<SIMEI>", "<SIMEI>\x01"); }, 99, "SIMEI"},
    {"character reference", "blue-business",
     [](std::string s) { return Replace(s, "<SIMEI>", "<SIMEI>&#65;"); }, 99, "&#65;"},
    {"amounts beyond what a sum holds", "blue-business",
     [](std::string s) {
         std::string many;
         for (int i = 0; i < 2400; ++i) {
             many += "<SONOTA_KYUURYOU>999999999999999</SONOTA_KYUURYOU>\n";
         }
         return Replace(s, "<SONOTA_NINBUN>", many + "<SONOTA_NINBUN>");
     },
     -1, "add up"},
};

TEST(ReportReaderTest, GoldenAndDamagedReports) {
    for (const ReadCase& c : kReadCases) {
        const std::string bytes = c.damage(Golden(c.golden));
        ASSERT_FALSE(Golden(c.golden).empty()) << c.golden;
        const inspect::ReadResult result = inspect::ReadReport(bytes, "r.xml");
        if (c.errorLine == 0) {
            ASSERT_TRUE(result.report.has_value()) << c.what << ": " << result.error.Text();
            EXPECT_FALSE(result.report->sections.empty()) << c.what;
        } else {
            EXPECT_FALSE(result.report.has_value()) << c.what;
            EXPECT_EQ(result.error.file, "r.xml") << c.what;
            EXPECT_FALSE(result.error.message.empty()) << c.what;
            // The user reads the form's words; elements are for JSON.
            EXPECT_FALSE(result.error.japanese.empty()) << c.what;
            EXPECT_EQ(result.error.japanese.find('<'), std::string::npos) << c.what;
            if (!result.error.element.empty()) {
                EXPECT_EQ(result.error.japanese.find(result.error.element), std::string::npos)
                    << c.what << ": " << result.error.JapaneseText();
            }
            if (c.errorLine > 0) {
                EXPECT_EQ(result.error.line, c.errorLine) << c.what << ": " << result.error.Text();
            }
            if (c.says != nullptr) {
                EXPECT_TRUE(result.error.message.find(c.says) != std::string::npos ||
                            result.error.element == c.says)
                    << c.what << ": " << result.error.Text();
            }
        }
    }
}

TEST(ReportReaderTest, ModelOfTheBlueBusinessReport) {
    const inspect::Report report = inspecttest::ReadGolden("blue-business");
    EXPECT_EQ(report.form, inspect::ReturnForm::Blue);
    EXPECT_EQ(report.kind, inspect::IncomeKind::Business);
    EXPECT_EQ(report.system.Text("CONNECTEDPROGRAMVER"), "21.01.01");
    EXPECT_EQ(report.basic.Text("KOMONSAKINAME"), "松本表具店（松本　十蔵）");
    ASSERT_NE(report.Find("SONEKIKEISANSYO"), nullptr);
    EXPECT_EQ(report.Find("SONEKIKEISANSYO")->Amount("URIAGEKINGAKU"), 28477800);
    EXPECT_EQ(report.Find("SONEKIKEISANSYO")->Text("KEIHI_YOBI2_KAMOKU"), "R&D<試作>費");
    const inspect::Section* salaries = report.Find("KYUURYOUTINGIN");
    ASSERT_NE(salaries, nullptr);
    ASSERT_EQ(salaries->items.size(), 5u);
    EXPECT_EQ(salaries->items[1].count, 2);
    EXPECT_EQ(salaries->items[1].Text("SIMEI"), "高橋 ソノ子");
    EXPECT_EQ(salaries->Amount("SONOTA_KYUURYOU"), 1120000);
    EXPECT_EQ(report.Find("TAISYAKUTAISYOUHYO")->Amount("MOTOIREKIN_KISYU"), 22611309);
}

}  // namespace
