#pragma once

#include <string>

namespace platform {

// The folder of the pages the program writes for a browser to show: its own
// under the system's temporary folder, with its trailing backslash, made when
// missing; empty when there is none to be had.
std::string PageFolder();

// The page of a report in that folder: the report's name and a digest of its
// whole path, so that each report has one page, which showing it again
// replaces. Empty without a page folder.
std::string PagePathFor(const std::string& reportPath);

}  // namespace platform
