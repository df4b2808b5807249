#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "inspect/CheckOutput.h"
#include "inspect/Checks.h"
#include "inspect/InspectTestSupport.h"
#include "inspect/Report.h"
#include "inspect/Show.h"

namespace {

// A fixed generator: every run feeds the same reports.
struct Lcg {
    std::uint64_t state;
    std::uint32_t Next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(state >> 33);
    }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }
};

std::string Mutate(std::string s, Lcg& rng) {
    static const char* const kPieces[] = {"<",        ">",           "&",
                                          "</",       "/>",          "\x81",
                                          "\x82\xa0", "-",           "9999999999999999999",
                                          "<X>",      "COUNT=\"0\"", "&amp;",
                                          "&#0;",     "]]>",         "\r\n",
                                          "\"",       "<!--"};
    const int edits = 1 + static_cast<int>(rng.Below(4));
    for (int i = 0; i < edits && !s.empty(); ++i) {
        const std::size_t at = rng.Below(s.size());
        switch (rng.Below(6)) {
            case 0:
                s[at] = static_cast<char>(rng.Next());
                break;
            case 1:
                s.erase(at, 1 + rng.Below(64));
                break;
            case 2:
                s.insert(at, kPieces[rng.Below(std::size(kPieces))]);
                break;
            case 3:
                s.insert(at, s.substr(rng.Below(s.size()), rng.Below(200)));
                break;
            case 4:
                s.resize(at);
                break;
            default:
                // Digits stay digits: the checks see odd amounts, not broken markup.
                if (s[at] >= '0' && s[at] <= '9') {
                    s[at] = static_cast<char>('0' + rng.Below(10));
                }
                break;
        }
    }
    return s;
}

TEST(MutationTest, TenThousandMutatedReportsNeitherCrashNorThrow) {
    std::vector<std::string> goldens;
    for (const char* name : inspecttest::kGoldens) {
        goldens.push_back(inspecttest::Golden(name));
        ASSERT_FALSE(goldens.back().empty());
    }
    Lcg rng{20210101};
    int read = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string bytes =
            Mutate(goldens[static_cast<std::size_t>(i) % goldens.size()], rng);
        const inspect::ReadResult result = inspect::ReadReport(bytes, "m.xml");
        if (!result.report) {
            EXPECT_FALSE(result.error.message.empty());
            continue;
        }
        ++read;
        const inspect::CheckResult checks = inspect::RunChecks(*result.report, &*result.report);
        EXPECT_FALSE(inspect::CheckJson(*result.report, checks).empty());
        if (i % 10 == 0) {  // the layouts are slower; a tenth of the reports is enough
            EXPECT_FALSE(inspect::ShowText(*result.report, checks).empty());
            EXPECT_FALSE(inspect::ShowHtml(*result.report, checks).empty());
        }
    }
    // Mutations that only touch digits or texts still read.
    EXPECT_GT(read, 500);
    RecordProperty("read", read);
}

}  // namespace
