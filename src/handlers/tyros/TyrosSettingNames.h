#pragma once
// Names of the style, multi pad and harmony type a Tyros registration stores
// as numbers (or, for styles and multi pads, as a file path).
#include <cstdint>
#include <span>
#include <string>

namespace kalivo {

class TyrosSettingNames {
public:
    using Bytes = std::span<const std::uint8_t>;

    // numberBlock: setting type 7, pathBlock: type 9 (empty spans when absent).
    static std::string Style(Bytes numberBlock, Bytes pathBlock);
    // numberBlock: setting type 36, pathBlock: type 37.
    static std::string Multipad(Bytes numberBlock, Bytes pathBlock);
    // harmonyBlock: setting type 38.
    static std::string HarmonyType(Bytes harmonyBlock);
};

}  // namespace kalivo
