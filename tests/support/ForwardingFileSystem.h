#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the file system it finds, and passes
// every call on to it; fakes override only what they change.
class ForwardingFileSystem : public platform::FileSystem {
public:
    ForwardingFileSystem() : real_(*platform::ReplaceFiles(this)) {}
    ~ForwardingFileSystem() override { platform::ReplaceFiles(&real_); }
    ForwardingFileSystem(const ForwardingFileSystem&) = delete;
    ForwardingFileSystem& operator=(const ForwardingFileSystem&) = delete;

    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode,
                                         platform::ShareMode share) override {
        return real_.Open(path, mode, share);
    }
    std::unique_ptr<platform::File> CreateReplacement(const std::string& path,
                                                      const std::string& replaced) override {
        return real_.CreateReplacement(path, replaced);
    }
    bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }
    std::unique_ptr<platform::File> CreatePrivate(const std::string& path) override {
        return real_.CreatePrivate(path);
    }
    bool MoveToNew(const std::string& from, const std::string& to) override {
        return real_.MoveToNew(from, to);
    }
    std::vector<std::string> NamesIn(const std::string& folder) override {
        return real_.NamesIn(folder);
    }
    std::optional<platform::FileFacts> FactsOf(const std::string& path) override {
        return real_.FactsOf(path);
    }
    std::optional<platform::FileIdentity> IdentityOf(const std::string& path) override {
        return real_.IdentityOf(path);
    }
    std::string LastFailureReason() override { return real_.LastFailureReason(); }
    bool MoveOver(const std::string& from, const std::string& to) override {
        return real_.MoveOver(from, to);
    }
    bool MakeDirectory(const std::string& path) override { return real_.MakeDirectory(path); }
    bool RemoveEmptyDirectory(const std::string& path) override {
        return real_.RemoveEmptyDirectory(path);
    }
    platform::EntryKind KindOf(const std::string& path) override { return real_.KindOf(path); }
    int DriveTypeOf(const std::string& root) override { return real_.DriveTypeOf(root); }
    bool HasAccess(const std::string& path, int mode) override {
        return real_.HasAccess(path, mode);
    }
    bool ShareHasAccess(const std::string& share, int mode) override {
        return real_.ShareHasAccess(share, mode);
    }
    std::string CurrentFolder() override { return real_.CurrentFolder(); }
    bool SetCurrentFolder(const std::string& path) override { return real_.SetCurrentFolder(path); }
    std::string ModuleFilePath() override { return real_.ModuleFilePath(); }
    std::string TempFolder() override { return real_.TempFolder(); }
    std::string UserDataFolder() override { return real_.UserDataFolder(); }
    platform::ProcessStamp CurrentProcess() override { return real_.CurrentProcess(); }
    platform::ProcessLife LifeOf(const platform::ProcessStamp& process) override {
        return real_.LifeOf(process);
    }
    std::unique_ptr<platform::UpdateLock> LockForUpdate(const std::string& file, int patienceMs,
                                                        bool* unsupported) override {
        return real_.LockForUpdate(file, patienceMs, unsupported);
    }
    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        return real_.ReadProfileText(file, section, key, defaultText, bufferSize);
    }

protected:
    platform::FileSystem& real_;
};

}  // namespace testsupport
