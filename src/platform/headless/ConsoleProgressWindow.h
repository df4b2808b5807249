#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/DialogTemplate.h"
#include "platform/FramePacer.h"
#include "platform/ProgressBarState.h"
#include "platform/ProgressWindow.h"
#include "platform/WindowHandle.h"
#include "platform/headless/ConsoleOutput.h"

namespace platform::headless {

// A progress window as one console line: the caption and the first bar of its
// template, rewritten in place when the program repaints the window and the
// line has changed, and ended by a line feed when the window closes. Repaints
// are paced to display frames (FramePacer), and the last state is drawn before
// the line ends. A hidden one keeps its state and writes nothing.
class ConsoleProgressWindow final : public ProgressWindow {
public:
    ConsoleProgressWindow(const DialogTemplate& dialogTemplate,
                          std::shared_ptr<ConsoleOutput> output, bool visible, WindowHandle handle,
                          FramePacer::Clock clock = {});
    ~ConsoleProgressWindow() override;
    ConsoleProgressWindow(const ConsoleProgressWindow&) = delete;
    ConsoleProgressWindow& operator=(const ConsoleProgressWindow&) = delete;

    WindowHandle Handle() override { return handle_; }
    void Show() override;
    void SetParent(WindowHandle parent) override { parent_ = parent; }
    void SetCaption(const std::string& caption) override;
    // Bars follow the progress control: a position is kept inside the range,
    // and a step past the top starts again from the bottom.
    void SetBarRange(int barId, int low, int high) override;
    void SetBarStep(int barId, int step) override;
    void SetBarPosition(int barId, int position) override;
    void StepBar(int barId) override;
    void BringToTop() override {}
    void MakeForeground() override {}
    void Repaint() override;
    void Close() override;

    const std::string& Caption() const { return caption_; }
    WindowHandle Parent() const { return parent_; }
    // The position of a bar of the template; 0 for an id it does not have.
    int BarPosition(int barId) const;

private:
    using Bar = ProgressBarState;

    Bar* FindBar(int barId);
    std::string BarText() const;
    void Draw();

    std::shared_ptr<ConsoleOutput> output_;
    bool visible_;
    WindowHandle handle_;
    WindowHandle parent_ = 0;
    std::string caption_;
    std::map<int, Bar> bars_;
    int shownBar_ = 0;
    bool shown_ = false;
    bool closed_ = false;
    std::string drawn_;
    FramePacer pacer_;
};

}  // namespace platform::headless
