#include "platform/CommandLine.h"

namespace platform {
namespace {

// The runtime counts every control character as a blank.
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string_view AfterProgramName(std::string_view commandLine) {
    std::size_t k = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        // A quote is never the second byte of a double-byte character.
        const std::size_t closing = commandLine.find('"', 1);
        k = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (k < commandLine.size() && !IsBlank(commandLine[k])) {
            ++k;
        }
    }
    while (k < commandLine.size() && IsBlank(commandLine[k])) {
        ++k;
    }
    return commandLine.substr(k);
}

}  // namespace platform
