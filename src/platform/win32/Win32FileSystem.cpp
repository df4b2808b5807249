#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/Adapters.h"
#include "platform/win32/Win32FileFacts.h"
#include "platform/win32/Win32Handle.h"
#include "platform/win32/Win32NameLock.h"
#include "platform/win32/Win32Process.h"

namespace platform {

namespace {

constexpr DWORD kMaxChunk = 1u << 30;

class Win32File final : public File {
public:
    Win32File(HANDLE handle, bool writable) : handle_(handle), writable_(writable) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (!handle_.IsOpen()) {
            return std::nullopt;
        }
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), kMaxChunk));
        DWORD count = 0;
        if (!::ReadFile(handle_.Get(), buffer.data(), wanted, &count, nullptr)) {
            return std::nullopt;
        }
        return count;
    }

    bool Write(std::string_view bytes) override {
        if (!handle_.IsOpen()) {
            return false;
        }
        while (!bytes.empty()) {
            const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMaxChunk));
            DWORD count = 0;
            if (!::WriteFile(handle_.Get(), bytes.data(), wanted, &count, nullptr) || count == 0) {
                return false;
            }
            bytes.remove_prefix(count);
        }
        return true;
    }

    std::optional<std::uint64_t> Size() override {
        LARGE_INTEGER size{};
        if (!handle_.IsOpen() || !::GetFileSizeEx(handle_.Get(), &size)) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::optional<FileFacts> Facts() override {
        return handle_.IsOpen() ? win32::FactsOfHandle(handle_.Get()) : std::nullopt;
    }

    bool Close() override {
        if (!handle_.IsOpen()) {
            return false;
        }
        // FlushFileBuffers refuses a handle without write access.
        const bool committed = !writable_ || ::FlushFileBuffers(handle_.Get()) != FALSE;
        return handle_.Reset() && committed;
    }

private:
    win32::FileHandle handle_;
    bool writable_;
};

// A virus scanner or the search indexer holding a file for a moment.
bool IsPassingConflict(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// ReplaceFile gives the replacement the replaced file's security and
// attributes, which MoveFileEx would not; a new name needs no such care.
bool MoveInPlace(const std::string& from, const std::string& to) {
    if (::ReplaceFileA(to.c_str(), from.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                       nullptr)) {
        return true;
    }
    return ::GetLastError() == ERROR_FILE_NOT_FOUND &&
           ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
}

// Calls `move` again while a passing conflict holds the file.
template <typename Move>
bool Retried(Move move) {
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        const bool moved = move();
        if (moved || attempt == kAttempts || !IsPassingConflict(::GetLastError())) {
            return moved;
        }
        ::Sleep(kPauseMs);
    }
}

bool IsAccessMode(int mode) {
    return mode == kAccessExists || mode == kAccessWrite || mode == kAccessRead ||
           mode == kAccessReadWrite;
}

// Calls `get(size, buffer)`, which returns the length written or, when the
// buffer is too small, the size it needs; growing the buffer until it fits.
template <typename Getter>
std::string GrowingCall(Getter get) {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = get(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(std::max<std::size_t>(length, buffer.size() * 2));
    }
}

class Win32FileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode, ShareMode share) override {
        DWORD access = GENERIC_READ;
        DWORD disposition = OPEN_EXISTING;
        switch (mode) {
            case OpenMode::Read:
                break;
            case OpenMode::Write:
                access = GENERIC_WRITE;
                disposition = CREATE_ALWAYS;
                break;
            case OpenMode::ReadWrite:
                access = GENERIC_READ | GENERIC_WRITE;
                break;
            case OpenMode::CreateNew:
                access = GENERIC_WRITE;
                disposition = CREATE_NEW;
                break;
        }
        DWORD sharing = 0;
        switch (share) {
            case ShareMode::Exclusive:
                break;
            case ShareMode::Read:
                sharing = FILE_SHARE_READ;
                break;
            case ShareMode::ReadWrite:
                sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
                break;
        }
        const HANDLE handle = ::CreateFileA(path.c_str(), access, sharing, nullptr, disposition,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return nullptr;
        }
        return std::make_unique<Win32File>(handle, mode != OpenMode::Read);
    }

    // The temporary file takes the folder's inherited security, which keeps
    // it from whoever may not read the folder; ReplaceFile then gives it the
    // replaced file's own.
    std::unique_ptr<File> CreateReplacement(const std::string& path, const std::string&) override {
        return Open(path, OpenMode::CreateNew, ShareMode::Exclusive);
    }

    bool RemoveFile(const std::string& path) override { return ::DeleteFileA(path.c_str()); }

    bool MoveOver(const std::string& from, const std::string& to) override {
        // A read-only file is never replaced (not every MoveFileEx refuses it).
        const DWORD replaced = ::GetFileAttributesA(to.c_str());
        // Nor is a folder (ReplaceFile would, under some systems).
        if (replaced != INVALID_FILE_ATTRIBUTES &&
            (replaced & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
            ::SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        return Retried([&] {
            return replaced == INVALID_FILE_ATTRIBUTES
                       ? ::MoveFileExA(from.c_str(), to.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE
                       : MoveInPlace(from, to);
        });
    }

    // The temporary folder and the profile hand down rights that are the user's.
    std::unique_ptr<File> CreatePrivate(const std::string& path) override {
        return Open(path, OpenMode::CreateNew, ShareMode::Exclusive);
    }

    bool MoveToNew(const std::string& from, const std::string& to) override {
        return Retried([&] { return ::MoveFileExA(from.c_str(), to.c_str(), 0) != FALSE; });
    }

    std::vector<std::string> NamesIn(const std::string& folder) override {
        std::vector<std::string> names;
        std::string pattern = folder;
        if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') {
            pattern += '\\';
        }
        WIN32_FIND_DATAA found{};
        const HANDLE search = ::FindFirstFileA((pattern + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return names;
    }

    std::optional<FileFacts> FactsOf(const std::string& path) override {
        const win32::FileHandle handle(::CreateFileA(
            path.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        return handle.IsOpen() ? win32::FactsOfHandle(handle.Get()) : std::nullopt;
    }

    std::optional<FileIdentity> IdentityOf(const std::string& path) override {
        win32::FileHandle handle(
            ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION information{};
        if (!handle.IsOpen() || !::GetFileInformationByHandle(handle.Get(), &information)) {
            return std::nullopt;
        }
        return FileIdentity{information.dwVolumeSerialNumber,
                            (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                                information.nFileIndexLow};
    }

    std::string LastFailureReason() override {
        const DWORD error = ::GetLastError();
        char* text = nullptr;
        const DWORD length =
            ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
        std::string reason(text != nullptr ? text : "", length);
        ::LocalFree(text);
        while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                                   reason.back() == '.' || reason.back() == ' ')) {
            reason.pop_back();
        }
        if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z') {
            reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
        }
        return reason;
    }

    bool MakeDirectory(const std::string& path) override {
        return ::CreateDirectoryA(path.c_str(), nullptr);
    }

    bool RemoveEmptyDirectory(const std::string& path) override {
        return ::RemoveDirectoryA(path.c_str());
    }

    std::unique_ptr<UpdateLock> LockForUpdate(const std::string& file, int patienceMs,
                                              bool* unsupported) override {
        // Where the name cannot be made, a lock file could not be either.
        *unsupported = false;
        return win32::LockName(LockNameOf(file), patienceMs);
    }

    EntryKind KindOf(const std::string& path) override { return win32::KindOfEntry(path); }

    int DriveTypeOf(const std::string& root) override {
        return static_cast<int>(::GetDriveTypeA(root.c_str()));
    }

    bool HasAccess(const std::string& path, int mode) override {
        // The C runtime treats other modes as an invalid parameter.
        return IsAccessMode(mode) && ::_access(path.c_str(), mode) == 0;
    }

    bool ShareHasAccess(const std::string& share, int mode) override {
        return IsAccessMode(mode) &&
               ::GetFileAttributesA(share.c_str()) != INVALID_FILE_ATTRIBUTES &&
               ::_access(share.c_str(), mode) == 0;
    }

    std::string CurrentFolder() override {
        return GrowingCall(
            [](DWORD size, char* buffer) { return ::GetCurrentDirectoryA(size, buffer); });
    }

    bool SetCurrentFolder(const std::string& path) override {
        return ::SetCurrentDirectoryA(path.c_str());
    }

    std::string ModuleFilePath() override {
        // GetModuleFileNameA fills the whole buffer when the path is cut.
        std::string buffer(MAX_PATH, '\0');
        for (;;) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
            if (length == 0) {
                return {};
            }
            if (length < size) {
                buffer.resize(length);
                return buffer;
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    std::string TempFolder() override {
        return GrowingCall([](DWORD size, char* buffer) { return ::GetTempPathA(size, buffer); });
    }

    std::string UserDataFolder() override {
        char profile[MAX_PATH] = {};
        if (::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0,
                               profile) != S_OK) {
            return {};
        }
        const std::string folder = std::string(profile) + "\\Brenlo";
        if (!::CreateDirectoryA(folder.c_str(), nullptr) &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            return {};
        }
        return folder + "\\";
    }

    ProcessStamp CurrentProcess() override { return win32::CurrentNativeProcess(); }

    ProcessLife LifeOf(const ProcessStamp& process) override {
        return win32::NativeLifeOf(process);
    }

    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        if (bufferSize == 0) {
            return {};
        }
        const DWORD size = static_cast<DWORD>(
            std::min<std::size_t>(bufferSize, std::numeric_limits<DWORD>::max()));
        std::string buffer(size, '\0');
        const DWORD length = ::GetPrivateProfileStringA(
            section.c_str(), key.c_str(), defaultText.c_str(), buffer.data(), size, file.c_str());
        buffer.resize(std::min<DWORD>(length, size - 1));
        return buffer;
    }
};

}  // namespace

FileSystem& NativeFiles() {
    static Win32FileSystem files;
    return files;
}

}  // namespace platform
