#include "platform/text/Markup.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Sjis.h"

namespace {

using platform::markup::Escape;
using testsupport::Sjis;

TEST(MarkupEscape, OnlyTheFiveSpecialCharactersChange) {
    EXPECT_EQ(Escape("&<>\"'"), "&amp;&lt;&gt;&quot;&apos;");
    EXPECT_EQ(Escape(""), "");
    std::string others;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        if (byte != '&' && byte != '<' && byte != '>' && byte != '"' && byte != '\'') {
            others += static_cast<char>(byte);
        }
    }
    EXPECT_EQ(Escape(others), others);
    const std::string text = Sjis("表&ソ");
    EXPECT_EQ(Escape(text), Sjis("表") + "&amp;" + Sjis("ソ"));
}

}  // namespace
