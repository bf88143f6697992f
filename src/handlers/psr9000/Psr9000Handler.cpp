#include "handlers/psr9000/Psr9000Handler.h"

namespace kalivo {

Psr9000Handler::Psr9000Handler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{true, 64, 64, 8}) {}

}  // namespace kalivo
