#include "core/ProgressDlg.h"

#include <cstdio>

namespace {
constexpr int kActivityPasses = 6;
constexpr char kCaptionFormat[] = "集計中 %d％";
}  // namespace

CProgressDlg::CProgressDlg(std::unique_ptr<platform::ProgressWindow> window)
    : m_window(std::move(window)) {}

CProgressDlg::~CProgressDlg() = default;

void CProgressDlg::Show() {
    if (m_window) {
        m_window->Show();
    }
}

void CProgressDlg::SetParent(platform::WindowHandle parent) {
    if (m_window) {
        m_window->SetParent(parent);
    }
}

void CProgressDlg::Close() {
    if (m_window) {
        m_window->Close();
    }
}

void CProgressDlg::Start() {
    if (!m_window) {
        return;
    }
    m_window->SetBarRange(kOverallBar, 0, 1000);
    m_window->SetBarStep(kOverallBar, 1);
    m_window->SetBarPosition(kOverallBar, 0);
}

void CProgressDlg::Pulse() {
    if (!m_window) {
        return;
    }
    m_window->SetBarRange(kActivityBar, 0, 5);
    m_window->SetBarStep(kActivityBar, 1);
    m_window->SetBarPosition(kActivityBar, 0);
    // No messages are dispatched while the work runs: each pass brings the
    // window forward and repaints it itself.
    for (int pass = 0; pass < kActivityPasses; ++pass) {
        m_window->StepBar(kActivityBar);
        m_window->BringToTop();
        m_window->MakeForeground();
        m_window->Repaint();
    }
}

void CProgressDlg::Advance(std::int16_t from, std::int16_t to) {
    if (!m_window) {
        return;
    }
    for (int value = from; value <= to; ++value) {
        if (value % 10 == 0) {
            char caption[64];
            std::snprintf(caption, sizeof caption, kCaptionFormat, value / 10);
            m_window->SetCaption(caption);
        }
        m_window->StepBar(kOverallBar);
        Pulse();
        m_window->Repaint();
    }
}
