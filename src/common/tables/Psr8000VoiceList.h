#pragma once
// The PSR-8000 names its voices by a 16-bit number rather than by bank select.
#include <cstddef>
#include <cstdint>
#include <string>

namespace kalivo {

class Psr8000VoiceList {
public:
    // bit 15 set: "Custom %i" with (n & 0x1F) + 1; exactly 0x4000: "Organ Flute";
    // 0..753: the list entry (Windows-1252); anything else "?".
    static std::string VoiceName(std::uint16_t number);
    static std::size_t Count();  // 754
};

}  // namespace kalivo
