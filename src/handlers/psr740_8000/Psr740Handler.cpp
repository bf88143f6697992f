#include "handlers/psr740_8000/Psr740Handler.h"

namespace kalivo {

Psr740Handler::Psr740Handler(UserInterface& ui) : FixedGeometryHandler(ui, ListGeometry{false, 32, 32, 4}) {}

}  // namespace kalivo
