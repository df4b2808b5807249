#include "platform/text/DisplayWidth.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct Case {
    std::string_view text;
    int columns;
};

// One row per class of the East Asian Width table, at the edges of its ranges.
TEST(DisplayWidthTest, ColumnsByEastAsianWidth) {
    constexpr Case kCases[] = {
        {"", 0},
        {"abc 123", 7},
        {"ｱｲｳﾞ", 4},          // half-width katakana: narrow
        {"売上", 4},          // ideographs: wide
        {"（）～・", 8},      // full-width forms
        {"\u3000", 2},        // ideographic space: full-width
        {"\u303F", 1},        // half-fill space: neutral
        {"①⑳", 4},            // circled numbers: ambiguous, two
        {"㉑㊺", 4},          // circled 21 to 50: wide
        {"※Ⅱ±×", 8},          // ambiguous
        {"\u00A0\u00A2", 2},  // not ambiguous: one each
        {"\u1100\u1160", 3},  // Hangul leading jamo wide, vowel not
        {"\uFF61\uFFE0", 3},  // half-width full stop, full-width cent
        {"\u30AB\u3099", 2},  // combining voiced mark: none
        {"e\u0301", 1},       // combining acute: none
        {"\U00020B9F", 2},    // supplementary ideograph
        {"\U0001F600", 2},    // emoji
        {"\xE5\xA3", 2},      // cut sequence: a column per byte
        {"\xFF\x80", 2},      // not UTF-8
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(platform::text::DisplayWidth(c.text), c.columns) << c.text;
    }
}

}  // namespace
