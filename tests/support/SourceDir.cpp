#include "support/SourceDir.h"

namespace testsupport {

const char* SourceDir() {
    return BRENLO_CHECKOUT_DIR;
}

}  // namespace testsupport
