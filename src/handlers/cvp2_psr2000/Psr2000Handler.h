#pragma once
#include "handlers/cvp2_psr2000/S917Handler.h"

namespace kalivo {

// PSR-2000: one destination bank; the source shows the banks loaded.
class Psr2000Handler : public S917Handler {
public:
    explicit Psr2000Handler(UserInterface& ui);
};

}  // namespace kalivo
