#include "handlers/psr740_8000/Psr8000Handler.h"

namespace kalivo {

Psr8000Handler::Psr8000Handler(UserInterface& ui) : Psr740FamilyHandler(ui, Psr740Model::Psr8000()) {}

}  // namespace kalivo
