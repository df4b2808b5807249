#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/PathPieces.h"

// Path functions and checks on Shift_JIS byte strings in Windows form. Every
// scan steps by characters, so the second byte of a double-byte character
// (ソ is 83 5C) never counts as a backslash or any other separator.

// Reduces a path to its drive and directory, with a trailing backslash
// (C:\out\report.xml gives C:\out\); false, unchanged, when there is neither.
bool ToFolderPart(std::string& path);

// Whether the folder part of the path is an existing directory.
bool IsFolderPresent(const std::string& path);

// The root of the source (C:\, or \\server\share of a network path) in the
// destination, for a buffer of `size` bytes.
bool StripToRoot(const std::string& source, std::string& destination, std::size_t size);

// False when the path holds a forbidden character or a doubled backslash.
bool CheckPathCharacters(const std::string& path);

// False when the drive, or the share of a network path, cannot be used.
bool CheckDriveAccess(const std::string& path);

// False when the drive of that letter cannot be used with the access mode.
bool CheckDriveLetter(char letter, int mode);
