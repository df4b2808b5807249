// The resources compiled into Brenlo.exe and Brenlopro.exe: both dialogs
// created from each program's own templates and compared, control by control,
// with the program's table of them; icons, version information and the
// version string.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ProgramResources.h"
#include "gui/GuiDriver.h"
#include "platform/DialogTemplate.h"
#include "platform/win32/Win32Handle.h"

namespace {

constexpr const char* kPrograms[] = {"Brenlo", "Brenlopro"};

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::wstring Hex(DWORD value) {
    wchar_t text[16] = {};
    wsprintfW(text, L"%08lX", value);
    return text;
}

// The child windows in creation order, which is the template's order.
std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

void ExpectDialogAsTheTable(HMODULE program, const platform::DialogTemplate& table) {
    HWND dialog = CreateDialogParamW(program, MAKEINTRESOURCEW(table.id), nullptr, &Quiet, 0);
    ASSERT_NE(nullptr, dialog) << "no dialog resource " << table.id;
    EXPECT_EQ(gui::Wide(table.caption), gui::TextOf(dialog));
    // The dialog manager clips siblings and draws in 3-D, on Windows as under Wine.
    EXPECT_EQ(Hex(table.style | WS_CLIPSIBLINGS | DS_3DLOOK),
              Hex(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE))));
    const DWORD extended = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
    EXPECT_EQ(table.extendedStyle, extended & table.extendedStyle);

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(gui::Wide(table.fontName), font.lfFaceName);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(table.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ReleaseDC(nullptr, screen);

    const std::vector<HWND> children = Children(dialog);
    ASSERT_EQ(table.controls.size(), children.size());
    for (std::size_t k = 0; k < children.size(); ++k) {
        const platform::DialogControlTemplate& row = table.controls[k];
        HWND child = children[k];
        SCOPED_TRACE("control " + std::to_string(row.id));
        EXPECT_EQ(row.id, GetDlgCtrlID(child));
        EXPECT_EQ(0, lstrcmpiW(gui::Wide(row.windowClass).c_str(), gui::ClassOf(child).c_str()));
        // In a 3-D dialog the dialog manager turns a control's border into a
        // sunken edge (which a progress bar replaces by its own frame); the
        // compiled bit itself is checked in the template's bytes.
        EXPECT_EQ(Hex(row.style & ~static_cast<DWORD>(WS_BORDER)),
                  Hex(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))));
        EXPECT_EQ(gui::Wide(row.text), gui::TextOf(child));

        // Dialog units to pixels, each value on its own as the dialog manager converts them.
        RECT expected{row.x, row.y, row.width, row.height};
        MapDialogRect(dialog, &expected);
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right - actual.left);
        EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
    }
    DestroyWindow(dialog);
}

// The styles as compiled, read from the DLGTEMPLATEEX itself: the dialog's,
// then each item's in order.
std::vector<DWORD> CompiledStyles(HMODULE program, int id) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (found == nullptr) {
        return {};
    }
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(program, found)));
    const std::size_t count = SizeofResource(program, found) / sizeof(WORD);
    std::size_t at = 0;
    auto dword = [&](std::size_t word) {
        return static_cast<DWORD>(words[word]) | (static_cast<DWORD>(words[word + 1]) << 16);
    };
    // A name or ordinal: 0xFFFF and a number, or a NUL-terminated text.
    auto skipName = [&] {
        if (words[at] == 0xFFFF) {
            at += 2;
            return;
        }
        while (at < count && words[at] != 0) {
            ++at;
        }
        ++at;
    };
    if (count < 13 || words[1] != 0xFFFF) {
        return {};
    }
    std::vector<DWORD> styles{dword(6)};
    const WORD items = words[8];
    at = 13;
    skipName();  // menu
    skipName();  // class
    skipName();  // caption
    if ((styles[0] & DS_SETFONT) != 0) {
        at += 3;  // points, weight, italic and character set
        skipName();
    }
    for (WORD item = 0; item < items && at < count; ++item) {
        at += at % 2;  // each item starts on a DWORD
        styles.push_back(dword(at + 4));
        at += 12;    // help id, extended style, style, x, y, width, height, id
        skipName();  // class
        skipName();  // text
        at += 1 + words[at] / sizeof(WORD);  // creation data
    }
    return styles;
}

TEST(ProgramResourcesTest, DialogsAreTheTemplatesOfTheTable) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    for (const char* name : kPrograms) {
        SCOPED_TRACE(name);
        const platform::win32::LoadedModule program(LoadLibraryExA(
            (gui::ProgramFolder() + name + ".exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_NE(nullptr, program.Get());
        for (int id : {130, 131}) {
            core::InstallProgramResources();
            const platform::DialogTemplate* table = platform::FindDialogTemplate(id);
            ASSERT_NE(nullptr, table);
            std::vector<DWORD> compiled{table->style};
            for (const platform::DialogControlTemplate& row : table->controls) {
                compiled.push_back(row.style);
            }
            EXPECT_EQ(compiled, CompiledStyles(program.Get(), id)) << "dialog " << id;
            ExpectDialogAsTheTable(program.Get(), *table);
        }
    }
}

std::wstring VersionValue(const std::vector<char>& info, const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\041104B0\\" + key;
    if (VerQueryValueW(info.data(), path.c_str(), &value, &length) == FALSE || length == 0) {
        return std::wstring();
    }
    return std::wstring(static_cast<const wchar_t*>(value));
}

// The bytes of the icon image the system picks at this size.
std::string IconImage(HMODULE program, int size) {
    HRSRC group =
        FindResourceW(program, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    if (group == nullptr) {
        return std::string();
    }
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(program, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3));  // RT_ICON
    if (image == nullptr) {
        return std::string();
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, image)));
    return std::string(bytes, SizeofResource(program, image));
}

TEST(ProgramResourcesTest, EachEditionCarriesItsVersionAndIcon) {
    std::vector<std::string> icons;
    for (const char* name : kPrograms) {
        SCOPED_TRACE(name);
        const std::wstring wideName = gui::Wide(name);
        const std::wstring path = gui::Wide(gui::ProgramFolder()) + wideName + L".exe";
        std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(
            GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(static_cast<DWORD>((21 << 16) | 1), fixed->dwFileVersionMS);
        EXPECT_EQ(static_cast<DWORD>(1 << 16), fixed->dwFileVersionLS);
        EXPECT_EQ(wideName, VersionValue(info, L"ProductName"));
        EXPECT_EQ(wideName + L".exe", VersionValue(info, L"OriginalFilename"));
        EXPECT_EQ(L"21.01.01", VersionValue(info, L"FileVersion"));
        EXPECT_EQ(L"21.01.01", VersionValue(info, L"ProductVersion"));

        const platform::win32::LoadedModule program(LoadLibraryExA(
            (gui::ProgramFolder() + name + ".exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_NE(nullptr, program.Get());
        wchar_t version[32] = {};
        EXPECT_EQ(8, LoadStringW(program.Get(), 1, version, 32));
        EXPECT_STREQ(L"21.01.01", version) << "the string the report names the program by";
        icons.push_back(IconImage(program.Get(), 32));
        EXPECT_FALSE(icons.back().empty()) << "an application icon";
    }
    EXPECT_NE(icons[0], icons[1]) << "each edition has its own icon";
}

}  // namespace
