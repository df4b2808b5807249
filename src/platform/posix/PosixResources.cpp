#include "platform/Resources.h"

#include "resources/Version.h"

namespace platform {

// The string table of resources/Strings.rc, which only Windows builds link.
std::string ResourceText(unsigned int id) {
    switch (id) {
        case IDS_PROGRAM_VERSION:
            return BRENLO_PROGRAM_VERSION;
        default:
            return {};
    }
}

}  // namespace platform
