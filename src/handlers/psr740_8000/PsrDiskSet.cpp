#include "handlers/psr740_8000/PsrDiskSet.h"

#include <algorithm>
#include <optional>

#include "common/Format.h"
#include "common/disk/DiskMngHeader.h"
#include "common/disk/ManagementLine.h"
#include "common/fs/FatVolume.h"
#include "common/fs/FileNameSanitizer.h"
#include "common/fs/FileSystem.h"
#include "common/fs/TextFile.h"
#include "common/text/Cp1252.h"
#include "handlers/StatusCodes.h"
#include "handlers/psr740_8000/PsrUserFile.h"

namespace kalivo {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kCounterAt = 36;  // the header line "FILE00000" + ccc repeats it at 57
constexpr int kLastSetNumber = 999;

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// A name from an instrument file as a file name that stays inside its folder.
std::string FileNameOf(const std::string& name) { return FileNameSanitizer::Sanitize(Cp1252::ToUtf8(name)); }

// The existing entry of folder spelled in any case, else the upper-case name.
std::string Target(const std::string& folder, const std::string& name) {
    return FileSystem::FindNoCase(folder, name).value_or(FileSystem::WithSeparator(folder) + name);
}

int ThreeDigits(const Bytes& bytes, std::size_t at) {
    if (bytes.size() < at + 3) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = at; i < at + 3; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9') {
            return -1;
        }
        value = value * 10 + (bytes[i] - '0');
    }
    return value;
}

// The data file header: its first two lines are the same whatever the file's number.
Bytes DataHeader(const PsrModel& model) {
    Bytes out;
    Append(out, ManagementLine::Make(PsrUserFile::DataLine(model, 1, 0)));
    std::string second = model.dataSecondLine;
    second.resize(30, ' ');
    Append(out, second + "\r\n");
    for (const char* text : {model.modelString, model.dataVersion, "A,I", "", ""}) {
        Append(out, ManagementLine::Make(text));
    }
    return out;
}

Bytes DataTrailer() {
    Bytes out{0xFF};
    Append(out, std::string(13, ' ') + "\r\n" + ManagementLine::Make("00011858") + "S");
    return out;
}

Bytes RegMngHeader(int counter) {
    Bytes out;
    const std::string ccc = FormatNumbers("%3.3i", counter);
    for (const std::string& text : {std::string("REG     MNG"), std::string(), "FILE" + ccc, "FILE00000" + ccc,
                                    std::string(), std::string(), std::string(), std::string()}) {
        Append(out, ManagementLine::Make(text));
    }
    return out;
}

void AppendRegMngEntry(const PsrModel& model, Bytes& out, const std::string& dataLine) {
    Append(out, ManagementLine::Make(dataLine));
    Append(out, ManagementLine::Blank32());
    for (const char* text : {model.modelString, model.dataVersion, "A,I", "", model.dataFileSize}) {
        Append(out, ManagementLine::Make(text));
    }
}

// ---- load ---------------------------------------------------------------------

class SetLoader {
public:
    SetLoader(const PsrModel& model, UserInterface& ui, const std::string& folder)
        : model_(model), ui_(ui), folder_(folder) {}

    int Load(const std::string& setName, PsrBankMemory& memory, std::string& setNumber);

private:
    int Fail(int result, const std::string& path, const std::string& what) {
        ui_.ShowMessage("Archive not loaded: " + path + " " + what);
        return result;
    }
    int ReadData(const PsrSetContents& contents, PsrBankMemory& memory);
    bool ReadFile(const std::string& stem, std::size_t records, Bytes& bytes, std::string& path);

    const PsrModel& model_;
    UserInterface& ui_;
    std::string folder_;
};

int SetLoader::Load(const std::string& setName, PsrBankMemory& memory, std::string& setNumber) {
    if (DiskMngHeader::CheckFolder(folder_, model_.modelString, model_.diskModelBytes) ==
        DiskMngHeader::Check::WrongModel) {
        ui_.ShowMessage("Model not correct");
        return status::kWrongModel;
    }
    const std::string userName = FileNameOf(setName) + ".usr";
    const auto userFile = FileSystem::FindNoCase(folder_, userName);
    std::vector<std::string> lines;
    if (!userFile || !TextFile::ReadLines(*userFile, lines)) {
        return Fail(status::kNotValid, FileSystem::WithSeparator(folder_) + userName, "cannot be read.");
    }
    PsrSetContents contents;
    switch (PsrUserFile::Parse(model_, lines, contents)) {
        case 0: break;
        case PsrUserFile::kNoSection:
            return Fail(PsrUserFile::kNoSection, *userFile, "is not valid: it has no SECTION08 line.");
        case PsrUserFile::kNoRegEntry:
            return Fail(PsrUserFile::kNoRegEntry, *userFile, "is not valid: its section list has no REG entry.");
        case PsrUserFile::kRegListShort:
            return Fail(PsrUserFile::kRegListShort, *userFile, "is not valid: its list of REG files ends early.");
        default:
            return Fail(PsrUserFile::kNoRegHeader, *userFile, "is not valid: it has no REG section.");
    }
    memory.Clear();
    const int result = ReadData(contents, memory);
    setNumber = contents.setNumber;
    return result;
}

bool SetLoader::ReadFile(const std::string& stem, std::size_t records, Bytes& bytes, std::string& path) {
    const std::string name = FileNameOf(stem) + ".reg";
    const auto regFolder = FileSystem::FindNoCase(folder_, "reg");
    const auto found = regFolder ? FileSystem::FindNoCase(*regFolder, name) : std::nullopt;
    path = found.value_or(FileSystem::WithSeparator(folder_) + "REG" + FileSystem::Separator() + name);
    if (!found || !FileSystem::ReadBytes(*found, bytes)) {
        Fail(status::kNotValid, path, "cannot be read.");
        return false;
    }
    if (bytes.size() < kHeaderSize + records * model_.recordSize) {
        Fail(status::kNotValid, path, "is too short.");
        return false;
    }
    return true;
}

int SetLoader::ReadData(const PsrSetContents& contents, PsrBankMemory& memory) {
    const std::size_t perFile = model_.oneDataFile ? static_cast<std::size_t>(model_.banks * model_.slots)
                                                   : static_cast<std::size_t>(model_.slots);
    for (const PsrDataFileRef& ref : contents.files) {
        Bytes bytes;
        std::string path;
        if (!ReadFile(ref.stem, perFile, bytes, path)) {
            return status::kNotValid;
        }
        const int firstBank = model_.oneDataFile ? 0 : ref.bank;
        const int lastBank = model_.oneDataFile ? model_.banks - 1 : ref.bank;
        std::size_t at = kHeaderSize;
        for (int bank = firstBank; bank <= lastBank; ++bank) {
            for (int slot = 0; slot < model_.slots; ++slot, at += model_.recordSize) {
                const auto record = std::span<const std::uint8_t>(bytes).subspan(at, model_.recordSize);
                std::copy(record.begin(), record.end(), memory.Record(bank, slot).begin());
                memory.SetEmpty(bank, slot, memory.LooksEmpty(record));
            }
            // One file for all banks: a bank counts when it holds a registration.
            memory.SetUsed(bank, !model_.oneDataFile || memory.AnySlotFilled(bank));
        }
    }
    return status::kDone;
}

// ---- store --------------------------------------------------------------------

class SetStorer {
public:
    SetStorer(const PsrModel& model, UserInterface& ui, const PsrBankMemory& memory, const std::string& folder)
        : model_(model), ui_(ui), memory_(memory), folder_(folder) {}

    int Store(const std::string& name);

private:
    int Refuse(const std::string& text) {
        ui_.ShowMessage(text);
        return status::kNotValid;
    }
    // The next set number from the data files already in REG; -1 past 999.
    int NextSetNumber(const std::optional<std::string>& regFolder) const;
    Bytes DataFile(int bank) const;
    bool Write(const std::string& path, const Bytes& bytes) {
        if (FileSystem::WriteBytesSafely(path, bytes)) {
            return true;
        }
        ui_.ShowMessage("Archive not stored: the file " + path + " cannot be written.");
        return false;
    }

    const PsrModel& model_;
    UserInterface& ui_;
    const PsrBankMemory& memory_;
    std::string folder_;
};

int SetStorer::NextSetNumber(const std::optional<std::string>& regFolder) const {
    if (!regFolder) {
        return 1;
    }
    int greatest = 0;
    for (const std::string& file : FileSystem::FindFiles(*regFolder, "*.REG")) {
        const Bytes name(file.begin(), file.end());
        greatest = std::max(greatest, ThreeDigits(name, 3));
    }
    return greatest < kLastSetNumber ? greatest + 1 : -1;
}

Bytes SetStorer::DataFile(int bank) const {
    Bytes out = DataHeader(model_);
    const int firstBank = model_.oneDataFile ? 0 : bank;
    const int lastBank = model_.oneDataFile ? model_.banks - 1 : bank;
    Bytes standard(model_.recordSize);
    for (int b = firstBank; b <= lastBank; ++b) {
        for (int slot = 0; slot < model_.slots; ++slot) {
            auto record = memory_.Record(b, slot);
            // One file per bank holds its empty slots as default registrations.
            if (!model_.oneDataFile && memory_.IsEmpty(b, slot)) {
                model_.makeDefault(standard, b, slot);
                record = standard;
            }
            out.insert(out.end(), record.begin(), record.end());
        }
    }
    if (!model_.oneDataFile) {
        const Bytes trailer = DataTrailer();
        out.insert(out.end(), trailer.begin(), trailer.end());
    }
    return out;
}

int SetStorer::Store(const std::string& name) {
    const std::string userName = FileNameOf(name) + ".USR";
    // Tested whether or not REG exists, so that a set is never overwritten.
    if (FileSystem::FindNoCase(folder_, userName)) {
        return Refuse(InsertText("Archive %s already exists", Cp1252::ToUtf8(name)));
    }
    // The header of a disk of the other model stays: its sets must stay loadable.
    const bool diskRoot = FatVolume::IsDiskRoot(folder_);
    if (diskRoot && DiskMngHeader::CheckFolder(folder_, model_.modelString, model_.diskModelBytes) ==
                        DiskMngHeader::Check::WrongModel) {
        return Refuse("Archive not stored: the DISK.MNG of this disk is not one of this model.");
    }
    const auto found = FileSystem::FindNoCase(folder_, "REG");
    const std::optional<std::string> regFolder =
        found && FileSystem::IsDirectory(*found) ? found : std::nullopt;
    const int setNumber = NextSetNumber(regFolder);
    if (setNumber < 0) {
        return Refuse("Archive not stored: the disk holds set number 999, the last one.");
    }
    std::vector<int> usedBanks;
    for (int bank = 0; bank < model_.banks && !model_.oneDataFile; ++bank) {
        if (memory_.IsUsed(bank)) {
            usedBanks.push_back(bank);
        }
    }
    const int step = model_.oneDataFile ? 1 : static_cast<int>(usedBanks.size());

    const std::string regPath = regFolder.value_or(FileSystem::WithSeparator(folder_) + "REG");
    const std::string regMngPath = Target(regPath, "REG.MNG");
    Bytes regMng;
    int counter = step;
    // A first set starts REG.MNG afresh; so does a disk whose REG.MNG is gone.
    if (setNumber != 1 && regFolder && FileSystem::ReadBytes(regMngPath, regMng) && regMng.size() >= kHeaderSize) {
        const int old = ThreeDigits(regMng, kCounterAt);
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
        const std::string line = PsrUserFile::DataLine(model_, setNumber, bank);
        AppendRegMngEntry(model_, regMng, line);
        const std::string fileName = line.substr(0, line.size() - 3) + ".REG";
        dataFiles.emplace_back(Target(regPath, fileName), DataFile(bank));
    }
    if (!regFolder && !FileSystem::CreateDirectory(regPath)) {
        return Refuse("Archive not stored: the folder " + regPath + " cannot be created.");
    }
    for (const auto& [path, bytes] : dataFiles) {
        if (!Write(path, bytes)) {
            return status::kNotValid;
        }
    }
    if (!Write(regMngPath, regMng)) {
        return status::kNotValid;
    }
    // Only the root of an instrument disk carries the disk header.
    if (diskRoot &&
        !Write(Target(folder_, "DISK.MNG"), DiskMngHeader::Build(model_.modelString, model_.diskVersion))) {
        return status::kNotValid;
    }
    const Bytes userFile = PsrUserFile::Build(model_, name, setNumber, usedBanks);
    return Write(FileSystem::WithSeparator(folder_) + userName, userFile) ? status::kDone : status::kNotValid;
}

}  // namespace

std::string PsrDiskSet::StoredName(const std::string& archive) {
    std::string name = archive.substr(0, 8);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return name;
}

int PsrDiskSet::Load(const PsrModel& model, UserInterface& ui, const std::string& folder, const std::string& setName,
                     PsrBankMemory& memory, std::string& setNumber) {
    return SetLoader(model, ui, folder).Load(setName, memory, setNumber);
}

int PsrDiskSet::Store(const PsrModel& model, UserInterface& ui, const PsrBankMemory& memory,
                      const std::string& archive, const std::string& folder) {
    return SetStorer(model, ui, memory, folder).Store(StoredName(archive));
}

}  // namespace kalivo
