#pragma once
// The bank memory of a PSR-9000 family handler: the registration file's
// header and its 64 banks of eight records, kept byte for byte as read.
#include <array>
#include <cstdint>

#include "handlers/psr9000/Psr9000Record.h"

namespace kalivo {

struct Psr9000Slot {
    bool empty = true;
    psr9000::Record record{};
};

struct Psr9000Bank {
    bool used = false;
    std::array<std::uint8_t, psr9000::kBankHeaderSize> header{};
    std::array<Psr9000Slot, psr9000::kSlots> slots{};

    // Default header and records, nothing in use.
    void Reset(int index);
    bool HasRegistrations() const;
};

struct Psr9000BankTable {
    std::array<std::uint8_t, 24> header{};
    std::array<Psr9000Bank, psr9000::kBanks> banks{};

    void Reset(const std::array<std::uint8_t, 24>& defaultHeader);
    bool AnyUsed() const;
};

}  // namespace kalivo
