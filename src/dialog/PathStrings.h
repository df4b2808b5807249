#pragma once

#include <string>

// Splitting a Shift_JIS path at its separators. The separator is searched for
// as a character, so the second byte of a double-byte character (ソ is 83 5C)
// never counts as a backslash.

// The text up to and including the last backslash; empty when there is none.
std::string FolderOf(const std::string& path);
// The text after the last backslash; the whole text when there is none.
std::string FileNameOf(const std::string& path);
// The text up to and including the last colon; empty when there is none.
std::string DriveOf(const std::string& path);
// The text after the last colon; the whole text when there is none.
std::string AfterDrive(const std::string& path);
