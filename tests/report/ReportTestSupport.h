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
#include "support/Files.h"

namespace reporttest {

using testsupport::CurrentFolderGuard;
using testsupport::ReadFile;
using testsupport::WriteFile;

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
