#pragma once

#include <memory>

#include "platform/FramePacer.h"

namespace testsupport {

// A clock for frame pacing that stands still until the test moves it.
class FakeClock {
public:
    platform::FramePacer::Clock Reader() {
        return [now = now_] { return *now; };
    }
    void Advance(platform::Nanoseconds by) { *now_ += by; }

private:
    std::shared_ptr<platform::Nanoseconds> now_ = std::make_shared<platform::Nanoseconds>(0);
};

// A clock that moves a whole frame on every reading: each repaint draws.
inline platform::FramePacer::Clock FrameEveryReading() {
    auto now = std::make_shared<platform::Nanoseconds>(0);
    return [now] { return *now += platform::FramePacer::kInterval; };
}

}  // namespace testsupport
