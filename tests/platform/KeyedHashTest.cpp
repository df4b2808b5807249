#include "platform/KeyedHash.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The reference vectors of SipHash-2-4: key 00 01 .. 0f, message 00 01 .. (n-1).
TEST(KeyedHash, GivesTheReferenceValues) {
    const std::array<std::uint64_t, 2> key = {0x0706050403020100ULL, 0x0f0e0d0c0b0a0908ULL};
    const struct {
        std::size_t length;
        std::uint64_t hash;
    } vectors[] = {
        {0, 0x726fdb47dd0e0e31ULL}, {8, 0x93f5f5799a932462ULL}, {15, 0xa129ca6149be45e5ULL}};
    for (const auto& vector : vectors) {
        std::string message;
        for (std::size_t k = 0; k < vector.length; ++k) {
            message += static_cast<char>(k);
        }
        EXPECT_EQ(vector.hash, platform::KeyedHash(key, message)) << vector.length;
    }
}

}  // namespace
