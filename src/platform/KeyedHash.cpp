// SipHash-2-4 (Aumasson and Bernstein), little-endian words as the reference.
#include "platform/KeyedHash.h"

#include <bit>

namespace platform {
namespace {

struct State {
    std::uint64_t v0, v1, v2, v3;

    void Round() {
        v0 += v1;
        v1 = std::rotl(v1, 13) ^ v0;
        v0 = std::rotl(v0, 32);
        v2 += v3;
        v3 = std::rotl(v3, 16) ^ v2;
        v0 += v3;
        v3 = std::rotl(v3, 21) ^ v0;
        v2 += v1;
        v1 = std::rotl(v1, 17) ^ v2;
        v2 = std::rotl(v2, 32);
    }

    void Take(std::uint64_t word) {
        v3 ^= word;
        Round();
        Round();
        v0 ^= word;
    }
};

}  // namespace

std::uint64_t KeyedHash(const std::array<std::uint64_t, 2>& key, std::string_view text) {
    State state{key[0] ^ 0x736f6d6570736575ULL, key[1] ^ 0x646f72616e646f6dULL,
                key[0] ^ 0x6c7967656e657261ULL, key[1] ^ 0x7465646279746573ULL};
    std::uint64_t word = 0;
    std::size_t filled = 0;
    for (const char c : text) {
        word |= static_cast<std::uint64_t>(static_cast<unsigned char>(c)) << (8 * filled);
        if (++filled == 8) {
            state.Take(word);
            word = 0;
            filled = 0;
        }
    }
    state.Take(word | (static_cast<std::uint64_t>(text.size() & 0xFF) << 56));
    state.v2 ^= 0xFF;
    for (int round = 0; round < 4; ++round) {
        state.Round();
    }
    return state.v0 ^ state.v1 ^ state.v2 ^ state.v3;
}

}  // namespace platform
