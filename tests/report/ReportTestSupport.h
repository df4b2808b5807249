#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"

namespace reporttest {

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

// Empty optional when the file cannot be read.
inline std::optional<std::string> ReadFile(const std::string& path) {
    std::unique_ptr<platform::File> file =
        platform::Files().Open(path, platform::OpenMode::Read, platform::ShareMode::Read);
    if (!file) {
        return std::nullopt;
    }
    std::string content;
    std::array<char, 4096> chunk{};
    for (;;) {
        const std::optional<std::size_t> count = file->Read(chunk);
        if (!count) {
            return std::nullopt;
        }
        if (*count == 0) {
            return content;
        }
        content.append(chunk.data(), *count);
    }
}

// Names of the entries of a folder given as this system names it.
inline std::set<std::string> EntriesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_FALSE(error) << error.message();
    return names;
}

}  // namespace reporttest
