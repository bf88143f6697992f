#include "handlers/psr740_8000/Psr8000Handler.h"

namespace kalivo {

Psr8000Handler::Psr8000Handler(UserInterface& ui) : PsrFamilyHandler(ui, PsrModel::Psr8000()) {}

}  // namespace kalivo
