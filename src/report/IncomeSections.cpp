#include "report/IncomeSections.h"

#include <algorithm>
#include <string>

#include "hostapi/BlockView.h"
#include "report/XmlWriter.h"

namespace {
constexpr int kSectionLevel = 3;
}  // namespace

int WriteIncomeSections(XmlWriter& writer, std::span<const IncomeSection> sections) {
    std::string line;
    for (const IncomeSection& each : sections) {
        if (!writer.StartElement(line, each.name, kSectionLevel) || !each.writeContent() ||
            !writer.EndElement(line, each.name, kSectionLevel)) {
            return 0;
        }
    }
    return 1;
}

std::string_view NotesText(const void* block, std::size_t offset, std::size_t width) {
    // Like every field, notes that do not fit whole in the delivered block are
    // absent: a cut block may end inside a character.
    return hostapi::BlockView::OfTaskMemory(block).Text(offset, width).value_or(std::string_view());
}
