#pragma once

#include <cstddef>
#include <string_view>

// The notes text at the start of a statement block: up to its NUL, within the
// notes field and the block the host delivered; empty for an absent block.
std::string_view NotesText(const void* block, std::size_t offset, std::size_t width);
