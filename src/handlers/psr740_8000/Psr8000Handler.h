#pragma once
#include "handlers/psr740_8000/Psr740FamilyHandler.h"

namespace kalivo {

// PSR-8000: 16 banks of 8 registrations, no bank header lines.
class Psr8000Handler : public Psr740FamilyHandler {
public:
    explicit Psr8000Handler(UserInterface& ui);
};

}  // namespace kalivo
