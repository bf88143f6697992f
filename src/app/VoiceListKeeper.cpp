#include "app/VoiceListKeeper.h"

#include <utility>
#include <vector>

#include "app/VoiceListSource.h"
#include "common/text/Cp1252.h"
#include "common/voices/VoiceListFile.h"

namespace kalivo {
namespace {

const char* const kFileFilter = "Voice lists (*.ins *.tsv *.txt);;All files (*)";

std::string Unpadded(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

std::vector<BankSelectKey> KeysOf(ModelHandler& source, ModelHandler& destination) {
    std::vector<BankSelectKey> keys = source.VoiceKeys();
    const std::vector<BankSelectKey> more = destination.VoiceKeys();
    keys.insert(keys.end(), more.begin(), more.end());
    return keys;
}

}  // namespace

std::string VoiceListKeeper::Restore(Model model, ModelHandler& source, ModelHandler& destination) {
    const VoiceListChoice choice = settings_.ReadVoiceList(ModelCatalog::NameOf(model));
    std::shared_ptr<const VoiceList> list;
    std::string error;
    if (!choice.file.empty() && VoiceListSource::ModelTakesLists(model)) {
        list = VoiceListSource::Load(choice.file, Cp1252::ToUtf8(choice.instrument), error);
    }
    Apply(model, list, source, destination);
    if (choice.file.empty() || list != nullptr) {
        return std::string();
    }
    // Kept in the settings: the file may be on a stick that is not plugged in.
    return "Voice list " + choice.file + " not read; voice names come from the built-in table";
}

std::string VoiceListKeeper::Run(Model model, ModelHandler& source, ModelHandler& destination) {
    if (!VoiceListSource::ModelTakesLists(model)) {
        ui_.ShowMessage(VoiceListSource::RefusalFor(model));
        return std::string();
    }
    std::string status;
    while (true) {
        switch (ui_.ShowVoiceList(ViewOf(model, source, destination))) {
            case VoiceListAction::Close:
                return status;
            case VoiceListAction::Clear:
                Apply(model, nullptr, source, destination);
                settings_.WriteVoiceList(ModelCatalog::NameOf(model), {});
                status = "Voice names from the built-in table";
                break;
            case VoiceListAction::Browse: {
                std::shared_ptr<const VoiceList> chosen;
                if (Browse(chosen)) {
                    Apply(model, chosen, source, destination);
                    const bool remembered =
                        settings_.WriteVoiceList(ModelCatalog::NameOf(model), {chosen->File(), chosen->Instrument()});
                    status = "Voice names from " + VoiceListSource::Describe(model, chosen.get()) +
                             (remembered ? "" : " (not remembered: kalivo.ini could not be written)");
                }
                break;
            }
        }
    }
}

VoiceListView VoiceListKeeper::ViewOf(Model model, ModelHandler& source, ModelHandler& destination) const {
    const VoiceList* list = lists_[static_cast<std::size_t>(ModelCatalog::HandlerIndex(model))].get();
    VoiceListView view;
    view.model = Unpadded(ModelCatalog::NameOf(model));
    view.source = VoiceListSource::Describe(model, list);
    view.named = list != nullptr ? VoiceListSource::DescribeNamed(*list, KeysOf(source, destination)) : std::string();
    view.canClear = list != nullptr;
    return view;
}

bool VoiceListKeeper::Browse(std::shared_ptr<const VoiceList>& chosen) {
    const auto path = ui_.ChooseOpenFile("Voice List", kFileFilter);
    if (!path) {
        return false;
    }
    VoiceListFile file;
    std::string error;
    if (!file.Read(*path, error)) {
        ui_.ShowMessage(error);
        return false;
    }
    const std::vector<std::string> instruments = file.Instruments();
    std::string instrument;
    if (instruments.size() > 1) {
        std::vector<std::string> shown;
        for (const std::string& name : instruments) {
            shown.push_back(Cp1252::ToUtf8(name));
        }
        const int index = ui_.ChooseName("Select Instrument", shown);
        if (index < 0 || index >= static_cast<int>(instruments.size())) {
            return false;
        }
        instrument = instruments[static_cast<std::size_t>(index)];
    }
    auto list = std::make_shared<VoiceList>();
    if (!file.Take(instrument, *list, error)) {
        ui_.ShowMessage(error);
        return false;
    }
    chosen = std::move(list);
    return true;
}

void VoiceListKeeper::Apply(Model model, std::shared_ptr<const VoiceList> list, ModelHandler& source,
                            ModelHandler& destination) {
    lists_[static_cast<std::size_t>(ModelCatalog::HandlerIndex(model))] = list;
    source.SetVoiceList(list);
    destination.SetVoiceList(std::move(list));
}

}  // namespace kalivo
