#pragma once

#include <string>
#include <string_view>

namespace platform {

// What follows the program name in a process's command line, as the C runtime
// hands it to WinMain: the name is quoted up to the next quote or runs to the
// first blank, and the blanks after it are skipped.
std::string_view AfterProgramName(std::string_view commandLine);

// This process's command line without the program name, in code page 932
// (Windows programs only).
std::string ProgramCommandLine();

}  // namespace platform
