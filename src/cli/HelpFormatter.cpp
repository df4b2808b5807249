#include "cli/HelpFormatter.h"

#include <cstddef>

#include "platform/text/DisplayWidth.h"

namespace {

using platform::text::DisplayWidth;

constexpr int kLineColumns = 80;
constexpr int kTextColumn = 30;

// The bytes of the UTF-8 character at `at`.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

bool IsAscii(std::string_view character) {
    return static_cast<unsigned char>(character[0]) < 0x80;
}

// Whether a line may end between two characters: after a blank, and between
// two Japanese characters unless the second closes or ends something. An
// ASCII word or number is never cut.
bool BreaksBetween(std::string_view before, std::string_view after) {
    if (before == " ") {
        return true;
    }
    if (IsAscii(before) || IsAscii(after)) {
        return before == "、" || before == "。" || before == "）" || before == "：";
    }
    return after != "、" && after != "。" && after != "）" && after != "」" && after != "：";
}

// The text cut into lines of at most `columns`, at a break where one is near.
std::vector<std::string> Wrapped(std::string_view text, int columns) {
    std::vector<std::string> lines;
    std::string line;
    int width = 0;
    std::size_t lastBreak = std::string::npos;
    std::string_view previous;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at);
        const std::string_view character = text.substr(at, length);
        at += length;
        if (!previous.empty() && !line.empty() && BreaksBetween(previous, character)) {
            lastBreak = line.size();
        }
        previous = character;
        if (character == "\n") {
            lines.push_back(line);
            line.clear();
            width = 0;
            lastBreak = std::string::npos;
            continue;
        }
        const int characterWidth = DisplayWidth(character);
        if (width + characterWidth > columns && !line.empty()) {
            std::string rest;
            if (lastBreak != std::string::npos && lastBreak > 0) {
                rest = line.substr(lastBreak);
                line.resize(lastBreak);
            }
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            lines.push_back(line);
            line = rest;
            width = DisplayWidth(line);
            lastBreak = std::string::npos;
        }
        if (line.empty() && character == " ") {
            continue;
        }
        line += character;
        width += characterWidth;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string HelpFormatter::Row(const std::string& name, std::string_view description) const {
    std::string out = "  " + name;
    const int width = DisplayWidth(out);
    const std::vector<std::string> lines = Wrapped(description, kLineColumns - kTextColumn);
    if (lines.empty()) {
        return out + "\n";
    }
    if (width >= kTextColumn) {
        out += "\n" + std::string(kTextColumn, ' ');
    } else {
        out += std::string(static_cast<std::size_t>(kTextColumn - width), ' ');
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        out += (k == 0 ? std::string() : std::string(kTextColumn, ' ')) + lines[k] + "\n";
    }
    return out;
}

std::string HelpFormatter::make_option(const CLI::Option* option, bool isPositional) const {
    return Row(make_option_name(option, isPositional) + make_option_opts(option),
               make_option_desc(option));
}

std::string HelpFormatter::make_option_name(const CLI::Option* option, bool isPositional) const {
    return isPositional ? get_label(option->get_name(true, false)) : option->get_name(false, true);
}

// The value an option takes, as CLI11 names it ("INT:INT in [40 - 1000]",
// "TEXT:{standard,pro}"), in words.
std::string HelpFormatter::Placeholder(std::string_view type) const {
    if (!japanese_) {
        return std::string(type);
    }
    const std::size_t colon = type.find(':');
    const std::string_view base = type.substr(0, colon);
    const std::string_view rest =
        colon == std::string_view::npos ? std::string_view() : type.substr(colon + 1);
    if (rest.starts_with("{")) {
        return std::string(rest);
    }
    const std::string word = base == "INT" ? "数値" : base == "TEXT" ? "文字列" : std::string(base);
    const std::size_t open = rest.find('[');
    const std::size_t dash = rest.find(" - ", open);
    const std::size_t close = rest.find(']', dash);
    if (open == std::string_view::npos || dash == std::string_view::npos ||
        close == std::string_view::npos) {
        return word;
    }
    return word + "（" + std::string(rest.substr(open + 1, dash - open - 1)) + "～" +
           std::string(rest.substr(dash + 3, close - dash - 3)) + "）";
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string out;
    // A positional is named by its word already; its type says nothing more.
    if (option->get_type_size() != 0 && !option->get_type_name().empty() &&
        !option->get_positional()) {
        out += " " + Placeholder(option->get_type_name());
    }
    if (option->get_required()) {
        out += " " + get_label("REQUIRED");
    }
    if (!option->get_needs().empty()) {
        out += " " + get_label("Needs") + ":";
        for (const CLI::Option* other : option->get_needs()) {
            out += " " + other->get_name();
        }
    }
    if (!option->get_excludes().empty()) {
        out += " " + get_label("Excludes") + ":";
        for (const CLI::Option* other : option->get_excludes()) {
            out += " " + other->get_name();
        }
    }
    return out;
}

std::string HelpFormatter::make_description(const CLI::App* app) const {
    std::string out;
    for (const std::string& line : Wrapped(app->get_description(), kLineColumns)) {
        out += line + "\n";
    }
    return out;
}

std::string HelpFormatter::make_subcommand(const CLI::App* subcommand) const {
    return Row(subcommand->get_display_name(true), subcommand->get_description());
}
