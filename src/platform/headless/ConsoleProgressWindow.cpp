#include "platform/headless/ConsoleProgressWindow.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace platform::headless {
namespace {

constexpr int kBarCells = 30;

}  // namespace

ConsoleProgressWindow::ConsoleProgressWindow(const DialogTemplate& dialogTemplate,
                                             std::shared_ptr<ConsoleOutput> output, bool visible,
                                             WindowHandle handle, FramePacer::Clock clock)
    : output_(std::move(output)),
      visible_(visible),
      handle_(handle),
      caption_(dialogTemplate.caption),
      pacer_(std::move(clock)) {
    for (const DialogControlTemplate& control : dialogTemplate.controls) {
        if (std::string_view(control.windowClass) == kProgressClass) {
            bars_.emplace(control.id, Bar{});
            if (shownBar_ == 0) {
                shownBar_ = control.id;
            }
        }
    }
}

ConsoleProgressWindow::~ConsoleProgressWindow() {
    Close();
}

void ConsoleProgressWindow::Show() {
    shown_ = true;
    Repaint();
}

void ConsoleProgressWindow::SetCaption(const std::string& caption) {
    caption_ = caption;
    pacer_.Changed();
}

void ConsoleProgressWindow::SetBarRange(int barId, int low, int high) {
    if (Bar* bar = FindBar(barId)) {
        bar->SetRange(low, high);
        pacer_.Changed();
    }
}

void ConsoleProgressWindow::SetBarStep(int barId, int step) {
    if (Bar* bar = FindBar(barId)) {
        bar->step = step;
    }
}

void ConsoleProgressWindow::SetBarPosition(int barId, int position) {
    if (Bar* bar = FindBar(barId)) {
        bar->SetPosition(position);
        pacer_.Changed();
    }
}

void ConsoleProgressWindow::StepBar(int barId) {
    if (Bar* bar = FindBar(barId)) {
        bar->Step();
        pacer_.Changed();
    }
}

void ConsoleProgressWindow::Repaint() {
    if (visible_ && shown_ && !closed_ && pacer_.FrameDue()) {
        Draw();
    }
}

void ConsoleProgressWindow::Draw() {
    const std::string bar = BarText();
    std::string line = ConsoleText(caption_) + bar;
    if (line == drawn_ && output_->IsLineOpen()) {
        return;
    }
    output_->RewriteLine(line, ConsoleWidth(caption_) + bar.size());
    drawn_ = std::move(line);
}

void ConsoleProgressWindow::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    if (visible_ && shown_) {
        if (pacer_.LastFrameDue()) {
            Draw();
        }
        output_->EndLine();
    }
}

int ConsoleProgressWindow::BarPosition(int barId) const {
    const auto found = bars_.find(barId);
    return found != bars_.end() ? found->second.position : 0;
}

ConsoleProgressWindow::Bar* ConsoleProgressWindow::FindBar(int barId) {
    const auto found = bars_.find(barId);
    return found != bars_.end() ? &found->second : nullptr;
}

// The part after the caption: " [####------]" for the first bar.
std::string ConsoleProgressWindow::BarText() const {
    std::string line = " [";
    int filled = 0;
    if (const auto found = bars_.find(shownBar_); found != bars_.end()) {
        const Bar& bar = found->second;
        if (bar.high > bar.low) {
            const long long done = std::clamp(bar.position, bar.low, bar.high) - bar.low;
            filled = static_cast<int>(done * kBarCells / (bar.high - bar.low));
        }
    }
    line.append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(kBarCells - filled), '-');
    line += ']';
    return line;
}

}  // namespace platform::headless
