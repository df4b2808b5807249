// gui-screenshots.exe: captures the GUI program's windows for the README and
// the user's guide, as the screen shows them: the conditions dialog for each
// kind of books (business and real estate, business only, real estate only,
// started by the host with the output path fixed),
// the progress window during a run, and the message boxes of a refused path,
// of the overwrite question and of the written report, the viewer's open-file
// dialog and its message; with STRESS_BOOKS
// (tools/gen-stress-books.py) also the progress window in the middle of a run
// over those books. Writes 24-bit BMP files into FOLDER.
//
//   gui-screenshots.exe FOLDER [STRESS_BOOKS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "gui/GuiDriver.h"
#include "support/Files.h"
#include "support/TempFolder.h"

namespace {

// The window's rectangle on the screen, as a bottom-up 24-bit BMP.
bool CaptureWindow(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(pixels.data(), pixels.size());
    return testsupport::WriteFile(path, bytes);
}

std::string SampleBooks() {
    return std::string(BRENLO_SOURCE_DIR) + "\\samples\\Books-blue.json";
}

// Each missing level of a folder.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('\\', 3);; slash = folder.find('\\', slash + 1)) {
        const std::string level = folder.substr(0, slash);
        if (CreateDirectoryA(level.c_str(), nullptr) == FALSE &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

// Where an office keeps the exported files, as the screenshots show them.
constexpr char kDataFolder[] = "C:\\Tellary\\Data";

std::string OfficeReport() {
    return std::string(kDataFolder) + "\\" + gui::Narrow(L"2021_営業.xml");
}

// These books with another businessKind, for the program started next.
bool UseBooks(const testsupport::TempFolder& scratch, int businessKind,
              const std::string& source = SampleBooks()) {
    std::string books = testsupport::ReadFile(source).value_or(std::string());
    const std::string kind = "\"businessKind\": 3";
    const std::size_t at = books.find(kind);
    if (at == std::string::npos) {
        return false;
    }
    books.replace(at, kind.size(), "\"businessKind\": " + std::to_string(businessKind));
    // A host folder as an installation has it, for the default output path;
    // the settings stay in the scratch folder.
    const std::string format = "\"format\": \"books/1\",";
    const std::size_t formatAt = books.find(format);
    if (formatAt == std::string::npos) {
        return false;
    }
    std::string settings = scratch.Path();
    for (std::size_t k = settings.find('\\'); k != std::string::npos;
         k = settings.find('\\', k + 2)) {
        settings.insert(k, 1, '\\');
    }
    books.insert(formatAt + format.size(),
                 " \"appFolders\": [\"C:\\\\Tellary\\\\Data\\\\\", \"" + settings + "\\\\\"],");
    const std::string path = scratch / "Books.json";
    return testsupport::WriteFile(path, books) &&
           SetEnvironmentVariableA("TOBRA_BOOKS", path.c_str()) != FALSE;
}

// The dialog once painted, then cancelled with Esc and its message answered.
bool CaptureAndCancel(HWND dialog, gui::Process& program, const std::string& path) {
    Sleep(500);  // painted
    const bool captured = CaptureWindow(dialog, path);
    gui::PressKey(dialog, VK_ESCAPE);
    if (std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id())) {
        gui::Answer(*box, IDOK);
    }
    return captured && program.WaitForExit().has_value();
}

constexpr wchar_t kDialogCaption[] = L"所得税 - 集計条件";

bool CaptureConditions(const testsupport::TempFolder& scratch, int businessKind,
                       const std::string& path) {
    if (!UseBooks(scratch, businessKind)) {
        return false;
    }
    gui::Process program = gui::Start(gui::ProgramFolder() + "Brenlo.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    if (dialog == nullptr) {
        return false;
    }
    return CaptureAndCancel(dialog, program, path);
}

// The dialog of a run the host started with an output path of its own: the
// path fixed, its field and the browse button greyed.
bool CaptureHostStarted(const testsupport::TempFolder& scratch, const std::string& path) {
    if (!UseBooks(scratch, 3)) {
        return false;
    }
    const std::string folder = gui::ProgramFolder();
    gui::Process host =
        gui::Start(folder + "stand-in-host.exe", "\"" + folder + "Brenlo.exe\" \"" +
                                                     (scratch / "host-record.txt") + "\" \"" +
                                                     OfficeReport() + "\"");
    HWND dialog = nullptr;
    gui::Eventually([&dialog] {
        dialog = FindWindowW(L"#32770", kDialogCaption);
        return dialog != nullptr;
    });
    DWORD programId = 0;
    if (dialog == nullptr || GetWindowThreadProcessId(dialog, &programId) == 0) {
        return false;
    }
    gui::Process program = gui::Open(programId);
    return CaptureAndCancel(dialog, program, path);
}

struct ProgressSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchProgress(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ProgressSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (owner == search->processId && gui::ClassOf(window) == L"#32770" &&
        std::wstring(caption).rfind(L"集計中", 0) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The per cent in a caption "集計中 N％"; -1 before the first.
int CaptionPercent(HWND window) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    const std::wstring text = caption;
    const std::size_t blank = text.find(L' ');
    return blank == std::wstring::npos ? -1 : std::wcstol(text.c_str() + blank + 1, nullptr, 10);
}

// Stops the program while its progress window shows, captures it, lets it go
// on. A run is over in a moment: the captions are read without a pause and
// the program is stopped once the caption has counted to 30 per cent.
bool CaptureProgress(const testsupport::TempFolder& scratch, const std::string& books,
                     int kindButton, const std::string& path) {
    if (!UseBooks(scratch, 3, books)) {
        return false;
    }
    gui::Process program = gui::Start(gui::ProgramFolder() + "Brenlo.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    if (dialog == nullptr) {
        return false;
    }
    gui::Type(dialog, 1016,
              gui::Wide(scratch / ("progress-" + std::to_string(kindButton) + ".xml")));
    gui::Click(dialog, kindButton);
    gui::PressKey(dialog, VK_F12);
    ProgressSearch search{program.Id(), nullptr};
    const auto deadline = std::chrono::steady_clock::now() + gui::kPatience;
    while (search.found == nullptr && std::chrono::steady_clock::now() < deadline) {
        EnumWindows(&MatchProgress, reinterpret_cast<LPARAM>(&search));
    }
    HWND progress = search.found;
    while (progress != nullptr && CaptionPercent(progress) < 30 &&
           std::chrono::steady_clock::now() < deadline) {
    }
    if (progress == nullptr || SuspendThread(program.Thread()) == static_cast<DWORD>(-1)) {
        return false;
    }
    Sleep(300);
    const bool captured = CaptureWindow(progress, path);
    ResumeThread(program.Thread());
    if (std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id())) {
        gui::Answer(*box, IDOK);
    }
    return captured && program.WaitForExit().has_value();
}

// The next message box of the program, captured and answered.
bool CaptureMessage(const gui::Process& program, int answer, const std::string& path) {
    std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id());
    if (!box) {
        return false;
    }
    Sleep(300);  // painted
    const bool captured = CaptureWindow(box->window, path);
    gui::Answer(*box, answer);
    return captured && gui::WaitUntilGone(box->window);
}

// A folder for a file name, then a file that exists: the refusal, the
// question and, after Yes, the message of the written report.
bool CaptureMessages(const testsupport::TempFolder& scratch, const std::string& folder) {
    const std::string existing = OfficeReport();
    if (!UseBooks(scratch, 3) || !MakeFolders(kDataFolder) ||
        !testsupport::WriteFile(existing, "earlier")) {
        return false;
    }
    gui::Process program = gui::Start(gui::ProgramFolder() + "Brenlo.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    if (dialog == nullptr) {
        return false;
    }
    gui::Type(dialog, 1016, gui::Wide(std::string(kDataFolder) + "\\"));
    gui::PressKey(dialog, VK_F12);
    bool ok = CaptureMessage(program, IDOK, folder + "message-no-file-name.bmp");
    gui::Type(dialog, 1016, gui::Wide(existing));
    gui::PressKey(dialog, VK_F12);
    ok = CaptureMessage(program, IDYES, folder + "message-overwrite.bmp") && ok;
    ok = CaptureMessage(program, IDOK, folder + "message-written.bmp") && ok;
    return program.WaitForExit().has_value() && ok;
}

// The viewer as an office has it: its open-file dialog in the folder the
// export last wrote to (C:\Tellary\Data), then its message for a report there,
// with the page in the temporary folder of a Windows user's own.
bool CaptureViewer(const testsupport::TempFolder& scratch, const std::string& folder) {
    const std::string data = kDataFolder;
    const std::string temp = gui::Narrow(L"C:\\Users\\事務所\\AppData\\Local\\Temp");
    const std::string report = OfficeReport();
    if (!UseBooks(scratch, 3) || !MakeFolders(data) || !MakeFolders(temp) ||
        !testsupport::WriteFile(report,
                                testsupport::ReadFile(std::string(BRENLO_SOURCE_DIR) +
                                                      "\\tests\\e2e\\golden\\blue-business.xml")
                                    .value_or(std::string())) ||
        !testsupport::WriteFile(scratch / "Brenlo.env", "MATSUMOTO/1/21:0/0/1/" + report + "\n")) {
        return false;
    }
    char ownTemp[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", ownTemp, MAX_PATH);
    SetEnvironmentVariableA("TMP", temp.c_str());
    SetEnvironmentVariableA("TEMP", temp.c_str());
    SetEnvironmentVariableA("BRENLO_TEST_OPENED", (scratch / "opened.txt").c_str());
    bool ok = false;
    {
        const gui::StandInBrowser browser;
        gui::Process viewer = gui::Start(gui::ProgramFolder() + "BrenloView.exe");
        if (HWND dialog = gui::WaitForWindow(viewer.Id(), L"出力ファイルを開く", L"#32770")) {
            Sleep(800);  // painted, its list filled
            ok = CaptureWindow(dialog, folder + "viewer-open.bmp");
            gui::Click(dialog, IDCANCEL);
        }
        ok = viewer.WaitForExit().has_value() && ok;
        gui::Process shown =
            gui::Start(gui::ProgramFolder() + "BrenloView.exe", "\"" + report + "\"");
        ok = CaptureMessage(shown, IDOK, folder + "viewer-outcome.bmp") && ok;
        ok = shown.WaitForExit().has_value() && browser.Installed() && ok;
    }
    SetEnvironmentVariableA("TMP", ownTemp[0] != '\0' ? ownTemp : nullptr);
    SetEnvironmentVariableA("TEMP", ownTemp[0] != '\0' ? ownTemp : nullptr);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: gui-screenshots FOLDER [STRESS_BOOKS]\n");
        return 64;
    }
    const std::string folder = std::string(argv[1]) + "\\";
    testsupport::TempFolder scratch;
    struct Shot {
        int businessKind;
        const char* name;
    };
    bool ok = true;
    for (const Shot& shot : {Shot{3, "conditions-both.bmp"}, Shot{1, "conditions-business.bmp"},
                             Shot{2, "conditions-real-estate.bmp"}}) {
        if (!CaptureConditions(scratch, shot.businessKind, folder + shot.name)) {
            std::fprintf(stderr, "gui-screenshots: no %s\n", shot.name);
            ok = false;
        }
    }
    if (!CaptureProgress(scratch, SampleBooks(), 1010, folder + "progress.bmp")) {
        std::fprintf(stderr, "gui-screenshots: no progress.bmp\n");
        ok = false;
    }
    if (!CaptureHostStarted(scratch, folder + "conditions-host.bmp")) {
        std::fprintf(stderr, "gui-screenshots: no conditions-host.bmp\n");
        ok = false;
    }
    if (!CaptureMessages(scratch, folder)) {
        std::fprintf(stderr, "gui-screenshots: no message boxes\n");
        ok = false;
    }
    if (!CaptureViewer(scratch, folder)) {
        std::fprintf(stderr, "gui-screenshots: no viewer shots\n");
        ok = false;
    }
    // Real estate: the stress books' 10,000 rentals.
    if (argc == 3 && !CaptureProgress(scratch, argv[2], 1011, folder + "progress-stress.bmp")) {
        std::fprintf(stderr, "gui-screenshots: no progress-stress.bmp\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
