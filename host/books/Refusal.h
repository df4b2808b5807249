#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tobra::books {

// Why a books file is refused: the JSON path of the field (entries[0].general.6)
// and what is wrong with it. Thrown inside the loader only.
struct Refusal {
    std::string path;
    std::string problem;
};

[[noreturn]] inline void Refuse(const std::string& path, std::string problem) {
    throw Refusal{path, std::move(problem)};
}

inline std::string MemberPath(const std::string& path, std::string_view key) {
    std::string member = path;
    if (!member.empty()) {
        member += '.';
    }
    member += key;
    return member;
}

inline std::string ElementPath(const std::string& path, std::size_t index) {
    return path + '[' + std::to_string(index) + ']';
}

}  // namespace tobra::books
