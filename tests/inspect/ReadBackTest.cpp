#include "inspect/ReadBack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "inspect/InspectTestSupport.h"
#include "support/FailingFileSystem.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

class ReadBackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(testsupport::WriteFile(report_, inspecttest::Golden("blue-business")));
        ASSERT_TRUE(testsupport::WriteFile(previous_, LastYear()));
        ASSERT_TRUE(testsupport::WriteFile(page_, kEarlier));
    }

    // The sample's report as the year before's.
    static std::string LastYear() {
        std::string bytes = inspecttest::Golden("blue-business");
        for (const auto& [now, then] :
             {std::pair{"20210101", "20200101"}, {"20211231", "20201231"}}) {
            bytes.replace(bytes.find(now), 8, then);
        }
        return bytes;
    }

    inspect::JobResult ShowTo(const std::string& page) {
        inspect::ShowRequest request;
        request.report = {report_, "r.xml"};
        request.previous = inspect::ReportFile{previous_, "last.xml"};
        request.as = inspect::ShowAs::PageFile;
        request.page = {page, "page"};
        return inspect::RunShow(request);
    }

    static constexpr char kEarlier[] = "<!DOCTYPE html>earlier";
    testsupport::TempFolder scratch_;
    std::string report_ = scratch_ / "r.xml";
    std::string previous_ = scratch_ / "last.xml";
    std::string page_ = scratch_ / "r.html";
};

// Neither the report nor last year's is ever the page, under any name; any
// other file is.
TEST_F(ReadBackTest, ThePageReplacesNoReportItReads) {
    const std::string folder = scratch_.Path();
    std::vector<std::pair<std::string, const char*>> inputs = {
        {report_, "is the report being shown"},
        {folder + "\\.\\r.xml", "is the report being shown"},
        {folder + "/r.xml", "is the report being shown"},
        {folder + "\\x\\..\\last.xml", "is last year's report"},
        {previous_, "is last year's report"},
    };
#ifdef _WIN32
    inputs.emplace_back(scratch_ / "LAST.XML", "is last year's report");
#else
    std::filesystem::create_symlink("last.xml", scratch_.NativePath() / "link.html");
    inputs.emplace_back(scratch_ / "link.html", "is last year's report");
#endif
    for (const auto& [name, why] : inputs) {
        SCOPED_TRACE(name);
        const inspect::JobResult result = ShowTo(name);
        EXPECT_EQ(result.status, kUnusableOptions);
        ASSERT_TRUE(result.error.has_value());
        EXPECT_NE(result.error->english.find(why), std::string::npos) << result.error->english;
        EXPECT_EQ(testsupport::ReadFile(report_), inspecttest::Golden("blue-business"));
        EXPECT_EQ(testsupport::ReadFile(previous_), LastYear());
    }
    const inspect::JobResult written = ShowTo(page_);
    EXPECT_EQ(written.status, kCheckClean);
    EXPECT_EQ(written.page, page_);
    EXPECT_EQ(testsupport::ReadFile(page_)->rfind("<!DOCTYPE html>", 0), 0u);
}

TEST_F(ReadBackTest, AFailingWriteOrCloseKeepsTheEarlierPage) {
    for (const auto& [failingWrite, failingClose] : {std::pair{1, 0}, {0, 1}}) {
        testsupport::FailingFileSystem files;
        files.failingWrite = failingWrite;
        files.failingClose = failingClose;
        const inspect::JobResult result = ShowTo(page_);
        EXPECT_EQ(result.status, kCheckUnreadable);
        EXPECT_EQ(testsupport::ReadFile(page_), kEarlier);
        ASSERT_TRUE(result.error.has_value());
        EXPECT_NE(result.error->english.find("no space left on device"), std::string::npos);
    }
}

}  // namespace
