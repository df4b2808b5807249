#include "report/XmlWriter.h"

#include "platform/text/Cp932.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// Bytes that XML 1.0 allows in no document. Shift_JIS trail bytes start at
// 0x40, so leaving these out never breaks a double-byte character.
bool IsForbiddenControl(unsigned char byte) {
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

// The text as the report may hold it, so that the report always decodes:
// without the forbidden controls, without a lead byte that no trail byte
// follows (at the end, before a byte that cannot be one, or left alone once a
// control was dropped) and without the bytes that are no character at all.
// Every complete pair stays as it is.
std::string WithoutControls(std::string_view text) {
    std::string controlsDropped;
    controlsDropped.reserve(text.size());
    for (const char byte : text) {
        if (!IsForbiddenControl(static_cast<unsigned char>(byte))) {
            controlsDropped.push_back(byte);
        }
    }
    std::string kept;
    kept.reserve(controlsDropped.size());
    for (std::size_t i = 0; i < controlsDropped.size(); ++i) {
        const auto byte = static_cast<unsigned char>(controlsDropped[i]);
        if (platform::cp932::StartsDoubleByte(controlsDropped, i)) {
            kept.append(controlsDropped, i, 2);
            ++i;
        } else if (platform::cp932::IsSingleByteCharacter(byte)) {
            kept.push_back(controlsDropped[i]);
        }
    }
    return kept;
}

void Indent(std::string& line, int level) {
    line.assign(level > 0 ? static_cast<std::size_t>(level) : 0, '\t');
}

void AppendAttribute(std::string& line, const char* name, const char* value) {
    line += ' ';
    line += name;
    line += "=\"";
    line += XmlWriter::Escape(WithoutControls(value));
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
    return WriteLine(line);
}

int XmlWriter::ValueElement(std::string& line, std::string_view name, std::string_view value,
                            int level, const char* attribute1Name, const char* attribute1Value,
                            const char* attribute2Name, const char* attribute2Value) {
    AppendStartTag(line, name, level, attribute1Name, attribute1Value, attribute2Name,
                   attribute2Value);
    line += Escape(WithoutControls(value));
    line += "</";
    line += name;
    line += '>';
    line += kLineEnd;
    return WriteLine(line);
}

int XmlWriter::EndElement(std::string& line, std::string_view name, int level) {
    Indent(line, level);
    line += "</";
    line += name;
    line += '>';
    line += kLineEnd;
    return WriteLine(line);
}

int XmlWriter::Close() {
    sink_ = nullptr;
    return 0;
}

std::string XmlWriter::Escape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char byte : text) {
        switch (byte) {
            case '&':
                escaped += "&amp;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            default:
                escaped += byte;
                break;
        }
    }
    return escaped;
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
