#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileSystem.h"
#include "support/FailingFileSystem.h"
#include "support/Files.h"
#include "support/TempFolder.h"

// Whatever a path leads to, ReadRegularFile ends at once: natively and, in the
// Windows build under Wine, through the Win32 adapter.

namespace {

namespace fs = std::filesystem;

// A name that led to a file when it was looked at and leads elsewhere now.
class KindLooksRegular : public testsupport::FailingFileSystem {
public:
    platform::EntryKind KindOf(const std::string&) override { return platform::EntryKind::File; }
};

// Why the read refused the file ("" when it read it); nothing when it did not
// end. It runs on a thread of its own, so that one that blocks fails the test
// rather than hangs it.
std::optional<std::string> RefusalOf(const std::string& path, std::uint64_t limit,
                                     platform::ShareMode share = platform::ShareMode::Read) {
    auto refusal = std::make_shared<std::promise<std::string>>();
    std::future<std::string> result = refusal->get_future();
    std::thread([refusal, path, limit, share] {
        std::string why;
        refusal->set_value(platform::ReadRegularFile(path, share, limit, &why) ? "" : why);
    }).detach();
    if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        return std::nullopt;
    }
    return result.get();
}

TEST(FileReading, WhatIsNoWholeRegularFileIsRefusedWithoutBeingRead) {
    testsupport::TempFolder scratch;
    ASSERT_FALSE(scratch.Path().empty());
    ASSERT_TRUE(testsupport::WriteFile(scratch / "small.txt", std::string(101, 'x')));
    const std::string huge = scratch / "huge.json";
    ASSERT_TRUE(testsupport::WriteFile(huge, "{}"));
    fs::resize_file(scratch.NativePath() / "huge.json", platform::kLargestReadFile + 1);
    struct Refused {
        std::string path;
        std::uint64_t limit;
        const char* why;
    };
    std::vector<Refused> cases = {
        {"Z:\\dev\\zero", platform::kLargestReadFile, "not a regular file"},
        {"Z:\\dev\\urandom", platform::kLargestReadFile, "not a regular file"},
        {scratch.Path(), platform::kLargestReadFile, "is a folder"},
        {scratch / "small.txt", 100, "larger than any such file"},
        {huge, platform::kLargestReadFile, "larger than any such file"},
    };
#ifndef _WIN32
    // A pipe whose writer never comes.
    ASSERT_EQ(0, ::mkfifo((scratch.NativePath() / "fifo").c_str(), 0600));
    cases.push_back({scratch / "fifo", platform::kLargestReadFile, "not a regular file"});
#endif
    for (const bool swapped : {false, true}) {
        for (const Refused& c : cases) {
            if (swapped && std::string(c.why) != "not a regular file") {
                continue;  // refused by their kind before and after opening alike
            }
            SCOPED_TRACE(c.path + (swapped ? " after the look" : ""));
            std::optional<KindLooksRegular> looksRegular;
            std::optional<testsupport::FailingFileSystem> counting;
            testsupport::FailingFileSystem& files =
                swapped ? looksRegular.emplace() : counting.emplace();
            EXPECT_EQ(c.why, RefusalOf(c.path, c.limit));
            EXPECT_EQ(0, files.reads);
        }
    }
}

TEST(FileReading, AFileThatGrowsWhileItIsReadIsRefusedAtOnce) {
    testsupport::TempFolder scratch;
    ASSERT_FALSE(scratch.Path().empty());
    const std::string path = scratch / "books.json";
    ASSERT_TRUE(testsupport::WriteFile(path, std::string(1000, 'x')));
    testsupport::FailingFileSystem files;
    int appended = 0;
    // A writer always ahead of the reader, for as long as a reader keeps on.
    files.beforeRead = [&](const std::string&) {
        if (appended++ < 256) {
            std::ofstream(scratch.NativePath() / "books.json", std::ios::app | std::ios::binary)
                << std::string(65536, 'y');
        }
    };
    EXPECT_EQ("grew while it was read",
              RefusalOf(path, platform::kLargestReadFile, platform::ShareMode::ReadWrite));
    EXPECT_LE(files.reads, 2);
}

}  // namespace
