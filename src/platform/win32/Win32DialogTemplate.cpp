#include "platform/win32/Win32DialogTemplate.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace platform::win32 {
namespace {

constexpr std::uint16_t kExtendedSignature = 0xFFFF;
// DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
constexpr std::size_t kExtendedStyleOffset = 12;
// DLGTEMPLATE starts with the style.
constexpr std::size_t kPlainStyleOffset = 0;

}  // namespace

std::vector<std::byte> LoadDialogTemplate(int id, bool hidden) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (found == nullptr) {
        return {};
    }
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size < kExtendedStyleOffset + sizeof(std::uint32_t)) {
        return {};
    }
    // A copy: the resource itself is read-only, and the dialog manager wants
    // its template DWORD-aligned.
    std::vector<std::byte> copy(size);
    std::memcpy(copy.data(), bytes, size);
    if (hidden) {
        std::uint16_t signature = 0;
        std::memcpy(&signature, copy.data() + 2, sizeof signature);
        const std::size_t offset =
            signature == kExtendedSignature ? kExtendedStyleOffset : kPlainStyleOffset;
        std::uint32_t style = 0;
        std::memcpy(&style, copy.data() + offset, sizeof style);
        style &= ~static_cast<std::uint32_t>(WS_VISIBLE);
        std::memcpy(copy.data() + offset, &style, sizeof style);
    }
    return copy;
}

}  // namespace platform::win32
