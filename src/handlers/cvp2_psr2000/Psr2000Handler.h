#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// PSR-2000: one destination bank; the source shows the banks loaded.
class Psr2000Handler : public FixedGeometryHandler {
public:
    explicit Psr2000Handler(UserInterface& ui);
};

}  // namespace kalivo
