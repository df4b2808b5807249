#include <array>
#include <memory>

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

std::optional<std::string> ReadWholeFile(const std::string& path, ShareMode share) {
    std::unique_ptr<File> file = Files().Open(path, OpenMode::Read, share);
    if (!file) {
        return std::nullopt;
    }
    std::optional<std::string> content = ReadToEnd(*file);
    if (!content || !file->Close()) {
        return std::nullopt;
    }
    return content;
}

}  // namespace platform
