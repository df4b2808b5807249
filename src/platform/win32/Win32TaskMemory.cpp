#include <windows.h>

#include <objbase.h>

#include "platform/Adapters.h"

namespace platform {

namespace {

class Win32TaskMemory final : public TaskMemory {
public:
    // The task allocator needs no COM initialization.
    Win32TaskMemory() {
        if (FAILED(::CoGetMalloc(1, &allocator_))) {
            allocator_ = nullptr;
        }
    }
    ~Win32TaskMemory() override {
        if (allocator_ != nullptr) {
            allocator_->Release();
        }
    }
    Win32TaskMemory(const Win32TaskMemory&) = delete;
    Win32TaskMemory& operator=(const Win32TaskMemory&) = delete;

    void* Allocate(std::size_t size) override { return ::CoTaskMemAlloc(size); }

    void Free(void* block) override { ::CoTaskMemFree(block); }

    // IMalloc::GetSize answers (SIZE_T)-1 for null.
    std::size_t SizeOf(const void* block) override {
        if (block == nullptr || allocator_ == nullptr) {
            return 0;
        }
        return allocator_->GetSize(const_cast<void*>(block));
    }

private:
    IMalloc* allocator_ = nullptr;
};

}  // namespace

TaskMemory& NativeTaskMemory() {
    static Win32TaskMemory memory;
    return memory;
}

}  // namespace platform
