#pragma once
// A handler whose list geometry is fixed by its model: the models other than
// Tyros derive from it and give their numbers once.
#include "handlers/ModelHandler.h"

namespace kalivo {

struct ListGeometry {
    bool bankHeaders = false;
    int destinationBanks = 0;
    int sourceBanks = 0;
    int registrationsPerBank = 0;
};

class FixedGeometryHandler : public ModelHandler {
public:
    FixedGeometryHandler(UserInterface& ui, const ListGeometry& geometry);

    bool HasBankHeaders() override;
    int DestinationBankCount() override;
    int SourceBankCount() override;
    int RegistrationsPerBank() override;

private:
    ListGeometry geometry_;
};

}  // namespace kalivo
