#include <windows.h>

#include <io.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/Adapters.h"
#include "platform/win32/Win32Handle.h"

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

    bool RemoveFile(const std::string& path) override { return ::DeleteFileA(path.c_str()); }

    bool MoveOver(const std::string& from, const std::string& to) override {
        // A read-only file is never replaced (not every MoveFileEx refuses it).
        const DWORD replaced = ::GetFileAttributesA(to.c_str());
        if (replaced != INVALID_FILE_ATTRIBUTES && (replaced & FILE_ATTRIBUTE_READONLY) != 0) {
            return false;
        }
        return ::MoveFileExA(from.c_str(), to.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }

    bool MakeDirectory(const std::string& path) override {
        return ::CreateDirectoryA(path.c_str(), nullptr);
    }

    bool RemoveEmptyDirectory(const std::string& path) override {
        return ::RemoveDirectoryA(path.c_str());
    }

    std::unique_ptr<UpdateLock> LockForUpdate(const std::string& file, int patienceMs) override {
        constexpr int kPauseMs = 20;
        const std::string name = file + ".lock";
        for (int waited = 0;; waited += kPauseMs) {
            const HANDLE handle = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr,
                                                OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
            if (handle != INVALID_HANDLE_VALUE) {
                // Closing the handle deletes the lock name.
                struct NameLock final : UpdateLock {
                    explicit NameLock(HANDLE held) : owned(held) {}
                    win32::FileHandle owned;
                };
                return std::make_unique<NameLock>(handle);
            }
            // Another run holds the name, or is just letting it go.
            const DWORD error = ::GetLastError();
            if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
                waited >= patienceMs) {
                return nullptr;
            }
            ::Sleep(kPauseMs);
        }
    }

    EntryKind KindOf(const std::string& path) override {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return EntryKind::None;
        }
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Directory : EntryKind::File;
    }

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
