#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Xml.h"

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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Names of the report are ASCII; bytes above 0x7F are allowed as XML allows
// non-ASCII names, so a name never swallows markup.
bool IsNameByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_' ||
           b == '-' || b == '.' || b == ':' || b >= 0x80;
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view bytes) : in_(bytes) {}

    Document Run() {
        Document doc;
        if (!Prolog(doc)) {
            return Fail(doc);
        }
        if (pos_ >= in_.size() || in_[pos_] != '<') {
            Error("no root element");
            return Fail(doc);
        }
        if (!ElementAt(doc.root)) {
            return Fail(doc);
        }
        if (!Misc()) {
            return Fail(doc);
        }
        if (pos_ < in_.size()) {
            Error("content after the root element");
            return Fail(doc);
        }
        doc.ok = true;
        return doc;
    }

private:
    Document Fail(Document& doc) {
        doc.ok = false;
        doc.errorOffset = errorAt_;
        doc.error = error_;
        return doc;
    }

    bool Error(std::string message) {
        if (error_.empty()) {
            error_ = std::move(message);
            errorAt_ = pos_ < in_.size() ? pos_ : in_.size();
        }
        return false;
    }

    bool StartsWith(std::string_view s) const { return in_.substr(pos_).starts_with(s); }

    void SkipBlanks() {
        while (pos_ < in_.size() && IsBlank(in_[pos_])) {
            ++pos_;
        }
    }

    bool Skip(std::string_view end, const char* what) {
        const std::size_t at = in_.find(end, pos_);
        if (at == std::string_view::npos) {
            return Error(std::string("unterminated ") + what);
        }
        pos_ = at + end.size();
        return true;
    }

    // Comments and blanks around the root element.
    bool Misc() {
        for (;;) {
            SkipBlanks();
            if (StartsWith("<!--")) {
                if (!Skip("-->", "comment")) {
                    return false;
                }
            } else if (StartsWith("<?")) {
                if (!Skip("?>", "processing instruction")) {
                    return false;
                }
            } else {
                return true;
            }
        }
    }

    bool Prolog(Document& doc) {
        if (StartsWith("<?xml")) {
            const std::size_t end = in_.find("?>", pos_);
            if (end == std::string_view::npos) {
                return Error("unterminated declaration");
            }
            const std::string_view decl = in_.substr(pos_, end - pos_);
            const std::size_t enc = decl.find("encoding=");
            if (enc != std::string_view::npos && enc + 9 < decl.size()) {
                const char quote = decl[enc + 9];
                const std::size_t close = decl.find(quote, enc + 10);
                if (close != std::string_view::npos) {
                    doc.encoding = std::string(decl.substr(enc + 10, close - enc - 10));
                }
            }
            pos_ = end + 2;
        }
        if (!Misc()) {
            return false;
        }
        if (StartsWith("<!")) {
            return Error("document type declarations are not expected");
        }
        return true;
    }

    bool Name(std::string& name) {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsNameByte(in_[pos_])) {
            ++pos_;
        }
        if (pos_ == start) {
            return Error("expected a name");
        }
        name.assign(in_.substr(start, pos_ - start));
        return true;
    }

    // Character data up to the next '<', entity references resolved.
    bool Text(std::string& out) {
        while (pos_ < in_.size() && in_[pos_] != '<') {
            const char c = in_[pos_];
            if (c != '&') {
                out.push_back(c);
                ++pos_;
                continue;
            }
            const std::size_t semi = in_.find(';', pos_);
            if (semi == std::string_view::npos || semi - pos_ > 12) {
                return Error("unterminated entity reference");
            }
            const std::string_view ref = in_.substr(pos_ + 1, semi - pos_ - 1);
            if (ref == "amp") {
                out.push_back('&');
            } else if (ref == "lt") {
                out.push_back('<');
            } else if (ref == "gt") {
                out.push_back('>');
            } else if (ref == "quot") {
                out.push_back('"');
            } else if (ref == "apos") {
                out.push_back('\'');
            } else if (ref.size() > 1 && ref[0] == '#') {
                const bool hex = ref[1] == 'x';
                std::uint32_t code = 0;
                const std::string_view digits = ref.substr(hex ? 2 : 1);
                if (digits.empty()) {
                    return Error("empty character reference");
                }
                for (const char d : digits) {
                    int v = -1;
                    if (d >= '0' && d <= '9') {
                        v = d - '0';
                    } else if (hex && d >= 'a' && d <= 'f') {
                        v = d - 'a' + 10;
                    } else if (hex && d >= 'A' && d <= 'F') {
                        v = d - 'A' + 10;
                    }
                    if (v < 0) {
                        return Error("bad character reference");
                    }
                    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
                    if (code > 0x10FFFF) {
                        return Error("bad character reference");
                    }
                }
                // Shift_JIS text holds ASCII references only; others would need our table
                // backwards.
                if (code == 0 || code > 0x7F) {
                    return Error("character reference outside ASCII");
                }
                out.push_back(static_cast<char>(code));
            } else {
                return Error("unknown entity reference");
            }
            pos_ = semi + 1;
        }
        return true;
    }

    bool AttributeValue(std::string& value) {
        if (pos_ >= in_.size() || (in_[pos_] != '"' && in_[pos_] != '\'')) {
            return Error("expected a quoted attribute value");
        }
        const char quote = in_[pos_++];
        const std::size_t close = in_.find(quote, pos_);
        if (close == std::string_view::npos) {
            return Error("unterminated attribute value");
        }
        Tokenizer inner(in_.substr(pos_, close - pos_));
        if (!inner.Text(value) || inner.pos_ != close - pos_) {
            return Error(inner.error_.empty() ? "'<' in an attribute value" : inner.error_);
        }
        pos_ = close + 1;
        return true;
    }

    // One element with its content; iterative, with an explicit stack.
    bool ElementAt(Element& root) {
        std::vector<Element*> open;
        Element* current = &root;
        for (;;) {
            // At a '<' that starts an element.
            current->offset = pos_;
            ++pos_;
            if (!Name(current->name)) {
                return false;
            }
            bool empty = false;
            for (;;) {
                const std::size_t before = pos_;
                SkipBlanks();
                if (pos_ >= in_.size()) {
                    return Error("unterminated start tag");
                }
                if (in_[pos_] == '>') {
                    ++pos_;
                    break;
                }
                if (StartsWith("/>")) {
                    pos_ += 2;
                    empty = true;
                    break;
                }
                if (before == pos_) {
                    return Error("expected a blank before an attribute");
                }
                std::string name, value;
                if (!Name(name)) {
                    return false;
                }
                SkipBlanks();
                if (pos_ >= in_.size() || in_[pos_] != '=') {
                    return Error("expected '=' after an attribute name");
                }
                ++pos_;
                SkipBlanks();
                if (!AttributeValue(value)) {
                    return false;
                }
                current->attributes.emplace_back(std::move(name), std::move(value));
            }
            if (!empty) {
                open.push_back(current);
            } else if (open.empty()) {
                return true;
            }
            // Content of the innermost open element, until a child starts or it ends.
            for (;;) {
                Element* parent = open.back();
                std::string text;
                if (!Text(text)) {
                    return false;
                }
                if (parent->children.empty()) {
                    parent->text += text;
                }
                if (text.find_first_not_of(" \t\r\n") != std::string::npos &&
                    !parent->children.empty()) {
                    parent->hasText = true;
                }
                if (pos_ >= in_.size()) {
                    return Error("unexpected end of file inside <" + parent->name + ">");
                }
                if (StartsWith("<!--")) {
                    if (!Skip("-->", "comment")) {
                        return false;
                    }
                    continue;
                }
                if (StartsWith("<![CDATA[") || StartsWith("<!") || StartsWith("<?")) {
                    return Error("markup not expected in a report");
                }
                if (StartsWith("</")) {
                    pos_ += 2;
                    std::string name;
                    if (!Name(name)) {
                        return false;
                    }
                    if (name != parent->name) {
                        return Error("end tag </" + name + "> does not match <" + parent->name +
                                     ">");
                    }
                    SkipBlanks();
                    if (pos_ >= in_.size() || in_[pos_] != '>') {
                        return Error("unterminated end tag");
                    }
                    ++pos_;
                    open.pop_back();
                    if (open.empty()) {
                        return true;
                    }
                    continue;
                }
                if (open.size() >= static_cast<std::size_t>(kMaxDepth)) {
                    return Error("elements nested too deeply");
                }
                if (parent->children.empty()) {
                    parent->hasText =
                        parent->text.find_first_not_of(" \t\r\n") != std::string::npos;
                    parent->text.clear();
                }
                parent->children.emplace_back();
                current = &parent->children.back();
                break;
            }
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string error_;
    std::size_t errorAt_ = 0;
};

}  // namespace

Document ParseWithTokenizer(std::string_view bytes) {
    return Tokenizer(bytes).Run();
}

}  // namespace inspect::xml
