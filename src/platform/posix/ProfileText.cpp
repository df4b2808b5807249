// The profile functions' reading of an ini text, as GetPrivateProfileStringA
// reads it: trimmed names compared without case, the first section of a name,
// values cut to the caller's buffer.
#include "platform/posix/ProfileText.h"

#include "platform/text/Cp932.h"

namespace platform::profile {
namespace {
// The blanks the profile functions trim. None of them can be a trail byte, so
// the ends of a text can be trimmed byte by byte.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters match in either case; the trail byte of a double-byte
// character is never a letter of its own.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size();) {
        const std::size_t length = cp932::CharLengthAt(a, k);
        if (length != cp932::CharLengthAt(b, k)) {
            return false;
        }
        if (length == 2 ? a.substr(k, 2) != b.substr(k, 2) : LowerAscii(a[k]) != LowerAscii(b[k])) {
            return false;
        }
        k += length;
    }
    return true;
}

// Position of the first `c` that is a character of its own.
std::size_t FindSingle(std::string_view text, char c) {
    for (std::size_t k = 0; k < text.size(); k += cp932::CharLengthAt(text, k)) {
        if (cp932::CharLengthAt(text, k) == 1 && text[k] == c) {
            return k;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string_view Unquoted(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// At most bufferSize - 1 bytes, the room left beside the terminating null,
// without splitting a double-byte character.
std::string FittedTo(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return {};
    }
    return std::string(text.substr(0, cp932::FittingLength(text, bufferSize - 1)));
}

// The value of `key` in the first section named `section`; empty when there is
// none, or when the key's line has no '='.
std::optional<std::string_view> FindProfileValue(std::string_view content, std::string_view section,
                                                 std::string_view key) {
    section = Trimmed(section);
    key = Trimmed(key);
    bool inSection = false;
    while (!content.empty()) {
        const std::size_t end = content.find_first_of("\r\n");
        const std::string_view line =
            Trimmed(content.substr(0, end == std::string_view::npos ? content.size() : end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);

        if (!line.empty() && line.front() == '[') {
            const std::size_t close = FindSingle(line, ']');
            if (close != std::string_view::npos) {
                // A later section of the same name is not read.
                if (inSection) {
                    return std::nullopt;
                }
                inSection = SameName(Trimmed(line.substr(1, close - 1)), section);
                continue;
            }
        }
        if (!inSection) {
            continue;
        }
        const std::size_t equals = FindSingle(line, '=');
        if (SameName(Trimmed(line.substr(0, equals)), key)) {
            if (equals == std::string_view::npos) {
                return std::nullopt;
            }
            return Trimmed(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

bool HasFolder(std::string_view path) {
    return FindSingle(path, '\\') != std::string_view::npos ||
           FindSingle(path, '/') != std::string_view::npos;
}

}  // namespace platform::profile
