#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "platform/Resources.h"

namespace platform {

std::string ResourceText(unsigned int id) {
    // The program's strings are short; a longer one would be cut here.
    std::array<char, 4096> buffer{};
    const int count = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(),
                                    static_cast<int>(buffer.size()));
    return count > 0 ? std::string(buffer.data(), static_cast<std::size_t>(count)) : std::string();
}

}  // namespace platform
