#pragma once
// The 120 user style names a handler keeps; their defaults are the style
// table's "Flash" names, a style backup overrides them.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo {

class Psr9000UserStyles {
public:
    Psr9000UserStyles() { Reset(); }
    void Reset();
    // The style's name: a user style by its current name (between asterisks
    // when marked), any other by the table.
    std::string Name(std::uint8_t number, bool marked) const;
    void Set(int index, const std::string& name);

    // Reads a style backup: 16-byte header, then one 512-byte record per user
    // style. 0 when all 120 were read; 2 at the first record that is missing
    // or not valid, keeping the names read before it.
    Status ReadBackup(std::span<const std::uint8_t> bytes);

private:
    std::array<std::string, psr9000::kUserStyleCount> names_;
};

}  // namespace kalivo
