#pragma once

#include <string>

// Creates each missing level of a folder path (Shift_JIS, Windows form), from
// the root down; when a level cannot be created, the levels this call created
// are removed again, deepest first. False on any failure.
bool CreateFolderLevels(const std::string& folder);

// Removes the empty directories of `target` below `kept`, deepest first;
// `kept` itself stays. False when the two do not share a root and a start, or
// a removal fails.
bool RemoveCreatedFolders(const std::string& target, const std::string& kept);
