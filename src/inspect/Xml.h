#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The little of an XML document the report reader looks at. Names, attribute
// values and texts keep the file's bytes (Shift_JIS), line ends normalized as
// XML does and references resolved into Shift_JIS.
namespace inspect::xml {

struct Element {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;        // character data directly inside, when there are no child elements
    bool hasText = false;    // non-blank character data beside child elements
    std::size_t offset = 0;  // of the element's name in its start tag
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

// pugixml in every build, so a report gets one verdict on every platform. Not
// ok: a document type declaration (its entities would not be expanded), an
// unknown entity, a character reference to a character that XML or code page
// 932 lacks, or anything but comments and blanks after the root element.
Document Parse(std::string_view bytes);

}  // namespace inspect::xml
