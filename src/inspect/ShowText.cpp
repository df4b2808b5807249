#include <algorithm>
#include <string>
#include <vector>

#include "inspect/Show.h"
#include "inspect/ShowLayout.h"
#include "platform/text/DisplayWidth.h"
#include "reportformat/Elements.h"

namespace inspect {

using layout::Block;
using layout::Row;
using platform::text::DisplayWidth;

namespace {

constexpr int kNumbered = 8;  // where labels start after a line number: the next tab stop

std::string Pad(const std::string& text, int width, bool right) {
    const auto gap = static_cast<std::size_t>(std::max(0, width - DisplayWidth(text)));
    return right ? std::string(gap, ' ') + text : text + std::string(gap, ' ');
}

std::size_t CharLength(const std::string& text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return std::min(n, text.size() - at);
}

// The text in lines of at most `width` columns, the later ones indented.
std::string Wrapped(const std::string& text, int width, const std::string& indent) {
    std::string out, line;
    int used = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = CharLength(text, at);
        const std::string one = text.substr(at, n);
        const int w = DisplayWidth(one);
        if (used + w > width && used > DisplayWidth(indent)) {
            out += line + "\n";
            line = indent;
            used = DisplayWidth(indent);
        }
        line += one;
        used += w;
        at += n;
    }
    return out + line + "\n";
}

// Findings and last year's movement in three columns before the line.
std::string Marker(const Row& row) {
    std::string mark = "  ";
    for (const Finding* f : row.findings) {
        mark = f->severity == Severity::Error ? "!!" : (mark == "!!" ? mark : "! ");
    }
    return mark + (row.moved ? "*" : " ");
}

std::vector<int> Widths(const Block& block, bool list) {
    std::vector<int> widths(block.header.size(), 0);
    auto measure = [&widths](const std::vector<std::string>& cells, std::size_t from) {
        for (std::size_t c = from; c < cells.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
        }
    };
    measure(block.header, list ? 0 : 1);
    for (const Row& row : block.rows) {
        if (!(list && row.total)) {  // lines beside a list do not widen its columns
            measure(row.cells, 0);
        }
    }
    return widths;
}

std::string Values(const Block& block, const std::vector<std::string>& cells,
                   const std::vector<int>& widths) {
    std::string line;
    for (std::size_t c = 1; c < cells.size() && c < widths.size(); ++c) {
        line += "  " + Pad(cells[c], widths[c], block.numeric[c]);
    }
    return line;
}

std::string Trimmed(std::string line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line + "\n";
}

// Labelled lines: number, label and figures in columns; where they do not
// fit, the figures go on a line of their own under the label.
std::string Statement(const Block& block, int width) {
    const bool numbered = std::any_of(block.rows.begin(), block.rows.end(),
                                      [](const Row& r) { return !r.number.empty(); });
    const int indent = numbered ? kNumbered : 4;
    std::vector<int> widths = Widths(block, false);
    int values = 0;
    for (std::size_t c = 1; c < widths.size(); ++c) {
        values += 2 + widths[c];
    }
    const bool fits = indent + widths[0] + values <= width;
    std::string out;
    auto start = [&](const Row* row, const std::string& number) {
        const std::string mark = row ? Marker(*row) : "   ";
        return numbered ? mark + number + "\t" : mark + " ";
    };
    if (block.header.size() > 2) {
        const std::string head = Values(block, block.header, widths);
        out += Trimmed(fits ? start(nullptr, "") + Pad("", widths[0], false) + head
                            : std::string(static_cast<std::size_t>(indent), ' ') + head);
    }
    for (const Row& row : block.rows) {
        std::string line = start(&row, row.number) + (row.cells.empty() ? "" : row.cells[0]);
        if (row.cells.size() > 1) {
            const std::string figures = Values(block, row.cells, widths);
            line =
                fits ? start(&row, row.number) + Pad(row.cells[0], widths[0], false) + figures
                     : Trimmed(line) + std::string(static_cast<std::size_t>(indent), ' ') + figures;
        }
        out += Trimmed(line);
    }
    return out;
}

// A list as a table where it fits, else one block of "label: value" lines per entry.
std::string List(const Block& block, int width) {
    if (block.header.empty()) {
        return "";
    }
    const std::vector<int> widths = Widths(block, true);
    int total = 3;
    for (const int w : widths) {
        total += w + 2;
    }
    std::string out;
    if (total - 2 <= width) {
        out += Trimmed("   " + Pad(block.header[0], widths[0], true) +
                       Values(block, block.header, widths));
    }
    for (const Row& row : block.rows) {
        if (row.total) {
            out += Wrapped(Marker(row) + row.cells[0] + " " + row.cells[1], width, "      ");
        } else if (total - 2 <= width) {
            out += Trimmed(Marker(row) + Pad(row.cells[0], widths[0], true) +
                           Values(block, row.cells, widths));
        } else {
            out += Marker(row) + "No. " + row.cells[0] + "\n";
            for (std::size_t c = 1; c < row.cells.size(); ++c) {
                if (!row.cells[c].empty()) {
                    out += Wrapped("    " + block.header[c] + ": " + row.cells[c], width, "      ");
                }
            }
        }
    }
    return out;
}

}  // namespace

std::string ShowText(const Report& report, const CheckResult& checks, const ShowOptions& options) {
    const int width = std::max(options.width, 40);
    std::vector<std::string> parts = layout::Heading(report);
    parts.push_back("エラー " + std::to_string(checks.Count(Severity::Error)) + " 件・警告 " +
                    std::to_string(checks.Count(Severity::Warning)) + " 件");
    std::string first;
    for (const std::string& part : parts) {
        const std::string joined = first.empty() ? part : first + "　" + part;
        if (!first.empty() && DisplayWidth(joined) > width) {
            first += "\n" + part;
        } else {
            first = joined;
        }
    }
    std::string out = first + "\n" + "!! エラー  ! 警告";
    if (options.previous != nullptr) {
        out += "  * 前年から " + std::to_string(options.threshold) + "% を超えて増減";
    }
    out += "\n";
    for (const Block& block : layout::LayOut(report, checks, options)) {
        out += "\n【" + block.title + "】\n";
        if (block.list) {
            out += List(block, width);
        } else if (block.tag == reportformat::section::kSpecialNotes) {
            for (const Row& row : block.rows) {
                out += Wrapped("    " + row.cells[0], width, "    ");
            }
        } else {
            out += Statement(block, width);
        }
        for (const Finding* f : block.findings) {
            out += Wrapped(std::string(f->severity == Severity::Error ? "!! エラー" : "!  警告") +
                               " [" + f->rule + "] " + f->japanese,
                           width, "      ");
        }
    }
    return out;
}

}  // namespace inspect
