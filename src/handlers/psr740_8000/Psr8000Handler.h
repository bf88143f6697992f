#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// PSR-8000: 16 banks of 8 registrations, no bank header lines.
class Psr8000Handler : public FixedGeometryHandler {
public:
    explicit Psr8000Handler(UserInterface& ui);
};

}  // namespace kalivo
