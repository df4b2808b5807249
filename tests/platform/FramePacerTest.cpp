#include "platform/FramePacer.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/FakeClock.h"

namespace {

using namespace std::chrono_literals;
using platform::FramePacer;

enum class Call { Changed, Frame, LastFrame };

struct Step {
    std::chrono::microseconds later;  // since the step before
    Call call;
    bool due;  // the answer of Frame and LastFrame
    const char* why;
};

TEST(FramePacerTest, DrawsTheFirstFrameThenOnePerIntervalAndTheUndrawnLastState) {
    const Step steps[] = {
        {0us, Call::LastFrame, false, "nothing changed yet"},
        {0us, Call::Frame, true, "the first frame"},
        {0us, Call::Frame, false, "no time passed"},
        {16'000us, Call::Frame, false, "less than an interval"},
        {667us, Call::Frame, true, "an interval after the last frame"},
        {1'000us, Call::Changed, false, ""},
        {0us, Call::Frame, false, "a change alone does not make a frame due"},
        {0us, Call::LastFrame, true, "the change was not drawn"},
        {0us, Call::LastFrame, false, "the last state is drawn"},
        {10'000us, Call::Frame, false, "the last frame counts as drawn"},
        {6'667us, Call::Frame, true, "an interval after the last frame"},
        {0us, Call::Changed, false, ""},
        {1'000'000us, Call::Frame, true, "a long pause"},
        {0us, Call::LastFrame, false, "the frame drew the change"},
    };
    testsupport::FakeClock clock;
    FramePacer pacer(clock.Reader());
    for (const Step& step : steps) {
        clock.Advance(std::chrono::nanoseconds(step.later).count());
        switch (step.call) {
            case Call::Changed:
                pacer.Changed();
                break;
            case Call::Frame:
                EXPECT_EQ(step.due, pacer.FrameDue()) << step.why;
                break;
            case Call::LastFrame:
                EXPECT_EQ(step.due, pacer.LastFrameDue()) << step.why;
                break;
        }
    }
}

TEST(FramePacerTest, PacesAboutSixtyFramesASecond) {
    testsupport::FakeClock clock;
    FramePacer pacer(clock.Reader());
    int frames = 0;
    for (int k = 0; k < 100'000; ++k) {  // a repaint every 10 microseconds for a second
        frames += pacer.FrameDue() ? 1 : 0;
        clock.Advance(std::chrono::nanoseconds(10us).count());
    }
    EXPECT_EQ(60, frames);
}

}  // namespace
