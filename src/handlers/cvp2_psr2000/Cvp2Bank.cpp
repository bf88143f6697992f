#include "handlers/cvp2_psr2000/Cvp2Bank.h"

#include <algorithm>

namespace kalivo {

bool Cvp2Bank::InUse() const {
    return std::any_of(slots.begin(), slots.end(), [](const auto& slot) { return slot.has_value(); });
}

void Cvp2Bank::Reset() {
    name = kEmptyName;
    for (auto& slot : slots) {
        slot.reset();
    }
}

}  // namespace kalivo
