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

void UseUtf8Console() {}

}  // namespace platform::console
