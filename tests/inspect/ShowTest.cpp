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

// One figure a line: the income the report states prints as stated, marked
// where the lines add up otherwise; a form that states none prints its sum.
TEST(ShowLayoutTest, IncomePrintsAsTheReportStatesIt) {
    const std::pair<const char*, std::string> kIncome[] = {
        {"blue-business", "㊸"}, {"blue-other", "㊸"},       {"white-business", "⑲"},
        {"white-other", "⑲"},    {"blue-real-estate", "㉑"}, {"white-real-estate", "⑫"},
    };
    for (const auto& [golden, number] : kIncome) {
        const inspect::Report report = inspecttest::ReadGolden(golden);
        const inspect::IncomeTotals totals =
            inspect::ProfitAndLossTotals(inspect::FormOf(report), *report.Find("SONEKIKEISANSYO"));
        const inspect::layout::Layout laid =
            inspect::layout::LayOut(report, inspect::CheckResult{});
        const auto& rows = laid.Find("SONEKIKEISANSYO")->rows;
        const auto line = std::find_if(rows.begin(), rows.end(),
                                       [&](const auto& r) { return r.number == number; });
        ASSERT_NE(line, rows.end()) << golden;
        const inspect::Section* sheet = report.Find("TAISYAKUTAISYOUHYO");
        if (sheet == nullptr) {
            // White forms deduct the family employees after this line.
            EXPECT_EQ(line->amount, totals.income + totals.provisions) << golden;
            continue;
        }
        const std::int64_t stated = sheet->Yen("KOUJYOMAESYOTOKUKINNGAKU_KIMATU");
        EXPECT_EQ(line->amount, stated) << golden;
        const inspect::Section* deduction = report.Find("AOIROKOUJO");
        const bool agreed =
            stated == totals.income &&
            (deduction == nullptr || deduction->Yen("AOIROKOUJOMAESYOTOKU") == stated);
        EXPECT_EQ(line->mark.empty(), agreed) << golden;
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

// Last year by account: accounts that moved to other spare lines keep their
// history, a new one is new, a gone one is last year's only; lines are marked
// by the share and the yen floor, or by ten times the floor.
TEST(ShowCompareTest, LinesMatchByAccount) {
    const inspect::Report last = inspecttest::ReadGolden("blue-business");
    inspect::Report now = last;
    now.basic.fields[2].text = "20220101";
    now.basic.fields[3].text = "20221231";
    // 前払費用 takes the first spare asset's line; the others move down one.
    for (int n = 5; n >= 2; --n) {
        for (const char* suffix : {"_KAMOKU", "_KISYU", "_KIMATU"}) {
            inspecttest::Set(now, "TAISYAKUTAISYOUHYO", "SISAN_YOBI" + std::to_string(n) + suffix,
                             inspecttest::Get(last, "TAISYAKUTAISYOUHYO",
                                              "SISAN_YOBI" + std::to_string(n - 1) + suffix));
        }
    }
    inspecttest::Set(now, "TAISYAKUTAISYOUHYO", "SISAN_YOBI1_KAMOKU", "前払費用");
    inspecttest::Set(now, "TAISYAKUTAISYOUHYO", "SISAN_YOBI1_KISYU", "");
    inspecttest::Set(now, "TAISYAKUTAISYOUHYO", "SISAN_YOBI1_KIMATU", "80000");
    inspecttest::Add(now, "TUKIBETUURIAGESHIIRE", "SIIREKINGAKU6", 60000);
    inspecttest::Add(now, "TAISYAKUTAISYOUHYO", "MOTOIREKIN_KIMATU", 2831912);
    inspecttest::Set(now, "SONEKIKEISANSYO", "KEIHI_YOBI5_KAMOKU", "");
    inspecttest::Set(now, "SONEKIKEISANSYO", "KEIHI_YOBI5", "");
    inspect::ShowOptions options;
    options.previous = &last;
    const inspect::layout::Layout laid = inspect::layout::LayOut(now, {}, options);
    const struct {
        const char* block;
        const char* label;
        std::vector<std::string> cells;  // this year, last year, the change, its rate
        bool moved;
    } kLines[] = {
        {"TAISYAKUTAISYOUHYO#assets", "出資金", {"100,000", "100,000", "0", "0.0%"}, false},
        {"TAISYAKUTAISYOUHYO#assets", "前払費用", {"80,000", "", "80,000", "新"}, false},
        {"TUKIBETUURIAGESHIIRE", "6月 仕入", {"358,600", "298,600", "60,000", "+20.1%"}, false},
        {"TAISYAKUTAISYOUHYO#liabilities",
         "元入金",
         {"25,443,221", "22,611,309", "2,831,912", "+12.5%"},
         true},
        {"SONEKIKEISANSYO", "会費", {"", "24,000", "-24,000", "前年のみ"}, false},
    };
    for (const auto& line : kLines) {
        const inspect::layout::Block* block = nullptr;
        for (const inspect::layout::Block& each : laid.comparison) {
            block = each.id == line.block ? &each : block;
        }
        ASSERT_NE(block, nullptr) << line.block;
        const auto row = std::find_if(block->rows.begin(), block->rows.end(),
                                      [&](const auto& r) { return r.cells[0] == line.label; });
        ASSERT_NE(row, block->rows.end()) << line.label;
        EXPECT_EQ(std::vector<std::string>(row->cells.begin() + 1, row->cells.end()), line.cells)
            << line.label;
        EXPECT_EQ(row->moved, line.moved) << line.label;
    }
    // A spare line empty in both years prints nothing.
    const inspect::layout::Block* assets = nullptr;
    for (const inspect::layout::Block& each : laid.comparison) {
        assets = each.id == "TAISYAKUTAISYOUHYO#assets" ? &each : assets;
    }
    EXPECT_TRUE(std::none_of(assets->rows.begin(), assets->rows.end(),
                             [](const auto& r) { return r.cells[0] == "（科目名なし）"; }));
}

// A blue year after a white one: last year's lines in the blue form's, the
// white form's ①～③ carried into ① and the sums the blue form prints.
TEST(ShowCompareTest, LastYearsWhiteReturnInTheBlueFormsLines) {
    const inspect::Report now = inspecttest::ReadGolden("blue-business");
    inspect::Report last = inspecttest::ReadGolden("white-business");
    last.basic = now.basic;
    last.form = inspect::ReturnForm::White;
    last.basic.fields[2].text = "20200101";
    last.basic.fields[3].text = "20201231";
    inspect::ShowOptions options;
    options.previous = &last;
    const inspect::layout::Layout laid = inspect::layout::LayOut(now, {}, options);
    const inspect::layout::Block* pl = laid.comparison.empty() ? nullptr : &laid.comparison[0];
    ASSERT_NE(pl, nullptr);
    const auto lastYear = [pl](const std::string& label) {
        for (const auto& row : pl->rows) {
            if (row.cells[0].starts_with(label)) {
                return row.cells[2] + " " + row.cells[4];
            }
        }
        return std::string("(none)");
    };
    EXPECT_EQ(lastYear("売上（収入）金額（雑収入を含む）"), "21,606,550 +31.8%");
    EXPECT_EQ(lastYear("小計（②＋③）"), "16,663,640 -24.4%");
    EXPECT_EQ(lastYear("専従者控除"), "1,360,000 前年のみ");
}

// The form's pages on A4 landscape, a page each; last year compared on
// portrait pages after them, the monthly chart's bars in proportion to the yen.
TEST(ShowHtmlTest, FormPagesThenComparisonPages) {
    const inspect::Report report = inspecttest::ReadGolden("blue-business");
    inspect::ShowOptions options;
    options.previous = &report;
    const std::string page = inspect::ShowHtml(report, inspect::CheckResult{}, options);
    EXPECT_NE(page.find("@page { size: A4 landscape;"), std::string::npos);
    const auto count = [&page](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = page.find(what); at != std::string::npos;
             at = page.find(what, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("<table"), count("<thead>") + count("<table class=\"header\">"));
    EXPECT_EQ(count("<section class=\"page\""), 4u);
    EXPECT_EQ(count("<section class=\"page comparison\""), 5u);
    EXPECT_LT(page.rfind("<section class=\"page\""),
              page.find("<section class=\"page comparison\""));
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

// The entries past the form's rows continue on sheets of thirty, each with its header.
TEST(ShowHtmlTest, LongListsContinueOnSheetsOfThirty) {
    inspect::Report report = inspecttest::ReadGolden("blue-real-estate");
    for (inspect::Section& section : report.sections) {
        if (section.tag == "FUDOUSANSYUUNYUU") {
            section.items.resize(71, section.items.front());
        }
    }
    const std::string page = inspect::ShowHtml(report, inspect::CheckResult{});
    std::vector<std::size_t> sheets;
    for (std::size_t at = page.find("<section class=\"page continuation\">");
         at != std::string::npos; at = page.find("<section class=\"page continuation\">", at + 1)) {
        const std::string sheet = page.substr(at, page.find("</section>", at) - at);
        ASSERT_NE(sheet.find("<thead>"), std::string::npos);
        const std::string body = sheet.substr(sheet.find("<tbody>"));
        std::size_t rows = 0;
        for (std::size_t r = body.find("<tr"); r != std::string::npos;
             r = body.find("<tr", r + 1)) {
            ++rows;
        }
        sheets.push_back(rows);
    }
    EXPECT_EQ(sheets, (std::vector<std::size_t>{30, 30, 1}));
}

}  // namespace
