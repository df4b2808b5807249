#pragma once

#include <cstdint>
#include <memory>

#include "platform/ProgressWindow.h"

// The progress window of a run: an overall bar from 0 to 1000 (tenths of a
// per cent) with the percentage in the caption, and an activity bar that runs
// through its range at every small step of the work.
class CProgressDlg {
public:
    static constexpr int kTemplateId = 131;
    static constexpr int kOverallBar = 1018;
    static constexpr int kActivityBar = 1019;

    explicit CProgressDlg(std::unique_ptr<platform::ProgressWindow> window);
    virtual ~CProgressDlg();
    CProgressDlg(const CProgressDlg&) = delete;
    CProgressDlg& operator=(const CProgressDlg&) = delete;

    // A window that could not be created shows nothing; the work goes on.
    platform::WindowHandle Handle() const { return m_pWindow ? m_pWindow->Handle() : 0; }
    void Show();
    void SetParent(platform::WindowHandle parent);
    void Close();

    void Start();
    void Pulse();
    void Advance(std::int16_t from, std::int16_t to);

private:
    std::unique_ptr<platform::ProgressWindow> m_pWindow;
};
