#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Cp932Reference.inc"

namespace {

using platform::cp932::ByteClass;
using platform::cp932::ClassAt;
using platform::cp932::FromUtf8;
using platform::cp932::IsLeadByte;
using platform::cp932::IsTrailByte;
using platform::cp932::ToUtf8;

std::string Show(std::string_view text) {
    return ::testing::PrintToString(std::string(text));
}

template <std::size_t N>
bool Contains(const unsigned char (&bytes)[N], int byte) {
    return std::find(bytes, bytes + N, byte) != bytes + N;
}

// Lead bytes of Windows' table whose rows hold no characters.
constexpr unsigned char kEmptyLeadBytes[] = {0x85, 0x86, 0xEB, 0xEC, 0xEF};
// Bytes that are neither a character nor the start of one.
constexpr unsigned char kUnusedBytes[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};

TEST(Cp932ByteClass, LeadBytesAgreeWithReference) {
    std::vector<int> neither;
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        if (Contains(cp932_reference::kLeadBytes, byte)) {
            EXPECT_TRUE(IsLeadByte(b)) << "byte " << byte;
        } else if (Contains(cp932_reference::kSingleBytes, byte)) {
            EXPECT_FALSE(IsLeadByte(b)) << "byte " << byte;
        } else {
            neither.push_back(byte);
        }
    }
    std::vector<int> expected(std::begin(kEmptyLeadBytes), std::end(kEmptyLeadBytes));
    expected.insert(expected.end(), std::begin(kUnusedBytes), std::end(kUnusedBytes));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(neither, expected);

    for (unsigned char byte : kEmptyLeadBytes) {
        EXPECT_TRUE(IsLeadByte(byte)) << "byte " << int{byte};
    }
    for (unsigned char byte : kUnusedBytes) {
        EXPECT_FALSE(IsLeadByte(byte)) << "byte " << int{byte};
    }
}

TEST(Cp932ByteClass, TrailBytesAreExactlyThoseOfReference) {
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(IsTrailByte(static_cast<unsigned char>(byte)),
                  Contains(cp932_reference::kTrailBytes, byte))
            << "byte " << byte;
    }
}

TEST(Cp932ByteClass, CharacterPairsAreExactlyThoseOfReference) {
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const bool expected = std::any_of(std::begin(cp932_reference::kCharacterPairs),
                                          std::end(cp932_reference::kCharacterPairs),
                                          [&](const cp932_reference::CodeRun& run) {
                                              return code >= run.first && code <= run.last;
                                          });
        ASSERT_EQ(platform::cp932::IsDoubleByteCharacter(static_cast<unsigned char>(code >> 8),
                                                         static_cast<unsigned char>(code & 0xFF)),
                  expected)
            << std::hex << code;
    }
}

// One letter per byte: L lead, T trail, S single.
std::string Classes(std::string_view text) {
    std::string letters;
    for (std::size_t k = 0; k < text.size(); ++k) {
        switch (ClassAt(text, k)) {
            case ByteClass::Lead:
                letters += 'L';
                break;
            case ByteClass::Trail:
                letters += 'T';
                break;
            case ByteClass::Single:
                letters += 'S';
                break;
        }
    }
    return letters;
}

TEST(Cp932ClassAt, BackslashTrailByteBelongsToItsCharacter) {
    // 表 and ソ end in 0x5C, the byte of the path separator.
    EXPECT_EQ(Classes("\x95\x5C"), "LT");
    EXPECT_EQ(Classes("\x83\x5C"), "LT");
    EXPECT_EQ(Classes("C:\\\x95\x5C\\\x83\x5C"), "SSSLTSLT");
    EXPECT_EQ(Classes("\x83\x5C\\"), "LTS");
}

TEST(Cp932ClassAt, RolesComeFromReadingFromTheStart) {
    // 0x81 is both a lead and a trail byte: only its position decides.
    EXPECT_EQ(Classes("\x81\x81\x81\x81"), "LTLT");
    EXPECT_EQ(Classes("\x81\x81\x81"), "LTS");
    EXPECT_EQ(Classes("A\x81\x81\x81\x40"), "SLTLT");
    EXPECT_EQ(Classes("\x82\xA0\x82\xA0"), "LTLT");
    // Half-width katakana are single bytes even where they look like trails.
    EXPECT_EQ(Classes("\xB1\x5C\xDE"), "SSS");
}

TEST(Cp932ClassAt, LeadWithoutTrailStandsAlone) {
    EXPECT_EQ(Classes("A\x82"), "SS");
    EXPECT_EQ(Classes("\x82"), "S");
    EXPECT_EQ(Classes("\x82 A"), "SSS");
    EXPECT_EQ(Classes("\x82\x7F\x82\xA0"), "SSLT");
    EXPECT_EQ(Classes(std::string_view("\x82\0\x82\xA0", 4)), "SSLT");
    // After a failed pair the walk resumes at the next byte, which may lead.
    EXPECT_EQ(Classes("\x82\xFD\x40"), "SSS");
    EXPECT_EQ(Classes("\xFD\x82\x40"), "SLT");
}

TEST(Cp932ClassAt, PositionsOutsideTheTextAreSingle) {
    EXPECT_EQ(ClassAt("", 0), ByteClass::Single);
    EXPECT_EQ(ClassAt("\x82\xA0", 2), ByteClass::Single);
    EXPECT_EQ(ClassAt("\x82\xA0", 3), ByteClass::Single);
    EXPECT_EQ(ClassAt("\x82\xA0", std::string_view::npos), ByteClass::Single);
    // A view that stops inside a character: the lead byte has no trail.
    EXPECT_EQ(ClassAt(std::string_view("\x82\xA0", 1), 0), ByteClass::Single);
}

struct CodecCase {
    const char* name;
    std::string_view cp932;
    std::string_view utf8;
};

// Characters where code page 932 has two codes come out in the IBM extension
// codes, as Windows writes them.
const CodecCase kRoundTrips[] = {
    {"empty", "", ""},
    {"ASCII with backslash and tilde", "C:\\out\\~r.xml", "C:\\out\\~r.xml"},
    {"kanji ending in 0x5C", "\x95\x5C\x83\x5C", "\xE8\xA1\xA8\xE3\x82\xBD"},
    {"ladder-form taka", "\xFB\xFC", "\xE9\xAB\x99"},
    {"full-width quotation mark", "\xFA\x57", "\xEF\xBC\x82"},
    {"full-width apostrophe", "\xFA\x56", "\xEF\xBC\x87"},
    {"small roman numeral one", "\xFA\x40", "\xE2\x85\xB0"},
    {"half-width katakana", "\xB6\xDE\xB0\xA1", "\xEF\xBD\xB6\xEF\xBE\x9E\xEF\xBD\xB0\xEF\xBD\xA1"},
    {"full-width tilde and minus", "\x81\x60\x81\x7C", "\xEF\xBD\x9E\xEF\xBC\x8D"},
    {"embedded NUL", std::string_view("a\0\x82\xA0", 4), std::string_view("a\0\xE3\x81\x82", 5)},
};

TEST(Cp932Codec, RoundTripsInWindowsCodes) {
    for (const CodecCase& c : kRoundTrips) {
        EXPECT_EQ(ToUtf8(c.cp932), std::optional<std::string>(c.utf8)) << c.name;
        EXPECT_EQ(FromUtf8(c.utf8), std::optional<std::string>(c.cp932)) << c.name;
    }
}

TEST(Cp932Codec, NecCodesReadAsTheirCharacterAndWriteBackAsIbm) {
    const std::optional<std::string> nec_quote = ToUtf8("\xEE\xFC");
    ASSERT_EQ(nec_quote, std::optional<std::string>("\xEF\xBC\x82"));
    EXPECT_EQ(FromUtf8(*nec_quote), std::optional<std::string>("\xFA\x57"));

    const std::optional<std::string> nec_numeral = ToUtf8("\xEE\xEF");
    ASSERT_EQ(nec_numeral, std::optional<std::string>("\xE2\x85\xB0"));
    EXPECT_EQ(FromUtf8(*nec_numeral), std::optional<std::string>("\xFA\x40"));
}

TEST(Cp932Codec, LongTextsConvertWhole) {
    // Each half-width katakana byte triples in UTF-8, more than any first
    // guess at the output size.
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 5000; ++i) {
        cp932 += "\xB1";
        utf8 += "\xEF\xBD\xB1";
    }
    cp932 += "\x95\x5C";
    utf8 += "\xE8\xA1\xA8";
    EXPECT_EQ(ToUtf8(cp932), std::optional<std::string>(utf8));
    EXPECT_EQ(FromUtf8(utf8), std::optional<std::string>(cp932));
}

TEST(Cp932Codec, RefusesCharactersWithoutCode) {
    const char* const kUnmappable[] = {
        "\xF0\x9F\x98\x80",     // emoji
        "abc\xF0\x9F\x98\x80",  // after convertible text
        "\xC2\xA5",             // yen sign: only a best-fit guess at 0x5C
        "\xE2\x80\xBE",         // overline: only a best-fit guess at 0x7E
        "\xEA\xB0\x80",         // hangul
        "\xE3\x83\xB7",         // katakana wa with voiced mark
    };
    for (const char* text : kUnmappable) {
        EXPECT_EQ(FromUtf8(text), std::nullopt) << Show(text);
    }
}

TEST(Cp932Codec, RefusesInvalidUtf8) {
    const std::string_view kInvalid[] = {
        "\xC3",          // cut short
        "a\xE3\x81",     // cut short after text
        "\xFF",          // never in UTF-8
        "\xC0\xAF",      // overlong slash
        "\xED\xA0\x80",  // surrogate
    };
    for (std::string_view text : kInvalid) {
        EXPECT_EQ(FromUtf8(text), std::nullopt) << Show(text);
    }
}

TEST(Cp932Codec, RefusesInvalidCp932) {
    const std::string_view kInvalid[] = {
        "A\x82",     // lead byte at the end
        "\x82 ",     // lead byte before a non-trail byte
        "\x82\x7F",  // 0x7F is not a trail byte
        "\x85\x40",  // unassigned row
    };
    for (std::string_view text : kInvalid) {
        EXPECT_EQ(ToUtf8(text), std::nullopt) << Show(text);
    }
}

}  // namespace
