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

namespace {

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
            inspect::ProfitAndLossTotals(inspect::FormOf(report), *report.Find("SONEKIKEISANSYO"));
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
