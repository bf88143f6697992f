#include "handlers/cvp2_psr2000/Cvp2Handler.h"

namespace kalivo {

Cvp2Handler::Cvp2Handler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{true, 1, 0, 8}) {}

}  // namespace kalivo
