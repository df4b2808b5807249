#include "platform/text/TerminalText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using platform::text::ForTerminal;

struct TerminalCase {
    const char* what;
    std::string_view in;
    std::string_view out;
};

const TerminalCase kCases[] = {
    {"text and line breaks pass", "\xE6\x9D\xBE\xE6\x9C\xAC a\tb\n",
     "\xE6\x9D\xBE\xE6\x9C\xAC a\tb\n"},
    {"window title and clear screen", "\x1B]0;x\x07\x1B[2J",
     "\xE2\x90\x9B]0;x\xE2\x90\x87\xE2\x90\x9B[2J"},
    {"carriage return and NUL", std::string_view("a\rb\0", 4),
     "a\xE2\x90\x8D"
     "b\xE2\x90\x80"},
    {"DEL", "a\x7F", "a\xE2\x90\xA1"},
    {"C1 CSI and NEL",
     "\xC2\x9B"
     "2J\xC2\x85",
     "<U+009B>2J<U+0085>"},
    {"bytes that are no UTF-8",
     "\x9B"
     "2J\xE3\x81",
     "<9B>2J<E3><81>"},
    {"overlong and surrogate forms", "\xC0\x9B\xED\xA0\x80", "<C0><9B><ED><A0><80>"},
    {"no-break space is text", "\xC2\xA0", "\xC2\xA0"},
};

TEST(ForTerminal, ControlsAndBrokenBytesBecomeVisible) {
    for (const TerminalCase& c : kCases) {
        EXPECT_EQ(ForTerminal(c.in), c.out) << c.what;
    }
}

}  // namespace
