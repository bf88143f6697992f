#include "handlers/psr9000/Psr9000FamilyHandler.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/fs/FileSystem.h"
#include "common/tables/BankSelectVoiceTable.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/RegfileLoader.h"
#include "handlers/RegistrationViewer.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr9000/Psr9000BackupFile.h"
#include "handlers/psr9000/Psr9000BackupFolder.h"
#include "handlers/psr9000/Psr9000Protocol.h"
#include "handlers/StateSnapshot.h"

namespace kalivo {

using namespace psr9000;

namespace {

// "<name>_<archive>_(<bank>-<slot 1..8>)". The instrument pads names with NUL
// and 0x01 bytes, which count as blanks here.
std::string RegfileBase(const std::string& name, const std::string& bankName, const std::string& archive, int slot) {
    const auto part = [](std::string text) {
        std::replace_if(text.begin(), text.end(), [](char c) { return c == '\0' || c == '\x01'; }, ' ');
        return RegfileFolder::Underscored(text);
    };
    return part(name) + "_" + archive + "_(" + part(bankName) + FormatNumbers("-%i)", slot + 1);
}

constexpr std::size_t kModelCheckSize = 8;

bool IsSlot(int slot) { return slot >= 0 && slot < kSlots; }

// A file that cannot be read, or one too short for every bank, is "not correct".
std::string NotCorrect(const std::string& path, const std::string& what) {
    return "Archive not correct\n" + path + ": " + what;
}

}  // namespace

Psr9000FamilyHandler::Psr9000FamilyHandler(UserInterface& ui, const Psr9000Model& model)
    : FixedGeometryHandler(ui, ListGeometry{true, kBanks, kBanks, kSlots}), model_(model) {}

// ---- store -------------------------------------------------------------------

void Psr9000FamilyHandler::CreateStore() {
    table_ = std::make_unique<Psr9000BankTable>();
    askForStyleArchive_ = false;
    implicitStyleSearch_ = false;
    ClearDestination(kBanks);
}

void Psr9000FamilyHandler::ReleaseStore() {
    table_.reset();
    entries_.clear();
}

Status Psr9000FamilyHandler::ClearSource() { return ClearDestination(kBanks); }

Status Psr9000FamilyHandler::ClearDestination(int /*bankCount*/) {
    if (!table_) {
        table_ = std::make_unique<Psr9000BankTable>();
    }
    table_->Reset(model_.DefaultHeader());
    archiveName_ = "no name";
    userStyles_.Reset();
    return Status::kDone;
}

namespace {

// A PSR-9000 state is no 9000Pro state: the snapshot is tagged with the model.
struct Psr9000DestinationState {
    std::optional<Psr9000BankTable> table;
    std::string archiveName;
    Psr9000UserStyles userStyles;
};
using Psr9000Snapshot = StateSnapshot<Psr9000DestinationState>;

}  // namespace

std::shared_ptr<const HandlerSnapshot> Psr9000FamilyHandler::SaveDestinationState() const {
    return Psr9000Snapshot::Make(&model_, Psr9000DestinationState{
                                              table_ ? std::optional<Psr9000BankTable>(*table_) : std::nullopt,
                                              archiveName_, userStyles_});
}

void Psr9000FamilyHandler::RestoreDestinationState(const HandlerSnapshot& snapshot) {
    const Psr9000DestinationState* state = Psr9000Snapshot::Of(snapshot, &model_);
    if (state == nullptr) {
        return;
    }
    if (state->table) {
        table_ = std::make_unique<Psr9000BankTable>(*state->table);
    } else {
        table_.reset();
    }
    archiveName_ = state->archiveName;
    userStyles_ = state->userStyles;
}

const Psr9000Bank* Psr9000FamilyHandler::UsedBank(int bank) const {
    if (!table_ || bank < 0 || bank >= kBanks || !table_->banks[static_cast<std::size_t>(bank)].used) {
        return nullptr;
    }
    return &table_->banks[static_cast<std::size_t>(bank)];
}

Status Psr9000FamilyHandler::Find(int bank, int slot, const Record*& record) const {
    const Psr9000Bank* found = UsedBank(bank);
    if (found == nullptr) {
        return Status::kBankNotInUse;
    }
    if (!IsSlot(slot) || found->slots[static_cast<std::size_t>(slot)].empty) {
        return Status::kNoRegistration;
    }
    record = &found->slots[static_cast<std::size_t>(slot)].record;
    return Status::kDone;
}

const Psr9000RegfileEntry* Psr9000FamilyHandler::Entry(int regfile) const {
    return regfile >= 0 && regfile < static_cast<int>(entries_.size()) ? &entries_[static_cast<std::size_t>(regfile)]
                                                                       : nullptr;
}

Status Psr9000FamilyHandler::IsRegistrationEmpty(int bank, int slot, bool& empty) {
    if (table_ && bank >= 0 && bank < kBanks && IsSlot(slot)) {
        empty =
            IsEmptyRecord(table_->banks[static_cast<std::size_t>(bank)].slots[static_cast<std::size_t>(slot)].record);
    }
    return Status::kDone;
}

// ---- backups -------------------------------------------------------------------

Status Psr9000FamilyHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    return LoadDestinationArchive(folder, archive);
}

Status Psr9000FamilyHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    if (!table_) {
        ClearDestination(kBanks);
    }
    // The folder is listed at most once for every name looked up in it.
    const FolderListing listing(folder);
    if (model_.checksDiskMng &&
        DiskMngHeader::CheckFile(listing.FindFile(DiskMngHeader::kFileName), model_.instrument, kModelCheckSize) ==
            DiskMngHeader::Check::WrongModel) {
        ui().ShowMessage("Model not correct\n" + FileSystem::WithSeparator(folder) + "DISK.MNG");
        return Status::kWrongModel;
    }
    std::vector<std::uint8_t> bytes;
    const auto found = Psr9000BackupFolder::ReadRegistrationFile(model_, listing, archive, bytes);
    if (!found) {
        ui().ShowMessage(
            NotCorrect(FileSystem::WithSeparator(folder) + archive, MissingRegistrationFile(listing, archive)));
        return Status::kNotValid;
    }
    if (!found->read) {
        ui().ShowMessage(NotCorrect(found->path, "the file cannot be read"));
        return Status::kNotValid;
    }
    // Read fills the whole table or, refusing the size, leaves it untouched:
    // no second quarter megabyte to build and move. The registrations are
    // marked with their backup as they are read, not in a pass of their own.
    const auto origin = std::make_shared<Psr9000BackupOrigin>();
    if (!AcceptBackup(found->path, bytes) || !Psr9000BackupFile::Read(bytes, *table_, origin)) {
        return Status::kNotValid;
    }
    const bool implicitSearch = implicitStyleSearch_;
    ReadBesideStyleBackup(listing, archive, *origin, implicitSearch);
    // Only a backup that has loaded gives the archive its name.
    archiveName_ = Cp1252::FromUtf8(archive);
    if (implicitSearch) {
        return Status::kDone;
    }
    return askForStyleArchive_ ? Status::kStyleArchiveWanted : Status::kDone;
}

bool Psr9000FamilyHandler::AcceptBackup(const std::string& path, std::span<const std::uint8_t> bytes) {
    switch (Psr9000BackupFile::Inspect(bytes)) {
        case Psr9000BackupFile::Verdict::Sound:
            return true;
        case Psr9000BackupFile::Verdict::TooShort:
            ui().ShowMessage(NotCorrect(path, "the file is too short"));
            return false;
        case Psr9000BackupFile::Verdict::TooLong:
            ui().ShowMessage(NotCorrect(path, "the file is too long"));
            return false;
        case Psr9000BackupFile::Verdict::ChecksumWrong:
            break;
    }
    // The banks can still be read; only the person can say whether to trust them.
    const std::string question =
        NotCorrect(path, "its checksum does not match, the file may be damaged") + "\nLoad it anyway?";
    return ui().AskYesNoOrClose(question, "Archive may be damaged", /*defaultNo=*/true) == Answer::Yes;
}

std::string Psr9000FamilyHandler::MissingRegistrationFile(const FolderListing& folder, const std::string& archive) const {
    std::string text = "no backup folder of this name holds the registration file " + std::string(model_.registrationFile);
    const Psr9000Model& other = model_.Other();
    if (Psr9000BackupFolder::FindRegistrationFile(other, folder, archive)) {
        text += std::string("; it holds ") + other.registrationFile + " and looks like a " + other.instrument + " backup";
    }
    return text;
}

void Psr9000FamilyHandler::ReadBesideStyleBackup(const FolderListing& folder, const std::string& archive,
                                                 Psr9000BackupOrigin& origin, bool takeNames) {
    std::vector<std::uint8_t> bytes;
    const auto found = Psr9000BackupFolder::ReadStyleBackup(model_, folder, archive, bytes);
    if (!found) {
        if (takeNames) {
            userStyles_.Reset();
        }
        return;
    }
    Psr9000UserStyles names;
    const bool valid = found->read && names.ReadBackup(bytes) == Status::kDone;
    if (valid) {
        origin.styleBackup = std::move(bytes);
    }
    if (takeNames) {
        // The names read before a damaged record still hold, as with a chosen style archive.
        userStyles_ = std::move(names);
        if (!valid) {
            ui().ShowMessage(InsertText("Style backup %s cannot be read or is not valid; user styles keep their "
                                        "default names",
                                        found->path));
        }
    }
}

Status Psr9000FamilyHandler::ListArchives(const std::string& folder, StringList& names) {
    const auto found = Psr9000BackupFolder::ListArchives(folder);
    names.insert(names.end(), found.begin(), found.end());
    return found.empty() ? Status::kNotValid : Status::kDone;
}

Status Psr9000FamilyHandler::StoreArchive(const std::string& archive, const std::string& folder, int /*bankPosition*/) {
    if (!table_) {
        return Status::kNotValid;
    }
    WaitCursor wait(ui());
    const std::vector<std::uint8_t>* styleBackup = table_->SharedStyleBackup();
    const Status result = Tell(Psr9000BackupFolder::Store(model_, *table_, archive, folder, styleBackup));
    storeNote_ = result == Status::kDone && styleBackup == nullptr ? "; the new backup holds no style backup" : "";
    storedName_ = Cp1252::ToUtf8(Psr9000BackupFolder::StoredFolderName(archive));
    return result;
}

std::string Psr9000FamilyHandler::LastStoreNote() const { return storeNote_; }

std::string Psr9000FamilyHandler::LastStoredName() const { return storedName_; }

// ---- style backups --------------------------------------------------------------

Status Psr9000FamilyHandler::LoadStyleArchive(const std::string& folder, const std::string& styleArchive) {
    std::vector<std::uint8_t> bytes;
    const auto found = Psr9000BackupFolder::ReadStyleBackup(model_, FolderListing(folder), styleArchive, bytes);
    if (!found || !found->read) {
        return Status::kNotValid;
    }
    return userStyles_.ReadBackup(bytes);
}

bool Psr9000FamilyHandler::SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                                  const std::string& defaultArchivePath, bool implicitSearch) {
    askForStyleArchive_ = askForStyleArchive;
    implicitStyleSearch_ = implicitSearch;
    return !useDefaultArchive || SearchDefaultStyleFolder(defaultArchivePath);
}

bool Psr9000FamilyHandler::SearchDefaultStyleFolder(const std::string& path) {
    const std::string base = FileSystem::WithSeparator(path);
    const auto folders = FileSystem::FindFolders(path, "*");
    // In each folder the instrument's own kind of style backup first, then the one of ".BUF" folders.
    for (const std::string& folder : folders) {
        for (const std::string& file : {std::string("sty.b01"), std::string(model_.styleBackupFile)}) {
            const auto found = FileSystem::FindNoCase(base + folder, file);
            const std::string name = folder.substr(0, folder.rfind('.'));
            if (found && FileSystem::IsRegularFile(*found) && LoadStyleArchive(base, name) == Status::kDone) {
                return true;
            }
        }
    }
    return false;
}

// ---- names ------------------------------------------------------------------------

std::string Psr9000FamilyHandler::GetArchiveName() { return archiveName_; }

void Psr9000FamilyHandler::SetArchiveName(const std::string& name) { archiveName_ = name; }

void Psr9000FamilyHandler::SetBankName(int bank, const std::string& name) {
    if (table_ && bank >= 0 && bank < kBanks) {
        SetHeaderText(table_->banks[static_cast<std::size_t>(bank)].header, name);
    }
}

Status Psr9000FamilyHandler::GetBankName(int bank, std::string& name) {
    if (table_ && bank >= 0 && bank < kBanks) {
        name = HeaderText(table_->banks[static_cast<std::size_t>(bank)].header);
    }
    return Status::kDone;
}

Status Psr9000FamilyHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    const Record* record = nullptr;
    const Status found = Find(bank, slot, record);
    if (found == Status::kBankNotInUse) {
        name.clear();
    }
    if (found == Status::kDone) {
        name = RecordName(*record);
    }
    return found;
}

Status Psr9000FamilyHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    const Record* record = nullptr;
    if (Find(bank, slot, record) != Status::kDone) {
        return Status::kNoRegistration;
    }
    SetRecordName(table_->banks[static_cast<std::size_t>(bank)].slots[static_cast<std::size_t>(slot)].record, name);
    return Status::kDone;
}

Status Psr9000FamilyHandler::GetStyleName(int bank, int slot, std::string& name, int form) {
    const Record* record = nullptr;
    const Status found = Find(bank, slot, record);
    if (found == Status::kDone) {
        name = userStyles_.Name(StyleNumber(*record), form == 1);
    }
    return found;
}

Status Psr9000FamilyHandler::GetTempo(int bank, int slot, int& tempo) {
    const Record* record = nullptr;
    const Status found = Find(bank, slot, record);
    if (found == Status::kDone) {
        tempo = Tempo(*record);
    }
    return found;
}

std::string Psr9000FamilyHandler::LookUpVoice(const VoiceKey& key) const {
    return BankSelectVoiceTable::For(model_.voiceTable).VoiceName(key.msb, key.lsb, key.program, voiceList());
}

std::vector<BankSelectKey> Psr9000FamilyHandler::VoiceKeys() {
    std::vector<BankSelectKey> keys;
    const auto add = [&keys](const Record& record) {
        for (int part = 0; part < 4; ++part) {
            const VoiceKey key = Voice(record, part);
            keys.push_back({key.msb, key.lsb, key.program});
        }
    };
    if (table_ != nullptr) {
        for (const Psr9000Bank& bank : table_->banks) {
            for (const Psr9000Slot& slot : bank.slots) {
                if (bank.used && !slot.empty) {
                    add(slot.record);
                }
            }
        }
    }
    for (const Psr9000RegfileEntry& entry : entries_) {
        add(entry.record);
    }
    return keys;
}

Status Psr9000FamilyHandler::VoiceName(int bank, int slot, int part, std::string& name) const {
    const Record* record = nullptr;
    const Status found = Find(bank, slot, record);
    if (found == Status::kDone) {
        name = LookUpVoice(Voice(*record, part));
    }
    return found;
}

Status Psr9000FamilyHandler::GetVoiceName1(int bank, int slot, std::string& name) {
    return VoiceName(bank, slot, 0, name);
}
Status Psr9000FamilyHandler::GetVoiceName2(int bank, int slot, std::string& name) {
    return VoiceName(bank, slot, 1, name);
}
Status Psr9000FamilyHandler::GetVoiceName3(int bank, int slot, std::string& name) {
    return VoiceName(bank, slot, 2, name);
}
Status Psr9000FamilyHandler::GetVoiceName4(int bank, int slot, std::string& name) {
    return VoiceName(bank, slot, 3, name);
}

// ---- editing ----------------------------------------------------------------------

Status Psr9000FamilyHandler::DeleteRegistration(int bank, int slot) {
    if (!table_ || bank < 0 || bank >= kBanks || !IsSlot(slot)) {
        return Status::kDone;
    }
    Psr9000Bank& target = table_->banks[static_cast<std::size_t>(bank)];
    target.slots[static_cast<std::size_t>(slot)] = Psr9000Slot{true, DefaultRecord(slot), nullptr};
    target.used = target.HasRegistrations();
    if (!target.used) {
        target.header = DefaultBankHeader(bank);
    }
    return Status::kDone;
}

void Psr9000FamilyHandler::Put(int dstBank, int dstSlot, const Psr9000Slot& slot) {
    if (!table_ || dstBank < 0 || dstBank >= kBanks || !IsSlot(dstSlot)) {
        return;
    }
    Psr9000Bank& target = table_->banks[static_cast<std::size_t>(dstBank)];
    target.slots[static_cast<std::size_t>(dstSlot)] = Psr9000Slot{IsEmptyRecord(slot.record), slot.record, slot.origin};
    target.used = target.HasRegistrations();
}

Status Psr9000FamilyHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    const auto* from = dynamic_cast<Psr9000FamilyHandler*>(source);
    const Record* record = nullptr;
    const Status found = from != nullptr ? from->Find(srcBank, srcSlot, record) : Status::kBankNotInUse;
    if (found == Status::kBankNotInUse) {
        ui().ShowMessage("No bank");
    }
    if (found == Status::kDone) {
        Put(dstBank, dstSlot,
            from->table_->banks[static_cast<std::size_t>(srcBank)].slots[static_cast<std::size_t>(srcSlot)]);
    }
    return found;
}

Status Psr9000FamilyHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    const auto* from = dynamic_cast<Psr9000FamilyHandler*>(source);
    if (const Psr9000RegfileEntry* entry = from != nullptr ? from->Entry(regfile) : nullptr) {
        Put(dstBank, dstSlot, Psr9000Slot{false, entry->record, nullptr});
    }
    return Status::kDone;
}

// ---- regfiles ---------------------------------------------------------------------

Status Psr9000FamilyHandler::LoadRegfiles(const std::string& folder) {
    entries_.clear();
    // A regfile is one record and nothing else: a longer file is refused unread.
    const RegfileLoader loader(model_.regfileExtension, kRecordSize, "No reg-files found");
    const Outcome result =
        loader.Load(folder, [&](const std::string& title, const std::vector<std::uint8_t>& bytes) {
            if (!LooksLikeRecord(bytes)) {
                return false;
            }
            Psr9000RegfileEntry entry{title, {}};
            std::copy(bytes.begin(), bytes.end(), entry.record.begin());
            entries_.push_back(std::move(entry));
            return true;
        });
    std::stable_sort(entries_.begin(), entries_.end(), [](const Psr9000RegfileEntry& a, const Psr9000RegfileEntry& b) {
        return FileSystem::LessNoCase(a.title, b.title);
    });
    return Tell(result);
}

Status Psr9000FamilyHandler::ListRegfiles(StringList& names) {
    for (const Psr9000RegfileEntry& entry : entries_) {
        names.push_back(entry.title);
    }
    return Status::kDone;
}

Status Psr9000FamilyHandler::CreateRegfiles(const std::string& folder) {
    if (!table_ || !table_->AnyUsed()) {
        return Status::kNothingToWrite;
    }
    WaitCursor wait(ui());
    RegfileFolder target(folder, model_.regfileExtension);
    for (int bank = 0; bank < kBanks; ++bank) {
        const Psr9000Bank& source = table_->banks[static_cast<std::size_t>(bank)];
        for (int slot = 0; source.used && slot < kSlots; ++slot) {
            const Psr9000Slot& entry = source.slots[static_cast<std::size_t>(slot)];
            if (entry.empty) {
                continue;
            }
            const std::string base =
                RegfileBase(std::string(RecordName(entry.record)), HeaderText(source.header), archiveName_, slot);
            std::string path;
            // One file the disk refuses must not keep the others from being written.
            target.Write(base, std::vector<std::uint8_t>(entry.record.begin(), entry.record.end()), path);
        }
    }
    return Tell(target.Failures());
}

Status Psr9000FamilyHandler::GetRegfileName(int regfile, std::string& name) {
    if (const Psr9000RegfileEntry* entry = Entry(regfile)) {
        name = RecordName(entry->record);
    }
    return Status::kDone;
}

RegistrationContent Psr9000FamilyHandler::ContentOf(const RegistrationRef& at) { return ReadRegistrationContent(*this, at); }

Status Psr9000FamilyHandler::GetRegfileStyleName(int regfile, std::string& name) {
    // Regfiles stand alone: a user style is shown by its default name.
    if (const Psr9000RegfileEntry* entry = Entry(regfile)) {
        name = Psr9000StyleTable::Name(StyleNumber(entry->record));
    }
    return Status::kDone;
}

Status Psr9000FamilyHandler::GetRegfileTempo(int regfile, int& tempo) {
    if (const Psr9000RegfileEntry* entry = Entry(regfile)) {
        tempo = Tempo(entry->record);
    }
    return Status::kDone;
}

Status Psr9000FamilyHandler::RegfileVoiceName(int regfile, int part, std::string& name) const {
    if (const Psr9000RegfileEntry* entry = Entry(regfile)) {
        name = LookUpVoice(Voice(entry->record, part));
    }
    return Status::kDone;
}

Status Psr9000FamilyHandler::GetRegfileVoiceName1(int regfile, std::string& name) {
    return RegfileVoiceName(regfile, 0, name);
}
Status Psr9000FamilyHandler::GetRegfileVoiceName2(int regfile, std::string& name) {
    return RegfileVoiceName(regfile, 1, name);
}
Status Psr9000FamilyHandler::GetRegfileVoiceName3(int regfile, std::string& name) {
    return RegfileVoiceName(regfile, 2, name);
}
Status Psr9000FamilyHandler::GetRegfileVoiceName4(int regfile, std::string& name) {
    return RegfileVoiceName(regfile, 3, name);
}

// ---- views and protocols ------------------------------------------------------------

Status Psr9000FamilyHandler::ShowRegistration(int regfile, int bank, int slot) {
    return RegistrationViewer::Show(*this, ui(), regfile, bank, slot);
}

Status Psr9000FamilyHandler::WriteProtocol(const std::string& path) {
    return Tell(Psr9000Protocol(*this).WriteBanks(path));
}

Status Psr9000FamilyHandler::WriteRegfileProtocol(const std::string& path) {
    return Tell(Psr9000Protocol(*this).WriteRegfiles(path, static_cast<int>(entries_.size())));
}

}  // namespace kalivo
