#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// PSR-9000: 64 banks of 8 registrations.
class Psr9000Handler : public FixedGeometryHandler {
public:
    explicit Psr9000Handler(UserInterface& ui);
};

}  // namespace kalivo
