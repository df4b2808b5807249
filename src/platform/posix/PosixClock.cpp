#include <time.h>

#include "platform/FramePacer.h"

namespace platform {

Nanoseconds MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<Nanoseconds>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace platform
