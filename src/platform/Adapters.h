#pragma once

#include "platform/FileSystem.h"
#include "platform/TaskMemory.h"

// The real adapters of this build; each adapter folder defines these once.
namespace platform {
FileSystem& NativeFiles();
TaskMemory& NativeTaskMemory();
}  // namespace platform
