#include "inspect/ShowFile.h"

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

class ShowFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(testsupport::WriteFile(report_, inspecttest::Golden("blue-business")));
        ASSERT_TRUE(testsupport::WriteFile(page_, kEarlier));
    }

    int Write(const std::string& pagePath, bool& refused) {
        return inspect::WriteShowPage(report_, pagePath, kPage, &refused);
    }

    static constexpr char kEarlier[] = "<!DOCTYPE html>earlier";
    static constexpr char kPage[] = "<!DOCTYPE html>page";
    testsupport::TempFolder scratch_;
    std::string report_ = scratch_ / "r.xml";
    std::string page_ = scratch_ / "r.html";
};

TEST_F(ShowFileTest, TheReportIsNeverThePageUnderAnyName) {
    const std::string folder = scratch_.Path();
    std::vector<std::string> names = {report_, folder + "\\.\\r.xml", folder + "/r.xml",
                                      folder + "\\x\\..\\r.xml"};
#ifdef _WIN32
    names.push_back(scratch_ / "R.XML");
#else
    std::filesystem::create_symlink("r.xml", scratch_.NativePath() / "link.html");
    names.push_back(scratch_ / "link.html");
#endif
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        bool refused = false;
        EXPECT_EQ(Write(name, refused), 0);
        EXPECT_TRUE(refused);
        EXPECT_EQ(testsupport::ReadFile(report_), inspecttest::Golden("blue-business"));
    }
    bool refused = true;
    EXPECT_EQ(Write(page_, refused), 1);
    EXPECT_FALSE(refused);
    EXPECT_EQ(testsupport::ReadFile(page_)->rfind("<!DOCTYPE html>", 0), 0u);
}

TEST_F(ShowFileTest, AFailingWriteOrCloseKeepsTheEarlierPage) {
    for (const auto& [failingWrite, failingClose] : {std::pair{1, 0}, {0, 1}}) {
        testsupport::FailingFileSystem files;
        files.failingWrite = failingWrite;
        files.failingClose = failingClose;
        bool refused = true;
        EXPECT_EQ(Write(page_, refused), 0);
        EXPECT_FALSE(refused);
        EXPECT_EQ(testsupport::ReadFile(page_), kEarlier);
        EXPECT_EQ(platform::TakeFileFailure()->reason, "no space left on device");
    }
}

}  // namespace
