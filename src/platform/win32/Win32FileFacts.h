#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace platform::win32 {

// What the system says of the file an open handle leads to; the handle needs
// READ_CONTROL for the owner.
std::optional<FileFacts> FactsOfHandle(HANDLE handle);

// The kind of an entry GetFileAttributes knows nothing of or calls a file: a
// device (NUL, Wine's Z:\dev\zero) answers to its path as a file would.
EntryKind KindOfEntry(const std::string& path);

}  // namespace platform::win32
