#pragma once

#include <string>

namespace platform {

// The folder of the pages the program writes for a browser to show: its own
// under the system's temporary folder, with its trailing backslash, made when
// missing. One that another user made (a shared temporary folder) is not
// taken; the user's own data folder then holds the pages. Empty when there is
// none to be had.
std::string PageFolder();

// The page of a report in that folder: the report's name and a digest of its
// whole path, so that each report has one page, which showing it again
// replaces. Empty without a page folder.
std::string PagePathFor(const std::string& reportPath);

// Writes the page (readable by the user alone) and removes the pages of the
// folder that are older than a day; nothing else in it. False, with the file
// failure noted, when the page could not be written.
bool WritePage(const std::string& pagePath, const std::string& page);

}  // namespace platform
