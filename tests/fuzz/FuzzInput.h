#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

// Helpers of the libFuzzer entries: the input as text, split into the pieces
// a target needs, and a check whose failure counts as a crash.
namespace fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Takes the first byte of the text (0 when it is empty).
inline std::uint8_t TakeByte(std::string_view& text) {
    if (text.empty()) {
        return 0;
    }
    const auto byte = static_cast<std::uint8_t>(text.front());
    text.remove_prefix(1);
    return byte;
}

// At most `count` pieces between separators; the last keeps the rest, separators included.
inline std::vector<std::string_view> Split(std::string_view text, char separator,
                                           std::size_t count) {
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < count) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) {
            break;
        }
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    pieces.push_back(text);
    return pieces;
}

// A broken promise of the code under test: libFuzzer keeps the input.
inline void Expect(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace fuzz
