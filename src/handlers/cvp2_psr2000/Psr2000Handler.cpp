#include "handlers/cvp2_psr2000/Psr2000Handler.h"

namespace kalivo {

Psr2000Handler::Psr2000Handler(UserInterface& ui) : Cvp2FamilyHandler(ui, Cvp2Model::Psr2000()) {}

}  // namespace kalivo
