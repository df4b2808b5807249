#include "platform/win32/Win32DialogTemplate.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace platform::win32 {
namespace {

constexpr std::uint16_t kExtendedSignature = 0xFFFF;
// DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
constexpr std::size_t kSignatureOffset = 2;
constexpr std::size_t kStyleOffset = 12;

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
    if (bytes == nullptr || size < kStyleOffset + sizeof(std::uint32_t)) {
        return {};
    }
    // A copy: the resource itself is read-only, and the dialog manager wants
    // its template DWORD-aligned.
    std::vector<std::byte> copy(size);
    std::memcpy(copy.data(), bytes, size);
    // The resource scripts write every dialog as DIALOGEX.
    std::uint16_t signature = 0;
    std::memcpy(&signature, copy.data() + kSignatureOffset, sizeof signature);
    if (signature != kExtendedSignature) {
        return {};
    }
    if (hidden) {
        std::uint32_t style = 0;
        std::memcpy(&style, copy.data() + kStyleOffset, sizeof style);
        style &= ~static_cast<std::uint32_t>(WS_VISIBLE);
        std::memcpy(copy.data() + kStyleOffset, &style, sizeof style);
    }
    return copy;
}

}  // namespace platform::win32
