#pragma once
#include "handlers/psr9000/Psr9000FamilyHandler.h"

namespace kalivo {

// 9000Pro: backups in "REG_Pro.BUP", regfiles ".9kp".
class Psr9000ProHandler : public Psr9000FamilyHandler {
public:
    explicit Psr9000ProHandler(UserInterface& ui) : Psr9000FamilyHandler(ui, Psr9000Model::Pro()) {}
};

}  // namespace kalivo
