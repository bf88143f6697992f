#include "handlers/psr740_8000/Psr740Handler.h"

namespace kalivo {

Psr740Handler::Psr740Handler(UserInterface& ui) : Psr740FamilyHandler(ui, Psr740Model::Psr740()) {}

}  // namespace kalivo
