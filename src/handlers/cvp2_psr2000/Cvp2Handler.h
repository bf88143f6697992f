#pragma once
#include "handlers/cvp2_psr2000/Cvp2FamilyHandler.h"

namespace kalivo {

// CVP2 Series: one destination bank; the source shows the banks loaded.
class Cvp2Handler : public Cvp2FamilyHandler {
public:
    explicit Cvp2Handler(UserInterface& ui);
};

}  // namespace kalivo
