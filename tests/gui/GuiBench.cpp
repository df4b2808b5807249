// gui-bench.exe: how long Brenlo.exe takes from F12 in the conditions dialog
// to its outcome message, as a user sees it. Starts the program on BOOKS,
// types REPORT as the output path, presses F12, and prints the seconds until
// the message box shows; the answer is then OK. Exit status 0 when the
// message says the report was written.
//
//   gui-bench.exe BOOKS REPORT
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "gui/GuiDriver.h"

namespace {

constexpr wchar_t kDialogCaption[] = L"所得税 - 集計条件";
constexpr wchar_t kWritten[] =
    L"所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gui-bench BOOKS REPORT\n");
        return 64;
    }
    if (SetEnvironmentVariableA("TOBRA_BOOKS", argv[1]) == FALSE) {
        return 2;
    }
    gui::Process program = gui::Start(gui::ProgramFolder() + "Brenlo.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    if (dialog == nullptr) {
        std::fprintf(stderr, "gui-bench: no conditions dialog\n");
        return 2;
    }
    gui::Type(dialog, 1016, gui::Wide(argv[2]));
    // The typed path is in the edit before the key arrives: both are posted.
    const auto pressed = std::chrono::steady_clock::now();
    gui::PressKey(dialog, VK_F12);
    const std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id(), L"所得税");
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - pressed;
    if (!box) {
        std::fprintf(stderr, "gui-bench: no outcome message\n");
        return 2;
    }
    std::printf("%.3f\n", taken.count());
    gui::Answer(*box, IDOK);
    program.WaitForExit();
    return box->text == kWritten ? 0 : 1;
}
