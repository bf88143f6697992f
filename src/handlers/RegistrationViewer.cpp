#include "handlers/RegistrationViewer.h"

#include <optional>

#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"

namespace kalivo {
namespace {

// The accessors in the order the dialog shows them; nothing when one fails.
std::optional<RegistrationView> ReadRegfile(ModelHandler& handler, int regfile) {
    RegistrationView view;
    int tempo = 0;
    if (handler.GetRegfileName(regfile, view.title) != status::kDone ||
        handler.GetRegfileStyleName(regfile, view.style) != status::kDone ||
        handler.GetRegfileTempo(regfile, tempo) != status::kDone ||
        handler.GetRegfileVoiceName1(regfile, view.voices[0]) != status::kDone ||
        handler.GetRegfileVoiceName2(regfile, view.voices[1]) != status::kDone ||
        handler.GetRegfileVoiceName3(regfile, view.voices[2]) != status::kDone ||
        handler.GetRegfileVoiceName4(regfile, view.voices[3]) != status::kDone) {
        return std::nullopt;
    }
    view.tempo = std::to_string(tempo);
    return view;
}

std::optional<RegistrationView> ReadRegistration(ModelHandler& handler, int bank, int slot) {
    constexpr int kWithCustomMark = 1;
    RegistrationView view;
    int tempo = 0;
    if (handler.GetRegistrationName(bank, slot, view.title) != status::kDone ||
        handler.GetStyleName(bank, slot, view.style, kWithCustomMark) != status::kDone ||
        handler.GetTempo(bank, slot, tempo) != status::kDone ||
        handler.GetVoiceName1(bank, slot, view.voices[0]) != status::kDone ||
        handler.GetVoiceName2(bank, slot, view.voices[1]) != status::kDone ||
        handler.GetVoiceName3(bank, slot, view.voices[2]) != status::kDone ||
        handler.GetVoiceName4(bank, slot, view.voices[3]) != status::kDone) {
        return std::nullopt;
    }
    view.tempo = std::to_string(tempo);
    return view;
}

}  // namespace

int RegistrationViewer::Show(ModelHandler& handler, UserInterface& ui, int regfile, int bank, int slot) {
    std::optional<RegistrationView> view;
    if (regfile >= 0) {
        view = ReadRegfile(handler, regfile);
    } else if (bank >= 0 && slot >= 0) {
        view = ReadRegistration(handler, bank, slot);
    }
    if (!view) {
        return status::kDone;
    }
    for (std::string* text : {&view->title, &view->style}) {
        *text = Cp1252::ToUtf8(*text);
    }
    for (std::string& voice : view->voices) {
        voice = Cp1252::ToUtf8(voice);
    }
    ui.ViewRegistration(*view);
    return status::kDone;
}

}  // namespace kalivo
