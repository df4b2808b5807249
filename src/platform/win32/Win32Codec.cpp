// CP932 <-> UTF-8 through the system's own code page tables, passing through
// UTF-16.
#include "platform/text/Cp932.h"

#include <windows.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace platform::cp932 {
namespace {

constexpr UINT kCodePage = 932;

std::optional<std::wstring> Widen(UINT code_page, std::string_view text) {
    if (text.empty()) {
        return std::wstring();
    }
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int length = static_cast<int>(text.size());
    const int needed =
        MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                            needed) != needed) {
        return std::nullopt;
    }
    return wide;
}

// UTF-8 takes neither a default character nor best-fit flags, so only code
// page 932 asks whether a substitute was written.
std::optional<std::string> Narrow(UINT code_page, const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    if (wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int length = static_cast<int>(wide.size());
    const bool is_utf8 = code_page == CP_UTF8;
    const DWORD flags = is_utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL used_default = FALSE;
    BOOL* used_default_flag = is_utf8 ? nullptr : &used_default;
    const int needed = WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0,
                                           nullptr, used_default_flag);
    if (needed <= 0 || used_default) {
        return std::nullopt;
    }
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    if (WideCharToMultiByte(code_page, flags, wide.data(), length, narrow.data(), needed, nullptr,
                            used_default_flag) != needed ||
        used_default) {
        return std::nullopt;
    }
    return narrow;
}

}  // namespace

std::optional<std::string> ToUtf8(std::string_view cp932) {
    const std::optional<std::wstring> wide = Widen(kCodePage, cp932);
    if (!wide) {
        return std::nullopt;
    }
    return Narrow(CP_UTF8, *wide);
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    const std::optional<std::wstring> wide = Widen(CP_UTF8, utf8);
    if (!wide) {
        return std::nullopt;
    }
    return Narrow(kCodePage, *wide);
}

}  // namespace platform::cp932
