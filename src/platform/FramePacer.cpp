#include "platform/FramePacer.h"

#include <utility>

namespace platform {

FramePacer::FramePacer(Clock clock, Nanoseconds interval)
    : clock_(clock ? std::move(clock) : Clock(&MonotonicNow)), interval_(interval) {}

bool FramePacer::FrameDue() {
    const Nanoseconds now = clock_();
    if (lastFrame_ && now - *lastFrame_ < interval_) {
        return false;
    }
    Drawn(now);
    return true;
}

bool FramePacer::LastFrameDue() {
    if (!changed_) {
        return false;
    }
    Drawn(clock_());
    return true;
}

void FramePacer::Drawn(Nanoseconds at) {
    lastFrame_ = at;
    changed_ = false;
}

}  // namespace platform
