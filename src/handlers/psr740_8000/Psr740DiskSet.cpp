#include "handlers/psr740_8000/Psr740DiskSet.h"

#include <algorithm>
#include <optional>

#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/disk/DiskName.h"
#include "common/disk/ManagementLine.h"
#include "common/fs/FatVolume.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/fs/FolderListing.h"
#include "common/fs/TextFile.h"
#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr740_8000/Psr740DataFile.h"
#include "handlers/psr740_8000/Psr740UserFile.h"

namespace kalivo {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kCounterAt = 36;  // the header line "FILE00000" + ccc repeats it at 57
constexpr std::size_t kStoredNameLength = 8;
constexpr int kLastSetNumber = 999;

using Bytes = std::vector<std::uint8_t>;

// A name from an instrument file as a file name that stays inside its folder.
std::string FileNameOf(const std::string& name) { return FileNameSanitizer::Sanitize(Cp1252::ToUtf8(name)); }

int Digits(const std::string& text, std::size_t at, std::size_t count) {
    if (text.size() < at + count) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The entry spelled in any case, else name as given.
std::string Target(const FolderListing& folder, const std::string& name) {
    return folder.FindPath(name).value_or(folder.PathOf(name));
}

Bytes RegMngHeader(int counter) {
    Bytes out;
    const std::string ccc = FormatNumbers("%3.3i", counter);
    for (const std::string& text : {std::string("REG     MNG"), std::string(), "FILE" + ccc, "FILE00000" + ccc,
                                    std::string(), std::string(), std::string(), std::string()}) {
        ManagementLine::Append(out, text);
    }
    return out;
}

void AppendRegMngEntry(const Psr740Model& model, Bytes& out, const std::string& dataLine) {
    ManagementLine::Append(out, dataLine);
    ManagementLine::AppendBlank32(out);
    for (const char* text : {model.modelString, model.dataVersion, "A,I", "", model.dataFileSize}) {
        ManagementLine::Append(out, text);
    }
}

// ---- load ---------------------------------------------------------------------

class SetLoader {
public:
    SetLoader(const Psr740Model& model, const std::string& folder) : model_(model), folder_(folder) {}

    Status Load(const std::string& setName, Psr740BankMemory& memory, std::string& setNumber, Psr740StyleEntry& styleEntry);
    const std::string& Message() const { return message_; }

private:
    Status Fail(Status result, const std::string& path, const std::string& what) {
        message_ = "Archive not loaded: " + path + " " + what;
        return result;
    }
    Status NotCorrect(const std::string& text) {
        message_ = "Archive not correct: " + text;
        return Status::kNotValid;
    }
    Status ReadData(const Psr740SetContents& contents, const std::optional<FolderListing>& reg, Psr740BankMemory& memory);
    // A data file of the set in REG that the user file does not name.
    std::optional<std::string> UnnamedDataFile(const Psr740SetContents& contents,
                                               const std::optional<FolderListing>& reg) const;

    const Psr740Model& model_;
    std::string folder_;
    std::string message_;
};

Status SetLoader::Load(const std::string& setName, Psr740BankMemory& memory, std::string& setNumber,
                    Psr740StyleEntry& styleEntry) {
    // The disk root is listed once for all the names looked up in it.
    const FolderListing root(folder_);
    if (DiskMngHeader::CheckFile(root.FindFile(DiskMngHeader::kFileName), model_.modelString, model_.diskModelBytes) ==
        DiskMngHeader::Check::WrongModel) {
        message_ = "Model not correct";
        return Status::kWrongModel;
    }
    const std::string userName = FileNameOf(setName) + ".usr";
    const auto userFile = root.FindPath(userName);
    std::vector<std::string> lines;
    if (!userFile || !TextFile::ReadLines(*userFile, lines)) {
        return Fail(Status::kNotValid, FileSystem::WithSeparator(folder_) + userName, "cannot be read.");
    }
    if (Psr740UserFile::OfOtherModel(model_, lines)) {
        // Its data files would read as no set or as damage: say what it is.
        return NotCorrect(*userFile + " looks like a " + model_.Other().modelString + " set, not one of the " +
                          model_.modelString + ".");
    }
    Psr740SetContents contents;
    switch (Psr740UserFile::Parse(model_, lines, contents)) {
        case Status::kDone: break;
        case Status::kUserFileNoSection:
            return Fail(Status::kUserFileNoSection, *userFile, "is not valid: it has no SECTION08 line.");
        case Status::kUserFileNoRegEntry:
            return Fail(Status::kUserFileNoRegEntry, *userFile, "is not valid: its section list has no REG entry.");
        case Status::kUserFileRegListShort:
            return Fail(Status::kUserFileRegListShort, *userFile, "is not valid: its list of REG files ends early.");
        default:
            return Fail(Status::kUserFileNoRegHeader, *userFile, "is not valid: it has no REG section.");
    }
    const auto regFolder = root.FindFolder("REG");
    const std::optional<FolderListing> reg = regFolder ? std::optional<FolderListing>(*regFolder) : std::nullopt;
    if (const auto unnamed = UnnamedDataFile(contents, reg)) {
        // Loading without it would show its bank unused, and a store would drop it.
        return NotCorrect(*userFile + " does not name " + *unnamed + ", a data file of this set.");
    }
    memory.Clear();
    const Status result = ReadData(contents, reg, memory);
    setNumber = contents.setNumber;
    if (result == Status::kDone) {
        styleEntry = Psr740StyleEntry::Read(root.FindPath("STY.MNG"), setNumber);
    }
    return result;
}

std::optional<std::string> SetLoader::UnnamedDataFile(const Psr740SetContents& contents,
                                                       const std::optional<FolderListing>& reg) const {
    if (model_.oneDataFile || !reg) {
        return std::nullopt;
    }
    for (const std::string& name : reg->Names()) {
        const int bank = Digits(name, 6, 2);
        const bool ofThisSet = name.size() == 12 && FileSystem::EqualsNoCase(name.substr(0, 6), "RPK" + contents.setNumber) &&
                               FileSystem::EqualsNoCase(name.substr(8), ".REG") && bank >= 1 && bank <= model_.banks;
        const bool named = std::any_of(contents.files.begin(), contents.files.end(),
                                       [&](const Psr740DataFileRef& ref) { return ref.bank == bank - 1; });
        if (ofThisSet && !named) {
            return reg->PathOf(name);
        }
    }
    return std::nullopt;
}

Status SetLoader::ReadData(const Psr740SetContents& contents, const std::optional<FolderListing>& reg,
                        Psr740BankMemory& memory) {
    for (const Psr740DataFileRef& ref : contents.files) {
        const std::string name = FileNameOf(ref.stem) + ".reg";
        const auto found = reg ? reg->FindPath(name) : std::nullopt;
        const std::string path = found.value_or(FileSystem::WithSeparator(folder_) + "REG" + FileSystem::Separator() + name);
        Bytes bytes;
        if (!found || !FileSystem::ReadBytes(*found, bytes)) {
            return Fail(Status::kNotValid, path, "cannot be read.");
        }
        switch (Psr740DataFile::Inspect(model_, bytes)) {
            case Psr740DataFile::Check::TooShort: return Fail(Status::kNotValid, path, "is too short.");
            case Psr740DataFile::Check::NotCorrect: return NotCorrect(path);
            case Psr740DataFile::Check::Sound: break;
        }
        Psr740DataFile::Read(model_, bytes, model_.oneDataFile ? 0 : ref.bank, memory);
    }
    return Status::kDone;
}

// ---- store --------------------------------------------------------------------

class SetStorer {
public:
    SetStorer(const Psr740Model& model, const Psr740BankMemory& memory, const std::string& folder,
              const Psr740StyleEntry& styleEntry, const Psr740DiskSet::WriteFile& write)
        : model_(model), memory_(memory), folder_(folder), styleEntry_(styleEntry), write_(write) {}

    Status Store(const std::string& name, std::string& setNumberText);
    const std::string& Message() const { return message_; }

private:
    Status Refuse(const std::string& text) {
        Tell(text);
        return Status::kNotValid;
    }
    // A failed store may have two things to say: what failed, and a file it
    // could not put back.
    void Tell(const std::string& text) { message_ += (message_.empty() ? "" : "\n") + text; }
    // The next set number from the data files already in REG; -1 past 999.
    int NextSetNumber(const FolderListing& reg) const;
    std::vector<int> UsedBanks() const;
    bool Write(const std::string& path, const Bytes& bytes);
    // Takes back what this store wrote, so that a failed store uses up
    // neither a set number nor room on the disk.
    Status Undo();
    // Adds the style entry under the new set number to the disk's STY.MNG
    // (found: where the root holds one).
    bool AddStyleEntry(const std::optional<std::string>& found, const std::string& setNumber);

    const Psr740Model& model_;
    const Psr740BankMemory& memory_;
    std::string folder_;
    const Psr740StyleEntry& styleEntry_;
    const Psr740DiskSet::WriteFile& write_;

    std::vector<std::string> written_;                    // new files, removed by Undo
    std::vector<std::pair<std::string, Bytes>> replaced_;  // files replaced, with what they held
    std::optional<std::string> createdFolder_;
    std::string message_;
};

bool SetStorer::Write(const std::string& path, const Bytes& bytes) {
    if (write_(path, bytes)) {
        return true;
    }
    Tell("Archive not stored: the file " + path + " cannot be written.");
    return false;
}

Status SetStorer::Undo() {
    for (const std::string& path : written_) {
        FileSystem::Remove(path);
    }
    for (const auto& [path, bytes] : replaced_) {
        if (!FileSystem::WriteBytesSafely(path, bytes)) {
            Tell("The file " + path + " could not be put back as it was.");
        }
    }
    if (createdFolder_) {
        FileSystem::Remove(*createdFolder_);  // only when empty
    }
    return Status::kNotValid;
}

bool SetStorer::AddStyleEntry(const std::optional<std::string>& found, const std::string& setNumber) {
    const std::string path = found.value_or(FileSystem::WithSeparator(folder_) + "STY.MNG");
    Bytes bytes;
    if (found && !FileSystem::ReadBytes(*found, bytes)) {
        Tell("Archive not stored: the style archive " + path + " cannot be read.");
        return false;
    }
    const Bytes old = bytes;
    const std::string lines = styleEntry_.LinesFor(setNumber);
    bytes.insert(bytes.end(), lines.begin(), lines.end());
    if (!Write(path, bytes)) {
        return false;
    }
    if (found) {
        replaced_.emplace_back(path, old);
    } else {
        written_.push_back(path);
    }
    return true;
}

int SetStorer::NextSetNumber(const FolderListing& reg) const {
    int greatest = 0;
    const std::vector<std::string>& names = reg.Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (FileSystem::EndsWithNoCase(names[i], ".REG") && reg.Kinds()[i] == FolderListing::Kind::File) {
            greatest = std::max(greatest, Digits(names[i], 3, 3));
        }
    }
    return greatest < kLastSetNumber ? greatest + 1 : -1;
}

std::vector<int> SetStorer::UsedBanks() const {
    std::vector<int> used;
    for (int bank = 0; bank < model_.banks && !model_.oneDataFile; ++bank) {
        if (memory_.IsUsed(bank)) {
            used.push_back(bank);
        }
    }
    return used;
}

Status SetStorer::Store(const std::string& name, std::string& setNumberText) {
    if (name.empty()) {
        return Refuse("Archive not stored: a disk name needs at least one letter or digit.");
    }
    // The root and REG are listed once each, for every name looked up in them.
    FolderListing root(folder_);
    root.RemoveLeftovers();
    const std::string userName = FileNameOf(name) + ".USR";
    // Tested whether or not REG exists, so that a set is never overwritten.
    if (root.FindPath(userName)) {
        return Refuse(InsertText("Archive %s already exists", Cp1252::ToUtf8(name)));
    }
    // The header of a disk of the other model stays: its sets must stay loadable.
    const bool diskRoot = FatVolume::IsDiskRoot(folder_);
    const auto diskMng = root.FindPath(DiskMngHeader::kFileName);
    if (diskRoot && DiskMngHeader::CheckFile(root.FindFile(DiskMngHeader::kFileName), model_.modelString,
                                             model_.diskModelBytes) ==
                        DiskMngHeader::Check::WrongModel) {
        return Refuse("Archive not stored: the DISK.MNG of this disk is not one of this model.");
    }
    const auto regFolder = root.FindFolder("REG");
    FolderListing reg(regFolder.value_or(std::string()));
    if (regFolder) {
        reg.RemoveLeftovers();
    }
    const int setNumber = regFolder ? NextSetNumber(reg) : 1;
    if (setNumber < 0) {
        return Refuse("Archive not stored: the disk holds set number 999, the last one.");
    }
    const std::vector<int> usedBanks = UsedBanks();
    const int step = model_.oneDataFile ? 1 : static_cast<int>(usedBanks.size());

    const std::string regPath = regFolder.value_or(FileSystem::WithSeparator(folder_) + "REG");
    const std::string regMngPath = regFolder ? Target(reg, "REG.MNG") : regPath + FileSystem::Separator() + "REG.MNG";
    Bytes regMng;
    int counter = step;
    // A first set starts REG.MNG afresh; so does a disk whose REG.MNG is gone.
    const bool hadRegMng = regFolder && FileSystem::ReadBytes(regMngPath, regMng);
    const Bytes oldRegMng = regMng;
    if (setNumber != 1 && hadRegMng && regMng.size() >= kHeaderSize) {
        const int old = Digits(std::string(regMng.begin(), regMng.begin() + kHeaderSize), kCounterAt, 3);
        counter = (old >= 0 ? old : static_cast<int>((regMng.size() - kHeaderSize) / kEntrySize)) + step;
        regMng.erase(regMng.begin(), regMng.begin() + static_cast<std::ptrdiff_t>(kHeaderSize));
    } else {
        regMng.clear();
    }
    if (counter > kLastSetNumber) {
        return Refuse("Archive not stored: the file counter of REG.MNG would pass 999.");
    }
    Bytes header = RegMngHeader(counter);
    regMng.insert(regMng.begin(), header.begin(), header.end());

    // Everything is built before the first file is written.
    std::vector<std::pair<std::string, Bytes>> dataFiles;
    for (int bank : model_.oneDataFile ? std::vector<int>{0} : usedBanks) {
        const std::string line = Psr740UserFile::DataLine(model_, setNumber, bank);
        AppendRegMngEntry(model_, regMng, line);
        const std::string fileName = line.substr(0, line.size() - 3) + ".REG";
        dataFiles.emplace_back(regFolder ? Target(reg, fileName) : regPath + FileSystem::Separator() + fileName,
                               Psr740DataFile::Build(model_, memory_, bank));
    }
    if (!regFolder) {
        if (!FileSystem::CreateDirectory(regPath)) {
            return Refuse("Archive not stored: the folder " + regPath + " cannot be created.");
        }
        createdFolder_ = regPath;
    }
    for (const auto& [path, bytes] : dataFiles) {
        if (!Write(path, bytes)) {
            return Undo();
        }
        written_.push_back(path);
    }
    if (!Write(regMngPath, regMng)) {
        return Undo();
    }
    if (hadRegMng) {
        replaced_.emplace_back(regMngPath, oldRegMng);
    } else {
        written_.push_back(regMngPath);
    }
    // Only the root of an instrument disk carries the disk header.
    if (diskRoot) {
        const std::string diskMngPath = diskMng.value_or(FileSystem::WithSeparator(folder_) + DiskMngHeader::kFileName);
        if (!Write(diskMngPath, DiskMngHeader::Build(model_.modelString, model_.diskVersion))) {
            return Undo();
        }
        if (!diskMng) {
            written_.push_back(diskMngPath);
        }
    }
    setNumberText = FormatNumbers("%3.3i", setNumber);
    if (!styleEntry_.Empty() && !AddStyleEntry(root.FindPath("STY.MNG"), setNumberText)) {
        return Undo();
    }
    const Bytes userFile = Psr740UserFile::Build(model_, name, setNumber, usedBanks);
    if (!Write(FileSystem::WithSeparator(folder_) + userName, userFile)) {
        return Undo();
    }
    return Status::kDone;
}

}  // namespace

// Every path a store writes is already spelled as its folder holds it (looked
// up in the one listing of the folder), so no write lists the folder again.
Psr740DiskSet::WriteFile Psr740DiskSet::DefaultWrite() { return &FileSystem::WriteNewBytesSafely; }

std::string Psr740DiskSet::StoredUserFile(const std::string& archive) {
    return FileNameOf(DiskName::Stored(archive, kStoredNameLength)) + ".USR";
}

Outcome Psr740DiskSet::Load(const Psr740Model& model, const std::string& folder, const std::string& setName,
                         Psr740BankMemory& memory, std::string& setNumber, Psr740StyleEntry& styleEntry) {
    SetLoader loader(model, folder);
    const Status status = loader.Load(setName, memory, setNumber, styleEntry);
    return {status, loader.Message()};
}

Outcome Psr740DiskSet::Store(const Psr740Model& model, const Psr740BankMemory& memory, const std::string& archive,
                          const std::string& folder, const Psr740StyleEntry& styleEntry, std::string& setNumber,
                          const WriteFile& write) {
    SetStorer storer(model, memory, folder, styleEntry, write);
    const Status status = storer.Store(DiskName::Stored(archive, kStoredNameLength), setNumber);
    return {status, storer.Message()};
}

}  // namespace kalivo
