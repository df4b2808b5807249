#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "inspect/Checks.h"
#include "inspect/InspectTestSupport.h"

namespace {

using inspect::Report;
using inspect::Severity;
using inspecttest::Add;
using inspecttest::Set;

enum class Expect { Nothing, Warning, Error };

struct RuleCase {
    const char* rule;
    const char* golden;
    std::function<void(Report&)> edit;
    Expect expect;
};

void Keep(Report&) {}

const RuleCase kCases[] = {
    // The balance sheet balances exactly, at both ends of the period.
    {"BS-OPENING", "blue-business", Keep, Expect::Nothing},
    {"BS-OPENING", "blue-business",
     [](Report& r) { Add(r, "TAISYAKUTAISYOUHYO", "GENKIN_KISYU", 1); }, Expect::Error},
    {"BS-CLOSING", "blue-business", Keep, Expect::Nothing},
    {"BS-CLOSING", "blue-business",
     [](Report& r) { Add(r, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU", -1); }, Expect::Error},
    // 貸倒引当金 stands with the liabilities: moving it to the assets breaks the sheet.
    {"BS-CLOSING", "blue-business",
     [](Report& r) {
         Add(r, "TAISYAKUTAISYOUHYO", "KASIDAOREHIKIATEKIN_KIMATU", 1000);
         Add(r, "TAISYAKUTAISYOUHYO", "GENKIN_KIMATU", -1000);
     },
     Expect::Error},
    // The income: a few yen are rounding, more is an error.
    {"PL-INCOME", "blue-business",
     [](Report& r) {
         Set(r, "TAISYAKUTAISYOUHYO", "KOUJYOMAESYOTOKUKINNGAKU_KIMATU", "4357883");
         Set(r, "AOIROKOUJO", "AOIROKOUJOMAESYOTOKU", "4357883");
     },
     Expect::Nothing},
    {"PL-INCOME", "blue-business", Keep, Expect::Warning},
    {"PL-INCOME", "blue-business", [](Report& r) { Add(r, "SONEKIKEISANSYO", "TUUSINHI", 100); },
     Expect::Error},
    {"PL-INCOME", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "SYUUZENHI", -1000); }, Expect::Error},
    {"MONTHLY-SALES", "blue-other", Keep, Expect::Nothing},
    {"MONTHLY-SALES", "blue-business",
     [](Report& r) { Add(r, "TUKIBETUURIAGESHIIRE", "URIAGEKINGAKU7", 5); }, Expect::Warning},
    {"MONTHLY-SALES", "blue-business",
     [](Report& r) { Add(r, "TUKIBETUURIAGESHIIRE", "ZATUSYUNYU", 500); }, Expect::Error},
    {"BLUE-DEDUCTION", "blue-business", Keep, Expect::Nothing},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) { Add(r, "AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", 1000); }, Expect::Error},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) {
         Set(r, "AOIROKOUJO", "AOIROKOUJO_SENTAKU", "2");
         Set(r, "AOIROKOUJO", "JOUKIIGAI_KOUJYOGAKU", "100000");
     },
     Expect::Error},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) {
         Set(r, "AOIROKOUJO", "AOIROKOUJOMAESYOTOKU", "40000");
         Set(r, "AOIROKOUJO", "FUDOUSANSYOTOKU", "0");
     },
     Expect::Error},
    {"LIST-SALARIES", "blue-business", Keep, Expect::Nothing},
    {"LIST-SALARIES", "white-business",
     [](Report& r) { Add(r, "KYUURYOUTINGIN", "SONOTA_KYUURYOU", 500000); }, Expect::Error},
    {"LIST-SALARIES", "blue-business", [](Report& r) { Add(r, "SEIZOUGENKA", "ROUMUHI", -1); },
     Expect::Warning},
    {"LIST-LAND-RENT", "white-business", Keep, Expect::Nothing},
    {"LIST-LAND-RENT", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "TIDAIYATIN", -24000); }, Expect::Error},
    {"LIST-INTEREST", "white-real-estate", Keep, Expect::Nothing},
    {"LIST-INTEREST", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "RISIWARIBIKIRYOU", -100); }, Expect::Error},
    {"LIST-TAX-ACCOUNTANT", "blue-real-estate", Keep, Expect::Nothing},
    {"LIST-TAX-ACCOUNTANT", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "KEIHI_YOBI6", -55000); }, Expect::Error},
    {"RENTAL-INCOME", "white-real-estate", Keep, Expect::Nothing},
    {"RENTAL-INCOME", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "TINTAIRYO", 2); }, Expect::Warning},
    {"RENTAL-INCOME", "white-real-estate",
     [](Report& r) { Add(r, "FUDOUSANSYUUNYUU", "TINTAIRYOU_NENGAKU", 72000); }, Expect::Error},
};

TEST(ChecksTest, EachRuleOnAReportThatKeepsOrBreaksIt) {
    for (const RuleCase& c : kCases) {
        Report report = inspecttest::ReadGolden(c.golden);
        c.edit(report);
        const inspect::CheckResult result = inspect::RunChecks(report, nullptr);
        bool ran = false;
        for (const inspect::RuleRun& rule : result.rules) {
            ran = ran || (rule.rule == c.rule && rule.ran);
        }
        EXPECT_TRUE(ran) << c.rule << " on " << c.golden;
        Expect worst = Expect::Nothing;
        for (const inspect::Finding& f : result.findings) {
            if (f.rule == c.rule) {
                worst = std::max(worst,
                                 f.severity == Severity::Error ? Expect::Error : Expect::Warning);
                EXPECT_FALSE(f.japanese.empty() || f.english.empty()) << c.rule;
            }
        }
        EXPECT_EQ(worst, c.expect) << c.rule << " on " << c.golden;
    }
}

// Last year's closing balances open this year; capital carries the year's
// income, drawings and contributions over.
TEST(ChecksTest, PreviousYearsClosingBalances) {
    const Report current = inspecttest::ReadGolden("blue-business");
    Report previous = current;
    for (inspect::Section& s : previous.sections) {
        if (s.tag != "TAISYAKUTAISYOUHYO") {
            continue;
        }
        for (inspect::Field& f : s.fields) {
            if (f.tag.ends_with("_KIMATU")) {
                f.text =
                    inspecttest::Get(current, s.tag, f.tag.substr(0, f.tag.size() - 7) + "_KISYU");
            }
        }
    }
    Set(previous, "TAISYAKUTAISYOUHYO", "MOTOIREKIN_KIMATU", "22000000");
    Set(previous, "TAISYAKUTAISYOUHYO", "KOUJYOMAESYOTOKUKINNGAKU_KIMATU", "2000000");
    Set(previous, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKARI_KIMATU", "111309");
    Set(previous, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU", "1500000");
    auto errors = [&current](const Report& last) {
        int n = 0;
        for (const inspect::Finding& f : inspect::RunChecks(current, &last).findings) {
            n += f.rule == "PREVIOUS-BALANCES" ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(errors(previous), 0);
    Add(previous, "TAISYAKUTAISYOUHYO", "TOTI_KIMATU", 1);
    Add(previous, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU", 1);
    EXPECT_EQ(errors(previous), 2);
}

// The samples' books add up to the yen: their reports may show rounding, never
// an error.
TEST(ChecksTest, SampleReportsGiveNoErrors) {
    for (const char* name : inspecttest::kGoldens) {
        const inspect::CheckResult result =
            inspect::RunChecks(inspecttest::ReadGolden(name), nullptr);
        for (const inspect::Finding& f : result.findings) {
            EXPECT_EQ(f.severity, Severity::Warning) << name << ": " << f.english;
        }
        for (const inspect::RuleRun& rule : result.rules) {
            EXPECT_TRUE(rule.ran || !rule.reason.empty()) << rule.rule;
        }
    }
}

}  // namespace
