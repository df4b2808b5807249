// The Win32 window system against Wine's user32 and comctl32. Windows need a
// display: without one (no X server) these tests are skipped; run them with
// xvfb-run.
#ifdef _WIN32

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ProgressWindow.h"
#include "platform/WindowSystem.h"
#include "platform/headless/RecordingHandler.h"
#include "platform/win32/Win32Handle.h"
#include "platform/win32/Win32ProgressWindow.h"
#include "support/FakeClock.h"
#include "support/Sjis.h"

namespace {

using testsupport::RecordingHandler;
using testsupport::Sjis;
using Calls = std::vector<std::string>;

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A test that goes wrong must not leave the modal loop waiting for input.
platform::DialogControls* g_openDialog = nullptr;

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    if (g_openDialog != nullptr) {
        g_openDialog->EndDialog(-2);
    }
}

class Timer {
public:
    explicit Timer(UINT milliseconds) : id_(SetTimer(nullptr, 0, milliseconds, &GiveUp)) {}
    ~Timer() { KillTimer(nullptr, id_); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

private:
    UINT_PTR id_;
};

TEST(Win32UiTest, ProgressWindowFromTemplate131) {
    if (!platform::Windows().CreateProgressWindow(131)) {
        GTEST_SKIP() << "no display";
    }
    // Every repaint draws a frame.
    std::unique_ptr<platform::ProgressWindow> window =
        platform::win32::Win32ProgressWindow::Create(131, testsupport::FrameEveryReading());
    ASSERT_NE(nullptr, window);
    HWND dialog = reinterpret_cast<HWND>(window->Handle());
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog)) << "not visible until shown";
    EXPECT_EQ(0, GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(L"集計中", WindowText(dialog));

    HWND overall = GetDlgItem(dialog, 1018);
    ASSERT_NE(nullptr, overall);
    wchar_t className[64] = {};
    GetClassNameW(overall, className, 64);
    EXPECT_EQ(std::wstring(L"msctls_progress32"), className);
    ASSERT_NE(nullptr, GetDlgItem(dialog, 1019));

    window->SetCaption(Sjis("集計中 45％"));
    EXPECT_EQ(L"集計中 45％", WindowText(dialog));

    window->SetBarRange(1018, 0, 1000);
    window->SetBarStep(1018, 1);
    window->SetBarPosition(1018, 0);
    for (int k = 0; k < 3; ++k) {
        window->StepBar(1018);
    }
    EXPECT_EQ(0, SendMessageW(overall, PBM_GETPOS, 0, 0)) << "the control moves with a frame";
    window->Repaint();
    EXPECT_EQ(3, SendMessageW(overall, PBM_GETPOS, 0, 0));

    window->SetBarRange(1019, 0, 5);
    window->SetBarStep(1019, 1);
    window->SetBarPosition(1019, 0);
    for (int k = 0; k < 6; ++k) {
        window->StepBar(1019);
        window->BringToTop();
        window->Repaint();
    }
    EXPECT_EQ(1, SendDlgItemMessageW(dialog, 1019, PBM_GETPOS, 0, 0))
        << "past the top the bar starts again, as the console's bar does";

    window->Close();
    EXPECT_FALSE(IsWindow(dialog));
}

TEST(Win32UiTest, ModalLoopOffersKeysBeforeTheDialogManager) {
    const platform::win32::WindowHandleOwner owner(
        CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                        GetModuleHandleW(nullptr), nullptr));
    if (owner.Get() == nullptr) {
        GTEST_SKIP() << "no display";
    }
    HWND seen = nullptr;
    bool ownerDisabled = false;
    std::wstring caption;
    std::string edited;
    std::string company;
    bool clickedAlone = false;
    int focusAfterSetFocus = 0;
    DWORD selection = 0;

    RecordingHandler handler;
    handler.init = [&](platform::DialogControls& controls) {
        g_openDialog = &controls;
        seen = reinterpret_cast<HWND>(controls.Handle());
        ownerDisabled = IsWindowEnabled(owner.Get()) == FALSE;
        caption = WindowText(seen);
        controls.SetText(1004, Sjis("髙橋商店"));
        company = controls.Text(1004);
        controls.Check(1010, true);
        controls.Enable(1011, false);
        controls.LimitText(1016, 5);
        SendDlgItemMessageW(seen, 1016, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"abあい"));
        edited = controls.Text(1016);
        PostMessageW(GetDlgItem(seen, 1016), WM_KEYDOWN, VK_F12, 0);
        return true;
    };
    handler.key = [&](platform::DialogControls& controls, const platform::KeyEvent& key) {
        if (key.virtualKey != VK_F12) {
            return false;
        }
        SendDlgItemMessageW(seen, 1012, BM_CLICK, 0, 0);
        clickedAlone = controls.IsChecked(1012) && !controls.IsChecked(1010);
        controls.SetFocus(1017);
        focusAfterSetFocus = controls.FocusedControl();
        controls.SelectAll(1016);
        selection = static_cast<DWORD>(SendDlgItemMessageW(seen, 1016, EM_GETSEL, 0, 0));
        PostMessageW(GetDlgItem(seen, 1017), WM_KEYDOWN, VK_ESCAPE, 0);
        return true;
    };

    int result = 0;
    {
        Timer timer(10000);
        result = platform::Windows().RunModalDialog(
            130, reinterpret_cast<platform::WindowHandle>(owner.Get()), handler);
    }
    g_openDialog = nullptr;
    if (result == -1 && handler.calls.empty()) {
        GTEST_SKIP() << "no display";
    }
    EXPECT_EQ(1014, result);
    EXPECT_EQ((Calls{"init", "key 123", "command 1012", "key 27", "cancel"}), handler.calls);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Get())) << "the owner gets its input back";
    EXPECT_FALSE(IsWindow(seen)) << "the dialog is destroyed";
    EXPECT_EQ(L"所得税 - 集計条件", caption);
    EXPECT_EQ(Sjis("髙橋商店"), company);
    EXPECT_EQ(Sjis("abあ"), edited) << "the limit counts bytes";
    EXPECT_TRUE(clickedAlone);
    EXPECT_EQ(1017, focusAfterSetFocus);
    EXPECT_EQ(0u, LOWORD(selection));
    EXPECT_EQ(3u, HIWORD(selection)) << "abあ: three characters";
}

TEST(Win32UiTest, UserInsertionIsCutToTheByteLimit) {
    std::string afterMiddle;
    std::string afterEnd;
    std::string afterProgram;
    RecordingHandler handler;
    handler.init = [&](platform::DialogControls& controls) {
        HWND dialog = reinterpret_cast<HWND>(controls.Handle());
        controls.SetText(1016, "abcd");
        controls.LimitText(1016, 5);
        SendDlgItemMessageW(dialog, 1016, EM_SETSEL, 2, 2);
        SendDlgItemMessageW(dialog, 1016, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"あ"));
        afterMiddle = controls.Text(1016);
        SendDlgItemMessageW(dialog, 1016, EM_SETSEL, 4, 4);
        SendDlgItemMessageW(dialog, 1016, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"xyz"));
        afterEnd = controls.Text(1016);
        controls.SetText(1016, Sjis("C:\\出力\\r.xml"));
        afterProgram = controls.Text(1016);
        controls.EndDialog(1013);
        return true;
    };
    const int result = platform::Windows().RunModalDialog(130, 0, handler);
    if (result == -1 && handler.calls.empty()) {
        GTEST_SKIP() << "no display";
    }
    EXPECT_EQ(1013, result);
    EXPECT_EQ("abcd", afterMiddle) << "a double-byte character does not fit in one byte";
    EXPECT_EQ("abcdx", afterEnd);
    EXPECT_EQ(Sjis("C:\\出力\\r.xml"), afterProgram) << "the program's text is not limited";
    EXPECT_EQ(Calls{"init"}, handler.calls) << "ended during initialisation: no loop";
}

}  // namespace

#endif
