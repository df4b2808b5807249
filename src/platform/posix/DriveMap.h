#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// A Windows path completed and normalized the way Win32 reads it: "." and ".."
// resolved by name, repeated separators collapsed, trailing dots and blanks of
// the last name dropped.
struct WindowsPath {
    char drive = 'Z';                // upper case
    std::vector<std::string> names;  // CP932, never "." or ".."
    // "C:\out\" names a directory only; the system call has to see that.
    bool trailingSeparator = false;
};

// Supplies the current folder (full Windows form) when a path needs it; empty
// when it is unknown.
using CurrentFolderSource = std::function<std::optional<std::string>()>;

// Parses `path` as a Win32 call would: "C:\a" is absolute, "C:a" is relative to
// the current folder when that is on C: and to C:'s root otherwise, "\a" is on
// the current folder's drive, anything else is relative to the current folder.
// Both slashes separate names, except a 0x5C that is the trail byte of a
// double-byte character. Empty for UNC and device paths ("\\server\share",
// "\\?\C:\"), names with characters Windows refuses (< > : " | ? * and control
// characters), and relative paths without a current folder.
std::optional<WindowsPath> ParseWindowsPath(std::string_view path,
                                            const CurrentFolderSource& currentFolder);

// Where drive letters lead on this system, as Wine's dosdevices do: Z: is "/",
// and BRENLO_DRIVE_<X>=<directory> maps letter X (Z: included; an empty value
// unmaps it). BRENLO_DRIVE_<X>_TYPE=<n> gives the drive type a mapped letter
// reports, fixed (3) by default.
class DriveMap {
public:
    // Value of an environment variable; empty when it is not set.
    using Lookup = std::function<std::optional<std::string>(const std::string& name)>;

    explicit DriveMap(const Lookup& lookup);
    // The process environment. Mapped directories are resolved through
    // symbolic links so that they compare with what getcwd reports.
    static DriveMap FromEnvironment();

    // Native directory of a letter (either case), without a trailing slash
    // except for "/"; null when the letter is not mapped.
    const std::string* DirectoryOf(char letter) const;
    // The configured drive type; no root directory (1) when not mapped.
    int TypeOf(char letter) const;

    // Native path (UTF-8) of a Windows path (CP932); empty when the path cannot
    // be parsed, its drive is not mapped or a name has no UTF-8 form.
    std::optional<std::string> ToNative(std::string_view path,
                                        const CurrentFolderSource& currentFolder) const;
    std::optional<std::string> ToNative(const WindowsPath& path) const;
    // Windows form (CP932, backslashes) of an absolute native path, through the
    // mapping with the longest directory that contains it; empty when none
    // does or a name has no CP932 form.
    std::optional<std::string> ToWindows(std::string_view nativePath) const;

private:
    static constexpr std::size_t kLetters = 26;
    std::array<std::optional<std::string>, kLetters> directories_;
    std::array<int, kLetters> types_{};
};

}  // namespace platform::posix
