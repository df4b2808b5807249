#include "platform/win32/Win32FileFacts.h"

#include <aclapi.h>

#include <vector>

#include "platform/win32/Win32Handle.h"

namespace platform::win32 {
namespace {

std::int64_t Ticks(const FILETIME& time) {
    return (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// One part of the process's token: its user, or the owner it gives what it
// creates (an administrators' group for an elevated administrator).
std::vector<char> TokenPart(TOKEN_INFORMATION_CLASS part) {
    std::vector<char> buffer;
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return buffer;
    }
    const FileHandle owned(token);
    DWORD size = 0;
    ::GetTokenInformation(token, part, nullptr, 0, &size);
    buffer.resize(size);
    if (size == 0 || !::GetTokenInformation(token, part, buffer.data(), size, &size)) {
        buffer.clear();
    }
    return buffer;
}

// Wine names the owner of another Unix user's file as the anonymous SID, and
// the running user's own files with the user's SID, as Windows does.
bool IsOwnedByProcessUser(HANDLE handle) {
    static const std::vector<char> user = TokenPart(TokenUser);
    static const std::vector<char> creator = TokenPart(TokenOwner);
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (user.empty() || creator.empty() ||
        ::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const bool own =
        ::EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid) ||
        ::EqualSid(owner, reinterpret_cast<const TOKEN_OWNER*>(creator.data())->Owner);
    ::LocalFree(descriptor);
    return own;
}

}  // namespace

std::optional<FileFacts> FactsOfHandle(HANDLE handle) {
    FileFacts facts;
    // A device or a pipe has no file information (under Wine) or none that counts.
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        facts.kind = EntryKind::Other;
        return facts;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(handle, &information)) {
        return std::nullopt;
    }
    const DWORD attributes = information.dwFileAttributes;
    facts.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? EntryKind::Other
                 : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0   ? EntryKind::Directory
                                                                  : EntryKind::File;
    facts.identity = {
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
    facts.size =
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    facts.links = information.nNumberOfLinks;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    constexpr std::int64_t kTicksPerSecond = 10000000;
    facts.age = (Ticks(now) - Ticks(information.ftLastWriteTime)) / kTicksPerSecond;
    facts.ownedByUser = IsOwnedByProcessUser(handle);
    // Rights live in lists a file takes from its folder: what the program
    // keeps private it keeps in the user's profile, which is the user's alone.
    facts.ownerOnly = true;
    facts.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return facts;
}

EntryKind KindOfEntry(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EntryKind::Directory;
    }
    const DWORD error = ::GetLastError();
    if (attributes == INVALID_FILE_ATTRIBUTES &&
        (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
         error == ERROR_INVALID_NAME)) {
        return EntryKind::None;
    }
    // Opened for no access at all: never blocks, and no sharing stands in its way.
    const FileHandle handle(::CreateFileA(path.c_str(), 0,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.IsOpen()) {
        return attributes == INVALID_FILE_ATTRIBUTES ? EntryKind::None : EntryKind::File;
    }
    return ::GetFileType(handle.Get()) == FILE_TYPE_DISK ? EntryKind::File : EntryKind::Other;
}

}  // namespace platform::win32
