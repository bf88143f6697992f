#include "app/VoiceListSource.h"

#include "common/Format.h"
#include "common/text/Cp1252.h"
#include "common/voices/VoiceListFile.h"

namespace kalivo {

bool VoiceListSource::ModelTakesLists(Model model) { return ModelCatalog::FactsOf(model).builtInVoiceRows != nullptr; }

std::string VoiceListSource::RefusalFor(Model model) {
    std::string name = ModelCatalog::NameOf(model);
    name.erase(name.find_last_not_of(' ') + 1);
    return ModelTakesLists(model) ? std::string()
                                  : "The " + name + " keeps voice numbers, not bank select; a voice list cannot name them";
}

int VoiceListSource::BuiltInRows(Model model) {
    const auto rows = ModelCatalog::FactsOf(model).builtInVoiceRows;
    return rows != nullptr ? rows() : 0;
}

std::shared_ptr<const VoiceList> VoiceListSource::Load(const std::string& path, const std::string& instrument,
                                                       std::string& error) {
    VoiceListFile file;
    auto list = std::make_shared<VoiceList>();
    if (!file.Read(path, error) || !file.Take(Cp1252::FromUtf8(instrument), *list, error)) {
        return nullptr;
    }
    return list;
}

bool VoiceListSource::Instruments(const std::string& path, std::vector<std::string>& names, std::string& error) {
    VoiceListFile file;
    if (!file.Read(path, error)) {
        return false;
    }
    names.clear();
    for (const std::string& name : file.Instruments()) {
        names.push_back(Cp1252::ToUtf8(name));
    }
    return true;
}

std::string VoiceListSource::Describe(Model model, const VoiceList* list) {
    if (list == nullptr) {
        return FormatNumbers("built-in table, %i rows", BuiltInRows(model));
    }
    const std::string instrument =
        list->Instrument().empty() ? std::string() : ", instrument " + Cp1252::ToUtf8(list->Instrument());
    return list->File() + instrument + FormatNumbers(", %i rows", static_cast<int>(list->RowCount()));
}

std::string VoiceListSource::DescribeNamed(const VoiceList& list, const std::vector<BankSelectKey>& keys) {
    return FormatNumbers("%i of %i voice settings of the loaded archives are named by the list",
                         list.CountNamed(keys), static_cast<int>(keys.size()));
}

}  // namespace kalivo
