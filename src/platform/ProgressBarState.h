#pragma once

#include <algorithm>

namespace platform {

// What a progress bar control (msctls_progress32) holds, with its arithmetic:
// a position is kept inside the range, and a step past the top starts again
// from the bottom. Adapters keep it in the program and show it when they draw.
struct ProgressBarState {
    int low = 0;
    int high = 100;
    int step = 10;
    int position = 0;

    void SetRange(int newLow, int newHigh) {
        low = newLow;
        high = newHigh;
        SetPosition(position);
    }
    void SetPosition(int newPosition) {
        position = std::clamp(newPosition, low, std::max(low, high));
    }
    void Step() {
        position += step;
        if (position > high && high > low) {
            position = (position - low) % (high - low) + low;
        }
    }

    bool operator==(const ProgressBarState&) const = default;
};

}  // namespace platform
