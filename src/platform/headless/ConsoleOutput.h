#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace platform::headless {

// A Shift_JIS text as the console shows it: UTF-8, with '?' for a byte that
// is no character of code page 932.
std::string ConsoleText(std::string_view sjis);

// Columns a Shift_JIS text takes on a terminal, measured as the UTF-8 text
// it is shown as.
std::size_t ConsoleWidth(std::string_view sjis);

// How many leading bytes of a UTF-8 text end on a character boundary: a
// character whose bytes have not all arrived yet is left for the next write.
// Bytes that are no UTF-8 at all count as whole, so that they never hold text
// back.
std::size_t WholeUtf8Length(std::string_view utf8);

// The stream message boxes and the progress line share. The progress line is
// left open (no line feed) while it updates; whatever writes whole lines ends
// it first.
class ConsoleOutput {
public:
    explicit ConsoleOutput(std::ostream& stream) : stream_(stream) {}
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // The stream, positioned at the start of a line.
    std::ostream& Lines();
    // Replaces the open line with `line` of `width` columns.
    void RewriteLine(const std::string& line, std::size_t width);
    void EndLine();
    bool IsLineOpen() const { return lineOpen_; }

private:
    std::ostream& stream_;
    bool lineOpen_ = false;
    std::size_t openWidth_ = 0;
};

}  // namespace platform::headless
