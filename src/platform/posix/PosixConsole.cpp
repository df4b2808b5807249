#include <stdlib.h>
#include <unistd.h>

#include "platform/Console.h"
#include "platform/text/Cp932.h"

namespace platform::console {

std::string ArgumentText(std::string_view argument, bool* ok) {
    auto converted = cp932::FromUtf8(argument);
    if (ok != nullptr) {
        *ok = converted.has_value();
    }
    return converted.value_or(std::string());
}

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && isatty(fileno(stream)) == 1;
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
    return setenv(name.c_str(), value.c_str(), 1) == 0;
}

bool PrefersJapanese() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return value[0] == 'j' && value[1] == 'a';
        }
    }
    return false;
}

void UseUtf8Console() {}

}  // namespace platform::console
