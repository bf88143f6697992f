#include "app/ArchiveWorkflow.h"

#include "handlers/StatusCodes.h"
#include "handlers/TyrosExtras.h"

namespace kalivo {

bool ArchiveWorkflow::IsLoadFailure(Status status) {
    return status != Status::kDone && status != Status::kStyleArchiveWanted;
}

bool ArchiveWorkflow::RegfilesLoaded(Status status) { return status == Status::kDone || status == Status::kSomeLeftOut; }

ArchiveWorkflow::LoadOutcome ArchiveWorkflow::LoadArchives(ModelHandler& handler, Side side, const std::string& folder,
                                                           const std::vector<std::string>& names,
                                                           const EachStatus& each) {
    LoadOutcome outcome;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        outcome.status = side == Side::Destination ? handler.LoadDestinationArchive(folder, name)
                                                   : handler.LoadSourceArchive(folder, name);
        if (each) {
            each(name, outcome.status);
        }
        outcome.loaded += IsLoadFailure(outcome.status) ? 0 : 1;
        if (outcome.status == Status::kNoRoomForBank) {
            outcome.notLoaded = static_cast<int>(names.size() - i);
            break;
        }
    }
    return outcome;
}

void ArchiveWorkflow::ReportUnknownVoices(ModelHandler& handler) {
    if (auto* tyros = dynamic_cast<TyrosExtras*>(&handler)) {
        tyros->ReportUnknownVoices();
    }
}

StringList ArchiveWorkflow::BanksToStore(ModelHandler& handler, UserInterface& ui) {
    StringList banks;
    handler.ListBanks(banks);
    if (banks.empty()) {
        ui.ShowMessage("No bank found");
    }
    return banks;
}

ArchiveWorkflow::StoreOutcome ArchiveWorkflow::StoreBanks(ModelHandler& handler, const StringList& banks,
                                                          const std::vector<int>& chosen, const std::string& folder,
                                                          const EachStatus& each) {
    // A Cancel in the last store's questions must not stop this one.
    if (auto* tyros = dynamic_cast<TyrosExtras*>(&handler)) {
        tyros->ClearStoreCancelled();
    }
    StoreOutcome outcome;
    for (int index : chosen) {
        if (index < 0 || index >= static_cast<int>(banks.size())) {
            continue;
        }
        const std::string& bank = banks[static_cast<std::size_t>(index)];
        ++outcome.tried;
        const Status status = handler.StoreArchive(bank, folder, index);
        if (each) {
            each(bank, status);
        }
        outcome.stored += status == Status::kDone ? 1 : 0;
    }
    return outcome;
}

Status ArchiveWorkflow::StoreNamedArchive(ModelHandler& handler, const std::string& folder) {
    return handler.StoreArchive(handler.GetArchiveName(), folder, 0);
}

}  // namespace kalivo
