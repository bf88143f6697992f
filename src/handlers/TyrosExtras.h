#pragma once
// The few operations the main window calls outside ModelHandler, all of them
// Tyros-only: default revoicing, the store-cancelled flag and the icon list.
#include "ui/DialogData.h"

namespace kalivo {

class TyrosExtras {
public:
    virtual ~TyrosExtras() = default;
    // Number of voice parts changed in that registration.
    virtual int RevoiceToDefault(int bank, int slot) = 0;
    virtual void ClearStoreCancelled() = 0;
    virtual void SetIconSettings(const IconSettings& icons) = 0;
};

}  // namespace kalivo
