#include "core/ProgressDlg.h"

#include <cstdio>

namespace {
constexpr int kActivityPasses = 6;
constexpr char kCaptionFormat[] = "集計中 %d％";
}  // namespace

CProgressDlg::CProgressDlg(std::unique_ptr<platform::ProgressWindow> window)
    : m_pWindow(std::move(window)) {}

CProgressDlg::~CProgressDlg() = default;

void CProgressDlg::Show() {
    if (m_pWindow) {
        m_pWindow->Show();
    }
}

void CProgressDlg::SetParent(platform::WindowHandle parent) {
    if (m_pWindow) {
        m_pWindow->SetParent(parent);
    }
}

void CProgressDlg::Close() {
    if (m_pWindow) {
        m_pWindow->Close();
    }
}

void CProgressDlg::Start() {
    if (!m_pWindow) {
        return;
    }
    m_pWindow->SetBarRange(kOverallBar, 0, 1000);
    m_pWindow->SetBarStep(kOverallBar, 1);
    m_pWindow->SetBarPosition(kOverallBar, 0);
}

void CProgressDlg::Pulse() {
    if (!m_pWindow) {
        return;
    }
    m_pWindow->SetBarRange(kActivityBar, 0, 5);
    m_pWindow->SetBarStep(kActivityBar, 1);
    m_pWindow->SetBarPosition(kActivityBar, 0);
    // No messages are dispatched while the work runs: each pass brings the
    // window forward and repaints it itself.
    for (int pass = 0; pass < kActivityPasses; ++pass) {
        m_pWindow->StepBar(kActivityBar);
        m_pWindow->BringToTop();
        m_pWindow->MakeForeground();
        m_pWindow->Repaint();
    }
}

void CProgressDlg::Advance(std::int16_t from, std::int16_t to) {
    if (!m_pWindow) {
        return;
    }
    for (int value = from; value <= to; ++value) {
        if (value % 10 == 0) {
            char caption[64];
            std::snprintf(caption, sizeof caption, kCaptionFormat, value / 10);
            m_pWindow->SetCaption(caption);
        }
        m_pWindow->StepBar(kOverallBar);
        Pulse();
        m_pWindow->Repaint();
    }
}
