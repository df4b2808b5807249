#pragma once

#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace platform::win32 {

// The lock on a name (LockForUpdate's on Windows): a new file there, held
// open without sharing and deleted on close, so that the system removes it
// however its holder ends. Null when it could not be had within `patienceMs`.
std::unique_ptr<UpdateLock> LockName(const std::string& name, int patienceMs);

}  // namespace platform::win32
