#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace inspect {

// A character the export never writes, found in a file read as a report:
// where it is, what it is in both languages, and the element it stands in.
struct ForeignCharacter {
    std::size_t offset = 0;
    std::string japanese;
    std::string english;
    std::string element;
};

std::optional<ForeignCharacter> FirstForeignCharacter(std::string_view bytes);

}  // namespace inspect
