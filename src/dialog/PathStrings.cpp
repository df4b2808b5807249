#include "dialog/PathStrings.h"

#include "platform/text/Cp932.h"

namespace {

// Position of the last `separator` that stands as a character of its own.
std::string::size_type FindLastCharacter(const std::string& text, char separator) {
    std::string::size_type found = std::string::npos;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (platform::cp932::StartsDoubleByte(text, i)) {
            ++i;  // its trail byte is part of the character
        } else if (text[i] == separator) {
            found = i;
        }
    }
    return found;
}

std::string UpToAndIncluding(const std::string& text, char separator) {
    const auto at = FindLastCharacter(text, separator);
    return at == std::string::npos ? std::string() : text.substr(0, at + 1);
}

std::string After(const std::string& text, char separator) {
    const auto at = FindLastCharacter(text, separator);
    return at == std::string::npos ? text : text.substr(at + 1);
}

}  // namespace

std::string FolderOf(const std::string& path) {
    return UpToAndIncluding(path, '\\');
}

std::string FileNameOf(const std::string& path) {
    return After(path, '\\');
}

std::string DriveOf(const std::string& path) {
    return UpToAndIncluding(path, ':');
}

std::string AfterDrive(const std::string& path) {
    return After(path, ':');
}
