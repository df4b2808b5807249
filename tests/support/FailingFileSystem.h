#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "support/ForwardingFileSystem.h"

namespace testsupport {

// Installed for its lifetime in place of the file system it finds; passes
// everything on, but makes the k-th write or the k-th close fail. Writes and
// closes are counted from 1 over all files opened for writing through it
// (files opened for reading are neither counted nor failed; their reads are
// counted). A failing write passes the first half of its bytes on, as a full
// disk does; a failing close still closes the file. `beforeWrite` and
// `beforeRead` see every write and read coming, with the path of its file.
class FailingFileSystem : public ForwardingFileSystem {
public:
    int failingWrite = 0;  // 0: no write fails
    int failingClose = 0;  // 0: no close fails
    int writes = 0;
    int closes = 0;
    int reads = 0;                          // of files opened for reading
    std::vector<std::string> writtenPaths;  // opened for writing, in order
    std::function<void(const std::string& path)> beforeWrite;
    std::function<void(const std::string& path)> beforeRead;

    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode,
                                         platform::ShareMode share) override {
        std::unique_ptr<platform::File> file = real_.Open(path, mode, share);
        if (!file) {
            return file;
        }
        if (mode == platform::OpenMode::Read) {
            return std::make_unique<CountedFile>(*this, std::move(file), path, true);
        }
        return Counted(path, std::move(file));
    }
    std::unique_ptr<platform::File> CreateReplacement(const std::string& path,
                                                      const std::string& replaced) override {
        std::unique_ptr<platform::File> file = real_.CreateReplacement(path, replaced);
        return file ? Counted(path, std::move(file)) : nullptr;
    }
    std::unique_ptr<platform::File> CreatePrivate(const std::string& path) override {
        std::unique_ptr<platform::File> file = real_.CreatePrivate(path);
        return file ? Counted(path, std::move(file)) : nullptr;
    }
    std::string LastFailureReason() override {
        return failed_ ? "no space left on device" : real_.LastFailureReason();
    }

private:
    std::unique_ptr<platform::File> Counted(const std::string& path,
                                            std::unique_ptr<platform::File> file) {
        writtenPaths.push_back(path);
        return std::make_unique<CountedFile>(*this, std::move(file), path, false);
    }

    class CountedFile : public platform::File {
    public:
        CountedFile(FailingFileSystem& owner, std::unique_ptr<platform::File> file,
                    std::string path, bool reading)
            : owner_(owner), file_(std::move(file)), path_(std::move(path)), reading_(reading) {}

        std::optional<std::size_t> Read(std::span<char> buffer) override {
            if (reading_) {
                ++owner_.reads;
                if (owner_.beforeRead) {
                    owner_.beforeRead(path_);
                }
            }
            return file_->Read(buffer);
        }
        bool Write(std::string_view bytes) override {
            if (reading_) {
                return file_->Write(bytes);
            }
            if (owner_.beforeWrite) {
                owner_.beforeWrite(path_);
            }
            if (++owner_.writes == owner_.failingWrite) {
                file_->Write(bytes.substr(0, bytes.size() / 2));
                owner_.failed_ = true;
                return false;
            }
            return file_->Write(bytes);
        }
        std::optional<std::uint64_t> Size() override { return file_->Size(); }
        std::optional<platform::FileFacts> Facts() override { return file_->Facts(); }
        bool Close() override {
            if (reading_) {
                return file_->Close();
            }
            const bool closed = file_->Close();
            if (++owner_.closes == owner_.failingClose) {
                owner_.failed_ = true;
                return false;
            }
            return closed;
        }

    private:
        FailingFileSystem& owner_;
        std::unique_ptr<platform::File> file_;
        std::string path_;
        bool reading_;
    };

    bool failed_ = false;  // a failure was made
};

}  // namespace testsupport
