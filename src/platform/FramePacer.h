#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// A monotonic clock in nanoseconds since some fixed point. (The program's
// sources are compiled for code page 932, which <chrono>'s "µs" defeats.)
using Nanoseconds = std::int64_t;
Nanoseconds MonotonicNow();

// Decides when a window that the program updates thousands of times a second
// is actually drawn: the first time, then at most once per display interval,
// and once more for a last state that no frame has shown yet. Drawing every
// update costs far more than the work it reports on.
class FramePacer {
public:
    using Clock = std::function<Nanoseconds()>;

    // About 60 frames a second, the pace of a display.
    static constexpr Nanoseconds kInterval = 16'666'667;

    // Without a clock the pacer reads MonotonicNow.
    explicit FramePacer(Clock clock = {}, Nanoseconds interval = kInterval);

    // Something a frame shows has changed.
    void Changed() { changed_ = true; }
    // Whether to draw a frame now; a true answer counts as the frame drawn.
    bool FrameDue();
    // Whether a change since the last frame was never drawn (before the
    // window goes away); a true answer counts as the frame drawn.
    bool LastFrameDue();

private:
    void Drawn(Nanoseconds at);

    Clock clock_;
    Nanoseconds interval_;
    std::optional<Nanoseconds> lastFrame_;
    bool changed_ = false;
};

}  // namespace platform
