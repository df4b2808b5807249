#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "aggregation/CollectedData.h"
#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "support/Files.h"
#include "support/RunParts.h"
#include "support/TempFolder.h"

namespace reporttest {

using testsupport::CurrentFolderGuard;
using testsupport::ReadFile;
using testsupport::WriteFile;

// One yen in the host's amounts, which carry four decimal places.
inline constexpr std::int64_t kYen = 10000;
// The real-estate block that holds the rental entries.
inline constexpr int kRentalBlock = 1;

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

// How many times `part` stands in `text`, not overlapping.
inline std::size_t Occurrences(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// A value element at level 4, as the section writers write them, without its line end.
inline std::string Value(std::string_view tag, std::string_view value) {
    return "\t\t\t\t<" + std::string(tag) + ">" + std::string(value) + "</" + std::string(tag) +
           ">";
}

// The lines of a report without their CR LF; text after the last line end fails the test.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

// Names of the section elements (level 3), checking that each one that
// starts also ends before the next starts.
inline std::vector<std::string> SectionNames(const std::string& text) {
    std::vector<std::string> names;
    std::string open;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        const std::string_view line(text.data() + start, end - start);
        if (!line.starts_with("\t\t\t<") && !line.starts_with("\t\t\t</")) {
            continue;
        }
        if (line.starts_with("\t\t\t</")) {
            EXPECT_EQ(std::string(line.substr(5, line.size() - 6)), open) << "unbalanced end";
            open.clear();
            continue;
        }
        EXPECT_EQ(open, "") << "section left open";
        open = std::string(line.substr(4, line.find_first_of(" >") - 4));
        names.push_back(open);
    }
    return names;
}

// The run's parts with the report's lines read back from memory.
class SectionWriterTest : public testsupport::RunPartsTest {
protected:
    SectionWriterTest() { Inside(4); }

    std::vector<std::string> Lines() { return SplitLines(Written()); }
};

}  // namespace reporttest
