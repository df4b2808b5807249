#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <string_view>
#include <utility>

#include "platform/Adapters.h"
#include "platform/posix/DriveMap.h"
#include "platform/text/Cp932.h"

namespace platform {

namespace {

using posix::DriveMap;
using posix::WindowsPath;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

    // False when close reported an error. On Linux the descriptor is gone even
    // then, so it is never closed twice.
    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 || errno == EINTR;
    }

private:
    int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t permissions = 0) {
    int fd = -1;
    do {
        fd = ::open(path, flags, permissions);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Special files that cannot be synchronized have nothing to commit.
bool Synchronize(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

class PosixFile final : public File {
public:
    PosixFile(int fd, bool writable) : fd_(fd), writable_(writable) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (!fd_.IsOpen()) {
            return std::nullopt;
        }
        const std::size_t wanted = std::min<std::size_t>(buffer.size(), SSIZE_MAX);
        ssize_t count = -1;
        do {
            count = ::read(fd_.Get(), buffer.data(), wanted);
        } while (count < 0 && errno == EINTR);
        if (count < 0) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(count);
    }

    bool Write(std::string_view bytes) override {
        if (!fd_.IsOpen()) {
            return false;
        }
        while (!bytes.empty()) {
            const std::size_t wanted = std::min<std::size_t>(bytes.size(), SSIZE_MAX);
            const ssize_t count = ::write(fd_.Get(), bytes.data(), wanted);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
        return true;
    }

    std::optional<std::uint64_t> Size() override {
        struct stat status {};
        if (!fd_.IsOpen() || ::fstat(fd_.Get(), &status) != 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(status.st_size);
    }

    bool Close() override {
        if (!fd_.IsOpen()) {
            return false;
        }
        const bool committed = !writable_ || Synchronize(fd_.Get());
        return fd_.Close() && committed;
    }

private:
    Descriptor fd_;
    bool writable_;
};

std::optional<std::string> NativeCurrentDirectory() {
    std::string buffer(256, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return std::nullopt;
        }
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::optional<std::string> NativeModulePath() {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ResolvedDirectory(const std::string& directory) {
    const std::unique_ptr<char, decltype(&::free)> resolved(::realpath(directory.c_str(), nullptr),
                                                            &::free);
    return resolved ? std::string(resolved.get()) : directory;
}

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

std::optional<std::string> ReadWholeFile(const std::string& native) {
    Descriptor fd(OpenRetrying(native.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        return std::nullopt;
    }
    std::string content;
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return content;
        }
        content.append(chunk, static_cast<std::size_t>(count));
    }
}

// --- GetPrivateProfileStringA -------------------------------------------------

// The blanks the profile functions trim. None of them can be a trail byte, so
// the ends of a text can be trimmed byte by byte.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters match in either case; the trail byte of a double-byte
// character is never a letter of its own.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size();) {
        const std::size_t length = cp932::CharLengthAt(a, k);
        if (length != cp932::CharLengthAt(b, k)) {
            return false;
        }
        if (length == 2 ? a.substr(k, 2) != b.substr(k, 2) : LowerAscii(a[k]) != LowerAscii(b[k])) {
            return false;
        }
        k += length;
    }
    return true;
}

// Position of the first `c` that is a character of its own.
std::size_t FindSingle(std::string_view text, char c) {
    for (std::size_t k = 0; k < text.size(); k += cp932::CharLengthAt(text, k)) {
        if (cp932::CharLengthAt(text, k) == 1 && text[k] == c) {
            return k;
        }
    }
    return std::string_view::npos;
}

std::string_view Unquoted(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// At most bufferSize - 1 bytes, the room left beside the terminating null,
// without splitting a double-byte character.
std::string FittedTo(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::string(text.substr(0, cp932::FittingLength(text, bufferSize - 1)));
}

// The value of `key` in the first section named `section`; empty when there is
// none, or when the key's line has no '='.
std::optional<std::string_view> FindProfileValue(std::string_view content, std::string_view section,
                                                 std::string_view key) {
    section = Trimmed(section);
    key = Trimmed(key);
    bool inSection = false;
    while (!content.empty()) {
        const std::size_t end = content.find_first_of("\r\n");
        const std::string_view line =
            Trimmed(content.substr(0, end == std::string_view::npos ? content.size() : end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);

        if (!line.empty() && line.front() == '[') {
            const std::size_t close = FindSingle(line, ']');
            if (close != std::string_view::npos) {
                // A later section of the same name is not read.
                if (inSection) {
                    return std::nullopt;
                }
                inSection = SameName(Trimmed(line.substr(1, close - 1)), section);
                continue;
            }
        }
        if (!inSection) {
            continue;
        }
        const std::size_t equals = FindSingle(line, '=');
        if (SameName(Trimmed(line.substr(0, equals)), key)) {
            if (equals == std::string_view::npos) {
                return std::nullopt;
            }
            return Trimmed(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

bool HasFolder(std::string_view path) {
    return FindSingle(path, '\\') != std::string_view::npos ||
           FindSingle(path, '/') != std::string_view::npos;
}

// --- The file system ----------------------------------------------------------

// Where a Windows path leads, and whether it is a drive's root.
struct Target {
    std::string native;
    bool isRoot = false;
};

std::optional<std::string> CurrentWindowsFolder(const DriveMap& drives) {
    const std::optional<std::string> native = NativeCurrentDirectory();
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
                flags |= O_RDONLY;
                break;
            case OpenMode::Write:
                flags |= O_WRONLY | O_CREAT | O_TRUNC;
                break;
            case OpenMode::ReadWrite:
                flags |= O_RDWR;
                break;
        }
        const int fd = OpenRetrying(target->native.c_str(), flags, 0666);
        if (fd < 0) {
            return nullptr;
        }
        auto file = std::make_unique<PosixFile>(fd, mode != OpenMode::Read);
        // CreateFile opens no directory without backup semantics.
        struct stat status {};
        if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
            return nullptr;
        }
        return file;
    }

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
        if (::rename(source->native.c_str(), destination->native.c_str()) != 0) {
            return false;
        }
        // Write-through: the new name is on the disk when this returns.
        Descriptor folder(OpenRetrying(ParentOf(destination->native).c_str(),
                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.IsOpen()) {
            Synchronize(folder.Get());
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
        return S_ISDIR(status.st_mode) ? EntryKind::Directory : EntryKind::File;
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
        return bits >= 0 && target && ::access(target->native.c_str(), bits) == 0;
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
        const std::optional<std::string> native = NativeModulePath();
        if (!native) {
            return {};
        }
        return DriveMap::FromEnvironment().ToWindows(*native).value_or(std::string());
    }

    std::string TempFolder() override {
        const char* variable = ::getenv("TMPDIR");
        std::string native = variable != nullptr && variable[0] == '/' ? variable : "/tmp";
        std::optional<std::string> folder =
            DriveMap::FromEnvironment().ToWindows(ResolvedDirectory(native));
        if (!folder) {
            return {};
        }
        if (folder->back() != '\\') {
            *folder += '\\';
        }
        return *folder;
    }

    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        std::string_view fallback = defaultText;
        while (!fallback.empty() && fallback.back() == ' ') {
            fallback.remove_suffix(1);
        }
        fallback = Unquoted(fallback);
        // A bare file name means the Windows folder, which this system lacks.
        if (!HasFolder(file)) {
            return FittedTo(fallback, bufferSize);
        }
        const std::optional<Target> target = Resolve(file);
        const std::optional<std::string> content =
            target ? ReadWholeFile(target->native) : std::nullopt;
        if (!content) {
            return FittedTo(fallback, bufferSize);
        }
        const std::optional<std::string_view> value = FindProfileValue(*content, section, key);
        return FittedTo(value ? Unquoted(*value) : fallback, bufferSize);
    }
};

}  // namespace

FileSystem& NativeFiles() {
    static PosixFileSystem files;
    return files;
}

}  // namespace platform
