#pragma once

#include <cstdint>

namespace platform {

// A window as the program passes it around: the host hands it over as a
// decimal number on the command line, Win32 code turns it back into an HWND.
using WindowHandle = std::intptr_t;

}  // namespace platform
