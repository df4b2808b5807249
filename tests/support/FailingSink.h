#pragma once

#include <string_view>

#include "platform/ByteSink.h"

namespace testsupport {

// Keeps the bytes in memory but refuses the k-th write (counted from 1).
class FailingSink : public platform::ByteSink {
public:
    explicit FailingSink(int failing) : failingWrite(failing) {}

    bool Write(std::string_view bytes) override {
        if (++writes == failingWrite) {
            return false;
        }
        return memory.Write(bytes);
    }

    int failingWrite;
    int writes = 0;
    platform::MemorySink memory;
};

}  // namespace testsupport
