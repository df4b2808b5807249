#include "platform/headless/ConsoleOutput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::headless::WholeUtf8Length;

TEST(WholeUtf8Length, KeepsBackOnlyACharacterCutAtTheEnd) {
    const std::string a = "\xE3\x81\x82";          // あ, three bytes
    const std::string emoji = "\xF0\x9F\x98\x80";  // four bytes
    EXPECT_EQ(WholeUtf8Length(""), 0u);
    EXPECT_EQ(WholeUtf8Length("abc\n"), 4u);
    EXPECT_EQ(WholeUtf8Length("x" + a), 4u);
    EXPECT_EQ(WholeUtf8Length("x" + a.substr(0, 1)), 1u);
    EXPECT_EQ(WholeUtf8Length("x" + a.substr(0, 2)), 1u);
    EXPECT_EQ(WholeUtf8Length(a + emoji.substr(0, 3)), 3u);
    EXPECT_EQ(WholeUtf8Length(a + emoji), 7u);
    EXPECT_EQ(WholeUtf8Length("\xC3"), 0u);
    EXPECT_EQ(WholeUtf8Length("\xC3\xA9"), 2u);
}

TEST(WholeUtf8Length, HoldsNothingBackForBytesThatAreNoUtf8) {
    EXPECT_EQ(WholeUtf8Length("\x82\xA0"), 2u);       // あ in Shift_JIS
    EXPECT_EQ(WholeUtf8Length("a\x80\x80\x80"), 4u);  // continuations with no lead
    EXPECT_EQ(WholeUtf8Length("a\xFF"), 2u);
}

}  // namespace
