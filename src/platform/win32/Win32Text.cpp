#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <climits>

namespace platform::win32 {
namespace {

constexpr UINT kCodePage = 932;

}  // namespace

std::wstring Widen(std::string_view sjis) {
    if (sjis.empty() || sjis.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::wstring();
    }
    const int length = static_cast<int>(sjis.size());
    const int needed = MultiByteToWideChar(kCodePage, 0, sjis.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(kCodePage, 0, sjis.data(), length, wide.data(), needed);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    const int needed =
        WideCharToMultiByte(kCodePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(kCodePage, 0, wide.data(), length, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

}  // namespace platform::win32
