#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "inspect/FormPages.h"
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

bool IsFigure(const std::string& one) {
    return one.size() == 1 && (std::isdigit(static_cast<unsigned char>(one[0])) || one == "," ||
                               one == "." || one == "-" || one == "%");
}

// The text in lines of at most `width` columns, the later ones indented; a
// figure and its 円 stay on one line.
std::string Wrapped(const std::string& text, int width, const std::string& indent) {
    std::vector<std::string> characters;
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        characters.push_back(text.substr(at, CharLength(text, at)));
    }
    std::string out, line;
    int used = 0;
    for (std::size_t i = 0; i < characters.size();) {
        // A run of figures, with the 円 after it, is one word.
        std::size_t end = i + 1;
        if (IsFigure(characters[i])) {
            while (end < characters.size() && IsFigure(characters[end])) {
                ++end;
            }
            if (end < characters.size() && characters[end] == "円") {
                ++end;
            }
        }
        std::string word;
        for (std::size_t k = i; k < end; ++k) {
            word += characters[k];
        }
        const int w = DisplayWidth(word);
        if (used + w > width && used > DisplayWidth(indent)) {
            out += line + "\n";
            line = indent;
            used = DisplayWidth(indent);
        }
        line += word;
        used += w;
        i = end;
    }
    return out + line + "\n";
}

// A cell of two lines (an address over a name) on one line of the terminal.
std::string OneLine(std::string cell) {
    std::replace(cell.begin(), cell.end(), '\n', ' ');
    return cell;
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
            widths[c] = std::max(widths[c], DisplayWidth(OneLine(cells[c])));
        }
    };
    measure(block.header, list ? 0 : 1);
    for (const Row& row : block.rows) {
        measure(row.cells, row.heading ? 1 : 0);
    }
    return widths;
}

std::string Values(const Block& block, const std::vector<std::string>& cells,
                   const std::vector<int>& widths) {
    std::string line;
    for (std::size_t c = 1; c < cells.size() && c < widths.size(); ++c) {
        line += "  " + Pad(OneLine(cells[c]), widths[c], block.numeric[c]);
    }
    return line;
}

std::string Trimmed(std::string line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line + "\n";
}

// Labelled lines: number, label and figures; the figures of a line whose
// label leaves them no room stand on a line of their own under it.
std::string Statement(const Block& block, int width) {
    const bool numbered = std::any_of(block.rows.begin(), block.rows.end(),
                                      [](const Row& r) { return !r.number.empty(); });
    const int indent = numbered ? kNumbered : 4;
    const std::vector<int> widths = Widths(block, false);
    int values = 0;
    for (std::size_t c = 1; c < widths.size(); ++c) {
        values += 2 + widths[c];
    }
    // Labels are padded to the longest that still leaves the figures room.
    int labels = 0;
    for (const Row& row : block.rows) {
        int w = DisplayWidth(OneLine(row.cells[0]) + row.mark);
        if (!row.shortLabel.empty() && indent + w + values > width) {
            w = DisplayWidth(row.shortLabel + row.mark);
        }
        if (!row.heading && indent + w + values <= width) {
            labels = std::max(labels, w);
        }
    }
    std::string out;
    auto start = [&](const Row* row, const std::string& number) {
        const std::string mark = row ? Marker(*row) : "   ";
        return numbered ? mark + number + "\t" : mark + " ";
    };
    if (block.header.size() > 2) {
        out += Trimmed(start(nullptr, "") + Pad("", labels, false) +
                       Values(block, block.header, widths));
    }
    const std::string under(static_cast<std::size_t>(indent), ' ');
    for (const Row& row : block.rows) {
        std::string label = OneLine(row.cells.empty() ? "" : row.cells[0]) + row.mark;
        if (!row.shortLabel.empty() && indent + DisplayWidth(label) + values > width) {
            label = row.shortLabel + row.mark;
        }
        const bool figures = row.cells.size() > 1 && !row.heading &&
                             std::any_of(row.cells.begin() + 1, row.cells.end(),
                                         [](const std::string& c) { return !c.empty(); });
        if (row.heading && row.cells.size() > 1) {
            out += Trimmed(start(&row, row.number) + label + "　" + row.cells[1]);
        } else if (figures && indent + DisplayWidth(label) + values <= width) {
            out += Trimmed(start(&row, row.number) + Pad(label, labels, false) +
                           Values(block, row.cells, widths));
        } else {
            // The label on lines of its own after the number, the figures under it.
            const std::string lines = Wrapped(label, width - indent, "");
            std::string head = start(&row, row.number);
            for (std::size_t at = 0; at < lines.size();) {
                const std::size_t end = lines.find('\n', at);
                out += Trimmed(head + lines.substr(at, end - at));
                head = under;
                at = end + 1;
            }
            if (figures) {
                out += Trimmed(under + Pad("", labels, false) + Values(block, row.cells, widths));
            }
        }
    }
    return out;
}

// A list as a table where it fits, its columns under the shorter names where
// the form's are too long and without the entries' numbers; else one block of
// "label: value" lines per entry.
std::string List(const Block& block, int width) {
    if (block.header.empty()) {
        return "";
    }
    Block shown = block;
    if (!block.shortHeader.empty()) {
        shown.header = block.shortHeader;
    }
    // The numbers of the entries take a column only where they are all it shows.
    for (Row& row : shown.rows) {
        row.cells.erase(row.cells.begin());
    }
    shown.header.erase(shown.header.begin());
    shown.numeric.erase(shown.numeric.begin());
    const std::vector<int> widths = Widths(shown, true);
    int total = 3;
    for (const int w : widths) {
        total += w + 2;
    }
    const bool table = total - 2 <= width;
    std::string out;
    if (table) {
        out += Trimmed("   " + Pad(shown.header[0], widths[0], false) +
                       Values(shown, shown.header, widths));
    }
    for (std::size_t r = 0; r < block.rows.size(); ++r) {
        const Row& row = block.rows[r];
        const bool any = std::any_of(row.cells.begin() + 1, row.cells.end(),
                                     [](const std::string& c) { return !c.empty(); });
        if (!any) {
            continue;  // the form's empty rows stay off the terminal
        }
        if (table) {
            out += Trimmed(Marker(row) + Pad(OneLine(shown.rows[r].cells[0]), widths[0], false) +
                           Values(shown, shown.rows[r].cells, widths));
            continue;
        }
        // An entry by its number; the others and the 計 by their label.
        const bool entry = !row.cells[0].empty();
        out += Marker(row) + (entry ? "No. " + row.cells[0] : OneLine(row.cells[1])) + "\n";
        for (std::size_t c = entry ? 1 : 2; c < row.cells.size(); ++c) {
            if (!row.cells[c].empty()) {
                out += Wrapped("    " + shown.header[c - 1] + ": " + OneLine(row.cells[c]), width,
                               "      ");
            }
        }
    }
    return out;
}

std::string FirstLine(const Report& report, const CheckResult& checks, int width) {
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
    return first + "\n";
}

}  // namespace

std::string ShowText(const Report& report, const CheckResult& checks, const ShowOptions& options) {
    const int width = std::max(options.width, 40);
    const layout::Layout laid = layout::LayOut(report, checks, options);
    std::string out = FirstLine(report, checks, width) + "!! エラー  ! 警告";
    if (options.previous != nullptr) {
        out += "  * 前年から " + std::to_string(options.threshold) + "% 以上かつ " +
               WithSeparators(options.minChange) + "円 以上の増減";
    }
    out += "\n";
    bool footnotes = false;
    // A section shown as two blocks (the balance sheet's sides) has its findings after the last.
    for (const Block& form : laid.blocks) {
        // The first line says what the header holds; the report has nothing for
        // the depreciation schedule.
        if (form.id == pages::kHeader || form.id == pages::kDepreciation) {
            continue;
        }
        const Block* compared = nullptr;
        for (const Block& each : laid.comparison) {
            compared = each.id == form.id ? &each : compared;
        }
        const Block& block = compared ? *compared : form;
        out += "\n【" + form.title + "】\n";
        if (block.list) {
            out += List(block, width);
        } else if (block.section == reportformat::section::kSpecialNotes) {
            for (const Row& row : block.rows) {
                out += Wrapped("    " + row.cells[0], width, "    ");
            }
        } else {
            out += Statement(block, width);
        }
        if (!block.note.empty()) {
            out += Wrapped("    " + block.note, width, "    ");
        }
        const bool marked = std::any_of(block.rows.begin(), block.rows.end(),
                                        [](const Row& r) { return !r.mark.empty(); });
        if (marked && !footnotes) {
            for (const layout::Footnote& note : laid.footnotes) {
                out += Wrapped("    " + note.mark + " " + note.text, width, "       ");
            }
            footnotes = true;
        }
        for (const Finding* f : form.findings) {
            out += Wrapped(std::string(f->severity == Severity::Error ? "!! エラー" : "!  警告") +
                               " [" + f->rule + "] " + f->japanese,
                           width, "      ");
        }
    }
    return out;
}

}  // namespace inspect
