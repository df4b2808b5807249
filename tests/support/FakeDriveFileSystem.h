#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/ForwardingFileSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the file system it finds; passes
// everything on, except what a test configures: the drive type and access of
// drive roots, the access of network shares, a failing k-th MakeDirectory, and
// files that cannot be opened for reading.
class FakeDriveFileSystem : public ForwardingFileSystem {
public:
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
    bool MakeDirectory(const std::string& path) override {
        if (++makeDirectoryCalls == failingMakeDirectory) {
            return false;
        }
        return real_.MakeDirectory(path);
    }
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
};

}  // namespace testsupport
