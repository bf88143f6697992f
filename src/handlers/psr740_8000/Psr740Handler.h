#pragma once
#include "handlers/psr740_8000/Psr740FamilyHandler.h"

namespace kalivo {

// PSR-740: 32 banks of 4 registrations, no bank header lines; the title
// belongs to the bank.
class Psr740Handler : public Psr740FamilyHandler {
public:
    explicit Psr740Handler(UserInterface& ui);
};

}  // namespace kalivo
