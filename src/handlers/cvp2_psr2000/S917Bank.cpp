#include "handlers/cvp2_psr2000/S917Bank.h"

#include <algorithm>

namespace kalivo {

bool S917Bank::InUse() const {
    return std::any_of(slots.begin(), slots.end(), [](const auto& slot) { return slot.has_value(); });
}

void S917Bank::Reset() {
    name = kEmptyName;
    for (auto& slot : slots) {
        slot.reset();
    }
}

}  // namespace kalivo
