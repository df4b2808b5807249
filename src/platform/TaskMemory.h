#pragma once

#include <cstddef>

namespace platform {

// COM task memory: the host allocates statement blocks with it and the program
// frees them with it. It knows the size of every block it handed out, which
// is what bounds every read of a host block.
class TaskMemory {
public:
    virtual ~TaskMemory() = default;
    // Null when the memory is not available.
    virtual void* Allocate(std::size_t size) = 0;
    // Null is allowed and ignored.
    virtual void Free(void* block) = 0;
    // Size requested for a block of this allocator; 0 for null.
    virtual std::size_t SizeOf(const void* block) = 0;
};

TaskMemory& TaskMemoryAllocator();
// Installs a replacement (tests); null restores the real adapter. Returns the previous one.
TaskMemory* ReplaceTaskMemory(TaskMemory* replacement);

}  // namespace platform
