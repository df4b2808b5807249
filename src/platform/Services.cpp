#include "platform/Adapters.h"

namespace platform {

namespace {
FileSystem* g_files = nullptr;
TaskMemory* g_taskMemory = nullptr;
}  // namespace

FileSystem& Files() {
    return g_files ? *g_files : NativeFiles();
}

FileSystem* ReplaceFiles(FileSystem* replacement) {
    FileSystem* previous = &Files();
    g_files = replacement;
    return previous;
}

TaskMemory& TaskMemoryAllocator() {
    return g_taskMemory ? *g_taskMemory : NativeTaskMemory();
}

TaskMemory* ReplaceTaskMemory(TaskMemory* replacement) {
    TaskMemory* previous = &TaskMemoryAllocator();
    g_taskMemory = replacement;
    return previous;
}

}  // namespace platform
