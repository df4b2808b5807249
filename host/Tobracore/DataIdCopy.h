#pragma once

#include <cstddef>
#include <cstring>

namespace tobra::core {

// Keeps at most the 16 bytes of a data identifier, NUL-terminated.
inline void CopyDataId(char (&target)[17], const char* dataId) {
    std::size_t length = 0;
    while (dataId != nullptr && length < sizeof target - 1 && dataId[length] != '\0') {
        ++length;
    }
    if (length > 0) {
        std::memcpy(target, dataId, length);
    }
    target[length] = '\0';
}

}  // namespace tobra::core
