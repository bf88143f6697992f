#include "handlers/cvp2_psr2000/Cvp2Handler.h"

namespace kalivo {

Cvp2Handler::Cvp2Handler(UserInterface& ui) : S917Handler(ui, S917Model::Cvp2()) {}

}  // namespace kalivo
