#include "handlers/psr740_8000/Psr8000Handler.h"

namespace kalivo {

Psr8000Handler::Psr8000Handler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{false, 16, 16, 8}) {}

}  // namespace kalivo
