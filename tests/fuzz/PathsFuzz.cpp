// libFuzzer entry: the path checks of the conditions dialog and the path
// pieces under them, on any bytes as a Windows-form Shift_JIS path. Input:
// one byte for the buffer size of the root and backslash functions, then the path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialog/PathChecks.h"
#include "fuzz/FuzzInput.h"
#include "platform/text/PathPieces.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::Text(data, size);
    const std::size_t bufferSize = fuzz::TakeByte(input);
    // Paths reach these functions from NUL-terminated buffers.
    const std::string path(input.substr(0, input.find('\0')));

    fuzz::Expect(platform::FolderOf(path) + platform::FileNameOf(path) == path);
    fuzz::Expect(platform::DriveOf(path) + platform::AfterDrive(path) == path);
    for (std::size_t k = 0; k <= path.size(); ++k) {
        (void)platform::IsInDoubleByteChar(path, k);
    }
    std::string withBackslash = path;
    if (platform::AddBackslash(withBackslash, bufferSize)) {
        // Unchanged when it ended with one already; else one more byte, NUL still in the buffer.
        fuzz::Expect(withBackslash == path ||
                     (withBackslash == path + '\\' && withBackslash.size() < bufferSize));
    } else {
        fuzz::Expect(withBackslash == path);
    }

    std::string folder = path;
    if (!ToFolderPart(folder)) {
        fuzz::Expect(folder == path);
    }
    std::string root;
    (void)StripToRoot(path, root, bufferSize);
    // Read-only questions to the file system: existence, drive type, access.
    if (CheckPathCharacters(path)) {
        (void)CheckDriveAccess(path);
        (void)IsFolderPresent(path);
    }
    return 0;
}
