#pragma once

#include "platform/FileSystem.h"

namespace platform::win32 {

// This process: the machine as its computer name, its id and its creation time.
ProcessStamp CurrentNativeProcess();

// Running or Ended for a process of this machine; Unknown when the system
// would not say.
ProcessLife NativeLifeOf(const ProcessStamp& process);

}  // namespace platform::win32
