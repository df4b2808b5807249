#include <windows.h>

#include "platform/CommandLine.h"

namespace platform {

std::string ProgramCommandLine() {
    const char* line = GetCommandLineA();
    return std::string(AfterProgramName(line != nullptr ? line : ""));
}

}  // namespace platform
