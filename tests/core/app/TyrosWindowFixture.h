#pragma once
// The main window logic on Tyros-shaped in-memory handlers, with two banks
// loaded on each side the way the person loads them.
#include "core/app/MainDialogFixture.h"

namespace kalivo::test {

class TyrosWindowFixture : public MainDialogFixture {
protected:
    void SetUp() override {
        StartWith(Model::Tyros);
        Load(src(), {Bank("Jazz", {"Swing", std::nullopt, "Ballad"}), Bank("Rock", {"Riff", "Swing Low"})});
        Load(dst(), {Bank("Mine", {"Old1", "Old2", "Old3"}), Bank("Other", {"Keep"})});
        ui.folderTitles.clear();
        view.statuses.clear();
    }
    static MemoryBank Bank(const std::string& name, std::vector<std::optional<std::string>> registrations) {
        registrations.resize(8);
        return MemoryBank{name, registrations, "", 0, "", {}};
    }
    void Load(MemoryHandler& handler, std::vector<MemoryBank> banks) {
        for (auto& bank : banks) {
            bank.registrations.resize(8);
        }
        handler.archives = {"set.rgt"};
        handler.archiveContents["set.rgt"] = std::move(banks);
        ui.folders = {"/in"};
        ui.bankChoices = {std::vector<int>{0}};
        dialog->Run(&handler == &src() ? Command::LoadArchiveLeft : Command::LoadArchiveRight);
    }
    MemoryHandler& src() { return Source(Model::Tyros); }
    MemoryHandler& dst() { return Destination(Model::Tyros); }
    std::string DestinationName(int bank, int slot) {
        std::string name;
        return dst().GetRegistrationName(bank, slot, name) == Status::kDone ? name : "<none>";
    }
    void SelectBoth(int srcBank, int srcSlot, int dstBank, int dstSlot) {
        dialog->SourceSelectionChanged(LineOf(srcBank, srcSlot));
        dialog->DestinationSelectionChanged(LineOf(dstBank, dstSlot));
    }
    CommandState State(Command command) { return CommandRules::StateOf(*dialog, command); }
};

}  // namespace kalivo::test
