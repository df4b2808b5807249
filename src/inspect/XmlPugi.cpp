#include <string>
#include <string_view>

#include "inspect/Xml.h"

#if BRENLO_HAVE_PUGIXML
#include <pugixml.hpp>
#endif

namespace inspect::xml {

#if BRENLO_HAVE_PUGIXML

namespace {

// pugixml keeps the bytes of non-ASCII text as they are in its UTF-8 mode, and
// no byte of a Shift_JIS character is markup, so the tree holds Shift_JIS.
bool Copy(const pugi::xml_node& node, Element& out, int depth, Document& doc) {
    if (depth > kMaxDepth) {
        doc.error = "elements nested too deeply";
        doc.errorOffset = static_cast<std::size_t>(node.offset_debug());
        return false;
    }
    out.name = node.name();
    out.offset = static_cast<std::size_t>(node.offset_debug());
    for (const pugi::xml_attribute& a : node.attributes()) {
        out.attributes.emplace_back(a.name(), a.value());
    }
    bool elements = false;
    std::string text;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element) {
            elements = true;
            out.children.emplace_back();
            if (!Copy(child, out.children.back(), depth + 1, doc)) {
                return false;
            }
        } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
        }
    }
    if (elements) {
        out.hasText = text.find_first_not_of(" \t\r\n") != std::string::npos;
    } else {
        out.text = std::move(text);
    }
    return true;
}

}  // namespace

bool HavePugixml() {
    return true;
}

Document ParseWithPugixml(std::string_view bytes) {
    Document doc;
    pugi::xml_document tree;
    const unsigned options =
        pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
    const pugi::xml_parse_result result =
        tree.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!result) {
        doc.error = result.description();
        doc.errorOffset = static_cast<std::size_t>(result.offset);
        return doc;
    }
    const pugi::xml_node declaration = tree.first_child();
    if (declaration.type() == pugi::node_declaration) {
        doc.encoding = declaration.attribute("encoding").value();
    }
    const pugi::xml_node root = tree.document_element();
    if (!root) {
        doc.error = "no root element";
        doc.errorOffset = 0;
        return doc;
    }
    doc.ok = Copy(root, doc.root, 1, doc);
    return doc;
}

Document Parse(std::string_view bytes) {
    return ParseWithPugixml(bytes);
}

#else

bool HavePugixml() {
    return false;
}

Document ParseWithPugixml(std::string_view) {
    Document doc;
    doc.error = "this build has no pugixml";
    return doc;
}

Document Parse(std::string_view bytes) {
    return ParseWithTokenizer(bytes);
}

#endif

}  // namespace inspect::xml
