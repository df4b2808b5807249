#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/TaskMemory.h"

// Run against the POSIX allocator natively and against CoTaskMemAlloc and
// IMalloc::GetSize under Wine.

namespace {

bool IsAligned(const void* block) {
    return reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t) == 0;
}

TEST(TaskMemoryTest, BlocksKnowTheSizeAskedFor) {
    platform::TaskMemory& memory = platform::TaskMemoryAllocator();
    for (std::size_t size :
         {std::size_t{1}, std::size_t{156}, std::size_t{542}, std::size_t{236 * 5}}) {
        void* block = memory.Allocate(size);
        ASSERT_NE(nullptr, block) << size;
        EXPECT_TRUE(IsAligned(block)) << size;
        EXPECT_EQ(size, memory.SizeOf(block));
        std::memset(block, 0xA5, size);
        memory.Free(block);
    }
}

TEST(TaskMemoryTest, BlocksAreIndependent) {
    platform::TaskMemory& memory = platform::TaskMemoryAllocator();
    std::vector<void*> blocks;
    for (std::size_t k = 0; k < 8; ++k) {
        void* block = memory.Allocate(100 + k);
        ASSERT_NE(nullptr, block);
        std::memset(block, static_cast<int>(k), 100 + k);
        blocks.push_back(block);
    }
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        EXPECT_EQ(100 + k, memory.SizeOf(blocks[k]));
        const auto* bytes = static_cast<const unsigned char*>(blocks[k]);
        for (std::size_t i = 0; i < 100 + k; ++i) {
            ASSERT_EQ(k, bytes[i]) << k << " " << i;
        }
    }
    for (void* block : blocks) {
        memory.Free(block);
    }
}

TEST(TaskMemoryTest, ZeroBytesGiveBlocksOfTheirOwn) {
    platform::TaskMemory& memory = platform::TaskMemoryAllocator();
    void* first = memory.Allocate(0);
    void* second = memory.Allocate(0);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(0u, memory.SizeOf(first));
    EXPECT_EQ(0u, memory.SizeOf(second));
    memory.Free(first);
    memory.Free(second);
}

TEST(TaskMemoryTest, ImpossibleSizeGivesNull) {
    EXPECT_EQ(nullptr, platform::TaskMemoryAllocator().Allocate(SIZE_MAX));
}

TEST(TaskMemoryTest, NullIsIgnored) {
    platform::TaskMemory& memory = platform::TaskMemoryAllocator();
    memory.Free(nullptr);
    EXPECT_EQ(0u, memory.SizeOf(nullptr));
}

}  // namespace
