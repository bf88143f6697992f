#pragma once
// The named fields of a PSR-740 / PSR-8000 registration record. Every other
// byte is carried unchanged.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "handlers/psr740_8000/Psr740Model.h"

namespace kalivo {

class Psr740Record {
public:
    static constexpr std::size_t kTitleWidth = 16;

    // Up to the first NUL, trailing blanks removed.
    static std::string Title(const Psr740Model& model, std::span<const std::uint8_t> record);
    static void SetTitle(const Psr740Model& model, std::span<std::uint8_t> record, const std::string& name);
    static int Tempo(const Psr740Model& model, std::span<const std::uint8_t> record);
    static int StyleNumber(const Psr740Model& model, std::span<const std::uint8_t> record);
    // Whether record is one whole record as the instrument and this program
    // write it: the model's fixed bytes and voices, a tempo an instrument can
    // play, a title of text padded with NUL bytes.
    static bool IsSound(const Psr740Model& model, std::span<const std::uint8_t> record);
    // The title as a regfile shows it: also trailing "?", "*", "'" and 0x01 removed.
    static std::string RegfileTitle(const Psr740Model& model, std::span<const std::uint8_t> record);
};

}  // namespace kalivo
