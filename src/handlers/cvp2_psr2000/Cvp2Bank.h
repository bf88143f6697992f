#pragma once
// One bank of the handlers' bank table: a name and eight registration slots.
#include <array>
#include <optional>
#include <string>

#include "handlers/cvp2_psr2000/Cvp2Registration.h"

namespace kalivo {

struct Cvp2Bank {
    static constexpr const char* kEmptyName = "Empty Bank";

    std::string name = kEmptyName;
    std::array<std::optional<Cvp2Registration>, s917::kSlotsPerBank> slots;

    // A bank is in use while any slot holds a registration.
    bool InUse() const;
    void Reset();
};

}  // namespace kalivo
