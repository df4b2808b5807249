#include "platform/headless/ConsoleOutput.h"

#include <optional>

#include "platform/text/Cp932.h"
#include "platform/text/DisplayWidth.h"

namespace platform::headless {
namespace {

std::size_t CharacterLength(std::string_view text, std::size_t at) {
    return cp932::StartsDoubleByte(text, at) ? 2 : 1;
}

}  // namespace

std::string ConsoleText(std::string_view sjis) {
    if (std::optional<std::string> whole = cp932::ToUtf8(sjis)) {
        return *whole;
    }
    // One bad byte should not hide the rest of a message.
    std::string shown;
    for (std::size_t at = 0; at < sjis.size();) {
        const std::size_t length = CharacterLength(sjis, at);
        const std::optional<std::string> one = cp932::ToUtf8(sjis.substr(at, length));
        shown += one ? *one : std::string("?");
        at += length;
    }
    return shown;
}

std::size_t WholeUtf8Length(std::string_view utf8) {
    // Only the last three bytes can belong to a character still incomplete.
    const std::size_t size = utf8.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(utf8[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: its lead is further back
        }
        const std::size_t length = (byte & 0xE0) == 0xC0   ? 2
                                   : (byte & 0xF0) == 0xE0 ? 3
                                   : (byte & 0xF8) == 0xF0 ? 4
                                                           : 1;
        return length > back ? size - back : size;
    }
    return size;
}

std::size_t ConsoleWidth(std::string_view sjis) {
    return static_cast<std::size_t>(text::DisplayWidth(ConsoleText(sjis)));
}

std::ostream& ConsoleOutput::Lines() {
    EndLine();
    return stream_;
}

void ConsoleOutput::RewriteLine(const std::string& line, std::size_t width) {
    stream_ << '\r' << line;
    if (lineOpen_ && openWidth_ > width) {
        // Blank out what the longer previous line left behind.
        stream_ << std::string(openWidth_ - width, ' ') << '\r' << line;
    }
    stream_.flush();
    lineOpen_ = true;
    openWidth_ = width;
}

void ConsoleOutput::EndLine() {
    if (lineOpen_) {
        stream_ << '\n';
        stream_.flush();
        lineOpen_ = false;
        openWidth_ = 0;
    }
}

}  // namespace platform::headless
