#pragma once
// Tyros blocks for the command-line tests: an id, a big-endian u16 payload
// length, the payload.
#include <cstdint>
#include <string_view>
#include <vector>

namespace kalivo::test::cli_bytes {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

inline Bytes Block(std::string_view id, const Bytes& payload) {
    Bytes block(id.begin(), id.end());
    PutU16(block, payload.size());
    block.insert(block.end(), payload.begin(), payload.end());
    return block;
}

}  // namespace kalivo::test::cli_bytes
