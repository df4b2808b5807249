#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/text/Cp932.h"

namespace testsupport {

// Test sources are UTF-8; the program's texts are Shift_JIS.
inline std::string Sjis(std::string_view utf8) {
    auto converted = platform::cp932::FromUtf8(utf8);
    EXPECT_TRUE(converted.has_value()) << "not in code page 932: " << utf8;
    return converted.value_or(std::string());
}

inline std::string Utf8(std::string_view sjis) {
    auto converted = platform::cp932::ToUtf8(sjis);
    EXPECT_TRUE(converted.has_value()) << "not valid code page 932";
    return converted.value_or(std::string());
}

}  // namespace testsupport
