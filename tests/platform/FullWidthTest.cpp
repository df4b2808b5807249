#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/Cp932Reference.inc"
#include "platform/text/Cp932.h"

namespace {

using platform::cp932::IsLeadByte;
using platform::cp932::ToFullWidth;

std::string Show(std::string_view text) {
    return ::testing::PrintToString(std::string(text));
}

template <std::size_t N>
void ExpectReference(const cp932_reference::FullWidthEntry (&entries)[N]) {
    for (const cp932_reference::FullWidthEntry& entry : entries) {
        EXPECT_EQ(ToFullWidth(entry.half), entry.full) << Show(entry.half);
    }
}

TEST(FullWidth, AsciiMatchesReference) {
    ASSERT_EQ(std::size(cp932_reference::kFullWidthAscii), 0x7Eu - 0x20u + 1u);
    ExpectReference(cp932_reference::kFullWidthAscii);
}

TEST(FullWidth, HalfWidthKatakanaMatchesReference) {
    ASSERT_EQ(std::size(cp932_reference::kFullWidthKana), 0xDFu - 0xA1u + 1u);
    ExpectReference(cp932_reference::kFullWidthKana);
}

TEST(FullWidth, KanaWithMarkMatchesReference) {
    // Every half-width katakana followed by each mark, composed or not.
    ASSERT_EQ(std::size(cp932_reference::kFullWidthComposed) +
                  std::size(cp932_reference::kFullWidthSeparate),
              2u * (0xDFu - 0xA1u + 1u));
    ExpectReference(cp932_reference::kFullWidthComposed);
    ExpectReference(cp932_reference::kFullWidthSeparate);
}

TEST(FullWidth, ReferenceEntriesChainedIntoOneText) {
    std::string half;
    std::string full;
    for (const auto& entry : cp932_reference::kFullWidthComposed) {
        half += entry.half;
        full += entry.full;
    }
    for (const auto& entry : cp932_reference::kFullWidthAscii) {
        half += entry.half;
        full += entry.full;
    }
    EXPECT_EQ(ToFullWidth(half), full);
}

TEST(FullWidth, KanaTextsWithMarks) {
    // ﾊﾟｿｺﾝ -> パソコン
    EXPECT_EQ(ToFullWidth("\xCA\xDF\xBF\xBA\xDD"), "\x83\x70\x83\x5C\x83\x52\x83\x93");
    // ｶﾞｷﾞｸﾞ -> ガギグ
    EXPECT_EQ(ToFullWidth("\xB6\xDE\xB7\xDE\xB8\xDE"), "\x83\x4B\x83\x4D\x83\x4F");
    // ｳﾞｧ -> ヴァ
    EXPECT_EQ(ToFullWidth("\xB3\xDE\xA7"), "\x83\x94\x83\x40");
    // ﾜﾞ has no composed code: ワ゛
    EXPECT_EQ(ToFullWidth("\xDC\xDE"), "\x83\x8F\x81\x4A");
    // A mark takes only the kana before it: ゛カ, ガ゛, パ゜
    EXPECT_EQ(ToFullWidth("\xDE\xB6"), "\x81\x4A\x83\x4A");
    EXPECT_EQ(ToFullWidth("\xB6\xDE\xDE"), "\x83\x4B\x81\x4A");
    EXPECT_EQ(ToFullWidth("\xCA\xDF\xDF"), "\x83\x70\x81\x4B");
    // ｶﾟ has no composed code: カ゜
    EXPECT_EQ(ToFullWidth("\xB6\xDF"), "\x83\x4A\x81\x4B");
    // Kana at the end without a mark: ｶ -> カ, also when the mark lies just
    // past the end of the view.
    EXPECT_EQ(ToFullWidth("A\xB6"), "\x82\x60\x83\x4A");
    EXPECT_EQ(ToFullWidth(std::string_view("\xB6\xDE", 1)), "\x83\x4A");
    // A full-width mark after a half-width kana is not composed: カ゛
    EXPECT_EQ(ToFullWidth("\xB6\x81\x4A"), "\x83\x4A\x81\x4A");
}

TEST(FullWidth, DoubleByteCharactersPassUnchanged) {
    // 表示ソフト: trail bytes 0x5C (backslash) and 0x41-0x74 (ASCII letters).
    const std::string_view kanji = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67";
    EXPECT_EQ(ToFullWidth(kanji), kanji);
    // Trail bytes in the half-width katakana range: ぶ (0x82 0xD4) followed by
    // ﾞ must not compose with the trail byte.
    EXPECT_EQ(ToFullWidth("\x82\xD4\xDE"), "\x82\xD4\x81\x4A");
    EXPECT_EQ(ToFullWidth("\x82\xB6"), "\x82\xB6");
    // The whole text already full width: ＡＢＣ１ガ髙＂
    const std::string_view wide = "\x82\x60\x82\x61\x82\x62\x82\x50\x83\x4B\xFB\xFC\xFA\x57";
    EXPECT_EQ(ToFullWidth(wide), wide);
    // A pair in an unassigned row is still one character.
    EXPECT_EQ(ToFullWidth("\x85\x40"), "\x85\x40");
}

TEST(FullWidth, MixedText) {
    // C:\表\ｶﾞ 1 -> Ｃ：＼表＼ガ　１
    EXPECT_EQ(ToFullWidth("C:\\\x95\x5C\\\xB6\xDE 1"),
              "\x82\x62\x81\x46\x81\x5F\x95\x5C\x81\x5F\x83\x4B\x81\x40\x82\x50");
}

TEST(FullWidth, LeadByteWithoutTrailPassesAlone) {
    EXPECT_EQ(ToFullWidth("A\x82"), "\x82\x60\x82");
    // The byte after it is read on its own: 0x82, then the space widened.
    EXPECT_EQ(ToFullWidth("\x82 A"), "\x82\x81\x40\x82\x60");
    EXPECT_EQ(ToFullWidth("\x82\xB6\xDE"), "\x82\xB6\x81\x4A");
    EXPECT_EQ(ToFullWidth("\x82\x7F\xB6\xDE"), "\x82\x7F\x83\x4B");
}

TEST(FullWidth, OtherBytesPassUnchanged) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool ascii = byte >= 0x20 && byte <= 0x7E;
        const bool kana = byte >= 0xA1 && byte <= 0xDF;
        if (ascii || kana) {
            continue;
        }
        const std::string alone(1, static_cast<char>(byte));
        EXPECT_EQ(ToFullWidth(alone), alone) << "byte " << byte;
        if (!IsLeadByte(static_cast<unsigned char>(byte))) {
            // Not taken as a lead byte: the next character still widens.
            EXPECT_EQ(ToFullWidth(alone + "A"), alone + "\x82\x60") << "byte " << byte;
        }
    }
    EXPECT_EQ(ToFullWidth(""), "");
    EXPECT_EQ(ToFullWidth(std::string_view("A\0\r\n", 4)), std::string("\x82\x60\0\r\n", 5));
}

}  // namespace
