#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Splitting a Shift_JIS path at its separators. The separator is searched for
// as a character, so the second byte of a double-byte character (ソ is 83 5C)
// never counts as a backslash.

// The text up to and including the last backslash; empty when there is none.
std::string FolderOf(std::string_view path);
// The text after the last backslash; the whole text when there is none.
std::string FileNameOf(std::string_view path);
// The text up to and including the last colon; empty when there is none.
std::string DriveOf(std::string_view path);
// The text after the last colon; the whole text when there is none.
std::string AfterDrive(std::string_view path);

// Whether position k is the first or the second byte of a double-byte character.
bool IsInDoubleByteChar(std::string_view text, std::size_t k);

// Ensures the text ends with a backslash character, within a buffer of `size`
// bytes (its NUL included); false for an empty text or when it does not fit.
bool AddBackslash(std::string& text, std::size_t size);

}  // namespace platform
