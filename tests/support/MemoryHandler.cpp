#include "support/MemoryHandler.h"

#include <algorithm>
#include <utility>

namespace kalivo::test {

namespace {

std::string Args(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto& p : parts) {
        out += (out.empty() ? "" : ",") + p;
    }
    return out;
}

std::string N(int v) { return std::to_string(v); }

}  // namespace

MemoryHandler::MemoryHandler(UserInterface& ui, const ListGeometry& geometry)
    : ModelHandler(ui, "Memory"), geometry_(geometry) {}

MemoryBank& MemoryHandler::AddBank(const std::string& name, const std::vector<std::optional<std::string>>& registrations) {
    MemoryBank bank;
    bank.name = name;
    bank.registrations = registrations;
    bank.registrations.resize(static_cast<std::size_t>(geometry_.registrationsPerBank));
    banks.push_back(bank);
    return *banks.back();
}

bool MemoryHandler::Called(const std::string& prefix) const {
    return std::any_of(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
}

MemoryBank* MemoryHandler::Bank(int bank) {
    if (bank < 0 || bank >= static_cast<int>(banks.size()) || !banks[static_cast<std::size_t>(bank)]) {
        return nullptr;
    }
    return &*banks[static_cast<std::size_t>(bank)];
}

MemoryBank& MemoryHandler::EnsureBank(int bank) {
    if (bank >= static_cast<int>(banks.size())) {
        banks.resize(static_cast<std::size_t>(bank) + 1);
    }
    auto& entry = banks[static_cast<std::size_t>(bank)];
    if (!entry) {
        entry = MemoryBank{};
        entry->name = "New Bank";
        entry->registrations.resize(static_cast<std::size_t>(geometry_.registrationsPerBank));
    }
    return *entry;
}

std::optional<std::string>* MemoryHandler::Slot(int bank, int slot) {
    MemoryBank* b = Bank(bank);
    if (b == nullptr || slot < 0 || slot >= static_cast<int>(b->registrations.size())) {
        return nullptr;
    }
    return &b->registrations[static_cast<std::size_t>(slot)];
}

int MemoryHandler::NextLoadResult() {
    if (loadResults.empty()) {
        return 0;
    }
    const int result = loadResults.front();
    loadResults.pop_front();
    return result;
}

bool MemoryHandler::HasBankHeaders() { return geometry_.bankHeaders; }

int MemoryHandler::SourceBankCount() {
    return geometry_.sourceBanks >= 0 ? geometry_.sourceBanks : static_cast<int>(banks.size());
}

int MemoryHandler::DestinationBankCount() {
    return geometry_.destinationBanks >= 0 ? geometry_.destinationBanks : static_cast<int>(banks.size());
}

int MemoryHandler::RegistrationsPerBank() { return geometry_.registrationsPerBank; }

void MemoryHandler::CreateStore() {
    Record("CreateStore");
    banks.clear();
}

void MemoryHandler::ReleaseStore() { Record("ReleaseStore"); }

int MemoryHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    Record("LoadSourceArchive(" + Args({folder, archive}) + ")");
    const int result = NextLoadResult();
    if (result == 0 || result == 17) {
        for (const auto& bank : archiveContents[archive]) {
            banks.push_back(bank);
        }
    }
    return result;
}

int MemoryHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    Record("LoadDestinationArchive(" + Args({folder, archive}) + ")");
    const int result = NextLoadResult();
    if (result == 0 || result == 17) {
        for (const auto& bank : archiveContents[archive]) {
            banks.push_back(bank);
        }
    }
    return result;
}

int MemoryHandler::LoadStyleArchive(const std::string& folder, const std::string& archive) {
    Record("LoadStyleArchive(" + Args({folder, archive}) + ")");
    return NextLoadResult();
}

int MemoryHandler::ClearSource() {
    Record("ClearSource");
    banks.clear();
    return 0;
}

int MemoryHandler::ClearDestination(int bankCount) {
    Record("ClearDestination(" + N(bankCount) + ")");
    lastSourceBanks = bankCount;
    banks.clear();
    return 0;
}

int MemoryHandler::DeleteRegistration(int bank, int slot) {
    Record("DeleteRegistration(" + Args({N(bank), N(slot)}) + ")");
    if (auto* s = Slot(bank, slot)) {
        s->reset();
    }
    return 0;
}

int MemoryHandler::StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) {
    Record("StoreArchive(" + Args({archive, folder, N(bankPosition)}) + ")");
    if (storeResults.empty()) {
        return 0;
    }
    const int result = storeResults.front();
    storeResults.pop_front();
    return result;
}

int MemoryHandler::ListArchives(const std::string& folder, StringList& names) {
    Record("ListArchives(" + folder + ")");
    names = archives;
    return 0;
}

int MemoryHandler::ListBanks(StringList& names) {
    names.clear();
    for (const auto& bank : banks) {
        if (bank) {
            names.push_back(bank->name);
        }
    }
    return 0;
}

std::string MemoryHandler::GetBankIcon(int bank) {
    MemoryBank* b = Bank(bank);
    return b ? b->icon : std::string();
}

std::string MemoryHandler::GetRegistrationIcon(int bank, int slot) { return "R" + N(bank) + N(slot); }

int MemoryHandler::LoadRegfiles(const std::string& folder) {
    Record("LoadRegfiles(" + folder + ")");
    return loadRegfilesResult;
}

int MemoryHandler::ListRegfiles(StringList& names) {
    names = regfiles;
    return 0;
}

int MemoryHandler::CreateRegfiles(const std::string& folder) {
    Record("CreateRegfiles(" + folder + ")");
    return 0;
}

std::string MemoryHandler::GetArchiveName() { return archiveName; }

void MemoryHandler::SetArchiveName(const std::string& name) { archiveName = name; }

void MemoryHandler::SetBankName(int bank, const std::string& name) {
    Record("SetBankName(" + Args({N(bank), name}) + ")");
    if (bank >= 0) {
        EnsureBank(bank).name = name;
    }
}

void MemoryHandler::SetBankSequence(int bank, const std::string& digits, int sequenceEnd) {
    Record("SetBankSequence(" + Args({N(bank), digits, N(sequenceEnd)}) + ")");
    if (MemoryBank* b = Bank(bank)) {
        b->sequence = digits;
        b->sequenceEnd = sequenceEnd;
    }
}

void MemoryHandler::SetBankIcon(int bank, const std::string& iconCode) {
    Record("SetBankIcon(" + Args({N(bank), iconCode}) + ")");
    if (MemoryBank* b = Bank(bank)) {
        b->icon = iconCode;
    }
}

void MemoryHandler::SetRegistrationIcon(int bank, int slot, const std::string& iconCode) {
    Record("SetRegistrationIcon(" + Args({N(bank), N(slot), iconCode}) + ")");
}

int MemoryHandler::GetUsedSlots(int bank, std::string& slots) {
    slots.clear();
    if (MemoryBank* b = Bank(bank)) {
        for (std::size_t i = 0; i < b->registrations.size(); ++i) {
            if (b->registrations[i]) {
                slots += static_cast<char>('1' + i);
            }
        }
    }
    return 0;
}

int MemoryHandler::GetBankName(int bank, std::string& name) {
    MemoryBank* b = Bank(bank);
    name = b ? b->name : "Empty Bank";
    return 0;
}

int MemoryHandler::GetBankSequence(int bank, std::string& digits, int& sequenceEnd) {
    if (MemoryBank* b = Bank(bank)) {
        digits = b->sequence;
        sequenceEnd = b->sequenceEnd;
    }
    return 0;
}

int MemoryHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    if (Bank(bank) == nullptr) {
        return 8;
    }
    auto* s = Slot(bank, slot);
    if (s == nullptr || !*s) {
        return 9;
    }
    name = **s;
    return 0;
}

int MemoryHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    Record("RenameRegistration(" + Args({N(bank), N(slot), name}) + ")");
    auto* s = Slot(bank, slot);
    if (s == nullptr || !*s) {
        return 9;
    }
    *s = name;
    return 0;
}

int MemoryHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    Record("CopyRegistration(" + Args({N(dstBank), N(dstSlot), N(srcBank), N(srcSlot)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    if (src == nullptr || src->Bank(srcBank) == nullptr) {
        return 8;
    }
    auto* from = src->Slot(srcBank, srcSlot);
    if (from == nullptr || !*from) {
        return 9;
    }
    EnsureBank(dstBank).registrations[static_cast<std::size_t>(dstSlot)] = *from;
    return 0;
}

int MemoryHandler::CopyBankSequence(int dstBank, ModelHandler*, int srcBank) {
    Record("CopyBankSequence(" + Args({N(dstBank), N(srcBank)}) + ")");
    return 0;
}

int MemoryHandler::ResetBankSequence(int bank) {
    Record("ResetBankSequence(" + N(bank) + ")");
    if (MemoryBank* b = Bank(bank)) {
        b->sequence.clear();
        b->sequenceEnd = 0;
    }
    return 0;
}

int MemoryHandler::GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    Record("GroupCopyRegistration(" + Args({N(dstBank), N(dstSlot), N(srcBank), N(srcSlot)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    auto* from = src ? src->Slot(srcBank, srcSlot) : nullptr;
    return from == nullptr || !*from ? 9 : groupCopyResult;
}

int MemoryHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    Record("CopyRegfile(" + Args({N(dstBank), N(dstSlot), N(regfile)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    if (src != nullptr && regfile >= 0 && regfile < static_cast<int>(src->regfiles.size())) {
        EnsureBank(dstBank).registrations[static_cast<std::size_t>(dstSlot)] =
            src->regfiles[static_cast<std::size_t>(regfile)];
    }
    return 0;
}

int MemoryHandler::GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler*, int regfile) {
    Record("GroupCopyRegfile(" + Args({N(dstBank), N(dstSlot), N(regfile)}) + ")");
    return 0;
}

int MemoryHandler::WriteProtocol(const std::string& path) {
    Record("WriteProtocol(" + path + ")");
    return protocolResult;
}

int MemoryHandler::WriteRegfileProtocol(const std::string& path) {
    Record("WriteRegfileProtocol(" + path + ")");
    return protocolResult;
}

int MemoryHandler::ShowRegistration(int regfile, int bank, int slot) {
    Record("ShowRegistration(" + Args({N(regfile), N(bank), N(slot)}) + ")");
    return 0;
}

bool MemoryHandler::SetStyleArchiveOptions(bool ask, bool useDefault, const std::string& path, bool implicit) {
    Record("SetStyleArchiveOptions(" + Args({N(ask), N(useDefault), path, N(implicit)}) + ")");
    return optionsValid;
}

int MemoryHandler::RevoiceToDefault(int bank, int slot) {
    MemoryBank* b = Bank(bank);
    if (b == nullptr || slot < 0 || slot >= static_cast<int>(b->voicesToRevoice.size())) {
        return 0;
    }
    return std::exchange(b->voicesToRevoice[static_cast<std::size_t>(slot)], 0);
}

int MemoryHandler::CountRevoiceToDefault(int bank, int slot) {
    MemoryBank* b = Bank(bank);
    if (b == nullptr || slot < 0 || slot >= static_cast<int>(b->voicesToRevoice.size())) {
        return 0;
    }
    return b->voicesToRevoice[static_cast<std::size_t>(slot)];
}

void MemoryHandler::ReportUnknownVoices() { Record("ReportUnknownVoices"); }

void MemoryHandler::ClearStoreCancelled() {
    Record("ClearStoreCancelled");
    storeCancelled = false;
}

void MemoryHandler::SetIconSettings(const IconSettings& settings) { icons = settings; }

namespace {

struct MemorySnapshot : HandlerSnapshot {
    std::vector<std::optional<MemoryBank>> banks;
    std::string archiveName;
};

}  // namespace

std::shared_ptr<const HandlerSnapshot> MemoryHandler::SaveDestinationState() const {
    if (!snapshots) {
        return nullptr;
    }
    auto snapshot = std::make_shared<MemorySnapshot>();
    snapshot->banks = banks;
    snapshot->archiveName = archiveName;
    return snapshot;
}

void MemoryHandler::RestoreDestinationState(const HandlerSnapshot& snapshot) {
    if (const auto* own = dynamic_cast<const MemorySnapshot*>(&snapshot)) {
        banks = own->banks;
        archiveName = own->archiveName;
    }
}

}  // namespace kalivo::test
