#pragma once

#include "platform/FileSystem.h"

namespace platform::posix {

// This process: the machine as its host name and boot (a reboot starts the
// ids again), its id and its start in clock ticks since the boot.
ProcessStamp CurrentNativeProcess();

// Running or Ended for a process of this machine and boot; Unknown when the
// system would not say.
ProcessLife NativeLifeOf(const ProcessStamp& process);

}  // namespace platform::posix
