#pragma once
#include "handlers/ModelHandler.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

class TyrosHandler : public ModelHandler, public TyrosExtras {
public:
    explicit TyrosHandler(UserInterface& ui);

    bool HasBankHeaders() override;
    int RegistrationsPerBank() override;
    std::string GetArchiveName() override;

    int RevoiceToDefault(int bank, int slot) override;
    void ClearStoreCancelled() override;
    void SetIconSettings(const IconSettings& icons) override;

private:
    bool storeCancelled_ = false;
    IconSettings icons_;
};

}  // namespace kalivo
