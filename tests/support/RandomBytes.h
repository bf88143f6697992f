#pragma once
// Bytes that no writer made: the same for a seed on every run.
#include <cstdint>
#include <random>
#include <vector>

namespace kalivo::test {

inline std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

}  // namespace kalivo::test
