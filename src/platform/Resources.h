#pragma once

#include <span>
#include <string>

#include "platform/DialogTemplate.h"

namespace platform {

// A string resource of the program; the text is Shift_JIS.
struct StringResource {
    unsigned int id;
    const char* text;
};

// What the product hands to the platform at start: the dialog templates the
// headless adapter builds its dialogs from, and the string table where the
// system has none of its own. The tables must outlive every use.
struct ProgramResources {
    std::span<const DialogTemplate> dialogs;
    std::span<const StringResource> strings;
};

void UseProgramResources(const ProgramResources& resources);

// The text of string resource `id` of the running program, in Shift_JIS;
// empty when the program has no such string.
std::string ResourceText(unsigned int id);

}  // namespace platform
