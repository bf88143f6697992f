#pragma once
// Style names of the PSR-9000 family by style number.
#include <cstdint>
#include <string>

namespace kalivo {

class Psr9000StyleTable {
public:
    // 0..124 preset styles, 125..244 "Flash b/n", 245..255 "?".
    static std::string Name(std::uint8_t number);
    static bool IsUserStyle(std::uint8_t number);
};

}  // namespace kalivo
