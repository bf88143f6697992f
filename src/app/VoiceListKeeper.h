#pragma once
// The Voice List command of the window and the lists it chose: one per model,
// given to both handlers of the model and remembered in the settings file.
#include <array>
#include <memory>
#include <string>

#include "app/ModelCatalog.h"
#include "app/SettingsFile.h"
#include "common/voices/VoiceList.h"
#include "handlers/ModelHandler.h"
#include "ui/UserInterface.h"

namespace kalivo {

class VoiceListKeeper {
public:
    VoiceListKeeper(UserInterface& ui, const SettingsFile& settings) : ui_(ui), settings_(settings) {}

    // When a model becomes active: the list remembered for it is read again
    // and given to both handlers. A status line when it could not be read
    // (the built-in table then names the voices), else "".
    std::string Restore(Model model, ModelHandler& source, ModelHandler& destination);
    // The Voice List dialog until it is closed; the status line of what changed, or "".
    std::string Run(Model model, ModelHandler& source, ModelHandler& destination);

private:
    VoiceListView ViewOf(Model model, ModelHandler& source, ModelHandler& destination) const;
    // Browse…: a file, then its instrument; false when nothing was taken.
    bool Browse(std::shared_ptr<const VoiceList>& chosen);
    void Apply(Model model, std::shared_ptr<const VoiceList> list, ModelHandler& source, ModelHandler& destination);

    UserInterface& ui_;
    const SettingsFile& settings_;
    std::array<std::shared_ptr<const VoiceList>, kModelCount> lists_{};
};

}  // namespace kalivo
