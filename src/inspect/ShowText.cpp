#include "inspect/Show.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "inspect/ShowLayout.h"

namespace inspect {

using layout::Block;
using layout::Row;

namespace {

// Columns a terminal gives a character: East Asian wide and full-width forms take two.
int DisplayWidth(const std::string& text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = b;
        int length = 1;
        if (b >= 0xF0) {
            length = 4;
            cp = b & 0x07u;
        } else if (b >= 0xE0) {
            length = 3;
            cp = b & 0x0Fu;
        } else if (b >= 0xC0) {
            length = 2;
            cp = b & 0x1Fu;
        }
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            cp = (cp << 6) |
                 (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        }
        i += static_cast<std::size_t>(length);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000 ||
                          (cp >= 0x2460 && cp <= 0x24FF) || (cp >= 0x3000 && cp <= 0x303F);
        width += wide ? 2 : 1;
    }
    return width;
}

std::string Pad(const std::string& text, int width, bool right) {
    const int gap = std::max(0, width - DisplayWidth(text));
    return right ? std::string(static_cast<std::size_t>(gap), ' ') + text
                 : text + std::string(static_cast<std::size_t>(gap), ' ');
}

const char* Mark(const Finding& f) {
    return f.severity == Severity::Error ? "!!" : "!";
}

}  // namespace

std::string ShowText(const Report& report, const CheckResult& checks) {
    std::string out = layout::Heading(report) + "\n";
    for (const Block& block : layout::LayOut(report, checks)) {
        out += "\n■ " + block.title + "\n";
        const std::size_t columns = block.header.empty() ? 2 : block.header.size();
        std::vector<int> widths(columns, 0);
        auto measure = [&widths](const std::vector<std::string>& cells) {
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
            }
        };
        if (!block.header.empty()) {
            measure(block.header);
        }
        for (const Row& row : block.rows) {
            // Lines beside a list span the table; they do not widen its columns.
            if (block.header.empty() || row.tag.empty() || block.header.size() <= 3) {
                measure(row.cells);
            }
        }
        auto print = [&](const std::vector<std::string>& cells, bool total) {
            std::string line = "  ";
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                const bool right = block.header.empty() ? c > 0 : block.numeric[c];
                line += (c > 0 ? "  " : "") + Pad(cells[c], widths[c], right);
            }
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            return (total ? "  " + line.substr(2) : line);
        };
        if (!block.header.empty()) {
            out += print(block.header, false) + "\n";
        }
        for (const Row& row : block.rows) {
            std::string line = print(row.cells, row.total);
            for (const Finding* f : row.findings) {
                line += "  " + std::string(Mark(*f)) + " " + f->rule;
            }
            out += line + "\n";
        }
        for (const Finding* f : block.findings) {
            out += std::string("  ") + Mark(*f) + " " +
                   (f->severity == Severity::Error ? "エラー" : "警告") + " [" + f->rule + "] " +
                   f->japanese + "\n";
        }
    }
    return out;
}

}  // namespace inspect
