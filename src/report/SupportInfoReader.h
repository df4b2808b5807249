#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Reads the host product's support-information file "SUPPORT.INF" from the
// current folder (the program's folder) once, and answers the product's name
// and version from it. A missing or unreadable file gives empty texts.
class SupportInfoReader {
public:
    static constexpr std::size_t kBlockSize = 30000;

    SupportInfoReader();
    ~SupportInfoReader();
    SupportInfoReader(const SupportInfoReader&) = delete;
    SupportInfoReader& operator=(const SupportInfoReader&) = delete;

    // The text after the key up to its line end; empty when there is none.
    std::string ProductName();
    std::string ProductVersion();

private:
    // 1 when the file was read; every later call gives the first call's result.
    int Load();
    std::string ValueAfter(std::string_view key);

    std::unique_ptr<char[]> block_;
    std::size_t length_ = 0;  // bytes read into the block
    bool attempted_ = false;
    int loaded_ = 0;
};
