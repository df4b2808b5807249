#include "platform/Adapters.h"
#include "platform/WindowSystem.h"
#ifdef _WIN32
#include "platform/win32/Win32WindowSystem.h"
#else
#include "platform/headless/ConsoleWindowSystem.h"
#endif

namespace platform {

namespace {
FileSystem* g_files = nullptr;
TaskMemory* g_taskMemory = nullptr;
WindowSystem* g_windows = nullptr;

// Windows has its GUI; elsewhere the console stands in for it.
WindowSystem& NativeWindows() {
#ifdef _WIN32
    return Win32Windows();
#else
    return headless::ConsoleWindows();
#endif
}
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

WindowSystem& Windows() {
    return g_windows ? *g_windows : NativeWindows();
}

WindowSystem* ReplaceWindows(WindowSystem* replacement) {
    WindowSystem* previous = &Windows();
    g_windows = replacement;
    return previous;
}

}  // namespace platform
