#include "handlers/tyros/TyrosBank.h"

#include <algorithm>

namespace kalivo {

using namespace tyros;

void TyrosBank::Reset() {
    // New registrations, so no warning flag of the old ones survives.
    registrations.fill(TyrosRegistration());
    header = kBankHeaderTemplate;
    name = kEmptyName;
    iconCode = kResetIcon;
    extension = kExtension;
    inUse = true;
}

void TyrosBank::MarkFilled() {
    if (name == kEmptyName) {
        name = kNewName;
    }
}

bool TyrosBank::HasRegistrations() const {
    return std::any_of(registrations.begin(), registrations.end(),
                       [](const TyrosRegistration& r) { return !r.IsEmpty(); });
}

bool TyrosBank::IsPristine() const {
    return inUse && header == kBankHeaderTemplate && name == kEmptyName && iconCode == kResetIcon &&
           extension == kExtension && !HasRegistrations();
}

std::string TyrosBank::UsedSlots() const {
    std::string used;
    for (std::size_t part = 0; part < registrations.size(); ++part) {
        if (!registrations[part].IsEmpty()) {
            used += static_cast<char>('1' + part);
        }
    }
    return used;
}

void TyrosBank::SetSequence(const std::string& digits, int sequenceEnd) {
    header[kSequenceEndAt] = static_cast<std::uint8_t>(sequenceEnd);
    // 34 steps and their end byte fill bytes 28..62; a longer sequence is cut.
    const std::size_t steps = std::min(digits.size(), kSequenceSteps);
    for (std::size_t i = 0; i < steps; ++i) {
        header[kSequenceAt + i] = static_cast<std::uint8_t>(digits[i] - '1');
    }
    header[kSequenceAt + steps] = kSequenceStop;
}

void TyrosBank::Sequence(std::string& digits, int& sequenceEnd) const {
    digits.clear();
    for (std::size_t i = 0; i < kSequenceSteps && header[kSequenceAt + i] != kSequenceStop; ++i) {
        digits += std::to_string(header[kSequenceAt + i] + 1);
    }
    sequenceEnd = header[kSequenceEndAt];
}

void TyrosBank::ResetSequence() {
    std::copy(kBankHeaderTemplate.begin() + kSequenceAt, kBankHeaderTemplate.end(), header.begin() + kSequenceAt);
}

}  // namespace kalivo
