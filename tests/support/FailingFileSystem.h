#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the file system it finds; passes
// everything on, but makes the k-th write or the k-th close fail. Writes and
// closes are counted from 1 over all files opened for writing through it
// (files opened for reading are neither counted nor failed). A failing write
// passes the first half of its bytes on, as a full disk does; a failing close
// still closes the file.
class FailingFileSystem : public platform::FileSystem {
public:
    FailingFileSystem() : real_(*platform::ReplaceFiles(this)) {}
    ~FailingFileSystem() override { platform::ReplaceFiles(&real_); }
    FailingFileSystem(const FailingFileSystem&) = delete;
    FailingFileSystem& operator=(const FailingFileSystem&) = delete;

    int failingWrite = 0;  // 0: no write fails
    int failingClose = 0;  // 0: no close fails
    int writes = 0;
    int closes = 0;
    std::vector<std::string> writtenPaths;  // opened for writing, in order

    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode,
                                         platform::ShareMode share) override {
        std::unique_ptr<platform::File> file = real_.Open(path, mode, share);
        if (!file || mode == platform::OpenMode::Read) {
            return file;
        }
        writtenPaths.push_back(path);
        return std::make_unique<CountedFile>(*this, std::move(file));
    }
    bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }
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
    std::string ReadProfileText(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& defaultText,
                                std::size_t bufferSize) override {
        return real_.ReadProfileText(file, section, key, defaultText, bufferSize);
    }

private:
    class CountedFile : public platform::File {
    public:
        CountedFile(FailingFileSystem& owner, std::unique_ptr<platform::File> file)
            : owner_(owner), file_(std::move(file)) {}

        std::optional<std::size_t> Read(std::span<char> buffer) override {
            return file_->Read(buffer);
        }
        bool Write(std::string_view bytes) override {
            if (++owner_.writes == owner_.failingWrite) {
                file_->Write(bytes.substr(0, bytes.size() / 2));
                return false;
            }
            return file_->Write(bytes);
        }
        std::optional<std::uint64_t> Size() override { return file_->Size(); }
        bool Close() override {
            const bool closed = file_->Close();
            return ++owner_.closes != owner_.failingClose && closed;
        }

    private:
        FailingFileSystem& owner_;
        std::unique_ptr<platform::File> file_;
    };

    platform::FileSystem& real_;
};

}  // namespace testsupport
