#pragma once

#include "platform/WindowSystem.h"

namespace platform {

// The Windows GUI: real message boxes, windows, dialogs and the save-file
// dialog. Texts cross to the system as UTF-16 converted with code page 932.
WindowSystem& Win32Windows();

}  // namespace platform
