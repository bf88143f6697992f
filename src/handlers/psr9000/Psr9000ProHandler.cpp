#include "handlers/psr9000/Psr9000ProHandler.h"

namespace kalivo {

Psr9000ProHandler::Psr9000ProHandler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{true, 64, 64, 8}) {}

}  // namespace kalivo
