#include "handlers/cvp2_psr2000/Cvp2FamilyHandler.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/fs/FolderListing.h"
#include "common/protocol/ProtocolFile.h"
#include "common/protocol/ProtocolPath.h"
#include "common/tables/BankSelectVoiceTable.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/RegfileLoader.h"
#include "handlers/StatusCodes.h"
#include "handlers/cvp2_psr2000/Cvp2BankFile.h"
#include "handlers/cvp2_psr2000/Cvp2BlockRebuild.h"
#include "handlers/cvp2_psr2000/Cvp2Protocol.h"
#include "handlers/StateSnapshot.h"
#include "ui/cvp2_psr2000/GpBlockCopyChoice.h"

namespace kalivo {

using namespace s917;

namespace {

constexpr const char* kNoVoice = "no voice";
constexpr const char* kNoStyle = "no style";
constexpr const char* kNoMultiPad = "no multipad";

bool IsSlot(int slot) { return slot >= 0 && slot < kSlotsPerBank; }

std::string Folder(const std::string& folder) {
    return folder.empty() ? folder : FileSystem::WithSeparator(folder);
}

std::string PlusMinus(bool present) { return present ? "+" : "-"; }

}  // namespace

Cvp2FamilyHandler::Cvp2FamilyHandler(UserInterface& ui, const Cvp2Model& model)
    : FixedGeometryHandler(ui, ListGeometry{true, 1, 0, kSlotsPerBank}), model_(model) {
    archiveName_ = model_.defaultArchiveName;
}

// ---- store -------------------------------------------------------------------

namespace {

// A CVP2 state is no PSR-2000 state: the snapshot is tagged with the model.
struct Cvp2DestinationState {
    std::array<Cvp2Bank, s917::kMaxBanks> banks;
    std::string archiveName;
    int bankCount = 0;
};
using Cvp2Snapshot = StateSnapshot<Cvp2DestinationState>;

}  // namespace

std::shared_ptr<const HandlerSnapshot> Cvp2FamilyHandler::SaveDestinationState() const {
    return Cvp2Snapshot::Make(&model_, Cvp2DestinationState{banks_, archiveName_, bankCount_});
}

void Cvp2FamilyHandler::RestoreDestinationState(const HandlerSnapshot& snapshot) {
    const Cvp2DestinationState* state = Cvp2Snapshot::Of(snapshot, &model_);
    if (state == nullptr) {
        return;
    }
    banks_ = state->banks;
    archiveName_ = state->archiveName;
    bankCount_ = state->bankCount;
}

void Cvp2FamilyHandler::CreateStore() {
    for (Cvp2Bank& bank : banks_) {
        bank.Reset();
    }
    entries_.clear();
    bankCount_ = 0;
    ClearDestination(0);
}

void Cvp2FamilyHandler::ReleaseStore() {
    CreateStore();
    entries_.shrink_to_fit();
}

Status Cvp2FamilyHandler::ClearSource() {
    for (Cvp2Bank& bank : banks_) {
        bank.Reset();
    }
    archiveName_ = model_.defaultArchiveName;
    bankCount_ = 0;
    return Status::kDone;
}

Status Cvp2FamilyHandler::ClearDestination(int /*bankCount*/) {
    banks_[0].Reset();
    archiveName_ = model_.defaultArchiveName;
    return Status::kDone;
}

const Cvp2Bank* Cvp2FamilyHandler::Bank(int bank) const {
    if (bank < 0 || bank >= kMaxBanks || !banks_[static_cast<std::size_t>(bank)].InUse()) {
        return nullptr;
    }
    return &banks_[static_cast<std::size_t>(bank)];
}

Cvp2Bank* Cvp2FamilyHandler::MutableBank(int bank) {
    return bank >= 0 && bank < kMaxBanks ? &banks_[static_cast<std::size_t>(bank)] : nullptr;
}

std::optional<Cvp2Registration>* Cvp2FamilyHandler::Slot(int bank, int slot) {
    Cvp2Bank* found = MutableBank(bank);
    return found != nullptr && IsSlot(slot) ? &found->slots[static_cast<std::size_t>(slot)] : nullptr;
}

const Cvp2Registration* Cvp2FamilyHandler::Registration(int bank, int slot) const {
    const Cvp2Bank* found = Bank(bank);
    if (found == nullptr || !IsSlot(slot) || !found->slots[static_cast<std::size_t>(slot)]) {
        return nullptr;
    }
    return &*found->slots[static_cast<std::size_t>(slot)];
}

Status Cvp2FamilyHandler::Find(int bank, int slot, const Cvp2Registration*& registration) const {
    if (Bank(bank) == nullptr) {
        return Status::kBankNotInUse;
    }
    registration = Registration(bank, slot);
    return registration == nullptr ? Status::kNoRegistration : Status::kDone;
}

const Cvp2RegfileEntry* Cvp2FamilyHandler::Entry(int regfile) const {
    return regfile >= 0 && regfile < EntryCount() ? &entries_[static_cast<std::size_t>(regfile)] : nullptr;
}

const Cvp2Registration* Cvp2FamilyHandler::SettingsSource(int regfile, int bank, int slot) const {
    if (regfile >= 0) {
        const Cvp2RegfileEntry* entry = Entry(regfile);
        return entry != nullptr ? &entry->registration : nullptr;
    }
    return Registration(bank, slot);
}

// Copies read the other handler's store directly, so it must be of this model.
Cvp2FamilyHandler* Cvp2FamilyHandler::SameModel(ModelHandler* source) const {
    auto* handler = dynamic_cast<Cvp2FamilyHandler*>(source);
    return handler != nullptr && &handler->model_ == &model_ ? handler : nullptr;
}

// ---- bank files ----------------------------------------------------------------

Status Cvp2FamilyHandler::ListArchives(const std::string& folder, StringList& names) {
    const std::size_t suffix = std::char_traits<char>::length(model_.fileSuffix);
    StringList found = listedBanks_.List(folder, model_.listPattern, suffix);
    std::stable_sort(found.begin(), found.end(), FileSystem::LessNoCase);
    names.insert(names.end(), found.begin(), found.end());
    return found.empty() ? Status::kNotValid : Status::kDone;
}

Status Cvp2FamilyHandler::ReadBankFile(Cvp2Bank& bank, const std::string& folder, const std::string& archive) {
    std::vector<std::uint8_t> bytes;
    const ListedBankFiles::Read found = listedBanks_.ReadBank(folder, archive, model_.fileSuffix, bytes);
    const std::string& path = found.path;
    if (!found.read) {
        ui().ShowMessage(InsertText("File %s cannot be read", path));
        return Status::kNotValid;
    }
    Cvp2Bank read;
    int damagedSlot = -1;
    switch (Cvp2BankFile::Read(bytes, model_, read, damagedSlot)) {
        case Cvp2BankFile::Verdict::Read: break;
        case Cvp2BankFile::Verdict::NotOfModel:
            ui().ShowMessage(InsertText("File %s is no valid archive", path));
            return Status::kNotValid;
        case Cvp2BankFile::Verdict::Damaged:
            // Loading the rest would show the damaged slot as empty, and a store would drop it for good.
            ui().ShowMessage(InsertText("File %s is damaged", path) +
                             FormatNumbers(": registration %i does not lie whole inside the file; the bank is not loaded",
                                           damagedSlot + 1));
            return Status::kNotValid;
    }
    read.name = Cvp2Naming::BankNameOfFile(found.file);
    bank = std::move(read);
    return Status::kDone;
}

Status Cvp2FamilyHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    if (bankCount_ >= kMaxBanks) {
        ui().ShowMessage(FormatNumbers("max number (%i) of archives exceeded", kMaxBanks));
        return Status::kNoRoomForBank;
    }
    const Status result = ReadBankFile(banks_[static_cast<std::size_t>(bankCount_)], folder, archive);
    if (result != Status::kDone) {
        return result;
    }
    archiveName_ = bankCount_ == 0 ? Cvp2Naming::ArchiveNameOfListed(model_, archive) : "******";
    ++bankCount_;
    return Status::kDone;
}

Status Cvp2FamilyHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    const Status result = ReadBankFile(banks_[0], folder, archive);
    if (result == Status::kDone) {
        archiveName_ = Cvp2Naming::ArchiveNameOfListed(model_, archive);
    }
    return result;
}

Status Cvp2FamilyHandler::StoreArchive(const std::string& archive, const std::string& folder, int /*bankPosition*/) {
    const std::string fileName = Cvp2Naming::FileNamePart(archive) + model_.fileSuffix;
    // Nothing is asked and nothing replaced for a bank that would give no file.
    if (Bank(0) == nullptr) {
        ui().ShowMessage(InsertText("%s not stored: the bank holds no registration", fileName));
        return Status::kNotValid;
    }
    // The file this store replaces is asked for first, so that a disk that
    // ignores case answers for every spelling; what an interrupted earlier
    // store left here then goes, through the same listing. The write keeps
    // the spelling the disk has.
    FolderListing listing(folder);
    const auto existing = listing.FindPath(fileName);
    listing.RemoveLeftovers();
    std::string path = Folder(folder) + fileName;
    if (existing) {
        if (!ui().AskYesNo("Replace archive " + *existing + "?")) {
            return Status::kReplaceDeclined;
        }
        path = *existing;  // the disk keeps the name as it was spelled
    }
    if (!FileSystem::WriteBytesSafely(path, Cvp2BankFile::Write(banks_[0], model_))) {
        ui().ShowMessage(InsertText("File %s cannot be written", path));
        return Status::kNotValid;
    }
    storedName_ = FileSystem::LastComponent(path);
    return Status::kDone;
}

std::string Cvp2FamilyHandler::LastStoredName() const { return storedName_; }

// ---- regfiles ------------------------------------------------------------------

Status Cvp2FamilyHandler::LoadRegfiles(const std::string& folder) {
    entries_.clear();
    // A block's length is a 16-bit number, so no regfile is longer.
    const RegfileLoader loader(model_.regfileExtension, kMaxBlockLength, "no reg-files found");
    const auto take = [this](const std::string& title, const std::vector<std::uint8_t>& bytes) {
        auto registration = Cvp2Registration::FromRegfile(bytes);
        if (!registration) {
            return false;
        }
        entries_.push_back({title, std::move(*registration)});
        return true;
    };
    const Outcome result = loader.Load(Folder(folder), take);
    std::stable_sort(entries_.begin(), entries_.end(), [](const Cvp2RegfileEntry& a, const Cvp2RegfileEntry& b) {
        return FileSystem::LessNoCase(a.name, b.name);
    });
    return Tell(result);
}

Status Cvp2FamilyHandler::ListRegfiles(StringList& names) {
    for (const Cvp2RegfileEntry& entry : entries_) {
        names.push_back(entry.name);
    }
    return Status::kDone;
}

Status Cvp2FamilyHandler::CreateRegfiles(const std::string& folder) {
    const int banks = std::min(model_.regfileBanks, kMaxBanks);
    bool any = false;
    for (int bank = 0; bank < banks; ++bank) {
        any = any || Bank(bank) != nullptr;
    }
    if (!any) {
        return Status::kNothingToWrite;
    }
    // A regfile never replaces a file already there: it takes the next free number.
    RegfileFolder target(Folder(folder), model_.regfileExtension);
    for (int bank = 0; bank < banks; ++bank) {
        const Cvp2Bank* found = Bank(bank);
        for (int slot = 0; found != nullptr && slot < kSlotsPerBank; ++slot) {
            const Cvp2Registration* registration = Registration(bank, slot);
            if (registration == nullptr) {
                continue;
            }
            std::string path;
            // One file the disk refuses must not keep the others from being written.
            target.Write(Cvp2Naming::RegfileBase(registration->Name(), found->name, bank, slot), registration->Bytes(),
                         path);
        }
    }
    return Tell(target.Failures());
}

// ---- names -----------------------------------------------------------------------

std::string Cvp2FamilyHandler::GetArchiveName() { return archiveName_; }

void Cvp2FamilyHandler::ApplyNames(const Cvp2Names& names) {
    archiveName_ = names.archive;
    banks_[0].name = names.bank;
}

void Cvp2FamilyHandler::SetArchiveName(const std::string& name) { ApplyNames(Cvp2Naming::FromArchiveName(model_, name)); }

void Cvp2FamilyHandler::SetBankName(int /*bank*/, const std::string& name) {
    ApplyNames(Cvp2Naming::FromBankName(model_, name));
}

int Cvp2FamilyHandler::SourceBankCount() { return bankCount_; }

Status Cvp2FamilyHandler::GetBankName(int bank, std::string& name) {
    if (const Cvp2Bank* found = MutableBank(bank)) {
        name = found->name;
    }
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    const Cvp2Registration* registration = nullptr;
    const Status result = Find(bank, slot, registration);
    name = result == Status::kDone ? registration->Name() : std::string();
    return result;
}

Status Cvp2FamilyHandler::GetRegfileName(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr ? entry->registration.LongName() : "no regist";
    return Status::kDone;
}

RegistrationContent Cvp2FamilyHandler::ContentOf(const RegistrationRef& at) { return ReadRegistrationContent(*this, at); }

Status Cvp2FamilyHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    std::optional<Cvp2Registration>* target = Slot(bank, slot);
    if (target == nullptr || !*target) {
        return Status::kNoRegistration;
    }
    return (*target)->Rename(name) ? Status::kDone : Status::kNotValid;
}

Status Cvp2FamilyHandler::DeleteRegistration(int bank, int slot) {
    std::optional<Cvp2Registration>* target = Slot(bank, slot);
    if (target == nullptr) {
        return Status::kDone;
    }
    target->reset();
    // An emptied destination bank starts again from its default names.
    if (bank == 0 && !banks_[0].InUse()) {
        ClearDestination(0);
    }
    return Status::kDone;
}

// ---- readers ---------------------------------------------------------------------

namespace {

// A bank-side query: out is missing when the registration is not there (8/9).
template <class T, class Read>
Status Query(Status found, const Cvp2Registration* registration, T& out, T missing, Read read) {
    out = found == Status::kDone ? read(*registration) : missing;
    return found;
}

}  // namespace

std::string Cvp2FamilyHandler::VoiceName(const Cvp2Registration& registration, int gp) const {
    const auto key = registration.Voice(gp);
    if (!key) {
        return kNoVoice;
    }
    return BankSelectVoiceTable::For(model_.voiceTable).VoiceName(key->msb, key->lsb, key->program, voiceList());
}

std::vector<BankSelectKey> Cvp2FamilyHandler::VoiceKeys() {
    std::vector<BankSelectKey> keys;
    const auto add = [&keys](const Cvp2Registration& registration) {
        for (int part : {gp::kLeft, gp::kMain, gp::kLayer}) {
            if (const auto key = registration.Voice(part)) {
                keys.push_back({key->msb, key->lsb, key->program});
            }
        }
    };
    for (const Cvp2Bank& bank : banks_) {
        for (const auto& slot : bank.slots) {
            if (slot) {
                add(*slot);
            }
        }
    }
    for (const Cvp2RegfileEntry& entry : entries_) {
        add(entry.registration);
    }
    return keys;
}

Status Cvp2FamilyHandler::GetStyleName(int bank, int slot, std::string& name, int /*form*/) {
    const Cvp2Registration* registration = nullptr;
    const Status found = Find(bank, slot, registration);
    return Query(found, registration, name, std::string(), [](const Cvp2Registration& r) {
        return r.Has(gp::kStylePath) ? r.PathName(gp::kStylePath) : std::string(kNoStyle);
    });
}

Status Cvp2FamilyHandler::GetMultiPadName(int bank, int slot, std::string& name) {
    const Cvp2Registration* registration = nullptr;
    const Status found = Find(bank, slot, registration);
    return Query(found, registration, name, std::string(), [](const Cvp2Registration& r) {
        return r.Has(gp::kMultiPadPath) ? r.PathName(gp::kMultiPadPath) : std::string(kNoMultiPad);
    });
}

Status Cvp2FamilyHandler::GetTempo(int bank, int slot, int& tempo) {
    const Cvp2Registration* registration = nullptr;
    const Status found = Find(bank, slot, registration);
    return Query(found, registration, tempo, -1,
                 [](const Cvp2Registration& r) { return r.Tempo(); });
}

Status Cvp2FamilyHandler::GetVoiceName1(int bank, int slot, std::string& name) {
    const Cvp2Registration* registration = nullptr;
    // The voices tell only of an empty slot, not of an unused bank.
    const Status found = Find(bank, slot, registration) == Status::kDone ? Status::kDone : Status::kNoRegistration;
    return Query(found, registration, name, std::string(kNoVoice),
                 [this](const Cvp2Registration& r) { return VoiceName(r, gp::kLeft); });
}

Status Cvp2FamilyHandler::GetVoiceName2(int bank, int slot, std::string& name) {
    const Cvp2Registration* registration = nullptr;
    // The voices tell only of an empty slot, not of an unused bank.
    const Status found = Find(bank, slot, registration) == Status::kDone ? Status::kDone : Status::kNoRegistration;
    return Query(found, registration, name, std::string(kNoVoice),
                 [this](const Cvp2Registration& r) { return VoiceName(r, gp::kMain); });
}

Status Cvp2FamilyHandler::GetVoiceName3(int bank, int slot, std::string& name) {
    const Cvp2Registration* registration = nullptr;
    // The voices tell only of an empty slot, not of an unused bank.
    const Status found = Find(bank, slot, registration) == Status::kDone ? Status::kDone : Status::kNoRegistration;
    return Query(found, registration, name, std::string(kNoVoice),
                 [this](const Cvp2Registration& r) { return VoiceName(r, gp::kLayer); });
}

Status Cvp2FamilyHandler::GetRegfileStyleName(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr && entry->registration.Has(gp::kStylePath) ? entry->registration.PathName(gp::kStylePath)
                                                                       : std::string(kNoStyle);
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegfileMultiPadName(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr && entry->registration.Has(gp::kMultiPadPath)
               ? entry->registration.PathName(gp::kMultiPadPath)
               : std::string(kNoMultiPad);
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegfileTempo(int regfile, int& tempo) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    tempo = entry != nullptr ? entry->registration.Tempo() : -1;
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegfileVoiceName1(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr ? VoiceName(entry->registration, gp::kLeft) : kNoVoice;
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegfileVoiceName2(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr ? VoiceName(entry->registration, gp::kMain) : kNoVoice;
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetRegfileVoiceName3(int regfile, std::string& name) {
    const Cvp2RegfileEntry* entry = Entry(regfile);
    name = entry != nullptr ? VoiceName(entry->registration, gp::kLayer) : kNoVoice;
    return Status::kDone;
}

Status Cvp2FamilyHandler::DescribeSettingBlocks(int regfile, int bank, int slot, std::array<std::string, 11>& texts) {
    if (regfile < 0 && (bank < 0 || slot < 0)) {
        return Status::kDone;
    }
    const Cvp2Registration* registration = SettingsSource(regfile, bank, slot);
    const unsigned mask = registration != nullptr ? registration->SettingsMask() : 0u;
    for (int setting = 0; setting < kSettingCount; ++setting) {
        texts[static_cast<std::size_t>(setting)] = PlusMinus(((mask >> setting) & 1u) != 0);
    }
    return Status::kDone;
}

Status Cvp2FamilyHandler::GetSettingsAbbreviation(int regfile, int bank, int slot, std::string& text) {
    text.clear();
    std::array<std::string, 11> settings;
    settings.fill("-");
    DescribeSettingBlocks(regfile, bank, slot, settings);
    const auto present = [&](Setting setting) { return settings[static_cast<std::size_t>(setting)] == "+"; };
    const std::array<std::pair<const char*, bool>, 9> parts{{
        {"sty", present(Style)},
        {"vc", present(Main) || present(Layer) || present(Left)},
        {"tt", present(TuneTrans)},
        {"scl", present(Scale)},
        {"hrm", present(Harmony)},
        {"tpo", present(Tempo)},
        {"ped", present(Pedal)},
        {"mpd", present(MultiPad)},
        {"smc", present(SongMic)},
    }};
    for (const auto& [abbreviation, shown] : parts) {
        if (shown) {
            text += text.empty() ? "" : " ";
            text += abbreviation;
        }
    }
    return Status::kDone;
}

// ---- copying -----------------------------------------------------------------------

Status Cvp2FamilyHandler::PutRegistration(int dstBank, int dstSlot, const Cvp2Registration& registration) {
    std::optional<Cvp2Registration>* target = Slot(dstBank, dstSlot);
    if (target == nullptr) {
        return Status::kBankNotInUse;
    }
    *target = registration;
    return Status::kDone;
}

Status Cvp2FamilyHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    const Cvp2FamilyHandler* from = SameModel(source);
    if (from == nullptr) {
        return Status::kBankNotInUse;
    }
    const Cvp2Registration* registration = nullptr;
    const Status found = from->Find(srcBank, srcSlot, registration);
    return found == Status::kDone ? PutRegistration(dstBank, dstSlot, *registration) : found;
}

Status Cvp2FamilyHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    const Cvp2FamilyHandler* from = SameModel(source);
    const Cvp2RegfileEntry* entry = from != nullptr ? from->Entry(regfile) : nullptr;
    return entry != nullptr ? PutRegistration(dstBank, dstSlot, entry->registration) : Status::kNoRegistration;
}

Status Cvp2FamilyHandler::GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    if (dstBank < 0 || dstSlot < 0) {
        return Status::kNotValid;
    }
    Cvp2FamilyHandler* from = SameModel(source);
    const Cvp2Registration* registration = nullptr;
    if (from == nullptr || from->Find(srcBank, srcSlot, registration) != Status::kDone) {
        return Status::kNoRegistration;
    }
    return GroupCopy(dstBank, dstSlot, *from, srcBank, srcSlot, -1);
}

Status Cvp2FamilyHandler::GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    Cvp2FamilyHandler* from = SameModel(source);
    if (dstBank < 0 || dstSlot < 0) {
        return Status::kNotValid;
    }
    if (from == nullptr || from->Entry(regfile) == nullptr) {
        return Status::kNoRegistration;
    }
    return GroupCopy(dstBank, dstSlot, *from, -1, -1, regfile);
}

// Anything but kDone means that nothing was copied: the dialog was cancelled,
// no block was chosen, or the copy was refused.
Status Cvp2FamilyHandler::GroupCopy(int dstBank, int dstSlot, Cvp2FamilyHandler& source, int srcBank, int srcSlot, int srcRegfile) {
    if (Slot(dstBank, dstSlot) == nullptr) {
        return Status::kNotValid;
    }
    GpBlockCopyRequest request;
    std::string name;
    if (srcRegfile >= 0) {
        source.GetRegfileName(srcRegfile, name);
    } else {
        source.GetRegistrationName(srcBank, srcSlot, name);
    }
    request.sourceName = Cp1252::ToUtf8(name);
    GetRegistrationName(dstBank, dstSlot, name);
    request.destinationName = Cp1252::ToUtf8(name);
    source.DescribeSettingBlocks(srcRegfile, srcBank, srcSlot, request.settings);
    const auto states = ui().CopyGpBlocks(request);
    if (!states) {
        return Status::kNotValid;
    }
    const auto flags = GpBlockCopyChoice::Flags(*states);
    if (!flags) {
        ui().ShowMessage(GpBlockCopyChoice::kNothingChosenMessage);
        return Status::kNotValid;
    }
    return CopySettingBlock(dstBank, dstSlot, &source, srcBank, srcSlot, srcRegfile, *flags);
}

Status Cvp2FamilyHandler::CopySettingBlock(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot,
                                  int srcRegfile, const std::vector<bool>& selection) {
    const Cvp2FamilyHandler* from = SameModel(source);
    const Cvp2Registration* origin = from != nullptr ? from->SettingsSource(srcRegfile, srcBank, srcSlot) : nullptr;
    std::optional<Cvp2Registration>* target = Slot(dstBank, dstSlot);
    if (origin == nullptr || target == nullptr) {
        return Status::kNoRegistration;
    }
    const bool wasEmpty = !target->has_value();
    std::string error;
    auto rebuilt = Cvp2BlockRebuild::Build(wasEmpty ? nullptr : &**target, *origin, selection, error);
    if (!rebuilt) {
        ui().ShowMessage(error);
        return Status::kNotValid;
    }
    *target = std::move(rebuilt);
    if (wasEmpty) {
        RenameRegistration(dstBank, dstSlot, "NewRegist");
        SetArchiveName("NoName");
    }
    return Status::kDone;
}

// ---- protocols ---------------------------------------------------------------------

Status Cvp2FamilyHandler::WriteProtocol(const std::string& path) {
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return Status::kWrongProtocolEnding;
    }
    if (Bank(0) == nullptr) {
        return Status::kNothingToWrite;
    }
    return WriteProtocolFile(path, Cvp2Protocol::OfBanks(*this, form == ProtocolForm::Html));
}

Status Cvp2FamilyHandler::WriteRegfileProtocol(const std::string& path) {
    if (entries_.empty()) {
        return Status::kRegfileListEmpty;
    }
    const ProtocolForm form = ProtocolPath::FormOf(path);
    if (form == ProtocolForm::None) {
        return Status::kWrongProtocolEnding;
    }
    return WriteProtocolFile(path, Cvp2Protocol::OfRegfiles(*this, form == ProtocolForm::Html));
}

Status Cvp2FamilyHandler::WriteProtocolFile(const std::string& path, const std::string& text) {
    if (!ProtocolFile::Write(path, text, ProtocolEncoding())) {
        ui().ShowMessage(InsertText("Protocol file %s cannot be created", path));
        return Status::kProtocolNotCreated;
    }
    return Status::kDone;
}

// ---- view --------------------------------------------------------------------------

Status Cvp2FamilyHandler::ShowRegistration(int regfile, int bank, int slot) {
    if (regfile >= 0 && Entry(regfile) == nullptr) {
        return Status::kDone;
    }
    const RegistrationContent content =
        ContentOf(regfile >= 0 ? RegistrationRef::Regfile(regfile) : RegistrationRef::Slot(bank, slot));
    if (content.status != Status::kDone) {
        return Status::kDone;  // an empty slot opens no dialog
    }
    Cvp2RegistrationView view;
    view.name = Cp1252::ToUtf8(content.name);
    DescribeSettingBlocks(regfile, bank, slot, view.settings);
    struct Pair {
        Setting setting;
        const char* caption;
        std::string value;
    };
    const std::array<Pair, Cvp2RegistrationView::kPairs> pairs{{
        {Style, "Style:", content.style},
        {Main, "Main:", content.voices[1]},
        {Layer, "Layer:", content.voices[2]},
        {Left, "Left:", content.voices[0]},
        {MultiPad, "MultiPad:", content.multiPad},
        {Tempo, "Tempo:", FormatNumbers("%i", content.tempo)},
    }};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (view.settings[static_cast<std::size_t>(pairs[i].setting)] == "+") {
            view.captions[i] = pairs[i].caption;
            view.values[i] = Cp1252::ToUtf8(pairs[i].value);
        }
    }
    ui().ViewCvp2Registration(view);
    return Status::kDone;
}

bool Cvp2FamilyHandler::HasNoStyleOptions() { return true; }

// There are no style archives, so no option can name a wrong one.
bool Cvp2FamilyHandler::SetStyleArchiveOptions(bool /*askForStyleArchive*/, bool /*useDefaultArchive*/,
                                         const std::string& /*defaultArchivePath*/, bool /*implicitSearch*/) {
    return true;
}

}  // namespace kalivo
