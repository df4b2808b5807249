#include <cstddef>
#include <string>
#include <string_view>

#include "hostapi/BlockView.h"
#include "hostapi/SavedStatementRecords.h"
#include "platform/text/Cp932.h"
#include "report/ReportWriter.h"
#include "report/XmlWriter.h"
#include "reportformat/Elements.h"

namespace {

constexpr int kAssociationBlock = 0;
// Bytes of the notes that are looked at; a line still open after them is dropped.
constexpr std::size_t kExaminedNoteBytes = 960;
constexpr char kCr = '\r';
constexpr char kLf = '\n';

// The byte at `p`, NUL past the end of the text.
char ByteAt(std::string_view text, std::size_t p) {
    return p < text.size() ? text[p] : '\0';
}

bool IsLineBreakAt(std::string_view text, std::size_t p) {
    return ByteAt(text, p) == kCr && ByteAt(text, p + 1) == kLf;
}

// The text up to its first NUL.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

}  // namespace

int ReportWriter::WriteSpecialNotes(XmlWriter* writer, std::string_view notes, int lineLength,
                                    int lineCount) {
    if (writer == nullptr) {
        return 0;
    }
    if (lineCount <= 0) {
        return 1;
    }
    const std::string_view text = UpToNul(notes.substr(0, kExaminedNoteBytes));
    int written = 0;
    const auto writeLine = [&](std::string_view value) {
        ++written;
        return writer->Value(reportformat::notes::kLine + std::to_string(written), value);
    };

    std::size_t start = 0;
    for (std::size_t p = 0; p < kExaminedNoteBytes; ++p) {
        const bool atEnd = p >= text.size();
        const bool cutForLength =
            lineLength > 0 && p >= start && p - start == static_cast<std::size_t>(lineLength);
        if (!atEnd && !IsLineBreakAt(text, p) && !cutForLength) {
            continue;
        }
        // A double-byte character cut in two begins the next line instead;
        // one that is all the line would hold stays whole in it.
        if (platform::cp932::ClassAt(text, p) == platform::cp932::ByteClass::Trail) {
            if (p > start + 1) {
                --p;
            } else {
                ++p;
            }
        }
        if (!writeLine(text.substr(start, p - start))) {
            return 0;
        }
        if (p >= text.size()) {
            break;
        }
        if (written >= lineCount) {
            return 1;
        }
        start = IsLineBreakAt(text, p) ? p + 2 : p;
    }
    while (written < lineCount) {
        if (!writeLine({})) {
            return 0;
        }
    }
    return 1;
}

int ReportWriter::WriteAssociationName(XmlWriter* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const hostapi::BlockView block =
        hostapi::BlockView::OfTaskMemory(general->blocks[kAssociationBlock]);
    const std::string_view name =
        block.Text(hostapi::general::kAssociationName, hostapi::general::kAssociationNameWidth)
            .value_or(std::string_view());
    return writer->Value(reportformat::notes::kAssociation, name);
}

std::string ReportWriter::CopyTruncated(std::string_view source, std::size_t limit) {
    const std::string_view text = UpToNul(source);
    return std::string(text.substr(0, platform::cp932::FittingLength(text, limit)));
}
