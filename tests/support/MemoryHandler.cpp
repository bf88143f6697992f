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

Status MemoryHandler::NextLoadResult() {
    if (loadResults.empty()) {
        return Status::kDone;
    }
    const Status result = loadResults.front();
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

Status MemoryHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    Record("LoadSourceArchive(" + Args({folder, archive}) + ")");
    const Status result = NextLoadResult();
    if (result == Status::kDone || result == Status::kStyleArchiveWanted) {
        for (const auto& bank : archiveContents[archive]) {
            banks.push_back(bank);
        }
    }
    return result;
}

Status MemoryHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    Record("LoadDestinationArchive(" + Args({folder, archive}) + ")");
    const Status result = NextLoadResult();
    if (result == Status::kDone || result == Status::kStyleArchiveWanted) {
        for (const auto& bank : archiveContents[archive]) {
            banks.push_back(bank);
        }
    }
    return result;
}

Status MemoryHandler::LoadStyleArchive(const std::string& folder, const std::string& archive) {
    Record("LoadStyleArchive(" + Args({folder, archive}) + ")");
    return NextLoadResult();
}

Status MemoryHandler::ClearSource() {
    Record("ClearSource");
    banks.clear();
    return Status::kDone;
}

Status MemoryHandler::ClearDestination(int bankCount) {
    Record("ClearDestination(" + N(bankCount) + ")");
    lastSourceBanks = bankCount;
    banks.clear();
    return Status::kDone;
}

Status MemoryHandler::DeleteRegistration(int bank, int slot) {
    Record("DeleteRegistration(" + Args({N(bank), N(slot)}) + ")");
    if (auto* s = Slot(bank, slot)) {
        s->reset();
    }
    return Status::kDone;
}

Status MemoryHandler::StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) {
    Record("StoreArchive(" + Args({archive, folder, N(bankPosition)}) + ")");
    if (storeResults.empty()) {
        return Status::kDone;
    }
    const Status result = storeResults.front();
    storeResults.pop_front();
    return result;
}

Status MemoryHandler::ListArchives(const std::string& folder, StringList& names) {
    Record("ListArchives(" + folder + ")");
    names = archives;
    return Status::kDone;
}

Status MemoryHandler::ListBanks(StringList& names) {
    names.clear();
    for (const auto& bank : banks) {
        if (bank) {
            names.push_back(bank->name);
        }
    }
    return Status::kDone;
}

std::string MemoryHandler::GetBankIcon(int bank) {
    MemoryBank* b = Bank(bank);
    return b ? b->icon : std::string();
}

std::string MemoryHandler::GetRegistrationIcon(int bank, int slot) { return "R" + N(bank) + N(slot); }

Status MemoryHandler::LoadRegfiles(const std::string& folder) {
    Record("LoadRegfiles(" + folder + ")");
    return loadRegfilesResult;
}

Status MemoryHandler::ListRegfiles(StringList& names) {
    names = regfiles;
    return Status::kDone;
}

Status MemoryHandler::CreateRegfiles(const std::string& folder) {
    Record("CreateRegfiles(" + folder + ")");
    return Status::kDone;
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

Status MemoryHandler::GetUsedSlots(int bank, std::string& slots) {
    slots.clear();
    if (MemoryBank* b = Bank(bank)) {
        for (std::size_t i = 0; i < b->registrations.size(); ++i) {
            if (b->registrations[i]) {
                slots += static_cast<char>('1' + i);
            }
        }
    }
    return Status::kDone;
}

Status MemoryHandler::GetBankName(int bank, std::string& name) {
    MemoryBank* b = Bank(bank);
    name = b ? b->name : "Empty Bank";
    return Status::kDone;
}

Status MemoryHandler::GetBankSequence(int bank, std::string& digits, int& sequenceEnd) {
    if (MemoryBank* b = Bank(bank)) {
        digits = b->sequence;
        sequenceEnd = b->sequenceEnd;
    }
    return Status::kDone;
}

Status MemoryHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    if (Bank(bank) == nullptr) {
        return Status::kBankNotInUse;
    }
    auto* s = Slot(bank, slot);
    if (s == nullptr || !*s) {
        return Status::kNoRegistration;
    }
    name = **s;
    return Status::kDone;
}

Status MemoryHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    Record("RenameRegistration(" + Args({N(bank), N(slot), name}) + ")");
    auto* s = Slot(bank, slot);
    if (s == nullptr || !*s) {
        return Status::kNoRegistration;
    }
    *s = name;
    return Status::kDone;
}

Status MemoryHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    Record("CopyRegistration(" + Args({N(dstBank), N(dstSlot), N(srcBank), N(srcSlot)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    if (src == nullptr || src->Bank(srcBank) == nullptr) {
        return Status::kBankNotInUse;
    }
    auto* from = src->Slot(srcBank, srcSlot);
    if (from == nullptr || !*from) {
        return Status::kNoRegistration;
    }
    EnsureBank(dstBank).registrations[static_cast<std::size_t>(dstSlot)] = *from;
    return Status::kDone;
}

Status MemoryHandler::CopyBankSequence(int dstBank, ModelHandler*, int srcBank) {
    Record("CopyBankSequence(" + Args({N(dstBank), N(srcBank)}) + ")");
    return Status::kDone;
}

Status MemoryHandler::ResetBankSequence(int bank) {
    Record("ResetBankSequence(" + N(bank) + ")");
    if (MemoryBank* b = Bank(bank)) {
        b->sequence.clear();
        b->sequenceEnd = 0;
    }
    return Status::kDone;
}

Status MemoryHandler::GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    Record("GroupCopyRegistration(" + Args({N(dstBank), N(dstSlot), N(srcBank), N(srcSlot)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    auto* from = src ? src->Slot(srcBank, srcSlot) : nullptr;
    return from == nullptr || !*from ? Status::kNoRegistration : groupCopyResult;
}

Status MemoryHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    Record("CopyRegfile(" + Args({N(dstBank), N(dstSlot), N(regfile)}) + ")");
    auto* src = dynamic_cast<MemoryHandler*>(source);
    if (src != nullptr && regfile >= 0 && regfile < static_cast<int>(src->regfiles.size())) {
        EnsureBank(dstBank).registrations[static_cast<std::size_t>(dstSlot)] =
            src->regfiles[static_cast<std::size_t>(regfile)];
    }
    return Status::kDone;
}

Status MemoryHandler::GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler*, int regfile) {
    Record("GroupCopyRegfile(" + Args({N(dstBank), N(dstSlot), N(regfile)}) + ")");
    return Status::kDone;
}

Status MemoryHandler::WriteProtocol(const std::string& path) {
    Record("WriteProtocol(" + path + ")");
    return protocolResult;
}

Status MemoryHandler::WriteRegfileProtocol(const std::string& path) {
    Record("WriteRegfileProtocol(" + path + ")");
    return protocolResult;
}

Status MemoryHandler::ShowRegistration(int regfile, int bank, int slot) {
    Record("ShowRegistration(" + Args({N(regfile), N(bank), N(slot)}) + ")");
    return Status::kDone;
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
