// gui-screenshots.exe: captures the GUI program's windows for the README,
// as the screen shows them: the conditions dialog for each kind of books
// (business and real estate, business only, real estate only) and the
// progress window during a run. Writes 24-bit BMP files into FOLDER.
//
//   gui-screenshots.exe FOLDER
#include <windows.h>

#include <cstdio>
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

// The sample books with another businessKind, for the program started next.
bool UseBooks(const testsupport::TempFolder& scratch, int businessKind) {
    std::string books =
        testsupport::ReadFile(std::string(BRENLO_SOURCE_DIR) + "\\samples\\Books-blue.json")
            .value_or(std::string());
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
    Sleep(500);  // painted
    const bool captured = CaptureWindow(dialog, path);
    gui::PressKey(dialog, VK_ESCAPE);
    if (std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id())) {
        gui::Answer(*box, IDOK);
    }
    return captured && program.WaitForExit().has_value();
}

// Stops the program while its progress window shows, captures it, lets it go on.
bool CaptureProgress(const testsupport::TempFolder& scratch, const std::string& path) {
    if (!UseBooks(scratch, 3)) {
        return false;
    }
    gui::Process program = gui::Start(gui::ProgramFolder() + "Brenlo.exe");
    HWND dialog = gui::WaitForWindow(program.Id(), kDialogCaption, L"#32770");
    if (dialog == nullptr) {
        return false;
    }
    gui::Type(dialog, 1016, gui::Wide(scratch / "progress.xml"));
    gui::PressKey(dialog, VK_F12);
    HWND progress = gui::WaitForWindow(program.Id(), L"集計中 30％", L"#32770");
    if (progress == nullptr) {
        return false;
    }
    SuspendThread(program.Thread());
    Sleep(300);
    const bool captured = CaptureWindow(progress, path);
    ResumeThread(program.Thread());
    if (std::optional<gui::MessageBoxSeen> box = gui::WaitForMessageBox(program.Id())) {
        gui::Answer(*box, IDOK);
    }
    return captured && program.WaitForExit().has_value();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui-screenshots FOLDER\n");
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
    if (!CaptureProgress(scratch, folder + "progress.bmp")) {
        std::fprintf(stderr, "gui-screenshots: no progress.bmp\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
