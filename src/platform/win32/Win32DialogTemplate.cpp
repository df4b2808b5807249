#include "platform/win32/Win32DialogTemplate.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

constexpr std::uint16_t kExtendedVersion = 1;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// Appends the words of a template; items start on DWORD boundaries.
class TemplateWriter {
public:
    void Word(std::uint16_t value) { words_.push_back(value); }
    void Short(std::int16_t value) { Word(static_cast<std::uint16_t>(value)); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Text(std::string_view sjis) {
        for (wchar_t c : Widen(sjis)) {
            Word(static_cast<std::uint16_t>(c));
        }
        Word(0);
    }
    void AlignToDword() {
        if (words_.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<std::uint16_t> Take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

}  // namespace

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate, bool hidden) {
    TemplateWriter out;
    out.Word(kExtendedVersion);
    out.Word(kExtendedSignature);
    out.Dword(0);  // help id
    out.Dword(dialogTemplate.extendedStyle);
    out.Dword(hidden ? dialogTemplate.style & ~static_cast<std::uint32_t>(WS_VISIBLE)
                     : dialogTemplate.style);
    out.Word(static_cast<std::uint16_t>(dialogTemplate.controls.size()));
    out.Short(dialogTemplate.x);
    out.Short(dialogTemplate.y);
    out.Short(dialogTemplate.width);
    out.Short(dialogTemplate.height);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dialogTemplate.caption);
    if ((dialogTemplate.style & DS_SETFONT) != 0) {
        out.Word(static_cast<std::uint16_t>(dialogTemplate.pointSize));
        out.Word(FW_NORMAL);
        out.Word(static_cast<std::uint16_t>(SHIFTJIS_CHARSET << 8));  // italic 0, charset
        out.Text(dialogTemplate.fontName);
    }
    for (const DialogControlTemplate& control : dialogTemplate.controls) {
        out.AlignToDword();
        out.Dword(0);  // help id
        out.Dword(0);  // extended style
        out.Dword(control.style);
        out.Short(control.x);
        out.Short(control.y);
        out.Short(control.width);
        out.Short(control.height);
        out.Dword(static_cast<std::uint32_t>(control.id));
        out.Text(control.windowClass);
        out.Text(control.text);
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace platform::win32
