#include "platform/Resources.h"

namespace platform {

namespace {
ProgramResources g_resources;
}  // namespace

void UseProgramResources(const ProgramResources& resources) {
    g_resources = resources;
}

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& found : g_resources.dialogs) {
        if (found.id == id) {
            return &found;
        }
    }
    return nullptr;
}

#ifndef _WIN32
// Only Windows programs carry a string table of their own; elsewhere the
// product's table stands in for it.
std::string ResourceText(unsigned int id) {
    for (const StringResource& found : g_resources.strings) {
        if (found.id == id) {
            return found.text;
        }
    }
    return {};
}
#endif

}  // namespace platform
