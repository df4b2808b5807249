#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/InspectTestSupport.h"
#include "reportformat/Schema.h"

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
    const char* says = nullptr;  // what a finding of the rule says in Japanese
};

void Keep(Report&) {}

// Takes a line, or a whole section with an empty tag, out of the report.
void Remove(Report& r, const std::string& section, const std::string& tag) {
    for (auto s = r.sections.begin(); s != r.sections.end(); ++s) {
        if (s->tag == section && tag.empty()) {
            r.sections.erase(s);
            return;
        }
        if (s->tag == section) {
            std::erase_if(s->fields, [&tag](const inspect::Field& f) { return f.tag == tag; });
        }
    }
}

// Empties every value of a section, as one not filled in.
void Empty(Report& r, const std::string& section) {
    const auto clear = [](inspect::Fields& fields) {
        for (inspect::Field& f : fields.fields) {
            f.text.clear();
        }
    };
    for (inspect::Section& s : r.sections) {
        if (s.tag == section) {
            clear(s);
            std::for_each(s.items.begin(), s.items.end(), clear);
        }
    }
}

// The blue sample with 5,000,000 yen more salaries: a loss, on the balance
// sheet as the lines add up, 0 in the deduction's calculation.
void Loss(Report& r) {
    Add(r, "SONEKIKEISANSYO", "KYUURYOUTINGIN", 5000000);
    Set(r, "AOIROKOUJO", "AOIROKOUJOMAESYOTOKU", "0");
    Set(r, "AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", "0");
    Set(r, "TAISYAKUTAISYOUHYO", "KOUJYOMAESYOTOKUKINNGAKU_KIMATU", "-642117");
    Add(r, "TAISYAKUTAISYOUHYO", "SYUKUNYUUKIN_KIMATU", 5000000);
}

const RuleCase kRuleCases[] = {
    {"BS-LINES", "blue-business", Keep, Expect::Nothing},
    {"BS-LINES", "blue-real-estate", [](Report& r) { Remove(r, "TAISYAKUTAISYOUHYO", ""); },
     Expect::Error},
    {"BS-LINES", "blue-business",
     [](Report& r) { Remove(r, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU"); }, Expect::Error},
    // A line lost from the file is named, not hinted at by a line of its amount.
    {"BS-LINES", "blue-business",
     [](Report& r) { Remove(r, "TAISYAKUTAISYOUHYO", "GENKIN_KISYU"); }, Expect::Error,
     "期首 現金 の行がありません"},
    {"BS-OPENING", "blue-business",
     [](Report& r) { Remove(r, "TAISYAKUTAISYOUHYO", "GENKIN_KISYU"); }, Expect::Error,
     "この表にない行: 貸借対照表（資産負債調） 期首 現金。"},
    // The balance sheet balances, at both ends of the period, within what cutting
    // each line to whole yen explains.
    {"BS-OPENING", "blue-business", Keep, Expect::Nothing},
    {"BS-OPENING", "blue-business",
     [](Report& r) { Add(r, "TAISYAKUTAISYOUHYO", "GENKIN_KISYU", 1); }, Expect::Warning,
     "生じうる行は 10 行で、差は最大 9円"},
    {"BS-OPENING", "blue-business",
     [](Report& r) { Add(r, "TAISYAKUTAISYOUHYO", "GENKIN_KISYU", 1000); }, Expect::Error},
    {"BS-CLOSING", "blue-business", Keep, Expect::Nothing},
    {"BS-CLOSING", "blue-business",
     [](Report& r) { Add(r, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU", -1000); },
     Expect::Error},
    // Sides by account, not by place: 貸倒引当金 among the assets still counts
    // with the liabilities, and moving an amount onto it breaks the sheet.
    {"BS-CLOSING", "blue-business",
     [](Report& r) {
         for (inspect::Section& s : r.sections) {
             if (s.tag == "TAISYAKUTAISYOUHYO") {
                 std::reverse(s.fields.begin(), s.fields.end());
             }
         }
     },
     Expect::Nothing},
    {"BS-CLOSING", "blue-business",
     [](Report& r) {
         Add(r, "TAISYAKUTAISYOUHYO", "KASIDAOREHIKIATEKIN_KIMATU", 1000);
         Add(r, "TAISYAKUTAISYOUHYO", "GENKIN_KIMATU", -1000);
     },
     Expect::Error},
    // The income: within the cutting of the lines, and only in its direction.
    {"PL-INCOME", "blue-business",
     [](Report& r) {
         Set(r, "TAISYAKUTAISYOUHYO", "KOUJYOMAESYOTOKUKINNGAKU_KIMATU", "4357883");
         Set(r, "AOIROKOUJO", "AOIROKOUJOMAESYOTOKU", "4357883");
     },
     Expect::Nothing},
    {"PL-INCOME", "blue-business", Keep, Expect::Warning},
    {"PL-INCOME", "blue-business", Loss, Expect::Nothing},
    {"PL-INCOME", "blue-business", [](Report& r) { Add(r, "SONEKIKEISANSYO", "SOZEIKOUKA", 30); },
     Expect::Error},
    {"PL-INCOME", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "SYUUZENHI", -1000); }, Expect::Error},
    // A spare line the user left unnamed is named by the form in a hint.
    {"PL-INCOME", "blue-business",
     [](Report& r) {
         Set(r, "SONEKIKEISANSYO", "KEIHI_YOBI5_KAMOKU", "");
         Add(r, "SONEKIKEISANSYO", "SOZEIKOUKA", -23998);
     },
     Expect::Error, "㉙ （科目名なし）（24,000円）"},
    {"MONTHLY-SALES", "blue-other", Keep, Expect::Nothing},
    {"MONTHLY-SALES", "blue-business",
     [](Report& r) { Add(r, "TUKIBETUURIAGESHIIRE", "URIAGEKINGAKU7", -9); }, Expect::Warning,
     "9 の倍数"},
    {"MONTHLY-SALES", "blue-business",
     [](Report& r) { Add(r, "TUKIBETUURIAGESHIIRE", "URIAGEKINGAKU7", 5); }, Expect::Error},
    // A manufacturer's monthly purchases are its materials; anyone else's, ③.
    {"MONTHLY-PURCHASES", "blue-business", Keep, Expect::Nothing},
    {"MONTHLY-PURCHASES", "blue-business",
     [](Report& r) { Add(r, "TUKIBETUURIAGESHIIRE", "SIIREKINGAKU8", 1000); }, Expect::Error},
    {"MONTHLY-PURCHASES", "blue-business", [](Report& r) { Empty(r, "SEIZOUGENKA"); },
     Expect::Error},
    {"MONTHLY-PURCHASES", "blue-business",
     [](Report& r) {
         Empty(r, "SEIZOUGENKA");
         Set(r, "SONEKIKEISANSYO", "SIIREKINGAKU", "4337000");
     },
     Expect::Nothing},
    // ㉖ of the manufacturing cost's chain is ③ of the profit and loss.
    {"MANUFACTURING-COST", "blue-other", Keep, Expect::Nothing},
    {"MANUFACTURING-COST", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "SIIREKINGAKU", 1); }, Expect::Warning},
    {"MANUFACTURING-COST", "blue-business",
     [](Report& r) { Add(r, "SEIZOUGENKA", "ROUMUHI", 1000); }, Expect::Error},
    {"MANUFACTURING-COST", "blue-business",
     [](Report& r) { Add(r, "SEIZOUGENKA", "KIMATUHANSEIHIN", -1000); }, Expect::Error},
    {"BLUE-DEDUCTION", "blue-business", Keep, Expect::Nothing},
    {"BLUE-DEDUCTION", "blue-business", Loss, Expect::Nothing},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) { Add(r, "AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", 1); }, Expect::Error},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) {
         Set(r, "AOIROKOUJO", "AOIROKOUJO_SENTAKU", "2");
         Set(r, "AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", "");
         Set(r, "AOIROKOUJO", "FUDOUSANSYOTOKU", "0");
         Set(r, "AOIROKOUJO", "JOUKIIGAI_KOUJYOGAKU", "100000");
     },
     Expect::Nothing},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) {
         Set(r, "AOIROKOUJO", "AOIROKOUJO_SENTAKU", "2");
         Set(r, "AOIROKOUJO", "FUDOUSANSYOTOKU", "0");
         Set(r, "AOIROKOUJO", "AOIROKOUJO_KOUJYOGAKU", "100000");
     },
     Expect::Error},
    {"BLUE-DEDUCTION", "blue-business",
     [](Report& r) { Set(r, "AOIROKOUJO", "AOIROKOUJO_SENTAKU", "4"); }, Expect::Error},
    // The collective provision within its limit, the limit within 5.5 % of the
    // receivables, both provisions on ㊴.
    {"BAD-DEBT-RESERVE", "blue-business", Keep, Expect::Nothing},
    {"BAD-DEBT-RESERVE", "blue-business",
     [](Report& r) {
         Add(r, "KASIDAOREKURIIRE", "IKKATU_KURIIREGAKU", 1);
         Add(r, "SONEKIKEISANSYO", "KURIIRE_KASIDAOREHIKIATEKIN", 1);
     },
     Expect::Error},
    {"BAD-DEBT-RESERVE", "blue-business",
     [](Report& r) { Set(r, "KASIDAOREKURIIRE", "IKKATU_KURIIREGENDOGAKU", "145000"); },
     Expect::Warning, "貸金の合計額 2,345,600円 の 6.18% にあたり"},
    {"BAD-DEBT-RESERVE", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "KURIIRE_KASIDAOREHIKIATEKIN", 1); },
     Expect::Warning},
    {"BAD-DEBT-RESERVE", "blue-other",
     [](Report& r) { Add(r, "KASIDAOREKURIIRE", "KOBETU_KURIIREGAKU", 1000); }, Expect::Error},
    // Per family employee the lesser of 86万円 for the spouse (the higher one where
    // the list does not tell), 50万円 for another relative, and the income's share.
    {"FAMILY-DEDUCTION", "white-business", Keep, Expect::Nothing},
    {"FAMILY-DEDUCTION", "white-business",
     [](Report& r) { Set(r, "SONEKIKEISANSYO", "SENJYUSYAKOUJYO", "1360001"); }, Expect::Error,
     "（妻 中村 洋子 860,000円、長男 中村 健一 500,000円。"},
    {"FAMILY-DEDUCTION", "white-business", [](Report& r) { Set(r, "SENJUUSYA", "ZOKUGARA", ""); },
     Expect::Nothing},
    {"FAMILY-DEDUCTION", "white-real-estate", Keep, Expect::Nothing},
    {"FAMILY-DEDUCTION", "white-real-estate",
     [](Report& r) { Set(r, "SONEKIKEISANSYO", "SENJYUSYAKOUJYO", "194846"); }, Expect::Nothing},
    {"FAMILY-DEDUCTION", "white-real-estate",
     [](Report& r) { Set(r, "SONEKIKEISANSYO", "SENJYUSYAKOUJYO", "194847"); }, Expect::Warning,
     "同じ納税者の事業所得・山林所得も合わせて"},
    {"LIST-SALARIES", "blue-business", Keep, Expect::Nothing},
    {"LIST-SALARIES", "white-business",
     [](Report& r) { Add(r, "KYUURYOUTINGIN", "SONOTA_KYUURYOU", 500000); }, Expect::Error},
    // Two lines cut to whole yen fall short of their exact sum by at most a yen.
    {"LIST-SALARIES", "blue-business", [](Report& r) { Add(r, "SEIZOUGENKA", "ROUMUHI", -1); },
     Expect::Warning},
    {"LIST-SALARIES", "blue-business", [](Report& r) { Add(r, "SEIZOUGENKA", "ROUMUHI", -2); },
     Expect::Error},
    {"LIST-FAMILY-EMPLOYEES", "blue-business", Keep, Expect::Nothing},
    {"LIST-FAMILY-EMPLOYEES", "blue-real-estate",
     [](Report& r) { Add(r, "SENJUUSYA", "KYUURYOU", 1); }, Expect::Error},
    {"LIST-LAND-RENT", "white-business", Keep, Expect::Nothing},
    {"LIST-LAND-RENT", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "TIDAIYATIN", -24000); }, Expect::Error},
    {"LIST-INTEREST", "white-real-estate", Keep, Expect::Nothing},
    {"LIST-INTEREST", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "RISIWARIBIKIRYOU", -100); }, Expect::Error},
    {"LIST-TAX-ACCOUNTANT", "blue-real-estate", Keep, Expect::Nothing},
    {"LIST-TAX-ACCOUNTANT", "blue-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "KEIHI_YOBI6", -55000); }, Expect::Warning},
    {"LIST-TAX-ACCOUNTANT", "blue-business",
     [](Report& r) { Add(r, "ZEIRISIHOUSYUU", "HITUYOUKEIHIGAKU", 500000); }, Expect::Error},
    // A fee may stand on any line the user named and on 雑費, beside a line named for fees.
    {"LIST-TAX-ACCOUNTANT", "white-business",
     [](Report& r) { Set(r, "SONEKIKEISANSYO", "KEIHI_YOBI3_KAMOKU", "デザイン報酬"); },
     Expect::Warning, "報酬の行（デザイン報酬 36,000円）より 52,000円 多いが"},
    {"LIST-TAX-ACCOUNTANT", "white-business",
     [](Report& r) {
         Set(r, "SONEKIKEISANSYO", "KEIHI_YOBI3_KAMOKU", "デザイン報酬");
         Add(r, "ZEIRISIHOUSYUU", "HITUYOUKEIHIGAKU", 500000);
     },
     Expect::Error},
    // An empty list is above no line, not even one below zero.
    {"LIST-INTEREST", "white-business",
     [](Report& r) {
         Empty(r, "RISIWARIBIKIRYOU");
         Set(r, "SONEKIKEISANSYO", "RISIWARIBIKIRYOU", "-5000");
     },
     Expect::Nothing},
    {"LIST-CUSTOMERS", "white-business", Keep, Expect::Nothing},
    {"LIST-CUSTOMERS", "white-business",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "SYUNYUGAKU", 1); }, Expect::Warning},
    {"LIST-CUSTOMERS", "white-business",
     [](Report& r) { Add(r, "URIAGEMEISAI", "URIAGEKINGAKU", 1000); }, Expect::Error},
    {"LIST-CUSTOMERS", "white-business", [](Report& r) { Empty(r, "URIAGEMEISAI"); },
     Expect::Nothing},
    {"LIST-SUPPLIERS", "white-business", Keep, Expect::Nothing},
    {"LIST-SUPPLIERS", "white-business",
     [](Report& r) { Add(r, "SIIREMEISAI", "JOUKIIGAI_SIIRESAKIKEI", -1000); }, Expect::Error},
    {"LIST-REPAIRS", "white-real-estate", Keep, Expect::Nothing},
    {"LIST-REPAIRS", "white-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "SYUUZENHI", -1000); }, Expect::Error},
    {"RENTAL-INCOME", "white-real-estate", Keep, Expect::Nothing},
    {"RENTAL-INCOME", "blue-real-estate",
     [](Report& r) { Add(r, "SONEKIKEISANSYO", "TINTAIRYO", 2); }, Expect::Warning},
    {"RENTAL-INCOME", "white-real-estate",
     [](Report& r) { Add(r, "FUDOUSANSYUUNYUU", "TINTAIRYOU_NENGAKU", 72000); }, Expect::Error},
};

// Whether the text names an element of the report or a section of any form, as a word of its own.
std::string ElementNamed(const std::string& text, const Report& report) {
    std::vector<std::string> tags = {report.incomeTag};
    // Those of any form: a rule that does not apply may speak of another form's section.
    for (const reportformat::Form form : reportformat::kForms) {
        for (const reportformat::SectionSchema& section : reportformat::SchemaOf(form).sections) {
            tags.emplace_back(section.spec->tag);
        }
    }
    for (const inspect::Section& s : report.sections) {
        tags.push_back(s.tag);
        for (const inspect::Field& f : s.fields) {
            tags.push_back(f.tag);
        }
        for (const inspect::Item& item : s.items) {
            tags.push_back(item.tag);
            for (const inspect::Field& f : item.fields) {
                tags.push_back(f.tag);
            }
        }
    }
    auto word = [](char c) { return std::isupper(static_cast<unsigned char>(c)) || c == '_'; };
    for (const std::string& tag : tags) {
        for (std::size_t at = text.find(tag); at != std::string::npos;
             at = text.find(tag, at + 1)) {
            const std::size_t end = at + tag.size();
            if ((at == 0 || !word(text[at - 1])) && (end == text.size() || !word(text[end]))) {
                return tag;
            }
        }
    }
    return {};
}

TEST(ChecksTest, EachRuleOnAReportThatKeepsOrBreaksIt) {
    for (const RuleCase& c : kRuleCases) {
        Report report = inspecttest::ReadGolden(c.golden);
        c.edit(report);
        const inspect::CheckResult result = inspect::RunChecks(report, nullptr);
        bool ran = false;
        for (const inspect::RuleRun& rule : result.rules) {
            ran = ran || (rule.rule == c.rule && rule.ran);
        }
        EXPECT_TRUE(ran) << c.rule << " on " << c.golden;
        Expect worst = Expect::Nothing;
        bool said = c.says == nullptr;
        for (const inspect::Finding& f : result.findings) {
            if (f.rule == c.rule) {
                worst = std::max(worst,
                                 f.severity == Severity::Error ? Expect::Error : Expect::Warning);
                EXPECT_FALSE(f.japanese.empty() || f.english.empty()) << c.rule;
                said = said || f.japanese.find(c.says) != std::string::npos;
            }
        }
        EXPECT_EQ(worst, c.expect) << c.rule << " on " << c.golden;
        EXPECT_TRUE(said) << c.rule << " on " << c.golden << " does not say " << c.says;
        // The text speaks the form's words; element names are for --json only.
        EXPECT_EQ(ElementNamed(inspect::CheckText(report, result), report), "")
            << c.rule << " on " << c.golden;
    }
}

// Last year's closing balances open this year; capital carries the year's
// income, drawings and contributions over. Another company's or another
// year's report is one error, not a list of differences.
TEST(ChecksTest, PreviousYearsClosingBalances) {
    const Report current = inspecttest::ReadGolden("blue-business");
    Report previous = current;
    previous.basic.fields[2].text = "20200101";
    previous.basic.fields[3].text = "20201231";
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
    auto errors = [&current](const Report& last, const Report* now = nullptr) {
        int n = 0;
        for (const inspect::Finding& f : inspect::RunChecks(now ? *now : current, &last).findings) {
            n += f.rule == "PREVIOUS-BALANCES" && f.severity == Severity::Error ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(errors(previous), 0);
    // Accounts the user names are matched by name, wherever each year puts
    // them; one that closed last year with a balance and is gone is one error.
    Report moved = previous;
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI1_KAMOKU", "");
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI1_KIMATU", "");
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI5_KAMOKU", "出資金");
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI5_KIMATU", "100000");
    EXPECT_EQ(errors(moved), 0);
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI6_KAMOKU", "旧口座");
    Set(moved, "TAISYAKUTAISYOUHYO", "SISAN_YOBI6_KIMATU", "5000");
    EXPECT_EQ(errors(moved), 1);
    // A first blue year after a white one has no closing balances to open with.
    Report white = previous;
    white.form = inspect::ReturnForm::White;
    EXPECT_EQ(errors(white), 0);
    const inspect::CheckResult afterWhite = inspect::RunChecks(current, &white);
    EXPECT_NE(afterWhite.rules.back().reasonJapanese.find("白色申告"), std::string::npos);
    Report whiteNow = current;
    whiteNow.form = inspect::ReturnForm::White;
    EXPECT_EQ(errors(previous, &whiteNow), 1);
    // This year's report itself closes far from where it opens.
    const std::vector<std::function<void(Report&)>> others = {
        [](Report& r) { r.basic.fields[0].text = "中村金物店（中村　正雄）"; },
        [](Report& r) { r.basic.fields[3].text = "20211231"; },
        [](Report& r) { r.kind = inspect::IncomeKind::Other; },
    };
    for (const auto& other : others) {
        Report wrong = current;
        wrong.basic.fields[3].text = "20201231";
        other(wrong);
        EXPECT_EQ(errors(wrong), 1);
    }
    Add(previous, "TAISYAKUTAISYOUHYO", "TOTI_KIMATU", 1);
    Add(previous, "TAISYAKUTAISYOUHYO", "JIGYOUNUSIKASI_KIMATU", 10);
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
        EXPECT_EQ(ElementNamed(inspect::CheckText(inspecttest::ReadGolden(name), result),
                               inspecttest::ReadGolden(name)),
                  "")
            << name;
        for (const inspect::RuleRun& rule : result.rules) {
            EXPECT_TRUE(rule.ran || !(rule.reason.empty() || rule.reasonJapanese.empty()))
                << rule.rule;
        }
    }
}

}  // namespace
