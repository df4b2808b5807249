#include "aggregation/CollectedData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/TaskMemory.h"

namespace {

StAOSUMINFO Row(int code, std::int64_t closing) {
    StAOSUMINFO row{};
    row.code = code;
    row.closingAmount = closing;
    return row;
}

void Append(CollectedData& data, const StAOSUMINFO& row) {
    data.rows.push_back(std::make_unique<StAOSUMINFO>(row));
}

// A task allocator that remembers the order of the frees.
class RecordingTaskMemory : public platform::TaskMemory {
public:
    void* Allocate(std::size_t size) override { return real_->Allocate(size); }
    void Free(void* block) override {
        freed.push_back(block);
        real_->Free(block);
    }
    std::size_t SizeOf(const void* block) override { return real_->SizeOf(block); }

    std::vector<void*> freed;

private:
    platform::TaskMemory* real_ = &platform::TaskMemoryAllocator();
};

TEST(CollectedData, LookupsOnAnEmptyListLeaveTheBufferAlone) {
    CollectedData data;
    StAOSUMINFO out{};
    EXPECT_EQ(data.FindRowByCode(0, &out), 0);
    EXPECT_EQ(data.FindRowAt(1, &out), 0);
    const StAOSUMINFO zero{};
    EXPECT_EQ(std::memcmp(&out, &zero, sizeof out), 0);
}

TEST(CollectedData, FindRowByCodeReturnsTheFirstMatch) {
    CollectedData data;
    Append(data, Row(5, 1));
    Append(data, Row(7, 2));
    Append(data, Row(7, 3));
    StAOSUMINFO out = Row(-1, -1);
    ASSERT_EQ(data.FindRowByCode(7, &out), 1);
    EXPECT_EQ(out.closingAmount, 2);
    out = Row(-1, -1);
    EXPECT_EQ(data.FindRowByCode(6, &out), 0);
    EXPECT_EQ(out.code, -1);
    EXPECT_EQ(data.FindRowByCode(5, nullptr), 0);
}

TEST(CollectedData, FindRowAtCountsFromOne) {
    CollectedData data;
    for (int code = 1; code <= 43; ++code) {
        Append(data, Row(code, code * 10));
    }
    StAOSUMINFO out{};
    EXPECT_EQ(data.FindRowAt(0, &out), 0);
    EXPECT_EQ(data.FindRowAt(-1, &out), 0);
    ASSERT_EQ(data.FindRowAt(43, &out), 1);
    EXPECT_EQ(out.closingAmount, 430);
    ASSERT_EQ(data.FindRowAt(1, &out), 1);
    EXPECT_EQ(out.code, 1);
    out = Row(-1, -1);
    EXPECT_EQ(data.FindRowAt(44, &out), 0);
    EXPECT_EQ(out.code, -1);
    EXPECT_EQ(data.FindRowAt(1, nullptr), 0);
}

TEST(CollectedData, ReleaseFreesGeneralThenRealEstateBlocksAndEmptiesRows) {
    RecordingTaskMemory memory;
    platform::TaskMemory* previous = platform::ReplaceTaskMemory(&memory);
    {
        CollectedData data;
        Append(data, Row(1, 1));
        data.general.blocks[6] = memory.Allocate(8);
        data.general.blocks[0] = memory.Allocate(8);
        data.realEstate.blocks[1] = memory.Allocate(8);
        const std::vector<void*> expected = {data.general.blocks[0], data.general.blocks[6],
                                             data.realEstate.blocks[1]};
        data.Release();
        EXPECT_EQ(memory.freed, expected);
        EXPECT_TRUE(data.rows.empty());
        for (void* block : data.general.blocks) {
            EXPECT_EQ(block, nullptr);
        }
        data.Release();  // the destructor releases again: nothing is freed twice
        EXPECT_EQ(memory.freed.size(), 3u);
    }
    EXPECT_EQ(memory.freed.size(), 3u);
    platform::ReplaceTaskMemory(previous);
}

TEST(CollectedData, ReleaseWithoutBlocksFreesNothingAndStillEmptiesRows) {
    RecordingTaskMemory memory;
    platform::TaskMemory* previous = platform::ReplaceTaskMemory(&memory);
    CollectedData data;
    Append(data, Row(1, 1));
    data.Release();
    EXPECT_TRUE(memory.freed.empty());
    EXPECT_TRUE(data.rows.empty());
    platform::ReplaceTaskMemory(previous);
}

}  // namespace
