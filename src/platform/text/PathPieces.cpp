#include "platform/text/PathPieces.h"

#include "platform/text/Cp932.h"

namespace platform {
namespace {

// Position of the last `separator` that stands as a character of its own.
std::size_t FindLastCharacter(std::string_view text, char separator) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (cp932::StartsDoubleByte(text, i)) {
            ++i;  // its trail byte is part of the character
        } else if (text[i] == separator) {
            found = i;
        }
    }
    return found;
}

std::string UpToAndIncluding(std::string_view text, char separator) {
    const auto at = FindLastCharacter(text, separator);
    return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at + 1));
}

std::string After(std::string_view text, char separator) {
    const auto at = FindLastCharacter(text, separator);
    return std::string(at == std::string_view::npos ? text : text.substr(at + 1));
}

}  // namespace

std::string FolderOf(std::string_view path) {
    return UpToAndIncluding(path, '\\');
}

std::string FileNameOf(std::string_view path) {
    return After(path, '\\');
}

std::string DriveOf(std::string_view path) {
    return UpToAndIncluding(path, ':');
}

std::string AfterDrive(std::string_view path) {
    return After(path, ':');
}

bool IsInDoubleByteChar(std::string_view text, std::size_t k) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (cp932::StartsDoubleByte(text, i)) {
            if (k == i || k == i + 1) {
                return true;
            }
            ++i;
        }
    }
    return false;
}

bool AddBackslash(std::string& text, std::size_t size) {
    if (text.empty()) {
        return false;
    }
    if (text.back() == '\\' && !IsInDoubleByteChar(text, text.size() - 1)) {
        return true;
    }
    if (text.size() + 1 >= size) {
        return false;
    }
    text += '\\';
    return true;
}

}  // namespace platform
