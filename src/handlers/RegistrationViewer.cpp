#include "handlers/RegistrationViewer.h"

#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"

namespace kalivo {

Status RegistrationViewer::Show(ModelHandler& handler, UserInterface& ui, int regfile, int bank, int slot) {
    if (regfile < 0 && (bank < 0 || slot < 0)) {
        return Status::kDone;
    }
    const RegistrationContent content =
        handler.ContentOf(regfile >= 0 ? RegistrationRef::Regfile(regfile) : RegistrationRef::Slot(bank, slot));
    if (content.status != Status::kDone) {
        return Status::kDone;  // an empty slot or an unused bank opens no dialog
    }
    // A user style is shown with its mark; a regfile's style has none.
    RegistrationView view{Cp1252::ToUtf8(content.name), Cp1252::ToUtf8(content.markedStyle),
                          std::to_string(content.tempo), {}};
    for (std::size_t i = 0; i < view.voices.size(); ++i) {
        view.voices[i] = Cp1252::ToUtf8(content.voices[i]);
    }
    ui.ViewRegistration(view);
    return Status::kDone;
}

}  // namespace kalivo
