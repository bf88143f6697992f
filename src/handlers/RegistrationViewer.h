#pragma once
// ShowRegistration of the models with the simple View Registration dialog
// (PSR-740, PSR-8000, PSR-9000, 9000Pro): gathers the seven texts from the
// handler's ContentOf and hands them to the dialog.
#include "handlers/ModelHandler.h"

namespace kalivo {

class RegistrationViewer {
public:
    // regfile >= 0 shows that regfile, else the registration at bank/slot (both
    // >= 0). What cannot be read shows nothing, so an empty slot or an unused
    // bank opens no dialog. Names are converted to UTF-8. Returns 0.
    static Status Show(ModelHandler& handler, UserInterface& ui, int regfile, int bank, int slot);
};

}  // namespace kalivo
