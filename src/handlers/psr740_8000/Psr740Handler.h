#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// PSR-740: 32 banks of 4 registrations, no bank header lines.
class Psr740Handler : public FixedGeometryHandler {
public:
    explicit Psr740Handler(UserInterface& ui);
};

}  // namespace kalivo
