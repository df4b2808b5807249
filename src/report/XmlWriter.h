#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ByteSink.h"

// Writes the report line by line: TAB indentation, CR LF line ends and the
// five predefined entity references (platform::markup::Escape); the Shift_JIS text passes
// unchanged. Every line is one write to the sink (a file or memory). After the first failed write
// every later write fails without touching the sink.
//
// The writer keeps the elements it holds open. Start, Value and End write at
// its own depth, one level below the innermost open element, and End closes
// that element, so that the report's writers never pass a level and an end
// tag can never mismatch its start.
class XmlWriter {
public:
    XmlWriter() = default;
    ~XmlWriter();
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    // `sink` is the caller's and outlives the writing. -1 when it is null, else 0.
    std::int16_t Open(platform::ByteSink* sink);

    // Each returns 1 when the line was written, 0 when it was not. `line`
    // receives the whole line. An attribute is a name and a value; null for
    // either leaves it out, and the second is written only after the first.
    int WriteText(std::string_view text);
    int StartElement(std::string& line, std::string_view name, int level,
                     const char* attribute1Name = nullptr, const char* attribute1Value = nullptr,
                     const char* attribute2Name = nullptr, const char* attribute2Value = nullptr);
    int ValueElement(std::string& line, std::string_view name, std::string_view value, int level,
                     const char* attribute1Name = nullptr, const char* attribute1Value = nullptr,
                     const char* attribute2Name = nullptr, const char* attribute2Value = nullptr);
    int EndElement(std::string& line, std::string_view name, int level);

    // StartElement, ValueElement and EndElement at the writer's own depth.
    int Start(std::string_view name, const char* attributeName = nullptr,
              const char* attributeValue = nullptr);
    int Value(std::string_view name, std::string_view value);
    // Closes the innermost open element; 0 when none is open.
    int End();

    // Forgets the sink; 0.
    int Close();

    // Whether the writer had no sink or a write failed: the sink then does not
    // hold everything that was asked of the writer.
    bool Failed() const { return failed_; }

private:
    int WriteLine(std::string_view line);

    int Depth() const { return static_cast<int>(open_.size()); }

    platform::ByteSink* sink_ = nullptr;
    bool failed_ = false;
    std::vector<std::string> open_;
    std::string line_;
};
