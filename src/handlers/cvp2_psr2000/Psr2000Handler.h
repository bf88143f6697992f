#pragma once
#include "handlers/cvp2_psr2000/Cvp2FamilyHandler.h"

namespace kalivo {

// PSR-2000: one destination bank; the source shows the banks loaded.
class Psr2000Handler : public Cvp2FamilyHandler {
public:
    explicit Psr2000Handler(UserInterface& ui);
};

}  // namespace kalivo
