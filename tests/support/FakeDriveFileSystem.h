#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the file system it finds; passes
// everything on, except what a test configures: the drive type and access of
// drive roots, the access of network shares, a failing k-th MakeDirectory, and
// files that cannot be opened for reading.
class FakeDriveFileSystem : public platform::FileSystem {
public:
    FakeDriveFileSystem() : real_(*platform::ReplaceFiles(this)) {}
    ~FakeDriveFileSystem() override { platform::ReplaceFiles(&real_); }
    FakeDriveFileSystem(const FakeDriveFileSystem&) = delete;
    FakeDriveFileSystem& operator=(const FakeDriveFileSystem&) = delete;

    std::map<std::string, int> driveTypes;    // root ("C:\") -> type
    std::map<std::string, bool> rootAccess;   // root -> HasAccess answer
    std::map<std::string, bool> shareAccess;  // "\\server\share" -> answer
    int failingMakeDirectory = 0;             // 0: none fails; counted from 1
    int makeDirectoryCalls = 0;
    std::set<std::string> unreadable;  // Open for reading fails
    std::vector<std::string> sharesAsked;

    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode,
                                         platform::ShareMode share) override {
        if (mode != platform::OpenMode::Write && unreadable.count(path) > 0) {
            return nullptr;
        }
        return real_.Open(path, mode, share);
    }
    bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }
    bool MoveOver(const std::string& from, const std::string& to) override {
        return real_.MoveOver(from, to);
    }
    bool MakeDirectory(const std::string& path) override {
        if (++makeDirectoryCalls == failingMakeDirectory) {
            return false;
        }
        return real_.MakeDirectory(path);
    }
    bool RemoveEmptyDirectory(const std::string& path) override {
        return real_.RemoveEmptyDirectory(path);
    }
    platform::EntryKind KindOf(const std::string& path) override { return real_.KindOf(path); }
    int DriveTypeOf(const std::string& root) override {
        const auto configured = driveTypes.find(root);
        return configured != driveTypes.end() ? configured->second : real_.DriveTypeOf(root);
    }
    bool HasAccess(const std::string& path, int mode) override {
        const auto configured = rootAccess.find(path);
        return configured != rootAccess.end() ? configured->second : real_.HasAccess(path, mode);
    }
    bool ShareHasAccess(const std::string& share, int mode) override {
        sharesAsked.push_back(share);
        const auto configured = shareAccess.find(share);
        return configured != shareAccess.end() ? configured->second
                                               : real_.ShareHasAccess(share, mode);
    }
    std::string CurrentFolder() override { return real_.CurrentFolder(); }
    bool SetCurrentFolder(const std::string& path) override { return real_.SetCurrentFolder(path); }
    std::string ModuleFilePath() override { return real_.ModuleFilePath(); }
    std::string TempFolder() override { return real_.TempFolder(); }
    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        return real_.ReadProfileText(file, section, key, defaultText, bufferSize);
    }

private:
    platform::FileSystem& real_;
};

}  // namespace testsupport
