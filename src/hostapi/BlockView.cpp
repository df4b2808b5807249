#include "hostapi/BlockView.h"

#include "platform/TaskMemory.h"

namespace hostapi {

BlockView BlockView::OfTaskMemory(const void* block) {
    if (block == nullptr) {
        return {};
    }
    return {block, platform::TaskMemoryAllocator().SizeOf(block)};
}

std::optional<std::string_view> BlockView::Text(std::size_t offset, std::size_t width) const {
    if (!Fits(offset, width)) {
        return std::nullopt;
    }
    const char* begin = reinterpret_cast<const char*>(data_ + offset);
    const void* nul = std::memchr(begin, '\0', width);
    std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - begin) : width;
    return std::string_view(begin, length);
}

MutableBlockView MutableBlockView::OfTaskMemory(void* block) {
    if (block == nullptr) {
        return {};
    }
    return {block, platform::TaskMemoryAllocator().SizeOf(block)};
}

}  // namespace hostapi
