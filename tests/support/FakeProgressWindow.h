#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ProgressWindow.h"

namespace testsupport {

// Records what is done to a progress window; the test keeps a pointer to it
// while the progress dialog owns it.
class FakeProgressWindow : public platform::ProgressWindow {
public:
    struct Bar {
        int low = 0;
        int high = 100;
        int step = 10;
        int position = 0;
        int steps = 0;  // StepBar calls
    };

    std::vector<std::string> captions;
    std::map<int, Bar> bars;
    int repaints = 0;
    bool shown = false;
    bool closed = false;
    platform::WindowHandle parent = 0;

    platform::WindowHandle Handle() override { return 0x131; }
    void Show() override { shown = true; }
    void SetParent(platform::WindowHandle window) override { parent = window; }
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void SetBarRange(int id, int low, int high) override {
        bars[id].low = low;
        bars[id].high = high;
    }
    void SetBarStep(int id, int step) override { bars[id].step = step; }
    void SetBarPosition(int id, int position) override { bars[id].position = position; }
    void StepBar(int id) override {
        Bar& bar = bars[id];
        ++bar.steps;
        bar.position += bar.step;
        if (bar.position >
            bar.high) {  // a full progress bar wraps around, as the common control does
            bar.position = bar.low + (bar.position - bar.high);
        }
    }
    void BringToTop() override {}
    void MakeForeground() override {}
    void Repaint() override { ++repaints; }
    void Close() override { closed = true; }
};

}  // namespace testsupport
