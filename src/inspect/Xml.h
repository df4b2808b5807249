#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The little of an XML document the report reader looks at. Names, attribute
// values and texts keep the file's bytes (Shift_JIS), entity references resolved.
namespace inspect::xml {

struct Element {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;        // character data directly inside, when there are no child elements
    bool hasText = false;    // non-blank character data beside child elements
    std::size_t offset = 0;  // of the '<' of the start tag
    std::vector<Element> children;

    const std::string* Attribute(std::string_view attributeName) const;
};

struct Document {
    bool ok = false;
    Element root;
    std::string encoding;  // of the declaration; empty without one
    std::size_t errorOffset = 0;
    std::string error;  // English, for the reader's message
};

// Reports nest six elements deep; anything far deeper is no report, and the
// limit keeps the walks over the tree shallow.
inline constexpr int kMaxDepth = 12;

// pugixml where the build has it, else the tokenizer below.
Document Parse(std::string_view bytes);
// A small parser of our own for the subset the report writer produces
// (declaration, comments, elements, attributes, character data, the
// predefined and numeric entity references). The Windows build uses it: the
// cross compiler has no pugixml.
Document ParseWithTokenizer(std::string_view bytes);
bool HavePugixml();
Document ParseWithPugixml(std::string_view bytes);  // not ok, with a message, without pugixml

}  // namespace inspect::xml
