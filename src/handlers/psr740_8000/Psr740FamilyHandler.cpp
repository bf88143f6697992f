#include "handlers/psr740_8000/Psr740FamilyHandler.h"

#include <algorithm>
#include <vector>

#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"
#include "common/tables/StyleList.h"
#include "common/text/Cp1252.h"
#include "handlers/RegfileFolder.h"
#include "handlers/RegistrationViewer.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr740_8000/Psr740DiskSet.h"
#include "handlers/psr740_8000/Psr740Protocol.h"
#include "handlers/psr740_8000/Psr740Record.h"
#include "handlers/StateSnapshot.h"

namespace kalivo {

namespace {

constexpr const char* kUserFileExtension = ".usr";
constexpr const char* kStyleKey = "S__";
constexpr const char* kNoName = "no name";

}  // namespace

Psr740FamilyHandler::Psr740FamilyHandler(UserInterface& ui, const Psr740Model& model)
    : FixedGeometryHandler(ui, ListGeometry{false, model.banks, model.banks, model.slots}),
      model_(model),
      memory_(model),
      regfiles_(model),
      customStyles_(model) {}

// ---- store ---------------------------------------------------------------------

namespace {

// A PSR-740 state is no PSR-8000 state: the snapshot is tagged with the model.
struct Psr740DestinationState {
    Psr740BankMemory memory;
    Psr740CustomStyles customStyles;
    std::string archiveName;
    int origin = 0;
    std::string originSet;
    Psr740StyleEntry styleEntry;
};
using Psr740Snapshot = StateSnapshot<Psr740DestinationState>;

}  // namespace

std::shared_ptr<const HandlerSnapshot> Psr740FamilyHandler::SaveDestinationState() const {
    return Psr740Snapshot::Make(&model_, Psr740DestinationState{memory_, customStyles_, archiveName_,
                                                          static_cast<int>(origin_), originSet_, styleEntry_});
}

void Psr740FamilyHandler::RestoreDestinationState(const HandlerSnapshot& snapshot) {
    const Psr740DestinationState* state = Psr740Snapshot::Of(snapshot, &model_);
    if (state == nullptr) {
        return;
    }
    memory_ = state->memory;
    customStyles_ = state->customStyles;
    archiveName_ = state->archiveName;
    origin_ = static_cast<Origin>(state->origin);
    originSet_ = state->originSet;
    styleEntry_ = state->styleEntry;
}

void Psr740FamilyHandler::New() {
    memory_.Clear();
    archiveName_ = kNoName;
    customStyles_.Reset();
    origin_ = Origin::Fresh;
    originSet_.clear();
    styleEntry_ = Psr740StyleEntry();
}

void Psr740FamilyHandler::CreateStore() {
    regfiles_.Clear();
    askForStyleArchive_ = false;
    useDefaultArchive_ = false;
    implicitSearch_ = false;
    defaultArchivePath_.clear();
    New();
}

void Psr740FamilyHandler::ReleaseStore() {
    memory_.Release();
    regfiles_.Clear();
}

Status Psr740FamilyHandler::ClearSource() {
    New();
    return Status::kDone;
}

Status Psr740FamilyHandler::ClearDestination(int /*bankCount*/) {
    New();
    return Status::kDone;
}

Status Psr740FamilyHandler::IsRegistrationEmpty(int bank, int slot, bool& empty) {
    if (memory_.IsSlot(bank, slot)) {
        empty = memory_.LooksEmpty(memory_.Record(bank, slot));
    }
    return Status::kDone;
}

Status Psr740FamilyHandler::Find(int bank, int slot) const {
    if (!memory_.IsUsed(bank)) {
        return Status::kBankNotInUse;
    }
    return memory_.IsEmpty(bank, slot) ? Status::kNoRegistration : Status::kDone;
}

Psr740FamilyHandler* Psr740FamilyHandler::SameModel(ModelHandler* source) const {
    auto* handler = dynamic_cast<Psr740FamilyHandler*>(source);
    return handler != nullptr && &handler->model_ == &model_ ? handler : nullptr;
}

// ---- disk sets -------------------------------------------------------------------

Status Psr740FamilyHandler::LoadSourceArchive(const std::string& folder, const std::string& archive) {
    return LoadArchive(folder, archive);
}

Status Psr740FamilyHandler::LoadDestinationArchive(const std::string& folder, const std::string& archive) {
    return LoadArchive(folder, archive);
}

Status Psr740FamilyHandler::LoadArchive(const std::string& folder, const std::string& archive) {
    // A load that fails part way must leave the memory as it was.
    Psr740BankMemory loaded(model_);
    std::string setNumber;
    Psr740StyleEntry styleEntry;
    const Status result = Tell(Psr740DiskSet::Load(model_, folder, archive, loaded, setNumber, styleEntry));
    if (result != Status::kDone) {
        return result;
    }
    memory_ = std::move(loaded);
    archiveName_ = archive;
    origin_ = Origin::OneSet;
    originSet_ = FileSystem::WithSeparator(folder) + archive;
    styleEntry_ = std::move(styleEntry);
    if (implicitSearch_) {
        customStyles_.Reset();
        // A disk without a style archive is common; one that is there but cannot be read is damage.
        const std::string styleFile = Psr740CustomStyles::StyleFileOf(folder);
        if (!styleFile.empty() && !customStyles_.ReadFile(styleFile, kStyleKey + setNumber)) {
            ui().ShowMessage("Style archive " + styleFile +
                             " cannot be read or is not valid; custom styles keep their default names.");
        }
        return Status::kDone;
    }
    return askForStyleArchive_ ? Status::kStyleArchiveWanted : Status::kDone;
}

Status Psr740FamilyHandler::StoreArchive(const std::string& archive, const std::string& folder, int /*bankPosition*/) {
    if (!memory_.IsAllocated()) {
        return Status::kNothingToWrite;
    }
    std::string setNumber;
    const Psr740StyleEntry carried = origin_ == Origin::OneSet ? styleEntry_ : Psr740StyleEntry();
    storedName_ = Psr740DiskSet::StoredUserFile(archive);
    return Tell(Psr740DiskSet::Store(model_, memory_, archive, folder, carried, setNumber));
}

std::string Psr740FamilyHandler::LastStoredName() const { return storedName_; }

Status Psr740FamilyHandler::ListArchives(const std::string& folder, StringList& names) {
    StringList titles;
    const std::string extension = kUserFileExtension;
    for (const std::string& file : FileSystem::FindFiles(folder, "*" + extension)) {
        if (file.size() > extension.size()) {
            titles.push_back(Cp1252::FromUtf8(file.substr(0, file.size() - extension.size())));
        }
    }
    std::stable_sort(titles.begin(), titles.end(), FileSystem::LessNoCase);
    names.insert(names.end(), titles.begin(), titles.end());
    return titles.empty() ? Status::kNotValid : Status::kDone;
}

// ---- custom styles ---------------------------------------------------------------

bool Psr740FamilyHandler::SetStyleArchiveOptions(bool askForStyleArchive, bool useDefaultArchive,
                                              const std::string& defaultArchivePath, bool implicitSearch) {
    askForStyleArchive_ = askForStyleArchive;
    useDefaultArchive_ = useDefaultArchive;
    defaultArchivePath_ = defaultArchivePath;
    implicitSearch_ = implicitSearch;
    if (!useDefaultArchive_) {
        return true;
    }
    return customStyles_.ReadFile(Psr740CustomStyles::StyleFileOf(defaultArchivePath_), kStyleKey);
}

Status Psr740FamilyHandler::LoadStyleArchive(const std::string& folder, const std::string& styleArchive) {
    const auto userFile =
        FileSystem::FindNoCase(folder, FileNameSanitizer::Sanitize(Cp1252::ToUtf8(styleArchive)) + kUserFileExtension);
    const std::string setNumber = userFile ? Psr740CustomStyles::SetNumberOf(*userFile) : std::string();
    std::vector<std::string> lines;
    const std::string styleFile = Psr740CustomStyles::StyleFileOf(folder);
    if (setNumber.empty() || styleFile.empty() || !TextFile::ReadLines(styleFile, lines)) {
        return Status::kNotValid;
    }
    // A slot past the table ends the reading: what was read stays, but the archive is not valid.
    return customStyles_.ReadLines(lines, kStyleKey + setNumber) ? Status::kDone : Status::kNotValid;
}

// ---- registrations ---------------------------------------------------------------

std::string Psr740FamilyHandler::GetArchiveName() { return archiveName_; }

void Psr740FamilyHandler::SetArchiveName(const std::string& name) { archiveName_ = name; }

Status Psr740FamilyHandler::GetRegistrationName(int bank, int slot, std::string& name) {
    name.clear();
    const Status found = Find(bank, slot);
    if (found == Status::kDone) {
        name = memory_.Title(bank, slot);
    }
    return found;
}

Status Psr740FamilyHandler::RenameRegistration(int bank, int slot, const std::string& name) {
    if (!memory_.IsSlot(bank, slot)) {
        return Status::kNoRegistration;
    }
    if (model_.bankTitle) {
        for (int s = 0; s < model_.slots; ++s) {
            memory_.SetTitle(bank, s, name);
        }
        return Status::kDone;
    }
    if (memory_.IsEmpty(bank, slot)) {
        return Status::kNoRegistration;
    }
    memory_.SetTitle(bank, slot, name);
    return Status::kDone;
}

Status Psr740FamilyHandler::DeleteRegistration(int bank, int slot) {
    if (!memory_.IsSlot(bank, slot)) {
        return Status::kDone;
    }
    memory_.PutDefault(bank, slot);
    if (model_.bankTitle) {
        // The bank title lives in every registration; it survives while one is left.
        for (int s = 0; s < model_.slots; ++s) {
            if (!memory_.IsEmpty(bank, s)) {
                memory_.CopyTitle(bank, slot, memory_.Record(bank, s));
                break;
            }
        }
    }
    memory_.SetUsed(bank, memory_.AnySlotFilled(bank));
    return Status::kDone;
}

Status Psr740FamilyHandler::GetStyleName(int bank, int slot, std::string& name, int form) {
    const Status found = Find(bank, slot);
    if (found != Status::kDone) {
        return found;
    }
    const int number = Psr740Record::StyleNumber(model_, memory_.Record(bank, slot));
    if (!model_.IsCustomStyle(number)) {
        name = model_.styles().Name(static_cast<std::uint8_t>(number));
    } else {
        name = customStyles_.Name(number);
        if (form == 1) {
            name.insert(0, 1, '*');
            name += '*';
        }
    }
    return Status::kDone;
}

Status Psr740FamilyHandler::GetTempo(int bank, int slot, int& tempo) {
    const Status found = Find(bank, slot);
    if (found == Status::kDone) {
        tempo = Psr740Record::Tempo(model_, memory_.Record(bank, slot));
    }
    return found;
}

Status Psr740FamilyHandler::VoiceName(int bank, int slot, int part, std::string& name) {
    if (memory_.IsEmpty(bank, slot)) {
        return Status::kNoRegistration;
    }
    name = model_.voiceName(memory_.Record(bank, slot), part, voiceList());
    return Status::kDone;
}

Status Psr740FamilyHandler::GetVoiceName1(int bank, int slot, std::string& name) { return VoiceName(bank, slot, 0, name); }
Status Psr740FamilyHandler::GetVoiceName2(int bank, int slot, std::string& name) { return VoiceName(bank, slot, 1, name); }
Status Psr740FamilyHandler::GetVoiceName3(int bank, int slot, std::string& name) { return VoiceName(bank, slot, 2, name); }
Status Psr740FamilyHandler::GetVoiceName4(int bank, int slot, std::string& name) { return VoiceName(bank, slot, 3, name); }

// ---- copying ---------------------------------------------------------------------

void Psr740FamilyHandler::PutCopy(int dstBank, int dstSlot, std::span<const std::uint8_t> record) {
    // A copy first: the source may be this very memory.
    const std::vector<std::uint8_t> from(record.begin(), record.end());
    const bool wasUsed = memory_.IsUsed(dstBank);
    const auto skip = static_cast<std::ptrdiff_t>(model_.copyFrom);
    std::copy(from.begin() + skip, from.end(), memory_.Record(dstBank, dstSlot).begin() + skip);
    if (model_.bankTitle) {
        if (wasUsed) {
            const int next = (dstSlot + 1) % model_.slots;
            const std::vector<std::uint8_t> title(memory_.Record(dstBank, next).begin(),
                                                  memory_.Record(dstBank, next).end());
            memory_.CopyTitle(dstBank, dstSlot, title);
        } else {
            for (int s = 0; s < model_.slots; ++s) {
                memory_.CopyTitle(dstBank, s, from);
            }
        }
    }
    memory_.SetUsed(dstBank, true);
    memory_.SetEmpty(dstBank, dstSlot, false);
}

void Psr740FamilyHandler::TakeOrigin(const Psr740FamilyHandler* from) {
    if (from == this) {
        return;
    }
    const bool oneSet = from != nullptr && from->origin_ == Origin::OneSet;
    if (oneSet && origin_ == Origin::Fresh) {
        origin_ = Origin::OneSet;
        originSet_ = from->originSet_;
        styleEntry_ = from->styleEntry_;
    } else if (!oneSet || origin_ != Origin::OneSet || originSet_ != from->originSet_) {
        origin_ = Origin::Mixed;
        originSet_.clear();
        styleEntry_ = Psr740StyleEntry();
    }
}

Status Psr740FamilyHandler::CopyRegistration(int dstBank, int dstSlot, ModelHandler* source, int srcBank, int srcSlot) {
    Psr740FamilyHandler* from = SameModel(source);
    if (from == nullptr || !memory_.IsSlot(dstBank, dstSlot) || !from->memory_.IsSlot(srcBank, srcSlot)) {
        return Status::kNoRegistration;
    }
    const Status found = from->Find(srcBank, srcSlot);
    if (found == Status::kDone) {
        PutCopy(dstBank, dstSlot, from->memory_.Record(srcBank, srcSlot));
        TakeOrigin(from);
    }
    return found;
}

Status Psr740FamilyHandler::CopyRegfile(int dstBank, int dstSlot, ModelHandler* source, int regfile) {
    Psr740FamilyHandler* from = SameModel(source);
    const Psr740RegfileEntry* entry = from != nullptr ? from->regfiles_.Entry(regfile) : nullptr;
    if (entry == nullptr || !memory_.IsSlot(dstBank, dstSlot)) {
        return Status::kNoRegistration;
    }
    PutCopy(dstBank, dstSlot, entry->record);
    TakeOrigin(nullptr);  // a regfile belongs to no set
    return Status::kDone;
}

// ---- regfiles ------------------------------------------------------------------------

Status Psr740FamilyHandler::LoadRegfiles(const std::string& folder) { return Tell(regfiles_.Load(folder)); }

Status Psr740FamilyHandler::ListRegfiles(StringList& names) {
    for (const Psr740RegfileEntry& entry : regfiles_.Entries()) {
        names.push_back(entry.title);
    }
    return Status::kDone;
}

Status Psr740FamilyHandler::CreateRegfiles(const std::string& folder) {
    if (!memory_.AnyBankUsed()) {
        return Status::kNothingToWrite;
    }
    RegfileFolder target(folder, model_.regfileExtension);
    for (int bank = 0; bank < model_.banks; ++bank) {
        for (int slot = 0; slot < model_.slots && memory_.IsUsed(bank); ++slot) {
            if (memory_.IsEmpty(bank, slot)) {
                continue;
            }
            const auto record = memory_.Record(bank, slot);
            std::string path;
            const std::string base = Psr740Regfiles::FileBase(memory_.Title(bank, slot), archiveName_, bank, slot);
            // One file the disk refuses must not keep the others from being written.
            target.Write(base, std::vector<std::uint8_t>(record.begin(), record.end()), path);
        }
    }
    return Tell(target.Failures());
}

Status Psr740FamilyHandler::GetRegfileName(int regfile, std::string& name) {
    const Psr740RegfileEntry* entry = regfiles_.Entry(regfile);
    if (entry == nullptr) {
        return Status::kNoRegistration;
    }
    name = Psr740Record::RegfileTitle(model_, entry->record);
    return Status::kDone;
}

RegistrationContent Psr740FamilyHandler::ContentOf(const RegistrationRef& at) { return ReadRegistrationContent(*this, at); }

Status Psr740FamilyHandler::GetRegfileStyleName(int regfile, std::string& name) {
    const Psr740RegfileEntry* entry = regfiles_.Entry(regfile);
    if (entry == nullptr) {
        return Status::kNoRegistration;
    }
    name = model_.styles().Name(static_cast<std::uint8_t>(Psr740Record::StyleNumber(model_, entry->record)));
    return Status::kDone;
}

Status Psr740FamilyHandler::GetRegfileTempo(int regfile, int& tempo) {
    const Psr740RegfileEntry* entry = regfiles_.Entry(regfile);
    if (entry == nullptr) {
        return Status::kNoRegistration;
    }
    tempo = Psr740Record::Tempo(model_, entry->record);
    return Status::kDone;
}

Status Psr740FamilyHandler::RegfileVoiceName(int regfile, int part, std::string& name) {
    const Psr740RegfileEntry* entry = regfiles_.Entry(regfile);
    if (entry == nullptr) {
        return Status::kNoRegistration;
    }
    name = model_.voiceName(entry->record, part, voiceList());
    return Status::kDone;
}

Status Psr740FamilyHandler::GetRegfileVoiceName1(int regfile, std::string& name) { return RegfileVoiceName(regfile, 0, name); }
Status Psr740FamilyHandler::GetRegfileVoiceName2(int regfile, std::string& name) { return RegfileVoiceName(regfile, 1, name); }
Status Psr740FamilyHandler::GetRegfileVoiceName3(int regfile, std::string& name) { return RegfileVoiceName(regfile, 2, name); }
Status Psr740FamilyHandler::GetRegfileVoiceName4(int regfile, std::string& name) { return RegfileVoiceName(regfile, 3, name); }

// ---- protocols and view ----------------------------------------------------------------

Status Psr740FamilyHandler::WriteProtocol(const std::string& path) { return Tell(Psr740Protocol::WriteBanks(*this, path)); }

Status Psr740FamilyHandler::WriteRegfileProtocol(const std::string& path) {
    return Tell(Psr740Protocol::WriteRegfiles(*this, path));
}

Status Psr740FamilyHandler::ShowRegistration(int regfile, int bank, int slot) {
    return RegistrationViewer::Show(*this, ui(), regfile, bank, slot);
}

std::vector<BankSelectKey> Psr740FamilyHandler::VoiceKeys() {
    std::vector<BankSelectKey> keys;
    const auto add = [&](std::span<const std::uint8_t> record) {
        for (int part = 0; part < model_.voiceParts; ++part) {
            if (const auto key = model_.voiceKey(record, part)) {
                keys.push_back(*key);
            }
        }
    };
    for (int bank = 0; bank < model_.banks; ++bank) {
        for (int slot = 0; slot < model_.slots; ++slot) {
            if (!memory_.IsEmpty(bank, slot)) {
                add(memory_.Record(bank, slot));
            }
        }
    }
    for (const Psr740RegfileEntry& entry : regfiles_.Entries()) {
        add(entry.record);
    }
    return keys;
}

}  // namespace kalivo
