// libFuzzer entry: the drive map of the POSIX adapter and its path parsing.
// Input: lines; "<letter>=<dir>" maps a letter, "<letter>#<n>" gives its
// type, ">" followed by a folder is the current folder; of the others, the
// first is a Windows path and the second a native one.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "platform/posix/DriveMap.h"

namespace {

constexpr std::size_t kMaxLines = 32;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::map<std::string, std::string> variables;
    std::optional<std::string> current;
    std::vector<std::string_view> paths;
    for (const std::string_view line : fuzz::Split(fuzz::Text(data, size), '\n', kMaxLines)) {
        if (line.size() >= 2 && (line[1] == '=' || line[1] == '#')) {
            const std::string name = "BRENLO_DRIVE_" + std::string(1, line[0]);
            variables[line[1] == '=' ? name : name + "_TYPE"] = std::string(line.substr(2));
        } else if (line.starts_with('>')) {
            current = std::string(line.substr(1));
        } else {
            paths.push_back(line);
        }
    }
    const platform::posix::DriveMap drives(
        [&variables](const std::string& name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        });
    const platform::posix::CurrentFolderSource currentFolder = [&current] { return current; };

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        (void)drives.DirectoryOf(letter);
        (void)drives.TypeOf(letter);
    }
    const std::string_view windowsPath = paths.empty() ? std::string_view() : paths[0];
    if (const auto parsed = platform::posix::ParseWindowsPath(windowsPath, currentFolder)) {
        for (const std::string& name : parsed->names) {
            fuzz::Expect(name != "." && name != "..");
        }
        (void)drives.ToNative(*parsed);
    }
    if (const auto native = drives.ToNative(windowsPath, currentFolder)) {
        (void)drives.ToWindows(*native);
    }
    if (paths.size() > 1) {
        (void)drives.ToWindows(paths[1]);
    }
    return 0;
}
