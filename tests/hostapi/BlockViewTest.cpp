#include "hostapi/BlockView.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "platform/TaskMemory.h"

namespace {

using hostapi::BlockView;
using hostapi::MutableBlockView;

TEST(BlockView, AbsentBlockReadsEverythingAsAbsent) {
    BlockView absent;
    EXPECT_FALSE(absent.IsPresent());
    EXPECT_FALSE(absent.Int8(0));
    EXPECT_FALSE(absent.Text(0, 0));
    EXPECT_FALSE(absent.Sub(0, 0).IsPresent());
    EXPECT_FALSE(BlockView::OfTaskMemory(nullptr).IsPresent());
    EXPECT_FALSE(BlockView(nullptr, 100).Fits(0, 1));
}

TEST(BlockView, FieldsMustFitWhole) {
    std::array<unsigned char, 12> bytes{};
    const std::int64_t value = 0x0102030405060708LL;
    std::memcpy(bytes.data() + 3, &value, sizeof value);  // unaligned, as in host blocks
    BlockView view(bytes.data(), bytes.size());

    EXPECT_EQ(view.Int64(3), value);
    EXPECT_TRUE(view.Int64(4));              // ends on the last byte
    EXPECT_EQ(view.Int64(5), std::nullopt);  // last byte would be at 12
    EXPECT_EQ(view.Int32(8), std::optional<std::int32_t>(static_cast<std::int32_t>(value >> 40)));
    EXPECT_EQ(view.Int32(9), std::nullopt);
    EXPECT_TRUE(view.Uint8(11));
    EXPECT_FALSE(view.Uint8(12));
    // An offset so large that offset + width wraps around must not pass.
    EXPECT_FALSE(view.Int16(SIZE_MAX));
    EXPECT_FALSE(view.Text(SIZE_MAX - 1, 4));
    EXPECT_TRUE(view.Text(12, 0));  // an empty field at the very end fits
}

TEST(BlockView, TextStopsAtNulOrAtItsWidth) {
    const char bytes[] = {'A', 'B', '\0', 'C', 'D', 'E', 'F', 'G'};
    BlockView view(bytes, sizeof bytes);
    EXPECT_EQ(view.Text(0, 5), "AB");
    EXPECT_EQ(view.Text(3, 3), "CDE");  // no NUL inside the field: the whole width
    EXPECT_EQ(view.Text(3, 5), "CDEFG");
    EXPECT_EQ(view.Text(3, 6), std::nullopt);
}

TEST(BlockView, SubViewIsBoundedByItsEntry) {
    std::array<unsigned char, 20> bytes{};
    bytes[15] = 7;
    BlockView view(bytes.data(), bytes.size());
    BlockView entry = view.Sub(10, 6);
    ASSERT_TRUE(entry.IsPresent());
    EXPECT_EQ(entry.Size(), 6u);
    EXPECT_EQ(entry.Uint8(5), 7);
    EXPECT_FALSE(entry.Uint8(6));  // inside the block, outside the entry
    EXPECT_FALSE(view.Sub(15, 6).IsPresent());
}

TEST(BlockView, TaskMemoryBlockIsSizedByTheAllocator) {
    auto& memory = platform::TaskMemoryAllocator();
    void* block = memory.Allocate(542);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0, 542);

    MutableBlockView writable = MutableBlockView::OfTaskMemory(block);
    EXPECT_EQ(writable.Size(), 542u);
    EXPECT_TRUE(writable.Store<std::int64_t>(534, 42));
    EXPECT_FALSE(writable.Store<std::int64_t>(535, 42));
    EXPECT_EQ(BlockView::OfTaskMemory(block).Int64(534), 42);
    EXPECT_EQ(BlockView::OfTaskMemory(block).Uint8(541), 0);  // the failed store wrote nothing
    memory.Free(block);
}

}  // namespace
