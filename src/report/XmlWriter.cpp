#include "report/XmlWriter.h"

#include "platform/text/Cp932.h"
#include "platform/text/Markup.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// Bytes that XML 1.0 allows in no document: single-byte characters, so that
// taking them out of whole characters leaves whole characters.
bool IsForbiddenControl(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
}

// The text as the report may hold it, so that the report always decodes:
// whole characters of code page 932 without the forbidden controls.
std::string WithoutControls(std::string_view text) {
    std::string kept = platform::cp932::WholeCharacters(text);
    std::erase_if(kept, IsForbiddenControl);
    return kept;
}

void Indent(std::string& line, int level) {
    line.assign(level > 0 ? static_cast<std::size_t>(level) : 0, '\t');
}

void AppendAttribute(std::string& line, const char* name, const char* value) {
    line += ' ';
    line += name;
    line += "=\"";
    line += platform::markup::Escape(WithoutControls(value));
    line += '"';
}

// The indentation and the start tag with its attributes; the second
// attribute only after the first.
void AppendStartTag(std::string& line, std::string_view name, int level, const char* attribute1Name,
                    const char* attribute1Value, const char* attribute2Name,
                    const char* attribute2Value) {
    Indent(line, level);
    line += '<';
    line += name;
    if (attribute1Name && attribute1Value) {
        AppendAttribute(line, attribute1Name, attribute1Value);
        if (attribute2Name && attribute2Value) {
            AppendAttribute(line, attribute2Name, attribute2Value);
        }
    }
    line += '>';
}

}  // namespace

XmlWriter::~XmlWriter() {
    Close();
}

std::int16_t XmlWriter::Open(platform::ByteSink* sink) {
    if (!sink) {
        return -1;
    }
    sink_ = sink;
    failed_ = false;
    open_.clear();
    return 0;
}

int XmlWriter::WriteText(std::string_view text) {
    return WriteLine(text);
}

int XmlWriter::StartElement(std::string& line, std::string_view name, int level,
                            const char* attribute1Name, const char* attribute1Value,
                            const char* attribute2Name, const char* attribute2Value) {
    AppendStartTag(line, name, level, attribute1Name, attribute1Value, attribute2Name,
                   attribute2Value);
    line += kLineEnd;
    open_.emplace_back(name);
    return WriteLine(line);
}

int XmlWriter::ValueElement(std::string& line, std::string_view name, std::string_view value,
                            int level, const char* attribute1Name, const char* attribute1Value,
                            const char* attribute2Name, const char* attribute2Value) {
    AppendStartTag(line, name, level, attribute1Name, attribute1Value, attribute2Name,
                   attribute2Value);
    line += platform::markup::Escape(WithoutControls(value));
    line += "</";
    line += name;
    line += '>';
    line += kLineEnd;
    return WriteLine(line);
}

int XmlWriter::EndElement(std::string& line, std::string_view name, int level) {
    if (!open_.empty()) {
        open_.pop_back();
    }
    Indent(line, level);
    line += "</";
    line += name;
    line += '>';
    line += kLineEnd;
    return WriteLine(line);
}

int XmlWriter::Start(std::string_view name, const char* attributeName, const char* attributeValue) {
    return StartElement(line_, name, Depth(), attributeName, attributeValue);
}

int XmlWriter::Value(std::string_view name, std::string_view value) {
    return ValueElement(line_, name, value, Depth());
}

int XmlWriter::End() {
    if (open_.empty()) {
        failed_ = true;
        return 0;
    }
    const std::string name = std::move(open_.back());
    return EndElement(line_, name, Depth() - 1);
}

int XmlWriter::Close() {
    sink_ = nullptr;
    return 0;
}

int XmlWriter::WriteLine(std::string_view line) {
    if (!sink_ || failed_) {
        failed_ = true;
        return 0;
    }
    if (!sink_->Write(line)) {
        failed_ = true;
        return 0;
    }
    return 1;
}
