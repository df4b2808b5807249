#include "inspect/Xml.h"

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Cp932.h"

namespace inspect::xml {

const std::string* Element::Attribute(std::string_view attributeName) const {
    for (const auto& attribute : attributes) {
        if (attribute.first == attributeName) {
            return &attribute.second;
        }
    }
    return nullptr;
}

namespace {

// pugixml resolves references into UTF-8, which would mix encodings in a
// Shift_JIS tree and let unknown entities through as text: it is asked to
// leave them, and Resolve below does the rest.
constexpr unsigned kParseOptions =
    pugi::parse_declaration | pugi::parse_doctype | pugi::parse_cdata | pugi::parse_eol |
    pugi::parse_wconv_attribute | pugi::parse_ws_pcdata_single | pugi::parse_fragment;

constexpr char32_t kLastCodePoint = 0x10FFFF;

// The characters XML 1.0 allows in a document.
bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= kLastCodePoint);
}

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The code point of "#65" or "#x41", when it is a whole number XML allows.
std::optional<char32_t> CodePointOf(std::string_view reference) {
    const bool hex = reference.starts_with("#x");
    const std::string_view digits = reference.substr(hex ? 2 : 1);
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char digit : digits) {
        int d = -1;
        if (digit >= '0' && digit <= '9') {
            d = digit - '0';
        } else if (hex && digit >= 'a' && digit <= 'f') {
            d = digit - 'a' + 10;
        } else if (hex && digit >= 'A' && digit <= 'F') {
            d = digit - 'A' + 10;
        }
        if (d < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
        if (value > kLastCodePoint) {
            return std::nullopt;
        }
    }
    const auto c = static_cast<char32_t>(value);
    return IsXmlChar(c) ? std::optional<char32_t>(c) : std::nullopt;
}

// The Shift_JIS bytes one reference (without '&' and ';') stands for.
std::optional<std::string> Referenced(std::string_view reference) {
    constexpr std::pair<std::string_view, std::string_view> kPredefined[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"},
    };
    for (const auto& [name, text] : kPredefined) {
        if (reference == name) {
            return std::string(text);
        }
    }
    if (!reference.starts_with('#')) {
        return std::nullopt;
    }
    const std::optional<char32_t> c = CodePointOf(reference);
    if (!c) {
        return std::nullopt;
    }
    return *c < 0x80 ? std::optional<std::string>(std::string(1, static_cast<char>(*c)))
                     : platform::cp932::FromUtf8(Utf8Of(*c));
}

// The raw text with its references resolved; false with the error and the
// position in the text of the first one that does not resolve.
bool Resolve(std::string_view raw, std::string& out, std::size_t& at, std::string& error) {
    out.clear();
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t amp = raw.find('&', i);
        out.append(raw.substr(i, amp - i));
        if (amp == std::string_view::npos) {
            break;
        }
        const std::size_t semicolon = raw.find(';', amp);
        const std::optional<std::string> text =
            semicolon == std::string_view::npos
                ? std::nullopt
                : Referenced(raw.substr(amp + 1, semicolon - amp - 1));
        if (!text) {
            at = amp;
            error = "unknown entity or character reference";
            return false;
        }
        out += *text;
        i = semicolon + 1;
    }
    return true;
}

class Copier {
public:
    explicit Copier(Document& doc) : doc_(doc) {}

    bool Copy(const pugi::xml_node& node, Element& out, int depth) {
        if (depth > kMaxDepth) {
            return Error(node, "elements nested too deeply");
        }
        out.name = node.name();
        out.offset = OffsetOf(node);
        for (const pugi::xml_attribute& a : node.attributes()) {
            std::string value;
            if (!Resolved(node, a.value(), value)) {
                return false;
            }
            out.attributes.emplace_back(a.name(), std::move(value));
        }
        bool elements = false;
        std::string text;
        for (const pugi::xml_node& child : node.children()) {
            if (child.type() == pugi::node_element) {
                elements = true;
                out.children.emplace_back();
                if (!Copy(child, out.children.back(), depth + 1)) {
                    return false;
                }
            } else if (child.type() == pugi::node_cdata) {
                text += child.value();
            } else if (child.type() == pugi::node_pcdata) {
                std::string resolved;
                if (!Resolved(child, child.value(), resolved)) {
                    return false;
                }
                text += resolved;
            }
        }
        if (elements) {
            out.hasText = text.find_first_not_of(" \t\r\n") != std::string::npos;
        } else {
            out.text = std::move(text);
        }
        return true;
    }

    bool Error(const pugi::xml_node& node, std::string message, std::size_t within = 0) {
        doc_.error = std::move(message);
        doc_.errorOffset = OffsetOf(node) + within;
        return false;
    }

private:
    static std::size_t OffsetOf(const pugi::xml_node& node) {
        const std::ptrdiff_t offset = node.offset_debug();
        return offset < 0 ? 0 : static_cast<std::size_t>(offset);
    }

    bool Resolved(const pugi::xml_node& node, std::string_view raw, std::string& out) {
        std::size_t at = 0;
        std::string message;
        if (Resolve(raw, out, at, message)) {
            return true;
        }
        return Error(node, std::move(message), node.type() == pugi::node_pcdata ? at : 0);
    }

    Document& doc_;
};

// The element and what surrounds it at the top: the declaration first,
// comments and blanks, one element; no document type declaration.
bool CopyDocument(const pugi::xml_document& tree, Document& doc) {
    Copier copier(doc);
    pugi::xml_node root;
    for (const pugi::xml_node& node : tree.children()) {
        switch (node.type()) {
            case pugi::node_declaration:
                doc.encoding = node.attribute("encoding").value();
                break;
            case pugi::node_doctype:
                return copier.Error(node, "document type declarations are not expected");
            case pugi::node_element:
                if (root) {
                    return copier.Error(node, "content after the root element");
                }
                root = node;
                break;
            default:
                if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
                    return copier.Error(node, root ? "content after the root element"
                                                   : "text before the root element");
                }
                break;
        }
    }
    if (!root) {
        doc.error = "no root element";
        doc.errorOffset = 0;
        return false;
    }
    return copier.Copy(root, doc.root, 1);
}

}  // namespace

Document Parse(std::string_view bytes) {
    Document doc;
    pugi::xml_document tree;
    // pugixml keeps the bytes of non-ASCII text as they are in its UTF-8
    // mode, and no byte of a Shift_JIS character is markup, so the tree holds
    // Shift_JIS.
    const pugi::xml_parse_result result =
        tree.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_utf8);
    if (!result) {
        doc.error = result.description();
        doc.errorOffset = static_cast<std::size_t>(result.offset);
        return doc;
    }
    doc.ok = CopyDocument(tree, doc);
    return doc;
}

}  // namespace inspect::xml
