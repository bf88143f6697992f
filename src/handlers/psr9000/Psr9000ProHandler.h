#pragma once
#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

// 9000Pro: 64 banks of 8 registrations.
class Psr9000ProHandler : public FixedGeometryHandler {
public:
    explicit Psr9000ProHandler(UserInterface& ui);
};

}  // namespace kalivo
