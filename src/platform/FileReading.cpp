#include <array>

#include "platform/FileSystem.h"

namespace platform {

std::optional<std::string> ReadToEnd(File& file) {
    std::string content;
    std::array<char, 65536> chunk;
    for (;;) {
        const std::optional<std::size_t> count = file.Read(chunk);
        if (!count) {
            return std::nullopt;
        }
        if (*count == 0) {
            return content;
        }
        content.append(chunk.data(), *count);
    }
}

}  // namespace platform
