#include "handlers/psr9000/Psr9000BankTable.h"

#include <algorithm>

namespace kalivo {

void Psr9000Bank::Reset(int index) {
    used = false;
    header = psr9000::DefaultBankHeader(index);
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        slots[slot].empty = true;
        slots[slot].record = psr9000::DefaultRecord(static_cast<int>(slot));
        slots[slot].origin.reset();
    }
}

bool Psr9000Bank::HasRegistrations() const {
    return std::any_of(slots.begin(), slots.end(), [](const Psr9000Slot& slot) { return !slot.empty; });
}

void Psr9000BankTable::Reset(const std::array<std::uint8_t, 24>& defaultHeader) {
    header = defaultHeader;
    for (std::size_t bank = 0; bank < banks.size(); ++bank) {
        banks[bank].Reset(static_cast<int>(bank));
    }
}

bool Psr9000BankTable::AnyUsed() const {
    return std::any_of(banks.begin(), banks.end(), [](const Psr9000Bank& bank) { return bank.used; });
}

const std::vector<std::uint8_t>* Psr9000BankTable::SharedStyleBackup() const {
    const Psr9000BackupOrigin* shared = nullptr;
    for (const Psr9000Bank& bank : banks) {
        for (const Psr9000Slot& slot : bank.slots) {
            if (slot.empty) {
                continue;
            }
            if (slot.origin == nullptr || (shared != nullptr && slot.origin.get() != shared)) {
                return nullptr;
            }
            shared = slot.origin.get();
        }
    }
    return shared != nullptr && !shared->styleBackup.empty() ? &shared->styleBackup : nullptr;
}

}  // namespace kalivo
