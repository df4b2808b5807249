#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace testsupport {

// Puts the current folder back when a test ends, before its scratch folder goes.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(platform::Files().CurrentFolder()) {}
    ~CurrentFolderGuard() { platform::Files().SetCurrentFolder(saved_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    std::string saved_;
};

inline bool WriteFile(const std::string& path, std::string_view bytes) {
    std::unique_ptr<platform::File> file =
        platform::Files().Open(path, platform::OpenMode::Write, platform::ShareMode::Exclusive);
    return file && file->Write(bytes) && file->Close();
}

inline bool IsDirectory(const std::string& path) {
    return platform::Files().KindOf(path) == platform::EntryKind::Directory;
}

// The whole file; nothing when it cannot be read. Not through the program's
// reader: a file a test looks at is no input of the runs it starts next.
inline std::optional<std::string> ReadFile(const std::string& path) {
    std::unique_ptr<platform::File> file =
        platform::Files().Open(path, platform::OpenMode::Read, platform::ShareMode::Read);
    return file ? platform::ReadToEnd(*file) : std::nullopt;
}

}  // namespace testsupport
