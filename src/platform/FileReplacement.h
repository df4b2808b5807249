#pragma once

#include <functional>
#include <string>

#include "platform/ByteSink.h"

namespace platform {

// Writes a new version of the file at `path`: `write` fills a temporary file
// beside it (one volume, so that the move is one rename), which is moved over
// `path` only when `write` returned true and every byte reached the disk.
// Otherwise the temporary file is removed: the file at `path` is always
// either its earlier version or the complete new one. A file the run reads
// (IsInputOfTheRun) is never replaced, but by RewriteInput.
bool WriteReplacing(const std::string& path, const std::function<bool(ByteSink&)>& write);

// As WriteReplacing, for the one file a run reads in order to rewrite it: the
// settings file.
bool RewriteInput(const std::string& path, const std::function<bool(ByteSink&)>& write);

// As WriteReplacing, for a file nobody but its owner may open, such as a page
// in the temporary folder: on POSIX it is 0600 whatever the earlier file was;
// on Windows it has the rights the folder hands down (the user's own in the
// user's temporary folder), or those of the earlier file it replaces.
bool WriteReplacingPrivate(const std::string& path, const std::function<bool(ByteSink&)>& write);

}  // namespace platform
