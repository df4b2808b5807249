#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "platform/Console.h"

namespace platform::console {

std::string ArgumentText(std::string_view argument, bool* ok) {
    if (ok != nullptr) {
        *ok = true;
    }
    return std::string(argument);
}

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && _isatty(_fileno(stream)) != 0;
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
    // Both the C runtime's copy (getenv) and the process block.
    return _putenv_s(name.c_str(), value.c_str()) == 0 &&
           SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
}

}  // namespace platform::console
