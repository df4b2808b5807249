#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "books/BooksLoader.h"
#include "books/HostState.h"
#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"

namespace hosttest {

// A books file with one entry (dataId "D1", dataNo 1) holding `members` as well.
inline std::string OneEntry(std::string_view members) {
    std::string entry = R"({"dataId": "D1", "dataNo": 1)";
    if (!members.empty()) {
        entry += ", ";
        entry += members;
    }
    return R"({"format": "books/1", "entries": [)" + entry + "}]}";
}

// A field of a packed host record, by value: the assertions take their
// arguments by reference, and a reference to a misaligned field is undefined.
template <typename T>
T Unpacked(T field) {
    return field;
}

// The refusal message of a books file that must not load.
inline std::string RefusalOf(std::string_view json) {
    const tobra::books::LoadResult loaded =
        tobra::books::LoadText(json, tobra::books::kInlineBooksName);
    EXPECT_FALSE(loaded.books.has_value()) << json;
    return loaded.error;
}

// Every host test starts and ends with a host that has loaded nothing.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override { tobra::books::Reset(); }
    void TearDown() override { tobra::books::Reset(); }

    static void Books(std::string_view json) { ASSERT_EQ(tobra::books::InstallText(json), ""); }
};

// The blocks of one load, freed when the test is done with them.
template <typename Info>
class DeliveredBlocks {
public:
    DeliveredBlocks() = default;
    ~DeliveredBlocks() {
        for (void* block : info.blocks) {
            platform::TaskMemoryAllocator().Free(block);
        }
    }
    DeliveredBlocks(const DeliveredBlocks&) = delete;
    DeliveredBlocks& operator=(const DeliveredBlocks&) = delete;

    hostapi::BlockView View(int block) const {
        return hostapi::BlockView::OfTaskMemory(info.blocks[block]);
    }

    Info info{};
};

using GeneralBlocks = DeliveredBlocks<StAOSIROSAVEINFO_IPPAN>;
using RealEstateBlocks = DeliveredBlocks<StAOSIROSAVEINFO_FUDOUSAN>;

// A file in the system's temporary folder, removed when the test ends.
class TempBooksFile {
public:
    explicit TempBooksFile(std::string_view content) {
        std::mt19937_64 random(static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
        path_ = platform::Files().TempFolder() + "brenlo-books-" +
                std::to_string(random() % 1000000000u) + ".json";
        Write(content);
    }
    ~TempBooksFile() { platform::Files().RemoveFile(path_); }
    TempBooksFile(const TempBooksFile&) = delete;
    TempBooksFile& operator=(const TempBooksFile&) = delete;

    void Write(std::string_view content) {
        const std::unique_ptr<platform::File> file = platform::Files().Open(
            path_, platform::OpenMode::Write, platform::ShareMode::Exclusive);
        ASSERT_TRUE(file && file->Write(content) && file->Close()) << path_;
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace hosttest
