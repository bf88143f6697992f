#include "handlers/tyros/TyrosHandler.h"

#include <algorithm>
#include <utility>

#include "common/Format.h"
#include "common/fs/FileSystem.h"
#include "common/fs/FolderListing.h"
#include "common/fs/TextFile.h"
#include "common/protocol/ProtocolFile.h"
#include "common/protocol/ProtocolPath.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/RegfileLoader.h"
#include "handlers/StatusCodes.h"
#include "handlers/tyros/TyrosBankFile.h"
#include "handlers/tyros/TyrosCopyRecord.h"
#include "handlers/tyros/TyrosFileNames.h"
#include "handlers/tyros/TyrosProtocol.h"
#include "handlers/tyros/TyrosRegistrationViews.h"
#include "handlers/tyros/TyrosTables.h"
#include "handlers/StateSnapshot.h"

namespace kalivo {

using namespace tyros;

namespace {

constexpr const char* kBankExtension = ".rgt";
constexpr const char* kRegfileExtension = ".tyr";
constexpr std::size_t kExtensionSize = 4;

bool IsPart(int slot) { return slot >= 0 && slot < kPartsPerBank; }

std::string Folder(const std::string& folder) {
    return folder.empty() ? folder : FileSystem::WithSeparator(folder);
}

// Titles sorted ignoring case; equal titles keep the order they were found in.
template <class T, class TitleOf>
void SortByTitle(std::vector<T>& items, TitleOf titleOf) {
    std::stable_sort(items.begin(), items.end(),
                     [&](const T& a, const T& b) { return FileSystem::LessNoCase(titleOf(a), titleOf(b)); });
}

}  // namespace

TyrosHandler::TyrosHandler(UserInterface& ui)
    : ModelHandler(ui, std::string()), banks_(kMaxBanks), voiceTableComplete_(TyrosTables::VoiceTableComplete()) {}

// ---- store -------------------------------------------------------------------

void TyrosHandler::ResetAllBanks() {
    for (TyrosBank& bank : banks_) {
        bank.Reset();
    }
}

void TyrosHandler::ClearEntries() { entries_.clear(); }

void TyrosHandler::CreateStore() {
    ResetAllBanks();
    ClearEntries();
    loadedBankCount_ = 0;
    bankCount_ = 0;
}

void TyrosHandler::ReleaseStore() { ClearSource(); }

Status TyrosHandler::ClearSource() {
    CreateStore();
    warningCarry_ = false;
    unknownVoiceSettings_ = unknownVoiceRegistrations_ = 0;
    return Status::kDone;
}

Status TyrosHandler::ClearDestination(int bankCount) {
    CreateStore();
    warningCarry_ = false;
    unknownVoiceSettings_ = unknownVoiceRegistrations_ = 0;
    bankCount_ = std::clamp(bankCount, 0, kMaxBanks);
    askBeforeReplace_ = true;
    return Status::kDone;
}

namespace {

// Only the banks something was done to: a full store is 512 banks, most of
// them as Reset leaves them.
struct TyrosDestinationState {
    std::vector<std::pair<int, TyrosBank>> banks;
    int loadedBankCount = 0;
    int bankCount = 0;
};
using TyrosSnapshot = StateSnapshot<TyrosDestinationState>;
// One model: every Tyros handler takes back every Tyros state.
constexpr char kTyrosOwner = 0;

}  // namespace

std::shared_ptr<const HandlerSnapshot> TyrosHandler::SaveDestinationState() const {
    TyrosDestinationState state;
    for (int index = 0; index < kMaxBanks; ++index) {
        const TyrosBank& bank = banks_[static_cast<std::size_t>(index)];
        if (!bank.IsPristine()) {
            state.banks.emplace_back(index, bank);
        }
    }
    state.loadedBankCount = loadedBankCount_;
    state.bankCount = bankCount_;
    return TyrosSnapshot::Make(&kTyrosOwner, std::move(state));
}

void TyrosHandler::RestoreDestinationState(const HandlerSnapshot& snapshot) {
    const TyrosDestinationState* state = TyrosSnapshot::Of(snapshot, &kTyrosOwner);
    if (state == nullptr) {
        return;
    }
    ResetAllBanks();
    for (const auto& [index, bank] : state->banks) {
        banks_[static_cast<std::size_t>(index)] = bank;
    }
    loadedBankCount_ = state->loadedBankCount;
    bankCount_ = state->bankCount;
    RefreshAllVoiceNames();  // the voice list may have changed since the state was saved
}

bool TyrosHandler::AnyBankInUse() const {
    return std::any_of(banks_.begin(), banks_.end(), [](const TyrosBank& bank) { return bank.inUse; });
}

const TyrosBank* TyrosHandler::Bank(int bank) const {
    if (bank < 0 || bank >= kMaxBanks || !banks_[static_cast<std::size_t>(bank)].inUse) {
        return nullptr;
    }
    return &banks_[static_cast<std::size_t>(bank)];
}

TyrosBank* TyrosHandler::MutableBank(int bank) { return const_cast<TyrosBank*>(std::as_const(*this).Bank(bank)); }

const TyrosRegistration* TyrosHandler::Registration(int bank, int slot) const {
    const TyrosBank* found = Bank(bank);
    return found != nullptr && IsPart(slot) ? &found->registrations[static_cast<std::size_t>(slot)] : nullptr;
}

TyrosRegistration* TyrosHandler::MutableRegistration(int bank, int slot) {
    return const_cast<TyrosRegistration*>(std::as_const(*this).Registration(bank, slot));
}

const TyrosRegfileEntry* TyrosHandler::Entry(int regfile) const {
    return regfile >= 0 && regfile < EntryCount() ? &entries_[static_cast<std::size_t>(regfile)] : nullptr;
}

const TyrosRegistration& TyrosHandler::NoRegistration() {
    static const TyrosRegistration empty;
    return empty;
}

const TyrosRegistration& TyrosHandler::AnyRegistration(int bank, int slot) const {
    const TyrosRegistration* registration = Registration(bank, slot);
    return registration != nullptr ? *registration : NoRegistration();
}

const TyrosRegistration& TyrosHandler::SettingsSource(int bank, int slot, int regfile) const {
    return regfile != -1 ? EntryRegistration(regfile) : AnyRegistration(bank, slot);
}

const TyrosRegistration& TyrosHandler::EntryRegistration(int regfile) const {
    const TyrosRegfileEntry* entry = Entry(regfile);
    return entry != nullptr ? entry->registration : NoRegistration();
}

Status TyrosHandler::Find(int bank, int slot, const TyrosRegistration*& registration) const {
    if (Bank(bank) == nullptr) {
        return Status::kBankNotInUse;
    }
    registration = Registration(bank, slot);
    return registration == nullptr || registration->IsEmpty() ? Status::kNoRegistration : Status::kDone;
}

TyrosHandler* TyrosHandler::SameModel(ModelHandler* source) { return dynamic_cast<TyrosHandler*>(source); }

// ---- loading bank files --------------------------------------------------------

bool TyrosHandler::HasBankHeaders() { return true; }

Status TyrosHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    return LoadArchiveInto(loadedBankCount_, folder, archive);
}

Status TyrosHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    askBeforeReplace_ = true;
    const bool anyFilled = std::any_of(banks_.begin(), banks_.begin() + bankCount_,
                                       [](const TyrosBank& bank) { return bank.inUse && bank.HasRegistrations(); });
    if (!anyFilled) {
        bankCount_ = 0;
    }
    return LoadArchiveInto(bankCount_, folder, archive);
}

Status TyrosHandler::LoadArchiveInto(int& counter, const std::string& folder, const std::string& archive) {
    if (counter >= kMaxBanks) {
        ui().ShowMessage(FormatNumbers("max number (%i) of archives exceeded", kMaxBanks));
        return Status::kNoRoomForBank;
    }
    // An invalid file still uses up its bank, which stays as it was.
    return ReadBankFile(counter++, folder, archive);
}

Status TyrosHandler::ReadBankFile(int bankIndex, const std::string& folder, const std::string& archive) {
    TyrosBank& bank = banks_[static_cast<std::size_t>(bankIndex)];
    std::vector<std::uint8_t> bytes;
    const ListedBankFiles::Read found = listedBanks_.ReadBank(folder, archive, kBankExtension, bytes);
    const std::string& file = found.file;
    const std::string& path = found.path;
    if (!found.read) {
        return Tell(Outcome::Failed(Status::kNotValid, InsertText("File %s cannot be read", path)));
    }
    const Outcome outcome = TyrosBankFile::Read(bytes, bank, ui(), warningCarry_, LoadOptions(file));
    if (!outcome.Succeeded()) {
        return Tell(Outcome::Failed(Status::kNotValid, InsertText("File %s is no valid archive", path)));
    }
    Tell(outcome);  // the registrations that were broken
    for (const TyrosRegistration& registration : bank.registrations) {
        CountUnknownVoices(registration);
    }
    bank.name = TyrosFileNames::BankNameOf(archive);
    bank.iconCode = TyrosFileNames::IconCodeOf(archive);
    bank.extension = file.substr(file.size() - kExtensionSize);
    bank.inUse = true;
    return Status::kDone;
}

Status TyrosHandler::ListArchives(const std::string& folder, StringList& names) {
    // The file keeps its extension's letters when it is stored again.
    StringList titles = listedBanks_.List(folder, std::string("*") + kBankExtension, kExtensionSize);
    SortByTitle(titles, [](const std::string& title) -> const std::string& { return title; });
    names.insert(names.end(), titles.begin(), titles.end());
    return titles.empty() ? Status::kNotValid : Status::kDone;
}

// ---- storing bank files --------------------------------------------------------

void TyrosHandler::StartStoreRun() {
    storedThisRun_.clear();
    leftoversRemoved_ = false;
}

void TyrosHandler::ClearStoreCancelled() {
    storeCancelled_ = false;
    StartStoreRun();
}

Status TyrosHandler::ListBanks(StringList& names) {
    StartStoreRun();
    listToBank_.clear();
    for (int index = 0; index < bankCount_; ++index) {
        const TyrosBank* bank = Bank(index);
        if (bank != nullptr && bank->HasRegistrations()) {
            names.push_back(bank->name);
            listToBank_.push_back(index);
        }
    }
    return Status::kDone;
}

bool TyrosHandler::WasStoredThisRun(const std::string& path) const {
    return std::any_of(storedThisRun_.begin(), storedThisRun_.end(),
                       [&](const std::string& stored) { return FileSystem::SameFile(stored, path); });
}

std::string TyrosHandler::BankFileOf(const TyrosBank& bank) {
    return TyrosFileNames::BankFileName(TyrosFileNames::BankFileBase(bank.name), bank.iconCode, bank.extension);
}

bool TyrosHandler::IsClaimed(const std::string& folder, const std::string& fileName) const {
    const bool listed = std::any_of(listToBank_.begin(), listToBank_.end(), [&](int index) {
        const TyrosBank* bank = Bank(index);
        return bank != nullptr && FileSystem::EqualsNoCase(BankFileOf(*bank), fileName);
    });
    return listed || WasStoredThisRun(folder + fileName);
}

Status TyrosHandler::AskToReplace(const std::string& path) {
    if (!askBeforeReplace_) {
        return Status::kDone;
    }
    switch (ui().AskYesNoCancel("Replace selected banks, beginning with\n" + path + "?")) {
        case Answer::Yes:
            askBeforeReplace_ = false;  // later banks are replaced without asking
            return Status::kDone;
        case Answer::No:
            return Status::kReplaceDeclined;
        case Answer::Cancel:
            break;
    }
    storeCancelled_ = true;
    return Status::kStoreCancelled;
}

Status TyrosHandler::StoreArchive(const std::string& archive, const std::string& folder, int bankPosition) {
    if (storeCancelled_) {
        return Status::kStoreCancelled;
    }
    const bool listed = bankPosition >= 0 && bankPosition < static_cast<int>(listToBank_.size());
    TyrosBank* bank = listed ? MutableBank(listToBank_[static_cast<std::size_t>(bankPosition)]) : nullptr;
    if (bank == nullptr) {
        return Status::kNotValid;
    }
    const std::string dir = Folder(folder);
    if (!leftoversRemoved_) {
        FileSystem::RemoveLeftovers(dir);
        leftoversRemoved_ = true;
    }
    const std::string base = TyrosFileNames::BankFileBase(archive);
    const std::string fileName = TyrosFileNames::BankFileName(base, bank->iconCode, bank->extension);
    const std::string path = dir + fileName;
    // After copies several banks often share a name and icon: the second must
    // not replace what the first has just written.
    if (WasStoredThisRun(path)) {
        ui().ShowMessage(InsertText("Bank %s not stored: a bank of the same name was stored just before",
                                    Cp1252::ToUtf8(archive)));
        return Status::kNotValid;
    }
    // Old files of this bank under another icon code go, unless another bank
    // of this store owns that name ("Jazz.S849" and "Jazz.S949" are two banks).
    // One listing answers both, and spells the file the write replaces.
    const FolderListing listing(dir);
    const auto existing = listing.ListedName(fileName);
    std::vector<std::string> oldFiles;
    const std::vector<std::string>& names = listing.Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& file = names[i];
        if (listing.Kinds()[i] == FolderListing::Kind::File && FileSystem::EndsWithNoCase(file, kBankExtension) &&
            TyrosFileNames::IsSameBankFile(base, file) && !FileSystem::SameFile(dir + file, path) &&
            !IsClaimed(dir, file)) {
            oldFiles.push_back(file);
        }
    }
    if (existing || !oldFiles.empty()) {
        if (const Status answer = AskToReplace(path); answer != Status::kDone) {
            return answer;
        }
    }
    // The new file is complete before any old file of the bank goes.
    if (!FileSystem::WriteNewBytesSafely(existing ? dir + *existing : path, TyrosBankFile::Write(*bank))) {
        ui().ShowMessage(InsertText("File %s cannot be written", path));
        return Status::kNotValid;
    }
    storedThisRun_.push_back(path);
    for (const std::string& file : oldFiles) {
        // Checked again after the write: on a disk that ignores case the new
        // file may now answer to the old name.
        if (!FileSystem::SameFile(dir + file, path) && !WasStoredThisRun(dir + file)) {
            FileSystem::Remove(dir + file);
        }
    }
    return Status::kDone;
}

// ---- regfiles ------------------------------------------------------------------

Status TyrosHandler::LoadRegfiles(const std::string& folder) {
    ClearEntries();
    const RegfileLoader loader(kRegfileExtension, FileSystem::kMaxReadSize, "no reg-files found");
    const Outcome result = loader.Load(Folder(folder), [&](const std::string& title, const std::vector<std::uint8_t>& bytes) {
        TyrosRegfileEntry entry;
        const std::string file = Cp1252::ToUtf8(title) + kRegfileExtension;
        // What a broken block lacks is told before the load names the files it left out.
        if (Tell(TyrosRegfile::Read(bytes, entry.header, entry.registration, ui(), warningCarry_, LoadOptions(file))) !=
            Status::kDone) {
            return false;
        }
        CountUnknownVoices(entry.registration);
        entry.title = title;
        entries_.push_back(std::move(entry));
        return true;
    });
    SortByTitle(entries_, [](const TyrosRegfileEntry& entry) -> const std::string& { return entry.title; });
    return Tell(result);
}

Status TyrosHandler::ListRegfiles(StringList& names) {
    for (const TyrosRegfileEntry& entry : entries_) {
        names.push_back(entry.title);
    }
    return Status::kDone;
}

Status TyrosHandler::CreateRegfiles(const std::string& folder) {
    if (!AnyBankInUse()) {
        return Status::kNothingToWrite;
    }
    RegfileFolder target(Folder(folder), ".tyr");
    bool allWritten = true;
    for (int bankIndex = 0; bankIndex < kMaxBanks; ++bankIndex) {
        const TyrosBank* bank = Bank(bankIndex);
        for (int part = 0; bank != nullptr && part < kPartsPerBank; ++part) {
            const TyrosRegistration& registration = bank->registrations[static_cast<std::size_t>(part)];
            if (registration.IsEmpty()) {
                continue;
            }
            const auto bytes = TyrosRegfile::Write(TyrosRegfile::MakeHeader(bank->name, part), registration);
            std::string path;
            // One file that cannot be written (a name the disk refuses) must
            // not keep the others from being written.
            if (!target.Write(TyrosFileNames::RegfileBase(registration.Name()), bytes, path)) {
                ui().ShowMessage(InsertText("File %s cannot be written", path));
                allWritten = false;
            }
        }
    }
    return allWritten ? Status::kDone : Status::kNotValid;
}

// ---- names, icons, sequences ------------------------------------------------------

std::string TyrosHandler::GetArchiveName() { return std::string(); }

void TyrosHandler::SetArchiveName(const std::string& /*name*/) {}

void TyrosHandler::SetBankName(int bank, const std::string& name) {
    if (TyrosBank* found = MutableBank(bank)) {
        found->name = name;
    }
}

Status TyrosHandler::GetBankName(int bank, std::string& name) {
    if (const TyrosBank* found = Bank(bank)) {
        name = found->name;
    }
    return Status::kDone;
}

void TyrosHandler::SetBankSequence(int bank, const std::string& digits, int sequenceEnd) {
    if (TyrosBank* found = MutableBank(bank)) {
        found->SetSequence(digits, sequenceEnd);
    }
}

Status TyrosHandler::GetBankSequence(int bank, std::string& digits, int& sequenceEnd) {
    if (const TyrosBank* found = Bank(bank)) {
        found->Sequence(digits, sequenceEnd);
    }
    return Status::kDone;
}

Status TyrosHandler::CopyBankSequence(int dstBank, ModelHandler* source, int srcBank) {
    TyrosHandler* from = SameModel(source);
    const TyrosBank* sourceBank = from != nullptr ? from->Bank(srcBank) : nullptr;
    TyrosBank* target = MutableBank(dstBank);
    if (sourceBank != nullptr && target != nullptr) {
        target->header = sourceBank->header;
        target->extension = sourceBank->extension;  // part of the bank's file, like its header
    }
    return Status::kDone;
}

Status TyrosHandler::ResetBankSequence(int bank) {
    if (TyrosBank* found = MutableBank(bank)) {
        found->ResetSequence();
    }
    return Status::kDone;
}

void TyrosHandler::SetBankIcon(int bank, const std::string& iconCode) {
    if (TyrosBank* found = MutableBank(bank)) {
        found->iconCode = iconCode;
    }
}

std::string TyrosHandler::GetBankIcon(int bank) {
    const TyrosBank* found = Bank(bank);
    return found != nullptr ? found->iconCode : std::string();
}

void TyrosHandler::SetRegistrationIcon(int bank, int slot, const std::string& iconCode) {
    if (TyrosRegistration* registration = MutableRegistration(bank, slot)) {
        registration->SetIconCode(iconCode);
    }
}

std::string TyrosHandler::GetRegistrationIcon(int bank, int slot) {
    const TyrosRegistration* registration = nullptr;
    return Find(bank, slot, registration) == Status::kDone ? registration->IconCode() : std::string();
}

std::string TyrosHandler::GetRegfileIcon(int regfile) { return EntryRegistration(regfile).IconCode(); }

Status TyrosHandler::GetUsedSlots(int bank, std::string& slots) {
    const TyrosBank* found = Bank(bank);
    slots = found != nullptr ? found->UsedSlots() : std::string();
    return Status::kDone;
}

int TyrosHandler::SourceBankCount() { return loadedBankCount_; }

int TyrosHandler::DestinationBankCount() { return bankCount_; }

int TyrosHandler::RegistrationsPerBank() { return kPartsPerBank; }

Status TyrosHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    name = "--- no reg ---";
    const TyrosRegistration* registration = nullptr;
    const Status result = Find(bank, slot, registration);
    if (result == Status::kDone) {
        name = registration->Name();
    }
    return result;
}

Status TyrosHandler::GetRegfileName(int regfile, std::string& name) {
    name = Entry(regfile) != nullptr ? EntryRegistration(regfile).Name() : "no regist";
    return Status::kDone;
}

RegistrationContent TyrosHandler::ContentOf(const RegistrationRef& at) { return ReadRegistrationContent(*this, at); }

Status TyrosHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    TyrosRegistration* registration = MutableRegistration(bank, slot);
    if (registration == nullptr || registration->IsEmpty() || !registration->Has(type::kName)) {
        return Status::kDone;
    }
    return registration->Rename(name) ? Status::kDone : Status::kNotValid;
}

Status TyrosHandler::DeleteRegistration(int bank, int slot) {
    if (TyrosRegistration* registration = MutableRegistration(bank, slot)) {
        registration->Clear();
    }
    return Status::kDone;
}

// ---- setting names -------------------------------------------------------------

namespace {

// A bank-side query: the preset stays when the registration is missing (8/9).
template <class T, class Read>
Status Query(const TyrosHandler& handler, int bank, int slot, T& out, T preset, Read read) {
    out = preset;
    const TyrosRegistration* registration = nullptr;
    const Status found = handler.Find(bank, slot, registration);
    if (found == Status::kDone) {
        out = read(*registration);
    }
    return found;
}

// A regfile-side query: outside the list the given text.
template <class T, class Read>
Status RegfileQuery(const TyrosHandler& handler, int regfile, T& out, T outside, Read read) {
    const TyrosRegfileEntry* entry = handler.Entry(regfile);
    out = entry != nullptr ? read(entry->registration) : outside;
    return Status::kDone;
}

auto VoiceOf(VoicePart part) {
    return [part](const TyrosRegistration& r) { return r.VoiceName(part); };
}

const std::string kNoVoice = "no voice";

}  // namespace

Status TyrosHandler::GetStyleName(int bank, int slot, std::string& name, int /*form*/) {
    return Query(*this, bank, slot, name, std::string(), [](const TyrosRegistration& r) { return r.StyleName(); });
}

Status TyrosHandler::GetRegfileStyleName(int regfile, std::string& name) {
    return RegfileQuery(*this, regfile, name, std::string(), [](const TyrosRegistration& r) { return r.StyleName(); });
}

Status TyrosHandler::GetMultiPadName(int bank, int slot, std::string& name) {
    name = AnyRegistration(bank, slot).MultipadName();
    return Status::kDone;
}

Status TyrosHandler::GetRegfileMultiPadName(int regfile, std::string& name) {
    return RegfileQuery(*this, regfile, name, std::string(),
                        [](const TyrosRegistration& r) { return r.MultipadName(); });
}

Status TyrosHandler::GetTempo(int bank, int slot, int& tempo) {
    return Query(*this, bank, slot, tempo, -1, [](const TyrosRegistration& r) { return r.Tempo(); });
}

Status TyrosHandler::GetRegfileTempo(int regfile, int& tempo) {
    return RegfileQuery(*this, regfile, tempo, -1, [](const TyrosRegistration& r) { return r.Tempo(); });
}

Status TyrosHandler::GetVoiceName1(int bank, int slot, std::string& name) {
    return Query(*this, bank, slot, name, kNoVoice, VoiceOf(VoicePart::Left));
}

Status TyrosHandler::GetVoiceName2(int bank, int slot, std::string& name) {
    return Query(*this, bank, slot, name, kNoVoice, VoiceOf(VoicePart::Right1));
}

Status TyrosHandler::GetVoiceName3(int bank, int slot, std::string& name) {
    return Query(*this, bank, slot, name, kNoVoice, VoiceOf(VoicePart::Right2));
}

Status TyrosHandler::GetRegfileVoiceName1(int regfile, std::string& name) {
    return RegfileQuery(*this, regfile, name, kNoVoice, VoiceOf(VoicePart::Left));
}

Status TyrosHandler::GetRegfileVoiceName2(int regfile, std::string& name) {
    return RegfileQuery(*this, regfile, name, kNoVoice, VoiceOf(VoicePart::Right1));
}

Status TyrosHandler::GetRegfileVoiceName3(int regfile, std::string& name) {
    return RegfileQuery(*this, regfile, name, kNoVoice, VoiceOf(VoicePart::Right2));
}

Status TyrosHandler::GetSettingsText(int regfile, int bank, int slot, std::string& text) {
    text = TyrosProtocol::SettingsText(SettingsSource(bank, slot, regfile));
    return Status::kDone;
}

// ---- copying -------------------------------------------------------------------

void TyrosHandler::MarkCopiedInto(int dstBank) {
    banks_[static_cast<std::size_t>(dstBank)].MarkFilled();
    bankCount_ = std::max(bankCount_, dstBank + 1);
}

Status TyrosHandler::PutCopy(int dstBank, int dstSlot, const TyrosRegistration& source) {
    if (dstBank < 0 || dstBank >= kMaxBanks || !IsPart(dstSlot)) {
        return Status::kBankNotInUse;
    }
    TyrosBank& bank = banks_[static_cast<std::size_t>(dstBank)];
    if (!bank.inUse) {
        bank.Reset();
    }
    TyrosRegistration& target = bank.registrations[static_cast<std::size_t>(dstSlot)];
    target.Clear();
    // Through the file layout, as a copy on the instrument would go.
    TyrosRegistration copy;
    Tell({Status::kDone, copy.Parse(source.Serialize(), target.Quiet(), warningCarry_, ui(), LoadOptions(std::string()))});
    warningCarry_ = copy.StopWarnings();
    target = std::move(copy);
    MarkCopiedInto(dstBank);
    return Status::kDone;
}

Status TyrosHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    const TyrosHandler* from = SameModel(source);
    if (from == nullptr) {
        return Status::kBankNotInUse;
    }
    const TyrosRegistration* registration = nullptr;
    const Status found = from->Find(srcBank, srcSlot, registration);
    return found == Status::kDone ? PutCopy(dstBank, dstSlot, *registration) : found;
}

Status TyrosHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    const TyrosHandler* from = SameModel(source);
    if (from != nullptr) {
        PutCopy(dstBank, dstSlot, from->EntryRegistration(regfile));
    }
    return Status::kDone;
}

// A group copy that copied nothing (cancelled, no block chosen, refused)
// answers kNotValid, so that the window reports nothing and adds no undo step.
Status TyrosHandler::GroupCopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    if (dstBank < 0 || dstSlot < 0) {
        return Status::kNotValid;
    }
    TyrosHandler* from = SameModel(source);
    const TyrosRegistration* registration = nullptr;
    if (from == nullptr || from->Find(srcBank, srcSlot, registration) != Status::kDone) {
        return Status::kNoRegistration;
    }
    return GroupCopy(dstBank, dstSlot, *from, srcBank, srcSlot, -1);
}

Status TyrosHandler::GroupCopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    TyrosHandler* from = SameModel(source);
    if (dstBank < 0 || dstSlot < 0 || from == nullptr) {
        return Status::kNotValid;
    }
    return GroupCopy(dstBank, dstSlot, *from, -1, -1, regfile);
}

Status TyrosHandler::GroupCopy(int dstBank, int dstSlot, TyrosHandler& source, int srcBank, int srcSlot,
                            int srcRegfile) {
    if (dstBank >= kMaxBanks || !IsPart(dstSlot)) {
        return Status::kNotValid;
    }
    CopySettingsRequest request;
    if (srcRegfile != -1) {
        source.GetRegfileName(srcRegfile, request.sourceName);
    } else {
        source.GetRegistrationName(srcBank, srcSlot, request.sourceName);
    }
    GetRegistrationName(dstBank, dstSlot, request.destinationName);
    request.sourceName = Cp1252::ToUtf8(request.sourceName);
    request.destinationName = Cp1252::ToUtf8(request.destinationName);
    request.presence = TyrosRegistrationViews::Presence(source.SettingsSource(srcBank, srcSlot, srcRegfile));
    const auto choices = ui().CopyRegistrationSettings(request);
    if (!choices) {
        return Status::kNotValid;
    }
    if (!TyrosCopyRecord::AnyChosen(*choices)) {
        ui().ShowMessage("No setting-block selected");
        return Status::kNotValid;
    }
    const Status result = CopySettingBlock(dstBank, dstSlot, &source, srcBank, srcSlot, srcRegfile, *choices);
    if (result == Status::kDone) {
        MarkCopiedInto(dstBank);
    }
    return result == Status::kDone ? Status::kDone : Status::kNotValid;
}

Status TyrosHandler::CopySettingBlock(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot,
                                   int srcRegfile, const std::vector<bool>& selection) {
    const TyrosHandler* from = SameModel(source);
    if (from == nullptr || dstBank < 0 || dstBank >= kMaxBanks || !IsPart(dstSlot)) {
        return Status::kNoRegistration;
    }
    const TyrosRegistration& registration = from->SettingsSource(srcBank, srcSlot, srcRegfile);
    if (registration.IsEmpty()) {
        return Status::kNoRegistration;
    }
    TyrosBank& bank = banks_[static_cast<std::size_t>(dstBank)];
    if (!bank.inUse) {
        bank.Reset();
    }
    TyrosRegistration& target = bank.registrations[static_cast<std::size_t>(dstSlot)];
    const TyrosCopyRecord record(registration, selection, target.IsEmpty());
    if (!target.ApplyCopy(record, ui(), voiceTableComplete_, voiceList())) {
        ui().ShowMessage("Settings not copied: the registration would become too long");
        return Status::kNotValid;
    }
    return Status::kDone;
}

int TyrosHandler::CountRevoiceToDefault(int bank, int slot) {
    const TyrosRegistration* registration = Registration(bank, slot);
    return registration == nullptr || registration->IsEmpty() ? 0 : registration->RevoiceCandidates(voiceList());
}

// ---- voices the table does not know ----------------------------------------------

TyrosRegistration::ParseOptions TyrosHandler::LoadOptions(const std::string& origin) const {
    TyrosRegistration::ParseOptions options;
    options.askAboutVoices = voiceTableComplete_;
    options.origin = origin;
    options.voices = voiceList();
    return options;
}

void TyrosHandler::CountUnknownVoices(const TyrosRegistration& registration) {
    if (voiceTableComplete_ || registration.IsEmpty()) {
        return;  // with a complete table each unknown voice was asked about
    }
    const int unknown = registration.UnknownVoiceCount(voiceList());
    unknownVoiceSettings_ += unknown;
    unknownVoiceRegistrations_ += unknown > 0 ? 1 : 0;
}

void TyrosHandler::ReportUnknownVoices() {
    if (unknownVoiceSettings_ > 0) {
        const int instrumentVoices = static_cast<int>(TyrosTables::VoiceRowsOfInstrument());
        const std::string head =
            voiceList() == nullptr
                ? FormatNumbers("%i voice settings in %i registrations are not in the voice table.\n"
                                "The table holds %i of the instrument's %i voices",
                                unknownVoiceSettings_, unknownVoiceRegistrations_,
                                static_cast<int>(TyrosTables::Voices().size()), instrumentVoices)
                : FormatNumbers("%i voice settings in %i registrations are not in the voice table or the voice "
                                "list.\nThe voice list names %i voices; with the table, %i of the instrument's %i "
                                "voices are known",
                                unknownVoiceSettings_, unknownVoiceRegistrations_,
                                static_cast<int>(voiceList()->RowCount()),
                                static_cast<int>(TyrosTables::KnownVoiceCount(voiceList())), instrumentVoices);
        ui().ShowMessage(head +
                             ", so most of them are likely voices the instrument has. They are kept unchanged; "
                             "their names show as \"no voice\" or as a near voice in parentheses.",
                         "Voice table incomplete");
    }
    unknownVoiceSettings_ = 0;
    unknownVoiceRegistrations_ = 0;
}

void TyrosHandler::SetVoiceList(std::shared_ptr<const VoiceList> list) {
    ModelHandler::SetVoiceList(std::move(list));
    voiceTableComplete_ = TyrosTables::VoiceTableComplete() ||
                          TyrosTables::KnownVoiceCount(voiceList()) >= TyrosTables::VoiceRowsOfInstrument();
    RefreshAllVoiceNames();
}

void TyrosHandler::RefreshAllVoiceNames() {
    for (TyrosBank& bank : banks_) {
        for (TyrosRegistration& registration : bank.registrations) {
            if (!registration.IsEmpty()) {
                registration.RefreshVoiceNames(voiceList());
            }
        }
    }
    for (TyrosRegfileEntry& entry : entries_) {
        entry.registration.RefreshVoiceNames(voiceList());
    }
}

std::vector<BankSelectKey> TyrosHandler::VoiceKeys() {
    std::vector<BankSelectKey> keys;
    const auto add = [&keys](const TyrosRegistration& registration) {
        for (const auto& key : registration.VoiceKeys()) {
            keys.push_back(key);
        }
    };
    for (const TyrosBank& bank : banks_) {
        for (const TyrosRegistration& registration : bank.registrations) {
            add(registration);
        }
    }
    for (const TyrosRegfileEntry& entry : entries_) {
        add(entry.registration);
    }
    return keys;
}

int TyrosHandler::RevoiceToDefault(int bank, int slot) {
    TyrosRegistration* registration = MutableRegistration(bank, slot);
    if (registration == nullptr || registration->IsEmpty()) {
        return 0;
    }
    const int changed = registration->RevoiceParts(voiceList());
    if (changed > 0) {
        registration->RefreshVoiceNames(voiceList());  // views and protocols show the new voices
    }
    return changed;
}

// ---- protocol and views ----------------------------------------------------------

Status TyrosHandler::CommitProtocol(TextFileWriter& writer, const std::string& path) {
    if (!ProtocolFile::Write(path, writer.Text(), ProtocolEncoding())) {
        ui().ShowMessage(InsertText("Protocol file %s cannot be created", path));
        return Status::kProtocolNotCreated;
    }
    return Status::kDone;
}

Status TyrosHandler::WriteProtocol(const std::string& path) {
    const ProtocolForm ending = ProtocolPath::FormOf(path);
    if (ending == ProtocolForm::None) {
        return Status::kWrongProtocolEnding;
    }
    if (!AnyBankInUse()) {
        return Status::kNothingToWrite;
    }
    if (ending == ProtocolForm::Html) {
        ui().ShowMessage("No htm-protocol");
        return Status::kWrongProtocolEnding;
    }
    TextFileWriter writer;
    writer.Write(TyrosProtocol::OfBanks(*this));
    return CommitProtocol(writer, path);
}

Status TyrosHandler::WriteRegfileProtocol(const std::string& path) {
    if (entries_.empty()) {
        return Status::kRegfileListEmpty;
    }
    const ProtocolForm ending = ProtocolPath::FormOf(path);
    if (ending == ProtocolForm::Html) {
        ui().ShowMessage("No htm-protocol");
    }
    if (ending != ProtocolForm::Text) {
        return Status::kWrongProtocolEnding;
    }
    TextFileWriter writer;
    writer.Write(TyrosProtocol::OfRegfiles(*this));
    return CommitProtocol(writer, path);
}

Status TyrosHandler::ShowRegistration(int regfile, int bank, int slot) {
    if (regfile >= 0) {
        if (const TyrosRegfileEntry* entry = Entry(regfile)) {
            const int part = TyrosRegfile::Part(entry->header);
            ui().ViewTyrosRegistration(TyrosRegistrationViews::View(
                entry->registration, TyrosRegfile::BankName(entry->header), part < 0 ? 0 : part + 1, icons_));
        }
        return Status::kDone;
    }
    const TyrosBank* found = Bank(bank);
    if (found == nullptr) {
        return Status::kDone;
    }
    if (slot < 0) {
        // A bank header line: the bank's sequence and icon, when it holds anything.
        if (found->HasRegistrations()) {
            ViewBankRequest request;
            found->Sequence(request.sequence, request.sequenceEnd);
            request.bankIconCode = found->iconCode;
            request.icons = icons_;
            ui().ViewBank(request);
        }
        return Status::kDone;
    }
    const TyrosRegistration* registration = nullptr;
    if (Find(bank, slot, registration) == Status::kDone) {
        ui().ViewTyrosRegistration(TyrosRegistrationViews::View(*registration, found->name, slot + 1, icons_));
    }
    return Status::kDone;
}

void TyrosHandler::SetIconSettings(const IconSettings& icons) { icons_ = icons; }

bool TyrosHandler::SetStyleArchiveOptions(bool /*askForStyleArchive*/, bool /*useDefaultArchive*/,
                                          const std::string& /*defaultArchivePath*/, bool /*implicitSearch*/) {
    return true;
}

bool TyrosHandler::HasNoStyleOptions() { return true; }

}  // namespace kalivo
