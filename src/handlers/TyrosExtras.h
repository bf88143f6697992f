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
    // Number of voice parts RevoiceToDefault would change there; nothing changes.
    virtual int CountRevoiceToDefault(int bank, int slot) = 0;
    // Whether the voice table holds every voice of the instrument. While it
    // does not, loads count unknown voices instead of asking about each.
    virtual bool VoiceTableComplete() const = 0;
    // After a load: one message with what the load counted, if anything.
    virtual void ReportUnknownVoices() = 0;
    virtual void ClearStoreCancelled() = 0;
    virtual void SetIconSettings(const IconSettings& icons) = 0;
};

}  // namespace kalivo
