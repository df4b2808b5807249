#pragma once

#include <cstdint>
#include <vector>

#include "platform/DialogTemplate.h"

namespace platform::win32 {

// An in-memory DLGTEMPLATEEX of the template, for CreateDialogIndirectParamW:
// UTF-16 texts, controls in tab order. `hidden` leaves out the visible style
// so that the caller shows the dialog when it is ready.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate, bool hidden);

}  // namespace platform::win32
