#include "inspect/ForeignCharacters.h"

#include <algorithm>

namespace inspect {
namespace {

// The element whose start tag comes last before `offset`; empty in the prolog.
std::string ElementBefore(std::string_view bytes, std::size_t offset) {
    std::size_t open = bytes.rfind('<', offset);
    while (open != std::string_view::npos && open + 1 < bytes.size() && bytes[open + 1] == '/') {
        open = open == 0 ? std::string_view::npos : bytes.rfind('<', open - 1);
    }
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t end = bytes.find_first_of(" \t\r\n/>", open + 1);
    return std::string(bytes.substr(open + 1, std::min(end, offset) - open - 1));
}

std::string CodePoint(unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("U+00") + kHex[c >> 4] + kHex[c & 15];
}

}  // namespace

// The export drops the control characters XML forbids (all below 0x20 but
// tab, CR and LF; DEL it keeps) and writes no character references:
// either means the file was made or edited elsewhere.
std::optional<ForeignCharacter> FirstForeignCharacter(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') {
            return ForeignCharacter{
                i,
                "出力ファイルに書かれることのない制御文字 " + CodePoint(c) +
                    " があります（ほかのプログラムで作られたか、編集されたファイルです）",
                "holds the control character " + CodePoint(c) +
                    ", which the export never writes (the file was made or edited "
                    "elsewhere)",
                ElementBefore(bytes, i)};
        }
        if (c == '&' && i + 1 < bytes.size() && bytes[i + 1] == '#') {
            const std::size_t end = bytes.find_first_of(";<", i);
            const std::size_t length = end == std::string_view::npos ? 12 : end - i + 1;
            const std::string reference(bytes.substr(i, std::min<std::size_t>(length, 12)));
            return ForeignCharacter{
                i,
                "出力ファイルに書かれることのない文字参照「" + reference +
                    "」があります（ほかのプログラムで作られたか、編集されたファイルです）",
                "holds the character reference \"" + reference +
                    "\", which the export never writes (the file was made or edited "
                    "elsewhere)",
                ElementBefore(bytes, i)};
        }
    }
    return std::nullopt;
}

}  // namespace inspect
