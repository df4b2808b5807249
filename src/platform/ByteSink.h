#pragma once

#include <string>
#include <string_view>

namespace platform {

// Where a writer's bytes go: a file being written, or memory.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes all bytes; false when not all of them could be taken.
    virtual bool Write(std::string_view bytes) = 0;
};

// Keeps every byte in memory: reports for tests, benchmarks and previews.
class MemorySink final : public ByteSink {
public:
    bool Write(std::string_view bytes) override {
        bytes_.append(bytes);
        return true;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace platform
