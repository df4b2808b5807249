// Half-width to full-width mapping with our own tables: Wine's LCMapStringA
// ignores LCMAP_FULLWIDTH, and the result must be the same on both platforms.
#include "platform/text/Cp932.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace platform::cp932 {
namespace {

constexpr unsigned char kFirstAscii = 0x20;
constexpr unsigned char kLastAscii = 0x7E;
constexpr unsigned char kFirstKana = 0xA1;
constexpr unsigned char kLastKana = 0xDF;
constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

// Full-width code of each ASCII character from the space to the tilde. The
// quotation mark and apostrophe take the IBM extension codes, as Windows
// writes them.
constexpr std::uint16_t kAsciiFullWidth[] = {
    0x8140, 0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56,  //  !"#$%&'
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // ()*+,-./
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 01234567
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 89:;<=>?
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,  // @ABCDEFG
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,  // HIJKLMNO
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,  // PQRSTUVW
    0x8277, 0x8278, 0x8279, 0x816D, 0x815F, 0x816E, 0x814F, 0x8151,  // XYZ[\]^_
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,  // `abcdefg
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,  // hijklmno
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,  // pqrstuvw
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,          // xyz{|}~
};
static_assert(std::size(kAsciiFullWidth) == kLastAscii - kFirstAscii + 1);

// Full-width code of each half-width katakana, 0xA1 to 0xDF; the marks alone
// become the spacing voiced and semi-voiced marks.
constexpr std::uint16_t kKanaFullWidth[] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340,          // A1-A7
    0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362,  // A8-AF
    0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C,  // B0-B7
    0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C,  // B8-BF
    0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,  // C0-C7
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D,  // C8-CF
    0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389,  // D0-D7
    0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,  // D8-DF
};
static_assert(std::size(kKanaFullWidth) == kLastKana - kFirstKana + 1);

struct Composition {
    unsigned char kana;
    unsigned char mark;
    std::uint16_t code;
};

// Kana and mark pairs that code page 932 has as one character. Pairs not
// listed (such as wa with the voiced mark) stay two characters.
constexpr Composition kCompositions[] = {
    {0xB3, kVoicedMark, 0x8394},                                       // vu
    {0xB6, kVoicedMark, 0x834B},     {0xB7, kVoicedMark, 0x834D},      // ga gi
    {0xB8, kVoicedMark, 0x834F},     {0xB9, kVoicedMark, 0x8351},      // gu ge
    {0xBA, kVoicedMark, 0x8353},     {0xBB, kVoicedMark, 0x8355},      // go za
    {0xBC, kVoicedMark, 0x8357},     {0xBD, kVoicedMark, 0x8359},      // ji zu
    {0xBE, kVoicedMark, 0x835B},     {0xBF, kVoicedMark, 0x835D},      // ze zo
    {0xC0, kVoicedMark, 0x835F},     {0xC1, kVoicedMark, 0x8361},      // da di
    {0xC2, kVoicedMark, 0x8364},     {0xC3, kVoicedMark, 0x8366},      // du de
    {0xC4, kVoicedMark, 0x8368},     {0xCA, kVoicedMark, 0x836F},      // do ba
    {0xCB, kVoicedMark, 0x8372},     {0xCC, kVoicedMark, 0x8375},      // bi bu
    {0xCD, kVoicedMark, 0x8378},     {0xCE, kVoicedMark, 0x837B},      // be bo
    {0xCA, kSemiVoicedMark, 0x8370}, {0xCB, kSemiVoicedMark, 0x8373},  // pa pi
    {0xCC, kSemiVoicedMark, 0x8376}, {0xCD, kSemiVoicedMark, 0x8379},  // pu pe
    {0xCE, kSemiVoicedMark, 0x837C},                                   // po
};

void Append(std::string& out, std::uint16_t code) {
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

const Composition* FindComposition(unsigned char kana, unsigned char mark) {
    for (const Composition& composition : kCompositions) {
        if (composition.kana == kana && composition.mark == mark) {
            return &composition;
        }
    }
    return nullptr;
}

unsigned char ByteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

}  // namespace

std::string ToFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = ByteAt(text, i);
        const bool has_next = i + 1 < text.size();
        if (StartsDoubleByte(text, i)) {
            out.append(text.substr(i, 2));
            i += 2;
        } else if (byte >= kFirstAscii && byte <= kLastAscii) {
            Append(out, kAsciiFullWidth[byte - kFirstAscii]);
            ++i;
        } else if (byte >= kFirstKana && byte <= kLastKana) {
            const Composition* composition =
                has_next ? FindComposition(byte, ByteAt(text, i + 1)) : nullptr;
            if (composition != nullptr) {
                Append(out, composition->code);
                i += 2;
            } else {
                Append(out, kKanaFullWidth[byte - kFirstKana]);
                ++i;
            }
        } else {
            out.push_back(static_cast<char>(byte));
            ++i;
        }
    }
    return out;
}

}  // namespace platform::cp932
