#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/InspectTestSupport.h"
#include "inspect/Labels.h"
#include "inspect/Show.h"
#include "inspect/ShowLayout.h"
#include "platform/text/DisplayWidth.h"
#include "report/AccountTables.h"

namespace {

using inspect::Form;
using inspect::FormLine;

struct FormCase {
    const char* name;
    std::span<const FormLine> lines;
    std::span<const AmountTableRow> written;  // the lines the writer gives the form
    std::vector<std::string> sums;            // the sums the form prints, in its order
};

std::vector<FormCase> Forms() {
    using inspect::ManufacturingCostLines;
    using inspect::ProfitAndLossLines;
    return {
        {"blue business",
         ProfitAndLossLines(Form::BlueBusiness),
         BlueBusinessProfitAndLoss(),
         {"④ 小計", "⑥ 差引原価", "⑦ 差引金額", "㉜ 計", "㉝ 差引金額", "㊲ 計", "㊷ 計",
          "㊸ 青色申告特別控除前の所得金額", "㊺ 所得金額"}},
        {"white business",
         ProfitAndLossLines(Form::WhiteBusiness),
         WhiteProfitAndLoss(),
         {"④ 計", "⑦ 小計", "⑨ 差引原価", "⑩ 差引金額", "ソ 小計", "⑱ 経費計",
          "⑲ 専従者控除前の所得金額", "㉑ 所得金額"}},
        {"blue real estate",
         ProfitAndLossLines(Form::BlueRealEstate),
         BlueRealEstateProfitAndLoss(),
         {"④ 計", "⑱ 計", "⑲ 差引金額", "㉑ 青色申告特別控除前の所得金額"}},
        {"white real estate",
         ProfitAndLossLines(Form::WhiteRealEstate),
         WhiteRealEstateProfitAndLoss(),
         {"④ 計", "⑩ その他の経費", "⑪ 計", "⑫ 差引金額", "⑭ 所得金額"}},
        {"manufacturing cost",
         ManufacturingCostLines(Form::BlueBusiness),
         ManufacturingCost(),
         {"③ 小計", "⑤ 差引原材料費", "㉑ 計", "㉒ 総製造費", "㉔ 小計", "㉖ 製品製造原価"}},
    };
}

// The circled numbers in order: ① to ⑳, ㉑ to ㉟, ㊱ to ㊿.
std::string Circled(int n) {
    const char32_t cp = n <= 20 ? 0x2460 + n - 1 : n <= 35 ? 0x3251 + n - 21 : 0x32B1 + n - 36;
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

// Each form's table against the form: every line the writer produces is
// placed, circled numbers run without gap, the sums sit where the form
// prints them and add up only lines above them.
TEST(ShowLayoutTest, TablesFollowTheForms) {
    for (const FormCase& form : Forms()) {
        std::set<std::string> tags, above;
        std::vector<std::string> sums;
        int circled = 0;
        for (const FormLine& line : form.lines) {
            const std::string number(line.label.number);
            if (!number.empty() && number.size() == 3 && number.compare(0, 2, "\xE3\x82") != 0 &&
                number.compare(0, 2, "\xE3\x83") != 0) {
                EXPECT_EQ(number, Circled(++circled)) << form.name << " " << line.label.text;
            }
            if (line.sum.empty()) {
                tags.insert(std::string(line.label.tag));
            } else {
                sums.push_back(number + " " + std::string(line.label.text));
                std::string terms(line.sum);
                std::replace(terms.begin(), terms.end(), '+', ' ');
                std::replace(terms.begin(), terms.end(), '-', ' ');
                std::replace(terms.begin(), terms.end(), '~', ' ');
                std::istringstream in(terms);
                for (std::string term; in >> term;) {
                    EXPECT_TRUE(above.count(term))
                        << form.name << " " << number << " uses " << term;
                }
            }
            above.insert(number);
            above.insert(std::string(line.label.tag));
        }
        for (const AmountTableRow& row : form.written) {
            EXPECT_TRUE(tags.count(row.tag)) << form.name << " lacks " << row.tag;
        }
        EXPECT_EQ(sums, form.sums) << form.name;
    }
}

// The sums shown are those of the rules: the form's income line equals the
// income the checks add up, on every sample report.
TEST(ShowLayoutTest, SumsAgreeWithTheRules) {
    const std::pair<const char*, std::string> kIncome[] = {
        {"blue-business", "㊸"}, {"blue-other", "㊸"},       {"white-business", "⑲"},
        {"white-other", "⑲"},    {"blue-real-estate", "㉑"}, {"white-real-estate", "⑫"},
    };
    for (const auto& [golden, number] : kIncome) {
        const inspect::Report report = inspecttest::ReadGolden(golden);
        const inspect::IncomeTotals totals =
            inspect::ProfitAndLossTotals(*report.Find("SONEKIKEISANSYO"));
        const std::int64_t provisions =
            report.Blue() ? 0 : totals.provisions;  // white forms deduct them after this line
        const auto blocks = inspect::layout::LayOut(report, inspect::CheckResult{});
        const auto& rows = blocks.front().rows;
        const auto line = std::find_if(rows.begin(), rows.end(),
                                       [&](const auto& r) { return r.number == number; });
        ASSERT_NE(line, rows.end()) << golden;
        EXPECT_EQ(line->amount, totals.income + provisions) << golden;
    }
}

int Columns(const std::string& line) {
    const std::size_t tab = line.find('\t');
    return tab == std::string::npos ? platform::text::DisplayWidth(line)
                                    : 8 + platform::text::DisplayWidth(line.substr(tab + 1));
}

// No line of the terminal view is wider than the terminal, at any width,
// with and without last year beside it.
TEST(ShowTextTest, LinesFitTheWidth) {
    const inspect::Report previous = inspecttest::ReadGolden("blue-business");
    for (const char* golden : inspecttest::kGoldens) {
        const inspect::Report report = inspecttest::ReadGolden(golden);
        for (const int width : {80, 120, 200}) {
            for (const bool compared : {false, true}) {
                inspect::ShowOptions options;
                options.width = width;
                options.previous = compared ? &previous : nullptr;
                std::istringstream text(inspect::ShowText(report, inspect::CheckResult{}, options));
                for (std::string line; std::getline(text, line);) {
                    EXPECT_LE(Columns(line), width) << golden << " @" << width << ": " << line;
                }
            }
        }
    }
}

// The page: A4, headers repeated, and the chart's bars in proportion to the yen.
TEST(ShowHtmlTest, PrintsOnA4WithChart) {
    const inspect::Report report = inspecttest::ReadGolden("blue-business");
    inspect::ShowOptions options;
    options.previous = &report;
    const std::string page = inspect::ShowHtml(report, inspect::CheckResult{}, options);
    EXPECT_NE(page.find("@page { size: A4 portrait;"), std::string::npos);
    const auto count = [&page](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = page.find(what); at != std::string::npos;
             at = page.find(what, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("<table"), count("<thead>"));
    EXPECT_EQ(count("<svg"), 1u);
    const std::regex bar(R"re(data-yen="(-?\d+)"[^>]* height="([\d.]+)")re");
    std::vector<double> ratios;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), bar);
         it != std::sregex_iterator(); ++it) {
        const double yen = std::abs(std::stod((*it)[1]));
        if (yen > 0) {
            ratios.push_back(std::stod((*it)[2]) / yen);
        }
    }
    ASSERT_EQ(ratios.size(), 48u);  // twelve months, sales and purchases, both years
    for (const double ratio : ratios) {
        EXPECT_NEAR(ratio, ratios.front(), ratios.front() * 1e-3);
    }
}

// A long list prints as tables of thirty entries, each with its header.
TEST(ShowHtmlTest, LongListsPrintInTablesOfThirty) {
    inspect::Report report = inspecttest::ReadGolden("blue-real-estate");
    for (inspect::Section& section : report.sections) {
        if (!section.items.empty() && section.tag.find("FUDOUSAN") != std::string::npos) {
            section.items.resize(61, section.items.front());
        }
    }
    const std::string page = inspect::ShowHtml(report, inspect::CheckResult{});
    std::size_t parts = 0, rows = 0;
    for (std::size_t at = page.find("<table class=\"part\">\n<thead>"); at != std::string::npos;
         at = page.find("<table class=\"part\">\n<thead>", at + 1)) {
        const std::string table = page.substr(at, page.find("</table>", at) - at);
        std::size_t n = 0;
        for (std::size_t r = table.find("<tr", 1); r != std::string::npos;
             r = table.find("<tr", r + 1)) {
            ++n;
        }
        rows = std::max(rows, n - 1);  // less the header's row
        ++parts;
    }
    EXPECT_GE(parts, 3u);
    EXPECT_EQ(rows, 30u);
}

}  // namespace
