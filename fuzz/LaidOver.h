#pragma once
// Lays a fuzz input over a valid file: the first two bytes choose where (in
// steps of unit bytes), the rest overwrite from there, wrapping at the end.
// So inputs shorter than a whole file still reach every part of it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kalivo::fuzz {

// Into laid, whose memory is kept from input to input: a fuzzer laying inputs
// over a large file then does not allocate the file anew for each.
inline void LayOver(const std::vector<std::uint8_t>& base, const std::uint8_t* data, std::size_t size,
                    std::size_t unit, std::vector<std::uint8_t>& laid) {
    laid.assign(base.begin(), base.end());
    const std::size_t at = size >= 2 ? (static_cast<std::size_t>(data[0]) << 8 | data[1]) * unit % base.size() : 0;
    for (std::size_t i = 2; i < size; ++i) {
        laid[(at + i - 2) % laid.size()] = data[i];
    }
}

inline std::vector<std::uint8_t> LaidOver(const std::vector<std::uint8_t>& base, const std::uint8_t* data,
                                          std::size_t size, std::size_t unit) {
    std::vector<std::uint8_t> laid;
    LayOver(base, data, size, unit, laid);
    return laid;
}

}  // namespace kalivo::fuzz
