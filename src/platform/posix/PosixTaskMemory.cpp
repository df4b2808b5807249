#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/Adapters.h"

namespace platform {

namespace {

// Each block starts with a header holding the size asked for, padded so that
// the caller's part keeps malloc's alignment.
constexpr std::size_t kHeaderSize = (sizeof(std::size_t) + alignof(std::max_align_t) - 1) /
                                    alignof(std::max_align_t) * alignof(std::max_align_t);

class PosixTaskMemory final : public TaskMemory {
public:
    // Like CoTaskMemAlloc, a request for 0 bytes still gives a block of its own.
    void* Allocate(std::size_t size) override {
        if (size > std::numeric_limits<std::size_t>::max() - kHeaderSize) {
            return nullptr;
        }
        auto* start = static_cast<unsigned char*>(std::malloc(kHeaderSize + size));
        if (start == nullptr) {
            return nullptr;
        }
        std::memcpy(start, &size, sizeof size);
        return start + kHeaderSize;
    }

    void Free(void* block) override {
        if (block != nullptr) {
            std::free(HeaderOf(block));
        }
    }

    std::size_t SizeOf(const void* block) override {
        if (block == nullptr) {
            return 0;
        }
        std::size_t size = 0;
        std::memcpy(&size, HeaderOf(block), sizeof size);
        return size;
    }

private:
    static const unsigned char* HeaderOf(const void* block) {
        return static_cast<const unsigned char*>(block) - kHeaderSize;
    }
    static unsigned char* HeaderOf(void* block) {
        return static_cast<unsigned char*>(block) - kHeaderSize;
    }
};

}  // namespace

TaskMemory& NativeTaskMemory() {
    static PosixTaskMemory memory;
    return memory;
}

}  // namespace platform
