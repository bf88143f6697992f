#include "handlers/FixedGeometryHandler.h"

namespace kalivo {

FixedGeometryHandler::FixedGeometryHandler(UserInterface& ui, const ListGeometry& geometry)
    : ModelHandler(ui, std::string()), geometry_(geometry) {}

bool FixedGeometryHandler::HasBankHeaders() { return geometry_.bankHeaders; }

int FixedGeometryHandler::DestinationBankCount() { return geometry_.destinationBanks; }

int FixedGeometryHandler::SourceBankCount() { return geometry_.sourceBanks; }

int FixedGeometryHandler::RegistrationsPerBank() { return geometry_.registrationsPerBank; }

}  // namespace kalivo
