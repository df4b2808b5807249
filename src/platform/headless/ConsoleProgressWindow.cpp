#include "platform/headless/ConsoleProgressWindow.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/text/Cp932.h"

namespace platform::headless {
namespace {

constexpr int kBarCells = 30;
constexpr std::string_view kPercentSign = "\x81\x93";  // ％ in code page 932

// The percentage a caption shows ("集計中 100％"); nothing when it shows none.
std::optional<int> PercentIn(std::string_view caption) {
    const std::size_t sign = caption.rfind(kPercentSign);
    if (sign == std::string_view::npos || cp932::ClassAt(caption, sign) != cp932::ByteClass::Lead) {
        return std::nullopt;
    }
    std::size_t start = sign;
    while (start > 0 && start + 3 > sign && caption[start - 1] >= '0' &&
           caption[start - 1] <= '9') {
        --start;
    }
    if (start == sign) {
        return std::nullopt;
    }
    int percent = 0;
    for (std::size_t k = start; k < sign; ++k) {
        percent = percent * 10 + (caption[k] - '0');
    }
    return std::min(percent, 100);
}

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

// The part after the caption: " [####------]" for the first bar, or for the
// percentage the caption shows: the window's bar lags the caption where a
// stage of the run starts ahead of it, and one line that says 100％ beside a
// bar short of full would say two things.
std::string ConsoleProgressWindow::BarText() const {
    std::string line = " [";
    int filled = 0;
    if (const std::optional<int> percent = PercentIn(caption_)) {
        filled = *percent * kBarCells / 100;
    } else if (const auto found = bars_.find(shownBar_); found != bars_.end()) {
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
