#include <windows.h>

#include "platform/FramePacer.h"

namespace platform {

Nanoseconds MonotonicNow() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value{};
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    // Whole seconds and the rest apart, so the product cannot overflow.
    return count.QuadPart / frequency * 1'000'000'000 +
           count.QuadPart % frequency * 1'000'000'000 / frequency;
}

}  // namespace platform
