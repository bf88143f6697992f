#pragma once
#include "handlers/psr9000/Psr9000FamilyHandler.h"

namespace kalivo {

// PSR-9000: backups in "REG.BUP", regfiles ".p9k".
class Psr9000Handler : public Psr9000FamilyHandler {
public:
    explicit Psr9000Handler(UserInterface& ui) : Psr9000FamilyHandler(ui, Psr9000Model::Psr9000()) {}
};

}  // namespace kalivo
