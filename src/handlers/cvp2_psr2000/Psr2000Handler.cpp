#include "handlers/cvp2_psr2000/Psr2000Handler.h"

namespace kalivo {

Psr2000Handler::Psr2000Handler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{true, 1, 0, 8}) {}

}  // namespace kalivo
