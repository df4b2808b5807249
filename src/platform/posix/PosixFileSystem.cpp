#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <string_view>
#include <utility>

#include "platform/Adapters.h"
#include "platform/posix/DriveMap.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/PosixPlaces.h"
#include "platform/posix/PosixProcess.h"
#include "platform/posix/ProfileText.h"
#include "platform/text/Cp932.h"
#include "platform/text/PathPieces.h"

namespace platform {

namespace {

using posix::DriveMap;
using posix::WindowsPath;

bool IsDirectory(const std::string& native) {
    struct stat status {};
    return ::stat(native.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool Exists(const std::string& native) {
    struct stat status {};
    return ::lstat(native.c_str(), &status) == 0;
}

// The folder holding a native path, for committing a rename to the disk.
std::string ParentOf(std::string native) {
    while (native.size() > 1 && native.back() == '/') {
        native.pop_back();
    }
    const std::size_t slash = native.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : native.substr(0, slash);
}

// --- The file system ----------------------------------------------------------

// Where a Windows path leads, and whether it is a drive's root.
struct Target {
    std::string native;
    bool isRoot = false;
};

std::optional<std::string> CurrentWindowsFolder(const DriveMap& drives) {
    const std::optional<std::string> native = posix::NativeCurrentDirectory();
    return native ? drives.ToWindows(*native) : std::nullopt;
}

std::optional<Target> Resolve(const std::string& path) {
    const DriveMap drives = DriveMap::FromEnvironment();
    const std::optional<WindowsPath> parsed =
        posix::ParseWindowsPath(path, [&drives] { return CurrentWindowsFolder(drives); });
    if (!parsed) {
        return std::nullopt;
    }
    std::optional<std::string> native = drives.ToNative(*parsed);
    if (!native) {
        return std::nullopt;
    }
    return Target{std::move(*native), parsed->names.empty()};
}

int AccessBits(int mode) {
    switch (mode) {
        case kAccessExists:
            return F_OK;
        case kAccessWrite:
            return W_OK;
        case kAccessRead:
            return R_OK;
        case kAccessReadWrite:
            return R_OK | W_OK;
        default:
            return -1;
    }
}

// Files and folders with Windows paths. Sharing is accepted and not enforced:
// POSIX has no mandatory sharing, and advisory locks would bind only programs
// that ask for them, so Exclusive takes no lock.
class PosixFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode, ShareMode) override {
        const std::optional<Target> target = Resolve(path);
        if (!target || target->isRoot) {
            return nullptr;
        }
        int flags = O_CLOEXEC;
        switch (mode) {
            case OpenMode::Read:
                // A pipe would block the open until a writer came.
                flags |= O_RDONLY | O_NONBLOCK;
                break;
            case OpenMode::Write:
                flags |= O_WRONLY | O_CREAT | O_TRUNC;
                break;
            case OpenMode::ReadWrite:
                flags |= O_RDWR;
                break;
            case OpenMode::CreateNew:
                flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
                break;
        }
        const int fd = posix::OpenNative(target->native.c_str(), flags, 0666);
        if (fd < 0) {
            return nullptr;
        }
        auto file = posix::MakeNativeFile(fd, mode != OpenMode::Read);
        if ((flags & O_NONBLOCK) != 0) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        }
        // CreateFile opens no directory without backup semantics.
        struct stat status {};
        if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
            return nullptr;
        }
        return file;
    }

    std::unique_ptr<File> CreateReplacement(const std::string& path,
                                            const std::string& replaced) override {
        const std::optional<Target> target = Resolve(path);
        const std::optional<Target> earlier = Resolve(replaced);
        if (!target || !earlier || target->isRoot) {
            errno = ENOENT;
            return nullptr;
        }
        const int fd = posix::CreatePrivate(target->native, earlier->native);
        return fd < 0 ? nullptr : posix::MakeNativeFile(fd, true);
    }

    std::unique_ptr<File> CreatePrivate(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        if (!target || target->isRoot) {
            errno = ENOENT;
            return nullptr;
        }
        const int fd = posix::CreateOwnerOnly(target->native);
        return fd < 0 ? nullptr : posix::MakeNativeFile(fd, true);
    }

    bool MoveToNew(const std::string& from, const std::string& to) override {
        const std::optional<Target> source = Resolve(from);
        const std::optional<Target> destination = Resolve(to);
        return source && destination && !source->isRoot && !destination->isRoot &&
               posix::MoveToNewNative(source->native, destination->native);
    }

    std::vector<std::string> NamesIn(const std::string& folder) override {
        const DriveMap drives = DriveMap::FromEnvironment();
        const std::optional<Target> target = Resolve(folder);
        std::vector<std::string> names;
        if (!target) {
            return names;
        }
        for (const std::string& name : posix::NativeNamesIn(target->native)) {
            // Names without a Shift_JIS form are none the program could have made.
            if (const auto windows = drives.ToWindows(target->native + "/" + name)) {
                names.push_back(FileNameOf(*windows));
            }
        }
        return names;
    }

    std::optional<FileFacts> FactsOf(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        struct stat status {};
        if (!target || ::lstat(target->native.c_str(), &status) != 0) {
            return std::nullopt;
        }
        return posix::FactsOfStatus(status);
    }

    std::optional<FileIdentity> IdentityOf(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        struct stat status {};
        if (!target || ::stat(target->native.c_str(), &status) != 0) {
            return std::nullopt;
        }
        return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                            static_cast<std::uint64_t>(status.st_ino)};
    }

    std::string LastFailureReason() override { return posix::ErrnoReason(errno); }

    bool RemoveFile(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        return target && !target->isRoot && ::unlink(target->native.c_str()) == 0;
    }

    bool MoveOver(const std::string& from, const std::string& to) override {
        const std::optional<Target> source = Resolve(from);
        const std::optional<Target> destination = Resolve(to);
        if (!source || !destination || source->isRoot || destination->isRoot) {
            return false;
        }
        // MoveFileEx replaces files only; rename(2) would also replace an
        // empty directory with a directory.
        if (IsDirectory(source->native) && Exists(destination->native)) {
            return false;
        }
        // MoveFileEx refuses to replace a read-only file.
        struct stat replaced {};
        if (::stat(destination->native.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode) &&
            (replaced.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            errno = EACCES;
            return false;
        }
        if (::rename(source->native.c_str(), destination->native.c_str()) != 0) {
            return false;
        }
        // Write-through: the new name is on the disk when this returns.
        posix::Descriptor folder(posix::OpenNative(ParentOf(destination->native).c_str(),
                                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.IsOpen()) {
            posix::Synchronize(folder.Get());
        }
        return true;
    }

    bool MakeDirectory(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        return target && !target->isRoot && ::mkdir(target->native.c_str(), 0777) == 0;
    }

    bool RemoveEmptyDirectory(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        return target && !target->isRoot && ::rmdir(target->native.c_str()) == 0;
    }

    EntryKind KindOf(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        struct stat status {};
        if (!target || ::stat(target->native.c_str(), &status) != 0) {
            return EntryKind::None;
        }
        if (S_ISDIR(status.st_mode)) {
            return EntryKind::Directory;
        }
        return S_ISREG(status.st_mode) ? EntryKind::File : EntryKind::Other;
    }

    int DriveTypeOf(const std::string& root) override {
        const DriveMap drives = DriveMap::FromEnvironment();
        char letter = 0;
        const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
        if (root.size() == 1 && isSeparator(root[0])) {
            const std::optional<std::string> current = CurrentWindowsFolder(drives);
            if (!current) {
                return kDriveNoRootDir;
            }
            letter = current->front();
        } else if ((root.size() == 2 || (root.size() == 3 && isSeparator(root[2]))) &&
                   root[1] == ':') {
            letter = root[0];
        } else {
            return kDriveNoRootDir;
        }
        const std::string* directory = drives.DirectoryOf(letter);
        if (directory == nullptr || !IsDirectory(*directory)) {
            return kDriveNoRootDir;
        }
        return drives.TypeOf(letter);
    }

    bool HasAccess(const std::string& path, int mode) override {
        const int bits = AccessBits(mode);
        const std::optional<Target> target = Resolve(path);
        if (bits < 0 || !target) {
            return false;
        }
        // _access asks a directory only whether it exists and is not read-only.
        if (IsDirectory(target->native)) {
            struct statvfs volume {};
            return (bits & W_OK) == 0 || (::statvfs(target->native.c_str(), &volume) == 0 &&
                                          (volume.f_flag & ST_RDONLY) == 0);
        }
        return ::access(target->native.c_str(), bits) == 0;
    }

    // UNC paths lead nowhere on this system.
    bool ShareHasAccess(const std::string&, int) override { return false; }

    std::string CurrentFolder() override {
        return CurrentWindowsFolder(DriveMap::FromEnvironment()).value_or(std::string());
    }

    bool SetCurrentFolder(const std::string& path) override {
        const std::optional<Target> target = Resolve(path);
        return target && ::chdir(target->native.c_str()) == 0;
    }

    std::string ModuleFilePath() override {
        const std::optional<std::string> native = posix::NativeModulePath();
        if (!native) {
            return {};
        }
        return DriveMap::FromEnvironment().ToWindows(*native).value_or(std::string());
    }

    std::unique_ptr<UpdateLock> LockForUpdate(const std::string& file, int patienceMs,
                                              bool* unsupported) override {
        const std::optional<Target> target = Resolve(file);
        *unsupported = true;
        if (!target) {
            return nullptr;
        }
        posix::Descriptor folder(posix::OpenNative(ParentOf(target->native).c_str(),
                                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!folder.IsOpen() || !posix::LockExclusively(folder.Get(), patienceMs, unsupported)) {
            return nullptr;
        }
        // The lock goes with the descriptor.
        struct FolderLock final : UpdateLock {
            explicit FolderLock(posix::Descriptor&& held) : descriptor(std::move(held)) {}
            posix::Descriptor descriptor;
        };
        return std::make_unique<FolderLock>(std::move(folder));
    }

    std::string TempFolder() override {
        const char* variable = ::getenv("TMPDIR");
        std::string native = variable != nullptr && variable[0] == '/' ? variable : "/tmp";
        std::optional<std::string> folder =
            DriveMap::FromEnvironment().ToWindows(posix::ResolvedDirectory(native));
        if (!folder) {
            return {};
        }
        if (folder->back() != '\\') {
            *folder += '\\';
        }
        return *folder;
    }

    std::string UserDataFolder() override {
        const std::optional<std::string> native = posix::NativeUserDataFolder();
        const std::optional<std::string> folder =
            native ? DriveMap::FromEnvironment().ToWindows(*native) : std::nullopt;
        return folder ? *folder + "\\" : std::string();
    }

    ProcessStamp CurrentProcess() override { return posix::CurrentNativeProcess(); }

    ProcessLife LifeOf(const ProcessStamp& process) override {
        return posix::NativeLifeOf(process);
    }

    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        std::string_view fallback = defaultText;
        while (!fallback.empty() && fallback.back() == ' ') {
            fallback.remove_suffix(1);
        }
        fallback = profile::Unquoted(fallback);
        // A bare file name means the Windows folder, which this system lacks.
        if (!profile::HasFolder(file)) {
            return profile::FittedTo(fallback, bufferSize);
        }
        const std::optional<Target> target = Resolve(file);
        const std::optional<std::string> content =
            target ? posix::ReadRegularNative(target->native, kLargestReadFile) : std::nullopt;
        if (!content) {
            return profile::FittedTo(fallback, bufferSize);
        }
        const std::optional<std::string_view> value =
            profile::FindProfileValue(*content, section, key);
        return profile::FittedTo(value ? profile::Unquoted(*value) : fallback, bufferSize);
    }
};

}  // namespace

FileSystem& NativeFiles() {
    static PosixFileSystem files;
    return files;
}

}  // namespace platform
