#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"

namespace testsupport {

// A new, empty folder under the system's temporary folder, removed with all it
// holds when the test ends. Its name is ASCII, so the standard library finds
// it through its own temporary-folder lookup and removes whatever the test
// created in it, double-byte names included, without knowing their encoding.
class TempFolder {
public:
    TempFolder() {
        platform::FileSystem& files = platform::Files();
        const std::string temp = files.TempFolder();
        if (temp.empty()) {
            return;
        }
        std::mt19937_64 random(std::random_device{}() ^
                               static_cast<std::uint64_t>(
                                   std::chrono::steady_clock::now().time_since_epoch().count()));
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = "brenlo-test-" + std::to_string(random() % 1000000000u);
            if (files.MakeDirectory(temp + name)) {
                name_ = std::move(name);
                path_ = temp + name_;
                return;
            }
        }
    }

    ~TempFolder() {
        if (name_.empty()) {
            return;
        }
        std::error_code error;
        const std::filesystem::path native = NativePath();
        if (!native.empty() && std::filesystem::is_directory(native, error)) {
            std::filesystem::remove_all(native, error);
        }
        // Left when the two lookups of the temporary folder disagree.
        platform::Files().RemoveEmptyDirectory(path_);
    }

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Windows form without a trailing backslash; empty when no folder could be made.
    const std::string& Path() const { return path_; }

    // Path() + "\" + name.
    std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

    // The folder as this system names it; empty when unknown.
    std::filesystem::path NativePath() const {
        std::error_code error;
        const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
        if (error || temp.empty() || name_.empty()) {
            return {};
        }
        return temp / name_;
    }

private:
    std::string name_;
    std::string path_;
};

}  // namespace testsupport
