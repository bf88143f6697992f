#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// CVP2 Series: one destination bank; the source shows the banks loaded.
class Cvp2Handler : public FixedGeometryHandler {
public:
    explicit Cvp2Handler(UserInterface& ui);
};

}  // namespace kalivo
