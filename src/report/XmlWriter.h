#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

// Writes the report file line by line: TAB indentation, CR LF line ends and
// the five predefined entity references; the Shift_JIS text passes unchanged.
// Every line is one write to the file. After the first failed write the file
// is closed and every later write fails without touching it.
class XmlWriter {
public:
    XmlWriter() = default;
    ~XmlWriter();
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    // `file` is the caller's file object: the writer opens the file into it
    // (write only, created or truncated, not shared) and never destroys it.
    // -1 when either argument is null; otherwise 0, also when the file could
    // not be opened (the first write then fails).
    std::int16_t Open(std::unique_ptr<platform::File>* file, const char* path);

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

    // Closes the file if one is held and forgets it; 0.
    int Close();

    // Whether the file could not be opened, a write failed or the close failed: the
    // file then does not hold everything that was asked of the writer.
    bool Failed() const { return failed_; }

    const std::string& Path() const { return path_; }

    // The text with & > < " ' replaced by their entity references; every
    // other byte unchanged.
    static std::string Escape(std::string_view text);

private:
    int WriteLine(std::string_view line);

    std::unique_ptr<platform::File>* file_ = nullptr;
    std::string path_;
    bool failed_ = false;
};
