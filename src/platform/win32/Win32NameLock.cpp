#include "platform/win32/Win32NameLock.h"

#include <windows.h>

#include <array>

#include "platform/win32/Win32FileFacts.h"
#include "platform/win32/Win32Handle.h"

namespace platform::win32 {
namespace {

constexpr DWORD kLongestText = 512;

// Closing the handle deletes the name.
struct NameLock final : UpdateLock {
    explicit NameLock(HANDLE held) : owned(held) {}
    FileHandle owned;
};

// A lock file that a stopped machine left behind: nobody holds it open, and
// it holds a stamp or nothing (the stamp may not have reached the disk).
// Any other file of the name is the user's and stays.
bool RemoveLeftover(const std::string& name) {
    const FileHandle handle(::CreateFileA(name.c_str(), GENERIC_READ | DELETE, 0, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!handle.IsOpen()) {
        return false;
    }
    const std::optional<FileFacts> facts = FactsOfHandle(handle.Get());
    std::array<char, kLongestText + 1> text{};
    DWORD length = 0;
    if (!facts || facts->kind != EntryKind::File || facts->links != 1 ||
        !::ReadFile(handle.Get(), text.data(), kLongestText + 1, &length, nullptr) ||
        length > kLongestText) {
        return false;
    }
    if (length > 0 && !HolderOfLockFile(std::string_view(text.data(), length))) {
        return false;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return ::SetFileInformationByHandle(handle.Get(), FileDispositionInfo, &disposition,
                                        sizeof disposition) != FALSE;
}

}  // namespace

std::unique_ptr<UpdateLock> LockName(const std::string& name, int patienceMs) {
    constexpr int kPauseMs = 20;
    for (int waited = 0;; waited += kPauseMs) {
        const HANDLE handle = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            const std::string text = LockFileText(Files().CurrentProcess());
            DWORD written = 0;
            ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            return std::make_unique<NameLock>(handle);
        }
        // Another run holds the name, or is just letting it go.
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_EXISTS && RemoveLeftover(name)) {
            continue;
        }
        if ((error != ERROR_FILE_EXISTS && error != ERROR_SHARING_VIOLATION &&
             error != ERROR_ACCESS_DENIED) ||
            waited >= patienceMs) {
            return nullptr;
        }
        ::Sleep(kPauseMs);
    }
}

}  // namespace platform::win32
