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
    const hostapi::BlockView view = hostapi::BlockView::OfTaskMemory(block);
    if (!view.Fits(offset, 0)) {
        return {};
    }
    // A block shorter than the notes field still gives the notes it holds.
    return view.Text(offset, std::min(width, view.Size() - offset)).value_or(std::string_view());
}
