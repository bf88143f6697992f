#include "handlers/cvp2_psr2000/Cvp2Handler.h"

namespace kalivo {

Cvp2Handler::Cvp2Handler(UserInterface& ui) : Cvp2FamilyHandler(ui, Cvp2Model::Cvp2()) {}

}  // namespace kalivo
