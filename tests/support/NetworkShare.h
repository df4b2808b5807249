#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileSystem.h"
#include "support/ForwardingFileSystem.h"

namespace testsupport {

// Installed for its lifetime: a network share as the program meets it, where
// no folder can be locked (so lock files are used), a folder may be writable
// but not listable, and every look at a lock file takes a while.
class NetworkShare : public ForwardingFileSystem {
public:
    std::atomic<bool> listable{true};
    std::atomic<int> slowMs{0};  // added to each call on a lock file

    std::unique_ptr<platform::UpdateLock> LockForUpdate(const std::string&, int,
                                                        bool* unsupported) override {
        *unsupported = true;
        return nullptr;
    }
    std::vector<std::string> NamesIn(const std::string& folder) override {
        return listable ? real_.NamesIn(folder) : std::vector<std::string>();
    }
    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode,
                                         platform::ShareMode share) override {
        std::unique_ptr<platform::File> file = real_.Open(path, mode, share);
        Wait(path);
        return file;
    }
    bool MoveToNew(const std::string& from, const std::string& to) override {
        Wait(from);
        return real_.MoveToNew(from, to);
    }
    std::optional<platform::FileFacts> FactsOf(const std::string& path) override {
        Wait(path);
        return real_.FactsOf(path);
    }

private:
    void Wait(const std::string& path) const {
        if (slowMs > 0 && (path.ends_with(".lck") || path.ends_with(".lct"))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(slowMs));
        }
    }
};

}  // namespace testsupport
